#include "mapedit/MapViewController.h"

#include "mapedit/RoomBrushes.h"
#include "support/LevelBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TilePrinting.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::TestTerrain::Claimed;
using test::TestTerrain::Path;
using test::TestTerrain::Rock;
using test::TestTerrain::Water;

/// A level, the shared editor state and one view of the level, drawing for player 3.
struct ViewFixture {
    explicit ViewFixture(uint32_t w = 12, uint32_t h = 12) : b(w, h), view(b.doc(), state)
    {
        state.SetDrawTerrain(Claimed, 3);
    }
    CWorldEditorDoc& doc() { return b.doc(); }
    void click(TilePoint p)
    {
        view.leftDown(p);
        view.leftUp(p);
    }
    void drag(TilePoint from, TilePoint to)
    {
        view.leftDown(from);
        view.mouseMove(to);
        view.leftUp(to);
    }
    int countTerrain(uint8_t terrain)
    {
        int n = 0;
        for (uint8_t t : doc().terrainTiles())
            n += t == terrain;
        return n;
    }

    LevelBuilder b;
    EditorState state;
    MapViewController view;
};

TEST(MapViewToolTest, PaintToolPaintsEachInteriorTileUnderTheDrag)
{
    ViewFixture f;
    f.view.leftDown({2, 2});
    f.view.mouseMove({3, 2});
    f.view.mouseMove({0, 2}); // the border is never painted
    f.view.leftUp({0, 2});
    f.view.mouseMove({5, 5}); // button up: moving paints nothing
    EXPECT_EQ(f.doc().GetTerrain({2, 2}), Claimed);
    EXPECT_EQ(f.doc().GetOwner({3, 2}), 3);
    EXPECT_EQ(f.doc().GetTerrain({0, 2}), TerrainId::Border);
    EXPECT_EQ(f.doc().GetTerrain({5, 5}), Path);

    // A terrain that cannot be owned goes to the Neutral player.
    f.state.SetDrawTerrain(Water, 3);
    f.click({4, 4});
    EXPECT_EQ(f.doc().GetOwner({4, 4}), PlayerId::Neutral);
}

TEST(MapViewToolTest, LineAndRectanglePaintOnRelease)
{
    ViewFixture f;
    f.view.selectTool(ToolCode::Line);
    f.view.leftDown({2, 2});
    f.view.mouseMove({6, 4});
    EXPECT_EQ(f.view.dragTiles().size(), 5u);
    EXPECT_EQ(f.doc().GetTerrain({2, 2}), Path) << "nothing is painted while dragging";
    f.view.leftUp({6, 4});
    EXPECT_EQ(f.countTerrain(Claimed), 5);
    EXPECT_EQ(f.doc().GetTerrain({4, 3}), Claimed);
    EXPECT_FALSE(f.view.dragging());

    // The pointer is kept inside the border while dragging.
    f.view.selectTool(ToolCode::Rectangle);
    f.drag({8, 8}, {30, 30});
    EXPECT_EQ(f.doc().GetTerrain({10, 10}), Claimed);
    EXPECT_EQ(f.doc().GetTerrain({9, 9}), Path) << "outline only";
    EXPECT_EQ(f.doc().GetTerrain({11, 11}), TerrainId::Border);

    // Shapes start only on an interior tile.
    f.drag({0, 5}, {3, 5});
    EXPECT_EQ(f.doc().GetTerrain({2, 5}), Path);
}

TEST(MapViewToolTest, RightPressMidDragFillsTheRectangleAtOnce)
{
    ViewFixture f;
    f.view.selectTool(ToolCode::Rectangle);
    f.view.leftDown({2, 2});
    f.view.mouseMove({5, 5});
    EXPECT_EQ(f.view.dragTiles().size(), 12u);
    const ContextHit hit = f.view.rightDown({5, 5});
    EXPECT_EQ(hit.kind, ContextHit::Kind::None);
    EXPECT_TRUE(f.state.filled());
    EXPECT_EQ(f.view.dragTiles().size(), 16u);
    f.view.leftUp({5, 5});
    EXPECT_EQ(f.countTerrain(Claimed), 16);
}

TEST(MapViewToolTest, CircleClipsToTheInterior)
{
    ViewFixture f(10, 10);
    f.state.setFilled(true);
    f.view.selectTool(ToolCode::Circle);
    f.drag({2, 2}, {5, 2});
    EXPECT_GT(f.countTerrain(Claimed), 10);
    EXPECT_EQ(f.countTerrain(TerrainId::Border), 36);
}

