#include "mapedit/MapViewController.h"

#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "level/LevelTypes.h"
#include "level/TextConversion.h"
#include "mapedit/FloodFill.h"
#include "mapedit/MapEdit.h"
#include "mapedit/RoomBrushes.h"
#include "mapedit/SelectionCommands.h"
#include "mapedit/Shapes.h"
#include "script/ScriptTreeCommands.h"

#include <algorithm>

namespace gr2 {

namespace {

/// The Edit menu's name for a paint or placing stroke ("Undo Place Creature").
std::string strokeName(const EditorState& state, ToolCode tool)
{
    struct Placing {
        ToolCode tool;
        ThingFamily family;
        const char* thing;
    };
    static constexpr Placing kPlacing[] = {{ToolCode::PlaceCreature, ThingFamily::Creature, "Creature"},
                                           {ToolCode::PlaceDoor, ThingFamily::Door, "Door"},
                                           {ToolCode::PlaceTrap, ThingFamily::Trap, "Trap"},
                                           {ToolCode::PlaceObject, ThingFamily::Object, "Object"}};
    for (const Placing& p : kPlacing)
        if (p.tool == tool)
            return std::string(state.currentType(p.family) == 0 ? "Delete " : "Place ") + p.thing;
    return "Paint";
}

/// The name of a stamp: the room a room brush lays, else the pasted clipboard.
std::string stampName(const TileBrush& brush)
{
    if (brush.roomTerrain == TerrainId::DungeonHeart)
        return "Place Dungeon Heart";
    if (TerrainId::isPortal(brush.roomTerrain))
        return "Place Portal";
    if (TerrainId::isHeroGate(brush.roomTerrain))
        return "Place Hero Gate";
    return "Paste";
}

} // namespace

int shrinkToFitTileSize(int clientWidth, int clientHeight, uint32_t mapWidth, uint32_t mapHeight)
{
    if (mapWidth == 0 || mapHeight == 0)
        return 1;
    const int64_t byWidth = std::max(clientWidth, 0) / int64_t(mapWidth);
    const int64_t byHeight = std::max(clientHeight, 0) / int64_t(mapHeight);
    return int(std::max<int64_t>(1, std::min(byWidth, byHeight)));
}

MapViewController::MapViewController(CWorldEditorDoc& doc, EditorState& state)
    : m_doc(doc), m_state(state), m_player(PlayerId::FirstVorlan)
{
    m_doc.addObserver(this);
}

MapViewController::~MapViewController()
{
    m_doc.removeObserver(this);
}

CPlayer* MapViewController::player() const
{
    return m_doc.FindPlayer(m_player);
}

void MapViewController::setCurrentPlayer(uint8_t playerId)
{
    if (playerId == 0 || playerId == m_player)
        return;
    m_player = playerId;
    m_state.drawingPlayerChanged(playerId == PlayerId::Good);
}

uint8_t MapViewController::ownerFor(uint8_t terrain) const
{
    return EditorState::brushOwner(m_doc.types(), terrain, m_player);
}

// --- input ---------------------------------------------------------------------------------------

bool MapViewController::leftDown(TilePoint tile)
{
    m_refusal = nullptr;
    m_buttonDown = true;
    m_pointer = tile;
    // Another tool was chosen (in the palette) while a one-off command waited: it is abandoned.
    if (m_oneOff && m_state.tool() != m_oneOffTool)
        dropOneOff(false);
    const ToolCode tool = m_state.tool();
    if (tool == ToolCode::Paint || isPlacingTool(tool))
        m_stroke.emplace(m_doc, strokeName(m_state, tool));
    switch (tool) {
    case ToolCode::Paint:
        paintAt(tile);
        return false;
    case ToolCode::Line:
    case ToolCode::Rectangle:
    case ToolCode::Circle:
        if (!m_doc.IsInterior(tile))
            return false;
        startDrag(tile);
        return true;
    case ToolCode::RectangleSelect:
    case ToolCode::BuildArea:
    case ToolCode::ActionPoint:
    case ToolCode::EffectGenerator:
        if (!m_doc.IsInside(tile) || m_doc.width() < 3 || m_doc.height() < 3)
            return false;
        startDrag(clampToInterior(tile, m_doc.width(), m_doc.height()));
        return true;
    case ToolCode::FloodFill:
        if (m_doc.IsInterior(tile)) {
            MapEdit edit(m_doc, "Flood Fill");
            const uint8_t slab = m_state.paintSlab();
            FloodFill(edit, tile, slab, ownerFor(slab));
        }
        return false;
    case ToolCode::Stamp: {
        StampResult result;
        {
            MapEdit edit(m_doc, stampName(m_state.brush()));
            result = stampBrush(edit, m_state.brush(), tile);
        }
        if (result.placedHeart) {
            m_state.dropBrush();
            return true;
        }
        return false;
    }
    case ToolCode::PlaceCreature:
    case ToolCode::PlaceDoor:
    case ToolCode::PlaceTrap:
    case ToolCode::PlaceObject:
        placeOrDelete(tile);
        return false;
    case ToolCode::CameraStart: {
        CPlayer* p = m_oneOff ? static_cast<CPlayer*>(m_oneOff) : player();
        if (p && p->isVorlan() && m_doc.IsInterior(tile)) {
            {
                MapEdit edit(m_doc, treeCommandName(TreeCommand::EditStartingCameraPosition));
                edit.setCameraStart(*p, tile);
            }
            if (m_oneOff)
                endOneOff();
        }
        return false;
    }
    case ToolCode::MoveCreature:
    case ToolCode::MoveDoor:
    case ToolCode::MoveTrap:
    case ToolCode::MoveObject:
        return moveThingTo(tile);
    case ToolCode::Magnify:
        return false;
    }
    return false;
}

bool MapViewController::mouseMove(TilePoint tile)
{
    if (m_pointer && *m_pointer == tile)
        return false;
    m_pointer = tile;
    m_refusal = nullptr;
    if (!m_buttonDown)
        return m_state.brushActive();
    if (m_dragging) {
        updateDrag(tile);
        return true;
    }
    const ToolCode tool = m_state.tool();
    if (tool == ToolCode::Paint)
        paintAt(tile);
    else if (isPlacingTool(tool))
        placeOrDelete(tile);
    return m_state.brushActive();
}

bool MapViewController::leftUp(TilePoint tile)
{
    m_buttonDown = false;
    m_stroke.reset();
    if (!m_dragging)
        return false;
    if (!m_pointer || *m_pointer != tile) {
        m_pointer = tile;
        updateDrag(tile);
    }
    finishDrag();
    return true;
}

bool MapViewController::pointerLeft()
{
    if (m_buttonDown || m_dragging || !m_pointer)
        return false;
    m_pointer.reset();
    return m_state.brushActive();
}

ContextHit MapViewController::rightDown(TilePoint tile)
{
    m_state.toggleFilled();
    if (m_dragging) {
        computeShape();
        return {};
    }
    if (m_state.tool() == ToolCode::Stamp) {
        m_state.dropBrush();
        return {};
    }
    m_lastHit = thingAt(tile);
    return m_lastHit;
}

ContextHit MapViewController::thingAt(TilePoint tile) const
{
    ContextHit hit;
    hit.tile = tile;
    using Kind = ContextHit::Kind;
    auto shown = [&](ThingFamily f) { return m_state.shows(f); };
    if (CCreature* c = shown(ThingFamily::Creature) ? m_doc.CreatureToPick(tile) : nullptr) {
        hit.kind = Kind::Creature, hit.object = c;
    } else if (CDoor* d = shown(ThingFamily::Door) ? m_doc.DoorAt(tile) : nullptr) {
        hit.kind = Kind::Door, hit.object = d;
    } else if (CTrap* t = shown(ThingFamily::Trap) ? m_doc.TrapAt(tile) : nullptr) {
        hit.kind = Kind::Trap, hit.object = t;
    } else if (CObjectThing* o = shown(ThingFamily::Object) ? m_doc.ObjectAt(tile) : nullptr) {
        hit.kind = Kind::Object, hit.object = o;
    } else {
        for (const auto& a : m_doc.actionPoints()) {
            if (a->area().contains(tile)) {
                hit.kind = Kind::ActionPoint, hit.object = a.get();
                break;
            }
        }
    }
    if (hit.kind == Kind::None) {
        for (const auto& g : m_doc.effectGenerators()) {
            if (g->area().contains(tile)) {
                hit.kind = Kind::EffectGenerator, hit.object = g.get();
                break;
            }
        }
    }
    if (hit.kind == Kind::None) {
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
            CPlayer* p = m_doc.PlayerAt(i);
            if (p->hasHeart() && heartFootprint(p->heartPosition()).contains(tile)) {
                hit.kind = Kind::Heart, hit.player = p;
                break;
            }
        }
    }
    if (hit.kind == Kind::None) {
        if (FoundRoom<PortalEntry> portal = m_doc.FindPortal(tile))
            hit.kind = Kind::Portal, hit.player = portal.player;
        else if (FoundRoom<HeroGateEntry> gate = m_doc.FindHeroGate(tile))
            hit.kind = Kind::HeroGate, hit.player = gate.player;
    }
    return hit;
}

