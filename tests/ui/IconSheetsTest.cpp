// Icon cells as the map view and the palette find them.

#include "ui/IconSheets.h"
#include "document/SampleData.h"
#include "images/BmpFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CWorldEditorApp.h"
#include "ui/ImageBlock.h"

#include <QBuffer>
#include <QFile>

#include <cstring>
#include <filesystem>

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(IconSheetsTest, TablesWithGapsInTheirIdsDrawEveryTypeWithItsOwnCell)
{
    // The sample rooms have ids 10, 12, 14 ... and terrains run up to 40 with fewer rows than
    // that: the position id − 1 would give most of them the last row's picture.
    test::TempDir root;
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    test::ScriptedPrompter prompter;
    CWorldEditorApp app(&prompter);
    ASSERT_TRUE(app.InitInstance(root.path(), false));
    const CTypeDatabase& types = app.core().types();
    ASSERT_LT(types.terrains().count(), 40u);

    for (TypeFamily family : {TypeFamily::Terrain, TypeFamily::Room}) {
        const TypeTableBase& table = types.table(family);
        QList<QRect> cells;
        for (size_t row = 0; row < table.count(); ++row) {
            auto cell = app.iconSheets().cellForTypeId(family, int(table.recordAt(row)->id()));
            ASSERT_TRUE(cell) << table.recordAt(row)->id();
            EXPECT_FALSE(cells.contains(*cell)) << "type " << table.recordAt(row)->id() << " shares a cell";
            cells << *cell;
        }
    }
    // An id no row holds keeps the positional rule: past the end, the last row.
    const TypeTableBase& rooms = types.table(TypeFamily::Room);
    EXPECT_EQ(app.iconSheets().cellForTypeId(TypeFamily::Room, 250),
              app.iconSheets().cellForTypeId(TypeFamily::Room, int(rooms.recordAt(rooms.count() - 1)->id())));
}

