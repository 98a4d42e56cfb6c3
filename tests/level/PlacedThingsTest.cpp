#include "level/CWorldEditorDoc.h"
#include "level/LevelSink.h"
#include "level/ThingRecords.h"
#include "support/LevelBuilder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using namespace test::TestCreature;

std::unique_ptr<CHeroParty> partyWithMember(CWorldEditorDoc& doc, uint8_t id)
{
    auto party = std::make_unique<CHeroParty>(&doc, id);
    auto m = std::make_unique<CCreature>(&doc, Knight);
    party->addMember(m);
    return party;
}

TEST(HeroPartyTest, SlotRules)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    CHeroParty* byId = doc.AddHeroParty(partyWithMember(doc, 3));
    ASSERT_TRUE(byId);
    EXPECT_EQ(doc.HeroPartyAt(3), byId);
    EXPECT_EQ(byId->name(), "Hero Party 4");

    struct Case {
        uint8_t id;
        size_t slot;
    };
    // No id, an id beyond the table and an id whose slot is taken all take the lowest free slot.
    const Case cases[] = {{kNoParty, 0}, {24, 1}, {200, 2}, {3, 4}};
    for (const Case& c : cases) {
        CHeroParty* p = doc.AddHeroParty(partyWithMember(doc, c.id));
        ASSERT_TRUE(p) << int(c.id);
        EXPECT_EQ(p->id(), c.slot);
        EXPECT_EQ(doc.HeroPartyAt(c.slot), p);
        EXPECT_EQ(p->member(0)->partyId(), c.slot) << "members follow the party's id";
    }
    EXPECT_EQ(doc.HeroPartyAt(3), byId);
    for (int i = 0; i < 19; ++i)
        ASSERT_TRUE(doc.AddHeroParty(partyWithMember(doc, kNoParty)));
    EXPECT_FALSE(doc.AddHeroParty(partyWithMember(doc, kNoParty))) << "all 24 slots taken";
    EXPECT_FALSE(doc.HeroPartyAt(24));
}

TEST(HeroPartyTest, SixteenMembersAtMost)
{
    CHeroParty party(nullptr, 0);
    for (int i = 0; i < kHeroPartyMembers; ++i) {
        auto m = std::make_unique<CCreature>(nullptr, Imp);
        EXPECT_EQ(party.addMember(m), i);
    }
    auto extra = std::make_unique<CCreature>(nullptr, Imp);
    EXPECT_EQ(party.addMember(extra), -1);
    EXPECT_TRUE(extra) << "a refused member is handed back";
}

TEST(HeroPartyTest, DeletingAMemberEmptiesItsSlotOnly)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    CHeroParty* party = doc.AddHeroParty(partyWithMember(doc, 0));
    auto second = std::make_unique<CCreature>(&doc, Imp);
    CCreature* member = second.get();
    party->addMember(second);
    CCreature* onMap = doc.CreateCreature(Imp, 1, {2, 2}, true);
    onMap->setPartyId(0); // a stray party id does not make a creature a member
    doc.DeleteCreature(onMap, true);
    EXPECT_TRUE(doc.creatures().empty());
    EXPECT_EQ(party->memberCount(), 2);
    doc.DeleteCreature(member, true);
    EXPECT_EQ(party->memberCount(), 1);
    EXPECT_FALSE(party->member(1));
}

TEST(HeroPartyTest, BuildingAPartyAddsItOnlyWithMembers)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    doc.BeginNewHeroParty();
    EXPECT_FALSE(doc.FinishHeroPartyBuild());
    doc.BeginNewHeroParty();
    ASSERT_TRUE(doc.AddPickedMember(Knight));
    EXPECT_EQ(doc.heroPartyBeingBuilt()->member(0)->ownerId(), PlayerId::Good);
    CHeroParty* party = doc.FinishHeroPartyBuild();
    ASSERT_TRUE(party);
    EXPECT_EQ(doc.HeroPartyAt(0), party);
    EXPECT_FALSE(doc.heroPartyBeingBuilt());
    EXPECT_FALSE(doc.AddPickedMember(Knight)) << "no picking outside the mode";
}

