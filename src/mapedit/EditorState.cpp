#include "mapedit/EditorState.h"

#include "level/LevelIds.h"
#include "level/LevelTypes.h"
#include "mapedit/RoomBrushes.h"

namespace gr2 {

void EditorState::selectTool(ToolCode tool)
{
    if (tool == ToolCode::Stamp)
        return;
    if (m_tool == ToolCode::Stamp)
        dropBrush();
    m_tool = tool;
    notifyChanged();
}

void EditorState::selectPaintToolUnlessShaping()
{
    if (!isShapingTool(m_tool))
        selectTool(ToolCode::Paint);
}

void EditorState::SetDrawTerrain(uint8_t terrain, uint8_t playerId)
{
    m_slab = terrain;
    if (!isSpecialRoomTerrain(terrain)) {
        m_paintSlab = terrain;
        if (m_tool == ToolCode::Stamp && m_brush.isRoom())
            dropBrush();
        return;
    }
    m_brush = roomBrush(terrain, m_gateDirection, playerId != 0 ? playerId : PlayerId::FirstVorlan);
    m_tool = ToolCode::Stamp;
    notifyChanged();
}

void EditorState::rotateRoomBrush()
{
    if (m_brush.roomTerrain != TerrainId::HeroGateSmall)
        return;
    m_gateDirection = nextGateDirection(m_gateDirection);
    m_brush = roomBrush(TerrainId::HeroGateSmall, m_gateDirection, m_brush.cells.front().owner);
    notifyChanged();
}

void EditorState::dropBrush()
{
    m_brush.clear();
    m_slab = m_paintSlab;
    m_tool = ToolCode::Paint;
    notifyChanged();
}

void EditorState::flipBrushX()
{
    if (!m_brush.isRoom()) {
        m_brush.flipX();
    } else if (m_brush.roomTerrain == TerrainId::HeroGateSmall &&
               (m_gateDirection == 2 || m_gateDirection == 6)) {
        m_gateDirection = uint8_t(8 - m_gateDirection);
        m_brush = roomBrush(TerrainId::HeroGateSmall, m_gateDirection, m_brush.cells.front().owner);
    }
    notifyChanged();
}

void EditorState::flipBrushY()
{
    if (!m_brush.isRoom()) {
        m_brush.flipY();
    } else if (m_brush.roomTerrain == TerrainId::HeroGateSmall &&
               (m_gateDirection == 0 || m_gateDirection == 4)) {
        m_gateDirection = uint8_t(4 - m_gateDirection);
        m_brush = roomBrush(TerrainId::HeroGateSmall, m_gateDirection, m_brush.cells.front().owner);
    }
    notifyChanged();
}

void EditorState::rotateBrush(Turn turn)
{
    if (!m_brush.isRoom()) {
        m_brush.rotate(turn);
        notifyChanged();
        return;
    }
    if (m_brush.roomTerrain != TerrainId::HeroGateSmall)
        return;
    const int steps = turn == Turn::Right ? 1 : turn == Turn::Half ? 2 : 3;
    m_gateDirection = uint8_t((m_gateDirection + 2 * steps) % 8);
    m_brush = roomBrush(TerrainId::HeroGateSmall, m_gateDirection, m_brush.cells.front().owner);
    notifyChanged();
}

bool EditorState::startPaste()
{
    if (m_clipboard.empty())
        return false;
    if (m_brush.isRoom())
        m_slab = m_paintSlab;
    m_brush = m_clipboard;
    m_tool = ToolCode::Stamp;
    notifyChanged();
    return true;
}

void EditorState::drawingPlayerChanged(bool good)
{
    auto swapSlab = [&](uint8_t& slab) {
        if (good && slab == TerrainId::Bridge2)
            slab = TerrainId::Bridge3;
        else if (!good && slab == TerrainId::Bridge3)
            slab = TerrainId::Bridge2;
    };
    swapSlab(m_slab);
    swapSlab(m_paintSlab);
    if (m_tool == ToolCode::PlaceDoor)
        m_types[size_t(ThingFamily::Door)] = m_pairs.door(m_types[size_t(ThingFamily::Door)], good);
    if (m_tool == ToolCode::PlaceTrap)
        m_types[size_t(ThingFamily::Trap)] = m_pairs.trap(m_types[size_t(ThingFamily::Trap)], good);
    notifyChanged();
}

uint8_t EditorState::brushOwner(const LevelTypes& types, uint8_t terrain, uint8_t playerId)
{
    std::optional<uint32_t> flags = types.terrainFlags(terrain);
    return flags && (*flags & TerrainFlag::Ownable) ? playerId : PlayerId::Neutral;
}

} // namespace gr2
