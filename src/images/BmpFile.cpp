#include "images/BmpFile.h"

namespace gr2 {

void RgbImage::fillRect(int x, int y, int w, int h, uint32_t colour)
{
    for (int yy = std::max(0, y); yy < std::min(height, y + h); ++yy)
        for (int xx = std::max(0, x); xx < std::min(width, x + w); ++xx)
            at(xx, yy) = colour;
}

Bytes encodeBmp24(const RgbImage& image, uint32_t coloursUsed)
{
    const uint32_t rowBytes = (uint32_t(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * uint32_t(image.height);
    Bytes out;
    out.reserve(54 + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    appendU32(out, 54 + pixelBytes);
    appendU16(out, 0);
    appendU16(out, 0);
    appendU32(out, 54);
    appendU32(out, 40);
    appendU32(out, uint32_t(image.width));
    appendU32(out, uint32_t(image.height));
    appendU16(out, 1);
    appendU16(out, 24);
    appendU32(out, 0); // no compression
    appendU32(out, 0); // image size may be 0 for uncompressed pixels
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, coloursUsed);
    appendU32(out, coloursUsed);
    for (int y = image.height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            uint32_t p = image.at(x, y);
            out.push_back(uint8_t(p));
            out.push_back(uint8_t(p >> 8));
            out.push_back(uint8_t(p >> 16));
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

WriteResult writeBmp24(const std::filesystem::path& path, const RgbImage& image, uint32_t coloursUsed)
{
    return writeFileAtomically(path, encodeBmp24(image, coloursUsed));
}

} // namespace gr2
