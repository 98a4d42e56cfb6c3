#pragma once
// 24-bit uncompressed BMP files: the level thumbnails and the icon sheets of the sample data are
// written with it. Pixels are held top to bottom as 0xAARRGGBB words.

#include "worlddata/AtomicFile.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace gr2 {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; ///< row by row from the top; 0x00RRGGBB

    RgbImage() = default;
    RgbImage(int w, int h, uint32_t fill = 0) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}
    uint32_t& at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void fillRect(int x, int y, int w, int h, uint32_t colour);
};

/// The file's bytes: 14-byte file header, 40-byte information header, rows bottom to top as blue,
/// green, red, each padded to four bytes. The thumbnails the game reads say 16777216 colours used
/// and important; other pictures leave both 0, as most readers expect of a 24-bit file.
Bytes encodeBmp24(const RgbImage& image, uint32_t coloursUsed = 0);
WriteResult writeBmp24(const std::filesystem::path& path, const RgbImage& image, uint32_t coloursUsed = 0);

} // namespace gr2
