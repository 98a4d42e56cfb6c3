#pragma once
// The zoom steps of the map view: six tile sizes and the percentages the drop-down shows for them
// (the 32-pixel tile is 100%).

#include <array>
#include <string>

namespace gr2 {

struct ZoomTable {
    static constexpr std::array<int, 6> kTileSizes = {64, 48, 32, 24, 16, 8};
    static constexpr int kDefaultIndex = 2;
    static constexpr int kDefaultTileSize = 32;

    static int count() { return int(kTileSizes.size()); }
    /// The tile size of an entry; the 100% size for an index out of range.
    static int tileSize(int index);
    static int percent(int index) { return tileSize(index) * 100 / kDefaultTileSize; }
    /// "200%", "150%", ... "25%".
    static std::string label(int index);
    /// The entry showing this tile size; the 100% entry for a size not in the table.
    static int indexOfTileSize(int tileSize);
    /// The next larger (smaller) tile size of the table, for a zoom by one step; the largest
    /// (smallest) stays. A size between entries goes to the neighbouring entry.
    static int zoomedIn(int tileSize);
    static int zoomedOut(int tileSize);
};

} // namespace gr2
