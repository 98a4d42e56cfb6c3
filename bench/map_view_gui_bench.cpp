// Drawing the map view of the largest level into a 1920 × 1080 image at each zoom, against one
// QPainter::drawImage of a 1920 × 1080 image (the least a full repaint of that window costs), and
// the repaint after painting one tile, against a blit of that tile's pixels.

#include "AgainstFloor.h"
#include "GuiBenchMain.h"
#include "LargestLevel.h"

#include "mapedit/EditorState.h"
#include "ui/CWorldEditorView.h"
#include "ui/DocumentDisplay.h"
#include "ui/IconSheets.h"
#include "ui/ViewContext.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <memory>

using namespace gr2;
using namespace gr2::bench;

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

struct ViewFixture {
    ViewFixture()
    {
        icons.load(level.root());
        icons.rebuildCells(level.app().types());
        context.types = &level.app().types();
        context.icons = &icons;
        context.state = &state;
        view = std::make_unique<CWorldEditorView>(level.level().doc(), context, display);
        view->resize(kScreenWidth, kScreenHeight);
    }

    /// The view's paint of an area, as its paint event draws it.
    void paint(QImage& target, const QRect& area)
    {
        QPainter painter(&target);
        painter.setClipRect(area);
        painter.fillRect(area, Qt::darkGray);
        view->render(painter, area, false);
    }

    LargestLevelRoot level;
    IconSheets icons;
    EditorState state;
    DocumentDisplay display;
    ViewContext context;
    std::unique_ptr<CWorldEditorView> view;
};

/// The window, made on first use and taken down by main while the application still runs.
std::unique_ptr<ViewFixture> g_fixture;

ViewFixture& fixture()
{
    if (!g_fixture)
        g_fixture = std::make_unique<ViewFixture>();
    return *g_fixture;
}

void BM_RepaintWholeView(benchmark::State& state)
{
    ViewFixture& f = fixture();
    const int zoom = int(state.range(0));
    f.view->setTileSize(zoom);
    QImage target(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    const QRect screen(0, 0, kScreenWidth, kScreenHeight);
    f.paint(target, screen); // the zoom's scaled cells are made once, as on the first paint
    QImage picture = target.copy();
    QImage blitTarget(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    againstFloor(
        state, [&] { f.paint(target, screen); },
        [&] {
            QPainter painter(&blitTarget);
            painter.drawImage(0, 0, picture);
        });
    state.counters["zoom"] = zoom;
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_RepaintWholeView)->Arg(64)->Arg(48)->Arg(32)->Arg(24)->Arg(16)->Arg(8);

void BM_RepaintAfterOneTile(benchmark::State& state)
{
    ViewFixture& f = fixture();
    const int zoom = 32;
    f.view->setTileSize(zoom);
    QImage target(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    f.paint(target, QRect(0, 0, kScreenWidth, kScreenHeight));
    const TilePoint tile{20, 20};
    const QRect area(tile.x * zoom, tile.y * zoom, zoom, zoom);
    const QImage tilePixels = target.copy(area);
    QImage blitTarget(kScreenWidth, kScreenHeight, QImage::Format_RGB32);
    uint8_t terrain = 3;
    againstFloor(
        state,
        [&] {
            // Painting a tile tells the view which rectangle changed; the paint that follows
            // draws only that rectangle.
            f.level.level().doc().SetTerrain(tile, terrain);
            terrain = terrain == 3 ? 2 : 3;
            f.paint(target, area);
        },
        [&] {
            QPainter painter(&blitTarget);
            painter.drawImage(area.topLeft(), tilePixels);
        });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_RepaintAfterOneTile);

} // namespace

int main(int argc, char** argv)
{
    return gr2::bench::runGuiBenchmarks(argc, argv, [] { g_fixture.reset(); });
}