TEST(PlacedThingsTest, CreationIsRefusedOutsideTheMap)
{
    LevelBuilder b(6, 6);
    CWorldEditorDoc& doc = b.doc();
    for (TilePoint p : {TilePoint{-1, 2}, TilePoint{6, 2}, TilePoint{2, 6}}) {
        EXPECT_FALSE(doc.CreateCreature(Imp, 3, p, true));
        EXPECT_FALSE(doc.CreateDoor(1, 3, p));
        EXPECT_FALSE(doc.CreateTrap(1, 3, p));
        EXPECT_FALSE(doc.CreateObjectThing(1, p));
        EXPECT_FALSE(doc.AddEffectGenerator(p));
    }
}

TEST(PlacedThingsTest, ObjectCreationRules)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    doc.StoreTile({3, 3}, test::TestTerrain::Treasury, 3);
    CObjectThing* onTreasury = doc.CreateObjectThing(test::TestObject::SmallGold, {3, 3});
    EXPECT_EQ(onTreasury->type(), test::TestObject::Gold);
    EXPECT_EQ(onTreasury->data2(), 50);
    EXPECT_EQ(onTreasury->ownerId(), PlayerId::Neutral);
    EXPECT_EQ(doc.CreateObjectThing(130, {4, 4})->ownerId(), 3);
    EXPECT_EQ(doc.CreateObjectThing(test::TestObject::Plain, {5, 5})->data2(), 0);
    EXPECT_EQ(doc.CreateTrap(1, 3, {6, 6})->shots(), 5) << "shots from the trap type";
}

TEST(PlacedThingsTest, ObjectDataFollowsTheClass)
{
    using namespace test::TestObject;
    struct Case {
        uint8_t type;
        uint8_t spellKept, data1Kept;
        int32_t data2Kept;
    };
    const Case cases[] = {
        {SpellBook, 9, 9, 0}, {Crate, 0, 0, 0}, {Gold, 0, 0, 77}, {Special, 0, 0, 77}, {Plain, 0, 0, 0},
    };
    LevelBuilder b;
    for (const Case& c : cases) {
        CObjectThing* o = b.doc().CreateObjectThing(c.type, {2, 2});
        o->setSpell(9);
        EXPECT_EQ(o->data1(), c.spellKept) << int(c.type);
        o->setData1(9);
        EXPECT_EQ(o->data1(), c.data1Kept) << int(c.type);
        o->setData2(77);
        EXPECT_EQ(o->data2(), c.data2Kept) << int(c.type);
    }
    CObjectThing* crate = b.doc().CreateObjectThing(Crate, {3, 3});
    crate->setData1(4);
    EXPECT_EQ(crate->storedData1(), 4) << "a crate keeps the value the dialog sets";
}

TEST(PlacedThingsTest, TwoCreaturesOnATileAreKeptAndTheFirstIsFound)
{
    LevelBuilder b;
    CCreature* first = b.doc().CreateCreature(Imp, 2, {4, 4}, true);
    b.doc().CreateCreature(Knight, 2, {4, 4}, true);
    EXPECT_EQ(b.doc().creatures().size(), 2u);
    EXPECT_EQ(b.doc().CreatureAt({4, 4}), first);
}

TEST(PlacedThingsTest, ActionPointIdsAndWaypointRelinking)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    for (int i = 1; i <= 80; ++i)
        ASSERT_EQ(doc.AddActionPoint({1, 1, 1, 1})->id(), i);
    EXPECT_FALSE(doc.AddActionPoint({1, 1, 1, 1})) << "an 81st point would have id 0";
    EXPECT_EQ(doc.FindActionPoint(5)->name(), "Action Point 5");
    doc.FindActionPoint(3)->setNextWaypoint(5);
    doc.FindActionPoint(5)->setNextWaypoint(7);
    doc.DeleteActionPoint(doc.FindActionPoint(5), true);
    EXPECT_EQ(doc.FindActionPoint(3)->nextWaypoint(), 7);
    EXPECT_EQ(doc.AddActionPoint({2, 2, 2, 2})->id(), 5) << "the lowest free id is reused";
}

TEST(PlacedThingsTest, EffectGeneratorExtentsStayOnTheMap)
{
    LevelBuilder b(10, 8);
    struct Case {
        TilePoint at;
        uint16_t w, h;
        uint16_t expectW, expectH;
    };
    const Case cases[] = {
        {{2, 2}, 3, 3, 3, 3},
        {{2, 2}, 50, 50, 7, 5},
        {{9, 7}, 5, 5, 0, 0},
        {{8, 6}, 1, 4, 1, 1},
    };
    for (const Case& c : cases) {
        CEffectGenerator* g = b.doc().AddEffectGenerator(c.at);
        ASSERT_TRUE(g);
        g->setExtent(c.w, c.h);
        g->clampExtent(b.doc().width(), b.doc().height());
        EXPECT_EQ(g->width(), c.expectW) << c.at.x;
        EXPECT_EQ(g->height(), c.expectH) << c.at.y;
    }
}

