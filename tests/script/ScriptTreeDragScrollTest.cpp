// How fast the script tree scrolls while an item is dragged near its top or bottom edge.

#include "script/ScriptTreeDragScroll.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(ScriptTreeDragScrollTest, FasterTheDeeperThePointerGoesIntoTheBandOrBeyondIt)
{
    constexpr int kHeight = 200;
    struct Case {
        int y;
        int direction;
        int period;
    };
    const Case cases[] = {
        {100, 0, 0},   // away from the edges
        {10, 0, 0},    // just below the top band
        {9, -1, 6},    // one pixel into it: every sixth tick
        {5, -1, 5},    // five pixels: d = 1
        {0, -1, 4},    // ten pixels: d = 2
        {-10, -1, 2},  // beyond the edge: d = 4
        {-15, -1, 1},  // d reaches 5: every tick
        {-400, -1, 1}, // and stays there
        {189, 0, 0},   // just above the bottom band
        {190, 1, 6},   // one pixel into it
        {199, 1, 4},   // ten pixels
        {225, 1, 1},   // far below
    };
    for (const Case& c : cases) {
        const DragScroll scroll = DragScroll::at(c.y, kHeight);
        EXPECT_EQ(scroll.direction, c.direction) << "y = " << c.y;
        EXPECT_EQ(scroll.period, c.period) << "y = " << c.y;
    }
}

TEST(ScriptTreeDragScrollTest, ALineEveryPeriodTicks)
{
    const DragScroll slow = DragScroll::at(9, 200);
    std::vector<int> lines;
    for (int tick = 1; tick <= 13; ++tick)
        if (slow.scrollsOn(tick))
            lines.push_back(tick);
    EXPECT_EQ(lines, (std::vector<int>{6, 12}));
    EXPECT_FALSE(DragScroll::at(100, 200).scrollsOn(6));
    EXPECT_TRUE(DragScroll::at(-100, 200).scrollsOn(1));
}

} // namespace
} // namespace gr2
