#include "level/AllianceSet.h"
#include "level/CWorldEditorDoc.h"
#include "level/DocumentObserver.h"
#include "level/ScriptHooks.h"
#include "support/LevelBuilder.h"

#include <gtest/gtest.h>

#include <set>

namespace gr2 {
namespace {

using test::LevelBuilder;

TEST(PlayerTest, NewPlayerAfterDeletingPlayerFourTakesIdAndColourFour)
{
    LevelBuilder b;
    b.playersUpTo(5);
    CWorldEditorDoc& doc = b.doc();
    ASSERT_EQ(doc.PlayerCount(), 5u);
    doc.DeletePlayer(doc.FindPlayer(4));
    CPlayer* p = doc.CreateNewPlayer();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->id(), 4);
    EXPECT_EQ(p->colour(), (Rgb{0, 25, 160}));
    EXPECT_EQ(p->name(), "Vorlan 2");
    EXPECT_EQ(p->startingGold(), 3000);
    EXPECT_EQ(p->heartHealth(), 100);
    EXPECT_EQ(doc.PlayerAt(4), p) << "appended in creation order";
}

TEST(PlayerTest, DefaultsFollowTheId)
{
    EXPECT_EQ(CPlayer::defaultName(1), "Good Player");
    EXPECT_EQ(CPlayer::defaultName(2), "Neutral Player");
    EXPECT_EQ(CPlayer::defaultName(7), "Vorlan 5");
    EXPECT_EQ(CPlayer::defaultColour(1), (Rgb{154, 171, 181}));
    EXPECT_EQ(CPlayer::defaultColour(6), (Rgb{157, 160, 0}));
    std::set<std::tuple<int, int, int>> seen;
    for (int id = 1; id <= 12; ++id) {
        Rgb c = CPlayer::defaultColour(uint8_t(id));
        seen.insert({c.r, c.g, c.b});
    }
    EXPECT_EQ(seen.size(), 12u) << "ids above 6 get colours of their own";
}

TEST(PlayerTest, NewPlayersStartWithPoolAndAvailabilityFromTheTypes)
{
    LevelBuilder b;
    const CPlayer& p = *b.doc().FindPlayer(3);
    ASSERT_EQ(p.creaturePool().size(), 3u) << "elite variants are not offered";
    EXPECT_EQ(p.creaturePool()[0].count, 0);
    EXPECT_EQ(p.availability(AvailabilityKind::Doors).size(), 2u);
    EXPECT_EQ(p.availabilityState(AvailabilityKind::Rooms, 99), 1u) << "a missing type counts as state 1";
}

TEST(PlayerTest, CreatePlayerRefusesTakenAndZeroIds)
{
    LevelBuilder b;
    EXPECT_FALSE(b.doc().CreatePlayer("x", 3));
    EXPECT_FALSE(b.doc().CreatePlayer("x", 0));
    EXPECT_TRUE(b.doc().CreatePlayer("Seven", 7));
    EXPECT_EQ(b.doc().lowestFreePlayerId(), 4);
}

struct ChainRecorder : ScriptHooks {
    std::vector<CLevelObject*> deleted;
    void deleteTriggerChain(CLevelObject& o) override
    {
        deleted.push_back(&o);
        o.setFirstTrigger(0);
    }
    int16_t lastTriggerOfChain(int16_t first) const override { return int16_t(first + 10); }
    void sourceCreatureMoved(int16_t, TilePoint) override {}
    bool createCreatureActions(int16_t, std::span<CCreature* const>) override { return false; }
};

TEST(PlayerTest, DeletingAPlayerRemovesItsThingsTriggersAlliancesAndHeart)
{
    LevelBuilder b;
    b.playersUpTo(4);
    CWorldEditorDoc& doc = b.doc();
    ChainRecorder hooks;
    doc.setScriptHooks(&hooks);
    CPlayer* victim = doc.FindPlayer(4);
    victim->setFirstTrigger(7);
    b.heart(4, {5, 5});
    CCreature* own = doc.CreateCreature(1, 4, {2, 2}, true);
    own->setFirstTrigger(3);
    doc.CreateDoor(1, 4, {3, 2});
    doc.CreateTrap(1, 4, {4, 2});
    CCreature* other = doc.CreateCreature(1, 3, {2, 3}, true);
    doc.AddAlliance(3, 4);
    doc.AddAlliance(1, 3);

    doc.DeletePlayer(victim);
    EXPECT_FALSE(doc.FindPlayer(4));
    ASSERT_EQ(doc.creatures().size(), 1u);
    EXPECT_EQ(doc.creatures()[0].get(), other);
    EXPECT_TRUE(doc.doors().empty());
    EXPECT_TRUE(doc.traps().empty());
    EXPECT_EQ(hooks.deleted.size(), 2u) << "the creature's chain and the player's chain";
    EXPECT_FALSE(doc.IsAllied(3, 4));
    EXPECT_TRUE(doc.IsAllied(1, 3));
    EXPECT_EQ(doc.GetTerrain({5, 5}), test::TestTerrain::Claimed);
    EXPECT_EQ(doc.GetOwner({5, 5}), 4) << "tiles keep the player's id";
}

TEST(PlayerTest, ObjectsKeepOwnerIdsNotPointers)
{
    LevelBuilder b;
    b.playersUpTo(4);
    CWorldEditorDoc& doc = b.doc();
    CCreature* preview = doc.CreateCreature(1, 4, {2, 2}, false);
    preview->setPlaced(false); // not deleted with the player: only placed things are
    doc.DeletePlayer(doc.FindPlayer(4));
    ASSERT_EQ(doc.creatures().size(), 1u);
    EXPECT_EQ(preview->owner(), nullptr);
    EXPECT_EQ(preview->lastTrigger(), 0);
}

TEST(PlayerTest, LastTriggerFollowsTheScriptChain)
{
    LevelBuilder b;
    ChainRecorder hooks;
    CCreature* c = b.doc().CreateCreature(1, 3, {2, 2}, true);
    c->setFirstTrigger(5);
    EXPECT_EQ(c->lastTrigger(), 5) << "without a script the chain is its first link";
    b.doc().setScriptHooks(&hooks);
    EXPECT_EQ(c->lastTrigger(), 15);
}

TEST(AllianceTest, PairsAreUnorderedAndUnique)
{
    AllianceSet set;
    EXPECT_TRUE(set.add(4, 3));
    EXPECT_FALSE(set.add(3, 4));
    EXPECT_FALSE(set.add(3, 3));
    EXPECT_EQ(set.size(), 1u);
    EXPECT_TRUE(set.contains(3, 4));
    EXPECT_TRUE(set.add(5, 3));
    set.removeAllOf(3);
    EXPECT_EQ(set.size(), 0u);
    EXPECT_FALSE(set.remove(3, 4));
}

TEST(AllianceTest, DocumentMarksModifiedOnlyOnChange)
{
    LevelBuilder b;
    b.doc().SetModifiedFlag(false);
    EXPECT_FALSE(b.doc().AddAlliance(3, 3));
    EXPECT_FALSE(b.doc().isModified());
    EXPECT_TRUE(b.doc().AddAlliance(3, 1));
    EXPECT_TRUE(b.doc().isModified());
}

} // namespace
} // namespace gr2
