#include "app/IconCells.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(IconCellsTest, OwnerVariantsOfTheSpecialTerrains)
{
    struct Case {
        bool terrain;
        uint8_t id;
        int variant;
        int expected;
    };
    const Case cases[] = {
        {true, 8, 1, 14}, {true, 8, 3, 10},  {true, 8, 6, 13},  {true, 8, 2, 10},
        {true, 9, 7, 10}, {true, 32, 3, 10}, {true, 32, 5, 12}, {true, 32, 1, 9},
        {true, 32, 0, 9}, {true, 5, 6, 10},  {false, 8, 6, 10}, {false, 32, 1, 10},
    };
    for (const Case& c : cases)
        EXPECT_EQ(iconCellNumber(c.terrain, c.id, 10, c.variant), c.expected)
            << int(c.id) << " variant " << c.variant;
}

TEST(IconCellsTest, CellsLieInTheSheetOrNowhere)
{
    IconSheetGeometry sheet{256, 128};
    EXPECT_EQ(sheet.columns(), 4);
    EXPECT_EQ(sheet.lastColumnX(), 192);
    EXPECT_EQ(sheet.cell(0), (IconRect{0, 0}));
    EXPECT_EQ(sheet.cell(5), (IconRect{64, 64}));
    EXPECT_FALSE(sheet.cell(8));
    EXPECT_FALSE(sheet.cell(-1));
    EXPECT_FALSE((IconSheetGeometry{63, 640}.cell(0)));
    EXPECT_FALSE((IconSheetGeometry{640, 10}.cell(0)));
}

TEST(IconCellsTest, TableEntryIsIdMinusOneOrTheLast)
{
    EXPECT_EQ(iconTableEntry(1, 5), 0);
    EXPECT_EQ(iconTableEntry(5, 5), 4);
    EXPECT_EQ(iconTableEntry(9, 5), 4);
    EXPECT_FALSE(iconTableEntry(0, 5));
    EXPECT_FALSE(iconTableEntry(3, 0));
}

} // namespace
} // namespace gr2
