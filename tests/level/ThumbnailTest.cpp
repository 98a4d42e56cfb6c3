// Level thumbnails: the colour table, the colour of a tile, the scaling, the file and its folder.

#include "level/Thumbnail.h"
#include "images/PngFile.h"
#include "support/LevelBuilder.h"
#include "support/LevelFileFixture.h"
#include "worlddata/ByteOrder.h"

#include <gmock/gmock.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::readFile;

TEST(ThumbnailTest, ColourSlotOfEachTerrain)
{
    for (uint8_t owner = 1; owner <= 6; ++owner)
        EXPECT_EQ(Thumbnail::colourSlot(8, owner), 26u + owner);
    EXPECT_EQ(Thumbnail::colourSlot(8, 0), 26u);
    const std::pair<uint8_t, size_t> fixed[] = {{1, 3},  {2, 4}, {3, 2}, {4, 9},
                                                {5, 11}, {6, 7}, {7, 5}, {30, 1}};
    for (auto [terrain, slot] : fixed)
        EXPECT_EQ(Thumbnail::colourSlot(terrain, 5), slot) << int(terrain);
    EXPECT_EQ(Thumbnail::colourSlot(9, 3), 20u);
    EXPECT_EQ(Thumbnail::colourSlot(14, 4), 39u);
    EXPECT_EQ(Thumbnail::colourSlot(200, 255), 290u);
}

TEST(ThumbnailTest, TablePixelsFillTheirSlotsInTheImagesColours)
{
    std::vector<uint32_t> pixels;
    for (uint32_t i = 0; i < 40; ++i)
        pixels.push_back(0xFF000000u | (i + 1) << 16 | 0x0000AB);
    ThumbnailColours colours;
    colours.fill(pixels);
    auto red = [&](size_t slot) { return int(colours.colour(slot) >> 16); };
    EXPECT_EQ(red(0), 1);
    EXPECT_EQ(colours.colour(1), 0u);
    for (size_t s = 2; s <= 16; ++s)
        EXPECT_EQ(red(s), int(s)) << s; // pixel s - 1
    EXPECT_EQ(colours.colour(17), 0u);
    EXPECT_EQ(red(18), 17);
    EXPECT_EQ(red(24), 23);
    EXPECT_EQ(colours.colour(25), 0u);
    EXPECT_EQ(colours.colour(26), 0u);
    EXPECT_EQ(red(27), 24);
    EXPECT_EQ(red(33), 30);
    EXPECT_EQ(colours.colour(34), 0u);
    EXPECT_EQ(red(36), 31);
    EXPECT_EQ(red(42), 37);
    EXPECT_EQ(colours.colour(43), 0u);
    EXPECT_EQ(colours.colour(2) & 0xFF, 0xABu); // blue stays blue, and alpha is dropped
    EXPECT_EQ(colours.colour(2) >> 24, 0u);
    EXPECT_EQ(colours.colour(ThumbnailColours::kSlots), 0u);
}

TEST(ThumbnailTest, BrokenColourImageLeavesBlackAndIsTriedAgain)
{
    test::TempDir root;
    std::filesystem::create_directories(root / "Maps" / "Thumbnails");
    const Bytes garbage{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0,
                        0,    13,  'I', 'H', 'D',  'R',  1,    2,    3};
    test::writeFile(ThumbnailColours::imagePath(root.path()), garbage);
    ThumbnailColours colours;
    EXPECT_FALSE(colours.ensureLoaded(root.path()));
    EXPECT_FALSE(colours.isLoaded());
    for (size_t s = 0; s < ThumbnailColours::kSlots; ++s)
        ASSERT_EQ(colours.colour(s), 0u);

    RgbImage table(37, 1, 0x00FF00);
    table.at(1, 0) = 0xFF0000;
    ASSERT_TRUE(writePng(ThumbnailColours::imagePath(root.path()), table).ok);
    EXPECT_TRUE(colours.ensureLoaded(root.path()));
    EXPECT_EQ(colours.colour(2), 0xFF0000u); // red stays red
    EXPECT_EQ(colours.colour(3), 0x00FF00u);
}

