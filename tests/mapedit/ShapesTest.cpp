#include "mapedit/Shapes.h"
#include "support/TilePrinting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace gr2 {
namespace {

using Tiles = std::vector<TilePoint>;

TEST(ShapeToolTest, LineCoversOneTilePerMajorStep)
{
    struct Case {
        TilePoint from, to;
        Tiles expected;
    };
    const Case cases[] = {
        {{5, 5}, {5, 5}, {{5, 5}}},
        {{2, 2}, {6, 4}, {{2, 2}, {3, 3}, {4, 3}, {5, 4}, {6, 4}}},
        // Backwards the error term rounds the other way, so the middle steps move.
        {{6, 4}, {2, 2}, {{6, 4}, {5, 3}, {4, 3}, {3, 2}, {2, 2}}},
        {{1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}, {4, 4}}}, // equal distances: y-major
        {{3, 1}, {3, 4}, {{3, 1}, {3, 2}, {3, 3}, {3, 4}}},
        {{4, 2}, {1, 2}, {{4, 2}, {3, 2}, {2, 2}, {1, 2}}},
        {{1, 1}, {2, 5}, {{1, 1}, {1, 2}, {2, 3}, {2, 4}, {2, 5}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lineTiles(c.from, c.to), c.expected)
            << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
}

TEST(ShapeToolTest, LineEndsOnTheTargetOverLongDistances)
{
    const Tiles tiles = lineTiles({1, 126}, {126, 1});
    EXPECT_EQ(tiles.size(), 126u);
    EXPECT_EQ(tiles.back(), (TilePoint{126, 1}));
}

TEST(ShapeToolTest, RectangleGoesColumnByColumn)
{
    const Tiles outline = rectangleTiles({4, 3}, {2, 1}, false);
    const Tiles expectedOutline = {{2, 1}, {2, 3}, {3, 1}, {3, 3}, {4, 1}, {4, 3}, {2, 2}, {4, 2}};
    EXPECT_EQ(outline, expectedOutline);

    const Tiles filled = rectangleTiles({2, 1}, {3, 3}, true);
    const Tiles expectedFilled = {{2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}};
    EXPECT_EQ(filled, expectedFilled);
}

TEST(ShapeToolTest, DegenerateRectanglesHoldEachTileOnce)
{
    EXPECT_EQ(rectangleTiles({3, 3}, {3, 3}, false), (Tiles{{3, 3}}));
    EXPECT_EQ(rectangleTiles({3, 3}, {3, 3}, true), (Tiles{{3, 3}}));
    const Tiles row = {{1, 2}, {2, 2}, {3, 2}};
    EXPECT_EQ(rectangleTiles({1, 2}, {3, 2}, false), row);
    const Tiles column = {{5, 1}, {5, 3}, {5, 2}};
    EXPECT_EQ(rectangleTiles({5, 1}, {5, 3}, false), column);
}

TEST(ShapeToolTest, CircleOutlineAndRuns)
{
    EXPECT_EQ(circleTiles({5, 5}, {5, 5}, false), (Tiles{{5, 5}}));
    EXPECT_EQ(circleTiles({5, 5}, {5, 5}, true), (Tiles{{5, 5}}));

    // Radius 2 (the larger axis distance to the rim tile).
    const Tiles outline = circleTiles({5, 5}, {6, 7}, false);
    const std::set<std::pair<int, int>> ring(
        {{5, 7}, {5, 3}, {7, 5}, {3, 5}, {6, 7}, {4, 7}, {6, 3}, {4, 3}, {7, 6}, {3, 6}, {7, 4}, {3, 4}});
    std::set<std::pair<int, int>> got;
    for (TilePoint p : outline)
        got.insert({p.x, p.y});
    EXPECT_EQ(got, ring);
    EXPECT_EQ(outline.size(), ring.size()) << "no tile twice";

    const Tiles filled = circleTiles({5, 5}, {7, 5}, true);
    std::set<std::pair<int, int>> disc;
    for (TilePoint p : filled)
        disc.insert({p.x, p.y});
    EXPECT_EQ(filled.size(), disc.size());
    for (int x = 3; x <= 7; ++x)
        EXPECT_TRUE(disc.count({x, 5})) << "centre row spans the diameter at x " << x;
    for (const auto& [x, y] : ring)
        EXPECT_TRUE(disc.count({x, y})) << "the outline lies inside the filled disc at " << x << "," << y;
    EXPECT_FALSE(disc.count({3, 3})) << "corners stay outside";
}

TEST(ShapeToolTest, PointerClampsIntoTheInterior)
{
    EXPECT_EQ(clampToInterior({0, 0}, 10, 8), (TilePoint{1, 1}));
    EXPECT_EQ(clampToInterior({9, 7}, 10, 8), (TilePoint{8, 6}));
    EXPECT_EQ(clampToInterior({-40, 300}, 10, 8), (TilePoint{1, 6}));
    EXPECT_EQ(clampToInterior({4, 3}, 10, 8), (TilePoint{4, 3}));
}

} // namespace
} // namespace gr2
