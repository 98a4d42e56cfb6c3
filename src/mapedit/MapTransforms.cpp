#include "mapedit/MapTransforms.h"

#include "level/CWorldEditorDoc.h"
#include "level/ScriptHooks.h"
#include "level/TextConversion.h"
#include "mapedit/MapEdit.h"
#include "mapedit/Shapes.h"
#include "script/ActionKind.h"
#include "worlddata/Reporter.h"

#include <algorithm>

namespace gr2 {

namespace {

/// A mirror or turn of the whole map: where each old tile goes.
class MapMotion {
public:
    enum class Kind { FlipRows, FlipColumns, Right, Left, Half };

    MapMotion(Kind kind, uint32_t width, uint32_t height)
        : m_kind(kind), m_w(int32_t(width)), m_h(int32_t(height))
    {
    }

    bool quarter() const { return m_kind == Kind::Right || m_kind == Kind::Left; }
    uint32_t newWidth() const { return uint32_t(quarter() ? m_h : m_w); }
    uint32_t newHeight() const { return uint32_t(quarter() ? m_w : m_h); }

    TilePoint point(TilePoint p) const
    {
        switch (m_kind) {
        case Kind::FlipRows:
            return {p.x, m_h - 1 - p.y};
        case Kind::FlipColumns:
            return {m_w - 1 - p.x, p.y};
        case Kind::Right:
            return {m_h - 1 - p.y, p.x};
        case Kind::Left:
            return {p.y, m_w - 1 - p.x};
        case Kind::Half:
            return {m_w - 1 - p.x, m_h - 1 - p.y};
        }
        return p;
    }

    TileRect rect(const TileRect& r) const
    {
        return normalisedRect(point({r.left, r.top}), point({r.right, r.bottom}));
    }

