#include "mapedit/MapTransforms.h"

#include "level/CCreature.h"
#include "mapedit/Shapes.h"
#include "support/LevelBuilder.h"
#include "support/LevelSnapshot.h"
#include "support/ScriptBuilder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;
using test::ScriptedPrompter;
using test::snapshotOf;
using test::TestTerrain::Claimed;
using test::TestTerrain::Path;
using test::TestTerrain::Rock;
using test::TestTerrain::Water;

/// A non-square level (14 × 11) with something of every kind, none of it symmetric.
void furnish(LevelBuilder& b)
{
    CWorldEditorDoc& doc = b.doc();
    b.playersUpTo(4);
    b.paint({2, 2, 4, 2}, Rock, 2).paint({7, 5, 7, 7}, Water, 4).paint({9, 1, 9, 1}, Claimed, 3);
    doc.CreateCreature(1, 3, {1, 6}, true);
    doc.CreateDoor(1, 3, {7, 3});
    doc.CreateTrap(1, 4, {8, 6});
    doc.CreateObjectThing(9, {11, 2});
    doc.AddActionPoint({4, 8, 6, 9});
    CEffectGenerator* g = doc.AddEffectGenerator({8, 1});
    g->setExtent(3, 2);
    CPlayer& p3 = *doc.FindPlayer(3);
    p3.setBuildArea({2, 1, 6, 4});
    p3.setCameraStart({12, 7});
    b.heart(4, {4, 5});
    b.portal(3, {10, 5});
    b.gate(PlayerId::Good, {9, 8}, TerrainId::HeroGateSmall, 0);
    b.gate(PlayerId::Good, {2, 8}, TerrainId::HeroGate, 0);
}

TEST(MapRotateTest, FourRightTurnsAndLeftThenRightGiveTheLevelBack)
{
    LevelBuilder b(14, 11);
    furnish(b);
    const test::LevelSnapshot start = snapshotOf(b.doc());
    for (int i = 0; i < 4; ++i)
        RotateMap(b.doc(), Turn::Right);
    EXPECT_EQ(snapshotOf(b.doc()), start);
    RotateMap(b.doc(), Turn::Left);
    EXPECT_EQ(b.doc().width(), 11u);
    EXPECT_EQ(b.doc().height(), 14u);
    RotateMap(b.doc(), Turn::Right);
    EXPECT_EQ(snapshotOf(b.doc()), start);
    RotateMap(b.doc(), Turn::Half);
    RotateMap(b.doc(), Turn::Half);
    EXPECT_EQ(snapshotOf(b.doc()), start);
}

TEST(MapRotateTest, EverythingFollowsItsTiles)
{
    LevelBuilder b(14, 11);
    furnish(b);
    CWorldEditorDoc& doc = b.doc();
    doc.SetModifiedFlag(false);
    RotateMap(doc, Turn::Right);
    ASSERT_EQ(doc.width(), 11u);
    ASSERT_EQ(doc.height(), 14u);
    EXPECT_TRUE(doc.isModified());
    // Clockwise: old (x, y) lies at (height - 1 - y, x) = (10 - y, x).
    auto turned = [](TilePoint p) { return TilePoint{10 - p.y, p.x}; };
    EXPECT_EQ(doc.GetTerrain(turned({3, 2})), Rock);
    EXPECT_EQ(doc.GetTerrain(turned({7, 6})), Water);
    EXPECT_EQ(doc.GetOwner(turned({9, 1})), 3);
    EXPECT_EQ(doc.GetTerrain({0, 5}), TerrainId::Border);
    EXPECT_EQ(doc.GetTerrain({10, 5}), TerrainId::Border);
    EXPECT_EQ(doc.creatures()[0]->position(), turned({1, 6}));
    EXPECT_EQ(doc.doors()[0]->position(), turned({7, 3}));
    EXPECT_EQ(doc.traps()[0]->position(), turned({8, 6}));
    EXPECT_EQ(doc.objects()[0]->position(), turned({11, 2}));
    EXPECT_EQ(doc.actionPoints()[0]->area(), (TileRect{1, 4, 2, 6}));
    const CEffectGenerator& g = *doc.effectGenerators()[0];
    EXPECT_EQ(g.position(), (TilePoint{8, 8}));
    EXPECT_EQ(g.width(), 2);
    EXPECT_EQ(g.height(), 3);
    CPlayer& p3 = *doc.FindPlayer(3);
    EXPECT_EQ(p3.buildArea(), (BuildArea{6, 2, 9, 6}));
    EXPECT_EQ(p3.cameraStart(), turned({12, 7}));
    EXPECT_EQ(doc.FindPlayer(4)->heartPosition(), turned({4, 5}));
    EXPECT_EQ(p3.portals()[0].centre, turned({10, 5}));
    EXPECT_EQ(doc.GetTerrain(turned({10, 5})), TerrainId::Portal);

    // The narrow gate lay across the map facing up; now it stands along it facing right.
    const HeroGateEntry& small = doc.FindPlayer(PlayerId::Good)->heroGates()[0];
    EXPECT_EQ(small.direction, 2);
    EXPECT_EQ(heroGateFootprint(small), (TileRect{2, 8, 2, 10}));
    for (int32_t y = 8; y <= 10; ++y)
        EXPECT_EQ(doc.GetTerrain({2, y}), TerrainId::HeroGateSmall) << y;
    // The square gate keeps covering its own four tiles.
    const HeroGateEntry& square = doc.FindPlayer(PlayerId::Good)->heroGates()[1];
    EXPECT_EQ(heroGateFootprint(square), (TileRect{1, 2, 2, 3}));
    EXPECT_EQ(doc.GetTerrain({1, 2}), TerrainId::HeroGate);
}

