#include "level/CEffectGenerator.h"

#include <algorithm>

namespace gr2 {

namespace {

uint16_t clampSide(uint16_t extent, int64_t start, uint32_t mapSide)
{
    // The last usable extent is the one that ends on the tile before the map's far edge.
    int64_t room = std::max<int64_t>(0, int64_t(mapSide) - start - 1);
    return int64_t(extent) > room ? uint16_t(std::min<int64_t>(room, 0xFFFF)) : extent;
}

} // namespace

void CEffectGenerator::clampExtent(uint32_t mapWidth, uint32_t mapHeight)
{
    m_width = clampSide(m_width, x(), mapWidth);
    m_height = clampSide(m_height, y(), mapHeight);
}

} // namespace gr2