    /// Gate directions: 0 up, 2 right, 4 down, 6 left; other values are left as they are.
    uint8_t direction(uint8_t d) const
    {
        if (d % 2 != 0 || d > 6)
            return d;
        switch (m_kind) {
        case Kind::FlipRows:
            return uint8_t((12 - d) % 8);
        case Kind::FlipColumns:
            return uint8_t((8 - d) % 8);
        case Kind::Right:
            return uint8_t((d + 2) % 8);
        case Kind::Left:
            return uint8_t((d + 6) % 8);
        case Kind::Half:
            return uint8_t((d + 4) % 8);
        }
        return d;
    }

private:
    Kind m_kind;
    int32_t m_w;
    int32_t m_h;
};

TileRect toRect(const BuildArea& a)
{
    return {a.left, a.top, a.right, a.bottom};
}
BuildArea toArea(const TileRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

/// The reference tile that gives a gate of the terrain and direction exactly the footprint.
TilePoint gateReferenceFor(uint8_t terrain, uint8_t direction, const TileRect& footprint, TilePoint fallback)
{
    const TileRect shape = heroGateFootprint(terrain, direction, {0, 0});
    if (shape.right - shape.left != footprint.right - footprint.left ||
        shape.bottom - shape.top != footprint.bottom - footprint.top)
        return fallback;
    return {footprint.left - shape.left, footprint.top - shape.top};
}

TileRect wholeMap(const CWorldEditorDoc& doc)
{
    return {0, 0, int32_t(doc.width()) - 1, int32_t(doc.height()) - 1};
}

/// A creature that previews a script action stands on its action's tile and moves with it.
bool movesWithItsAction(const CLevelObject& thing)
{
    return thing.kind() == ObjectKind::Creature && static_cast<const CCreature&>(thing).isActionPreview();
}

/// The tiles script actions name (and their preview creatures) follow the map.
std::vector<ScriptTileBroughtInside> moveScriptTiles(CWorldEditorDoc& doc,
                                                     const std::function<TilePoint(TilePoint)>& move,
                                                     const TileRect& oldMap, const TileRect& keep)
{
    ScriptHooks* script = doc.scriptHooks();
    return script ? script->moveScriptTiles(move, oldMap, keep) : std::vector<ScriptTileBroughtInside>{};
}

template <class T>
void moveAll(MapEdit& edit, const std::vector<std::unique_ptr<T>>& list, const MapMotion& m)
{
    for (const auto& t : list)
        if (!movesWithItsAction(*t))
            edit.moveThing(*t, m.point(t->position()));
}

void applyMotion(CWorldEditorDoc& doc, const MapMotion& m)
{
    const uint32_t w = doc.width();
    const uint32_t h = doc.height();
    const uint32_t nw = m.newWidth();
    const TileRect oldMap = wholeMap(doc);
    std::vector<uint8_t> terrain(doc.cellCount());
    std::vector<uint8_t> owner(doc.cellCount());
    for (uint32_t y = 0; y < h; ++y) {
        for (uint32_t x = 0; x < w; ++x) {
            const TilePoint from{int32_t(x), int32_t(y)};
            const TilePoint to = m.point(from);
            const size_t i = size_t(to.y) * nw + size_t(to.x);
            terrain[i] = doc.GetTerrain(from);
            owner[i] = doc.GetOwner(from);
        }
    }

    MapEdit edit(doc, "Transform Map");
    edit.replaceMap(nw, m.newHeight(), std::move(terrain), std::move(owner));
    moveAll(edit, doc.creatures(), m);
    moveAll(edit, doc.doors(), m);
    moveAll(edit, doc.traps(), m);
    moveAll(edit, doc.objects(), m);
    // A mirror or turn keeps every tile of the map on it, so no script tile is cut off.
    moveScriptTiles(
        doc, [&](TilePoint p) { return m.point(p); }, oldMap, wholeMap(doc));
    for (const auto& a : doc.actionPoints())
        edit.setActionPointArea(*a, m.rect(a->area()));
    for (const auto& g : doc.effectGenerators()) {
        const TileRect r = m.rect(g->area());
        const uint16_t gw = m.quarter() ? g->height() : g->width();
        const uint16_t gh = m.quarter() ? g->width() : g->height();
        edit.setEffectGeneratorArea(*g, {r.left, r.top}, gw, gh);
    }
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        CPlayer& player = *doc.PlayerAt(i);
        if (!toRect(player.buildArea()).empty())
            edit.setBuildArea(player, toArea(m.rect(toRect(player.buildArea()))), false);
        if (player.cameraStart() != TilePoint{})
            edit.setCameraStart(player, m.point(player.cameraStart()));
        if (player.hasHeart())
            edit.moveHeart(player, m.point(player.heartPosition()));
        for (PortalEntry& portal : player.portals())
            edit.movePortal(portal, m.point(portal.centre));
        for (HeroGateEntry& gate : player.heroGates()) {
            const uint8_t direction = m.direction(gate.direction);
            const TilePoint reference = gateReferenceFor(
                gate.terrain, direction, m.rect(heroGateFootprint(gate)), m.point(gate.reference));
            edit.moveHeroGate(gate, reference, direction);
        }
    }
    edit.markModified();
}

} // namespace

void FlipMap(CWorldEditorDoc& doc, FlipAxis axis)
{
    if (doc.cellCount() == 0)
        return;
    applyMotion(doc, MapMotion(axis == FlipAxis::X ? MapMotion::Kind::FlipRows : MapMotion::Kind::FlipColumns,
                               doc.width(), doc.height()));
}

void RotateMap(CWorldEditorDoc& doc, Turn turn)
{
    if (doc.cellCount() == 0)
        return;
    const MapMotion::Kind kind = turn == Turn::Right  ? MapMotion::Kind::Right
                                 : turn == Turn::Left ? MapMotion::Kind::Left
                                                      : MapMotion::Kind::Half;
    applyMotion(doc, MapMotion(kind, doc.width(), doc.height()));
}

// --- resize --------------------------------------------------------------------------------------

namespace {

struct AxisCopy {
    int32_t source = 0; ///< first old column (row) kept
    int32_t dest = 0;   ///< where it goes
    int32_t count = 0;  ///< how many are copied
};

AxisCopy axisCopy(uint32_t oldSide, uint32_t newSide, uint8_t anchor)
{
    // Anchor 2 sits flush with the far side, also when the difference is odd.
    auto offset = [&](uint32_t diff) { return int32_t(anchor == 1 ? diff / 2 : anchor >= 2 ? diff : 0); };
    if (newSide < oldSide)
        return {offset(oldSide - newSide), 0, int32_t(newSide)};
    return {0, offset(newSide - oldSide), int32_t(oldSide)};
}

TilePoint shifted(TilePoint p, TilePoint d)
{
    return {p.x + d.x, p.y + d.y};
}
TileRect shifted(const TileRect& r, TilePoint d)
{
    return {r.left + d.x, r.top + d.y, r.right + d.x, r.bottom + d.y};
}

bool within(const TileRect& inner, const TileRect& outer)
{
    return !inner.empty() && outer.contains({inner.left, inner.top}) &&
           outer.contains({inner.right, inner.bottom});
}

template <class T>
void moveOrDelete(MapEdit& edit, const std::vector<std::unique_ptr<T>>& list, TilePoint delta,
                  const TileRect& interior)
{
    for (size_t i = list.size(); i-- > 0;) {
        if (i >= list.size())
            continue; // a deletion took more than one entry with it
        T& thing = *list[i];
        if (movesWithItsAction(thing))
            continue;
        const TilePoint to = shifted(thing.position(), delta);
        if (interior.contains(to))
            edit.moveThing(thing, to);
        else
            edit.deleteThing(thing, true);
    }
}

std::string broughtInsideMessage(const std::vector<ScriptTileBroughtInside>& actions)
{
    auto tile = [](TilePoint p) { return "[ " + std::to_string(p.x) + ", " + std::to_string(p.y) + " ]"; };
    std::string text = actions.size() == 1
                           ? "The new map size cuts off the tile of a script action. It now names "
                             "the nearest tile inside the map; please check it:"
                           : "The new map size cuts off the tiles of " + std::to_string(actions.size()) +
                                 " script actions. Each now names the nearest tile inside the "
                                 "map; please check them:";
    for (const ScriptTileBroughtInside& a : actions)
        text += "\n" + utf16ToUtf8(actionKindName(a.kind)) + " (action " + std::to_string(a.actionId) +
                "): " + tile(a.from) + " is now " + tile(a.to);
    return text;
}

} // namespace

bool ResizeMap(CWorldEditorDoc& doc, const ResizeRequest& r, Reporter& reporter)
{
    if (r.width < 3 || r.height < 3 || r.width > CWorldEditorDoc::kMaxMapSide ||
        r.height > CWorldEditorDoc::kMaxMapSide)
        return false;
    if (r.width == doc.width() && r.height == doc.height())
        return true;

    const AxisCopy cx = axisCopy(doc.width(), r.width, r.anchorColumn);
    const AxisCopy cy = axisCopy(doc.height(), r.height, r.anchorRow);
    const TileRect oldMap = wholeMap(doc);
    const size_t cells = size_t(r.width) * r.height;
    std::vector<uint8_t> terrain(cells, r.terrain);
    std::vector<uint8_t> owner(cells, r.owner);
    for (int32_t j = 0; j < cy.count; ++j) {
        for (int32_t i = 0; i < cx.count; ++i) {
            const TilePoint from{cx.source + i, cy.source + j};
            const size_t to = size_t(cy.dest + j) * r.width + size_t(cx.dest + i);
            terrain[to] = doc.GetTerrain(from);
            owner[to] = doc.GetOwner(from);
        }
    }
    // The old border inside the new map becomes ordinary ground.
    for (size_t i = 0; i < cells; ++i) {
        if (terrain[i] == TerrainId::Border) {
            terrain[i] = r.terrain;
            owner[i] = r.owner;
        }
    }

    MapEdit edit(doc, "Resize Map");
    edit.replaceMap(r.width, r.height, std::move(terrain), std::move(owner));
    const TilePoint delta{cx.dest - cx.source, cy.dest - cy.source};
    const TileRect interior{1, 1, int32_t(r.width) - 2, int32_t(r.height) - 2};

    moveOrDelete(edit, doc.creatures(), delta, interior);
    moveOrDelete(edit, doc.doors(), delta, interior);
    moveOrDelete(edit, doc.traps(), delta, interior);
    moveOrDelete(edit, doc.objects(), delta, interior);
    const std::vector<ScriptTileBroughtInside> broughtInside = moveScriptTiles(
        doc, [&](TilePoint p) { return shifted(p, delta); }, oldMap, interior);

    for (size_t i = doc.actionPoints().size(); i-- > 0;) {
        CActionPoint& point = *doc.actionPoints()[i];
        const TileRect area = shifted(point.area(), delta).intersected(interior);
        if (area.empty())
            edit.deleteActionPoint(point);
        else
            edit.setActionPointArea(point, area);
    }

    auto clampX = [&](int32_t x) { return std::clamp(x, interior.left, interior.right); };
    auto clampY = [&](int32_t y) { return std::clamp(y, interior.top, interior.bottom); };
    for (const auto& g : doc.effectGenerators()) {
        const TileRect moved = shifted(g->area(), delta);
        const TileRect kept{clampX(moved.left), clampY(moved.top), clampX(moved.right), clampY(moved.bottom)};
        const uint16_t w = g->width() == 0 ? 0 : uint16_t(kept.right - kept.left + 1);
        const uint16_t h = g->height() == 0 ? 0 : uint16_t(kept.bottom - kept.top + 1);
        edit.setEffectGeneratorArea(*g, {kept.left, kept.top}, w, h);
    }

    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        CPlayer& player = *doc.PlayerAt(i);
        TileRect build = shifted(toRect(player.buildArea()), delta).intersected(interior);
        edit.setBuildArea(player, toArea(build.empty() ? interior : build), false);

        // The camera moves before the heart is judged, so a camera on a heart that is dismantled
        // is cleared with it.
        if (player.cameraStart() != TilePoint{})
            edit.setCameraStart(player, shifted(player.cameraStart(), delta));
        if (player.hasHeart()) {
            edit.moveHeart(player, shifted(player.heartPosition(), delta));
            if (!within(heartFootprint(player.heartPosition()), interior))
                edit.removeHeart(player);
        }
        for (size_t k = player.portals().size(); k-- > 0;) {
            PortalEntry& portal = player.portals()[k];
            edit.movePortal(portal, shifted(portal.centre, delta));
            if (!within(portalFootprint(portal.centre), interior))
                edit.removePortal(player, portal);
        }
        for (size_t k = player.heroGates().size(); k-- > 0;) {
            HeroGateEntry& gate = player.heroGates()[k];
            edit.moveHeroGate(gate, shifted(gate.reference, delta), gate.direction);
            if (!within(heroGateFootprint(gate), interior))
                edit.removeHeroGate(player, gate);
        }
        if (player.cameraStart() != TilePoint{})
            edit.setCameraStart(player, {clampX(player.cameraStart().x), clampY(player.cameraStart().y)});
    }
    edit.redrawBorder();
    edit.markModified();
    if (!broughtInside.empty())
        reporter.message(broughtInsideMessage(broughtInside), Reporter::Icon::Exclamation);
    return true;
}

} // namespace gr2
