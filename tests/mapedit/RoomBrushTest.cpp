#include "mapedit/RoomBrushes.h"

#include "mapedit/EditorState.h"
#include "mapedit/MapEdit.h"
#include "support/LevelBuilder.h"
#include "support/TilePrinting.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::TestTerrain::Claimed;
using test::TestTerrain::Path;

StampResult stamp(CWorldEditorDoc& doc, const TileBrush& brush, TilePoint at)
{
    MapEdit edit(doc, "Stamp");
    return stampBrush(edit, brush, at);
}

TEST(RoomBrushTest, BrushShapes)
{
    struct Case {
        uint8_t terrain;
        uint8_t direction;
        int32_t width, height;
    };
    const Case cases[] = {{12, 0, 3, 3}, {40, 0, 3, 3}, {14, 0, 5, 5}, {33, 0, 2, 2}, {37, 0, 3, 1},
                          {37, 4, 3, 1}, {37, 2, 1, 3}, {37, 6, 1, 3}, {34, 0, 5, 7}};
    for (const Case& c : cases) {
        const TileBrush b = roomBrush(c.terrain, c.direction, 4);
        EXPECT_EQ(b.width, c.width) << int(c.terrain);
        EXPECT_EQ(b.height, c.height) << int(c.terrain);
        EXPECT_EQ(b.cells.size(), size_t(c.width * c.height));
        EXPECT_EQ(b.origin, (TilePoint{0, 0}));
        if (c.terrain == 34)
            continue;
        for (const BrushCell& cell : b.cells) {
            EXPECT_TRUE(cell.terrain == c.terrain && cell.owner == 4) << int(c.terrain);
        }
    }
    EXPECT_TRUE(roomBrush(3, 0, 4).empty());

    // The large gate: a Neutral frame of terrain 1, open in the middle of its bottom row.
    const TileBrush gate = roomBrush(34, 0, 4);
    const char* rows[] = {"11111", "1GGG1", "1GGG1", "1GGG1", "1GGG1", "1GGG1", "11G11"};
    for (int32_t y = 0; y < 7; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            const BrushCell* c = gate.cellAt({x, y});
            ASSERT_NE(c, nullptr);
            const bool frame = rows[y][x] == '1';
            EXPECT_EQ(c->terrain, frame ? 1 : 34) << x << "," << y;
            EXPECT_EQ(c->owner, frame ? PlayerId::Neutral : PlayerId::Good) << x << "," << y;
        }
    }
}

TEST(RoomBrushTest, PortalIsPaintedAndRegistered)
{
    LevelBuilder b(10, 10);
    CWorldEditorDoc& doc = b.doc();
    EXPECT_TRUE(stamp(doc, roomBrush(40, 0, 3), {2, 3}).stamped);
    ASSERT_EQ(doc.FindPlayer(3)->portals().size(), 1u);
    const PortalEntry& portal = doc.FindPlayer(3)->portals()[0];
    EXPECT_EQ(portal.centre, (TilePoint{3, 4}));
    EXPECT_EQ(portal.terrain, 40);
    for (int32_t y = 3; y <= 5; ++y)
        for (int32_t x = 2; x <= 4; ++x)
            EXPECT_TRUE(doc.GetTerrain({x, y}) == 40 && doc.GetOwner({x, y}) == 3) << x << "," << y;
}

TEST(RoomBrushTest, BlockReachingTheBorderIsRefusedWhole)
{
    LevelBuilder b(10, 10);
    CWorldEditorDoc& doc = b.doc();
    doc.SetModifiedFlag(false);
    // Far corner inside, first row on the border: nothing may be laid.
    EXPECT_FALSE(stamp(doc, roomBrush(12, 0, 3), {2, 0}).stamped);
    EXPECT_FALSE(stamp(doc, roomBrush(12, 0, 3), {7, 7}).stamped);
    EXPECT_FALSE(stamp(doc, roomBrush(14, 0, 3), {-1, 2}).stamped);
    EXPECT_TRUE(doc.FindPlayer(3)->portals().empty());
    EXPECT_FALSE(doc.FindPlayer(3)->hasHeart());
    EXPECT_EQ(doc.GetTerrain({2, 1}), Path);
    EXPECT_FALSE(doc.isModified());
}

