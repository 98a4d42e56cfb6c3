#include "mapedit/FloodFill.h"

#include "mapedit/MapEdit.h"

#include <vector>

namespace gr2
{

size_t FloodFill(MapEdit& edit, TilePoint seed, uint8_t terrain, uint8_t owner)
{
    CWorldEditorDoc& doc = edit.doc();
    if (!doc.IsInside(seed))
        return 0;
    const uint8_t seedTerrain = doc.GetTerrain(seed);
    const uint8_t seedOwner = doc.GetOwner(seed);
    doc.clearVisited();
    if (seedTerrain == terrain && seedOwner == owner)
        return 0;

    size_t painted = 0;
    std::vector<TilePoint> stack{seed};
    while (!stack.empty()) {
        const TilePoint p = stack.back();
        stack.pop_back();
        if (!doc.IsInside(p) || doc.visited(p))
            continue;
        doc.setVisited(p, 1);
        if (!doc.IsInterior(p) || doc.GetTerrain(p) != seedTerrain || doc.GetOwner(p) != seedOwner ||
            !doc.IsTileFree(p))
            continue;
        if (edit.paintTile(p, terrain, owner))
            ++painted;
        // Pushed in reverse so that the tile above is taken next, as a recursive fill would.
        stack.push_back({p.x - 1, p.y});
        stack.push_back({p.x, p.y + 1});
        stack.push_back({p.x + 1, p.y});
        stack.push_back({p.x, p.y - 1});
    }
    return painted;
}

} // namespace gr2
