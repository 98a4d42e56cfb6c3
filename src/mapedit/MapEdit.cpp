#include "mapedit/MapEdit.h"

#include "level/LevelTypes.h"

namespace gr2 {

MapEdit::~MapEdit() = default;

bool MapEdit::canPaint(TilePoint p, uint8_t terrain) const
{
    if (!m_doc.IsInside(p))
        return false;
    if (m_doc.IsTileFree(p))
        return true;
    std::optional<uint32_t> flags = m_doc.types().terrainFlags(terrain);
    return !(flags && (*flags & TerrainFlag::Solid));
}

bool MapEdit::paintTile(TilePoint p, uint8_t terrain, uint8_t owner)
{
    // A refused tile keeps its owner too: a thing's tile must not change hands under it just
    // because the terrain could not be laid.
    if (!canPaint(p, terrain))
        return false;
    m_doc.SetTerrain(p, terrain);
    m_doc.SetOwner(p, owner);
    return true;
}

void MapEdit::tilesStored(const TileRect& bounds)
{
    m_doc.notifyTilesChanged(bounds);
    m_doc.SetModifiedFlag(true);
}

void MapEdit::replaceMap(uint32_t width, uint32_t height, std::vector<uint8_t> terrain,
                         std::vector<uint8_t> owner)
{
    const size_t cells = size_t(width) * height;
    if (terrain.size() != cells || owner.size() != cells)
        return;
    m_doc.SetMapSize(width, height);
    m_doc.AllocateMap();
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) {
            size_t i = size_t(y) * width + x;
            m_doc.StoreTile({int32_t(x), int32_t(y)}, terrain[i], owner[i]);
        }
    m_doc.DrawBorder();
    m_doc.SetModifiedFlag(true);
}

CCreature* MapEdit::createCreature(uint8_t type, uint8_t owner, TilePoint p)
{
    return m_doc.CreateCreature(type, owner, p, true);
}

CDoor* MapEdit::createDoor(uint8_t type, uint8_t owner, TilePoint p)
{
    return m_doc.CreateDoor(type, owner, p);
}

CTrap* MapEdit::createTrap(uint8_t type, uint8_t owner, TilePoint p)
{
    return m_doc.CreateTrap(type, owner, p);
}

CObjectThing* MapEdit::createObject(uint8_t type, TilePoint p)
{
    return m_doc.CreateObjectThing(type, p);
}

void MapEdit::deleteThing(CLevelObject& thing, bool withTriggers)
{
    switch (thing.kind()) {
    case ObjectKind::Creature:
        m_doc.DeleteCreature(static_cast<CCreature*>(&thing), withTriggers);
        break;
    case ObjectKind::Door:
        m_doc.DeleteDoor(static_cast<CDoor*>(&thing), withTriggers);
        break;
    case ObjectKind::Trap:
        m_doc.DeleteTrap(static_cast<CTrap*>(&thing), withTriggers);
        break;
    case ObjectKind::Object:
        m_doc.DeleteObjectThing(static_cast<CObjectThing*>(&thing), withTriggers);
        break;
    default:
        break;
    }
}

void MapEdit::moveThing(CLevelObject& thing, TilePoint to)
{
    const TilePoint from = thing.position();
    if (from == to)
        return;
    thing.setPosition(to);
    m_doc.notifyTilesChanged(TileRect::single(from));
    m_doc.notifyTilesChanged(TileRect::single(to));
    m_doc.notifyObjectChanged(thing);
    m_doc.SetModifiedFlag(true);
}

CActionPoint* MapEdit::addActionPoint(const TileRect& area)
{
    return m_doc.AddActionPoint(area);
}

void MapEdit::setActionPointArea(CActionPoint& point, const TileRect& area)
{
    point.setArea(area);
    point.setPosition({area.left, area.top});
    m_doc.notifyObjectChanged(point);
    m_doc.SetModifiedFlag(true);
}

void MapEdit::deleteActionPoint(CActionPoint& point)
{
    m_doc.DeleteActionPoint(&point, true);
}

CEffectGenerator* MapEdit::addEffectGenerator(TilePoint topLeft, uint16_t width, uint16_t height)
{
    CEffectGenerator* g = m_doc.AddEffectGenerator(topLeft);
    if (g) {
        g->setExtent(width, height);
        g->clampExtent(m_doc.width(), m_doc.height());
    }
    return g;
}

void MapEdit::setEffectGeneratorArea(CEffectGenerator& g, TilePoint topLeft, uint16_t width, uint16_t height)
{
    g.setPosition(topLeft);
    g.setExtent(width, height);
    g.clampExtent(m_doc.width(), m_doc.height());
    m_doc.notifyObjectChanged(g);
    m_doc.SetModifiedFlag(true);
}

void MapEdit::setCameraStart(CPlayer& player, TilePoint p)
{
    player.setCameraStart(p);
    m_doc.notifyObjectChanged(player);
    m_doc.SetModifiedFlag(true);
}

void MapEdit::setBuildArea(CPlayer& player, const BuildArea& area, bool defined)
{
    player.setBuildArea(area);
    if (defined)
        player.setBuildAreaDefined(true);
    m_doc.notifyObjectChanged(player);
    m_doc.SetModifiedFlag(true);
}

void MapEdit::setHeart(CPlayer& player, TilePoint centre)
{
    const TilePoint old = player.heartPosition();
    if (player.cameraStart() == TilePoint{} || player.cameraStart() == old)
        player.setCameraStart(centre);
    moveHeart(player, centre);
}

void MapEdit::moveHeart(CPlayer& player, TilePoint centre)
{
    player.setHeartPosition(centre);
    m_doc.notifyTilesChanged(heartFootprint(centre));
    m_doc.notifyObjectChanged(player);
    m_doc.SetModifiedFlag(true);
}

PortalEntry* MapEdit::addPortal(uint8_t owner, const PortalEntry& portal)
{
    PortalEntry* p = m_doc.AddPortal(owner, portal);
    if (p)
        m_doc.notifyTilesChanged(portalFootprint(p->centre));
    return p;
}

HeroGateEntry* MapEdit::addHeroGate(uint8_t owner, const HeroGateEntry& gate)
{
    HeroGateEntry* g = m_doc.AddHeroGate(owner, gate);
    if (g)
        m_doc.notifyTilesChanged(heroGateFootprint(*g));
    return g;
}

void MapEdit::movePortal(PortalEntry& portal, TilePoint centre)
{
    portal.centre = centre;
    m_doc.notifyTilesChanged(portalFootprint(centre));
    m_doc.SetModifiedFlag(true);
}

void MapEdit::moveHeroGate(HeroGateEntry& gate, TilePoint reference, uint8_t direction)
{
    gate.reference = reference;
    gate.direction = direction;
    m_doc.notifyTilesChanged(heroGateFootprint(gate));
    m_doc.SetModifiedFlag(true);
}

void MapEdit::removeHeart(CPlayer& player)
{
    m_doc.RemoveHeart(&player);
}

void MapEdit::removePortal(CPlayer& player, const PortalEntry& portal)
{
    m_doc.RemovePortal(&player, &portal);
}

void MapEdit::removeHeroGate(CPlayer& player, const HeroGateEntry& gate)
{
    m_doc.RemoveHeroGate(&player, &gate);
}

} // namespace gr2
