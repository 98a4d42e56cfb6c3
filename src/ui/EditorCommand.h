#pragma once
// Every menu, toolbar and accelerator command of the editor, with the text, shortcut and status
// prompt its action shows. The main frame creates one QAction per command and routes a triggered
// command to whoever handles it: the active map view first, then the frame, then the application.

#include <QKeySequence>
#include <QString>

#include <optional>

namespace gr2 {

enum class EditorCommand {
    // application and document
    New,
    Open,
    Close,
    Save,
    SaveAs,
    /// The active level as JSON, and a level from JSON (text forms for version control).
    ExportJson,
    ImportJson,
    SaveGameData,
    Print,
    PrintSetup,
    Exit,
    // the type editors of the Configuration menu
    TerrainTypes,
    RoomTypes,
    CreatureTypes,
    DoorTypes,
    TrapTypes,
    ObjectTypes,
    VorlanSpellTypes,
    CreatureSpellTypes,
    ShotTypes,
    EffectTypes,
    EffectElementTypes,
    ResetToDefaults,
    About,
    // edit
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    ClearAll,
    // frame: bars
    ToggleToolBar,
    ToggleStatusBar,
    ToggleDrawingToolBar,
    ToggleSelectionBar,
    ToggleScriptTree,
    // view display
    Grid,
    ShrinkToFit,
    ShowWaypointPaths,
    // tools
    RectangleSelect,
    Paint,
    Magnify,
    DrawLine,
    DrawRectangle,
    DrawCircle,
    /// Rectangles and circles drawn filled or as outlines (a right click in the map also toggles).
    DrawFilled,
    FloodFill,
    CreateActionPoint,
    CreateEffectGenerator,
    EditCameraStart,
    DefineBuildArea,
    /// Lists every problem of the active level in the Problems dock.
    ValidateLevel,
    // map and brush
    FlipX,
    FlipY,
    BrushFlipX,
    BrushFlipY,
    /// The "Rotate Map" dialog, for the map and for the brush, and the "Resize Map" dialog.
    RotateMap,
    ResizeMap,
    BrushRotate,
    // windows
    SplitWindow,
    Cascade,
    Tile,
    Count
};

struct EditorCommandInfo {
    const char* text;      ///< menu text with its mnemonic
    QKeySequence shortcut; ///< empty when there is none
    const char* prompt;    ///< "status prompt\ntooltip"
    bool checkable = false;
};

const EditorCommandInfo& commandInfo(EditorCommand command);

} // namespace gr2

namespace gr2 {

/// What a command shows: enabled, checked, and a menu text when it changes with the state.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    QString text;   ///< empty: the command's own text
    QString prompt; ///< empty: the command's own status prompt
};

/// Something a command can be routed to (the active map view, the frame, the application).
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    /// Carries the command out; false when this target does not handle it.
    virtual bool onCommand(EditorCommand command) = 0;
    /// The command's state, or nothing when this target does not handle it.
    virtual std::optional<CommandState> commandState(EditorCommand command) const = 0;
};

} // namespace gr2
