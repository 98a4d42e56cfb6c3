#include "mapedit/RoomBrushes.h"

#include "level/LevelIds.h"
#include "mapedit/MapEdit.h"

namespace gr2 {

bool isSpecialRoomTerrain(uint8_t terrain)
{
    return TerrainId::isPortal(terrain) || terrain == TerrainId::DungeonHeart ||
           TerrainId::isHeroGate(terrain);
}

namespace {

TileBrush block(uint8_t terrain, int32_t width, int32_t height, uint8_t owner)
{
    TileBrush b;
    b.roomTerrain = terrain;
    b.width = width;
    b.height = height;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x)
            b.cells.push_back({{x, y}, terrain, owner});
    return b;
}

TileBrush largeGate()
{
    TileBrush b = block(TerrainId::HeroGateLarge, 5, 7, PlayerId::Good);
    for (BrushCell& c : b.cells) {
        const bool frame =
            c.offset.x == 0 || c.offset.x == 4 || c.offset.y == 0 || (c.offset.y == 6 && c.offset.x != 2);
        if (frame) {
            c.terrain = 1;
            c.owner = PlayerId::Neutral;
        }
    }
    return b;
}

bool alongX(uint8_t direction)
{
    return direction == 0 || direction == 4;
}

} // namespace

TileBrush roomBrush(uint8_t terrain, uint8_t direction, uint8_t owner)
{
    TileBrush b;
    switch (terrain) {
    case TerrainId::Portal:
    case TerrainId::PortalAlt:
        b = block(terrain, 3, 3, owner);
        break;
    case TerrainId::DungeonHeart:
        b = block(terrain, 5, 5, owner);
        break;
    case TerrainId::HeroGate:
        b = block(terrain, 2, 2, owner);
        break;
    case TerrainId::HeroGateSmall:
        b = alongX(direction) ? block(terrain, 3, 1, owner) : block(terrain, 1, 3, owner);
        b.direction = direction;
        break;
    case TerrainId::HeroGateLarge:
        b = largeGate();
        break;
    default:
        break;
    }
    return b;
}

namespace {

TilePoint at(TilePoint t, TilePoint offset)
{
    return {t.x + offset.x, t.y + offset.y};
}

/// Paints every cell on an interior tile. Painting over part of an old special room dismantles
/// the whole of it into claimed floor, which may undo cells laid just before; a second pass lays
/// those again (the old room is gone by then, so nothing else is dismantled).
bool paintCells(MapEdit& edit, const TileBrush& brush, TilePoint t)
{
    CWorldEditorDoc& doc = edit.doc();
    bool painted = false;
    for (int pass = 0; pass < 2; ++pass) {
        for (const BrushCell& c : brush.cells) {
            const TilePoint p = at(t, c.offset);
            if (!doc.IsInterior(p))
                continue;
            if (pass == 1 && doc.GetTerrain(p) == c.terrain && doc.GetOwner(p) == c.owner)
                continue;
            painted = edit.paintTile(p, c.terrain, c.owner) || painted;
        }
    }
    return painted;
}

} // namespace

StampResult stampBrush(MapEdit& edit, const TileBrush& brush, TilePoint t)
{
    StampResult result;
    if (brush.empty())
        return result;
    CWorldEditorDoc& doc = edit.doc();
    if (!brush.isRoom()) {
        result.stamped = paintCells(edit, brush, t);
        return result;
    }

    // The whole block must lie inside the border: a room reaching into it would be cut by the
    // next border redraw while its player still lists it.
    for (const BrushCell& c : brush.cells)
        if (!doc.IsInterior(at(t, c.offset)) || !edit.canPaint(at(t, c.offset), c.terrain))
            return result;

    const uint8_t owner = brush.cells.front().owner;
    const uint8_t room = brush.roomTerrain;
    CPlayer* player = nullptr;
    if (TerrainId::isHeroGate(room)) {
        player = doc.FindPlayer(PlayerId::Good);
    } else {
        player = doc.FindPlayer(owner);
        if (player && room == TerrainId::DungeonHeart && player->hasHeart())
            return result;
    }
    if (!player)
        return result;

    paintCells(edit, brush, t);
    result.stamped = true;
    switch (room) {
    case TerrainId::Portal:
    case TerrainId::PortalAlt: {
        PortalEntry portal;
        portal.centre = {t.x + 1, t.y + 1};
        portal.terrain = room;
        edit.addPortal(owner, portal);
        break;
    }
    case TerrainId::DungeonHeart:
        edit.setHeart(*player, {t.x + 2, t.y + 2});
        result.placedHeart = true;
        break;
    default: {
        HeroGateEntry gate;
        gate.terrain = room;
        if (room == TerrainId::HeroGateSmall) {
            gate.direction = brush.direction;
            gate.reference = alongX(brush.direction) ? TilePoint{t.x + 1, t.y} : TilePoint{t.x, t.y + 1};
        } else if (room == TerrainId::HeroGateLarge) {
            gate.reference = {t.x + 2, t.y + 3};
        } else {
            gate.reference = t;
        }
        edit.addHeroGate(PlayerId::Good, gate);
        break;
    }
    }
    return result;
}

} // namespace gr2
