#include "images/PngFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstring>
#include <fstream>
#include <iterator>

namespace gr2 {

namespace {

struct MemoryReader {
    std::span<const uint8_t> data;
    size_t position = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t length)
{
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->data.size() - reader->position)
        png_error(png, "truncated PNG");
    std::memcpy(out, reader->data.data() + reader->position, length);
    reader->position += length;
}

void silentWarning(png_structp, png_const_charp) {}

} // namespace

// libpng reports errors by longjmp. The functions that call setjmp keep no C++ objects of their
// own, so nothing is skipped or left indeterminate when libpng jumps back; the buffers live in
// the callers.
struct PngReadState {
    png_structp png = nullptr;
    png_infop info = nullptr;
    MemoryReader reader;
    png_uint_32 width = 0;
    png_uint_32 height = 0;
};

static bool readPngHeader(PngReadState& s, size_t maxPixels)
{
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    png_set_read_fn(s.png, &s.reader, readFromMemory);
    png_set_user_limits(s.png, 1u << 16, 1u << 16);
    png_read_info(s.png, s.info);
    s.width = png_get_image_width(s.png, s.info);
    s.height = png_get_image_height(s.png, s.info);
    if (s.width == 0 || s.height == 0 || uint64_t(s.width) * s.height > maxPixels)
        return false;
    // Whatever the stored format, deliver 8-bit B, G, R, A bytes per pixel.
    png_set_expand(s.png);
    png_set_strip_16(s.png);
    png_set_gray_to_rgb(s.png);
    png_set_bgr(s.png);
    png_set_filler(s.png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(s.png);
    png_read_update_info(s.png, s.info);
    return png_get_rowbytes(s.png, s.info) == size_t(s.width) * 4;
}

static bool readPngRows(PngReadState& s, png_bytep* rows)
{
    if (setjmp(png_jmpbuf(s.png)))
        return false;
    png_read_image(s.png, rows);
    png_read_end(s.png, nullptr);
    return true;
}

std::optional<std::vector<uint32_t>> decodePngPixels(std::span<const uint8_t> data, size_t maxPixels)
{
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0)
        return std::nullopt;
    PngReadState s;
    s.reader = MemoryReader{data, 0};
    s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, silentWarning);
    if (!s.png)
        return std::nullopt;
    s.info = png_create_info_struct(s.png);
    std::optional<std::vector<uint32_t>> result;
    if (s.info && readPngHeader(s, maxPixels)) {
        Bytes bytes(size_t(s.width) * s.height * 4);
        std::vector<png_bytep> rows(s.height);
        for (png_uint_32 y = 0; y < s.height; ++y)
            rows[y] = bytes.data() + size_t(y) * s.width * 4;
        if (readPngRows(s, rows.data())) {
            std::vector<uint32_t> pixels(size_t(s.width) * s.height);
            for (size_t i = 0; i < pixels.size(); ++i)
                pixels[i] = loadU32(bytes.data() + i * 4);
            result = std::move(pixels);
        }
    }
    png_destroy_read_struct(&s.png, s.info ? &s.info : nullptr, nullptr);
    return result;
}

std::optional<std::vector<uint32_t>> readPngPixels(const std::filesystem::path& path, size_t maxPixels)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return decodePngPixels(data, maxPixels);
}

namespace {

void writeToMemory(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

} // namespace

static bool writePngRows(png_structp png, png_infop info, const RgbImage& image, uint8_t* row, Bytes* out)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_write_fn(png, out, writeToMemory, flushNothing);
    png_set_IHDR(png, info, png_uint_32(image.width), png_uint_32(image.height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint32_t p = image.at(x, y);
            row[size_t(x) * 3] = uint8_t(p >> 16);
            row[size_t(x) * 3 + 1] = uint8_t(p >> 8);
            row[size_t(x) * 3 + 2] = uint8_t(p);
        }
        png_write_row(png, row);
    }
    png_write_end(png, nullptr);
    return true;
}

Bytes encodePng(const RgbImage& image)
{
    if (image.width <= 0 || image.height <= 0)
        return {};
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, silentWarning);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    std::vector<uint8_t> row(size_t(image.width) * 3);
    bool ok = info && writePngRows(png, info, image, row.data(), &out);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return ok ? out : Bytes{};
}

WriteResult writePng(const std::filesystem::path& path, const RgbImage& image)
{
    Bytes data = encodePng(image);
    if (data.empty())
        return WriteResult{false, EIO, path};
    return writeFileAtomically(path, data);
}

} // namespace gr2