TEST(MapViewToolTest, FloodFillUsesTheDrawingPlayer)
{
    ViewFixture f(8, 8);
    f.view.setCurrentPlayer(4);
    f.view.selectTool(ToolCode::FloodFill);
    f.click({3, 3});
    EXPECT_EQ(f.countTerrain(Claimed), 36);
    EXPECT_EQ(f.doc().GetOwner({6, 6}), 4);
}

TEST(MapViewToolTest, PlacingToolsFollowThePlacementRules)
{
    ViewFixture f;
    f.b.playersUpTo(4);
    f.b.paint({5, 1, 5, 10}, Rock, 2);
    f.b.paint({6, 1, 6, 1}, Claimed, 4);
    f.state.setCurrentType(ThingFamily::Creature, 1);
    f.view.selectTool(ToolCode::PlaceCreature);
    f.click({2, 2});
    f.click({2, 2}); // occupied: nothing more
    f.click({5, 3}); // solid
    f.click({0, 3}); // border
    ASSERT_EQ(f.doc().creatures().size(), 1u);
    EXPECT_EQ(f.doc().creatures()[0]->ownerId(), 3);

    f.state.setCurrentType(ThingFamily::Door, 1);
    f.view.selectTool(ToolCode::PlaceDoor);
    f.click({6, 1});
    f.click({6, 1});
    ASSERT_EQ(f.doc().doors().size(), 1u);
    EXPECT_EQ(f.doc().doors()[0]->ownerId(), 4) << "a door belongs to its tile's owner";

    f.state.setCurrentType(ThingFamily::Object, 9);
    f.view.selectTool(ToolCode::PlaceObject);
    f.drag({3, 3}, {4, 3}); // a drag places on each newly entered tile
    EXPECT_EQ(f.doc().objects().size(), 2u);

    // Remove mode, but a creature that shows a script action stays.
    f.state.setCurrentType(ThingFamily::Object, 0);
    f.click({3, 3});
    EXPECT_EQ(f.doc().objects().size(), 1u);
    f.doc().creatures()[0]->setSourceAction(-4);
    f.state.setCurrentType(ThingFamily::Creature, 0);
    f.view.selectTool(ToolCode::PlaceCreature);
    f.click({2, 2});
    EXPECT_EQ(f.doc().creatures().size(), 1u);
}

TEST(MapViewToolTest, APlacedCreatureIsPickedBeforeAScriptCreatureOnItsTile)
{
    // A level file may put a creature on the tile where a Create Creature action's preview
    // already stands; the preview comes first in the collection.
    ViewFixture f;
    CCreature* preview = f.doc().CreateCreature(1, 3, {4, 4}, false);
    preview->setPlaced(false);
    preview->setSourceAction(-1);
    CCreature* placed = f.doc().CreateCreature(2, 3, {4, 4}, true);
    // The preview alone on its tile is still found (it is drawn, so it can be right-clicked).
    CCreature* alone = f.doc().CreateCreature(1, 3, {7, 7}, false);
    alone->setPlaced(false);
    alone->setSourceAction(-2);

    EXPECT_EQ(f.view.rightDown({4, 4}).object, placed);
    EXPECT_EQ(f.view.rightDown({7, 7}).object, alone);

    f.state.setCurrentType(ThingFamily::Creature, 0);
    f.view.selectTool(ToolCode::PlaceCreature);
    f.click({4, 4});
    ASSERT_EQ(f.doc().creatures().size(), 2u) << "the placed creature is deleted";
    EXPECT_EQ(f.doc().creatures()[0].get(), preview);
    f.click({4, 4});
    f.click({7, 7});
    EXPECT_EQ(f.doc().creatures().size(), 2u) << "the script's creatures stay";

    // They still keep the tile: nothing more stands on it, nor does solid ground go under it.
    f.state.setCurrentType(ThingFamily::Creature, 2);
    f.click({4, 4});
    EXPECT_EQ(f.doc().creatures().size(), 2u);
    EXPECT_FALSE(f.doc().IsTileFree({7, 7}));
}

