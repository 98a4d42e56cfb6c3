#include "mapedit/FloodFill.h"

#include "level/LevelIds.h"
#include "mapedit/MapEdit.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

namespace gr2 {

namespace {

bool holdsSpecialRoom(uint8_t terrain)
{
    return TerrainId::isPortal(terrain) || TerrainId::isHeroGate(terrain) ||
           terrain == TerrainId::DungeonHeart;
}

/// Tile by tile through the painting rule, depth first with an explicit stack: each painted tile
/// may dismantle a room and so change the region while it is being filled.
size_t fillTileByTile(MapEdit& edit, TilePoint seed, uint8_t terrain, uint8_t owner)
{
    CWorldEditorDoc& doc = edit.doc();
    const uint8_t seedTerrain = doc.GetTerrain(seed);
    const uint8_t seedOwner = doc.GetOwner(seed);
    doc.clearVisited();
    size_t painted = 0;
    std::vector<TilePoint> stack{seed};
    while (!stack.empty()) {
        const TilePoint p = stack.back();
        stack.pop_back();
        if (!doc.IsInside(p) || doc.visited(p))
            continue;
        doc.setVisited(p, 1);
        if (!doc.IsInterior(p) || doc.GetTerrain(p) != seedTerrain || doc.GetOwner(p) != seedOwner ||
            !doc.IsTileFree(p))
            continue;
        if (edit.paintTile(p, terrain, owner))
            ++painted;
        // Pushed in reverse so that the tile above is taken next, as a recursive fill would.
        stack.push_back({p.x - 1, p.y});
        stack.push_back({p.x, p.y + 1});
        stack.push_back({p.x + 1, p.y});
        stack.push_back({p.x, p.y - 1});
    }
    return painted;
}

// Word-at-a-time scans of a row of the region mask (bytes 0 or 1): a designer's regions are long
// runs, so most of the fill is finding where a run starts and ends. A word's lowest byte is the
// leftmost tile, so counting zero bits from the bottom counts tiles to the right.
static_assert(std::endian::native == std::endian::little, "the run scans read tiles as words");
constexpr uint64_t kAllOnes = 0x0101010101010101ull;

uint64_t loadWord(const uint8_t* p)
{
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

/// The first x in [from, to) whose byte is set, or `to`. Bytes up to `readable` may be read.
uint32_t firstSet(const uint8_t* row, uint32_t from, uint32_t to, size_t readable)
{
    for (; from < to; from += 8) {
        if (from + 8 > readable) {
            while (from < to && !row[from])
                ++from;
            return from;
        }
        if (const uint64_t w = loadWord(row + from))
            return std::min(to, from + uint32_t(std::countr_zero(w)) / 8);
    }
    return to;
}

/// The first x in [from, to) whose byte is clear, or `to`.
uint32_t firstClear(const uint8_t* row, uint32_t from, uint32_t to, size_t readable)
{
    for (; from < to; from += 8) {
        if (from + 8 > readable) {
            while (from < to && row[from])
                ++from;
            return from;
        }
        if (const uint64_t w = loadWord(row + from) ^ kAllOnes)
            return std::min(to, from + uint32_t(std::countr_zero(w)) / 8);
    }
    return to;
}

/// The first x at or left of `x` whose run of set bytes reaches `x`; byte x - 1 must be readable
/// and the row must hold a clear byte left of the run.
uint32_t runStart(const uint8_t* row, uint32_t x)
{
    while (x >= 8) {
        const uint64_t w = loadWord(row + x - 8) ^ kAllOnes;
        if (w)
            return x - uint32_t(std::countl_zero(w)) / 8;
        x -= 8;
    }
    while (row[x - 1])
        --x;
    return x;
}

/// Span fill over a mask of the tiles that belong to the region: each popped seed grows into the
/// longest run of its row, the run is stored at once, and the first tile of every run of region
/// tiles touching it above and below is pushed. Painting a run takes it out of the mask, so every
/// tile is stored once and the loop ends.
size_t fillByRuns(MapEdit& edit, TilePoint seed, uint8_t terrain, uint8_t owner)
{
    CWorldEditorDoc& doc = edit.doc();
    const uint32_t width = doc.width();
    const uint32_t height = doc.height();
    const auto terrainTiles = doc.terrainTiles();
    const auto ownerTiles = doc.ownerTiles();
    const uint8_t seedTerrain = terrainTiles[size_t(seed.y) * width + size_t(seed.x)];
    const uint8_t seedOwner = ownerTiles[size_t(seed.y) * width + size_t(seed.x)];

    // Only interior tiles can be in the mask, so a run always ends on a clear byte inside its row.
    // Every byte is written below, so the mask starts uninitialised.
    const size_t cells = doc.cellCount();
    const auto maskStore = std::make_unique_for_overwrite<uint8_t[]>(cells);
    const std::span<uint8_t> inRegion(maskStore.get(), cells);
    std::memset(inRegion.data(), 0, width);
    for (uint32_t y = 1; y + 1 < height; ++y) {
        uint8_t* row = inRegion.data() + size_t(y) * width;
        const uint8_t* t = terrainTiles.data() + size_t(y) * width;
        const uint8_t* o = ownerTiles.data() + size_t(y) * width;
        row[0] = 0;
        for (uint32_t x = 1; x + 1 < width; ++x)
            row[x] = uint8_t((t[x] == seedTerrain) & (o[x] == seedOwner));
        row[width - 1] = 0;
    }
    std::memset(inRegion.data() + size_t(height - 1) * width, 0, width);
    doc.ClearOccupiedTiles(inRegion);

    // A seed remembers the run it was found from: that run's row needs scanning again only
    // beside the run, since the run itself is painted and out of the mask. The first seed has an
    // empty run (left above right) and scans both neighbouring rows whole.
    struct Seed {
        uint32_t x, y;
        uint32_t fromY, fromLeft, fromRight;
    };
    size_t painted = 0;
    TileRect bounds{seed.x, seed.y, seed.x, seed.y};
    std::vector<Seed> stack{{uint32_t(seed.x), uint32_t(seed.y), uint32_t(seed.y), 1, 0}};
    auto readableFrom = [&](uint32_t y) { return inRegion.size() - size_t(y) * width; };
    // Pushes the first tile of every region run of row y within [left, right], found from `from`.
    auto pushRunsOf = [&](uint32_t y, uint32_t left, uint32_t right, const Seed& from) {
        const uint8_t* row = inRegion.data() + size_t(y) * width;
        const size_t readable = readableFrom(y);
        const uint32_t end = right + 1;
        for (uint32_t x = firstSet(row, left, end, readable); x < end;
             x = firstSet(row, firstClear(row, x, end, readable), end, readable))
            stack.push_back({x, y, from.y, from.fromLeft, from.fromRight});
    };
    while (!stack.empty()) {
        const Seed s = stack.back();
        stack.pop_back();
        uint8_t* row = inRegion.data() + size_t(s.y) * width;
        if (!row[s.x])
            continue;
        const uint32_t left = runStart(row, s.x);
        const uint32_t right = firstClear(row, s.x, width, readableFrom(s.y)) - 1;
        std::memset(row + left, 0, right - left + 1);
        doc.StoreRun(s.y, left, right, terrain, owner);
        painted += right - left + 1;
        bounds = bounds.united({int32_t(left), int32_t(s.y), int32_t(right), int32_t(s.y)});
        const Seed here{s.x, s.y, s.y, left, right}; // this run, as the next seeds' origin
        for (const uint32_t y : {s.y - 1, s.y + 1}) {
            if (y != s.fromY || s.fromLeft > s.fromRight) {
                pushRunsOf(y, left, right, here);
                continue;
            }
            if (left < s.fromLeft)
                pushRunsOf(y, left, s.fromLeft - 1, here);
            if (right > s.fromRight)
                pushRunsOf(y, s.fromRight + 1, right, here);
        }
    }
    if (painted > 0)
        edit.tilesStored(bounds);
    return painted;
}

} // namespace

size_t FloodFill(MapEdit& edit, TilePoint seed, uint8_t terrain, uint8_t owner)
{
    CWorldEditorDoc& doc = edit.doc();
    if (!doc.IsInside(seed) || !doc.IsInterior(seed) || !doc.IsTileFree(seed))
        return 0;
    const uint8_t seedTerrain = doc.GetTerrain(seed);
    if (seedTerrain == terrain && doc.GetOwner(seed) == owner)
        return 0;
    return holdsSpecialRoom(seedTerrain) ? fillTileByTile(edit, seed, terrain, owner)
                                         : fillByRuns(edit, seed, terrain, owner);
}

} // namespace gr2
