#include "mapedit/FloodFill.h"

#include "level/DocumentObserver.h"
#include "mapedit/MapEdit.h"
#include "support/LevelBuilder.h"
#include "support/TilePrinting.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::TestTerrain::Claimed;
using test::TestTerrain::Path;
using test::TestTerrain::Rock;

/// Every rectangle the views are told to repaint.
class RepaintLog : public DocumentObserver {
public:
    void tilesChanged(const TileRect& r) override { rects.push_back(r); }
    std::vector<TileRect> rects;
};

size_t fill(CWorldEditorDoc& doc, TilePoint seed, uint8_t terrain, uint8_t owner)
{
    MapEdit edit(doc, "Flood Fill");
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

TEST(FloodFillTest, AnnouncesTheFilledAreaOnceAndMarksTheLevelModified)
{
    LevelBuilder b(9, 7);
    CWorldEditorDoc& doc = b.doc();
    b.paint({1, 1, 7, 5}, Rock, PlayerId::Neutral);
    b.paint({2, 2, 3, 4}, Path, PlayerId::Neutral); // an L of path inside the rock
    b.paint({4, 4, 5, 4}, Path, PlayerId::Neutral);
    doc.SetModifiedFlag(false);
    RepaintLog log;
    doc.addObserver(&log);
    EXPECT_EQ(fill(doc, {2, 2}, Claimed, 3), 8u);
    doc.removeObserver(&log);
    ASSERT_EQ(log.rects.size(), 1u);
    EXPECT_EQ(log.rects[0], (TileRect{2, 2, 5, 4}));
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.GetTerrain({5, 4}), Claimed);
    EXPECT_EQ(doc.GetTerrain({4, 3}), Rock);
}

TEST(FloodFillTest, SeedOnAHeartDismantlesItAndPaintsOnlyTheSeed)
{
    LevelBuilder b(12, 12);
    b.heart(3, {5, 5});
    CWorldEditorDoc& doc = b.doc();
    ASSERT_EQ(doc.GetTerrain({5, 5}), TerrainId::DungeonHeart);
    // The first painted tile dismantles the whole heart into claimed floor, which no longer
    // matches the seed's terrain, so the fill ends there.
    EXPECT_EQ(fill(doc, {5, 5}, Path, PlayerId::Neutral), 1u);
    EXPECT_EQ(doc.GetTerrain({5, 5}), Path);
    EXPECT_EQ(doc.GetTerrain({4, 4}), TerrainId::ClaimedFloor);
    EXPECT_FALSE(doc.FindPlayer(3)->hasHeart());
}

/// The region by its definition, one tile at a time: what the fill must paint.
std::vector<uint8_t> referenceRegion(const CWorldEditorDoc& doc, TilePoint seed)
{
    std::vector<uint8_t> in(doc.cellCount(), 0);
    const uint8_t t = doc.GetTerrain(seed), o = doc.GetOwner(seed);
    std::vector<TilePoint> open{seed};
    while (!open.empty()) {
        const TilePoint p = open.back();
        open.pop_back();
        const size_t i = size_t(p.y) * doc.width() + size_t(p.x);
        if (!doc.IsInterior(p) || in[i] || doc.GetTerrain(p) != t || doc.GetOwner(p) != o ||
            !doc.IsTileFree(p))
            continue;
        in[i] = 1;
        open.insert(open.end(), {{p.x + 1, p.y}, {p.x - 1, p.y}, {p.x, p.y + 1}, {p.x, p.y - 1}});
    }
    return in;
}

TEST(FloodFillTest, PaintsExactlyTheRegionOnMazesWithThings)
{
    // Narrow passages, dead ends, U-bends and things scattered over the region: the shapes that
    // trip a run-by-run fill. Map sizes include widths that are not a multiple of eight.
    struct Case {
        uint32_t width, height;
        unsigned seed;
    };
    for (const Case c : {Case{5, 5, 1}, Case{13, 9, 2}, Case{37, 21, 3}, Case{64, 40, 4}, Case{101, 77, 5}}) {
        LevelBuilder b(c.width, c.height);
        CWorldEditorDoc& doc = b.doc();
        uint32_t state = c.seed * 2654435761u;
        auto next = [&] { return state = state * 1664525u + 1013904223u, state >> 8; };
        for (int32_t y = 1; y + 1 < int32_t(c.height); ++y)
            for (int32_t x = 1; x + 1 < int32_t(c.width); ++x) {
                const uint32_t r = next() % 10;
                b.paint(TileRect::single({x, y}), r < 3 ? Rock : Path, r == 3 ? 3 : PlayerId::Neutral);
                if (r == 4 && doc.GetTerrain({x, y}) == Path)
                    doc.CreateObjectThing(test::TestObject::Plain, {x, y});
            }
        for (int attempt = 0; attempt < 6; ++attempt) {
            const TilePoint seed{int32_t(1 + next() % (c.width - 2)), int32_t(1 + next() % (c.height - 2))};
            const uint8_t terrain = attempt % 2 ? Claimed : Path;
            const uint8_t owner = attempt % 2 ? 3 : 4;
            const bool alreadyPainted = doc.GetTerrain(seed) == terrain && doc.GetOwner(seed) == owner;
            const std::vector<uint8_t> region =
                alreadyPainted ? std::vector<uint8_t>(doc.cellCount()) : referenceRegion(doc, seed);
            const auto before = std::vector<uint8_t>(doc.terrainTiles().begin(), doc.terrainTiles().end());
            const auto owners = std::vector<uint8_t>(doc.ownerTiles().begin(), doc.ownerTiles().end());
            const size_t expected = std::count(region.begin(), region.end(), uint8_t(1));
            EXPECT_EQ(fill(doc, seed, terrain, owner), expected) << c.width << "x" << c.height;
            for (size_t i = 0; i < region.size(); ++i) {
                EXPECT_EQ(doc.terrainTiles()[i], region[i] ? terrain : before[i]) << "tile " << i;
                EXPECT_EQ(doc.ownerTiles()[i], region[i] ? owner : owners[i]) << "tile " << i;
            }
        }
    }
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