TEST(MapViewToolTest, MovingAThingChecksItsNewTileAndReturnsToTheTool)
{
    ViewFixture f;
    f.b.paint({5, 1, 5, 10}, Rock, 2);
    CCreature* c = f.doc().CreateCreature(1, 3, {2, 2}, true);
    f.doc().CreateCreature(1, 3, {3, 3}, true);
    f.view.selectTool(ToolCode::Line);
    ASSERT_TRUE(f.view.beginMove(*c));
    EXPECT_EQ(f.state.tool(), ToolCode::MoveCreature);
    f.click({5, 4}); // solid
    f.click({3, 3}); // another creature stands there
    EXPECT_EQ(c->position(), (TilePoint{2, 2}));
    f.click({4, 6});
    EXPECT_EQ(c->position(), (TilePoint{4, 6}));
    EXPECT_EQ(f.state.tool(), ToolCode::Line);

    // A hero-party member is off the map and cannot be moved on it.
    f.doc().BeginNewHeroParty();
    CCreature* member = f.doc().AddPickedMember(2);
    ASSERT_TRUE(f.doc().FinishHeroPartyBuild());
    EXPECT_FALSE(f.view.beginMove(*member));
    EXPECT_EQ(f.state.tool(), ToolCode::Line);

    // Deleting the thing being moved ends the move.
    f.view.beginMove(*c);
    f.doc().DeleteCreature(c, true);
    EXPECT_EQ(f.state.tool(), ToolCode::Line);
}

TEST(MapViewToolTest, EscapeCancelsAWaitingMoveAndACopyWaitingToBePlacedGoesWithIt)
{
    ViewFixture f;
    CCreature* c = f.doc().CreateCreature(1, 3, {2, 2}, true);
    f.view.selectTool(ToolCode::Rectangle);
    ASSERT_TRUE(f.view.beginMove(*c));
    EXPECT_EQ(f.view.modeObject(), c);
    EXPECT_NE(f.view.modePrompt(), "");
    EXPECT_TRUE(f.view.cancelMode());
    EXPECT_EQ(f.view.modeObject(), nullptr);
    EXPECT_EQ(f.view.modePrompt(), "");
    EXPECT_EQ(f.state.tool(), ToolCode::Rectangle);
    EXPECT_EQ(c->position(), (TilePoint{2, 2}));
    EXPECT_EQ(f.doc().creatures().size(), 1u);
    EXPECT_FALSE(f.view.cancelMode()); // nothing waits any more

    // A copy waits on its source's tile; cancelled, it is removed rather than left as a duplicate.
    CCreature* copy = f.doc().CreateCreature(1, 3, {2, 2}, true);
    ASSERT_TRUE(f.view.beginMove(*copy, true));
    EXPECT_TRUE(f.view.cancelMode());
    ASSERT_EQ(f.doc().creatures().size(), 1u);
    EXPECT_EQ(f.doc().creatures()[0].get(), c);
    EXPECT_EQ(f.state.tool(), ToolCode::Rectangle);

    // Placed, the copy stays where it was put.
    copy = f.doc().CreateCreature(1, 3, {2, 2}, true);
    ASSERT_TRUE(f.view.beginMove(*copy, true));
    f.click({6, 6});
    EXPECT_EQ(copy->position(), (TilePoint{6, 6}));
    EXPECT_EQ(f.doc().creatures().size(), 2u);
    EXPECT_FALSE(f.view.cancelMode());
    EXPECT_EQ(f.doc().creatures().size(), 2u);

    // A copied action point waits to be dragged; choosing another tool abandons it, copy and all.
    CActionPoint* point = f.doc().AddActionPoint({3, 3, 4, 4});
    ASSERT_TRUE(f.view.beginMove(*point, true));
    EXPECT_EQ(f.state.tool(), ToolCode::ActionPoint);
    f.state.selectTool(ToolCode::Paint); // as the palette does
    f.click({8, 8});
    EXPECT_TRUE(f.doc().actionPoints().empty());
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);
    EXPECT_EQ(f.view.modeObject(), nullptr);
}

