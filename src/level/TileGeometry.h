#pragma once
// Tile positions and inclusive tile rectangles of a level map. Positions are signed so that
// arithmetic next to the map edge (a footprint reaching past x = 0) stays meaningful.

#include <algorithm>
#include <cstdint>

namespace gr2 {

struct TilePoint {
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const TilePoint&) const = default;
};

/// An inclusive rectangle of tiles; empty when right < left or bottom < top.
struct TileRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = -1;
    int32_t bottom = -1;

    static TileRect around(TilePoint centre, int32_t radius)
    {
        return {centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    }
    static TileRect single(TilePoint p) { return {p.x, p.y, p.x, p.y}; }

    bool empty() const { return right < left || bottom < top; }
    bool contains(TilePoint p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
    TileRect intersected(const TileRect& o) const
    {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                std::min(bottom, o.bottom)};
    }
    TileRect united(const TileRect& o) const
    {
        if (empty())
            return o;
        if (o.empty())
            return *this;
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
                std::max(bottom, o.bottom)};
    }

    bool operator==(const TileRect&) const = default;
};

} // namespace gr2
