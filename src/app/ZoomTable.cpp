#include "app/ZoomTable.h"

namespace gr2 {

int ZoomTable::tileSize(int index)
{
    if (index < 0 || index >= count())
        return kDefaultTileSize;
    return kTileSizes[size_t(index)];
}

std::string ZoomTable::label(int index)
{
    return std::to_string(percent(index)) + "%";
}

int ZoomTable::indexOfTileSize(int tileSize)
{
    for (int i = 0; i < count(); ++i)
        if (kTileSizes[size_t(i)] == tileSize)
            return i;
    return kDefaultIndex;
}

int ZoomTable::zoomedIn(int tileSize)
{
    // The table runs from the largest size down.
    for (int i = count() - 1; i >= 0; --i)
        if (kTileSizes[size_t(i)] > tileSize)
            return kTileSizes[size_t(i)];
    return kTileSizes.front();
}

int ZoomTable::zoomedOut(int tileSize)
{
    for (int size : kTileSizes)
        if (size < tileSize)
            return size;
    return kTileSizes.back();
}

} // namespace gr2
