#include "ui/CWorldEditorView.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"
#include "mapedit/EditorState.h"
#include "mapedit/MapEdit.h"
#include "typedb/CTypeDatabase.h"
#include "ui/CMainFrame.h"
#include "ui/IconSheets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace gr2 {

namespace {

QColor toColor(Rgb c) { return QColor(c.r, c.g, c.b); }

quint64 cellKey(TypeFamily family, const QRect& cell)
{
    return (quint64(uint8_t(family)) << 48) | (quint64(uint16_t(cell.x())) << 24) | quint64(uint16_t(cell.y()));
}

} // namespace

CWorldEditorView::CWorldEditorView(CWorldEditorDoc& doc, const ViewContext& context, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_context(context)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(10, 10);
    m_doc.addObserver(this);
    if (!m_doc.FindPlayer(m_currentPlayer) && m_doc.PlayerCount() > 0)
        m_currentPlayer = m_doc.PlayerAt(0)->id();
    updateScrollBars();
    m_autosave.setInterval(kAutosaveMilliseconds);
    connect(&m_autosave, &QTimer::timeout, this, [this] { emit autosaveDue(this); });
    m_autosave.start();
}

CWorldEditorView::~CWorldEditorView() { m_doc.removeObserver(this); }

void CWorldEditorView::setTileSize(int pixels)
{
    m_tileSize = std::clamp(pixels, 1, 256);
    updateScrollBars();
    viewport()->update();
}

CPlayer* CWorldEditorView::currentPlayer() const { return m_doc.FindPlayer(m_currentPlayer); }

void CWorldEditorView::setCurrentPlayer(uint8_t playerId)
{
    m_currentPlayer = playerId;
    if (m_context.state)
        m_context.state->drawingPlayerChanged(playerId == PlayerId::Good);
}

int CWorldEditorView::scaledTile() const
{
    if (!m_shrink || m_doc.width() == 0 || m_doc.height() == 0)
        return m_tileSize;
    const int side = std::min(viewport()->width() / int(m_doc.width()), viewport()->height() / int(m_doc.height()));
    return std::max(1, side);
}

