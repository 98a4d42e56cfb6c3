#pragma once
// PNG through libpng: decoding any PNG into 32-bit pixels in row order (the thumbnail colour
// table), and writing an RGB image (the sample data's colour table).

#include "images/BmpFile.h"

#include <optional>

namespace gr2 {

/// Decodes a PNG held in memory; nothing when it is not a readable PNG or is larger than
/// maxPixels. Pixels come out as 0xAARRGGBB in row order.
std::optional<std::vector<uint32_t>> decodePngPixels(std::span<const uint8_t> data,
                                                     size_t maxPixels = 1u << 22);
std::optional<std::vector<uint32_t>> readPngPixels(const std::filesystem::path& path,
                                                   size_t maxPixels = 1u << 22);

Bytes encodePng(const RgbImage& image);
WriteResult writePng(const std::filesystem::path& path, const RgbImage& image);

} // namespace gr2
