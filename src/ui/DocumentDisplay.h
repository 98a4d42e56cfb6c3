#pragma once
// The display switches that belong to one level and so to all of its views together: the grid,
// Shrink to Fit and what the script tree highlights (a thing, an action point, an effect
// generator). (Whether waypoint paths are shown is kept by the document itself.) The level's child
// frame owns them and drops a highlighted thing that leaves the level.

#include <cstdint>

namespace gr2 {

class CLevelObject;

struct DocumentDisplay {
    static constexpr uint8_t kNoHighlight = 255;

    bool grid = false;
    bool shrinkToFit = false;
    uint8_t highlightedActionPoint = kNoHighlight;
    uint8_t highlightedEffectGenerator = kNoHighlight;
    const CLevelObject* highlightedThing = nullptr;
};

} // namespace gr2
