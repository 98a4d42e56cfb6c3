#include "app/ZoomTable.h"

namespace gr2 {

int ZoomTable::tileSize(int index)
{
    if (index < 0 || index >= count())
        return kDefaultTileSize;
    return kTileSizes[size_t(index)];
}

std::string ZoomTable::label(int index) { return std::to_string(percent(index)) + "%"; }

int ZoomTable::indexOfTileSize(int tileSize)
{
    for (int i = 0; i < count(); ++i)
        if (kTileSizes[size_t(i)] == tileSize)
            return i;
    return kDefaultIndex;
}

} // namespace gr2
