// Opening every dialog of the editor on the largest level in the shown main window, each the way a
// designer reaches it (menu bar, the script tree's menus, the map, the buttons inside a dialog),
// timed from the action to the dialog's first painted frame and then cancelled. The row is the
// slowest dialog, named in its label; the floor is an empty dialog opened and timed the same way.
// The target is a bound a user feels (no dialog above 50 ms), not a ratio. The time of every
// dialog goes to the standard error, slowest first.

#include "AgainstFloor.h"
#include "GuiBenchMain.h"
#include "LargestLevelWindow.h"

#include "document/LevelFiles.h"
#include "level/CPlayer.h"
#include "level/LevelIds.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/LevelScript.h"
#include "support/DialogTour.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"

#include <QApplication>
#include <QDialog>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>
#include <vector>

using namespace gr2;
using namespace gr2::bench;

namespace {

/// Two dialogs the largest level would not offer: the computer-player sheet (its button waits
/// for a computer player) and the text messages (for an action that shows one).
void offerEveryDialog(LargestLevelRoot& root)
{
    CWorldEditorDoc& doc = root.level().doc();
    if (CPlayer* vorlan = doc.FindPlayer(PlayerId::FirstVorlan))
        vorlan->setComputer(true);
    if (CAction* action = LevelScript::of(doc)->FindAction(-2))
        action->setKind(uint8_t(ActionKind::DisplayTextString));
    if (root.level().files().SaveLevel(false) != SaveResult::Saved)
        std::fprintf(stderr, "the largest level could not be saved again\n");
}

void BM_SlowestDialogOpen(benchmark::State& state)
{
    LargestLevelWindow& f = largestLevelWindow(offerEveryDialog);
    if (!f.child) {
        state.SkipWithError("no level window");
        return;
    }
    std::map<QString, double> seconds; // summed over the iterations
    double floorSeconds = 0;
    double slowestTotal = 0;
    for (auto _ : state) {
        double iteration = 0;
        test::DialogTour tour(f.editor, *f.child, {}, [&](const QString& name, double s, QDialog&) {
            seconds[name] += s;
            iteration += s;
        });
        tour.run();
        if (state.iterations() == 0)
            std::fprintf(stderr, "shown: %s\ngreyed: %s\n",
                         qPrintable(tour.shown().join(QStringLiteral(" | "))),
                         qPrintable(tour.greyed().join(QStringLiteral(" | "))));
        if (!tour.missed().isEmpty()) {
            const std::string missed =
                ("dialogs that did not open: " + tour.missed().join(", ")).toStdString();
            state.SkipWithError(missed.c_str());
            return;
        }
        if (f.level.prompter.messages > 0) {
            state.SkipWithError("a dialog showed a message");
            return;
        }
        test::DialogTour floorTour(f.editor, *f.child, {},
                                   [&](const QString&, double s, QDialog&) { floorSeconds += s; });
        floorTour.visit(QStringLiteral("empty dialog"), [&] {
            QDialog empty(f.editor.mainFrame());
            empty.exec();
        });
        state.SetIterationTime(iteration);
    }
    std::vector<std::pair<double, QString>> bySlowest;
    for (const auto& [name, s] : seconds)
        bySlowest.emplace_back(s, name);
    std::sort(bySlowest.rbegin(), bySlowest.rend());
    const double n = double(state.iterations());
    for (const auto& [s, name] : bySlowest)
        std::fprintf(stderr, "%10.1f us  %s\n", s / n * 1e6, qPrintable(name));
    if (bySlowest.empty())
        return;
    slowestTotal = bySlowest.front().first;
    reportAgainstFloor(state, slowestTotal, floorSeconds);
    state.counters["dialogs"] = double(bySlowest.size());
    // The label is a column of the CSV that bench/run reads: no commas in it.
    state.SetLabel(
        QString(bySlowest.front().second).replace(QLatin1Char(','), QLatin1Char(';')).toStdString());
}
// Each iteration opens some fifty dialogs; a few rounds give a steady mean.
BENCHMARK(BM_SlowestDialogOpen)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return gr2::bench::runGuiBenchmarks(argc, argv, [] { largestLevelWindowSlot().reset(); });
}