TEST(MapFlipTest, FlipInXSwapsRowsAndMovesEverything)
{
    LevelBuilder b(14, 11);
    furnish(b);
    CWorldEditorDoc& doc = b.doc();
    FlipMap(doc, FlipAxis::X);
    auto flipped = [](TilePoint p) { return TilePoint{p.x, 10 - p.y}; };
    EXPECT_EQ(doc.GetTerrain(flipped({4, 2})), Rock);
    EXPECT_EQ(doc.GetTerrain({4, 2}), Path);
    EXPECT_EQ(doc.creatures()[0]->position(), flipped({1, 6}));
    EXPECT_EQ(doc.actionPoints()[0]->area(), (TileRect{4, 1, 6, 2}));
    EXPECT_EQ(doc.effectGenerators()[0]->position(), (TilePoint{8, 8}));
    EXPECT_EQ(doc.FindPlayer(3)->buildArea(), (BuildArea{2, 6, 6, 9}));
    EXPECT_EQ(doc.FindPlayer(3)->cameraStart(), flipped({12, 7}));
    EXPECT_EQ(doc.FindPlayer(4)->heartPosition(), flipped({4, 5}));
    EXPECT_EQ(doc.FindPlayer(3)->portals()[0].centre, flipped({10, 5}));
    const HeroGateEntry& small = doc.FindPlayer(PlayerId::Good)->heroGates()[0];
    EXPECT_EQ(small.direction, 4) << "an upward gate faces down";
    EXPECT_EQ(small.reference, flipped({9, 8}));
    // The square gate's footprint runs down from its reference, so the reference moves to the
    // mirrored block's top row.
    const HeroGateEntry& square = doc.FindPlayer(PlayerId::Good)->heroGates()[1];
    EXPECT_EQ(heroGateFootprint(square), (TileRect{2, 1, 3, 2}));
    EXPECT_EQ(doc.GetTerrain({2, 1}), TerrainId::HeroGate);

    FlipMap(doc, FlipAxis::Y);
    FlipMap(doc, FlipAxis::Y);
    FlipMap(doc, FlipAxis::X);
    LevelBuilder fresh(14, 11);
    furnish(fresh);
    EXPECT_EQ(snapshotOf(doc), snapshotOf(fresh.doc()));
}

TEST(MapFlipTest, FlipInYMirrorsGateFootprintAndDirection)
{
    LevelBuilder b(12, 12);
    CWorldEditorDoc& doc = b.doc();
    b.gate(PlayerId::Good, {3, 4}, TerrainId::HeroGateSmall, 2); // tiles (3, 3..5), facing right
    b.gate(PlayerId::Good, {6, 3}, TerrainId::HeroGateLarge, 0);
    const TileRect largeBefore = heroGateFootprint(doc.FindPlayer(1)->heroGates()[1]);
    FlipMap(doc, FlipAxis::Y);
    const HeroGateEntry& small = doc.FindPlayer(1)->heroGates()[0];
    EXPECT_EQ(small.direction, 6);
    EXPECT_EQ(heroGateFootprint(small), (TileRect{8, 3, 8, 5}));
    const TileRect largeAfter = heroGateFootprint(doc.FindPlayer(1)->heroGates()[1]);
    EXPECT_EQ(largeAfter,
              (TileRect{11 - largeBefore.right, largeBefore.top, 11 - largeBefore.left, largeBefore.bottom}));
}

