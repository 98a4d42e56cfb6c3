#include "support/LevelBuilder.h"

namespace gr2::test {

LevelBuilder::LevelBuilder(uint32_t width, uint32_t height, uint8_t baseTerrain, uint8_t baseOwner)
    : m_doc(std::make_unique<CWorldEditorDoc>(m_types))
{
    m_doc->NewLevel({"Test Level", width, height, baseTerrain, baseOwner});
}

LevelBuilder& LevelBuilder::playersUpTo(uint8_t lastId)
{
    while (m_doc->PlayerCount() < lastId && m_doc->CreateNewPlayer()) {
    }
    return *this;
}

LevelBuilder& LevelBuilder::paint(const TileRect& block, uint8_t terrain, uint8_t owner)
{
    for (int32_t y = block.top; y <= block.bottom; ++y)
        for (int32_t x = block.left; x <= block.right; ++x)
            m_doc->StoreTile({x, y}, terrain, owner);
    return *this;
}

PortalEntry* LevelBuilder::portal(uint8_t owner, TilePoint centre, uint8_t terrain)
{
    paint(portalFootprint(centre), terrain, owner);
    PortalEntry entry;
    entry.centre = centre;
    entry.terrain = terrain;
    return m_doc->AddPortal(owner, entry);
}

LevelBuilder& LevelBuilder::heart(uint8_t owner, TilePoint centre)
{
    paint(heartFootprint(centre), TerrainId::DungeonHeart, owner);
    if (CPlayer* p = m_doc->FindPlayer(owner))
        p->setHeartPosition(centre);
    return *this;
}

HeroGateEntry* LevelBuilder::gate(uint8_t owner, TilePoint reference, uint8_t terrain, uint8_t direction)
{
    HeroGateEntry entry;
    entry.reference = reference;
    entry.terrain = terrain;
    entry.direction = direction;
    paint(heroGateFootprint(entry), terrain, owner);
    return m_doc->AddHeroGate(owner, entry);
}

} // namespace gr2::test
