#include "ui/IconSheets.h"

#include "typedb/CTypeDatabase.h"
#include "ui/QtText.h"
#include "worlddata/CaseInsensitivePath.h"

#include <QFile>

#include <algorithm>

namespace gr2 {

namespace {

uint32_t le32(const uchar* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

uint16_t le16(const uchar* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

} // namespace

QImage IconSheets::readPlainBmp24(const QByteArray& bytes)
{
    // Qt's reader converts a 24-bit picture pixel by pixel through its general path, which made
    // the sheets the largest single cost of the editor's start; the sheets are plain 24-bit
    // pictures, so those are taken straight from their bytes. Anything else goes to Qt's reader.
    constexpr int64_t kHeaderBytes = 54;
    constexpr int64_t kLargestSide = 32768;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const int64_t size = bytes.size();
    if (size < kHeaderBytes || data[0] != 'B' || data[1] != 'M')
        return {};
    const int64_t offset = le32(data + 10);
    const int64_t width = int32_t(le32(data + 18));
    const int64_t signedHeight = int32_t(le32(data + 22));
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (le32(data + 14) < 40 || le16(data + 26) != 1 || le16(data + 28) != 24 || le32(data + 30) != 0 ||
        width <= 0 || width > kLargestSide || height == 0 || height > kLargestSide || offset < kHeaderBytes)
        return {};
    const int64_t stride = (width * 3 + 3) & ~int64_t(3);
    if (offset > size || (size - offset) / stride < height)
        return {};
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const bool bottomUp = signedHeight > 0;
    for (int64_t y = 0; y < height; ++y) {
        const uchar* in = data + offset + (bottomUp ? height - 1 - y : y) * stride;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
        for (int64_t x = 0; x < width; ++x, in += 3)
            out[x] = 0xff000000u | uint32_t(in[2]) << 16 | uint32_t(in[1]) << 8 | in[0];
    }
    return image;
}

namespace {

std::optional<QRect> toRect(const std::optional<IconRect>& r)
{
    if (!r)
        return std::nullopt;
    return QRect(r->x, r->y, r->width, r->height);
}

} // namespace

const char* IconSheets::sheetFileName(TypeFamily family)
{
    switch (family) {
    case TypeFamily::Terrain:
        return "TerrainIcons.bmp";
    case TypeFamily::Room:
        return "RoomIcons.bmp";
    case TypeFamily::Creature:
        return "CreatureIcons.bmp";
    case TypeFamily::Door:
        return "DoorIcons.bmp";
    case TypeFamily::Trap:
        return "TrapIcons.bmp";
    case TypeFamily::Object:
        return "ObjectIcons.bmp";
    case TypeFamily::VorlanSpell:
        return "VorlanSpellIcons.bmp";
    case TypeFamily::CreatureSpell:
        return "CreatureSpellIcons.bmp";
    default:
        return nullptr;
    }
}

std::optional<size_t> IconSheets::slot(TypeFamily family)
{
    for (size_t i = 0; i < kFamilies.size(); ++i)
        if (kFamilies[i] == family)
            return i;
    return std::nullopt;
}

void IconSheets::load(const std::filesystem::path& rootDirectory)
{
    for (size_t i = 0; i < kFamilies.size(); ++i) {
        Sheet& sheet = m_sheets[i];
        sheet = Sheet{};
        auto path = findFileIgnoringCase(rootDirectory / "Graphics" / sheetFileName(kFamilies[i]));
        if (!path)
            continue;
        QFile file(QtText::fromPath(*path));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        sheet.image = readPlainBmp24(bytes);
        if (sheet.image.isNull())
            sheet.image.loadFromData(bytes, "BMP");
    }
}

void IconSheets::rebuildCells(const CTypeDatabase& types)
{
    for (size_t i = 0; i < kFamilies.size(); ++i) {
        const TypeTableBase& table = types.table(kFamilies[i]);
        const IconSheetGeometry geometry = this->geometry(kFamilies[i]);
        Sheet& sheet = m_sheets[i];
        sheet.cells.clear();
        sheet.ids.clear();
        if (sheet.image.isNull())
            continue;
        for (size_t r = 0; r < table.count(); ++r) {
            const CTypeRecord* record = table.recordAt(r);
            const int cell = iconCellNumber(kFamilies[i] == TypeFamily::Terrain, uint8_t(record->id()),
                                            record->iconIndex(), kDefaultIconVariant);
            sheet.cells.push_back(toRect(geometry.cell(cell)));
            sheet.ids.push_back(int(record->id()));
        }
    }
}

const QImage& IconSheets::sheet(TypeFamily family) const
{
    static const QImage none;
    auto i = slot(family);
    return i ? m_sheets[*i].image : none;
}

IconSheetGeometry IconSheets::geometry(TypeFamily family) const
{
    const QImage& image = sheet(family);
    return IconSheetGeometry{image.width(), image.height()};
}

std::optional<QRect> IconSheets::cellForTypeId(TypeFamily family, int typeId) const
{
    auto i = slot(family);
    if (!i)
        return std::nullopt;
    const auto& cells = m_sheets[*i].cells;
    // Tables whose ids run from 1 without gaps give the same entry either way; with gaps, the
    // position id − 1 would draw another type's picture, so the type's own row is taken first.
    const auto& ids = m_sheets[*i].ids;
    if (auto row = std::find(ids.begin(), ids.end(), typeId); row != ids.end())
        return cells[size_t(row - ids.begin())];
    auto entry = iconTableEntry(typeId, int(cells.size()));
    return entry ? cells[size_t(*entry)] : std::nullopt;
}

std::optional<QRect> IconSheets::cellOfIcon(TypeFamily family, int iconIndex) const
{
    return toRect(geometry(family).cell(iconIndex));
}

int IconSheets::cellCount(TypeFamily family) const
{
    const IconSheetGeometry g = geometry(family);
    return g.columns() * g.rows();
}

std::optional<QRect> IconSheets::cellForType(const CTypeDatabase& types, TypeFamily family, int typeId,
                                             int variant) const
{
    if (family == TypeFamily::Terrain && (typeId == 8 || typeId == 9 || typeId == 32)) {
        const CTypeRecord* record = types.table(family).findRecordById(uint32_t(typeId));
        if (!record)
            return std::nullopt;
        const int cell = iconCellNumber(true, uint8_t(typeId), record->iconIndex(), variant);
        return toRect(geometry(family).cell(cell));
    }
    return cellForTypeId(family, typeId);
}

} // namespace gr2