void CWorldEditorView::updateScrollBars()
{
    const int side = scaledTile();
    const int w = int(m_doc.width()) * side;
    const int h = int(m_doc.height()) * side;
    const QSize page = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, w - page.width()));
    verticalScrollBar()->setRange(0, std::max(0, h - page.height()));
    horizontalScrollBar()->setPageStep(page.width());
    verticalScrollBar()->setPageStep(page.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

QRect CWorldEditorView::tileRect(TilePoint p) const
{
    const int side = scaledTile();
    return QRect(p.x * side, p.y * side, side, side);
}

std::optional<TilePoint> CWorldEditorView::tileAt(QPoint pos) const
{
    const int side = scaledTile();
    const int x = pos.x() + horizontalScrollBar()->value();
    const int y = pos.y() + verticalScrollBar()->value();
    if (x < 0 || y < 0)
        return std::nullopt;
    TilePoint p{x / side, y / side};
    if (!m_doc.IsInside(p))
        return std::nullopt;
    return p;
}

// --- drawing ------------------------------------------------------------------------------------

const QPixmap* CWorldEditorView::cellPixmap(TypeFamily family, const QRect& cell, int side)
{
    if (side != m_cellsSide) {
        m_cells.clear();
        m_cellsSide = side;
    }
    const quint64 key = cellKey(family, cell) ^ (quint64(side) << 56);
    auto it = m_cells.find(key);
    if (it == m_cells.end()) {
        const QImage& sheet = m_context.icons->sheet(family);
        QImage scaled = sheet.copy(cell).scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        it = m_cells.insert(key, QPixmap::fromImage(scaled));
    }
    return &it.value();
}

const QPixmap* CWorldEditorView::terrainPixmap(uint8_t terrain, uint8_t owner)
{
    if (!m_context.icons || !m_context.types)
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
    return cell ? cellPixmap(family, *cell, scaledTile()) : nullptr;
}

const QPixmap* CWorldEditorView::thingPixmap(TypeFamily family, uint8_t type, int side)
{
    if (!m_context.icons || side <= 0)
        return nullptr;
    auto cell = m_context.icons->cellForTypeId(family, type);
    return cell ? cellPixmap(family, *cell, side) : nullptr;
}

void CWorldEditorView::render(QPainter& painter, const QRect& area, bool printing)
{
    const int side = scaledTile();
    const int width = int(m_doc.width());
    const int height = int(m_doc.height());
    if (width == 0 || height == 0)
        return;
    int x0 = 0, y0 = 0, x1 = width - 1, y1 = height - 1;
    if (!printing) {
        x0 = std::max(0, area.left() / side);
        y0 = std::max(0, area.top() / side);
        x1 = std::min(width - 1, area.right() / side + 1);
        y1 = std::min(height - 1, area.bottom() / side + 1);
    }
    const CTypeDatabase* types = m_context.types;

    // Tiles: the picture is looked up once per run of equal (terrain, owner) pairs.
    for (int y = y0; y <= y1; ++y) {
        int lastTerrain = -1, lastOwner = -1;
        const QPixmap* pixmap = nullptr;
        for (int x = x0; x <= x1; ++x) {
            const TilePoint p{x, y};
            const uint8_t terrain = m_doc.GetTerrain(p);
            const uint8_t owner = m_doc.GetOwner(p);
            const QRect r = tileRect(p);
            if (printing) {
                const bool roomFloor = types && types->roomWithFloor(terrain);
                if (!roomFloor) {
                    const int grey = (terrain * 69 / 2) % 256;
                    painter.fillRect(r, QColor(grey, grey, grey));
                    continue;
                }
            }
            if (terrain != lastTerrain || owner != lastOwner) {
                pixmap = terrainPixmap(terrain, owner);
                lastTerrain = terrain;
                lastOwner = owner;
            }
            if (pixmap)
                painter.drawPixmap(r.topLeft(), *pixmap);
            else
                painter.fillRect(r, QColor((terrain * 69 / 2) % 256, 0, 0));
        }
    }

    // Things, shrunk by 4 pixels on the left and top and 3 on the right and bottom.
    const int thingSide = side - 7;
    auto drawThings = [&](const auto& things, TypeFamily family, ThingFamily shown) {
        if (m_context.state && !m_context.state->shows(shown))
            return;
        for (const auto& thing : things) {
            if (!thing->isPlaced())
                continue;
            const QRect r = tileRect(thing->position());
            if (!r.intersects(area) && !printing)
                continue;
            if (const QPixmap* pix = thingPixmap(family, thing->type(), thingSide))
                painter.drawPixmap(r.left() + 4, r.top() + 4, *pix);
        }
    };
    if (thingSide > 0) {
        drawThings(m_doc.creatures(), TypeFamily::Creature, ThingFamily::Creature);
        drawThings(m_doc.doors(), TypeFamily::Door, ThingFamily::Door);
        drawThings(m_doc.traps(), TypeFamily::Trap, ThingFamily::Trap);
        drawThings(m_doc.objects(), TypeFamily::Object, ThingFamily::Object);
    }

    auto areaRect = [&](const TileRect& t, int inset) {
        return QRect(t.left * side + inset, t.top * side + inset, (t.right - t.left + 1) * side - 2 * inset - 1,
                     (t.bottom - t.top + 1) * side - 2 * inset - 1);
    };

    // Build areas of computer Vorlans that were drawn with the tool.
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
        const CPlayer* player = m_doc.PlayerAt(i);
        if (!player->isVorlan() || !player->isComputer())
            continue;
        const BuildArea& b = player->buildArea();
        if (b.right < b.left || b.bottom < b.top)
            continue;
        painter.setPen(QPen(toColor(player->colour()), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(areaRect({b.left, b.top, b.right, b.bottom}, 2));
    }

    // Action points, inverted outlines, and their waypoint paths.
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    for (const auto& point : m_doc.actionPoints())
        painter.drawRect(areaRect(point->area(), 2));
    if (m_doc.showsWaypointPaths()) {
        auto middle = [&](const TileRect& t) {
            return QPoint((t.left + (t.right - t.left) / 2) * side + side / 2 + 2,
                          (t.top + (t.bottom - t.top) / 2) * side + side / 2 + 2);
        };
        for (const auto& point : m_doc.actionPoints())
            if (point->nextWaypoint() != 0)
                if (const CActionPoint* next = m_doc.FindActionPoint(point->nextWaypoint()))
                    painter.drawLine(middle(point->area()), middle(next->area()));
    }
    // Effect generators, three pixels inside their area.
    for (const auto& generator : m_doc.effectGenerators()) {
        const TilePoint p = generator->position();
        const TileRect t{p.x, p.y, p.x + std::max<int>(1, generator->width()) - 1,
                         p.y + std::max<int>(1, generator->height()) - 1};
        painter.drawRect(areaRect(t, 3));
    }
    painter.restore();

    // Camera starts, then hearts, portals and hero gates.
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
        const CPlayer* player = m_doc.PlayerAt(i);
        if (player->cameraStart() != TilePoint{}) {
            painter.setPen(QPen(toColor(player->colour()), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(tileRect(player->cameraStart()).adjusted(3, 3, -4, -4));
        }
    }
    auto raised = [&](TilePoint p) {
        if (!m_doc.IsInterior(p))
            return;
        const QRect r = tileRect(p).adjusted(0, 0, -1, -1);
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
            const QRect r = tileRect(gate.reference);
            const QPoint c = r.center();
            const int reach = side / 2 - 4;
            const int barb = side / 6;
            QPoint tip = c;
            QPoint b1, b2;
            switch (gate.direction) {
            case 0: tip.ry() -= reach; b1 = tip + QPoint(-barb, barb); b2 = tip + QPoint(barb, barb); break;
            case 2: tip.rx() += reach; b1 = tip + QPoint(-barb, -barb); b2 = tip + QPoint(-barb, barb); break;
            case 4: tip.ry() += reach; b1 = tip + QPoint(-barb, -barb); b2 = tip + QPoint(barb, -barb); break;
            default: tip.rx() -= reach; b1 = tip + QPoint(barb, -barb); b2 = tip + QPoint(barb, barb); break;
            }
            painter.setPen(QPen(QColor(215, 130, 45), 2));
            painter.drawLine(c, tip);
            painter.drawLine(tip, b1);
            painter.drawLine(tip, b2);
        }

    if (m_grid) {
        painter.save();
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(128, 128, 128), 0));
        for (int x = 0; x <= width; ++x)
            painter.drawLine(x * side, 0, x * side, height * side);
        for (int y = 0; y <= height; ++y)
            painter.drawLine(0, y * side, width * side, y * side);
        painter.restore();
    }
}

void CWorldEditorView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.translate(-scroll);
    render(painter, event->rect().translated(scroll), false);
}

