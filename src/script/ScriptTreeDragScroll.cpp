#include "script/ScriptTreeDragScroll.h"

#include <algorithm>

namespace gr2 {

DragScroll DragScroll::at(int y, int height)
{
    int depth = 0;
    DragScroll scroll;
    if (y < kBandPixels) {
        scroll.direction = -1;
        depth = kBandPixels - y;
    } else if (y >= height - kBandPixels) {
        scroll.direction = 1;
        depth = y - (height - kBandPixels) + 1;
    } else {
        return {};
    }
    const int d = std::min(depth / 5, 5);
    scroll.period = d >= 5 ? 1 : 6 - d;
    return scroll;
}

} // namespace gr2
