#include "mapedit/TileBrush.h"
#include "support/TilePrinting.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

/// A 3 × 2 brush whose cells are numbered by their terrain:
///   1 2 3
///   4 5 6
TileBrush numbered(TilePoint origin = {0, 0})
{
    TileBrush b;
    b.origin = origin;
    b.width = 3;
    b.height = 2;
    uint8_t n = 1;
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 3; ++x)
            b.cells.push_back({{origin.x + x, origin.y + y}, n++, 2});
    return b;
}

uint8_t terrainAt(const TileBrush& b, TilePoint p)
{
    const BrushCell* c = b.cellAt(p);
    return c ? c->terrain : 0;
}

TEST(TileBrushTest, FlipsMirrorWithinTheExtent)
{
    TileBrush b = numbered();
    b.flipX();
    EXPECT_EQ(terrainAt(b, {0, 0}), 3);
    EXPECT_EQ(terrainAt(b, {2, 1}), 4);
    b.flipY();
    EXPECT_EQ(terrainAt(b, {0, 0}), 6);
    EXPECT_EQ(terrainAt(b, {2, 1}), 1);
}

TEST(TileBrushTest, QuarterTurnsTurnInPlaceAndSwapTheExtent)
{
    TileBrush right = numbered();
    right.rotate(Turn::Right);
    // Clockwise on screen:  4 1
    //                       5 2
    //                       6 3
    EXPECT_EQ(right.width, 2);
    EXPECT_EQ(right.height, 3);
    EXPECT_EQ(terrainAt(right, {0, 0}), 4);
    EXPECT_EQ(terrainAt(right, {1, 0}), 1);
    EXPECT_EQ(terrainAt(right, {1, 2}), 3);

    TileBrush left = numbered();
    left.rotate(Turn::Left);
    //   3 6
    //   2 5
    //   1 4
    EXPECT_EQ(left.width, 2);
    EXPECT_EQ(terrainAt(left, {0, 0}), 3);
    EXPECT_EQ(terrainAt(left, {0, 2}), 1);
    EXPECT_EQ(terrainAt(left, {1, 2}), 4);

    TileBrush half = numbered();
    half.rotate(Turn::Half);
    EXPECT_EQ(half.width, 3);
    EXPECT_EQ(terrainAt(half, {0, 0}), 6);
    EXPECT_EQ(terrainAt(half, {2, 1}), 1);
}

TEST(TileBrushTest, TurnsComposeBackToTheStart)
{
    for (TilePoint origin : {TilePoint{0, 0}, TilePoint{4, -2}}) {
        const TileBrush start = numbered(origin);
        TileBrush b = start;
        for (int i = 0; i < 4; ++i)
            b.rotate(Turn::Right);
        EXPECT_EQ(b, start);
        b.rotate(Turn::Left);
        b.rotate(Turn::Right);
        EXPECT_EQ(b, start);
        b.rotate(Turn::Half);
        b.rotate(Turn::Right);
        b.rotate(Turn::Right);
        EXPECT_EQ(b, start);
        // Every cell stays inside the brush's own box, so turning never shifts it on the map.
        b.rotate(Turn::Right);
        for (const BrushCell& c : b.cells) {
            EXPECT_GE(c.offset.x, origin.x);
            EXPECT_LT(c.offset.x, origin.x + b.width);
            EXPECT_GE(c.offset.y, origin.y);
            EXPECT_LT(c.offset.y, origin.y + b.height);
        }
    }
}

} // namespace
} // namespace gr2
