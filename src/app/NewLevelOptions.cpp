#include "app/NewLevelOptions.h"

#include "level/LevelIds.h"
#include "typedb/CTypeDatabase.h"

#include <cstdio>

namespace gr2::NewLevelOptions {

std::string proposedName(unsigned counter)
{
    return "GR2Level" + std::to_string(counter);
}

std::vector<uint8_t> baseTerrains(const CTypeDatabase& types)
{
    std::vector<uint8_t> offered;
    for (const CTerrainType& t : types.terrains()) {
        const uint16_t id = t.id();
        if (id == 0 || id > 255 || t.isRoomFloor() || types.roomWithFloor(uint8_t(id)) || id == 27 ||
            id == 30 || id == 38)
            continue;
        offered.push_back(uint8_t(id));
    }
    return offered;
}

size_t defaultTerrainIndex(size_t count)
{
    return count > 1 ? 1 : 0;
}

const std::vector<OwnerChoice>& owners()
{
    static const std::vector<OwnerChoice> list = {
        {PlayerId::Good, "Good Player"},
        {PlayerId::Neutral, "Neutral Player"},
        {PlayerId::FirstVorlan, "Vorlan 1"},
    };
    return list;
}

bool ownerSelectable(const CTypeDatabase& types, uint8_t terrainId)
{
    const CTerrainType* terrain = types.terrains().findById(terrainId);
    return terrain && terrain->hasFlag(TerrainTypeFlag::Ownable);
}

std::optional<std::string> sideError(long long value)
{
    if (value >= kMinSide && value <= kMaxSide)
        return std::nullopt;
    char text[64];
    std::snprintf(text, sizeof text, kRangeMessageFormat, int(kMinSide), int(kMaxSide));
    return std::string(text);
}

std::optional<std::string> nameError(const std::string& name)
{
    if (!name.empty())
        return std::nullopt;
    return std::string(kNameRequiredMessage);
}

} // namespace gr2::NewLevelOptions
