#pragma once
// Portals and hero gates: rooms that the map's terrain shows but whose properties live with their
// player. Their footprints decide which tiles a tile test, a repaint or an owner change touches.

#include "level/LevelIds.h"
#include "level/TileGeometry.h"

#include <cstdint>

namespace gr2 {

struct PortalEntry {
    TilePoint centre;
    uint16_t health = 100; ///< percent; 0 is written as 100
    uint8_t terrain = TerrainId::Portal;
    uint8_t ownerId = 0;
};

struct HeroGateEntry {
    TilePoint reference;
    uint8_t direction = 0;
    uint16_t health = 100;
    uint8_t terrain = TerrainId::HeroGate;
    uint8_t ownerId = 0;
};

/// A portal is the 3 × 3 block around its centre.
inline TileRect portalFootprint(TilePoint centre)
{
    return TileRect::around(centre, 1);
}
/// A Dungeon Heart is the 5 × 5 block around its heart position.
inline TileRect heartFootprint(TilePoint heart)
{
    return TileRect::around(heart, 2);
}
/// The tiles of a hero gate, which depend on its room terrain and direction.
TileRect heroGateFootprint(uint8_t terrain, uint8_t direction, TilePoint reference);
inline TileRect heroGateFootprint(const HeroGateEntry& gate)
{
    return heroGateFootprint(gate.terrain, gate.direction, gate.reference);
}

} // namespace gr2
