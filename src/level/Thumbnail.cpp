#include "level/Thumbnail.h"

#include "images/PngFile.h"
#include "level/CWorldEditorDoc.h"

#include <algorithm>

namespace gr2 {

namespace {

/// Runs of table pixels and the slots they fill.
struct SlotRun {
    size_t firstPixel;
    size_t count;
    size_t firstSlot;
};
constexpr SlotRun kRuns[] = {{0, 1, 0}, {1, 15, 2}, {16, 7, 18}, {23, 7, 27}, {30, 7, 36}};

/// Titles come from paths of either convention, so both separators end a folder.
size_t lastSeparator(const std::string& title)
{
    return title.find_last_of("\\/");
}

std::filesystem::path nativePath(std::string text)
{
    std::replace(text.begin(), text.end(), '\\', '/');
    return std::filesystem::path(text);
}

} // namespace

ThumbnailColours& ThumbnailColours::shared()
{
    static ThumbnailColours colours;
    return colours;
}

std::filesystem::path ThumbnailColours::imagePath(const std::filesystem::path& rootDirectory)
{
    return rootDirectory / "Maps" / "Thumbnails" / "MapColours.png";
}

bool ThumbnailColours::ensureLoaded(const std::filesystem::path& rootDirectory)
{
    if (m_loaded)
        return true;
    // The table is tiny; a huge image is not a colour table, and is not decoded.
    constexpr size_t kMaxPixels = 1u << 20;
    std::optional<std::vector<uint32_t>> pixels = readPngPixels(imagePath(rootDirectory), kMaxPixels);
    if (!pixels)
        return false;
    fill(*pixels);
    return true;
}

void ThumbnailColours::fill(std::span<const uint32_t> pixels)
{
    m_slots.fill(0);
    for (const SlotRun& run : kRuns)
        for (size_t i = 0; i < run.count && run.firstPixel + i < pixels.size(); ++i)
            m_slots[run.firstSlot + i] = pixels[run.firstPixel + i] & 0xFFFFFF;
    m_loaded = true;
}

namespace Thumbnail {

size_t colourSlot(uint8_t terrain, uint8_t owner)
{
    switch (terrain) {
    case 1:
        return 3;
    case 2:
        return 4;
    case 3:
        return 2;
    case 4:
        return 9;
    case 5:
        return 11;
    case 6:
        return 7;
    case 7:
        return 5;
    case 8:
        return 26 + size_t(owner);
    case 9:
        return 17 + size_t(owner);
    case 30:
        return 1;
    default:
        return 35 + size_t(owner);
    }
}

RgbImage drawMap(const CWorldEditorDoc& doc, const ThumbnailColours& colours)
{
    if (doc.cellCount() == 0)
        return RgbImage();
    RgbImage image(int(doc.width()), int(doc.height()));
    const auto terrain = doc.terrainTiles();
    const auto owner = doc.ownerTiles();
    const size_t n = std::min({image.pixels.size(), terrain.size(), owner.size()});
    for (size_t i = 0; i < n; ++i)
        image.pixels[i] = colours.colour(colourSlot(terrain[i], owner[i]));
    return image;
}

RgbImage scale(const RgbImage& source)
{
    RgbImage out(kSize, kSize);
    if (source.width <= 0 || source.height <= 0 ||
        source.pixels.size() < size_t(source.width) * source.height)
        return out;
    const int64_t w = source.width;
    const int64_t h = source.height;
    for (int r = 0; r < kSize; ++r) {
        const int64_t sy = (h - 1) * 256 * r / kSize;
        const int y0 = int(sy >> 8);
        const int y1 = std::min(y0 + 1, source.height - 1);
        const uint32_t fy = uint32_t(sy & 255);
        for (int c = 0; c < kSize; ++c) {
            const int64_t sx = (w - 1) * 256 * c / kSize;
            const int x0 = int(sx >> 8);
            const int x1 = std::min(x0 + 1, source.width - 1);
            const uint32_t fx = uint32_t(sx & 255);
            const uint32_t p00 = source.at(x0, y0), p10 = source.at(x1, y0);
            const uint32_t p01 = source.at(x0, y1), p11 = source.at(x1, y1);
            uint32_t pixel = 0;
            for (int shift : {0, 8, 16}) {
                auto ch = [shift](uint32_t p) { return (p >> shift) & 255; };
                const uint32_t top = (ch(p00) * (256 - fx) + ch(p10) * fx) >> 8;
                const uint32_t bottom = (ch(p01) * (256 - fx) + ch(p11) * fx) >> 8;
                pixel |= ((top * (256 - fy) + bottom * fy) >> 8) << shift;
            }
            out.at(c, r) = pixel;
        }
    }
    return out;
}

std::filesystem::path folderFor(const std::string& title, const std::filesystem::path& rootDirectory)
{
    const size_t sep = lastSeparator(title);
    if (sep == std::string::npos)
        return rootDirectory / "Maps" / "Thumbnails";
    return nativePath(title.substr(0, sep)) / "Thumbnails";
}

std::string fileNameFor(const std::string& title)
{
    const size_t sep = lastSeparator(title);
    std::string name = sep == std::string::npos ? title : title.substr(sep + 1);
    name.resize(name.size() >= 4 ? name.size() - 4 : 0);
    return name + "144.bmp";
}

std::optional<std::filesystem::path> write(const CWorldEditorDoc& doc, const ThumbnailColours& colours,
                                           const std::filesystem::path& rootDirectory)
{
    const std::filesystem::path folder = folderFor(doc.title(), rootDirectory);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        std::filesystem::create_directory(folder, ec);
        if (!std::filesystem::is_directory(folder, ec))
            return std::nullopt;
    }
    const std::filesystem::path file = folder / fileNameFor(doc.title());
    if (!writeBmp24(file, scale(drawMap(doc, colours)), kColoursUsed).ok)
        return std::nullopt;
    return file;
}

} // namespace Thumbnail

} // namespace gr2
