#pragma once
// The eight icon sheets of the type families ("Graphics/TerrainIcons.bmp" ...) and, per family,
// the table of cells that draws each type in table order. Views and the palette draw from here.

#include "app/IconCells.h"
#include "typedb/TypeFamily.h"

#include <QImage>
#include <QRect>

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace gr2 {

class CTypeDatabase;

class IconSheets {
public:
    /// The families that have a sheet, in the order they are loaded.
    static constexpr std::array<TypeFamily, 8> kFamilies = {
        TypeFamily::Terrain, TypeFamily::Room,   TypeFamily::Creature,    TypeFamily::Door,
        TypeFamily::Trap,    TypeFamily::Object, TypeFamily::VorlanSpell, TypeFamily::CreatureSpell};
    static const char* sheetFileName(TypeFamily family);

    /// Loads every sheet from rootDirectory/Graphics; a sheet that cannot be read stays empty.
    void load(const std::filesystem::path& rootDirectory);
    /// A plain 24-bit uncompressed BMP (rows bottom to top or top to bottom) as an RGB32 image, as
    /// Qt's reader would give it; a null image for anything else or for a file too short for its
    /// header's pixels.
    static QImage readPlainBmp24(const QByteArray& bytes);
    /// Rebuilds the cell tables from the type tables (after loading, a reset or an edit).
    void rebuildCells(const CTypeDatabase& types);

    const QImage& sheet(TypeFamily family) const;
    IconSheetGeometry geometry(TypeFamily family) const;
    /// The cell drawing the type with this id: the entry of the table row holding that id; for an
    /// id no row holds, entry id − 1, or the last entry for a larger id; none when the family has
    /// no sheet or no cell.
    std::optional<QRect> cellForTypeId(TypeFamily family, int typeId) const;
    /// The cell that icon index `iconIndex` names in the family's sheet, whatever type has it (the
    /// type editors' preview shows the index being edited); none beyond the sheet.
    std::optional<QRect> cellOfIcon(TypeFamily family, int iconIndex) const;
    /// How many cells the family's sheet holds (its columns times its rows); 0 without a sheet.
    int cellCount(TypeFamily family) const;
    /// The cell of a type for an owner variant (terrains 8, 9 and 32 have one per owner).
    std::optional<QRect> cellForType(const CTypeDatabase& types, TypeFamily family, int typeId,
                                     int variant) const;

private:
    struct Sheet {
        QImage image;
        std::vector<std::optional<QRect>> cells;
        std::vector<int> ids; ///< the type id of each row of `cells`
    };
    static std::optional<size_t> slot(TypeFamily family);
    std::array<Sheet, kFamilies.size()> m_sheets;
};

} // namespace gr2