QImage CWorldEditorView::renderVisible()
{
    QImage image(viewport()->size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Dark));
    QPainter painter(&image);
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.translate(-scroll);
    render(painter, QRect(scroll, viewport()->size()), false);
    return image;
}

void CWorldEditorView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CWorldEditorView::scrollContentsBy(int, int) { viewport()->update(); }

// --- document changes ---------------------------------------------------------------------------

void CWorldEditorView::tilesChanged(const TileRect& rect)
{
    if (rect.empty())
        return;
    const int side = scaledTile();
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect r(rect.left * side, rect.top * side, (rect.right - rect.left + 1) * side,
                  (rect.bottom - rect.top + 1) * side);
    viewport()->update(r.translated(-scroll));
}

void CWorldEditorView::mapResized(uint32_t width, uint32_t height)
{
    updateScrollBars();
    viewport()->update();
    if (m_context.frame && m_context.frame->activeView() == this)
        m_context.frame->showMapSize(width, height);
}

void CWorldEditorView::levelReset()
{
    updateScrollBars();
    viewport()->update();
}

// --- input --------------------------------------------------------------------------------------

void CWorldEditorView::reportPointer(std::optional<TilePoint> tile)
{
    if (!m_context.frame)
        return;
    if (tile) {
        m_context.frame->showPosition(tile->x, tile->y);
        m_context.frame->showTile(m_doc.GetTerrain(*tile), m_doc.GetOwner(*tile), &m_doc);
    } else {
        m_context.frame->showPosition(-1, -1);
    }
}

