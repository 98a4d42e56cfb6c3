#pragma once
// Readable tile positions and rectangles in test failure messages.

#include "level/TileGeometry.h"

#include <ostream>

namespace gr2 {

inline void PrintTo(const TilePoint& p, std::ostream* os)
{
    *os << "(" << p.x << ", " << p.y << ")";
}

inline void PrintTo(const TileRect& r, std::ostream* os)
{
    *os << "[" << r.left << ", " << r.top << " .. " << r.right << ", " << r.bottom << "]";
}

} // namespace gr2
