#pragma once
// Builds small levels in code for tests: a new level over TestLevelTypes, with helpers that lay
// special rooms down the way a loaded level has them (terrain on the map, entry with the player).

#include "level/CWorldEditorDoc.h"
#include "support/TestLevelTypes.h"

#include <memory>

namespace gr2::test {

class LevelBuilder {
public:
    explicit LevelBuilder(uint32_t width = 12, uint32_t height = 12, uint8_t baseTerrain = TestTerrain::Path,
                          uint8_t baseOwner = PlayerId::Neutral);

    CWorldEditorDoc& doc() { return *m_doc; }
    TestLevelTypes& types() { return m_types; }

    /// Adds Vorlans until the level has players up to the given id.
    LevelBuilder& playersUpTo(uint8_t lastId);
    /// Stores terrain and owner on every tile of the block (clipped), without rules.
    LevelBuilder& paint(const TileRect& block, uint8_t terrain, uint8_t owner);
    PortalEntry* portal(uint8_t owner, TilePoint centre, uint8_t terrain = TerrainId::Portal);
    LevelBuilder& heart(uint8_t owner, TilePoint centre);
    HeroGateEntry* gate(uint8_t owner, TilePoint reference, uint8_t terrain, uint8_t direction = 0);

private:
    TestLevelTypes m_types;
    std::unique_ptr<CWorldEditorDoc> m_doc;
};

} // namespace gr2::test
