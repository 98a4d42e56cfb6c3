// The shown main window on the largest level: building its script tree and a Find that visits
// every item, against building the same number of plain items in the same tree widget; and one
// mouse move of a paint drag at every zoom (the event in, the view repainted), against one blit of
// the view's size.

#include "AgainstFloor.h"
#include "GuiBenchMain.h"
#include "LargestLevelWindow.h"

#include "app/ZoomTable.h"
#include "dialogs/CTreeFindDialog.h"
#include "mapedit/EditorState.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>

#include <chrono>
#include <memory>
#include <utility>

using namespace gr2;
using namespace gr2::bench;

namespace {

/// The tree's shape as plain rows: each item's text and the index of its parent (-1 for the top).
std::vector<std::pair<QString, int>> plainRowsOf(const QTreeWidget& tree)
{
    std::vector<std::pair<QString, int>> rows;
    QHash<const QTreeWidgetItem*, int> index;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it) {
        index.insert(*it, int(rows.size()));
        rows.emplace_back((*it)->text(0), (*it)->parent() ? index.value((*it)->parent()) : -1);
    }
    return rows;
}

/// The floor of the tree: the same items with their texts in the same shape, nothing else.
void buildPlainItems(QTreeWidget& tree, const std::vector<std::pair<QString, int>>& rows)
{
    tree.clear();
    std::vector<QTreeWidgetItem*> made(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const auto& [text, parent] = rows[i];
        made[i] = parent < 0 ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(made[size_t(parent)]);
        made[i]->setText(0, text);
    }
}

void BM_ScriptTreeBuild(benchmark::State& state)
{
    LargestLevelWindow& f = largestLevelWindow();
    CTriggerTree& tree = f.tree();
    const auto rows = plainRowsOf(tree);
    againstFloor(
        state,
        [&] {
            tree.showLevel(nullptr);
            tree.showLevel(f.child);
        },
        [&] { buildPlainItems(tree, rows); });
    tree.showLevel(nullptr);
    tree.showLevel(f.child);
    state.counters["items"] = double(rows.size());
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_ScriptTreeBuild);

void BM_ScriptTreeFindEveryItem(benchmark::State& state)
{
    LargestLevelWindow& f = largestLevelWindow();
    CTriggerTree& tree = f.tree();
    tree.openFind();
    CTreeFindDialog& find = *tree.findDialog();
    // Text that no item holds: the search goes round the whole tree and comes back empty.
    const QString absent = QStringLiteral("no item holds this text");
    int items = 0;
    againstFloor(
        state, [&] { emit find.findNextRequested(absent, true); },
        [&] {
            items = 0;
            for (QTreeWidgetItemIterator it(&tree); *it; ++it, ++items)
                benchmark::DoNotOptimize((*it)->text(0).contains(absent, Qt::CaseInsensitive));
        });
    find.close();
    state.counters["items"] = items;
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_ScriptTreeFindEveryItem);

void sendMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, {});
    QApplication::sendEvent(widget, &event);
}

/// One step of a paint drag: the pointer moves onto the next tile with the button held, and the
/// view repaints what changed. Each stroke is pressed on one tile and timed from the move onto its
/// neighbour to the repainted view; strokes alternate two terrains, so every step paints.
void BM_PaintDragStep(benchmark::State& state)
{
    using Clock = std::chrono::steady_clock;
    LargestLevelWindow& f = largestLevelWindow();
    CWorldEditorView& view = f.view();
    QWidget* vp = view.viewport();
    const int zoom = int(state.range(0));
    view.setTileSize(zoom);
    // A block of earth well inside the grown part of the map.
    const TileRect area{40, 40, 47, 47};
    view.ensureVisible(area);
    QApplication::processEvents();
    f.editor.editorState().selectTool(ToolCode::Paint);
    QImage picture = vp->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage blitTarget(picture.size(), QImage::Format_RGB32);
    double oursSeconds = 0;
    double floorSeconds = 0;
    int stroke = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int row = stroke % 8;
        const uint8_t terrain = stroke / 8 % 2 ? 3 : 2;
        f.editor.editorState().SetDrawTerrain(terrain, 0);
        const QPoint from = view.tileCentre({40, 40 + row});
        const QPoint to = view.tileCentre({41, 40 + row});
        sendMouse(vp, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        QApplication::processEvents();
        state.ResumeTiming();

        const auto t0 = Clock::now();
        sendMouse(vp, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
        const auto t1 = Clock::now();
        {
            QPainter painter(&blitTarget);
            painter.drawImage(0, 0, picture);
        }
        const auto t2 = Clock::now();

        state.PauseTiming();
        sendMouse(vp, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QApplication::processEvents();
        if (f.child->document().GetTerrain({41, 40 + row}) != terrain) {
            state.SkipWithError("the drag did not paint the tile it moved onto");
            break;
        }
        ++stroke;
        state.ResumeTiming();
        const double o = std::chrono::duration<double>(t1 - t0).count();
        oursSeconds += o;
        floorSeconds += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(o);
    }
    reportAgainstFloor(state, oursSeconds, floorSeconds);
    f.child->document().history().clear(true);
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_PaintDragStep)->Arg(64)->Arg(48)->Arg(32)->Arg(24)->Arg(16)->Arg(8);

} // namespace

int main(int argc, char** argv)
{
    return gr2::bench::runGuiBenchmarks(argc, argv, [] { largestLevelWindowSlot().reset(); });
}
