#pragma once
// The flood fill tool: the four-connected region of tiles that share the seed's terrain and owner,
// never the border and never a tile a thing stands on.

#include "level/TileGeometry.h"

#include <cstdint>

namespace gr2 {

class MapEdit;

/// Paints the region of `seed` with the terrain and owner and answers the number of tiles painted.
/// Any map size finishes without deep recursion. A region of portal, heart or hero-gate tiles is
/// painted tile by tile by the painting rule, so the room is dismantled as the first tile changes
/// (and the fill then stops at the claimed floor it leaves); any other region is filled row run by
/// row run and announced to the level once.
size_t FloodFill(MapEdit& edit, TilePoint seed, uint8_t terrain, uint8_t owner);

} // namespace gr2