ScrollRequest MapViewController::key(ViewKey key, bool shift, int clientHeight)
{
    const int step = shift ? kFastLineScroll : kLineScroll;
    const int page = std::max(clientHeight - 2, 1);
    switch (key) {
    case ViewKey::Left:
        return {-step, 0};
    case ViewKey::Right:
        return {step, 0};
    case ViewKey::Up:
        return {0, -step};
    case ViewKey::Down:
        return {0, step};
    case ViewKey::PageUp:
        return {0, -page};
    case ViewKey::PageDown:
        return {0, page};
    case ViewKey::Home:
        return {0, 0, true, false};
    case ViewKey::End:
        return {0, 0, false, true};
    case ViewKey::Space:
        if (m_state.tool() == ToolCode::Stamp && m_state.brush().roomTerrain == TerrainId::HeroGateSmall)
            m_state.rotateRoomBrush();
        return {};
    }
    return {};
}

// --- tools ---------------------------------------------------------------------------------------

void MapViewController::paintAt(TilePoint tile)
{
    if (!m_doc.IsInterior(tile))
        return;
    const uint8_t slab = m_state.paintSlab();
    const uint8_t owner = ownerFor(slab);
    if (m_doc.GetTerrain(tile) == slab && m_doc.GetOwner(tile) == owner)
        return;
    MapEdit edit(m_doc, "Paint");
    edit.paintTile(tile, slab, owner);
}