TEST(RoomBrushTest, SolidRoomIsNotLaidOverAThing)
{
    LevelBuilder b(12, 12);
    b.types().terrains[TerrainId::DungeonHeart] |= TerrainFlag::Solid;
    b.doc().CreateCreature(1, 3, {4, 4}, true);
    EXPECT_FALSE(stamp(b.doc(), roomBrush(14, 0, 3), {2, 2}).stamped);
    EXPECT_FALSE(b.doc().FindPlayer(3)->hasHeart());
    EXPECT_TRUE(stamp(b.doc(), roomBrush(14, 0, 3), {6, 6}).stamped);
}

TEST(RoomBrushTest, HeartOnlyOncePerPlayerAndCameraFollows)
{
    LevelBuilder b(16, 16);
    CWorldEditorDoc& doc = b.doc();
    const StampResult first = stamp(doc, roomBrush(14, 0, 3), {2, 2});
    EXPECT_TRUE(first.stamped && first.placedHeart);
    CPlayer& p = *doc.FindPlayer(3);
    EXPECT_EQ(p.heartPosition(), (TilePoint{4, 4}));
    EXPECT_EQ(p.cameraStart(), (TilePoint{4, 4}));

    const StampResult second = stamp(doc, roomBrush(14, 0, 3), {8, 8});
    EXPECT_FALSE(second.stamped);
    EXPECT_EQ(p.heartPosition(), (TilePoint{4, 4}));
    EXPECT_EQ(doc.GetTerrain({10, 10}), Path);

    // Another player's heart keeps a camera start that was set elsewhere.
    b.playersUpTo(4);
    doc.FindPlayer(4)->setCameraStart({12, 2});
    EXPECT_TRUE(stamp(doc, roomBrush(14, 0, 4), {8, 8}).placedHeart);
    EXPECT_EQ(doc.FindPlayer(4)->cameraStart(), (TilePoint{12, 2}));
}

TEST(RoomBrushTest, HeroGatesRegisterForTheGoodPlayer)
{
    struct Case {
        uint8_t terrain;
        uint8_t direction;
        TilePoint reference;
    };
    const Case cases[] = {{33, 0, {3, 3}}, {37, 0, {4, 3}}, {37, 4, {4, 3}},
                          {37, 2, {3, 4}}, {37, 6, {3, 4}}, {34, 0, {5, 6}}};
    for (const Case& c : cases) {
        LevelBuilder b(16, 16);
        ASSERT_TRUE(stamp(b.doc(), roomBrush(c.terrain, c.direction, 3), {3, 3}).stamped) << int(c.terrain);
        const auto& gates = b.doc().FindPlayer(PlayerId::Good)->heroGates();
        ASSERT_EQ(gates.size(), 1u);
        EXPECT_EQ(gates[0].reference, c.reference) << int(c.terrain) << " " << int(c.direction);
        EXPECT_EQ(gates[0].direction, c.direction);
        EXPECT_EQ(gates[0].terrain, c.terrain);
        EXPECT_TRUE(b.doc().FindHeroGate(c.reference)) << int(c.terrain);
    }
}

TEST(RoomBrushTest, NewPortalOverAnOldOneStaysWhole)
{
    LevelBuilder b(12, 12);
    CWorldEditorDoc& doc = b.doc();
    b.portal(3, {4, 4});
    // Overlaps the old portal's right column: the old one is dismantled, the new one complete.
    ASSERT_TRUE(stamp(doc, roomBrush(12, 0, 3), {5, 3}).stamped);
    const auto& portals = doc.FindPlayer(3)->portals();
    ASSERT_EQ(portals.size(), 1u);
    EXPECT_EQ(portals[0].centre, (TilePoint{6, 4}));
    for (int32_t y = 3; y <= 5; ++y) {
        for (int32_t x = 5; x <= 7; ++x)
            EXPECT_EQ(doc.GetTerrain({x, y}), 12) << x << "," << y;
        EXPECT_EQ(doc.GetTerrain({3, y}), Claimed);
    }
}

