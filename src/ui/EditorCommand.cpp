#include "ui/EditorCommand.h"

#include <array>

namespace gr2 {

namespace {

using K = QKeySequence;

const std::array<EditorCommandInfo, size_t(EditorCommand::Count)>& table()
{
    static const std::array<EditorCommandInfo, size_t(EditorCommand::Count)> infos = {{
        {"&New", K(Qt::CTRL | Qt::Key_N), "Create a new level\nNew"},
        {"&Open...", K(Qt::CTRL | Qt::Key_O), "Open an existing level or import configuration data\nOpen"},
        {"&Close", K(), "Close the active level\nClose"},
        {"&Save", K(Qt::CTRL | Qt::Key_S), "Save the active level\nSave"},
        {"Save &As...", K(), "Save the active level with a new name\nSave As"},
        {"&Export As JSON...", K(),
         "Write the active level as a JSON text, for version control\nExport As JSON"},
        {"&Import From JSON...", K(),
         "Open a level from a JSON text as a new, unsaved level\nImport From JSON"},
        {"Save Game Data", K(),
         "Write the global type data and variables beside the program\nSave Game Data"},
        {"&Print...", K(Qt::CTRL | Qt::Key_P), "Print the active map\nPrint"},
        {"P&rint Setup...", K(), "Change the printer and printing options\nPrint Setup"},
        {"E&xit", K(), "Quit the editor; prompts to save levels\nExit"},
        {"&Terrain Types...", K(Qt::Key_F1), "Edit the properties of the terrain types\nTerrain Types"},
        {"&Room Types...", K(Qt::Key_F2), "Edit the properties of the room types\nRoom Types"},
        {"&Creature Types...", K(Qt::Key_F3), "Edit the properties of the creature types\nCreature Types"},
        {"&Door Types...", K(Qt::Key_F4), "Edit the properties of the door types\nDoor Types"},
        {"Tr&ap Types...", K(Qt::Key_F5), "Edit the properties of the trap types\nTrap Types"},
        {"&Object Types...", K(Qt::Key_F6), "Edit the properties of the object types\nObject Types"},
        {"&Vorlan Spell Types...", K(Qt::Key_F7),
         "Edit the properties of the Vorlan spell types\nVorlan Spell Types"},
        {"&Creature Spell Types...", K(Qt::Key_F8),
         "Edit the properties of the creature spell types\nCreature Spell Types"},
        {"&Shot Types...", K(Qt::Key_F9), "Edit the properties of the shot types\nShot Types"},
        {"&Effect Types...", K(Qt::Key_F10), "Edit the properties of the effect types\nEffect Types"},
        {"E&ffect Element Types...", K(Qt::Key_F11),
         "Edit the properties of the effect element types\nEffect Element Types"},
        {"Reset To GR2 Defaults", K(),
         "Reload the global data from the program's folder\nReset To GR2 Defaults"},
        {"&About GR2 Editor...", K(), "Display program information and version\nAbout"},
        {"&Undo", K(Qt::CTRL | Qt::Key_Z), "Undo the last action\nUndo"},
        {"&Redo", K(Qt::CTRL | Qt::Key_Y), "Redo the previously undone action\nRedo"},
        {"Cu&t", K(Qt::CTRL | Qt::Key_X), "Cut the selection and put it on the Clipboard\nCut"},
        {"&Copy", K(Qt::CTRL | Qt::Key_C), "Copy the selection and put it on the Clipboard\nCopy"},
        {"&Paste", K(Qt::CTRL | Qt::Key_V), "Insert Clipboard contents\nPaste"},
        {"Select &All", K(Qt::CTRL | Qt::Key_A), "Select the whole map interior\nSelect All"},
        {"C&lear All", K(), "Fill the whole map with the current slab\nClear All"},
        {"&Tool Bar", K(), "Show or hide the main Tool Bar\nToggle Tool Bar", true},
        {"&Status Bar", K(), "Show or hide the Status Bar\nToggle Status Bar", true},
        {"&Drawing Tool Bar", K(), "Show or hide the Drawing Tool Bar\nToggle Drawing Tool Bar", true},
        {"S&election Bar", K(), "Show or hide the Selection Bar\nToggle Selection Bar", true},
        {"S&cript Tree", K(), "Show or hide the Script Tree\nToggle Script Tree", true},
        {"&Grid", K(Qt::CTRL | Qt::Key_G), "Show or hide the tile grid\nGrid", true},
        {"Shrin&k to Fit", K(), "Scale the whole map into the window\nShrink to Fit", true},
        {"Hide All Waypoint Paths", K(), "Show or hide the paths between action points\nWaypoint Paths"},
        {"Rectangle &Select", K(), "Select a rectangle of tiles\nRectangle Select", true},
        {"&Paint", K(), "Paint tiles with the current slab\nPaint", true},
        {"&Magnify", K(), "Magnify\nMagnify", true},
        {"Draw &Line", K(), "Draw a line of the current slab\nDraw Line", true},
        {"Draw &Rectangle", K(), "Draw Filled Rectangle (right click toggles filled)\nDraw Rectangle", true},
        {"Draw &Circle", K(), "Draw Filled Circle (right click toggles filled)\nDraw Circle", true},
        {"Draw &Filled", K(),
         "Draw rectangles and circles filled; a right click in the map toggles it too\nDraw Filled", true},
        {"&Flood Fill", K(), "Fill a connected area with the current slab\nFlood Fill", true},
        {"Create New &Action Point", K(), "Drag out a new action point\nCreate New Action Point", true},
        {"Create New &Effect Generator", K(), "Drag out a new effect generator\nCreate New Effect Generator",
         true},
        {"Edit Starting &Camera Position", K(),
         "Set the current player's starting camera position\n"
         "Edit Starting Camera Position",
         true},
        {"Define &Build Area", K(), "Drag out the computer player's build area\nDefine Build Area", true},
        {"&Validate Level", K(Qt::Key_F12),
         "List every error and warning of the active level in the Problems window\nValidate Level"},
        {"Flip In &X Axis", K(Qt::CTRL | Qt::Key_I), "Mirror the map top to bottom\nFlip In X Axis"},
        {"Flip In &Y Axis", K(Qt::CTRL | Qt::Key_M), "Mirror the map left to right\nFlip In Y Axis"},
        {"Brush Flip In X Axis", K(), "Mirror the brush left to right\nBrush Flip In X Axis"},
        {"Brush Flip In Y Axis", K(), "Mirror the brush top to bottom\nBrush Flip In Y Axis"},
        {"&Rotate...", K(Qt::CTRL | Qt::Key_R), "Turn the map by a quarter or half turn\nRotate Map"},
        {"R&esize...", K(), "Change the size of the map\nResize Map"},
        {"Brush &Rotate...", K(), "Turn the brush by a quarter or half turn\nBrush Rotate"},
        {"S&plit", K(), "Split the active window into panes\nSplit"},
        {"&Cascade", K(), "Arrange windows so they overlap\nCascade Windows"},
        {"&Tile", K(), "Arrange windows as non-overlapping tiles\nTile Windows"},
    }};
    return infos;
}

} // namespace

const EditorCommandInfo& commandInfo(EditorCommand command)
{
    return table()[size_t(command)];
}

} // namespace gr2