void MapViewController::placeOrDelete(TilePoint tile)
{
    m_refusal = nullptr;
    if (!m_doc.IsInside(tile))
        return;
    MapEdit edit(m_doc, strokeName(m_state, m_state.tool()));
    switch (m_state.tool()) {
    case ToolCode::PlaceCreature: {
        const uint8_t type = m_state.currentType(ThingFamily::Creature);
        // Deleting takes a creature on the map before a script's preview on the same tile.
        CCreature* there = m_doc.CreatureToPick(tile);
        if (type == 0) {
            // A creature that shows a script action belongs to the action, not to the map.
            if (there && there->sourceAction() == 0)
                edit.deleteThing(*there, true);
        } else if (there) {
            m_refusal = "A creature already stands on this tile.";
        } else if (!m_doc.CanPlaceCreature(tile)) {
            m_refusal = "A creature cannot stand here: the tile is solid or on the edge of the map.";
        } else {
            edit.createCreature(type, m_player, tile);
        }
        break;
    }
    case ToolCode::PlaceDoor: {
        const uint8_t type = m_state.currentType(ThingFamily::Door);
        CDoor* there = m_doc.DoorAt(tile);
        if (type == 0) {
            if (there)
                edit.deleteThing(*there, true);
        } else if (there) {
            m_refusal = "A door already stands on this tile.";
        } else if (!m_doc.CanPlaceDoor(tile)) {
            m_refusal = "A door needs a claimable floor tile inside the map that is not part of a room.";
        } else {
            edit.createDoor(type, m_doc.GetOwner(tile), tile);
        }
        break;
    }
    case ToolCode::PlaceTrap: {
        const uint8_t type = m_state.currentType(ThingFamily::Trap);
        CTrap* there = m_doc.TrapAt(tile);
        if (type == 0) {
            if (there)
                edit.deleteThing(*there, true);
        } else if (there) {
            m_refusal = "A trap already stands on this tile.";
        } else if (!m_doc.CanPlaceDoor(tile)) {
            m_refusal = "A trap needs a claimable floor tile inside the map that is not part of a room.";
        } else {
            edit.createTrap(type, m_doc.GetOwner(tile), tile);
        }
        break;
    }
    case ToolCode::PlaceObject: {
        const uint8_t type = m_state.currentType(ThingFamily::Object);
        CObjectThing* there = m_doc.ObjectAt(tile);
        if (type == 0) {
            if (there)
                edit.deleteThing(*there, true);
        } else if (there) {
            m_refusal = "An object already lies on this tile.";
        } else if (!m_doc.CanPlaceCreature(tile)) {
            m_refusal = "An object cannot lie here: the tile is solid or on the edge of the map.";
        } else {
            edit.createObject(type, tile);
        }
        break;
    }
    default:
        break;
    }
}