TEST(MapResizeTest, ShrinkingFromTheCentreKeepsTheMiddle)
{
    LevelBuilder b(20, 20);
    CWorldEditorDoc& doc = b.doc();
    for (int32_t i = 1; i <= 18; ++i)
        doc.StoreTile({i, i}, uint8_t(100 + i), 3); // a diagonal that names its old position
    ScriptedPrompter quiet;
    ASSERT_TRUE(ResizeMap(doc, {10, 10, Path, 2, 1, 1}, quiet));
    EXPECT_EQ(doc.width(), 10u);
    EXPECT_EQ(doc.height(), 10u);
    // Old columns and rows 5 to 14 are kept; the new border covers old 5 and 14.
    for (int32_t i = 1; i <= 8; ++i)
        EXPECT_EQ(doc.GetTerrain({i, i}), 105 + i) << i;
    EXPECT_EQ(doc.GetTerrain({0, 0}), TerrainId::Border);
    EXPECT_EQ(doc.GetTerrain({9, 9}), TerrainId::Border);
}

TEST(MapResizeTest, AnchorsPlaceTheOldMap)
{
    struct Case {
        uint32_t from, to;
        uint8_t anchor;
        int32_t oldTileAt; ///< where old column 3 ends up (or -1 when cut off)
    };
    const Case cases[] = {
        {10, 16, 0, 3}, {10, 16, 1, 6},  {10, 16, 2, 9},  {10, 15, 2, 8}, // flush right when odd
        {16, 10, 0, 3}, {16, 10, 1, -1}, {16, 11, 2, -1}, {16, 12, 1, 1},
    };
    for (const Case& c : cases) {
        LevelBuilder b(c.from, 8);
        b.paint({3, 1, 3, 6}, Claimed, 3);
        ScriptedPrompter quiet;
        ASSERT_TRUE(ResizeMap(b.doc(), {c.to, 8, Water, 2, c.anchor, 0}, quiet));
        int32_t found = -1;
        for (int32_t x = 1; x + 1 < int32_t(c.to); ++x)
            if (b.doc().GetTerrain({x, 3}) == Claimed)
                found = x;
        EXPECT_EQ(found, c.oldTileAt) << c.from << " -> " << c.to << " @" << int(c.anchor);
    }
}

TEST(MapResizeTest, GrowingTurnsTheOldBorderIntoBaseGround)
{
    LevelBuilder b(6, 6);
    ScriptedPrompter quiet;
    ASSERT_TRUE(ResizeMap(b.doc(), {10, 8, Water, 4, 0, 0}, quiet));
    EXPECT_EQ(b.doc().GetTerrain({5, 3}), Water);
    EXPECT_EQ(b.doc().GetOwner({5, 3}), 4);
    EXPECT_EQ(b.doc().GetTerrain({3, 3}), Path);
    EXPECT_EQ(b.doc().GetTerrain({9, 3}), TerrainId::Border);
    EXPECT_EQ(b.doc().GetTerrain({3, 7}), TerrainId::Border);
    EXPECT_FALSE(ResizeMap(b.doc(), {2, 8, Water, 4, 0, 0}, quiet));
    EXPECT_TRUE(ResizeMap(b.doc(), {10, 8, Water, 4, 2, 2}, quiet)) << "same size: nothing to do";
}

TEST(MapResizeTest, ThingsAndMarkersOutsideAreDeletedOrBroughtInside)
{
    LevelBuilder b(20, 20);
    CWorldEditorDoc& doc = b.doc();
    doc.CreateCreature(1, 3, {3, 3}, true);  // stays
    doc.CreateCreature(1, 3, {15, 3}, true); // off the map
    doc.CreateCreature(1, 3, {9, 3}, true);  // onto the new border
    doc.CreateDoor(1, 3, {16, 16});
    doc.AddActionPoint({2, 2, 4, 4});     // stays
    doc.AddActionPoint({7, 7, 14, 9});    // cut at the new border
    doc.AddActionPoint({12, 12, 14, 14}); // wholly outside
    CEffectGenerator* g = doc.AddEffectGenerator({6, 6});
    g->setExtent(6, 2);
    CPlayer& p3 = *doc.FindPlayer(3);
    p3.setCameraStart({17, 4});
    p3.setBuildArea({2, 2, 17, 17});

    ScriptedPrompter quiet;
    ASSERT_TRUE(ResizeMap(doc, {10, 10, Path, 2, 0, 0}, quiet));
    ASSERT_EQ(doc.creatures().size(), 1u);
    EXPECT_EQ(doc.creatures()[0]->position(), (TilePoint{3, 3}));
    EXPECT_TRUE(doc.doors().empty());
    ASSERT_EQ(doc.actionPoints().size(), 2u);
    EXPECT_EQ(doc.actionPoints()[0]->area(), (TileRect{2, 2, 4, 4}));
    EXPECT_EQ(doc.actionPoints()[1]->area(), (TileRect{7, 7, 8, 8}));
    EXPECT_EQ(doc.actionPoints()[1]->position(), (TilePoint{7, 7}));
    EXPECT_EQ(g->position(), (TilePoint{6, 6}));
    EXPECT_EQ(g->width(), 3);
    EXPECT_EQ(g->height(), 2);
    EXPECT_EQ(p3.cameraStart(), (TilePoint{8, 4}));
    EXPECT_EQ(p3.buildArea(), (BuildArea{2, 2, 8, 8}));
}

