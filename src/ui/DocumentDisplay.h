#pragma once
// The display switches that belong to one level and so to all of its views together: the grid,
// Shrink to Fit and the highlighted action point and effect generator. (Whether waypoint paths
// are shown is kept by the document itself.) The level's child frame owns them.

#include <cstdint>

namespace gr2 {

struct DocumentDisplay {
    static constexpr uint8_t kNoHighlight = 255;

    bool grid = false;
    bool shrinkToFit = false;
    uint8_t highlightedActionPoint = kNoHighlight;
    uint8_t highlightedEffectGenerator = kNoHighlight;
};

} // namespace gr2