bool MapViewController::moveThingTo(TilePoint tile)
{
    if (!m_oneOff)
        return false;
    CLevelObject& thing = *m_oneOff;
    bool allowed = false;
    TreeCommand command = TreeCommand::MoveCreature;
    switch (thing.kind()) {
    case ObjectKind::Creature: {
        CCreature* other = m_doc.CreatureAt(tile);
        allowed = m_doc.CanPlaceCreature(tile) && (!other || other == &thing);
        if (!allowed)
            m_refusal = "The creature cannot stand on this tile: it is solid, on the edge of the map or "
                        "another creature stands there.";
        break;
    }
    case ObjectKind::Object: {
        CObjectThing* other = m_doc.ObjectAt(tile);
        allowed = m_doc.CanPlaceCreature(tile) && (!other || other == &thing);
        command = TreeCommand::MoveObject;
        if (!allowed)
            m_refusal = "The object cannot lie on this tile: it is solid, on the edge of the map or another "
                        "object lies there.";
        break;
    }
    case ObjectKind::Door: {
        CDoor* other = m_doc.DoorAt(tile);
        allowed = m_doc.CanPlaceDoor(tile) && (!other || other == &thing);
        command = TreeCommand::MoveDoor;
        if (!allowed)
            m_refusal = "A door needs a claimable floor tile inside the map that is not part of a room and "
                        "holds no other door.";
        break;
    }
    case ObjectKind::Trap: {
        CTrap* other = m_doc.TrapAt(tile);
        allowed = m_doc.CanPlaceDoor(tile) && (!other || other == &thing);
        command = TreeCommand::MoveTrap;
        if (!allowed)
            m_refusal = "A trap needs a claimable floor tile inside the map that is not part of a room and "
                        "holds no other trap.";
        break;
    }
    default:
        break;
    }
    if (!allowed)
        return false;
    {
        MapEdit edit(m_doc, treeCommandName(command));
        edit.moveThing(thing, tile);
    }
    endOneOff();
    return true;
}

void MapViewController::startDrag(TilePoint anchor)
{
    m_dragging = true;
    m_anchor = anchor;
    m_dragPointer = anchor;
    computeShape();
}

void MapViewController::updateDrag(TilePoint pointer)
{
    if (m_state.tool() == ToolCode::Circle) {
        // The circle may reach past the border (only its interior tiles are painted), but not
        // past the map, which keeps its radius bounded.
        const int32_t lastX = std::max<int32_t>(int32_t(m_doc.width()) - 1, 0);
        const int32_t lastY = std::max<int32_t>(int32_t(m_doc.height()) - 1, 0);
        m_dragPointer = {std::clamp(pointer.x, 0, lastX), std::clamp(pointer.y, 0, lastY)};
    } else {
        m_dragPointer = clampToInterior(pointer, m_doc.width(), m_doc.height());
    }
    computeShape();
}

