#include "app/StatusTexts.h"

#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "mapedit/EditorState.h"
#include "typedb/CTypeDatabase.h"

#include <cstdio>

namespace gr2 {

namespace {

std::string typeName(const CTypeDatabase& types, TypeKind kind, uint8_t typeId)
{
    auto family = familyOfKind(kind);
    if (!family)
        return {};
    const CTypeRecord* record = types.table(*family).findRecordById(typeId);
    return record ? latin1ToUtf8(record->name()) : std::string();
}

} // namespace

std::optional<DrawItem> currentDrawItem(const EditorState& state)
{
    const ToolCode tool = state.tool();
    if (!isPlacingTool(tool))
        return DrawItem{TypeKind::Terrain, state.slab()};
    const auto family = ThingFamily(uint8_t(tool) - uint8_t(ToolCode::PlaceCreature));
    const uint8_t type = state.currentType(family);
    if (type == 0)
        return std::nullopt;
    // The families follow the kinds in the same order: creature, door, trap, object.
    return DrawItem{TypeKind(uint8_t(TypeKind::Creature) + uint8_t(family)), type};
}

std::string drawItemText(const CTypeDatabase& types, TypeKind kind, uint8_t typeId)
{
    const char* word = nullptr;
    switch (kind) {
    case TypeKind::Terrain: {
        const CTerrainType* terrain = types.terrains().findById(typeId);
        word = terrain && terrain->isRoomFloor() ? "Room" : "Terrain";
        break;
    }
    case TypeKind::Creature:
        word = "Creature";
        break;
    case TypeKind::Door:
        word = "Door";
        break;
    case TypeKind::Trap:
        word = "Trap";
        break;
    case TypeKind::Object:
        word = "Object";
        break;
    default:
        return {};
    }
    return std::string("Draw Item: ") + word + " [ " + typeName(types, kind, typeId) + " ]";
}

std::string paletteButtonTip(const CTypeDatabase& types, TypeKind kind, uint8_t typeId)
{
    std::string name = typeName(types, kind, typeId);
    if (kind == TypeKind::Terrain)
        if (const CRoomType* room = types.roomWithFloor(typeId))
            name = latin1ToUtf8(room->name());
    return name.empty() ? std::string() : name + " (id " + std::to_string(typeId) + ")";
}

std::string tileText(const CTypeDatabase& types, const CWorldEditorDoc* level, uint8_t terrainId,
                     uint8_t playerId)
{
    if (terrainId == 0 && playerId == 0)
        return {};
    std::string owner;
    if (level)
        if (const CPlayer* player = level->FindPlayer(playerId))
            owner = latin1ToUtf8(player->name());
    return "Slab Type: " + typeName(types, TypeKind::Terrain, terrainId) + "  Owner: " + owner;
}

std::string positionText(int32_t x, int32_t y)
{
    if (x < 0 || y < 0)
        return {};
    char text[64];
    std::snprintf(text, sizeof text, "XPos = %u : YPos = %u", unsigned(x) + 1, unsigned(y) + 1);
    return text;
}

std::string mapSizeText(uint32_t width, uint32_t height)
{
    if (width == 0 || height == 0)
        return {};
    char text[80];
    std::snprintf(text, sizeof text, "Size: %u x %u [ %llu Blocks ]", unsigned(width), unsigned(height),
                  static_cast<unsigned long long>(width) * height);
    return text;
}

uint8_t firstTerrainId(const CTypeDatabase& types)
{
    for (int id = 1; id <= 255; ++id)
        if (types.terrains().findById(uint32_t(id)))
            return uint8_t(id);
    return 0;
}

} // namespace gr2
