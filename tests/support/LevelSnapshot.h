#pragma once
// A comparable copy of everything a map transformation moves: tiles, things, markers and the
// players' positions and rooms. Two snapshots are equal when the level has the same shape.

#include "level/CWorldEditorDoc.h"
#include "support/TilePrinting.h"

#include <ostream>
#include <vector>

namespace gr2::test {

struct PlayerPlaces {
    uint8_t id = 0;
    BuildArea buildArea;
    TilePoint camera;
    TilePoint heart;
    std::vector<TilePoint> portals;
    std::vector<TilePoint> gateReferences;
    std::vector<uint8_t> gateDirections;
    bool operator==(const PlayerPlaces&) const = default;
};

struct LevelSnapshot {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> terrain;
    std::vector<uint8_t> owner;
    std::vector<TilePoint> creatures, doors, traps, objects;
    std::vector<TileRect> actionPoints;
    std::vector<TileRect> generators; ///< position and extent as left, top, width, height
    std::vector<PlayerPlaces> players;
    bool operator==(const LevelSnapshot&) const = default;
};

LevelSnapshot snapshotOf(const CWorldEditorDoc& doc);

/// Compares field by field, so a failure names what differs. Build areas are not stored in level
/// files, so a comparison of saved levels leaves them out.
void expectSameLevel(const LevelSnapshot& actual, const LevelSnapshot& expected, bool withBuildAreas = true);

/// Shows the tiles as rows of "terrain/owner" for failure messages.
std::ostream& operator<<(std::ostream& os, const LevelSnapshot& s);

} // namespace gr2::test
