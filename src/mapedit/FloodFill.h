#pragma once
// The flood fill tool: the four-connected region of tiles that share the seed's terrain and owner,
// never the border and never a tile a thing stands on.

#include "level/TileGeometry.h"

#include <cstdint>

namespace gr2
{

class MapEdit;

/// Paints the region of `seed` with the terrain and owner. Tiles are visited above, right, below,
/// left first, depth first, with an explicit stack and the document's visited marks, so any map
/// size finishes without deep recursion. Answers the number of tiles painted.
size_t FloodFill(MapEdit& edit, TilePoint seed, uint8_t terrain, uint8_t owner);

} // namespace gr2
