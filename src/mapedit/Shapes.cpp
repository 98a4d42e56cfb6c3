#include "mapedit/Shapes.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

namespace gr2 {

namespace {

/// Keeps the first appearance of every tile: the circle's octants meet on shared tiles.
class UniqueTiles {
public:
    void add(TilePoint p)
    {
        uint64_t key = (uint64_t(uint32_t(p.x)) << 32) | uint32_t(p.y);
        if (m_seen.insert(key).second)
            m_tiles.push_back(p);
    }
    void run(int32_t x0, int32_t x1, int32_t y)
    {
        for (int32_t x = x0; x <= x1; ++x)
            add({x, y});
    }
    std::vector<TilePoint> take() { return std::move(m_tiles); }

private:
    std::unordered_set<uint64_t> m_seen;
    std::vector<TilePoint> m_tiles;
};

} // namespace

std::vector<TilePoint> lineTiles(TilePoint from, TilePoint to)
{
    // 64-bit arithmetic: the doubled distances of far-apart tiles must not overflow.
    const int64_t dx = int64_t(to.x) - from.x;
    const int64_t dy = int64_t(to.y) - from.y;
    const int64_t ax = 2 * std::llabs(dx);
    const int64_t ay = 2 * std::llabs(dy);
    const int32_t sx = dx > 0 ? 1 : -1;
    const int32_t sy = dy > 0 ? 1 : -1;
    std::vector<TilePoint> tiles;
    tiles.reserve(size_t(std::max(std::llabs(dx), std::llabs(dy))) + 1);
    int32_t x = from.x;
    int32_t y = from.y;
    if (ay < ax) {
        int64_t d = ay - ax / 2;
        for (;;) {
            tiles.push_back({x, y});
            if (x == to.x)
                break;
            if (d >= 0) {
                y += sy;
                d -= ax;
            }
            x += sx;
            d += ay;
        }
    } else {
        int64_t d = ax - ay / 2;
        for (;;) {
            tiles.push_back({x, y});
            if (y == to.y)
                break;
            if (d >= 0) {
                x += sx;
                d -= ay;
            }
            y += sy;
            d += ax;
        }
    }
    return tiles;
}

TileRect normalisedRect(TilePoint a, TilePoint b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

std::vector<TilePoint> rectangleTiles(TilePoint a, TilePoint b, bool filled)
{
    const TileRect r = normalisedRect(a, b);
    std::vector<TilePoint> tiles;
    for (int32_t x = r.left; x <= r.right; ++x) {
        tiles.push_back({x, r.top});
        if (filled)
            for (int32_t y = r.top + 1; y < r.bottom; ++y)
                tiles.push_back({x, y});
        if (r.bottom != r.top)
            tiles.push_back({x, r.bottom});
    }
    if (!filled) {
        for (int32_t y = r.top + 1; y < r.bottom; ++y) {
            tiles.push_back({r.left, y});
            if (r.right != r.left)
                tiles.push_back({r.right, y});
        }
    }
    return tiles;
}

std::vector<TilePoint> circleTiles(TilePoint c, TilePoint rim, bool filled)
{
    const int32_t r = std::max(std::abs(rim.x - c.x), std::abs(rim.y - c.y));
    UniqueTiles out;
    auto emitOutline = [&](int32_t x, int32_t y) {
        out.add({c.x + x, c.y + y});
        out.add({c.x - x, c.y + y});
        out.add({c.x + x, c.y - y});
        out.add({c.x - x, c.y - y});
    };
    auto emitRuns = [&](int32_t x, int32_t y) {
        out.run(c.x - x, c.x + x, c.y + y);
        out.run(c.x - x, c.x + x, c.y - y);
    };
    int32_t x = 0;
    int32_t y = r;
    int64_t d = 3 - 2 * int64_t(r);
    while (x < y) {
        if (filled) {
            emitRuns(x, y);
            emitRuns(y, x);
        } else {
            emitOutline(x, y);
            emitOutline(y, x);
        }
        if (d < 0) {
            d += 4 * int64_t(x) + 6;
        } else {
            d += 4 * (int64_t(x) - y) + 10;
            --y;
        }
        ++x;
    }
    if (x == y) {
        if (filled)
            emitRuns(x, y);
        else
            emitOutline(x, y);
    }
    return out.take();
}

TilePoint clampToInterior(TilePoint p, uint32_t width, uint32_t height)
{
    auto clampAxis = [](int32_t v, uint32_t side) {
        const int32_t last = std::max<int32_t>(1, int32_t(side) - 2);
        return std::clamp(v, 1, last);
    };
    return {clampAxis(p.x, width), clampAxis(p.y, height)};
}

} // namespace gr2
