// Icon cells as the map view and the palette find them.

#include "document/SampleData.h"
#include "images/BmpFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CWorldEditorApp.h"

#include <cstring>

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

} // namespace
} // namespace gr2