TEST(MapViewToolTest, CameraStartAndBuildAreaAsOneOffCommandsForTheirPlayer)
{
    ViewFixture f;
    f.b.playersUpTo(4);
    CPlayer& second = *f.doc().FindPlayer(4);
    second.setComputer(true);
    f.view.selectTool(ToolCode::Paint);
    EXPECT_FALSE(f.view.beginCameraStart(*f.doc().FindPlayer(PlayerId::Good)));
    ASSERT_TRUE(f.view.beginCameraStart(second));
    EXPECT_EQ(f.state.tool(), ToolCode::CameraStart);
    f.click({0, 0}); // the border takes no camera
    EXPECT_EQ(f.state.tool(), ToolCode::CameraStart);
    f.click({5, 6});
    // Set for the player the command named, not the one the view draws for (player 3).
    EXPECT_EQ(second.cameraStart(), (TilePoint{5, 6}));
    EXPECT_NE(f.doc().FindPlayer(3)->cameraStart(), (TilePoint{5, 6}));
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);

    EXPECT_FALSE(f.view.beginBuildArea(*f.doc().FindPlayer(3))); // a human player builds no area
    ASSERT_TRUE(f.view.beginBuildArea(second));
    f.view.leftDown({2, 2});
    f.view.mouseMove({4, 5});
    EXPECT_TRUE(f.view.cancelMode()); // Escape in the middle of the drag
    f.view.leftUp({4, 5});
    EXPECT_FALSE(second.buildAreaDefined());
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);
    ASSERT_TRUE(f.view.beginBuildArea(second));
    f.drag({2, 2}, {4, 5});
    EXPECT_TRUE(second.buildAreaDefined());
    EXPECT_EQ(second.buildArea().right, 4);
    EXPECT_EQ(second.buildArea().bottom, 5);
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);
}

TEST(MapViewToolTest, ActionPointsAndEffectGenerators)
{
    ViewFixture f;
    f.view.selectTool(ToolCode::ActionPoint);
    f.drag({6, 2}, {3, 4});
    ASSERT_EQ(f.doc().actionPoints().size(), 1u);
    CActionPoint& point = *f.doc().actionPoints()[0];
    EXPECT_EQ(point.area(), (TileRect{3, 2, 6, 4}));

    f.view.selectTool(ToolCode::Paint);
    f.view.beginReposition(point);
    f.drag({1, 1}, {2, 2});
    EXPECT_EQ(point.area(), (TileRect{1, 1, 2, 2}));
    EXPECT_EQ(f.doc().actionPoints().size(), 1u);
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);

    f.view.selectTool(ToolCode::EffectGenerator);
    f.drag({4, 4}, {6, 5});
    ASSERT_EQ(f.doc().effectGenerators().size(), 1u);
    const CEffectGenerator& g = *f.doc().effectGenerators()[0];
    EXPECT_EQ(g.position(), (TilePoint{4, 4}));
    EXPECT_EQ(g.width(), 3);
    EXPECT_EQ(g.height(), 2);
}

TEST(MapViewToolTest, TheEightiethActionPointReturnsToPaint)
{
    ViewFixture f;
    for (int i = 1; i < CActionPoint::kMaxId; ++i)
        f.doc().AddActionPoint({1, 1, 1, 1});
    f.view.selectTool(ToolCode::ActionPoint);
    f.drag({2, 2}, {3, 3});
    EXPECT_EQ(f.doc().actionPoints().back()->id(), 80);
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);
}

TEST(MapViewToolTest, CameraStartAndBuildAreaNeedTheRightPlayer)
{
    ViewFixture f;
    f.view.setCurrentPlayer(PlayerId::Good);
    EXPECT_FALSE(f.view.selectTool(ToolCode::CameraStart));
    f.view.setCurrentPlayer(3);
    ASSERT_TRUE(f.view.selectTool(ToolCode::CameraStart));
    f.click({7, 8});
    EXPECT_EQ(f.doc().FindPlayer(3)->cameraStart(), (TilePoint{7, 8}));

    EXPECT_FALSE(f.view.selectTool(ToolCode::BuildArea)) << "player 3 is played by a person";
    f.doc().FindPlayer(3)->setComputer(true);
    ASSERT_TRUE(f.view.selectTool(ToolCode::BuildArea));
    f.drag({2, 3}, {5, 9});
    EXPECT_EQ(f.doc().FindPlayer(3)->buildArea(), (BuildArea{2, 3, 5, 9}));
    EXPECT_TRUE(f.doc().FindPlayer(3)->buildAreaDefined());
}

TEST(MapViewToolTest, StampingRoomsThroughTheView)
{
    ViewFixture f(16, 16);
    f.state.SetDrawTerrain(TerrainId::DungeonHeart, f.view.currentPlayer());
    f.view.mouseMove({6, 6});
    EXPECT_TRUE(f.state.brushActive());
    f.click({2, 2});
    EXPECT_EQ(f.doc().FindPlayer(3)->heartPosition(), (TilePoint{4, 4}));
    EXPECT_EQ(f.state.tool(), ToolCode::Paint) << "a placed heart returns to paint";
    EXPECT_EQ(f.state.slab(), Claimed);

    // A right press with the brush on the map drops it instead of opening a menu.
    f.state.SetDrawTerrain(TerrainId::Portal, 3);
    const ContextHit hit = f.view.rightDown({3, 3});
    EXPECT_EQ(hit.kind, ContextHit::Kind::None);
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);
    EXPECT_TRUE(f.state.brush().empty());

    // Space turns the narrow gate's brush.
    f.state.SetDrawTerrain(TerrainId::HeroGateSmall, 3);
    const uint8_t before = f.state.gateDirection();
    EXPECT_EQ(f.view.key(ViewKey::Space, false, 300), ScrollRequest{});
    EXPECT_EQ(f.state.gateDirection(), nextGateDirection(before));
}

