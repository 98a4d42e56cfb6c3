#pragma once
// A 5 × 7 pixel font for the labels drawn into the sample data's icon sheets, so the tool can make
// readable pictures without any windowing library.

#include "images/BmpFile.h"

#include <string_view>

namespace gr2 {

/// Draws text (upper-case letters, digits, space and - + # . / ?) with its top left at (x, y), each
/// font pixel `scale` image pixels wide; other characters draw as '?'.
void drawPixelText(RgbImage& image, int x, int y, std::string_view text, uint32_t colour, int scale);
/// The width in image pixels of text drawn at that scale (6 font columns per character).
int pixelTextWidth(std::string_view text, int scale);

} // namespace gr2
