#pragma once
// One scrolling map view of a level: has its MapPainter draw the map with the selection inverted
// and the room brush at the pointer; turns pixels into tiles and forwards presses, moves, releases
// and keys to the map editing logic (MapViewController); fills the status panes and handles the view's own
// commands. It observes the document and repaints only what changed.

#include "level/DocumentObserver.h"
#include "level/TileGeometry.h"
#include "mapedit/EditorState.h"
#include "ui/DocumentDisplay.h"
#include "ui/EditorCommand.h"
#include "ui/ViewContext.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <memory>
#include <optional>

class QPrinter;

namespace gr2 {

class CPlayer;
class CWorldEditorDoc;
struct ContextHit;
class MapPainter;
class MapViewController;

class CWorldEditorView : public QAbstractScrollArea, public DocumentObserver, public CommandTarget {
    Q_OBJECT
public:
    /// `display` holds the switches all views of the document share; it outlives the view.
    CWorldEditorView(CWorldEditorDoc& doc, const ViewContext& context, DocumentDisplay& display,
                     QWidget* parent = nullptr);
    ~CWorldEditorView() override;

    CWorldEditorDoc& document() const { return m_doc; }
    MapViewController& controller() const { return *m_controller; }
    int tileSize() const { return m_tileSize; }
    void setTileSize(int pixels);
    /// The player painted tiles and placed things receive; none when the level has no players.
    CPlayer* currentPlayer() const;
    void setCurrentPlayer(uint8_t playerId);
    bool gridShown() const { return m_display.grid; }
    bool shrinkToFit() const { return m_display.shrinkToFit; }
    /// The document's display switches changed in another view: lay out and draw again.
    void displayChanged();

    /// The tile under a point of the viewport; none off the map.
    std::optional<TilePoint> tileAt(QPoint viewportPoint) const;
    /// The viewport point at the middle of a tile.
    QPoint tileCentre(TilePoint p) const;
    /// Scrolls so that the tiles are in view, centring them when they are not already.
    void ensureVisible(const TileRect& tiles);
    /// A one-off command started or ended in the controller (from the script tree or the view):
    /// the status bar tells what to do, the toolbar shows the tool.
    void modeChanged();
    /// Draws the view's visible part (or, when printing, the whole map) at the current zoom.
    void render(QPainter& painter, const QRect& area, bool printing);
    /// The whole visible map as an image, as the screen shows it.
    QImage renderVisible();
    /// Prints the whole map on one page, scaled to fit, with non-room tiles as grey squares.
    bool printTo(QPrinter& printer);
    /// The shared tool or brush changed (the palette, a toolbar, a type editor): the brush drawn
    /// at the pointer follows, and what it covered before is drawn again.
    void editorStateChanged();
    /// The pointer is no longer over the map for this view (it left, or a modal window opened):
    /// the brush is no longer drawn and the status panes of the pointed tile are cleared.
    void pointerLeft();

    bool onCommand(EditorCommand command) override;
    std::optional<CommandState> commandState(EditorCommand command) const override;

    // DocumentObserver
    void tilesChanged(const TileRect& rect) override;
    void mapResized(uint32_t width, uint32_t height) override;
    void objectAdded(CLevelObject&) override { viewport()->update(); }
    void objectRemoved(CLevelObject&) override { viewport()->update(); }
    void objectChanged(CLevelObject&) override { viewport()->update(); }
    void waypointsChanged() override { viewport()->update(); }
    void levelReset() override;
    void modifiedChanged(bool) override { emit documentStateChanged(); }
    void titleChanged(const std::string&) override { emit documentStateChanged(); }

signals:
    void documentStateChanged();
    void activated(CWorldEditorView* view);
    /// A switch shared by all views of the document changed (grid, Shrink to Fit, paths).
    void displaySwitchChanged();
    /// The autosave timer fired.
    void autosaveDue(CWorldEditorView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    /// A double click on a thing, action point or effect generator opens its property dialog.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// Ctrl + wheel zooms around the pointer; the wheel alone scrolls.
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    /// Leaving the map area for a scroll bar counts as leaving the map.
    bool viewportEvent(QEvent* event) override;

private:
    QRect tileRect(TilePoint p) const;
    QRect tilesRect(const TileRect& tiles) const;
    QPoint scrollOffset() const;
    int scaledTile() const;
    void updateScrollBars();
    void reportPointer(std::optional<TilePoint> tile);
    /// The tile under a viewport point, clamped to the map, for presses and drags that go past it.
    std::optional<TilePoint> clampedTileAt(QPoint viewportPoint) const;
    /// Repaints what the view draws over the map: selection, dragged shape and brush.
    void updateOverlay();
    void commandsChanged();
    /// Changes the tile size keeping the map point under `viewportPoint` where it is (for the
    /// Magnify tool, the clicked tile's centre moves to the middle of the view instead).
    void zoomAt(int tileSize, QPoint viewportPoint, bool centre);
    /// A message in the status bar's prompt pane for a few seconds.
    void showStatusMessage(const QString& text);
    /// The right press hit something: its context menu (the script tree's for things).
    void openContextMenu(const ContextHit& hit, QPoint globalPos);
    /// The left press and release of the current tool.
    void leftPress(QPoint pos);
    void leftRelease(QPoint pos);
    /// A press of a tool that paints or places, on a thing that a double click opens, waits for
    /// the double click time: a double click then opens the thing's dialog without the tool
    /// acting on the tile first.
    bool waitsForDoubleClick(QPoint pos) const;
    /// Gives the tool the press (and release) that waited, in order.
    void flushPendingPress();
    TileRect overlayTiles() const;
    bool isDrawnInverted(TilePoint p) const;
    void drawBrush(QPainter& painter);

    CWorldEditorDoc& m_doc;
    ViewContext m_context;
    DocumentDisplay& m_display;
    /// Used only when the view is made without the application's shared state (tests).
    std::unique_ptr<EditorState> m_ownState;
    std::unique_ptr<MapViewController> m_controller;
    int m_tileSize = 32;
    TileRect m_lastOverlay;
    std::unique_ptr<MapPainter> m_painter;
    QTimer m_autosave;
    struct PendingPress {
        QPoint press;
        std::optional<QPoint> release;
    };
    std::optional<PendingPress> m_pendingPress;
    QTimer m_doubleClickWait;
    /// The status bar shows the waiting one-off command's prompt.
    bool m_modePromptShown = false;
};

} // namespace gr2
