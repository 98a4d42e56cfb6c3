#pragma once
// The GUI application object: starts the editor (settings, root directory, script-tree images,
// global data, icon sheets, main window), serves the application's own commands and owns the
// global data for the whole run.

#include "app/EditorApp.h"
#include "app/PaletteLayout.h"
#include "level/CWorldEditorDoc.h"
#include "level/TypeDatabaseLevelTypes.h"
#include "mapedit/EditorState.h"
#include "ui/EditorCommand.h"
#include "ui/IconSheets.h"
#include "ui/QtPrompter.h"
#include "ui/SharedPrinter.h"
#include "ui/ViewContext.h"

#include <QObject>
#include <QPixmap>
#include <QStringList>

#include <memory>

namespace gr2 {

class CChildFrame;
class CMainFrame;
class CNewLevelDialog;
class LevelDocument;

class CWorldEditorApp : public QObject, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kRecentFileCount = 6;
    /// The script-tree images in the order the tree's image list uses them.
    static constexpr int kTreeImageIds[22] = {192, 193, 165, 173, 177, 179, 195, 194, 197, 196, 199,
                                              198, 181, 183, 202, 200, 203, 204, 205, 206, 191, 186};

    /// `prompter` replaces the message boxes and file dialogs (tests script them); by default the
    /// application shows real ones.
    explicit CWorldEditorApp(Prompter* prompter = nullptr);
    ~CWorldEditorApp() override;

    /// The start-up sequence. `rootDirectory` is the program's folder unless --root named another.
    /// False when start-up fails (a missing script-tree image); the program then ends.
    bool InitInstance(const std::filesystem::path& rootDirectory, bool showWindow = true);

    EditorApp& core() { return *m_core; }
    const IconSheets& iconSheets() const { return m_iconSheets; }
    const QList<QPixmap>& treeImages() const { return m_treeImages; }
    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    Prompter& prompter() { return m_prompterOverride ? *m_prompterOverride : m_prompter; }

    EditorState& editorState() { return m_editorState; }
    /// Opens a new level window for the settings (what New does after its dialog).
    CChildFrame* newLevel(const NewLevelSettings& settings);
    /// Opens the level file in a window, or activates the window that already shows it. None when
    /// the level could not be read (the user was told why).
    /// Offers the backups that are newer than their levels (the editor stopped without saving
    /// them) and opens each one the user takes as an unsaved level; answers how many opened.
    int recoverBackups();
    CChildFrame* openLevel(const std::filesystem::path& path);
    /// Import From JSON: the chosen document opens as a new, unsaved level; none when cancelled
    /// or refused.
    CChildFrame* importLevelJson();
    /// How many steps each level's history keeps: the setting "Editor/Undo Steps" (1 to 10000,
    /// 100 when not set).
    static size_t undoStepLimit();
    /// "Create New GR2 Level", made once and kept for the whole run.
    CNewLevelDialog& newLevelDialog();

    /// Opens the family's type editor on the first type with `typeId`, or where the family's
    /// editor was left; then rebuilds what depends on the tables and repaints the map views. False
    /// when the family has no editor yet.
    bool openTypeEditor(TypeFamily family, std::optional<uint16_t> typeId = std::nullopt);
    /// The palette's "&Edit Properties...": the family's editor on the button's type; a room's
    /// floor opens the room editor on that room.
    bool editPaletteType(const PaletteItem& item);
    /// "Creature Stats...": the global experience-level increases.
    void openExperienceEditor();
    /// "&Sacrifices...": the global sacrifice combinations.
    void openSacrificeEditor();

    /// Save, Save As and the other commands the application serves for the active level.
    bool onCommand(EditorCommand command) override;
    std::optional<CommandState> commandState(EditorCommand command) const override;

    QStringList recentFiles() const;
    void addRecentFile(const QString& path);

public slots:
    void onNew();
    void onOpen();
    void onSave();
    void onSaveAs();
    void onSaveGameData();
    void onResetToDefaults();
    void onPrintSetup();
    void onAbout();

private:
    /// Rebuilds the Good door and trap pairs and the palette's pages from the type tables.
    void onTypeTablesChanged();
    bool loadTreeImages();
    void connectCommands();
    CChildFrame* addLevelWindow(std::unique_ptr<LevelDocument> level);
    CChildFrame* findLevelWindow(const std::filesystem::path& path) const;
    ViewContext viewContext();
    /// The family and type a palette button's editor opens on; none without an editor.
    std::optional<std::pair<TypeFamily, uint16_t>> editorOfPaletteItem(const PaletteItem& item) const;
    void repaintViews();
    /// After a global table editor closed: marks the data modified when it changed.
    void globalTablesEdited(bool changed);

    QtPrompter m_prompter;
    Prompter* m_prompterOverride = nullptr;
    std::unique_ptr<EditorApp> m_core;
    IconSheets m_iconSheets;
    QList<QPixmap> m_treeImages;
    EditorState m_editorState;
    SharedPrinter m_printer; ///< chosen by Print Setup, used by Print
    std::unique_ptr<CMainFrame> m_mainFrame;
    CNewLevelDialog* m_newLevelDialog = nullptr; ///< owned by the main frame
};

} // namespace gr2