TEST(ThumbnailTest, BilinearScaling)
{
    RgbImage one(1, 1, 0x123456);
    RgbImage scaled = Thumbnail::scale(one);
    ASSERT_EQ(scaled.width, 144);
    ASSERT_EQ(scaled.height, 144);
    EXPECT_TRUE(
        std::all_of(scaled.pixels.begin(), scaled.pixels.end(), [](uint32_t p) { return p == 0x123456; }));

    // Two pixels side by side, one row: the neighbour below is clamped to the same row.
    RgbImage pair(2, 1, 0);
    pair.at(1, 0) = 0xFFFFFF;
    scaled = Thumbnail::scale(pair);
    EXPECT_EQ(scaled.at(0, 0), 0u);
    const uint32_t fx = 256 * 72 / 144; // column 72
    const uint32_t v = (255 * fx) >> 8;
    EXPECT_EQ(scaled.at(72, 100), v << 16 | v << 8 | v);
    const uint32_t last = (255 * (256 * 143 / 144)) >> 8;
    EXPECT_EQ(scaled.at(143, 0) & 0xFF, last);

    // A column: the vertical blend, each channel on its own.
    RgbImage column(1, 3, 0x0000FF);
    column.at(0, 2) = 0xFF0000;
    scaled = Thumbnail::scale(column);
    const uint32_t sy = 2 * 256 * 100 / 144; // row 100 lies between source rows 1 and 2
    const uint32_t fy = sy & 255;
    EXPECT_EQ(scaled.at(5, 100), ((255 * fy) >> 8) << 16 | ((255 * (256 - fy)) >> 8));

    EXPECT_EQ(Thumbnail::scale(RgbImage()).pixels, std::vector<uint32_t>(144 * 144, 0));
}

TEST(ThumbnailTest, FolderAndFileNameFromTheTitle)
{
    EXPECT_EQ(Thumbnail::folderFor("/data/Levels/Test.vwd", "/root"),
              std::filesystem::path("/data/Levels/Thumbnails"));
    EXPECT_EQ(Thumbnail::folderFor("C:\\Levels\\Test.vwd", "/root"),
              std::filesystem::path("C:/Levels/Thumbnails"));
    EXPECT_EQ(Thumbnail::folderFor("GR2Level1", "/root"), std::filesystem::path("/root/Maps/Thumbnails"));
    EXPECT_EQ(Thumbnail::fileNameFor("C:\\Levels\\Test.vwd"), "Test144.bmp");
    EXPECT_EQ(Thumbnail::fileNameFor("/x/Abc.vwd"), "Abc144.bmp");
    EXPECT_EQ(Thumbnail::fileNameFor("GR2Level1"), "GR2Le144.bmp");
    EXPECT_EQ(Thumbnail::fileNameFor("ab"), "144.bmp");
}

class ThumbnailFileTest : public test::LevelFileFixture {};

TEST_F(ThumbnailFileTest, SavedLevelGetsItsBitmapBesideIt)
{
    std::filesystem::create_directories(root / "Levels");
    auto level = sampleAt(root / "Levels" / "Test.vwd");
    CWorldEditorDoc& doc = level->doc();
    // One colour everywhere, so every scaled pixel is exactly the tile colour.
    for (int32_t y = 0; y < int32_t(doc.height()); ++y)
        for (int32_t x = 0; x < int32_t(doc.width()); ++x)
            doc.StoreTile({x, y}, 8, 4);
    const auto written = level->files().WriteThumbnail();
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, root / "Levels" / "Thumbnails" / "Test144.bmp");

    const Bytes bmp = readFile(*written);
    ASSERT_EQ(bmp.size(), 54u + 144u * 432u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(loadU32(bmp.data() + 2), bmp.size());
    EXPECT_EQ(loadU32(bmp.data() + 10), 54u);
    EXPECT_EQ(loadU32(bmp.data() + 14), 40u);
    EXPECT_EQ(loadU32(bmp.data() + 18), 144u);
    EXPECT_EQ(loadU32(bmp.data() + 22), 144u);
    EXPECT_EQ(loadU16(bmp.data() + 26), 1u);
    EXPECT_EQ(loadU16(bmp.data() + 28), 24u);
    EXPECT_EQ(loadU32(bmp.data() + 30), 0u);
    EXPECT_EQ(loadU32(bmp.data() + 46), 16777216u);
    EXPECT_EQ(loadU32(bmp.data() + 50), 16777216u);
    ASSERT_TRUE(colours.isLoaded());
    const uint32_t colour = colours.colour(30);
    EXPECT_NE(colour, 0u);
    EXPECT_EQ(bmp[54], colour & 0xFF);
    EXPECT_EQ(bmp[55], (colour >> 8) & 0xFF);
    EXPECT_EQ(bmp[56], colour >> 16);

    // A level named without a folder goes to the root's maps folder.
    doc.SetTitle("Loose.vwd");
    ASSERT_TRUE(level->files().WriteThumbnail());
    EXPECT_TRUE(std::filesystem::exists(root / "Maps" / "Thumbnails" / "Loose144.bmp"));
}

TEST_F(ThumbnailFileTest, FolderThatCannotBeMadeGivesNoThumbnailAndTheSaveGoesOn)
{
    std::filesystem::create_directories(root / "Levels");
    test::writeFile(root / "Levels" / "Thumbnails", Bytes{1}); // a file where the folder would go
    auto level = sampleAt(root / "Levels" / "Test.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(level->files().Save());
    EXPECT_EQ(readFile(root / "Levels" / "Thumbnails"), Bytes{1});
    EXPECT_FALSE(level->doc().isModified());
    EXPECT_EQ(prompter.entries().size(), 1u); // the global-data question, no report
}

} // namespace
} // namespace gr2
