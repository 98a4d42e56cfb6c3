#include "script/ActionPageLists.h"

#include "level/CActionPoint.h"
#include "level/CHeroParty.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelIds.h"
#include "level/TextConversion.h"
#include "script/CreatureObjective.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptUsage.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace gr2 {

namespace {

/// The creature type no list of the script offers.
constexpr uint16_t kHiddenCreatureType = 46;

bool isOneOf(uint32_t id, std::initializer_list<uint32_t> ids)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

/// Rooms on these floors are no room a script may name.
bool hasExcludedFloor(const CRoomType& room)
{
    return isOneOf(room.floorTerrainId(), {29, 34, 39, 41});
}

std::u16string numbered(std::u16string_view prefix, unsigned n)
{
    return std::u16string(prefix) + latin1ToUtf16(std::to_string(n));
}

TriggerChoiceList players(const CWorldEditorDoc& doc, uint8_t lowestId)
{
    TriggerChoiceList list;
    for (size_t i = 0; i < doc.PlayerCount(); ++i)
        if (const CPlayer* p = doc.PlayerAt(i); p && p->id() >= lowestId)
            list.push_back({p->id(), latin1ToUtf16(p->name())});
    return list;
}

TriggerChoiceList categories(std::initializer_list<ButtonCategory> which)
{
    const TriggerChoiceList all = TriggerLists::buttonCategories();
    TriggerChoiceList list;
    for (ButtonCategory c : which)
        if (const auto at = triggerChoiceIndex(all, uint32_t(c)))
            list.push_back(all[*at]);
    return list;
}

} // namespace

namespace ActionLists {

TriggerChoiceList vorlanPlayers(const CWorldEditorDoc& doc)
{
    return players(doc, PlayerId::FirstVorlan);
}

TriggerChoiceList allPlayers(const CWorldEditorDoc& doc)
{
    return players(doc, 0);
}

TriggerChoiceList actionPoints(const CWorldEditorDoc& doc)
{
    TriggerChoiceList list;
    for (const auto& point : doc.actionPoints())
        if (point)
            list.push_back({point->id(), numbered(u"Action Point ", point->id())});
    return list;
}

TriggerChoiceList heroParties(const CWorldEditorDoc& doc)
{
    TriggerChoiceList list;
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (const CHeroParty* party = doc.HeroPartyAt(slot))
            list.push_back({party->id(), numbered(u"Hero Party ", unsigned(party->id()) + 1)});
    return list;
}

TriggerChoiceList roomTypes(const CTypeDatabase& db, Rooms which)
{
    return TriggerLists::typesOf(db.rooms(), {}, [which](const CTypeRecord& r) {
        const auto& room = static_cast<const CRoomType&>(r);
        if (hasExcludedFloor(room))
            return false;
        switch (which) {
        case Rooms::All:
            return true;
        case Rooms::Buildable:
            return room.isBuildable();
        case Rooms::NotGood:
            return !room.hasFlag(RoomTypeFlag::IsGood);
        }
        return false;
    });
}

TriggerChoiceList terrainTypes(const CTypeDatabase& db)
{
    return TriggerLists::typesOf(db.terrains(), {}, [](const CTypeRecord& r) {
        return !isOneOf(r.id(), {27, 29, 30, 34, 38, 39, 41});
    });
}

TriggerChoiceList creatureTypes(const CTypeDatabase& db)
{
    return TriggerLists::typesOf(db.creatures(), {},
                                 [](const CTypeRecord& r) { return r.id() != kHiddenCreatureType; });
}

TriggerChoiceList objectives(bool withActionPoints)
{
    namespace CO = CreatureObjective;
    TriggerChoiceList list;
    for (uint8_t code :
         {CO::DestroyRooms, CO::DestroyWalls, CO::StealGold, CO::StealSpells, CO::StealManufactureCrates,
          CO::KillCreatures, CO::KillPlayer, CO::Wait, CO::SendToActionPoint, CO::JailBreak}) {
        if (code == CO::SendToActionPoint && !withActionPoints)
            continue;
        list.push_back({code, std::u16string(creatureObjectiveName(code))});
    }
    return list;
}

TriggerChoiceList flagTargets()
{
    TriggerChoiceList list;
    for (unsigned i = 0; i < unsigned(ScriptFlagIndex::kCount); ++i)
        list.push_back({i, numbered(u"Flag ", i + 1)});
    list.push_back({ScriptFlagIndex::LevelScore, u"Level Score"});
    return list;
}

TriggerChoiceList usedFlags(const ScriptUsage& usage)
{
    TriggerChoiceList list;
    for (unsigned i = 0; i < unsigned(ScriptFlagIndex::kCount); ++i)
        if (usage.isFlagUsed(uint8_t(i)))
            list.push_back({i, numbered(u"Flag ", i + 1)});
    return list;
}

TriggerChoiceList timerTargets()
{
    TriggerChoiceList list;
    for (unsigned i = 0; i < unsigned(ScriptTimerIndex::kCount); ++i)
        list.push_back({i, numbered(u"Timer ", i + 1)});
    list.push_back({ScriptTimerIndex::TimeLimit, u"Time Limit"});
    return list;
}

TriggerChoiceList availabilityCategories()
{
    return categories(
        {ButtonCategory::Room, ButtonCategory::Door, ButtonCategory::Trap, ButtonCategory::VorlanSpell});
}

TriggerChoiceList availabilityItems(const CTypeDatabase& db, ButtonCategory category)
{
    if (category == ButtonCategory::Room)
        return roomTypes(db, Rooms::All);
    if (category == ButtonCategory::Misc || category == ButtonCategory::Creature)
        return {};
    return TriggerLists::buttons(db, category);
}

TriggerChoiceList flashCategories()
{
    return categories({ButtonCategory::Misc, ButtonCategory::Room, ButtonCategory::Door, ButtonCategory::Trap,
                       ButtonCategory::VorlanSpell});
}

TriggerChoiceList flashButtons(const CTypeDatabase& db, ButtonCategory category)
{
    if (category == ButtonCategory::Room)
        return roomTypes(db, Rooms::NotGood);
    if (category == ButtonCategory::Creature)
        return {};
    return TriggerLists::buttons(db, category);
}

} // namespace ActionLists

} // namespace gr2
