#pragma once
// The script tree's commands: their ids, the context menu of each kind of item with the texts the
// user sees, the rule that greys each command, and which commands the editor offers at all, all as
// tables over the objects a command acts on, so the tree widget, the map view's menus and the tests
// ask the same rules.

#include "script/ScriptTreeItem.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

class CAction;
class CActionPoint;
class CCreature;
class CDoor;
class CEffectGenerator;
class CHeroParty;
class CObjectThing;
class CPlayer;
class CTrap;
class CTrigger;
class CWorldEditorDoc;
class LevelScript;

/// The commands of the tree's context menus, by their command ids.
enum class TreeCommand : uint16_t {
    Refresh = 32886,
    ExpandAll = 32882,
    CollapseAll = 32993,
    CreateNewPlayer = 32942,
    CreateNewHeroParty = 32990,
    CreateNewActionPoint = 32976,
    CreateNewEffectGenerator = 33013,
    EditLevelVariables = 32935,
    EditLevelProperties = 33045,
    Find = 33046,
    LevelAddTrigger = 32975,
    ResetAllCreatureProperties = 33012,
    EditVorlanProperties = 32909,
    EditVorlanAlliances = 33004,
    EditStartingCameraPosition = 33027,
    DefineBuildArea = 33028,
    PlayerAddTrigger = 32950,
    DeleteVorlan = 32903,
    EditCreatureProperties = 32910,
    EditCreatureType = 32913,
    CreatureAddTrigger = 32920,
    MoveCreature = 33037,
    DeleteCreature = 32887,
    ForceFirstPerson = 33018,
    EditDoorProperties = 32958,
    EditDoorType = 32959,
    DoorAddTrigger = 32960,
    MoveDoor = 33038,
    DeleteDoor = 32957,
    EditTrapProperties = 32955,
    EditTrapType = 32956,
    MoveTrap = 33040,
    DeleteTrap = 32953,
    EditObjectProperties = 32962,
    EditObjectType = 32963,
    ObjectAddTrigger = 32981,
    MoveObject = 33039,
    DeleteObject = 32961,
    EditTriggerProperties = 32912,
    TriggerAddTrigger = 32921,
    AddAction = 32922,
    AddCreatureAction = 32985,
    DeleteTrigger = 32911,
    EditActionProperties = 32972,
    EditTextMessages = 33031,
    DeleteAction = 32970,
    EditActionPointProperties = 33010,
    ActionPointAddTrigger = 32979,
    MoveActionPoint = 33006,
    DeleteActionPoint = 32977,
    AddMembers = 33009,
    HeroPartyAddTrigger = 32989,
    DeleteParty = 32988,
    EditEffectGeneratorProperties = 33016,
    MoveEffectGenerator = 33015,
    DeleteEffectGenerator = 33014,
    ExportToFile = 32983,
    MoveAsChild = 33041,
    MoveAsSibling = 33042,
    CopyAsChild = 33043,
    CopyAsSibling = 33044,
    // The map view's menus of the special rooms, numbered after the tree's own commands.
    EditDungeonHeartProperties = 33100,
    EditPortalProperties = 33101,
    EditHeroGateProperties = 33102,
};

struct TreeMenuEntry {
    TreeCommand command;
    std::u16string_view text;
};

/// The empty-space menu (Refresh, Expand All, Collapse All).
std::vector<TreeMenuEntry> emptySpaceMenu();
/// The drop menu of a right drag.
std::vector<TreeMenuEntry> dropMenu();

/// The context menu of an item kind, in the order the user sees it.
std::vector<TreeMenuEntry> menuFor(TreeItemKind kind);

/// The special rooms whose menus the map view opens on a right click.
enum class SpecialRoom : uint8_t { DungeonHeart, Portal, HeroGate };
std::vector<TreeMenuEntry> specialRoomMenu(SpecialRoom room);

/// Whether the editor offers the command at all: a command whose dialog or editor is not part of
/// the editor yet stays out of every menu and is not run by a double click. This is the one list
/// to extend when such a dialog arrives.
bool isTreeCommandAvailable(TreeCommand command);
/// The entries of a menu that the editor offers, in their order.
std::vector<TreeMenuEntry> availableEntries(const std::vector<TreeMenuEntry>& menu);
/// The command's name as the user reads it in its menu, without the mnemonic and the trailing
/// "..." ("Delete Creature", "Create New Hero Party"): the name of its step in the level's history.
std::string treeCommandName(TreeCommand command);

/// The objects a command acts on: the current one of each kind, or those of one item.
struct TreeCommandTargets {
    CPlayer* player = nullptr;
    CCreature* creature = nullptr;
    CDoor* door = nullptr;
    CTrap* trap = nullptr;
    CObjectThing* object = nullptr;
    CActionPoint* actionPoint = nullptr;
    CHeroParty* party = nullptr;
    CEffectGenerator* generator = nullptr;
    CTrigger* trigger = nullptr;
    CAction* action = nullptr;
};

/// The targets of one item: its own object, and the trigger or action it stands for.
TreeCommandTargets targetsOf(const ScriptTreeItem& item, CTrigger* trigger, CAction* action);

/// Whether a command is offered (not greyed) for the targets; the level's limits (players, parties,
/// action points) come from the document. The drop commands are decided by the drop verdict.
bool isTreeCommandEnabled(const CWorldEditorDoc& doc, const LevelScript* script,
                          const TreeCommandTargets& targets, TreeCommand command);

/// The command a double click on an item of the kind runs, and the one the Delete key runs.
std::optional<TreeCommand> doubleClickCommandOf(TreeItemKind kind);
std::optional<TreeCommand> deleteCommandOf(TreeItemKind kind);

/// How many players, action points and hero parties a level may have.
inline constexpr size_t kMaxTreePlayers = 6;
inline constexpr size_t kMaxTreeActionPoints = 80;

} // namespace gr2
