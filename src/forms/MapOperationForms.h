#pragma once
// The three dialogs that collect the parameters of a whole-map or whole-level operation: "Resize
// Map" (new size, where the old map sits in it, what fills the new tiles), "Rotate Map" (angle and
// direction, for the map and for the brush) and "Reset Creature Properties" (which properties go
// back to their defaults).

#include "forms/Form.h"
#include "mapedit/MapTransforms.h"

#include <cstdint>

namespace gr2 {

class CTypeDatabase;
class CWorldEditorDoc;

// --- Resize Map -----------------------------------------------------------------------------------

/// What the dialog starts with: the level's size, the top-left anchor, and the level's base terrain
/// and owner (the owner Neutral when that terrain cannot be owned).
ResizeRequest initialResize(const CWorldEditorDoc& doc, const CTypeDatabase& types);

/// "Resize Map": width and height (7 to 128, spins 1 to 128), the "Center Image" grid of nine
/// anchors (read row by row, top-left first), the base terrain and the base owner, which only
/// Ownable terrain lets the user choose.
FormDescription<ResizeRequest> resizeMapForm(const CWorldEditorDoc& doc, const CTypeDatabase& types);

// --- Rotate Map -----------------------------------------------------------------------------------

struct RotateChoice {
    static constexpr int64_t kQuarter = 90;
    static constexpr int64_t kHalf = 180;
    static constexpr int64_t kRight = 0;
    static constexpr int64_t kLeft = 1;
    int64_t angle = kQuarter;
    int64_t direction = kRight;

    /// A half turn whatever the direction; a quarter turn the way chosen.
    Turn turn() const;
};

/// "Rotate Map": "&90 " or "&180", "&Right" or "&Left"; 90 and Right on opening.
FormDescription<RotateChoice> rotateMapForm();

// --- Reset Creature Properties ----------------------------------------------------------------------

/// The properties to reset, as the creatures' reset mask (see ResetMask).
struct ResetChoice {
    uint32_t mask = 0;
};

/// Every property checked: what the dialog shows on opening.
ResetChoice initialReset();

/// "Reset Creature Properties": the "Reset..." group of "&Health", "&Gold Held", "&Objective",
/// "&Mood" and "&Level".
FormDescription<ResetChoice> resetCreaturesForm();

} // namespace gr2