void MapViewController::computeShape()
{
    switch (m_state.tool()) {
    case ToolCode::Line:
        m_shape = lineTiles(m_anchor, m_dragPointer);
        break;
    case ToolCode::Rectangle:
        m_shape = rectangleTiles(m_anchor, m_dragPointer, m_state.filled());
        break;
    case ToolCode::Circle:
        m_shape = circleTiles(m_anchor, m_dragPointer, m_state.filled());
        break;
    default:
        m_shape = rectangleTiles(m_anchor, m_dragPointer, true);
        break;
    }
}

TileRect MapViewController::dragRect() const
{
    return m_dragging ? normalisedRect(m_anchor, m_dragPointer) : TileRect{};
}

void MapViewController::finishDrag()
{
    const TileRect rect = dragRect();
    const std::vector<TilePoint> shape = std::move(m_shape);
    m_shape.clear();
    m_dragging = false;

    switch (m_state.tool()) {
    case ToolCode::Line:
    case ToolCode::Rectangle:
    case ToolCode::Circle: {
        const uint8_t slab = m_state.paintSlab();
        const uint8_t owner = ownerFor(slab);
        MapEdit edit(m_doc, m_state.tool() == ToolCode::Line        ? "Draw Line"
                            : m_state.tool() == ToolCode::Rectangle ? "Draw Rectangle"
                                                                    : "Draw Circle");
        for (TilePoint p : shape)
            if (m_doc.IsInterior(p))
                edit.paintTile(p, slab, owner);
        break;
    }
    case ToolCode::RectangleSelect:
        m_selection = rect;
        break;
    case ToolCode::BuildArea: {
        CPlayer* p = m_oneOff ? static_cast<CPlayer*>(m_oneOff) : player();
        if (p && p->isVorlan() && p->isComputer()) {
            MapEdit edit(m_doc, treeCommandName(TreeCommand::DefineBuildArea));
            edit.setBuildArea(*p, {rect.left, rect.top, rect.right, rect.bottom}, true);
        }
        if (m_oneOff)
            endOneOff();
        break;
    }
    case ToolCode::ActionPoint: {
        if (m_oneOff && m_oneOff->kind() == ObjectKind::ActionPoint) {
            {
                MapEdit edit(m_doc, treeCommandName(TreeCommand::MoveActionPoint));
                edit.setActionPointArea(static_cast<CActionPoint&>(*m_oneOff), rect);
            }
            endOneOff();
            break;
        }
        MapEdit edit(m_doc, treeCommandName(TreeCommand::CreateNewActionPoint));
        CActionPoint* point = edit.addActionPoint(rect);
        if (!point || point->id() >= CActionPoint::kMaxId)
            m_state.selectTool(ToolCode::Paint);
        break;
    }
    case ToolCode::EffectGenerator: {
        const auto w = uint16_t(rect.right - rect.left + 1);
        const auto h = uint16_t(rect.bottom - rect.top + 1);
        if (m_oneOff && m_oneOff->kind() == ObjectKind::EffectGenerator) {
            {
                MapEdit edit(m_doc, treeCommandName(TreeCommand::MoveEffectGenerator));
                edit.setEffectGeneratorArea(static_cast<CEffectGenerator&>(*m_oneOff), {rect.left, rect.top},
                                            w, h);
            }
            endOneOff();
            break;
        }
        MapEdit edit(m_doc, treeCommandName(TreeCommand::CreateNewEffectGenerator));
        if (!edit.addEffectGenerator({rect.left, rect.top}, w, h))
            m_state.selectTool(ToolCode::Paint);
        break;
    }
    default:
        break;
    }
}

// --- commands ------------------------------------------------------------------------------------

bool MapViewController::canSelectTool(ToolCode tool) const
{
    CPlayer* p = player();
    switch (tool) {
    case ToolCode::CameraStart:
        return p && p->isVorlan();
    case ToolCode::BuildArea:
        return p && p->isVorlan() && p->isComputer();
    case ToolCode::Line:
    case ToolCode::Rectangle:
    case ToolCode::Circle:
    case ToolCode::FloodFill:
        return m_state.shapeToolsEnabled();
    case ToolCode::Stamp:
    case ToolCode::MoveCreature:
    case ToolCode::MoveDoor:
    case ToolCode::MoveTrap:
    case ToolCode::MoveObject:
        return false; // chosen by the palette, Paste and the Move commands
    default:
        return true;
    }
}