void CWorldEditorView::applyTool(TilePoint tile, bool pressed)
{
    EditorState* state = m_context.state;
    if (!state)
        return;
    MapEdit edit(m_doc);
    switch (state->tool()) {
    case ToolCode::Paint: {
        if (!m_doc.IsInterior(tile))
            return;
        const uint8_t slab = state->paintSlab();
        const uint8_t owner = EditorState::brushOwner(m_doc.types(), slab, m_currentPlayer);
        if (m_doc.GetTerrain(tile) == slab && m_doc.GetOwner(tile) == owner)
            return;
        if (edit.canPaint(tile, slab))
            edit.paintTile(tile, slab, owner);
        break;
    }
    case ToolCode::PlaceCreature: {
        const uint8_t type = state->currentType(ThingFamily::Creature);
        if (type == 0) {
            if (CCreature* c = m_doc.CreatureAt(tile))
                edit.deleteThing(*c, true);
        } else if (!m_doc.CreatureAt(tile) && m_doc.CanPlaceCreature(tile)) {
            edit.createCreature(type, m_currentPlayer, tile);
        }
        break;
    }
    case ToolCode::PlaceDoor: {
        const uint8_t type = state->currentType(ThingFamily::Door);
        if (type == 0) {
            if (CDoor* d = m_doc.DoorAt(tile))
                edit.deleteThing(*d, true);
        } else if (!m_doc.DoorAt(tile) && m_doc.CanPlaceDoor(tile)) {
            edit.createDoor(type, m_doc.GetOwner(tile), tile);
        }
        break;
    }
    case ToolCode::PlaceTrap: {
        const uint8_t type = state->currentType(ThingFamily::Trap);
        if (type == 0) {
            if (CTrap* t = m_doc.TrapAt(tile))
                edit.deleteThing(*t, true);
        } else if (!m_doc.TrapAt(tile) && m_doc.CanPlaceDoor(tile)) {
            edit.createTrap(type, m_doc.GetOwner(tile), tile);
        }
        break;
    }
    case ToolCode::PlaceObject: {
        const uint8_t type = state->currentType(ThingFamily::Object);
        if (type == 0) {
            if (CObjectThing* o = m_doc.ObjectAt(tile))
                edit.deleteThing(*o, true);
        } else if (!m_doc.ObjectAt(tile) && m_doc.CanPlaceCreature(tile)) {
            edit.createObject(type, tile);
        }
        break;
    }
    case ToolCode::CameraStart:
        if (pressed)
            if (CPlayer* player = currentPlayer())
                edit.setCameraStart(*player, tile);
        break;
    default: break;
    }
}

void CWorldEditorView::mousePressEvent(QMouseEvent* event)
{
    emit activated(this);
    auto tile = tileAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (m_context.state) {
            if (m_context.state->brushActive())
                m_context.state->dropBrush();
            else
                m_context.state->toggleFilled();
        }
        viewport()->update();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_lastTile = tile;
    if (tile)
        applyTool(*tile, true);
}

void CWorldEditorView::mouseMoveEvent(QMouseEvent* event)
{
    auto tile = tileAt(event->position().toPoint());
    if (tile == m_lastTile && tile)
        return;
    m_lastTile = tile;
    reportPointer(tile);
    if (m_dragging && tile && (event->buttons() & Qt::LeftButton))
        applyTool(*tile, false);
}

void CWorldEditorView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void CWorldEditorView::leaveEvent(QEvent* event)
{
    reportPointer(std::nullopt);
    m_lastTile.reset();
    QAbstractScrollArea::leaveEvent(event);
}

