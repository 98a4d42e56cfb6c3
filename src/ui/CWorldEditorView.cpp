#include "ui/CWorldEditorView.h"

#include "app/Prompter.h"
#include "app/ZoomTable.h"
#include "dialogs/FormDialogRun.h"
#include "document/LevelFiles.h"
#include "forms/MapOperationForms.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"
#include "mapedit/MapViewController.h"
#include "mapedit/ToolCode.h"
#include "script/ScriptTreeCommands.h"
#include "typedb/CTypeDatabase.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/IconSheets.h"
#include "ui/MapPainter.h"
#include "ui/QtText.h"
#include "ui/SharedPrinter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <optional>

namespace gr2 {

namespace {

TileRect boundsOf(const std::vector<TilePoint>& tiles)
{
    if (tiles.empty())
        return {};
    TileRect r{tiles.front().x, tiles.front().y, tiles.front().x, tiles.front().y};
    for (TilePoint p : tiles)
        r = r.united(TileRect::single(p));
    return r;
}

TileRect unite(const TileRect& a, const TileRect& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return a.united(b);
}

} // namespace

CWorldEditorView::CWorldEditorView(CWorldEditorDoc& doc, const ViewContext& context, DocumentDisplay& display,
                                   QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_context(context), m_display(display)
{
    if (!m_context.state) {
        m_ownState = std::make_unique<EditorState>();
        m_context.state = m_ownState.get();
    }
    m_controller = std::make_unique<MapViewController>(m_doc, *m_context.state);
    m_painter = std::make_unique<MapPainter>(m_doc, m_context, m_display);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(10, 10);
    m_doc.addObserver(this);
    if (!m_doc.FindPlayer(m_controller->currentPlayer()) && m_doc.PlayerCount() > 0)
        m_controller->setCurrentPlayer(m_doc.PlayerAt(0)->id());
    updateScrollBars();
    m_autosave.setInterval(int(LevelFiles::autosaveInterval().count()));
    connect(&m_autosave, &QTimer::timeout, this, [this] { emit autosaveDue(this); });
    m_autosave.start();
    m_doubleClickWait.setSingleShot(true);
    connect(&m_doubleClickWait, &QTimer::timeout, this, &CWorldEditorView::flushPendingPress);
}

CWorldEditorView::~CWorldEditorView()
{
    m_doc.removeObserver(this);
}

void CWorldEditorView::setTileSize(int pixels)
{
    m_tileSize = std::clamp(pixels, 1, 256);
    updateScrollBars();
    viewport()->update();
}

CPlayer* CWorldEditorView::currentPlayer() const
{
    return m_doc.FindPlayer(m_controller->currentPlayer());
}

void CWorldEditorView::setCurrentPlayer(uint8_t playerId)
{
    m_controller->setCurrentPlayer(playerId);
}

void CWorldEditorView::displayChanged()
{
    updateScrollBars();
    viewport()->update();
}

int CWorldEditorView::scaledTile() const
{
    if (!m_display.shrinkToFit)
        return m_tileSize;
    return shrinkToFitTileSize(viewport()->width(), viewport()->height(), m_doc.width(), m_doc.height());
}

QPoint CWorldEditorView::scrollOffset() const
{
    return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
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
    horizontalScrollBar()->setSingleStep(MapViewController::kLineScroll);
    verticalScrollBar()->setSingleStep(MapViewController::kLineScroll);
}

QRect CWorldEditorView::tileRect(TilePoint p) const
{
    const int side = scaledTile();
    return QRect(p.x * side, p.y * side, side, side);
}

QRect CWorldEditorView::tilesRect(const TileRect& t) const
{
    if (t.empty())
        return {};
    const int side = scaledTile();
    return QRect(t.left * side, t.top * side, (t.right - t.left + 1) * side, (t.bottom - t.top + 1) * side);
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

QPoint CWorldEditorView::tileCentre(TilePoint p) const
{
    const int side = scaledTile();
    return QPoint(p.x * side + side / 2, p.y * side + side / 2) - scrollOffset();
}

void CWorldEditorView::ensureVisible(const TileRect& tiles)
{
    if (tiles.empty())
        return;
    const QRect wanted = tilesRect(tiles);
    const QRect visible(scrollOffset(), viewport()->size());
    if (visible.contains(wanted))
        return;
    horizontalScrollBar()->setValue(wanted.center().x() - viewport()->width() / 2);
    verticalScrollBar()->setValue(wanted.center().y() - viewport()->height() / 2);
}

void CWorldEditorView::modeChanged()
{
    const std::string prompt = m_controller->modePrompt();
    if (m_context.frame) {
        if (!prompt.empty())
            m_context.frame->statusBar()->showMessage(QtText::fromSystem(prompt));
        else if (m_modePromptShown)
            m_context.frame->statusBar()->clearMessage();
    }
    m_modePromptShown = !prompt.empty();
    updateOverlay();
    viewport()->update();
    commandsChanged();
}

std::optional<TilePoint> CWorldEditorView::clampedTileAt(QPoint pos) const
{
    if (m_doc.width() == 0 || m_doc.height() == 0)
        return std::nullopt;
    const int side = scaledTile();
    const QPoint p = pos + scrollOffset();
    const int x = p.x() < 0 ? 0 : p.x() / side;
    const int y = p.y() < 0 ? 0 : p.y() / side;
    return TilePoint{std::min(x, int(m_doc.width()) - 1), std::min(y, int(m_doc.height()) - 1)};
}

// --- drawing ------------------------------------------------------------------------------------

bool CWorldEditorView::isDrawnInverted(TilePoint p) const
{
    return m_controller->isSelected(p);
}

void CWorldEditorView::render(QPainter& painter, const QRect& area, bool printing)
{
    const int width = int(m_doc.width());
    const int height = int(m_doc.height());
    if (width == 0 || height == 0)
        return;
    MapPainter::Frame frame;
    frame.area = area;
    frame.side = scaledTile();
    frame.printing = printing;
    // The shape being dragged is drawn inverted like the selection; its tiles are marked once
    // per paint rather than searched for every tile.
    std::vector<char> dragged;
    if (!printing && m_controller->dragging()) {
        dragged.assign(size_t(width) * size_t(height), 0);
        for (TilePoint p : m_controller->dragTiles())
            if (m_doc.IsInside(p))
                dragged[size_t(p.y) * size_t(width) + size_t(p.x)] = 1;
    }
    frame.inverted = [&](TilePoint p) {
        return isDrawnInverted(p) || (!dragged.empty() && dragged[size_t(p.y) * size_t(width) + size_t(p.x)]);
    };
    m_painter->paint(painter, frame, [this](QPainter& p) { drawBrush(p); });
}

void CWorldEditorView::drawBrush(QPainter& painter)
{
    const EditorState& state = *m_context.state;
    const auto& pointer = m_controller->pointerTile();
    if (!state.brushActive() || !pointer)
        return;
    for (const BrushCell& cell : state.brush().cells) {
        const TilePoint p{pointer->x + cell.offset.x, pointer->y + cell.offset.y};
        if (!m_doc.IsInside(p))
            continue;
        const QRect r = tileRect(p);
        if (const QPixmap* pixmap = m_painter->terrainPixmap(cell.terrain, cell.owner, scaledTile()))
            painter.drawPixmap(r.topLeft(), *pixmap);
        else
            MapPainter::fillMissingTile(painter, r, cell.terrain);
    }
}

TileRect CWorldEditorView::overlayTiles() const
{
    TileRect r;
    if (const auto& selection = m_controller->selection())
        r = unite(r, *selection);
    if (m_controller->dragging())
        r = unite(r, boundsOf(m_controller->dragTiles()));
    const auto& pointer = m_controller->pointerTile();
    if (m_context.state->brushActive() && pointer) {
        TileRect b;
        for (const BrushCell& cell : m_context.state->brush().cells)
            b = unite(b, TileRect::single({pointer->x + cell.offset.x, pointer->y + cell.offset.y}));
        r = unite(r, b);
    }
    return r;
}

void CWorldEditorView::updateOverlay()
{
    const TileRect now = overlayTiles();
    const TileRect changed = unite(now, m_lastOverlay);
    m_lastOverlay = now;
    if (!changed.empty())
        viewport()->update(tilesRect(changed).translated(-scrollOffset()));
}

void CWorldEditorView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QPoint scroll = scrollOffset();
    painter.fillRect(event->rect(), palette().color(QPalette::Dark));
    painter.translate(-scroll);
    render(painter, event->rect().translated(scroll), false);
}

QImage CWorldEditorView::renderVisible()
{
    QImage image(viewport()->size(), QImage::Format_RGB32);
    image.fill(palette().color(QPalette::Dark));
    QPainter painter(&image);
    const QPoint scroll = scrollOffset();
    painter.translate(-scroll);
    render(painter, QRect(scroll, viewport()->size()), false);
    return image;
}

bool CWorldEditorView::printTo(QPrinter& printer)
{
    const int side = scaledTile();
    const QSize map(int(m_doc.width()) * side, int(m_doc.height()) * side);
    if (map.isEmpty())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    const double scale = std::min(double(page.width()) / map.width(), double(page.height()) / map.height());
    painter.scale(scale, scale);
    render(painter, QRect(QPoint(0, 0), map), true);
    return painter.end();
}

void CWorldEditorView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CWorldEditorView::scrollContentsBy(int, int)
{
    viewport()->update();
}

// --- document changes ---------------------------------------------------------------------------

void CWorldEditorView::tilesChanged(const TileRect& rect)
{
    if (rect.empty())
        return;
    viewport()->update(tilesRect(rect).translated(-scrollOffset()));
    // The status bar names the pointed tile's terrain and owner: a paint under the pointer
    // changes them.
    const auto& pointer = m_controller->pointerTile();
    if (pointer && rect.contains(*pointer) && m_context.frame && m_context.frame->activeView() == this)
        reportPointer(*pointer);
}

void CWorldEditorView::mapResized(uint32_t width, uint32_t height)
{
    m_lastOverlay = {};
    updateScrollBars();
    viewport()->update();
    if (m_context.frame && m_context.frame->activeView() == this)
        m_context.frame->showMapSize(width, height);
}

void CWorldEditorView::levelReset()
{
    m_lastOverlay = {};
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
        m_context.frame->showTile(0, 0, &m_doc);
    }
}

void CWorldEditorView::mousePressEvent(QMouseEvent* event)
{
    emit activated(this);
    const QPoint pos = event->position().toPoint();
    if (m_context.state->tool() == ToolCode::Magnify &&
        (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        // Left zooms in one step on the clicked tile, right zooms out; neither edits the level.
        const bool in = event->button() == Qt::LeftButton;
        zoomAt(in ? ZoomTable::zoomedIn(m_tileSize) : ZoomTable::zoomedOut(m_tileSize), pos, true);
        return;
    }
    if (event->button() == Qt::RightButton) {
        // A right press inverts the filled flag or drops the brush, and opens the menu of what
        // lies under the pointer.
        const bool filled = m_context.state->filled();
        ContextHit hit;
        if (auto tile = tileAt(pos))
            hit = m_controller->rightDown(*tile);
        else if (auto clamped = clampedTileAt(pos))
            m_controller->rightDown(*clamped);
        if (m_context.state->filled() != filled)
            showStatusMessage(filled ? tr("Rectangles and circles are now drawn as outlines.")
                                     : tr("Rectangles and circles are now drawn filled."));
        viewport()->update();
        updateOverlay();
        commandsChanged();
        if (hit.kind != ContextHit::Kind::None)
            openContextMenu(hit, event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    flushPendingPress();
    if (waitsForDoubleClick(pos)) {
        m_pendingPress = PendingPress{pos, std::nullopt};
        m_doubleClickWait.start(QApplication::doubleClickInterval());
        return;
    }
    leftPress(pos);
}

void CWorldEditorView::leftPress(QPoint pos)
{
    const CLevelObject* waiting = m_controller->modeObject();
    if (auto tile = tileAt(pos))
        m_controller->leftDown(*tile);
    if (const char* refusal = m_controller->lastRefusal())
        showStatusMessage(tr(refusal));
    else if (m_controller->modeObject() != waiting)
        modeChanged();
    updateOverlay();
    commandsChanged();
}

bool CWorldEditorView::waitsForDoubleClick(QPoint pos) const
{
    const ToolCode tool = m_context.state->tool();
    if (!isShapingTool(tool) && tool != ToolCode::Stamp && !isPlacingTool(tool))
        return false;
    const std::optional<TilePoint> tile = tileAt(pos);
    if (!tile)
        return false;
    const ContextHit hit = m_controller->thingAt(*tile);
    // A placing tool acts on a thing of its own family only (it removes it or is refused); on
    // anything else its press places, as the designer means it to.
    if (isPlacingTool(tool)) {
        using Kind = ContextHit::Kind;
        static constexpr Kind kOwnKind[] = {Kind::Creature, Kind::Door, Kind::Trap, Kind::Object};
        return hit.object && hit.kind == kOwnKind[size_t(tool) - size_t(ToolCode::PlaceCreature)];
    }
    return hit.object || ((hit.kind == ContextHit::Kind::Heart || hit.kind == ContextHit::Kind::Portal ||
                           hit.kind == ContextHit::Kind::HeroGate) &&
                          hit.player);
}

void CWorldEditorView::flushPendingPress()
{
    m_doubleClickWait.stop();
    if (!m_pendingPress)
        return;
    const PendingPress pending = *m_pendingPress;
    m_pendingPress.reset();
    leftPress(pending.press);
    if (pending.release)
        leftRelease(*pending.release);
}

void CWorldEditorView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const std::optional<TilePoint> tile = tileAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton || !tile) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    // The first click of a double click on a thing waited (see waitsForDoubleClick): it is
    // dropped, so the dialog opens on the level as it was.
    if (m_pendingPress && waitsForDoubleClick(event->position().toPoint())) {
        m_doubleClickWait.stop();
        m_pendingPress.reset();
    } else {
        flushPendingPress();
    }
    const ContextHit hit = m_controller->thingAt(*tile);
    if (m_context.frame && hit.player &&
        (hit.kind == ContextHit::Kind::Heart || hit.kind == ContextHit::Kind::Portal ||
         hit.kind == ContextHit::Kind::HeroGate)) {
        event->accept();
        const SpecialRoom room = hit.kind == ContextHit::Kind::Heart    ? SpecialRoom::DungeonHeart
                                 : hit.kind == ContextHit::Kind::Portal ? SpecialRoom::Portal
                                                                        : SpecialRoom::HeroGate;
        m_context.frame->scriptTreeBar()->tree()->editSpecialRoom(room, *tile, hit.player);
        viewport()->update();
        return;
    }
    if (hit.object && m_context.frame) {
        event->accept();
        m_context.frame->scriptTreeBar()->tree()->editPropertiesOf(*hit.object);
        viewport()->update();
        modeChanged();
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CWorldEditorView::openContextMenu(const ContextHit& hit, QPoint globalPos)
{
    using Kind = ContextHit::Kind;
    switch (hit.kind) {
    case Kind::Creature:
    case Kind::Door:
    case Kind::Trap:
    case Kind::Object:
    case Kind::ActionPoint:
    case Kind::EffectGenerator:
        // The menus of things belong to the script tree, which acts on the object's item.
        if (m_context.frame && hit.object)
            m_context.frame->scriptTreeBar()->tree()->popupMenuFor(*hit.object, globalPos);
        break;
    case Kind::Heart:
    case Kind::Portal:
    case Kind::HeroGate: {
        const SpecialRoom room = hit.kind == Kind::Heart    ? SpecialRoom::DungeonHeart
                                 : hit.kind == Kind::Portal ? SpecialRoom::Portal
                                                            : SpecialRoom::HeroGate;
        const std::vector<TreeMenuEntry> entries = availableEntries(specialRoomMenu(room));
        if (entries.empty())
            break;
        QMenu menu(this);
        for (const TreeMenuEntry& e : entries)
            menu.addAction(QtText::fromUtf16(e.text));
        if (menu.exec(globalPos) && m_context.frame)
            m_context.frame->scriptTreeBar()->tree()->editSpecialRoom(room, hit.tile, hit.player);
        break;
    }
    case Kind::None:
        break;
    }
    modeChanged();
}

void CWorldEditorView::showStatusMessage(const QString& text)
{
    if (m_context.frame)
        m_context.frame->statusBar()->showMessage(text, 5000);
}

void CWorldEditorView::zoomAt(int tileSize, QPoint viewportPoint, bool centre)
{
    if (m_display.shrinkToFit) {
        // A zoom asks for a size of its own: the fitted scale ends.
        m_display.shrinkToFit = false;
        emit displaySwitchChanged();
    }
    const double oldSide = scaledTile();
    const QPointF mapPoint((horizontalScrollBar()->value() + viewportPoint.x()) / oldSide,
                           (verticalScrollBar()->value() + viewportPoint.y()) / oldSide);
    setTileSize(tileSize);
    const double side = scaledTile();
    QPointF target = viewportPoint;
    QPointF at = mapPoint * side;
    if (centre) {
        // The clicked tile's middle goes to the middle of the view.
        at = QPointF((std::floor(mapPoint.x()) + 0.5) * side, (std::floor(mapPoint.y()) + 0.5) * side);
        target = QPointF(viewport()->width() / 2.0, viewport()->height() / 2.0);
    }
    horizontalScrollBar()->setValue(int(std::lround(at.x() - target.x())));
    verticalScrollBar()->setValue(int(std::lround(at.y() - target.y())));
    if (m_context.frame)
        m_context.frame->selectZoom(m_tileSize);
}

void CWorldEditorView::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta != 0)
        zoomAt(delta > 0 ? ZoomTable::zoomedIn(m_tileSize) : ZoomTable::zoomedOut(m_tileSize),
               event->position().toPoint(), false);
    event->accept();
}

void CWorldEditorView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    // A drag that starts on a thing is no double click: the tool gets its press at once.
    if (m_pendingPress && !m_pendingPress->release && (event->buttons() & Qt::LeftButton))
        flushPendingPress();
    const auto tile = tileAt(pos);
    reportPointer(tile);
    // While the button is held a drag follows the pointer past the map's edge (the controller
    // clamps it); without it only a tile on the map moves the brush.
    const auto target = (event->buttons() & Qt::LeftButton) ? clampedTileAt(pos) : tile;
    if (target && m_controller->mouseMove(*target))
        updateOverlay();
    else if (m_context.state->brushActive())
        updateOverlay();
    if (const char* refusal = m_controller->lastRefusal())
        showStatusMessage(tr(refusal));
}

void CWorldEditorView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_pendingPress) {
        // The press still waits for a double click; the release follows it.
        if (!m_pendingPress->release)
            m_pendingPress->release = event->position().toPoint();
        return;
    }
    leftRelease(event->position().toPoint());
}

