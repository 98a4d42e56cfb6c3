#include "script/ScriptTreeCommands.h"

#include "level/CCreature.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/TriggerKeeping.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"

#include <algorithm>
#include <utility>

namespace gr2 {

namespace {

using C = TreeCommand;
using K = TreeItemKind;

constexpr TreeMenuEntry kLevelMenu[] = {
    {C::Refresh, u"&Refresh Tree"},
    {C::CreateNewPlayer, u"Create New &Player"},
    {C::CreateNewHeroParty, u"Create New &Hero Party..."},
    {C::CreateNewActionPoint, u"Create New &Action Point..."},
    {C::CreateNewEffectGenerator, u"Create New Effect &Generator..."},
    {C::EditLevelVariables, u"Edit Level &Variables..."},
    {C::EditLevelProperties, u"Edit Level Properties..."},
    {C::Find, u"Find..."},
    {C::LevelAddTrigger, u"Add &Trigger..."},
    {C::ResetAllCreatureProperties, u"Reset All &Creature Properties..."},
    // The export had no menu and wrote into whatever folder was current; here it asks where.
    {C::ExportToFile, u"Export To File..."},
};
constexpr TreeMenuEntry kPlayerMenu[] = {
    {C::EditVorlanProperties, u"&Edit Vorlan Properties..."},
    {C::EditVorlanAlliances, u"Edit Vorlan &Alliances..."},
    {C::EditStartingCameraPosition, u"Edit Starting &Camera Position"},
    {C::DefineBuildArea, u"Define &Build Area..."},
    {C::PlayerAddTrigger, u"Add &Trigger..."},
    {C::DeleteVorlan, u"&Delete Vorlan"},
};
constexpr TreeMenuEntry kCreatureMenu[] = {
    {C::EditCreatureProperties, u"&Edit Creature Properties..."},
    {C::EditCreatureType, u"Edit Creature &Type..."},
    {C::CreatureAddTrigger, u"Add &Trigger..."},
    {C::MoveCreature, u"&Move Creature"},
    {C::DeleteCreature, u"&Delete Creature"},
    {C::ForceFirstPerson, u"&Force First Person"},
};
constexpr TreeMenuEntry kDoorMenu[] = {
    {C::EditDoorProperties, u"&Edit Door Properties..."},
    {C::EditDoorType, u"Edit Door &Type..."},
    {C::DoorAddTrigger, u"Add &Trigger..."},
    {C::MoveDoor, u"&Move Door"},
    {C::DeleteDoor, u"&Delete Door"},
};
constexpr TreeMenuEntry kTrapMenu[] = {
    {C::EditTrapProperties, u"&Edit Trap Properties..."},
    {C::EditTrapType, u"Edit Trap &Type..."},
    {C::MoveTrap, u"&Move Trap"},
    {C::DeleteTrap, u"&Delete Trap"},
};
constexpr TreeMenuEntry kObjectMenu[] = {
    {C::EditObjectProperties, u"&Edit Object Properties..."},
    {C::EditObjectType, u"Edit Object &Type..."},
    {C::ObjectAddTrigger, u"Add &Trigger..."},
    {C::MoveObject, u"&Move Object"},
    {C::DeleteObject, u"&Delete Object"},
};
constexpr TreeMenuEntry kTriggerMenu[] = {
    {C::EditTriggerProperties, u"&Edit Trigger Properties..."},
    {C::TriggerAddTrigger, u"Add &Trigger..."},
    {C::AddAction, u"Add &Action..."},
    {C::AddCreatureAction, u"Add &Creature Action..."},
    {C::DeleteTrigger, u"&Delete Trigger"},
};
constexpr TreeMenuEntry kActionMenu[] = {
    {C::EditActionProperties, u"&Edit Action Properties..."},
    {C::EditTextMessages, u"Edit Text Messages..."},
    {C::DeleteAction, u"&Delete Action"},
};
constexpr TreeMenuEntry kActionPointMenu[] = {
    {C::EditActionPointProperties, u"Edit Action Point &Properties..."},
    {C::ActionPointAddTrigger, u"Add &Trigger..."},
    {C::MoveActionPoint, u"&Move Action Point"},
    {C::DeleteActionPoint, u"&Delete Action Point"},
};
constexpr TreeMenuEntry kHeroPartyMenu[] = {
    {C::AddMembers, u"Add &Members..."},
    {C::HeroPartyAddTrigger, u"Add &Trigger..."},
    {C::DeleteParty, u"&Delete Party"},
};
constexpr TreeMenuEntry kEffectGeneratorMenu[] = {
    {C::EditEffectGeneratorProperties, u"&Edit Effect Generator Properties..."},
    {C::MoveEffectGenerator, u"&Move Effect Generator"},
    {C::DeleteEffectGenerator, u"&Delete Effect Generator"},
};
constexpr TreeMenuEntry kEmptySpaceMenu[] = {
    {C::Refresh, u"&Refresh"}, {C::ExpandAll, u"Expand &All"}, {C::CollapseAll, u"&Collapse All"}};
constexpr TreeMenuEntry kDropMenu[] = {
    {C::MoveAsChild, u"Move As Child"},
    {C::MoveAsSibling, u"Move As Sibling"},
    {C::CopyAsChild, u"Copy As Child"},
    {C::CopyAsSibling, u"Copy As Sibling"},
};

constexpr TreeMenuEntry kDungeonHeartMenu[] = {
    {C::EditDungeonHeartProperties, u"&Edit Dungeon Heart Properties..."}};
constexpr TreeMenuEntry kPortalMenu[] = {{C::EditPortalProperties, u"&Edit Portal Properties..."}};
constexpr TreeMenuEntry kHeroGateMenu[] = {{C::EditHeroGateProperties, u"&Edit Hero Gate Properties..."}};

/// What the editor runs today; every other command waits for its dialog.
constexpr TreeCommand kAvailable[] = {
    C::Refresh,
    C::ExpandAll,
    C::CollapseAll,
    C::CreateNewPlayer,
    C::CreateNewHeroParty,
    C::CreateNewActionPoint,
    C::CreateNewEffectGenerator,
    C::Find,
    C::ExportToFile,
    C::EditVorlanProperties,
    C::EditVorlanAlliances,
    C::EditStartingCameraPosition,
    C::DefineBuildArea,
    C::DeleteVorlan,
    C::EditCreatureProperties,
    C::EditCreatureType,
    C::MoveCreature,
    C::DeleteCreature,
    C::ForceFirstPerson,
    C::EditDoorProperties,
    C::EditDoorType,
    C::MoveDoor,
    C::DeleteDoor,
    C::EditTrapProperties,
    C::EditTrapType,
    C::MoveTrap,
    C::DeleteTrap,
    C::EditObjectProperties,
    C::EditObjectType,
    C::MoveObject,
    C::DeleteObject,
    C::LevelAddTrigger,
    C::PlayerAddTrigger,
    C::CreatureAddTrigger,
    C::DoorAddTrigger,
    C::ObjectAddTrigger,
    C::ActionPointAddTrigger,
    C::HeroPartyAddTrigger,
    C::TriggerAddTrigger,
    C::EditTriggerProperties,
    C::DeleteTrigger,
    C::AddAction,
    C::AddCreatureAction,
    C::EditActionProperties,
    C::EditTextMessages,
    C::DeleteAction,
    C::EditActionPointProperties,
    C::MoveActionPoint,
    C::DeleteActionPoint,
    C::AddMembers,
    C::DeleteParty,
    C::EditEffectGeneratorProperties,
    C::MoveEffectGenerator,
    C::DeleteEffectGenerator,
    C::EditDungeonHeartProperties,
    C::EditPortalProperties,
    C::EditHeroGateProperties,
    C::MoveAsChild,
    C::MoveAsSibling,
    C::CopyAsChild,
    C::CopyAsSibling,
    C::ResetAllCreatureProperties,
    C::EditLevelProperties,
    C::EditLevelVariables,
};

template <size_t N> std::vector<TreeMenuEntry> entries(const TreeMenuEntry (&list)[N])
{
    return std::vector<TreeMenuEntry>(std::begin(list), std::end(list));
}

size_t partyCount(const CWorldEditorDoc& doc)
{
    size_t n = 0;
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (doc.HeroPartyAt(slot))
            ++n;
    return n;
}

bool isForcedFirstPerson(const CCreature& creature)
{
    const CPlayer* player = creature.owner();
    return player && player->forcedFirstPerson() == &creature;
}

} // namespace

bool isTreeCommandEnabled(const CWorldEditorDoc& doc, const LevelScript* script, const TreeCommandTargets& t,
                          TreeCommand command)
{
    switch (command) {
    case C::CreateNewPlayer:
        return doc.PlayerCount() < kMaxTreePlayers;
    case C::CreateNewHeroParty:
        return partyCount(doc) < size_t(kHeroPartySlots);
    case C::CreateNewActionPoint:
        return doc.actionPoints().size() < kMaxTreeActionPoints;
    case C::EditVorlanProperties:
    case C::EditStartingCameraPosition:
        return t.player && t.player->isVorlan();
    case C::EditVorlanAlliances:
        return t.player && doc.PlayerCount() > 3;
    case C::DefineBuildArea:
        return t.player && t.player->isComputer();
    case C::PlayerAddTrigger:
        return t.player != nullptr;
    case C::DeleteVorlan:
        return t.player && t.player->isVorlan() && doc.PlayerCount() > 3;
    case C::EditCreatureProperties:
    case C::EditCreatureType:
        return t.creature != nullptr;
    case C::MoveCreature:
        // A hero-party member waits off the map: there is nothing to move.
        return t.creature && !doc.PartyOf(t.creature);
    case C::DeleteCreature:
        return t.creature && t.creature->isPlaced();
    case C::CreatureAddTrigger:
        return t.creature && keepsTriggers(*t.creature);
    case C::ForceFirstPerson:
        // A forced creature that became a dead body can still be let go.
        return t.creature && (keepsTriggers(*t.creature) || isForcedFirstPerson(*t.creature));
    case C::EditDoorProperties:
    case C::EditDoorType:
    case C::DoorAddTrigger:
    case C::MoveDoor:
    case C::DeleteDoor:
        return t.door != nullptr;
    case C::EditTrapProperties:
    case C::EditTrapType:
    case C::MoveTrap:
    case C::DeleteTrap:
        return t.trap != nullptr;
    case C::EditObjectProperties:
    case C::EditObjectType:
    case C::ObjectAddTrigger:
    case C::MoveObject:
    case C::DeleteObject:
        return t.object != nullptr;
    case C::EditTriggerProperties:
    case C::TriggerAddTrigger:
    case C::AddAction:
    case C::AddCreatureAction:
    case C::DeleteTrigger:
        return t.trigger && !(script && script->isForcedFirstPersonTrigger(*t.trigger));
    case C::EditActionProperties:
    case C::DeleteAction:
        return t.action && !(script && script->isForcedFirstPersonAction(*t.action));
    case C::EditTextMessages:
        return t.action && t.action->kind() == uint8_t(ActionKind::DisplayTextString) &&
               !(script && script->isForcedFirstPersonAction(*t.action));
    case C::EditActionPointProperties:
    case C::ActionPointAddTrigger:
    case C::MoveActionPoint:
    case C::DeleteActionPoint:
        return t.actionPoint != nullptr;
    case C::AddMembers:
        return t.party && !t.party->isFull();
    case C::HeroPartyAddTrigger:
    case C::DeleteParty:
        return t.party != nullptr;
    case C::EditEffectGeneratorProperties:
    case C::MoveEffectGenerator:
    case C::DeleteEffectGenerator:
        return t.generator != nullptr;
    case C::MoveAsChild:
    case C::MoveAsSibling:
    case C::CopyAsChild:
    case C::CopyAsSibling:
        return false; // decided by the drop verdict
    default:
        return true;
    }
}

std::vector<TreeMenuEntry> emptySpaceMenu()
{
    return entries(kEmptySpaceMenu);
}
std::vector<TreeMenuEntry> dropMenu()
{
    return entries(kDropMenu);
}

std::vector<TreeMenuEntry> menuFor(TreeItemKind kind)
{
    switch (kind) {
    case K::Level:
        return entries(kLevelMenu);
    case K::Player:
        return entries(kPlayerMenu);
    case K::Creature:
        return entries(kCreatureMenu);
    case K::Door:
        return entries(kDoorMenu);
    case K::Trap:
        return entries(kTrapMenu);
    case K::Object:
        return entries(kObjectMenu);
    case K::Trigger:
        return entries(kTriggerMenu);
    case K::Action:
        return entries(kActionMenu);
    case K::ActionPoint:
        return entries(kActionPointMenu);
    case K::HeroParty:
        return entries(kHeroPartyMenu);
    case K::EffectGenerator:
        return entries(kEffectGeneratorMenu);
    }
    return {};
}

std::vector<TreeMenuEntry> specialRoomMenu(SpecialRoom room)
{
    switch (room) {
    case SpecialRoom::DungeonHeart:
        return entries(kDungeonHeartMenu);
    case SpecialRoom::Portal:
        return entries(kPortalMenu);
    case SpecialRoom::HeroGate:
        return entries(kHeroGateMenu);
    }
    return {};
}

bool isTreeCommandAvailable(TreeCommand command)
{
    return std::find(std::begin(kAvailable), std::end(kAvailable), command) != std::end(kAvailable);
}

std::vector<TreeMenuEntry> availableEntries(const std::vector<TreeMenuEntry>& menu)
{
    std::vector<TreeMenuEntry> offered;
    for (const TreeMenuEntry& e : menu)
        if (isTreeCommandAvailable(e.command))
            offered.push_back(e);
    return offered;
}

std::string treeCommandName(TreeCommand command)
{
    auto nameIn = [command](const auto& table) -> std::optional<std::string> {
        for (const TreeMenuEntry& e : table) {
            if (e.command != command)
                continue;
            std::string name;
            for (char16_t c : e.text)
                if (c != u'&')
                    name += char(c); // the menu texts are plain ASCII
            while (!name.empty() && name.back() == '.')
                name.pop_back();
            return name;
        }
        return std::nullopt;
    };
    // The level's own menu first: Refresh is "Refresh Tree" there.
    for (const auto& menu :
         {entries(kLevelMenu), entries(kPlayerMenu), entries(kCreatureMenu), entries(kDoorMenu),
          entries(kTrapMenu), entries(kObjectMenu), entries(kTriggerMenu), entries(kActionMenu),
          entries(kActionPointMenu), entries(kHeroPartyMenu), entries(kEffectGeneratorMenu),
          entries(kEmptySpaceMenu), entries(kDropMenu), entries(kDungeonHeartMenu), entries(kPortalMenu),
          entries(kHeroGateMenu)})
        if (auto name = nameIn(menu))
            return *name;
    return {};
}

TreeCommandTargets targetsOf(const ScriptTreeItem& item, CTrigger* trigger, CAction* action)
{
    TreeCommandTargets t;
    CLevelObject* o = item.object();
    switch (item.kind()) {
    case K::Player:
        t.player = static_cast<CPlayer*>(o);
        break;
    case K::Creature:
        t.creature = static_cast<CCreature*>(o);
        break;
    case K::Door:
        t.door = static_cast<CDoor*>(o);
        break;
    case K::Trap:
        t.trap = static_cast<CTrap*>(o);
        break;
    case K::Object:
        t.object = static_cast<CObjectThing*>(o);
        break;
    case K::ActionPoint:
        t.actionPoint = static_cast<CActionPoint*>(o);
        break;
    case K::HeroParty:
        t.party = static_cast<CHeroParty*>(o);
        break;
    case K::EffectGenerator:
        t.generator = static_cast<CEffectGenerator*>(o);
        break;
    default:
        break;
    }
    t.trigger = trigger;
    t.action = action;
    return t;
}

std::optional<TreeCommand> doubleClickCommandOf(TreeItemKind kind)
{
    static constexpr std::pair<K, C> kMain[] = {
        {K::Level, C::EditLevelProperties},
        {K::Player, C::EditVorlanProperties},
        {K::Creature, C::EditCreatureProperties},
        {K::Door, C::EditDoorProperties},
        {K::Trap, C::EditTrapProperties},
        {K::Object, C::EditObjectProperties},
        {K::ActionPoint, C::EditActionPointProperties},
        {K::EffectGenerator, C::EditEffectGeneratorProperties},
        {K::Trigger, C::EditTriggerProperties},
        {K::Action, C::EditActionProperties},
        {K::HeroParty, C::AddMembers},
    };
    for (const auto& [k, command] : kMain)
        if (k == kind)
            return command;
    return std::nullopt;
}

std::optional<TreeCommand> deleteCommandOf(TreeItemKind kind)
{
    static constexpr std::pair<K, C> kDelete[] = {
        {K::Player, C::DeleteVorlan},
        {K::Creature, C::DeleteCreature},
        {K::Door, C::DeleteDoor},
        {K::Trap, C::DeleteTrap},
        {K::Object, C::DeleteObject},
        {K::Trigger, C::DeleteTrigger},
        {K::ActionPoint, C::DeleteActionPoint},
        {K::HeroParty, C::DeleteParty},
        {K::EffectGenerator, C::DeleteEffectGenerator},
        {K::Action, C::DeleteAction},
    };
    for (const auto& [k, command] : kDelete)
        if (k == kind)
            return command;
    return std::nullopt;
}

} // namespace gr2
