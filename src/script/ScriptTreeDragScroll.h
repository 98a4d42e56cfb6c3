#pragma once
// While an item of the script tree is dragged near the top or bottom edge, a 25 ms timer scrolls
// the tree: one line every few ticks inside the 10-pixel band along the edge, faster the deeper
// the pointer goes into it or beyond it, every tick at 25 pixels and more.

namespace gr2 {

struct DragScroll {
    static constexpr int kTickMilliseconds = 25;
    static constexpr int kBandPixels = 10;

    /// -1 scrolls up, +1 down, 0 not at all (the pointer is away from the edges).
    int direction = 0;
    /// A line every `period` ticks.
    int period = 0;

    /// Where the pointer is, in pixels from the top of the tree's visible area of `height`.
    static DragScroll at(int y, int height);
    /// Whether the tick (counted from 1 since the pointer came near the edge) scrolls a line.
    bool scrollsOn(int tick) const { return direction != 0 && period > 0 && tick % period == 0; }
};

} // namespace gr2