TEST(MapViewToolTest, RightPressFindsTheFirstThingUnderThePointer)
{
    ViewFixture f(16, 16);
    CDoor* door = f.doc().CreateDoor(1, 3, {4, 4});
    CCreature* creature = f.doc().CreateCreature(1, 3, {4, 4}, true);
    CActionPoint* point = f.doc().AddActionPoint({3, 3, 5, 5});
    f.b.heart(3, {10, 10});
    f.b.portal(3, {3, 12});
    f.b.gate(PlayerId::Good, {12, 3}, TerrainId::HeroGate);

    struct Case {
        TilePoint tile;
        ContextHit::Kind kind;
    };
    using K = ContextHit::Kind;
    const Case cases[] = {{{4, 4}, K::Creature}, {{5, 5}, K::ActionPoint}, {{9, 11}, K::Heart},
                          {{2, 13}, K::Portal},  {{13, 4}, K::HeroGate},   {{7, 7}, K::None}};
    for (const Case& c : cases)
        EXPECT_EQ(f.view.rightDown(c.tile).kind, c.kind) << c.tile.x << "," << c.tile.y;
    EXPECT_EQ(f.view.rightDown({4, 4}).object, creature);

    // A hidden family is passed over.
    f.state.setShows(ThingFamily::Creature, false);
    EXPECT_EQ(f.view.rightDown({4, 4}).object, door);
    f.state.setShows(ThingFamily::Door, false);
    EXPECT_EQ(f.view.rightDown({4, 4}).object, point);
    EXPECT_EQ(f.view.lastHit().object, point);
    f.doc().DeleteActionPoint(point, true);
    EXPECT_EQ(f.view.lastHit().kind, K::None) << "the view drops a deleted object";
}

TEST(MapViewToolTest, SelectionCopyCutAndPaste)
{
    ViewFixture f(16, 16);
    f.b.heart(3, {4, 4});
    f.b.paint({7, 2, 7, 2}, Water, 2);
    f.view.selectTool(ToolCode::RectangleSelect);
    f.drag({2, 2}, {7, 6});
    ASSERT_TRUE(f.view.selection());
    EXPECT_TRUE(f.view.isSelected({7, 6}));
    ASSERT_TRUE(f.view.copy());
    EXPECT_FALSE(f.view.selection()) << "copying ends the selection";
    EXPECT_EQ(f.state.clipboard().width, 6);
    EXPECT_EQ(f.state.clipboard().height, 5);

    ASSERT_TRUE(f.view.paste());
    EXPECT_EQ(f.state.tool(), ToolCode::Stamp);
    f.click({9, 9});
    // The heart area comes out as terrain 3 of the Neutral player, never a second heart.
    EXPECT_EQ(f.doc().GetTerrain({10, 10}), 3);
    EXPECT_EQ(f.doc().GetOwner({10, 10}), PlayerId::Neutral);
    EXPECT_EQ(f.doc().GetTerrain({14, 9}), Water);
    EXPECT_EQ(f.doc().FindPlayer(3)->heartPosition(), (TilePoint{4, 4}));
    f.view.rightDown({1, 1});
    EXPECT_EQ(f.state.tool(), ToolCode::Paint);

    // A flipped clipboard stays where it is pasted.
    f.state.startPaste();
    f.state.flipBrushX();
    f.click({1, 9});
    EXPECT_EQ(f.doc().GetTerrain({1, 9}), Water);

    f.view.selectAll();
    EXPECT_EQ(*f.view.selection(), (TileRect{1, 1, 14, 14}));
    f.view.selectTool(ToolCode::RectangleSelect);
    f.drag({2, 2}, {3, 3});
    ASSERT_TRUE(f.view.cut());
    EXPECT_FALSE(f.doc().FindPlayer(3)->hasHeart()) << "painting over the heart removes it";
    EXPECT_EQ(f.doc().GetTerrain({3, 3}), Claimed);
    EXPECT_EQ(f.doc().GetOwner({3, 3}), 3);
    EXPECT_FALSE(f.view.cut()) << "nothing selected";
}

