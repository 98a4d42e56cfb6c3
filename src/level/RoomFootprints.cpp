#include "level/RoomFootprints.h"

namespace gr2 {

TileRect heroGateFootprint(uint8_t terrain, uint8_t direction, TilePoint r)
{
    const bool alongY = direction == 0 || direction == 4;
    switch (terrain) {
    case TerrainId::HeroGateLarge:
        return alongY ? TileRect{r.x - 2, r.y - 2, r.x + 3, r.y + 5}
                      : TileRect{r.x - 2, r.y - 2, r.x + 5, r.y + 3};
    case TerrainId::HeroGateSmall:
        return alongY ? TileRect{r.x - 1, r.y, r.x + 1, r.y} : TileRect{r.x, r.y - 1, r.x, r.y + 1};
    default:
        return {r.x, r.y, r.x + 1, r.y + 1};
    }
}

} // namespace gr2
