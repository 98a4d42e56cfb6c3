// What a save derives from the level: availability marks and the creature types the level uses.

#include "document/LevelSaveRules.h"
#include "script/LevelScript.h"
#include "support/LevelFileFixture.h"

#include <gmock/gmock.h>

namespace gr2 {
namespace {

using ::testing::ElementsAre;

class LevelSaveRulesTest : public test::LevelFileFixture {
protected:
    LevelSaveRulesTest()
    {
        level = newDocument();
        doc().NewLevel({"Rules", 16, 16, 2, PlayerId::Neutral});
        doc().CreateNewPlayer(); // Vorlan 2, id 4
    }
    CWorldEditorDoc& doc() { return level->doc(); }
    CPlayer& player(uint8_t id) { return *doc().FindPlayer(id); }
    CAction& action(int16_t id, ActionKind kind, std::array<uint8_t, 4> a)
    {
        LevelScript& script = level->script();
        auto made = script.makeAction();
        made->setId(id);
        made->setKind(uint8_t(kind));
        made->parameters().a = a;
        return *script.addLoadedAction(std::move(made));
    }
    uint32_t state(uint8_t id, AvailabilityKind kind, uint8_t type)
    {
        return player(id).availabilityState(kind, type);
    }

    std::unique_ptr<LevelDocument> level;
};

TEST_F(LevelSaveRulesTest, AvailabilityMarking)
{
    using K = AvailabilityKind;
    player(3).setAvailabilityState(K::Rooms, 17, 4);       // an old mark goes back to 1
    player(3).setAvailabilityState(K::VorlanSpells, 2, 4); // only rooms and creatures are reset
    player(4).setAvailabilityState(K::Rooms, 26, 0);       // the other Vorlan lacks it
    player(4).setAvailabilityState(K::Creatures, 4, 2);
    doc().StoreTile({5, 5}, TerrainId::Treasury, 3);     // a room floor on the map
    doc().StoreTile({6, 6}, TerrainId::DungeonHeart, 3); // a room no list holds
    doc().CreateCreature(5, 3, {7, 7}, false);
    action(-1, ActionKind::CreateCreature, {8, 3, 1, 0});
    action(-2, ActionKind::SetAvailability, {3, 3, 3, 1}); // a door: marks the trap list
    action(-3, ActionKind::SetAvailability, {3, 4, 1, 1}); // a trap: marks the door list
    action(-4, ActionKind::SetAvailability, {3, 4, 5, 0}); // makes unavailable: no mark

    LevelSaveRules::markAvailability(doc(), app.types());

    EXPECT_EQ(state(3, K::Rooms, 17), 1u);
    EXPECT_EQ(state(3, K::VorlanSpells, 2), 4u);
    EXPECT_EQ(state(3, K::Rooms, 26), 4u);
    EXPECT_EQ(state(4, K::Rooms, 26), 0u);
    EXPECT_EQ(state(3, K::Creatures, 4), 4u);
    EXPECT_EQ(state(3, K::Rooms, 10), 4u);
    EXPECT_EQ(state(4, K::Rooms, 10), 4u);
    EXPECT_EQ(state(3, K::Creatures, 5), 4u);
    EXPECT_EQ(state(4, K::Creatures, 8), 4u);
    EXPECT_EQ(state(3, K::Traps, 3), 4u);
    EXPECT_EQ(state(3, K::Doors, 3), 1u);
    EXPECT_EQ(state(3, K::Doors, 1), 4u);
    EXPECT_EQ(state(3, K::Traps, 1), 1u);
    EXPECT_EQ(state(3, K::Doors, 5), 1u);
    EXPECT_EQ(state(4, K::Traps, 3), 1u); // the action named player 3
    // Entries are changed, never added.
    for (const AvailabilityEntry& e : player(3).availability(K::Rooms))
        EXPECT_NE(e.type, TerrainId::DungeonHeart);

    // Marked states are written and read back as 1 by the next open; a second marking is stable.
    LevelSaveRules::markAvailability(doc(), app.types());
    EXPECT_EQ(state(3, K::Rooms, 17), 1u);
    EXPECT_EQ(state(3, K::Creatures, 5), 4u);
}

TEST_F(LevelSaveRulesTest, UsedCreatureTypesInFirstUseOrder)
{
    CCreatureType& byTreasury = *app.types().creatures().findById(4);
    byTreasury.setIntValue(CreatureField::Attraction1Kind, 1);
    byTreasury.setIntValue(CreatureField::Attraction1Value, TerrainId::Treasury);
    CCreatureType& byLair = *app.types().creatures().findById(1);
    byLair.setIntValue(CreatureField::Attraction2Kind, 1);
    byLair.setIntValue(CreatureField::Attraction2Value, 17 | 5 << 16);

    doc().CreateCreature(3, 3, {7, 7}, false);
    doc().CreateCreature(3, 4, {8, 7}, false);
    player(3).setPoolCount(2, 3);
    player(4).setPoolCount(3, 1);
    action(-1, ActionKind::CreateCreature, {5, 3, 1, 0});
    auto party = std::make_unique<CHeroParty>(&doc());
    auto member = std::make_unique<CCreature>(&doc(), uint8_t(7));
    member->setPlaced(false);
    party->addMember(member);
    doc().AddHeroParty(std::move(party));
    doc().StoreTile({5, 5}, TerrainId::Treasury, 3);
    player(4).setAvailabilityState(AvailabilityKind::Rooms, 17, 0);

    EXPECT_THAT(LevelSaveRules::usedCreatureTypes(doc(), app.types()), ElementsAre(3u, 2u, 5u, 7u, 4u, 1u));
    EXPECT_THAT(LevelSaveRules::creaturesAttractedBy(app.types(), TerrainId::Treasury), ElementsAre(4));
    EXPECT_EQ(LevelSaveRules::roomOfTerrain(app.types(), TerrainId::Treasury), TerrainId::Treasury);
    EXPECT_EQ(LevelSaveRules::roomOfTerrain(app.types(), 3), 0);
}

} // namespace
} // namespace gr2
