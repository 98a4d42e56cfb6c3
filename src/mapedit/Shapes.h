#pragma once
// The tiles a dragged line, rectangle or circle covers, in the order they are painted. Pure
// geometry: the caller decides which of the tiles may be painted.

#include "level/TileGeometry.h"

#include <vector>

namespace gr2 {

/// Integer Bresenham from `from` to `to`, both ends included; y-major when |dx| = |dy|.
std::vector<TilePoint> lineTiles(TilePoint from, TilePoint to);

/// The rectangle spanned by two corners: column by column from the left, each column's top tile,
/// then (filled) the tiles between, then its bottom tile; an outline then adds the left and right
/// tiles of the rows in between. No tile appears twice.
std::vector<TilePoint> rectangleTiles(TilePoint a, TilePoint b, bool filled);

/// The midpoint circle around `centre` whose radius is the larger axis distance to `rim`: its
/// outline, or (filled) its horizontal runs. No tile appears twice.
std::vector<TilePoint> circleTiles(TilePoint centre, TilePoint rim, bool filled);

/// The inclusive rectangle spanned by two corners.
TileRect normalisedRect(TilePoint a, TilePoint b);

/// The tile moved into the interior of a map of the given size (x 0 becomes 1, x beyond the last
/// interior column becomes width - 2; likewise for y).
TilePoint clampToInterior(TilePoint p, uint32_t width, uint32_t height);

} // namespace gr2
