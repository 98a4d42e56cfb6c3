#pragma once
// Copy, Cut and Clear All: the map commands that read or repaint a selected region or the whole
// map.

#include "level/TileGeometry.h"
#include "mapedit/TileBrush.h"

#include <cstdint>

namespace gr2 {

class CWorldEditorDoc;
class MapEdit;

/// The region's tiles as a clipboard: offsets from the region's top-left, origin (0, 0), extent
/// the region's size. A tile of a special room is copied as terrain 3 owned by the Neutral player,
/// so a paste never makes a second heart, portal or gate. Tiles outside the map are left out.
TileBrush copyRegion(const CWorldEditorDoc& doc, const TileRect& region);

/// Paints every interior tile of the region with the terrain and owner.
void fillRegion(MapEdit& edit, const TileRect& region, uint8_t terrain, uint8_t owner);

/// Clear All: every tile gets the terrain and owner, then the border is redrawn.
void clearAll(MapEdit& edit, uint8_t terrain, uint8_t owner);

} // namespace gr2
