#pragma once
// Draws a level's map, one routine per layer, for every place that shows it: the map views, the
// printout and the benchmarks all go through paint(), so what is printed or measured is what the
// screen shows. The scaled icon pictures are cached per tile size.

#include "level/TileGeometry.h"

#include <QHash>
#include <QPixmap>
#include <QRect>

#include <cstdint>
#include <functional>

class QPainter;

namespace gr2 {

class CWorldEditorDoc;
struct DocumentDisplay;
struct ViewContext;
enum class TypeFamily : uint8_t;

class MapPainter {
public:
    /// How opaque a thing that is not placed on the map is drawn (a script's creature to be).
    static constexpr double kNotPlacedOpacity = 0.5;

    /// One drawing of the map: the part asked for (in map pixels), the tile size, whether it is
    /// for the printer (every tile, non-room tiles as grey squares, no selection), and which
    /// tiles the caller wants inverted (the selection, a shape being dragged).
    struct Frame {
        QRect area;
        int side = 32;
        bool printing = false;
        std::function<bool(TilePoint)> inverted;
    };

    MapPainter(const CWorldEditorDoc& doc, const ViewContext& context, const DocumentDisplay& display);

    /// Every layer in order; `overlay` (the view's brush) is drawn above the areas and below the
    /// camera starts and room marks.
    void paint(QPainter& painter, const Frame& frame, const std::function<void(QPainter&)>& overlay = {});

    // The layers, bottom to top.
    void drawTiles(QPainter& painter, const Frame& frame);
    void drawThings(QPainter& painter, const Frame& frame);
    void drawBuildAreas(QPainter& painter, const Frame& frame);
    void drawActionPoints(QPainter& painter, const Frame& frame);
    void drawWaypointPaths(QPainter& painter, const Frame& frame);
    void drawEffectGenerators(QPainter& painter, const Frame& frame);
    void drawCameraStarts(QPainter& painter, const Frame& frame);
    /// Hearts, portals and hero gates: raised tiles, and each gate's arrow.
    void drawRoomMarks(QPainter& painter, const Frame& frame);
    void drawGrid(QPainter& painter, const Frame& frame);

    /// The picture of a terrain tile of an owner at a size; none without icon sheets or a cell.
    const QPixmap* terrainPixmap(uint8_t terrain, uint8_t owner, int side, bool inverted = false);
    /// Draws one tile's terrain where its picture is missing: a shade of red by terrain.
    static void fillMissingTile(QPainter& painter, const QRect& r, uint8_t terrain, bool inverted = false);

private:
    /// The scaled picture of one icon cell at a size (cached per zoom), plain or inverted.
    const QPixmap* cellPixmap(TypeFamily family, const QRect& cell, int side, bool inverted = false);
    const QPixmap* thingPixmap(TypeFamily family, uint8_t type, int side);

    const CWorldEditorDoc& m_doc;
    const ViewContext& m_context;
    const DocumentDisplay& m_display;
    QHash<quint64, QPixmap> m_cells;
    int m_cellsSide = 0;
};

} // namespace gr2
