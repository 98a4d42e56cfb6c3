#pragma once
// The special rooms a brush lays down whole (portals, Dungeon Hearts, hero gates): their brushes,
// and stamping any brush onto the map with the placement tests and the room's registration.

#include "level/TileGeometry.h"
#include "mapedit/TileBrush.h"

#include <cstdint>

namespace gr2 {

class MapEdit;

/// Terrains 12 and 40 (portal), 14 (Dungeon Heart), 33, 34 and 37 (hero gates).
bool isSpecialRoomTerrain(uint8_t terrain);

/// The brush of a special room terrain, cells row by row from the top-left, origin (0, 0). A
/// portal is 3 × 3, a heart 5 × 5, gate 33 2 × 2, gate 37 3 × 1 (direction 0 or 4) or 1 × 3, all of
/// the room terrain owned by `owner`; gate 34 is 5 × 7 with a frame of terrain 1 owned by the
/// Neutral player, open in the middle of its bottom row, around gate tiles owned by the Good
/// player. Empty for any other terrain.
TileBrush roomBrush(uint8_t terrain, uint8_t direction, uint8_t owner);

/// The next direction of a terrain-37 gate: 0, 2, 4, 6, 0.
inline uint8_t nextGateDirection(uint8_t direction)
{
    return uint8_t((direction / 2 * 2 + 2) % 8);
}

struct StampResult {
    bool stamped = false;     ///< at least one tile was painted
    bool placedHeart = false; ///< a Dungeon Heart was registered (the tool then returns to paint)
};

/// Stamps the brush with its offset (0, 0) on `at`. A plain brush paints every cell that falls
/// on an interior tile. A special room is stamped only when every cell lies on an interior tile
/// and may be painted there, and when its owner can take it (a player without a heart for a
/// heart, the Good player for gates); the room is then registered with its player.
StampResult stampBrush(MapEdit& edit, const TileBrush& brush, TilePoint at);

} // namespace gr2