bool MapViewController::selectTool(ToolCode tool)
{
    if (!canSelectTool(tool))
        return false;
    if (m_oneOff)
        dropOneOff(false);
    m_dragging = false;
    m_shape.clear();
    m_state.selectTool(tool);
    return true;
}

bool MapViewController::beginMove(CLevelObject& thing, bool copy)
{
    ToolCode tool;
    switch (thing.kind()) {
    case ObjectKind::Creature:
        // A hero-party member waits off the map; it has no tile to move from.
        if (m_doc.PartyOf(static_cast<CCreature*>(&thing)))
            return false;
        tool = ToolCode::MoveCreature;
        break;
    case ObjectKind::Door:
        tool = ToolCode::MoveDoor;
        break;
    case ObjectKind::Trap:
        tool = ToolCode::MoveTrap;
        break;
    case ObjectKind::Object:
        tool = ToolCode::MoveObject;
        break;
    case ObjectKind::ActionPoint:
        return beginReposition(static_cast<CActionPoint&>(thing), copy);
    case ObjectKind::EffectGenerator:
        return beginReposition(static_cast<CEffectGenerator&>(thing), copy);
    default:
        return false;
    }
    beginOneOff(thing, tool, copy);
    return true;
}

bool MapViewController::beginReposition(CActionPoint& point, bool copy)
{
    beginOneOff(point, ToolCode::ActionPoint, copy);
    return true;
}

bool MapViewController::beginReposition(CEffectGenerator& generator, bool copy)
{
    beginOneOff(generator, ToolCode::EffectGenerator, copy);
    return true;
}

bool MapViewController::beginCameraStart(CPlayer& player)
{
    if (!player.isVorlan())
        return false;
    beginOneOff(player, ToolCode::CameraStart, false);
    return true;
}

bool MapViewController::beginBuildArea(CPlayer& player)
{
    if (!player.isVorlan() || !player.isComputer())
        return false;
    beginOneOff(player, ToolCode::BuildArea, false);
    return true;
}

void MapViewController::beginOneOff(CLevelObject& object, ToolCode tool, bool copy)
{
    if (m_oneOff == &object) {
        copy = copy || m_oneOffIsCopy;
    } else if (m_oneOff) {
        // The command waiting before is cancelled, its copy removed, its tool restored.
        cancelMode();
    }
    const ToolCode before = m_oneOff ? m_toolBeforeOneOff : m_state.tool();
    m_dragging = false;
    m_shape.clear();
    m_state.selectTool(tool);
    m_toolBeforeOneOff = before == ToolCode::Stamp ? ToolCode::Paint : before;
    m_oneOff = &object;
    m_oneOffTool = tool;
    m_oneOffIsCopy = copy;
}

void MapViewController::endOneOff()
{
    m_oneOff = nullptr;
    m_oneOffIsCopy = false;
    m_state.selectTool(m_toolBeforeOneOff);
}

void MapViewController::dropOneOff(bool restoreTool)
{
    CLevelObject* copy = m_oneOffIsCopy ? m_oneOff : nullptr;
    m_oneOff = nullptr;
    m_oneOffIsCopy = false;
    if (restoreTool)
        m_state.selectTool(m_toolBeforeOneOff);
    if (!copy)
        return;
    // A copy waits on its source's tile until it is placed; left there it would be a duplicate
    // the user never asked for.
    EditStep step(m_doc, "Cancel Move");
    switch (copy->kind()) {
    case ObjectKind::ActionPoint: {
        MapEdit edit(m_doc, "Cancel Move");
        edit.deleteActionPoint(static_cast<CActionPoint&>(*copy));
        break;
    }
    case ObjectKind::EffectGenerator:
        m_doc.DeleteEffectGenerator(static_cast<CEffectGenerator*>(copy));
        break;
    default: {
        MapEdit edit(m_doc, "Cancel Move");
        edit.deleteThing(*copy, true);
        break;
    }
    }
}

