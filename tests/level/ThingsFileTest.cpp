#include "level/CWorldEditorDoc.h"
#include "level/LevelRecords.h"
#include "level/LevelSink.h"
#include "level/ThingRecords.h"
#include "support/LevelBuilder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using namespace test::TestCreature;

/// Hands Things file items to a level the way the reader would.
void feed(LevelSink& sink, const std::vector<ThingItem>& items)
{
    for (const ThingItem& item : items) {
        FlaggedRecord r(item.record);
        bool ok = true;
        switch (ThingKind(item.kind)) {
        case ThingKind::CreatureGood:
            ok = sink.creatureGood(r);
            break;
        case ThingKind::CreatureNeutral:
            ok = sink.creatureNeutral(r);
            break;
        case ThingKind::CreatureEvil:
            ok = sink.creatureEvil(r);
            break;
        case ThingKind::Door:
            ok = sink.door(r);
            break;
        case ThingKind::Trap:
            ok = sink.trap(r);
            break;
        case ThingKind::Object:
            ok = sink.object(r);
            break;
        case ThingKind::ActionPoint:
            ok = sink.actionPoint(r);
            break;
        case ThingKind::HeroParty:
            ok = sink.heroParty(r);
            break;
        case ThingKind::DeadBody:
            ok = sink.deadBody(r);
            break;
        case ThingKind::EffectGenerator:
            ok = sink.effectGenerator(r);
            break;
        case ThingKind::Room:
            ok = sink.room(r);
            break;
        default:
            ok = sink.keptThing(item.kind, item.record);
            break;
        }
        ASSERT_TRUE(ok) << item.kind;
    }
}

/// A level with one of everything the Things file holds.
void populate(LevelBuilder& b)
{
    CWorldEditorDoc& doc = b.doc();
    b.playersUpTo(3);
    CCreature* evil = doc.CreateCreature(Warlock, 3, {2, 2}, true);
    evil->setElite(true);
    evil->setExtraValue(-42);
    evil->setLevel(7);
    evil->setHealth(55);
    evil->setGoldHeld(12);
    evil->setFirstTrigger(9);
    CCreature* good = doc.CreateCreature(Knight, 1, {3, 2}, true);
    good->setObjective(4);
    good->setObjectiveValue(6);
    good->setObjectiveTarget(2);
    good->setBehaviour(3);
    good->setFlags2(CreatureFlag2::IAmATool | CreatureFlag2::IAmAMercenary);
    CCreature* neutral = doc.CreateCreature(Imp, 2, {4, 2}, true);
    neutral->setBehaviour(1);
    neutral->setFlags1(CreatureFlag1::ActAsDropped);

    CDoor* door = doc.CreateDoor(2, 3, {5, 2});
    door->setLocked(true);
    door->setBlueprint(true);
    door->setFirstTrigger(4);
    doc.CreateTrap(1, 3, {6, 2})->setShots(3);
    doc.CreateObjectThing(test::TestObject::SpellBook, {7, 2})->setSpell(11);
    doc.CreateObjectThing(test::TestObject::Gold, {8, 2})->setData2(750);

    CActionPoint* a1 = doc.AddActionPoint({1, 1, 3, 4});
    a1->setWaitDelay(100);
    a1->setFlags(ActionPointFlag::RevealThroughFog);
    CActionPoint* a2 = doc.AddActionPoint({5, 5, 5, 5});
    a2->setNextWaypoint(a1->id());

    auto party = std::make_unique<CHeroParty>(&doc, 5);
    party->setFirstTrigger(12);
    for (uint8_t type : {Knight, Imp}) {
        auto m = std::make_unique<CCreature>(&doc, type);
        m->setOwnerById(PlayerId::Good);
        m->setPlaced(false);
        m->setFlag1(CreatureFlag1::Leader, type == Knight);
        party->addMember(m);
    }
    doc.AddHeroParty(std::move(party));

    CCreature* body = doc.CreateCreature(Imp, 2, {9, 2}, true);
    body->setDeadBody(true);
    body->setHealth(10);
    body->setLevel(4);

    CEffectGenerator* g = doc.AddEffectGenerator({2, 7});
    g->setExtent(3, 2);
    g->setEffect(0, 300);
    g->setEffect(3, 4);
    g->setFrequency(9);

    b.heart(3, {5, 14});
    b.portal(3, {2, 12})->health = 40;
    b.gate(PlayerId::Good, {12, 12}, TerrainId::HeroGate, 0);
    b.gate(PlayerId::Good, {15, 6}, TerrainId::HeroGateLarge, 1);
    b.gate(PlayerId::Good, {15, 12}, TerrainId::HeroGateSmall, 4);

    const uint8_t camera[84] = {1, 2, 3};
    doc.keepThingItem(uint32_t(ThingKind::Camera), camera);
    const uint8_t unknown[5] = {9, 8, 7, 6, 5};
    doc.keepThingItem(250, unknown);
}

/// A second level with the same map and players, ready to read the first one's things.
std::unique_ptr<LevelBuilder> sameMap(LevelBuilder& from)
{
    auto to = std::make_unique<LevelBuilder>(from.doc().width(), from.doc().height());
    to->playersUpTo(3);
    for (int32_t y = 0; y < int32_t(from.doc().height()); ++y)
        for (int32_t x = 0; x < int32_t(from.doc().width()); ++x)
            to->doc().StoreTile({x, y}, from.doc().GetTerrain({x, y}), from.doc().GetOwner({x, y}));
    return to;
}