void CWorldEditorView::leftRelease(QPoint pos)
{
    const CLevelObject* waiting = m_controller->modeObject();
    if (auto tile = clampedTileAt(pos))
        m_controller->leftUp(*tile);
    if (m_controller->modeObject() != waiting)
        modeChanged();
    updateOverlay();
    commandsChanged();
}

void CWorldEditorView::commandsChanged()
{
    // A press or release may make a selection, a brush or a level change that menus and buttons
    // show at once rather than at the next idle update.
    if (m_context.frame)
        m_context.frame->updateCommandUI();
}

void CWorldEditorView::leaveEvent(QEvent* event)
{
    pointerLeft();
    QAbstractScrollArea::leaveEvent(event);
}

bool CWorldEditorView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Leave)
        pointerLeft();
    return QAbstractScrollArea::viewportEvent(event);
}

void CWorldEditorView::pointerLeft()
{
    m_controller->pointerLeft();
    updateOverlay();
    reportPointer(std::nullopt);
}

void CWorldEditorView::editorStateChanged()
{
    updateOverlay();
}

void CWorldEditorView::keyPressEvent(QKeyEvent* event)
{
    std::optional<ViewKey> key;
    switch (event->key()) {
    case Qt::Key_Left:
        key = ViewKey::Left;
        break;
    case Qt::Key_Right:
        key = ViewKey::Right;
        break;
    case Qt::Key_Up:
        key = ViewKey::Up;
        break;
    case Qt::Key_Down:
        key = ViewKey::Down;
        break;
    case Qt::Key_PageUp:
        key = ViewKey::PageUp;
        break;
    case Qt::Key_PageDown:
        key = ViewKey::PageDown;
        break;
    case Qt::Key_Home:
        key = ViewKey::Home;
        break;
    case Qt::Key_End:
        key = ViewKey::End;
        break;
    case Qt::Key_Space:
        key = ViewKey::Space;
        break;
    case Qt::Key_Escape:
        // Escape puts a pasted or room brush away, as a right click does, and cancels a waiting
        // move, camera start or build area (a copy waiting to be placed goes with it).
        if (m_context.state->brushActive()) {
            m_context.state->dropBrush();
            viewport()->update();
            updateOverlay();
            commandsChanged();
            return;
        }
        if (m_controller->cancelMode()) {
            modeChanged();
            return;
        }
        QAbstractScrollArea::keyPressEvent(event);
        return;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const ScrollRequest scroll =
        m_controller->key(*key, event->modifiers() & Qt::ShiftModifier, viewport()->height());
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    if (scroll.toStart) {
        h->setValue(0);
        v->setValue(0);
    } else if (scroll.toEnd) {
        h->setValue(h->maximum());
        v->setValue(v->maximum());
    } else {
        h->setValue(h->value() + scroll.dx);
        v->setValue(v->value() + scroll.dy);
    }
    if (*key == ViewKey::Space)
        updateOverlay();
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
    case EditorCommand::RectangleSelect:
        return ToolCode::RectangleSelect;
    case EditorCommand::Paint:
        return ToolCode::Paint;
    case EditorCommand::Magnify:
        return ToolCode::Magnify;
    case EditorCommand::DrawLine:
        return ToolCode::Line;
    case EditorCommand::DrawRectangle:
        return ToolCode::Rectangle;
    case EditorCommand::DrawCircle:
        return ToolCode::Circle;
    case EditorCommand::FloodFill:
        return ToolCode::FloodFill;
    case EditorCommand::CreateActionPoint:
        return ToolCode::ActionPoint;
    case EditorCommand::CreateEffectGenerator:
        return ToolCode::EffectGenerator;
    case EditorCommand::EditCameraStart:
        return ToolCode::CameraStart;
    case EditorCommand::DefineBuildArea:
        return ToolCode::BuildArea;
    default:
        return std::nullopt;
    }
}

} // namespace