TEST(PlacedThingsTest, EffectGeneratorIdsStopAt255)
{
    LevelBuilder b;
    for (int i = 1; i <= 255; ++i)
        ASSERT_EQ(b.doc().AddEffectGenerator({2, 2})->id(), i);
    EXPECT_FALSE(b.doc().AddEffectGenerator({2, 2}));
    EXPECT_EQ(b.doc().FindEffectGenerator(0), nullptr);
}

TEST(PlacedThingsTest, ResetPropertiesByMask)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    auto dirty = [&](CCreature& c) {
        c.setHealth(20);
        c.setGoldHeld(30);
        c.setObjective(5);
        c.setObjectiveValue(1);
        c.setObjectiveTarget(2);
        c.setFlag2(CreatureFlag2::DestroyRooms, false);
        c.setExtraValue(9);
        c.setLevel(8);
    };
    CCreature* c = doc.CreateCreature(Imp, 3, {2, 2}, true);
    dirty(*c);
    doc.ResetProperties(c, ResetMask::Health | ResetMask::Level);
    EXPECT_EQ(c->health(), 100);
    EXPECT_EQ(c->level(), 1);
    EXPECT_EQ(c->goldHeld(), 30);
    doc.ResetProperties(c, ResetMask::Objective);
    EXPECT_EQ(c->objective(), 19);
    EXPECT_EQ(c->objectiveValue(), 3);
    EXPECT_EQ(c->objectiveTarget(), 0);
    EXPECT_TRUE(c->hasFlag2(CreatureFlag2::DestroyRooms));
    EXPECT_EQ(c->extraValue(), 9);

    CHeroParty* party = doc.AddHeroParty(partyWithMember(doc, 0));
    dirty(*c);
    dirty(*party->member(0));
    doc.ResetAllCreatureProperties(ResetMask::All);
    for (CCreature* x : {c, party->member(0)}) {
        EXPECT_EQ(x->health(), 100);
        EXPECT_EQ(x->goldHeld(), 0);
        EXPECT_EQ(x->extraValue(), 0);
        EXPECT_EQ(x->level(), 1);
    }
}

TEST(PlacedThingsTest, PortalAndGateOwnersChangeWithTheirEntries)
{
    LevelBuilder b(20, 20);
    b.playersUpTo(4);
    CWorldEditorDoc& doc = b.doc();
    b.portal(3, {5, 5});
    doc.SetPortalOwner({6, 6}, 4);
    for (int32_t y = 4; y <= 6; ++y)
        for (int32_t x = 4; x <= 6; ++x)
            EXPECT_EQ(doc.GetOwner({x, y}), 4);
    EXPECT_TRUE(doc.FindPlayer(3)->portals().empty());
    ASSERT_EQ(doc.FindPlayer(4)->portals().size(), 1u);
    EXPECT_EQ(doc.FindPortal({4, 4}).player, doc.FindPlayer(4));

    b.gate(PlayerId::Good, {10, 10}, TerrainId::HeroGateSmall, 0); // tiles 9..11 of row 10
    doc.SetHeroGateOwner({9, 10}, 3);
    EXPECT_EQ(doc.GetOwner({9, 10}), 3);
    EXPECT_EQ(doc.GetOwner({11, 10}), 3);
    EXPECT_EQ(doc.GetOwner({10, 11}), PlayerId::Neutral) << "tiles outside the gate keep their owner";
}

TEST(PlacedThingsTest, PreviewCreaturesArePickedAndDroppedWithoutAScript)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    doc.BeginCreatureActionPicking(-3);
    CCreature* c = doc.CreateCreature(Imp, 3, {2, 2}, true);
    EXPECT_FALSE(c->isPlaced());
    EXPECT_EQ(doc.pickedCreatures().size(), 1u);
    doc.FinishCreatureActionPicking(false);
    EXPECT_TRUE(doc.creatures().empty()) << "no script can take them, so they are not kept";
    EXPECT_FALSE(doc.isPickingCreaturesForAction());
}

} // namespace
} // namespace gr2
