#include "mapedit/FloodFill.h"

#include "level/DocumentObserver.h"
#include "mapedit/MapEdit.h"
#include "support/LevelBuilder.h"
#include "support/TilePrinting.h"

#include <gtest/gtest.h>

namespace gr2
{
namespace
{

using test::LevelBuilder;
using test::TestTerrain::Claimed;
using test::TestTerrain::Path;
using test::TestTerrain::Rock;

/// The tiles painted, in order, each once.
class PaintOrder : public DocumentObserver
{
public:
    void tilesChanged(const TileRect& r) override
    {
        TilePoint p{r.left, r.top};
        if (r.left == r.right && r.top == r.bottom && (tiles.empty() || !(tiles.back() == p)))
            tiles.push_back(p);
    }
    std::vector<TilePoint> tiles;
};

size_t fill(CWorldEditorDoc& doc, TilePoint seed, uint8_t terrain, uint8_t owner)
{
    MapEdit edit(doc);
    return FloodFill(edit, seed, terrain, owner);
}

TEST(FloodFillTest, NeverStartsOnOrReachesTheBorder)
{
    LevelBuilder b(8, 6);
    CWorldEditorDoc& doc = b.doc();
    EXPECT_EQ(fill(doc, {0, 3}, Claimed, 3), 0u);
    EXPECT_EQ(doc.GetTerrain({0, 3}), TerrainId::Border);
    EXPECT_EQ(doc.GetTerrain({1, 3}), Path);

    // The whole interior matches the seed and touches the border on every side.
    EXPECT_EQ(fill(doc, {3, 3}, Claimed, 3), 6u * 4u);
    for (int32_t y = 0; y < 6; ++y) {
        for (int32_t x = 0; x < 8; ++x) {
            const bool interior = doc.IsInterior({x, y});
            EXPECT_EQ(doc.GetTerrain({x, y}), interior ? Claimed : TerrainId::Border) << x << "," << y;
        }
    }
}

TEST(FloodFillTest, StopsAtOtherGroundOwnersAndThings)
{
    LevelBuilder b(9, 9);
    CWorldEditorDoc& doc = b.doc();
    b.paint({4, 1, 4, 7}, Rock, PlayerId::Neutral); // a wall down column 4
    b.paint({2, 2, 2, 2}, Path, 3);                 // same terrain, another owner
    doc.CreateCreature(1, 3, {3, 6}, true);         // a creature on a matching tile
    EXPECT_EQ(fill(doc, {1, 1}, Claimed, 3), 3u * 7u - 2u);
    EXPECT_EQ(doc.GetTerrain({2, 2}), Path);
    EXPECT_EQ(doc.GetTerrain({3, 6}), Path);
    EXPECT_EQ(doc.GetTerrain({5, 5}), Path) << "the other side of the wall";
    EXPECT_EQ(doc.GetOwner({1, 1}), 3);
}

TEST(FloodFillTest, SeedAlreadyPaintedChangesNothing)
{
    LevelBuilder b(6, 6);
    b.doc().SetModifiedFlag(false);
    EXPECT_EQ(fill(b.doc(), {2, 2}, Path, PlayerId::Neutral), 0u);
    EXPECT_FALSE(b.doc().isModified());
}

TEST(FloodFillTest, VisitsAboveRightBelowLeftDepthFirst)
{
    LevelBuilder b(5, 5);
    PaintOrder order;
    b.doc().addObserver(&order);
    fill(b.doc(), {2, 2}, Claimed, 3);
    const std::vector<TilePoint> expected = {{2, 2}, {2, 1}, {3, 1}, {3, 2}, {3, 3},
                                             {2, 3}, {1, 3}, {1, 2}, {1, 1}};
    EXPECT_EQ(order.tiles, expected);
    b.doc().removeObserver(&order);
}

TEST(FloodFillTest, FillsTheWholeInteriorOfTheLargestMap)
{
    LevelBuilder b(128, 128);
    EXPECT_EQ(fill(b.doc(), {64, 64}, Claimed, 3), 126u * 126u);
    EXPECT_EQ(b.doc().GetTerrain({1, 126}), Claimed);
    EXPECT_EQ(b.doc().GetTerrain({126, 1}), Claimed);
    EXPECT_EQ(b.doc().GetTerrain({0, 64}), TerrainId::Border);
}

} // namespace
} // namespace gr2
