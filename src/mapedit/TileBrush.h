#pragma once
// The multi-tile brush that stamps rooms and pasted map regions, and the clipboard that has the
// same shape. Cells keep offsets from the brush's own top-left, so flipping or rotating a brush
// turns it in place instead of shifting it across the map.

#include "level/TileGeometry.h"

#include <cstdint>
#include <vector>

namespace gr2 {

struct BrushCell {
    TilePoint offset;
    uint8_t terrain = 0;
    uint8_t owner = 0;
    bool operator==(const BrushCell&) const = default;
};

/// A quarter turn as seen on screen (y downwards), or a half turn.
enum class Turn : uint8_t { Left, Right, Half };

class TileBrush {
public:
    std::vector<BrushCell> cells;
    TilePoint origin;  ///< the offset of the brush's top-left cell position
    int32_t width = 0; ///< extent in cells
    int32_t height = 0;
    /// For a special room brush, the room terrain (12, 14, 33, 34, 37 or 40); 0 for a plain brush
    /// (a pasted clipboard).
    uint8_t roomTerrain = 0;
    /// The direction of a hero gate of terrain 37: 0 up, 2 right, 4 down, 6 left.
    uint8_t direction = 0;

    bool empty() const { return cells.empty(); }
    bool isRoom() const { return roomTerrain != 0; }
    void clear() { *this = TileBrush(); }

    /// Mirrors the cells left to right within the extent.
    void flipX();
    /// Mirrors the cells top to bottom within the extent.
    void flipY();
    /// Step A: exchange x and y about the origin, then mirror left to right: a clockwise quarter
    /// turn. The extent's width and height change places.
    void rotateStepA();
    /// Step B: the same exchange, then mirror top to bottom: an anticlockwise quarter turn.
    void rotateStepB();
    void rotate(Turn turn);

    /// The cell whose offset is `offset`, if any.
    const BrushCell* cellAt(TilePoint offset) const;

    bool operator==(const TileBrush&) const = default;
};

} // namespace gr2
