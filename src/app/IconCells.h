#pragma once
// Where a type's 64 × 64 picture lies in its family's icon sheet: the cell number from the type's
// icon index and an owner variant, and the cell's rectangle from the sheet's columns and rows.

#include <cstdint>
#include <optional>

namespace gr2 {

inline constexpr int kIconCellSize = 64;

struct IconRect {
    int x = 0;
    int y = 0;
    int width = kIconCellSize;
    int height = kIconCellSize;
    bool operator==(const IconRect&) const = default;
};

/// The variant the tables of cells are built with.
inline constexpr int kDefaultIconVariant = 3;

/// The cell number of a type: terrains 8 and 9 and 32 have owner variants, every other type has
/// one cell whatever the variant. `isTerrain` tells whether the type is a terrain type.
int iconCellNumber(bool isTerrain, uint8_t typeId, int iconIndex, int variant);

/// Which entry of a family's table of cells draws type `id`: entry id − 1, or the last entry when
/// the id is larger than the number of entries; nothing for id 0 or an empty table.
std::optional<int> iconTableEntry(int typeId, int entryCount);

/// The geometry of one loaded sheet.
struct IconSheetGeometry {
    int width = 0;  ///< pixels
    int height = 0; ///< pixels
    int columns() const { return width / kIconCellSize; }
    int rows() const { return height / kIconCellSize; }
    /// x of the last column (columns × 64 − 64), as the terrain and room tables keep it.
    int lastColumnX() const { return columns() * kIconCellSize - kIconCellSize; }
    /// The rectangle of cell number c; nothing when the sheet is smaller than one cell or the
    /// cell lies beyond it.
    std::optional<IconRect> cell(int cellNumber) const;
};

} // namespace gr2