TEST(ThingsFileTest, EveryRecordRoundTrips)
{
    LevelBuilder b(20, 20);
    populate(b);
    std::vector<ThingItem> first = LevelRecords::collectThingItems(b.doc());

    auto copy = sameMap(b);
    test::ScriptedPrompter prompter;
    LevelSink sink(copy->doc(), prompter);
    feed(sink, first);
    std::vector<ThingItem> second = LevelRecords::collectThingItems(copy->doc());

    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].kind, second[i].kind) << i;
        EXPECT_EQ(first[i].record, second[i].record) << "item " << i << " kind " << first[i].kind;
    }
    EXPECT_TRUE(prompter.entries().empty());

    const CWorldEditorDoc& doc = copy->doc();
    const CCreature& evil = *doc.creatures()[0];
    EXPECT_EQ(evil.type(), Warlock) << "the elite variant is read back as its base type";
    EXPECT_TRUE(evil.isElite());
    EXPECT_EQ(evil.extraValue(), -42);
    ASSERT_TRUE(doc.HeroPartyAt(5));
    EXPECT_EQ(doc.HeroPartyAt(5)->memberCount(), 2);
    EXPECT_TRUE(doc.HeroPartyAt(5)->member(0)->hasFlag1(CreatureFlag1::Leader)) << "members keep leadership";
    EXPECT_EQ(doc.HeroPartyAt(5)->member(1)->partyId(), 5);
    EXPECT_EQ(doc.FindPlayer(3)->heartPosition(), (TilePoint{5, 14}));
    EXPECT_EQ(doc.FindPlayer(PlayerId::Good)->heroGates().size(), 3u) << "large gates survive a reload";
    EXPECT_EQ(doc.objects()[0]->data1(), 11);
    EXPECT_EQ(doc.objects()[1]->data2(), 750);
}

TEST(ThingsFileTest, ItemsAreWrittenInTheGameOrder)
{
    LevelBuilder b(20, 20);
    populate(b);
    std::vector<uint32_t> kinds;
    for (const ThingItem& item : LevelRecords::collectThingItems(b.doc()))
        kinds.push_back(item.kind);
    // Placed creatures in collection order by owner; doors, traps, objects; action points; hero
    // parties; dead bodies; effect generators; then per player in array order: the Good player's
    // three gates, Vorlan 3's heart and portal; last the items kept as read.
    const std::vector<uint32_t> expected = {200, 199, 198, 196, 195, 194, 194, 197, 197, 201,
                                            202, 203, 204, 204, 204, 204, 204, 205, 250};
    EXPECT_EQ(kinds, expected);

    std::vector<ThingItem> items = LevelRecords::collectThingItems(b.doc());
    const std::vector<uint8_t> goodGateTerrains = {items[12].record[18], items[13].record[18],
                                                   items[14].record[18]};
    EXPECT_EQ(goodGateTerrains, (std::vector<uint8_t>{33, 34, 37}));
    EXPECT_EQ(items[15].record[18], TerrainId::DungeonHeart);
    EXPECT_EQ(items[16].record[18], TerrainId::Portal);
    EXPECT_EQ(items[17].record.size(), 84u);
    EXPECT_EQ(items[18].record, (Bytes{9, 8, 7, 6, 5}));
}

TEST(ThingsFileTest, UnplacedThingsAndHeartlessVorlansWriteNothing)
{
    LevelBuilder b;
    CCreature* preview = b.doc().CreateCreature(Imp, 3, {2, 2}, false);
    preview->setPlaced(false);
    EXPECT_TRUE(LevelRecords::collectThingItems(b.doc()).empty());
}

TEST(ThingsFileTest, WrittenAsRules)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    const LevelTypes& types = doc.types();

    CCreature* c = doc.CreateCreature(Knight, 1, {2, 2}, true);
    c->setObjective(0);
    EXPECT_EQ(ThingRecords::packCreatureGood(*c, types)[27], 19) << "objective 0 is written as 19";

    c->setType(Warlock);
    c->setElite(true);
    EXPECT_EQ(ThingRecords::packCreatureGood(*c, types)[28], EliteWarlock);
    c->setType(Imp);
    EXPECT_EQ(ThingRecords::packCreatureGood(*c, types)[28], Imp) << "no elite variant: written as itself";

    b.portal(3, {5, 5})->health = 0;
    std::vector<ThingItem> items = LevelRecords::collectThingItems(doc);
    ASSERT_EQ(items.back().kind, uint32_t(ThingKind::Room));
    EXPECT_EQ(loadU16(items.back().record.data() + 16), 100) << "portal health 0 is written as 100";
}

TEST(ThingsFileTest, WaypointBitIsSetOnEveryPointOnlyWhenAPathExists)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    CActionPoint* a = doc.AddActionPoint({1, 1, 1, 1});
    CActionPoint* c = doc.AddActionPoint({2, 2, 2, 2});
    LevelRecords::collectThingItems(doc);
    EXPECT_FALSE(a->hasFlag(ActionPointFlag::Waypoint));
    c->setNextWaypoint(a->id());
    std::vector<ThingItem> items = LevelRecords::collectThingItems(doc);
    EXPECT_TRUE(a->hasFlag(ActionPointFlag::Waypoint));
    EXPECT_TRUE(c->hasFlag(ActionPointFlag::Waypoint));
    EXPECT_EQ(items[0].record[18] & ActionPointFlag::Waypoint, ActionPointFlag::Waypoint);
}

} // namespace
} // namespace gr2