TEST(MapViewToolTest, ClearAllKeepsTheBorder)
{
    ViewFixture f(8, 8);
    f.view.setCurrentPlayer(4);
    f.view.clearAll();
    EXPECT_EQ(f.countTerrain(Claimed), 36);
    EXPECT_EQ(f.countTerrain(TerrainId::Border), 28);
    EXPECT_EQ(f.doc().GetOwner({3, 3}), 4);
}

TEST(MapViewToolTest, DrawingForTheGoodPlayerSwapsVariants)
{
    CTypeDatabase db;
    test::addType(db.doors(), 6, "Evil Door").setIntValue(DoorField::CrateObject, 53);
    auto& goodDoor = test::addType(db.doors(), 7, "Good Door");
    goodDoor.setIntValue(DoorField::CrateObject, 53);
    goodDoor.setFlag(7, true);
    test::addType(db.traps(), 3, "Evil Trap").setIntValue(TrapField::CrateObject, 42);
    auto& goodTrap = test::addType(db.traps(), 9, "Good Trap");
    goodTrap.setIntValue(TrapField::CrateObject, 42);
    goodTrap.setFlag(15, true);

    ViewFixture f;
    f.state.setGoodPairs(GoodPairs::fromTypes(db));
    f.state.SetDrawTerrain(TerrainId::Bridge2, 3);
    f.state.setCurrentType(ThingFamily::Door, 6);
    f.state.setCurrentType(ThingFamily::Trap, 3);
    f.view.selectTool(ToolCode::PlaceDoor);
    f.view.setCurrentPlayer(PlayerId::Good);
    EXPECT_EQ(f.state.slab(), TerrainId::Bridge3);
    EXPECT_EQ(f.state.currentType(ThingFamily::Door), 7);
    EXPECT_EQ(f.state.currentType(ThingFamily::Trap), 3) << "only the current tool's family swaps";
    f.view.setCurrentPlayer(4);
    EXPECT_EQ(f.state.slab(), TerrainId::Bridge2);
    EXPECT_EQ(f.state.currentType(ThingFamily::Door), 6);
}

TEST(MapViewToolTest, KeysScrollAndUndoTakesBackAPaintClick)
{
    ViewFixture f;
    EXPECT_EQ(f.view.key(ViewKey::Left, false, 300), (ScrollRequest{-20, 0}));
    EXPECT_EQ(f.view.key(ViewKey::Down, true, 300), (ScrollRequest{0, 100}));
    EXPECT_EQ(f.view.key(ViewKey::PageUp, false, 300), (ScrollRequest{0, -298}));
    EXPECT_EQ(f.view.key(ViewKey::End, false, 300), (ScrollRequest{0, 0, false, true}));

    const uint8_t before = f.doc().GetTerrain({3, 3});
    f.click({3, 3});
    ASSERT_EQ(f.doc().GetTerrain({3, 3}), Claimed);
    EXPECT_FALSE(f.view.redo()) << "nothing undone yet";
    EXPECT_TRUE(f.view.undo());
    EXPECT_EQ(f.doc().GetTerrain({3, 3}), before);
    EXPECT_FALSE(f.view.undo()) << "the click was the only step";
    EXPECT_TRUE(f.view.redo());
    EXPECT_EQ(f.doc().GetTerrain({3, 3}), Claimed);
}

TEST(MapViewToolTest, ShrinkToFitNeverGoesBelowOnePixel)
{
    EXPECT_EQ(shrinkToFitTileSize(640, 480, 20, 20), 24);
    EXPECT_EQ(shrinkToFitTileSize(100, 100, 128, 128), 1);
    EXPECT_EQ(shrinkToFitTileSize(0, -5, 10, 10), 1);
}

TEST(MapViewToolTest, MapCommandsClearTheViewState)
{
    ViewFixture f(12, 10);
    f.view.selectAll();
    f.view.rotateMap(Turn::Right);
    EXPECT_FALSE(f.view.selection());
    EXPECT_EQ(f.doc().width(), 10u);
    f.view.flipMap(FlipAxis::Y);
    test::ScriptedPrompter prompter;
    EXPECT_TRUE(f.view.resizeMap({20, 20, Path, 2, 1, 1}, prompter));
    EXPECT_EQ(f.doc().width(), 20u);
}

} // namespace
} // namespace gr2
