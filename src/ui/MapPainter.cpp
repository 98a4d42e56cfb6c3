#include "ui/MapPainter.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"
#include "mapedit/EditorState.h"
#include "typedb/CTypeDatabase.h"
#include "ui/DocumentDisplay.h"
#include "ui/IconSheets.h"
#include "ui/ViewContext.h"

#include <QPainter>

#include <algorithm>

namespace gr2 {

namespace {

/// The colour of what the script tree has selected on the map.
const QColor kHighlight(45, 131, 215);

QColor toColor(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

quint64 cellKey(TypeFamily family, const QRect& cell, int side, bool inverted)
{
    return (quint64(inverted) << 63) | (quint64(uint16_t(side)) << 48) | (quint64(uint8_t(family)) << 40) |
           (quint64(uint16_t(cell.x())) << 20) | quint64(uint16_t(cell.y()));
}

QRect tileRect(TilePoint p, int side)
{
    return QRect(p.x * side, p.y * side, side, side);
}

/// The outline of an area of tiles, `inset` pixels inside it.
QRect areaRect(const TileRect& t, int side, int inset)
{
    return QRect(t.left * side + inset, t.top * side + inset, (t.right - t.left + 1) * side - 2 * inset - 1,
                 (t.bottom - t.top + 1) * side - 2 * inset - 1);
}

/// Draws a rectangle whose pixels are inverted against what is under it, so it shows on any tile.
void drawInvertedRect(QPainter& painter, const QRect& r)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
    painter.restore();
}

} // namespace

MapPainter::MapPainter(const CWorldEditorDoc& doc, const ViewContext& context, const DocumentDisplay& display)
    : m_doc(doc), m_context(context), m_display(display)
{
}

void MapPainter::paint(QPainter& painter, const Frame& frame, const std::function<void(QPainter&)>& overlay)
{
    if (m_doc.width() == 0 || m_doc.height() == 0 || frame.side <= 0)
        return;
    // One zoom's pictures at a time: a new tile size starts the cache afresh.
    if (frame.side != m_cellsSide) {
        m_cells.clear();
        m_cellsSide = frame.side;
    }
    drawTiles(painter, frame);
    drawThings(painter, frame);
    drawBuildAreas(painter, frame);
    drawActionPoints(painter, frame);
    drawWaypointPaths(painter, frame);
    drawEffectGenerators(painter, frame);
    if (overlay && !frame.printing)
        overlay(painter);
    drawCameraStarts(painter, frame);
    drawRoomMarks(painter, frame);
    drawGrid(painter, frame);
}

void MapPainter::fillMissingTile(QPainter& painter, const QRect& r, uint8_t terrain, bool inverted)
{
    const int red = (terrain * 69 / 2) % 256;
    painter.fillRect(r, inverted ? QColor(255 - red, 255, 255) : QColor(red, 0, 0));
}

void MapPainter::drawTiles(QPainter& painter, const Frame& frame)
{
    const int side = frame.side;
    const int width = int(m_doc.width());
    const int height = int(m_doc.height());
    int x0 = 0, y0 = 0, x1 = width - 1, y1 = height - 1;
    if (!frame.printing) {
        x0 = std::max(0, frame.area.left() / side);
        y0 = std::max(0, frame.area.top() / side);
        x1 = std::min(width - 1, frame.area.right() / side + 1);
        y1 = std::min(height - 1, frame.area.bottom() / side + 1);
    }
    const CTypeDatabase* types = m_context.types;
    // The picture is looked up once per run of equal (terrain, owner, inverted) tiles.
    for (int y = y0; y <= y1; ++y) {
        int lastTerrain = -1, lastOwner = -1, lastInverted = -1;
        const QPixmap* pixmap = nullptr;
        for (int x = x0; x <= x1; ++x) {
            const TilePoint p{x, y};
            const uint8_t terrain = m_doc.GetTerrain(p);
            const uint8_t owner = m_doc.GetOwner(p);
            const QRect r = tileRect(p, side);
            if (frame.printing) {
                const bool roomFloor = types && types->roomWithFloor(terrain);
                if (!roomFloor) {
                    const int grey = (terrain * 69 / 2) % 256;
                    painter.fillRect(r, QColor(grey, grey, grey));
                    continue;
                }
            }
            const int inverted = !frame.printing && frame.inverted && frame.inverted(p);
            if (terrain != lastTerrain || owner != lastOwner || inverted != lastInverted) {
                pixmap = terrainPixmap(terrain, owner, side, inverted != 0);
                lastTerrain = terrain;
                lastOwner = owner;
                lastInverted = inverted;
            }
            if (pixmap)
                painter.drawPixmap(r.topLeft(), *pixmap);
            else
                fillMissingTile(painter, r, terrain, inverted != 0);
        }
    }
}

void MapPainter::drawThings(QPainter& painter, const Frame& frame)
{
    // Things are shrunk by 4 pixels on the left and top and 3 on the right and bottom. Whatever
    // stands on a tile is drawn, because whatever stands there keeps terrain, fills and other
    // creatures off it: the creatures a script will create (and those being picked for such an
    // action) are drawn half transparent, under any placed thing of their tile.
    const int thingSide = frame.side - 7;
    if (thingSide <= 0)
        return;
    auto draw = [&](const auto& things, TypeFamily family, ThingFamily shown) {
        if (m_context.state && !m_context.state->shows(shown))
            return;
        for (const bool placed : {false, true}) {
            painter.setOpacity(placed ? 1.0 : kNotPlacedOpacity);
            for (const auto& thing : things) {
                if (thing->isPlaced() != placed)
                    continue;
                const QRect r = tileRect(thing->position(), frame.side);
                if (!r.intersects(frame.area) && !frame.printing)
                    continue;
                if (const QPixmap* pix = thingPixmap(family, thing->type(), thingSide))
                    painter.drawPixmap(r.left() + 4, r.top() + 4, *pix);
            }
        }
        painter.setOpacity(1.0);
    };
    draw(m_doc.creatures(), TypeFamily::Creature, ThingFamily::Creature);
    draw(m_doc.doors(), TypeFamily::Door, ThingFamily::Door);
    draw(m_doc.traps(), TypeFamily::Trap, ThingFamily::Trap);
    draw(m_doc.objects(), TypeFamily::Object, ThingFamily::Object);
    // The thing selected in the script tree, framed in the colour of a highlighted action point.
    if (const CLevelObject* thing = m_display.highlightedThing; thing && !frame.printing) {
        painter.setPen(QPen(kHighlight, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(tileRect(thing->position(), frame.side).adjusted(1, 1, -2, -2));
    }
}

void MapPainter::drawBuildAreas(QPainter& painter, const Frame& frame)
{
    // Those of computer Vorlans that were drawn with the tool.
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
        const CPlayer* player = m_doc.PlayerAt(i);
        if (!player->isVorlan() || !player->isComputer() || !player->buildAreaDefined())
            continue;
        const BuildArea& b = player->buildArea();
        if (b.right < b.left || b.bottom < b.top)
            continue;
        painter.setPen(QPen(toColor(player->colour()), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(areaRect({b.left, b.top, b.right, b.bottom}, frame.side, 2));
    }
}

void MapPainter::drawActionPoints(QPainter& painter, const Frame& frame)
{
    // Inverted outlines; the highlighted one solid.
    painter.setBrush(Qt::NoBrush);
    for (const auto& point : m_doc.actionPoints()) {
        const QRect r = areaRect(point->area(), frame.side, 2);
        if (point->id() == m_display.highlightedActionPoint) {
            painter.setPen(QPen(kHighlight, 1));
            painter.drawRect(r);
        } else {
            drawInvertedRect(painter, r);
        }
    }
}

void MapPainter::drawWaypointPaths(QPainter& painter, const Frame& frame)
{
    if (!m_doc.showsWaypointPaths())
        return;
    const int side = frame.side;
    auto middle = [&](const TileRect& t) {
        return QPoint((t.left + (t.right - t.left) / 2) * side + side / 2 + 2,
                      (t.top + (t.bottom - t.top) / 2) * side + side / 2 + 2);
    };
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    for (const auto& point : m_doc.actionPoints())
        if (point->nextWaypoint() != 0)
            if (const CActionPoint* next = m_doc.FindActionPoint(point->nextWaypoint()))
                painter.drawLine(middle(point->area()), middle(next->area()));
    painter.restore();
}

void MapPainter::drawEffectGenerators(QPainter& painter, const Frame& frame)
{
    // Three pixels inside their area; the highlighted one solid.
    for (const auto& generator : m_doc.effectGenerators()) {
        const QRect r = areaRect(generator->area(), frame.side, 3);
        if (generator->id() == m_display.highlightedEffectGenerator) {
            painter.setPen(QPen(QColor(215, 130, 45), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(r);
        } else {
            drawInvertedRect(painter, r);
        }
    }
}

void MapPainter::drawCameraStarts(QPainter& painter, const Frame& frame)
{
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
        const CPlayer* player = m_doc.PlayerAt(i);
        if (player->cameraStart() != TilePoint{}) {
            painter.setPen(QPen(toColor(player->colour()), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(tileRect(player->cameraStart(), frame.side).adjusted(3, 3, -4, -4));
        }
    }
}

void MapPainter::drawRoomMarks(QPainter& painter, const Frame& frame)
{
    const int side = frame.side;
    auto raised = [&](TilePoint p) {
        if (!m_doc.IsInterior(p))
            return;
        const QRect r = tileRect(p, side).adjusted(0, 0, -1, -1);
        painter.setPen(QPen(QColor(255, 255, 255), 1));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QPen(QColor(64, 64, 64), 1));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        if (m_doc.PlayerAt(i)->isVorlan() && m_doc.PlayerAt(i)->hasHeart())
            raised(m_doc.PlayerAt(i)->heartPosition());
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        for (const PortalEntry& portal : m_doc.PlayerAt(i)->portals())
            raised(portal.centre);
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        for (const HeroGateEntry& gate : m_doc.PlayerAt(i)->heroGates()) {
            raised(gate.reference);
            if (!m_doc.IsInterior(gate.reference))
                continue;
            // The arrow points the way the gate faces: 0 up, 2 right, 4 down, otherwise left.
            const QPoint c = tileRect(gate.reference, side).center();
            const int reach = side / 2 - 4;
            const int barb = side / 6;
            QPoint tip = c;
            QPoint b1, b2;
            switch (gate.direction) {
            case 0:
                tip.ry() -= reach;
                b1 = tip + QPoint(-barb, barb);
                b2 = tip + QPoint(barb, barb);
                break;
            case 2:
                tip.rx() += reach;
                b1 = tip + QPoint(-barb, -barb);
                b2 = tip + QPoint(-barb, barb);
                break;
            case 4:
                tip.ry() += reach;
                b1 = tip + QPoint(-barb, -barb);
                b2 = tip + QPoint(barb, -barb);
                break;
            default:
                tip.rx() -= reach;
                b1 = tip + QPoint(barb, -barb);
                b2 = tip + QPoint(barb, barb);
                break;
            }
            painter.setPen(QPen(QColor(215, 130, 45), 2));
            painter.drawLine(c, tip);
            painter.drawLine(tip, b1);
            painter.drawLine(tip, b2);
        }
}

void MapPainter::drawGrid(QPainter& painter, const Frame& frame)
{
    if (!m_display.grid)
        return;
    const int side = frame.side;
    const int width = int(m_doc.width());
    const int height = int(m_doc.height());
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(QColor(128, 128, 128), 0));
    for (int x = 0; x <= width; ++x)
        painter.drawLine(x * side, 0, x * side, height * side);
    for (int y = 0; y <= height; ++y)
        painter.drawLine(0, y * side, width * side, y * side);
    painter.restore();
}

const QPixmap* MapPainter::cellPixmap(TypeFamily family, const QRect& cell, int side, bool inverted)
{
    const quint64 key = cellKey(family, cell, side, inverted);
    auto it = m_cells.find(key);
    if (it == m_cells.end()) {
        const QImage& sheet = m_context.icons->sheet(family);
        // Halving step by step averages every source pixel into the small picture, so the
        // lettering of a cell turns into its colour at 25% instead of into speckles. Each picture
        // is made once per zoom, so the cost does not recur on every paint.
        QImage scaled = sheet.copy(cell);
        while (scaled.width() / 2 >= side && scaled.height() / 2 >= side)
            scaled = scaled.scaled(scaled.width() / 2, scaled.height() / 2, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
        if (scaled.size() != QSize(side, side))
            scaled = scaled.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (inverted)
            scaled.invertPixels();
        it = m_cells.insert(key, QPixmap::fromImage(scaled));
    }
    return &it.value();
}

const QPixmap* MapPainter::terrainPixmap(uint8_t terrain, uint8_t owner, int side, bool inverted)
{
    if (!m_context.icons || !m_context.types || side <= 0)
        return nullptr;
    const CTypeDatabase& types = *m_context.types;
    std::optional<QRect> cell;
    TypeFamily family = TypeFamily::Terrain;
    if (const CRoomType* room = types.roomWithFloor(terrain)) {
        family = TypeFamily::Room;
        cell = m_context.icons->cellForTypeId(TypeFamily::Room, room->id());
    } else if (terrain == 8 || terrain == 9 || terrain == 32) {
        cell = m_context.icons->cellForType(types, TypeFamily::Terrain, terrain, owner);
    } else {
        cell = m_context.icons->cellForTypeId(TypeFamily::Terrain, terrain);
    }
    return cell ? cellPixmap(family, *cell, side, inverted) : nullptr;
}

const QPixmap* MapPainter::thingPixmap(TypeFamily family, uint8_t type, int side)
{
    if (!m_context.icons || side <= 0)
        return nullptr;
    auto cell = m_context.icons->cellForTypeId(family, type);
    return cell ? cellPixmap(family, *cell, side) : nullptr;
}

} // namespace gr2
