#pragma once
// One scrolling map view of a level: draws the tiles from the icon sheets (scaled cells cached per
// zoom), the things and markers on top, turns pixels into tiles for the editing tools, fills the
// status panes, and handles the view's own commands (zoom, grid, tools ...). It observes the
// document and repaints only the tiles that changed.

#include "level/DocumentObserver.h"
#include "level/TileGeometry.h"
#include "ui/EditorCommand.h"
#include "ui/ViewContext.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QPixmap>
#include <QTimer>

#include <optional>

namespace gr2 {

class CPlayer;
class CWorldEditorDoc;
enum class TypeFamily : uint8_t;

class CWorldEditorView : public QAbstractScrollArea, public DocumentObserver, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kAutosaveMilliseconds = 600000;

    CWorldEditorView(CWorldEditorDoc& doc, const ViewContext& context, QWidget* parent = nullptr);
    ~CWorldEditorView() override;

    CWorldEditorDoc& document() const { return m_doc; }
    int tileSize() const { return m_tileSize; }
    void setTileSize(int pixels);
    /// The player painted tiles and placed things receive; none when the level has no players.
    CPlayer* currentPlayer() const;
    void setCurrentPlayer(uint8_t playerId);
    bool gridShown() const { return m_grid; }
    bool shrinkToFit() const { return m_shrink; }

    /// The tile under a point of the viewport; none off the map.
    std::optional<TilePoint> tileAt(QPoint viewportPoint) const;
    /// Draws the view's visible part (or, when printing, the whole map) at the current zoom.
    void render(QPainter& painter, const QRect& area, bool printing);
    /// The whole visible map as an image, as the screen shows it.
    QImage renderVisible();

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
    void currentPlayerSuggested(uint8_t playerId) override { setCurrentPlayer(playerId); }

signals:
    void documentStateChanged();
    void activated(CWorldEditorView* view);
    /// The autosave timer fired.
    void autosaveDue(CWorldEditorView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    /// The scaled picture of one icon cell at the current tile size (cached).
    const QPixmap* cellPixmap(TypeFamily family, const QRect& cell, int side);
    const QPixmap* terrainPixmap(uint8_t terrain, uint8_t owner);
    const QPixmap* thingPixmap(TypeFamily family, uint8_t type, int side);
    QRect tileRect(TilePoint p) const;
    int scaledTile() const;
    void updateScrollBars();
    void reportPointer(std::optional<TilePoint> tile);
    void applyTool(TilePoint tile, bool pressed);

    CWorldEditorDoc& m_doc;
    ViewContext m_context;
    int m_tileSize = 32;
    bool m_grid = false;
    bool m_shrink = false;
    uint8_t m_currentPlayer = 3;
    bool m_dragging = false;
    std::optional<TilePoint> m_lastTile;
    QHash<quint64, QPixmap> m_cells;
    int m_cellsSide = 0;
    QTimer m_autosave;
};

} // namespace gr2
