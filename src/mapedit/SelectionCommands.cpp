#include "mapedit/SelectionCommands.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelIds.h"
#include "mapedit/MapEdit.h"
#include "mapedit/RoomBrushes.h"

namespace gr2 {

namespace {
constexpr uint8_t kCopiedRoomTerrain = 3;
}

TileBrush copyRegion(const CWorldEditorDoc& doc, const TileRect& region)
{
    TileBrush clip;
    if (region.empty())
        return clip;
    clip.width = region.right - region.left + 1;
    clip.height = region.bottom - region.top + 1;
    for (int32_t y = region.top; y <= region.bottom; ++y) {
        for (int32_t x = region.left; x <= region.right; ++x) {
            const TilePoint p{x, y};
            if (!doc.IsInside(p))
                continue;
            BrushCell cell{{x - region.left, y - region.top}, doc.GetTerrain(p), doc.GetOwner(p)};
            if (isSpecialRoomTerrain(cell.terrain)) {
                cell.terrain = kCopiedRoomTerrain;
                cell.owner = PlayerId::Neutral;
            }
            clip.cells.push_back(cell);
        }
    }
    return clip;
}

void fillRegion(MapEdit& edit, const TileRect& region, uint8_t terrain, uint8_t owner)
{
    for (int32_t y = region.top; y <= region.bottom; ++y)
        for (int32_t x = region.left; x <= region.right; ++x)
            if (edit.doc().IsInterior({x, y}))
                edit.paintTile({x, y}, terrain, owner);
}

void clearAll(MapEdit& edit, uint8_t terrain, uint8_t owner)
{
    // The border would be painted over and drawn again at once; leaving it alone has the same
    // result without changing tiles behind the undo journal's back.
    CWorldEditorDoc& doc = edit.doc();
    fillRegion(edit, {1, 1, int32_t(doc.width()) - 2, int32_t(doc.height()) - 2}, terrain, owner);
    edit.redrawBorder();
}

} // namespace gr2