bool CWorldEditorView::onCommand(EditorCommand command)
{
    using C = EditorCommand;
    MapViewController& c = *m_controller;
    EditorState& state = *m_context.state;
    if (auto tool = toolOf(command)) {
        c.selectTool(*tool);
        modeChanged();
        return true;
    }
    switch (command) {
    case C::Grid:
        m_display.grid = !m_display.grid;
        break;
    case C::ShrinkToFit:
        m_display.shrinkToFit = !m_display.shrinkToFit;
        break;
    case C::ShowWaypointPaths:
        m_doc.setShowsWaypointPaths(!m_doc.showsWaypointPaths());
        break;
    case C::Cut:
        c.cut();
        break;
    case C::Copy:
        c.copy();
        break;
    case C::Paste:
        c.paste();
        break;
    case C::SelectAll:
        c.selectAll();
        break;
    case C::ClearAll:
        c.clearAll();
        break;
    case C::Undo:
        c.undo();
        break;
    case C::Redo:
        c.redo();
        break;
    case C::FlipX:
        c.flipMap(FlipAxis::X);
        break;
    case C::FlipY:
        c.flipMap(FlipAxis::Y);
        break;
    case C::BrushFlipX:
        state.flipBrushX();
        break;
    case C::BrushFlipY:
        state.flipBrushY();
        break;
    case C::RotateMap:
    case C::BrushRotate: {
        RotateChoice choice;
        if (!m_context.prompter || !runFormDialog(rotateMapForm(), choice, *m_context.prompter, this))
            return true;
        if (command == C::RotateMap)
            c.rotateMap(choice.turn());
        else
            state.rotateBrush(choice.turn());
        break;
    }
    case C::ResizeMap: {
        if (!m_context.prompter || !m_context.types)
            return true;
        ResizeRequest request = initialResize(m_doc, *m_context.types);
        if (!runFormDialog(resizeMapForm(m_doc, *m_context.types), request, *m_context.prompter, this))
            return true;
        c.resizeMap(request, *m_context.prompter);
        break;
    }
    case C::DrawFilled:
        state.toggleFilled();
        break;
    case C::Print: {
        std::optional<QPrinter> ownPrinter;
        QPrinter& printer = m_context.printer ? m_context.printer->get() : ownPrinter.emplace();
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() == QDialog::Accepted)
            printTo(printer);
        return true;
    }
    default:
        return false;
    }
    switch (command) {
    case C::Grid:
    case C::ShrinkToFit:
    case C::ShowWaypointPaths:
        emit displaySwitchChanged();
        break;
    case C::FlipX:
    case C::FlipY:
    case C::RotateMap:
    case C::ResizeMap:
        updateScrollBars();
        viewport()->update();
        break;
    default:
        break;
    }
    updateOverlay();
    viewport()->update();
    return true;
}