TEST(MapResizeTest, RoomsThatDoNotFitAreDismantled)
{
    LevelBuilder b(20, 20);
    CWorldEditorDoc& doc = b.doc();
    b.playersUpTo(4);
    b.heart(3, {3, 3});
    b.heart(4, {8, 4}); // its block reaches column 10, past the new interior
    doc.FindPlayer(4)->setCameraStart({8, 4});
    b.portal(3, {4, 12});
    b.gate(PlayerId::Good, {5, 7}, TerrainId::HeroGate);
    ScriptedPrompter quiet;
    ASSERT_TRUE(ResizeMap(doc, {10, 10, Path, 2, 0, 0}, quiet));
    EXPECT_EQ(doc.FindPlayer(3)->heartPosition(), (TilePoint{3, 3}));
    EXPECT_FALSE(doc.FindPlayer(4)->hasHeart());
    EXPECT_EQ(doc.FindPlayer(4)->cameraStart(), TilePoint{}) << "the camera on the heart goes with it";
    EXPECT_EQ(doc.GetTerrain({7, 4}), Claimed);
    EXPECT_EQ(doc.GetTerrain({9, 4}), TerrainId::Border);
    EXPECT_TRUE(doc.FindPlayer(3)->portals().empty());
    EXPECT_EQ(doc.GetTerrain({5, 7}), TerrainId::HeroGate);
    EXPECT_EQ(doc.FindPlayer(1)->heroGates().size(), 1u);
    for (int32_t i = 0; i < 10; ++i)
        EXPECT_TRUE(doc.GetTerrain({i, 9}) == TerrainId::Border &&
                    doc.GetTerrain({9, i}) == TerrainId::Border)
            << i;
}

/// A level whose script names tiles: one action of every kind that keeps a tile, under one trigger
/// of player 3, and a Set Flag action whose word 2 is a number that must never move.
class ScriptTilesTest : public ::testing::Test {
protected:
    struct Named {
        ActionKind kind;
        TilePoint tile;
    };

    void lay(std::initializer_list<Named> named)
    {
        int16_t id = -1;
        sb.trigger(1, 0, id);
        for (const Named& n : named) {
            CAction& a = sb.action(id, int16_t(id - 1), uint8_t(n.kind));
            a.parameters().a = {TestCreatureImp, 3, 1, 0};
            a.parameters().setB(uint16_t(n.tile.x), uint16_t(n.tile.y));
            --id;
        }
        CAction& flag = sb.action(id, 0, uint8_t(ActionKind::SetFlag));
        flag.parameters().setB(5, 3);
        doc().FindPlayer(3)->setFirstTrigger(1);
        sb.script().ResolveScript();
    }

    CWorldEditorDoc& doc() { return level.doc(); }
    CAction& action(int16_t id) { return *sb.script().FindAction(id); }
    TilePoint tileOf(int16_t id) { return {action(id).parameters().bx(), action(id).parameters().by()}; }

    static constexpr uint8_t TestCreatureImp = test::TestCreature::Imp;
    LevelBuilder level{20, 20};
    ScriptBuilder sb{level.doc()};
};

