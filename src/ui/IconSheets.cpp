#include "ui/IconSheets.h"

#include "typedb/CTypeDatabase.h"
#include "ui/ImageBlock.h"
#include "ui/QtText.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/CaseInsensitivePath.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace gr2 {

namespace {

constexpr int64_t kBmpHeaderBytes = 54;

/// Where a plain 24-bit uncompressed BMP keeps its rows.
struct PlainBmp24 {
    int width = 0;
    int height = 0;
    bool bottomUp = true;
    int64_t offset = 0; ///< of the first stored row
    int64_t stride = 0; ///< bytes per stored row, padded to four
};

/// The layout of a plain 24-bit picture from its first kBmpHeaderBytes bytes and the size of the
/// whole file; none for anything else, or for a file too short for the pixels its header names.
std::optional<PlainBmp24> plainBmp24(const uchar* data, int64_t available, int64_t fileSize)
{
    constexpr int64_t kLargestSide = 32768;
    if (available < kBmpHeaderBytes || data[0] != 'B' || data[1] != 'M')
        return std::nullopt;
    const int64_t offset = loadU32(data + 10);
    const int64_t width = int32_t(loadU32(data + 18));
    const int64_t signedHeight = int32_t(loadU32(data + 22));
    const int64_t height = signedHeight < 0 ? -signedHeight : signedHeight;
    if (loadU32(data + 14) < 40 || loadU16(data + 26) != 1 || loadU16(data + 28) != 24 ||
        loadU32(data + 30) != 0 || width <= 0 || width > kLargestSide || height == 0 ||
        height > kLargestSide || offset < kBmpHeaderBytes)
        return std::nullopt;
    const int64_t stride = (width * 3 + 3) & ~int64_t(3);
    if (offset > fileSize || (fileSize - offset) / stride < height)
        return std::nullopt;
    return PlainBmp24{int(width), int(height), signedHeight > 0, offset, stride};
}

/// Stored rows [first, first + count) of the picture, read from `in`, into the image.
void convertRows(const PlainBmp24& bmp, const uchar* in, int first, int count, QImage& image)
{
    for (int row = first; row < first + count; ++row, in += bmp.stride) {
        const int y = bmp.bottomUp ? bmp.height - 1 - row : row;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uchar* pixel = in;
        for (int x = 0; x < bmp.width; ++x, pixel += 3)
            out[x] = 0xff000000u | uint32_t(pixel[2]) << 16 | uint32_t(pixel[1]) << 8 | pixel[0];
    }
}

/// Reads the rows of an open file into the image a band at a time, through `buffer`.
bool readRows(QFile& file, const PlainBmp24& bmp, QImage& image, std::vector<uchar>& buffer)
{
    constexpr int64_t kBandBytes = 64 * 1024;
    const int bandRows = int(std::clamp<int64_t>(kBandBytes / bmp.stride, 1, bmp.height));
    buffer.resize(size_t(bandRows * bmp.stride));
    if (!file.seek(bmp.offset))
        return false;
    for (int row = 0; row < bmp.height; row += bandRows) {
        const int rows = std::min(bandRows, bmp.height - row);
        const int64_t wanted = rows * bmp.stride;
        int64_t got = 0;
        while (got < wanted) {
            const qint64 n = file.read(reinterpret_cast<char*>(buffer.data()) + got, wanted - got);
            if (n <= 0)
                return false;
            got += n;
        }
        convertRows(bmp, buffer.data(), row, rows, image);
    }
    return true;
}

} // namespace

QImage IconSheets::readPlainBmp24(const QByteArray& bytes)
{
    // Qt's reader converts a 24-bit picture pixel by pixel through its general path, which made
    // the sheets the largest single cost of the editor's start; the sheets are plain 24-bit
    // pictures, so those are taken straight from their bytes. Anything else goes to Qt's reader.
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const std::optional<PlainBmp24> bmp = plainBmp24(data, bytes.size(), bytes.size());
    if (!bmp)
        return {};
    QImage image(bmp->width, bmp->height, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    convertRows(*bmp, data + bmp->offset, 0, bmp->height, image);
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
    // Every sheet's header first: the plain 24-bit sheets get their pixels in one block and their
    // rows are read a band at a time straight into it, so no copy of a whole file is made and the
    // fresh memory start-up touches is the pixels alone. Any other picture is Qt's reader's.
    std::array<QFile, kFamilies.size()> files;
    std::array<std::optional<PlainBmp24>, kFamilies.size()> plain;
    std::array<QSize, kFamilies.size()> sizes;
    for (size_t i = 0; i < kFamilies.size(); ++i) {
        m_sheets[i] = Sheet{};
        auto path = findFileIgnoringCase(rootDirectory / "Graphics" / sheetFileName(kFamilies[i]));
        if (!path)
            continue;
        files[i].setFileName(QtText::fromPath(*path));
        if (!files[i].open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            continue;
        const QByteArray header = files[i].read(kBmpHeaderBytes);
        plain[i] =
            plainBmp24(reinterpret_cast<const uchar*>(header.constData()), header.size(), files[i].size());
        if (plain[i])
            sizes[i] = QSize(plain[i]->width, plain[i]->height);
    }
    std::vector<QImage> images = ImageBlock::makeRgb32(sizes);
    std::vector<uchar> band;
    for (size_t i = 0; i < kFamilies.size(); ++i) {
        if (!files[i].isOpen())
            continue;
        if (plain[i] && !images[i].isNull() && readRows(files[i], *plain[i], images[i], band)) {
            m_sheets[i].image = images[i];
            continue;
        }
        const QByteArray bytes = files[i].seek(0) ? files[i].readAll() : QByteArray();
        m_sheets[i].image = readPlainBmp24(bytes);
        if (m_sheets[i].image.isNull())
            m_sheets[i].image.loadFromData(bytes, "BMP");
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
