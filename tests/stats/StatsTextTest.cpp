// Cutting the stats text into lines and cells, and what a cell says.

#include "stats/StatsCell.h"
#include "stats/StatsTextLines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace gr2 {
namespace {

std::vector<std::string> allLines(std::string_view text)
{
    std::vector<std::string> out;
    StatsTextLines lines(text);
    while (auto line = lines.next())
        out.emplace_back(*line);
    return out;
}

std::vector<std::string> allCells(std::string_view line)
{
    std::vector<std::string> out;
    StatsCells cells(line);
    while (auto cell = cells.next())
        out.emplace_back(*cell);
    return out;
}

TEST(StatsTextTest, LineEndsAllMeanTheSame)
{
    const std::vector<std::string> expected = {"a\tb", "", "c"};
    EXPECT_EQ(allLines("a\tb\r\n\r\nc\r\n"), expected);
    EXPECT_EQ(allLines("a\tb\n\nc\n"), expected);
    EXPECT_EQ(allLines("a\tb\r\rc\r"), expected);
    // No final line end: the end of the text ends the last line.
    EXPECT_EQ(allLines("a\tb\r\n\r\nc"), expected);
    // A stray carriage return before CR LF does not make an extra line.
    EXPECT_EQ(allLines("a\tb\r\r\n\r\nc"), expected);
    EXPECT_TRUE(allLines("").empty());
}

TEST(StatsTextTest, CellsSplitAtTabsAndATrailingTabOpensNoCell)
{
    EXPECT_EQ(allCells("1\tImp\t5"), (std::vector<std::string>{"1", "Imp", "5"}));
    EXPECT_EQ(allCells("1\t\t5\t"), (std::vector<std::string>{"1", "", "5"}));
    EXPECT_EQ(allCells(""), (std::vector<std::string>{""}));
    EXPECT_EQ(firstCell("[START: TERRAIN]\tx"), "[START: TERRAIN]");
    StatsCells cells("a\tb");
    EXPECT_TRUE(cells.skip(2));
    EXPECT_FALSE(cells.skip(1));
    // Embedded NULs are ordinary characters of a cell.
    EXPECT_EQ(allCells(std::string_view("1\0x\t2", 5)),
              (std::vector<std::string>{std::string("1\0x", 3), "2"}));
}

TEST(StatsTextTest, CellKinds)
{
    struct Case {
        const char* cell;
        StatsCellKind kind;
        double number;
    };
    const Case cases[] = {
        {"12", StatsCellKind::Number, 12},
        {" 2.5 ", StatsCellKind::Number, 2.5},
        {"-5", StatsCellKind::Number, -5},
        {"-0.25", StatsCellKind::Number, -0.25},
        {"+7", StatsCellKind::Number, 7},
        {".5", StatsCellKind::Number, 0.5},
        {"12abc", StatsCellKind::Number, 12},
        {"1e5", StatsCellKind::Number, 1},
        {"abc", StatsCellKind::Number, 0},
        {"", StatsCellKind::Number, 0},
        {"true", StatsCellKind::True, 0},
        {"TRUE", StatsCellKind::True, 0},
        {"False", StatsCellKind::False, 0},
        {"#N/A", StatsCellKind::NotAvailable, 0},
        {"#n/a ", StatsCellKind::NotAvailable, 0},
        {"-", StatsCellKind::Dash, 0},
        {" - ", StatsCellKind::Dash, 0},
        {"-0", StatsCellKind::Dash, 0},
        {"-x", StatsCellKind::Dash, 0},
    };
    for (const Case& c : cases) {
        const StatsCellValue v = readStatsCell(c.cell);
        EXPECT_EQ(v.kind, c.kind) << c.cell;
        EXPECT_EQ(v.number, c.number) << c.cell;
    }
    EXPECT_EQ(readStatsCell(" Line Of Sight ").text, "Line Of Sight");
}

TEST(StatsTextTest, HugeNumbersSaturate)
{
    const std::string huge(5000, '9');
    EXPECT_EQ(readStatsNumber(huge), std::numeric_limits<double>::infinity());
    EXPECT_EQ(readStatsNumber("-" + huge), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(readStatsNumber("0." + std::string(5000, '0') + "1"), 0.0);
    EXPECT_EQ(statsWholeNumber(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(statsWholeNumber(-1e300), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(statsWholeNumber(std::nan("")), 0);
    EXPECT_EQ(statsWholeNumber(-2.9), -2);
}

} // namespace
} // namespace gr2