TEST_F(ScriptTilesTest, FlipsAndTurnsMoveEveryTileAnActionNames)
{
    lay({{ActionKind::CreateCreature, {2, 7}},
         {ActionKind::AlterTerrainType, {3, 2}},
         {ActionKind::CollapseHeroGate, {9, 8}},
         {ActionKind::DisplaySlabOwner, {4, 5}},
         {ActionKind::ChangeRoomOwner, {10, 5}}});
    const TilePoint before[] = {{2, 7}, {3, 2}, {9, 8}, {4, 5}, {10, 5}};
    CCreature* preview = action(-1).creature();
    ASSERT_TRUE(preview && preview->isActionPreview());
    ASSERT_EQ(preview->position(), (TilePoint{2, 7}));

    FlipMap(doc(), FlipAxis::X);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(tileOf(int16_t(-1 - i)), (TilePoint{before[i].x, 19 - before[i].y})) << i;
    EXPECT_EQ(preview->position(), tileOf(-1)) << "the preview stands on its action's tile";

    FlipMap(doc(), FlipAxis::Y);
    RotateMap(doc(), Turn::Right);
    // Both flips are a half turn; then a right turn sends (x, y) to (19 - y, x).
    for (int i = 0; i < 5; ++i) {
        const TilePoint half{19 - before[i].x, 19 - before[i].y};
        EXPECT_EQ(tileOf(int16_t(-1 - i)), (TilePoint{19 - half.y, half.x})) << i;
    }
    EXPECT_EQ(preview->position(), tileOf(-1));
    EXPECT_EQ(action(-6).b(), (5u | 3u << 16)) << "a number in word 2 is not a tile";
}

TEST_F(ScriptTilesTest, ResizeMovesTilesAndBringsCutOffOnesInsideWithAMessage)
{
    lay({{ActionKind::AlterTerrainType, {7, 8}},
         {ActionKind::CollapseHeroGate, {15, 4}},
         {ActionKind::ChangeRoomOwner, {14, 14}},
         {ActionKind::CreateCreature, {16, 16}},
         {ActionKind::DisplaySlabOwner, {2, 12}}});
    CCreature* preview = action(-4).creature();
    ASSERT_TRUE(preview);
    // A preview whose action no longer holds it moves alone and leaves the actions be.
    CCreature* stray = doc().CreateCreature(TestCreatureImp, 3, {18, 2}, false);
    stray->setPlaced(false);
    stray->setSourceAction(-1);
    ScriptedPrompter prompter;

    // From the centre: old columns and rows 5 to 14 are kept, so everything moves by (-5, -5).
    ASSERT_TRUE(ResizeMap(doc(), {10, 10, Path, 2, 1, 1}, prompter));
    EXPECT_EQ(tileOf(-1), (TilePoint{2, 3}));
    EXPECT_EQ(tileOf(-2), (TilePoint{8, 1})) << "cut off: the nearest interior tile";
    EXPECT_EQ(tileOf(-3), (TilePoint{8, 8})) << "on the new border: brought inside";
    EXPECT_EQ(tileOf(-4), (TilePoint{8, 8}));
    EXPECT_EQ(tileOf(-5), (TilePoint{1, 7}));
    EXPECT_EQ(action(-6).b(), (5u | 3u << 16));
    ASSERT_EQ(action(-4).creature(), preview) << "the action keeps its preview creature";
    EXPECT_EQ(preview->position(), (TilePoint{8, 8}));
    EXPECT_EQ(stray->position(), (TilePoint{8, 1}));

    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(prompter.entries()[0].text,
              "The new map size cuts off the tiles of 4 script actions. Each now names the nearest tile "
              "inside the map; please check them:\n"
              "Collapse Hero Gate (action -2): [ 15, 4 ] is now [ 8, 1 ]\n"
              "Change Room Owner (action -3): [ 14, 14 ] is now [ 8, 8 ]\n"
              "Create Creature (action -4): [ 16, 16 ] is now [ 8, 8 ]\n"
              "Display Slab Owner (action -5): [ 2, 12 ] is now [ 1, 7 ]");
}

TEST_F(ScriptTilesTest, GrowingMovesTilesWithTheAnchorAndSaysNothing)
{
    lay({{ActionKind::AlterTerrainType, {18, 1}}, {ActionKind::CreateCreature, {3, 4}}});
    ScriptedPrompter prompter;
    ASSERT_TRUE(ResizeMap(doc(), {26, 24, Path, 2, 2, 1}, prompter));
    EXPECT_EQ(tileOf(-1), (TilePoint{24, 3}));
    EXPECT_EQ(tileOf(-2), (TilePoint{9, 6}));
    EXPECT_EQ(action(-2).creature()->position(), (TilePoint{9, 6}));
    EXPECT_TRUE(prompter.entries().empty());
}

} // namespace
} // namespace gr2
