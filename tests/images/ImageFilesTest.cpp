#include "images/BmpFile.h"
#include "images/PngFile.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(ImageFilesTest, BmpHeaderAndBottomUpPaddedRows)
{
    RgbImage image(3, 2);
    image.at(0, 0) = 0x112233; // top left
    image.at(2, 1) = 0xAABBCC; // bottom right
    Bytes bmp = encodeBmp24(image, 16777216);
    const uint32_t rowBytes = 12; // 9 bytes padded to 12
    ASSERT_EQ(bmp.size(), 54u + rowBytes * 2);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(loadU32(&bmp[2]), bmp.size());
    EXPECT_EQ(loadU32(&bmp[10]), 54u);
    EXPECT_EQ(loadU32(&bmp[14]), 40u);
    EXPECT_EQ(loadU16(&bmp[28]), 24u);
    EXPECT_EQ(loadU32(&bmp[46]), 16777216u);
    EXPECT_EQ(loadU32(&bmp[50]), 16777216u);
    // First stored row is the bottom one: its last pixel is B, G, R of 0xAABBCC.
    EXPECT_EQ(bmp[54 + 6], 0xCC);
    EXPECT_EQ(bmp[54 + 7], 0xBB);
    EXPECT_EQ(bmp[54 + 8], 0xAA);
    EXPECT_EQ(bmp[54 + rowBytes], 0x33);
    EXPECT_EQ(bmp[54 + rowBytes + 2], 0x11);
}

TEST(ImageFilesTest, PngRoundTripsAndHostileDataIsRefused)
{
    RgbImage image(37, 2);
    for (int i = 0; i < 37; ++i)
        image.at(i, 1) = uint32_t(i * 0x010203);
    Bytes png = encodePng(image);
    auto pixels = decodePngPixels(png);
    ASSERT_TRUE(pixels);
    ASSERT_EQ(pixels->size(), 74u);
    EXPECT_EQ((*pixels)[37 + 5], 0xFF000000u | 5 * 0x010203u);

    EXPECT_FALSE(decodePngPixels(Bytes{}));
    EXPECT_FALSE(decodePngPixels(Bytes(png.begin(), png.begin() + png.size() / 2)));
    Bytes corrupt = png;
    corrupt[20] ^= 0xFF; // inside the header chunk: its checksum no longer matches
    EXPECT_FALSE(decodePngPixels(corrupt));
    EXPECT_FALSE(decodePngPixels(png, 10)); // more pixels than allowed
}

} // namespace
} // namespace gr2