void CWorldEditorView::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 100 : 20;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Left: h->setValue(h->value() - step); break;
    case Qt::Key_Right: h->setValue(h->value() + step); break;
    case Qt::Key_Up: v->setValue(v->value() - step); break;
    case Qt::Key_Down: v->setValue(v->value() + step); break;
    case Qt::Key_PageUp: v->setValue(v->value() - (viewport()->height() - 2)); break;
    case Qt::Key_PageDown: v->setValue(v->value() + (viewport()->height() - 2)); break;
    case Qt::Key_Home: h->setValue(0); v->setValue(0); break;
    case Qt::Key_End: h->setValue(h->maximum()); v->setValue(v->maximum()); break;
    case Qt::Key_Space:
        if (m_context.state && m_context.state->brushActive() && m_context.state->slab() == 37) {
            m_context.state->rotateRoomBrush();
            viewport()->update();
        }
        break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
}

void CWorldEditorView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    emit activated(this);
    if (m_context.frame) {
        m_context.frame->showMapSize(m_doc.width(), m_doc.height());
        m_context.frame->selectZoom(m_tileSize);
    }
}

// --- commands -----------------------------------------------------------------------------------

namespace {

std::optional<ToolCode> toolOf(EditorCommand command)
{
    switch (command) {
    case EditorCommand::RectangleSelect: return ToolCode::RectangleSelect;
    case EditorCommand::Paint: return ToolCode::Paint;
    case EditorCommand::Magnify: return ToolCode::Magnify;
    case EditorCommand::DrawLine: return ToolCode::Line;
    case EditorCommand::DrawRectangle: return ToolCode::Rectangle;
    case EditorCommand::DrawCircle: return ToolCode::Circle;
    case EditorCommand::FloodFill: return ToolCode::FloodFill;
    case EditorCommand::CreateActionPoint: return ToolCode::ActionPoint;
    case EditorCommand::CreateEffectGenerator: return ToolCode::EffectGenerator;
    case EditorCommand::EditCameraStart: return ToolCode::CameraStart;
    case EditorCommand::DefineBuildArea: return ToolCode::BuildArea;
    default: return std::nullopt;
    }
}

} // namespace

bool CWorldEditorView::onCommand(EditorCommand command)
{
    if (auto tool = toolOf(command)) {
        if (!m_context.state)
            return false;
        m_context.state->selectTool(*tool);
        viewport()->update();
        return true;
    }
    switch (command) {
    case EditorCommand::Grid:
        m_grid = !m_grid;
        viewport()->update();
        return true;
    case EditorCommand::ShrinkToFit:
        m_shrink = !m_shrink;
        m_cells.clear();
        updateScrollBars();
        viewport()->update();
        return true;
    case EditorCommand::ShowWaypointPaths:
        m_doc.setShowsWaypointPaths(!m_doc.showsWaypointPaths());
        viewport()->update();
        return true;
    default: return false;
    }
}

std::optional<CommandState> CWorldEditorView::commandState(EditorCommand command) const
{
    if (auto tool = toolOf(command)) {
        if (!m_context.state)
            return std::nullopt;
        CommandState s{true, m_context.state->tool() == *tool, {}};
        const CPlayer* player = currentPlayer();
        if (command == EditorCommand::EditCameraStart)
            s.enabled = player && player->isVorlan();
        else if (command == EditorCommand::DefineBuildArea)
            s.enabled = player && player->isVorlan() && player->isComputer();
        else if (*tool >= ToolCode::Line && *tool <= ToolCode::FloodFill)
            s.enabled = m_context.state->shapeToolsEnabled();
        return s;
    }
    switch (command) {
    case EditorCommand::Grid: return CommandState{true, m_grid, {}};
    case EditorCommand::ShrinkToFit: return CommandState{true, m_shrink, {}};
    case EditorCommand::ShowWaypointPaths:
        return CommandState{true, false,
                            m_doc.showsWaypointPaths() ? tr("Hide All Waypoint Paths") : tr("Show All Waypoint Paths")};
    default: return std::nullopt;
    }
}

} // namespace gr2
