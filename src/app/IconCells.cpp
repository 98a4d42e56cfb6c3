#include "app/IconCells.h"

namespace gr2 {

int iconCellNumber(bool isTerrain, uint8_t typeId, int iconIndex, int variant)
{
    if (!isTerrain)
        return iconIndex;
    const bool ownerVariant = variant >= 3 && variant <= 6;
    if (typeId == 8 || typeId == 9) {
        if (variant == 1)
            return iconIndex + 4;
        return ownerVariant ? iconIndex + (variant - 3) : iconIndex;
    }
    if (typeId == 32)
        return ownerVariant ? iconIndex + (variant - 3) : iconIndex - 1;
    return iconIndex;
}

std::optional<int> iconTableEntry(int typeId, int entryCount)
{
    if (typeId <= 0 || entryCount <= 0)
        return std::nullopt;
    return typeId > entryCount ? entryCount - 1 : typeId - 1;
}

std::optional<IconRect> IconSheetGeometry::cell(int cellNumber) const
{
    const int cols = columns();
    if (cols <= 0 || rows() <= 0 || cellNumber < 0 || cellNumber >= cols * rows())
        return std::nullopt;
    return IconRect{(cellNumber % cols) * kIconCellSize, (cellNumber / cols) * kIconCellSize};
}

} // namespace gr2