TEST(RoomBrushTest, RoomLaidOverAWideGateFootprintIsCompletedAgain)
{
    LevelBuilder b(14, 14);
    CWorldEditorDoc& doc = b.doc();
    ASSERT_TRUE(stamp(doc, roomBrush(34, 0, 3), {2, 2}).stamped);
    // The portal's first tile lies on the gate's frame; its second on the gate itself, whose
    // dismantling clears the gate's whole footprint, the portal tile laid just before included.
    ASSERT_TRUE(stamp(doc, roomBrush(12, 0, 3), {2, 3}).stamped);
    EXPECT_TRUE(doc.FindPlayer(PlayerId::Good)->heroGates().empty());
    ASSERT_EQ(doc.FindPlayer(3)->portals().size(), 1u);
    for (int32_t y = 3; y <= 5; ++y)
        for (int32_t x = 2; x <= 4; ++x)
            EXPECT_TRUE(doc.GetTerrain({x, y}) == 12 && doc.GetOwner({x, y}) == 3) << x << "," << y;
}

TEST(RoomBrushTest, PlainBrushSkipsTheBorder)
{
    LevelBuilder b(6, 6);
    TileBrush brush;
    brush.width = 2;
    brush.height = 1;
    brush.cells = {{{0, 0}, Claimed, 3}, {{1, 0}, Claimed, 4}};
    EXPECT_TRUE(stamp(b.doc(), brush, {4, 2}).stamped);
    EXPECT_EQ(b.doc().GetTerrain({4, 2}), Claimed);
    EXPECT_EQ(b.doc().GetOwner({4, 2}), 3);
    EXPECT_EQ(b.doc().GetTerrain({5, 2}), TerrainId::Border);
}

TEST(RoomBrushTest, EditorStateBuildsTurnsAndDropsTheBrush)
{
    EditorState state;
    state.SetDrawTerrain(5, 3);
    state.selectTool(ToolCode::Line);
    state.SetDrawTerrain(14, 0);
    EXPECT_EQ(state.tool(), ToolCode::Stamp);
    EXPECT_FALSE(state.shapeToolsEnabled());
    EXPECT_EQ(state.brush().cells.front().owner, PlayerId::FirstVorlan) << "no player: player 3";
    EXPECT_EQ(state.slab(), 14);
    EXPECT_EQ(state.paintSlab(), 5);
    state.dropBrush();
    EXPECT_EQ(state.tool(), ToolCode::Paint);
    EXPECT_EQ(state.slab(), 5);
    EXPECT_TRUE(state.brush().empty());

    state.SetDrawTerrain(37, 4);
    EXPECT_EQ(state.brush().width, 3);
    const uint8_t expected[] = {2, 4, 6, 0};
    for (uint8_t d : expected) {
        state.rotateRoomBrush();
        EXPECT_EQ(state.gateDirection(), d);
        EXPECT_EQ(state.brush().direction, d);
        EXPECT_EQ(state.brush().width, d == 0 || d == 4 ? 3 : 1);
        EXPECT_EQ(state.brush().cells.front().owner, 4);
    }
    state.rotateBrush(Turn::Left);
    EXPECT_EQ(state.gateDirection(), 6);
    state.flipBrushX();
    EXPECT_EQ(state.gateDirection(), 2);

    // Selecting another tool drops the waiting room brush.
    state.selectTool(ToolCode::RectangleSelect);
    EXPECT_TRUE(state.brush().empty());
    EXPECT_EQ(state.slab(), 5);
}

} // namespace
} // namespace gr2