QByteArray bmpBytes(int width, int height)
{
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = uint32_t(x * 40 + y) << 16 | uint32_t(y * 7) << 8 | uint32_t(x ^ y);
    const Bytes bytes = encodeBmp24(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

/// The same picture stored top to bottom: a negative height and the rows in the other order.
QByteArray topDown(QByteArray bmp, int height)
{
    const int32_t negative = -height;
    std::memcpy(bmp.data() + 22, &negative, 4);
    const qsizetype stride = (bmp.size() - 54) / height;
    QByteArray rows;
    for (int y = height - 1; y >= 0; --y)
        rows += bmp.mid(54 + y * stride, stride);
    return bmp.left(54) + rows;
}

TEST(IconSheetsTest, PlainBmpPicturesReadAsQtsReaderReadsThem)
{
    // Widths that need every amount of row padding, stored either way up.
    for (int width : {1, 2, 3, 4, 5, 33}) {
        const int height = 3;
        for (bool flip : {false, true}) {
            const QByteArray bytes =
                flip ? topDown(bmpBytes(width, height), height) : bmpBytes(width, height);
            const QImage ours = IconSheets::readPlainBmp24(bytes);
            const QImage qts = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(ours.isNull()) << width << (flip ? " top down" : "");
            EXPECT_EQ(ours, qts) << width << (flip ? " top down" : "");
        }
    }
    // What is not a whole plain 24-bit picture is left to Qt's reader.
    const QByteArray good = bmpBytes(5, 4);
    auto with = [&](int offset, QByteArray value) {
        return good.left(offset) + value + good.mid(offset + value.size());
    };
    const struct {
        const char* what;
        QByteArray bytes;
    } refused[] = {
        {"one byte short", good.chopped(1)},
        {"only the header", good.left(54)},
        {"not BM", with(0, "XM")},
        {"32 bits per pixel", with(28, QByteArray("\x20\0", 2))},
        {"compressed", with(30, QByteArray("\1\0\0\0", 4))},
        {"zero width", with(18, QByteArray(4, 0))},
        {"zero height", with(22, QByteArray(4, 0))},
        {"pixels past the end", with(10, QByteArray("\xff\xff\xff\x7f", 4))},
        {"huge height", with(22, QByteArray("\0\0\0\x40", 4))},
        {"empty", QByteArray()},
    };
    for (const auto& c : refused)
        EXPECT_TRUE(IconSheets::readPlainBmp24(c.bytes).isNull()) << c.what;
}

TEST(IconSheetsTest, SheetsLoadedFromTheirFilesAreThePicturesQtsReaderSees)
{
    // Plain 24-bit sheets of several widths, either way up, share one block and are read a band
    // at a time; a 32-bit picture, a broken file and a missing one go Qt's way or stay empty.
    test::TempDir root;
    std::filesystem::create_directories(root.path() / "Graphics");
    auto saved = [](const char* format) {
        QImage image(7, 5, QImage::Format_ARGB32);
        image.fill(QColor(10, 200, 30, 128));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    const QByteArray files[] = {
        bmpBytes(160, 600),             // tall enough for several bands
        topDown(bmpBytes(33, 9), 9),    // top to bottom
        bmpBytes(1, 1),                 //
        bmpBytes(5, 3),                 //
        saved("BMP"),                   // 32 bits per pixel: Qt's reader
        saved("PNG"),                   // not a BMP at all: no sheet
        QByteArray("BM not a picture"), //
        QByteArray(),                   // no file at all
    };
    for (size_t i = 0; i < IconSheets::kFamilies.size(); ++i) {
        if (files[i].isEmpty())
            continue;
        QFile out(QString::fromStdString(
            (root.path() / "Graphics" / IconSheets::sheetFileName(IconSheets::kFamilies[i])).string()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(files[i]);
    }
    IconSheets sheets;
    sheets.load(root.path());
    for (size_t i = 0; i < IconSheets::kFamilies.size(); ++i) {
        QImage expected = QImage::fromData(files[i], "BMP");
        if (!expected.isNull() && expected.format() != QImage::Format_ARGB32)
            expected = expected.convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(sheets.sheet(IconSheets::kFamilies[i]), expected) << "sheet " << i;
    }

    // A second load replaces every sheet; the pictures taken before stay whole.
    const QImage kept = sheets.sheet(IconSheets::kFamilies[0]);
    sheets.load(root.path());
    std::filesystem::remove_all(root.path() / "Graphics");
    sheets.load(root.path());
    EXPECT_TRUE(sheets.sheet(IconSheets::kFamilies[0]).isNull());
    EXPECT_EQ(kept, QImage::fromData(files[0], "BMP").convertToFormat(QImage::Format_RGB32));
}

TEST(ImageBlockTest, ImagesShareOneBlockThatOutlivesEveryCopy)
{
    const QSize sizes[] = {{3, 2}, {0, 5}, {4, -1}, {1000, 700}, {1, 1}};
    std::vector<QImage> images = ImageBlock::makeRgb32(sizes);
    ASSERT_EQ(images.size(), std::size(sizes));
    EXPECT_TRUE(images[1].isNull());
    EXPECT_TRUE(images[2].isNull());
    for (size_t i : {size_t(0), size_t(3), size_t(4)}) {
        ASSERT_FALSE(images[i].isNull());
        EXPECT_EQ(images[i].size(), sizes[i]);
        EXPECT_EQ(images[i].format(), QImage::Format_RGB32);
    }
    // The images do not overlap: each keeps what is written into it.
    images[0].fill(0xff112233u);
    images[3].fill(0xff445566u);
    images[4].fill(0xff778899u);
    EXPECT_EQ(images[0].pixel(2, 1), 0xff112233u);
    EXPECT_EQ(images[3].pixel(999, 699), 0xff445566u);
    EXPECT_EQ(images[3].pixel(0, 0), 0xff445566u);
    EXPECT_EQ(images[4].pixel(0, 0), 0xff778899u);

    // A copy taken out keeps the block alive after every original is gone; writing into it later
    // still works.
    QImage survivor = images[3];
    images.clear();
    survivor.setPixel(5, 5, 0xff000000u);
    EXPECT_EQ(survivor.pixel(5, 5), 0xff000000u);
    EXPECT_EQ(survivor.pixel(6, 5), 0xff445566u);

    // Nothing to place: no block and no image.
    const QSize none[] = {{0, 0}};
    EXPECT_TRUE(ImageBlock::makeRgb32(none)[0].isNull());
}

} // namespace
} // namespace gr2