bool MapViewController::cancelMode()
{
    const bool dragging = m_dragging;
    if (m_dragging) {
        m_dragging = false;
        m_buttonDown = false;
        m_shape.clear();
    }
    if (!m_oneOff)
        return dragging;
    dropOneOff(true);
    return true;
}

std::string MapViewController::modePrompt() const
{
    if (!m_oneOff)
        return {};
    switch (m_oneOffTool) {
    case ToolCode::MoveCreature:
        return "Click the tile the creature is to stand on; Escape cancels.";
    case ToolCode::MoveDoor:
        return "Click the tile the door is to stand on; Escape cancels.";
    case ToolCode::MoveTrap:
        return "Click the tile the trap is to stand on; Escape cancels.";
    case ToolCode::MoveObject:
        return "Click the tile the object is to lie on; Escape cancels.";
    case ToolCode::ActionPoint:
        return "Drag the new area of the action point; Escape cancels.";
    case ToolCode::EffectGenerator:
        return "Drag the new area of the effect generator; Escape cancels.";
    case ToolCode::CameraStart:
        return "Click the starting camera position of " +
               latin1ToUtf8(static_cast<const CPlayer*>(m_oneOff)->name()) + "; Escape cancels.";
    case ToolCode::BuildArea:
        return "Drag the build area of " + latin1ToUtf8(static_cast<const CPlayer*>(m_oneOff)->name()) +
               "; Escape cancels.";
    default:
        return {};
    }
}

void MapViewController::selectAll()
{
    m_selection = TileRect{1, 1, int32_t(m_doc.width()) - 2, int32_t(m_doc.height()) - 2};
    if (m_selection->empty())
        m_selection.reset();
}

bool MapViewController::copy()
{
    if (!m_selection)
        return false;
    m_state.setClipboard(copyRegion(m_doc, *m_selection));
    m_selection.reset();
    return true;
}

bool MapViewController::cut()
{
    if (!m_selection)
        return false;
    const TileRect region = *m_selection;
    m_state.setClipboard(copyRegion(m_doc, region));
    {
        MapEdit edit(m_doc, "Cut");
        fillRegion(edit, region, m_state.paintSlab(), m_player);
    }
    m_selection.reset();
    return true;
}

bool MapViewController::paste()
{
    if (m_oneOff)
        dropOneOff(false);
    return m_state.startPaste();
}

void MapViewController::clearAll()
{
    MapEdit edit(m_doc, "Clear All");
    gr2::clearAll(edit, m_state.paintSlab(), m_player);
}

void MapViewController::flipMap(FlipAxis axis)
{
    EditStep step(m_doc, axis == FlipAxis::X ? "Flip In X Axis" : "Flip In Y Axis");
    FlipMap(m_doc, axis);
}

void MapViewController::rotateMap(Turn turn)
{
    EditStep step(m_doc, "Rotate Map");
    RotateMap(m_doc, turn);
}

bool MapViewController::resizeMap(const ResizeRequest& request, Reporter& reporter)
{
    EditStep step(m_doc, "Resize Map");
    return ResizeMap(m_doc, request, reporter);
}

bool MapViewController::undo()
{
    return m_doc.Undo();
}

bool MapViewController::redo()
{
    return m_doc.Redo();
}

// --- DocumentObserver ----------------------------------------------------------------------------

void MapViewController::forgetView()
{
    m_dragging = false;
    m_buttonDown = false;
    m_stroke.reset();
    m_shape.clear();
    m_selection.reset();
    m_pointer.reset();
    m_lastHit = {};
    if (m_oneOff)
        endOneOff();
}

void MapViewController::objectRemoved(CLevelObject& object)
{
    if (m_oneOff == &object)
        endOneOff();
    if (m_lastHit.object == &object || m_lastHit.player == &object)
        m_lastHit = {};
    if (object.kind() == ObjectKind::Player && static_cast<CPlayer&>(object).id() == m_player) {
        // Painting for a player that no longer exists would hand tiles to nobody.
        setCurrentPlayer(m_doc.drawingPlayerAfterDeleting(m_player));
    }
}

void MapViewController::mapResized(uint32_t, uint32_t)
{
    forgetView();
}

void MapViewController::levelReset()
{
    forgetView();
}

} // namespace gr2