std::optional<CommandState> CWorldEditorView::commandState(EditorCommand command) const
{
    using C = EditorCommand;
    const MapViewController& c = *m_controller;
    const EditorState& state = *m_context.state;
    if (auto tool = toolOf(command)) {
        CommandState shown{c.canSelectTool(*tool), state.tool() == *tool, {}, {}};
        // Rectangles and circles say whether they are drawn filled or as outlines now.
        if (command == C::DrawRectangle)
            shown.prompt = state.filled() ? tr("Draw Filled Rectangle (right click toggles outline)")
                                          : tr("Draw Rectangle Outline (right click toggles filled)");
        else if (command == C::DrawCircle)
            shown.prompt = state.filled() ? tr("Draw Filled Circle (right click toggles outline)")
                                          : tr("Draw Circle Outline (right click toggles filled)");
        return shown;
    }
    switch (command) {
    case C::Grid:
        return CommandState{true, m_display.grid, {}, {}};
    case C::ShrinkToFit:
        return CommandState{true, m_display.shrinkToFit, {}, {}};
    case C::ShowWaypointPaths:
        return CommandState{true,
                            false,
                            m_doc.showsWaypointPaths() ? tr("Hide All Waypoint Paths")
                                                       : tr("Show All Waypoint Paths"),
                            {}};
    case C::Cut:
    case C::Copy:
        return CommandState{c.selection().has_value(), false, {}, {}};
    case C::Paste:
        return CommandState{!state.clipboard().empty(), false, {}, {}};
    case C::SelectAll:
    case C::ClearAll:
    case C::FlipX:
    case C::FlipY:
    case C::RotateMap:
    case C::ResizeMap:
    case C::Print:
        return CommandState{};
    case C::Undo: {
        // The menu names the step it takes back ("Undo Flood Fill").
        const LevelHistory& h = m_doc.history();
        return CommandState{h.canUndo(),
                            false,
                            h.canUndo() ? tr("&Undo %1").arg(QtText::fromSystem(h.undoName())) : QString(),
                            {}};
    }
    case C::Redo: {
        const LevelHistory& h = m_doc.history();
        return CommandState{h.canRedo(),
                            false,
                            h.canRedo() ? tr("&Redo %1").arg(QtText::fromSystem(h.redoName())) : QString(),
                            {}};
    }
    case C::BrushFlipX:
    case C::BrushFlipY:
    case C::BrushRotate:
        return CommandState{c.canTransformBrush(), false, {}, {}};
    case C::DrawFilled:
        return CommandState{true, state.filled(), {}, {}};
    default:
        return std::nullopt;
    }
}

} // namespace gr2
