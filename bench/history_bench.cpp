// Undo and Redo of the largest steps on the largest level, against the floor of copying its tile
// arrays once each way (the least any undo of a whole-map change does): a flood fill of the whole
// interior, a resize, and deleting a player with its script and things. Then the memory a
// 100-step history holds on that level.

#include "AgainstFloor.h"
#include "LargestLevel.h"

#include "level/EditStep.h"
#include "mapedit/FloodFill.h"
#include "mapedit/MapEdit.h"
#include "mapedit/SelectionCommands.h"

#include <cstring>
#include <functional>

using namespace gr2;
using namespace gr2::bench;

namespace {

LargestLevelRoot& fixture()
{
    static LargestLevelRoot root;
    return root;
}

/// Opens the largest level, makes one step of it, then times Undo followed by Redo.
void undoRedo(benchmark::State& state, const std::function<void(CWorldEditorDoc&)>& step)
{
    LargestLevelRoot& f = fixture();
    LevelDocument level(f.app(), f.colours());
    if (!level.files().OnOpenDocument(f.master())) {
        state.SkipWithError("the largest level could not be opened");
        return;
    }
    CWorldEditorDoc& doc = level.doc();
    step(doc);
    state.counters["step_kb"] = double(doc.history().memoryUsed()) / 1024.0;
    std::vector<uint8_t> terrain(doc.cellCount()), owner(doc.cellCount());
    againstFloor(
        state,
        [&] {
            doc.Undo();
            doc.Redo();
        },
        [&] {
            for (int twice = 0; twice < 2; ++twice) {
                std::memcpy(terrain.data(), doc.terrainTiles().data(), terrain.size());
                std::memcpy(owner.data(), doc.ownerTiles().data(), owner.size());
                benchmark::DoNotOptimize(terrain.data());
                benchmark::DoNotOptimize(owner.data());
            }
        });
}

void BM_UndoRedoWholeMapFloodFill(benchmark::State& state)
{
    undoRedo(state, [](CWorldEditorDoc& doc) {
        {
            // One terrain over the whole interior first, so the fill reaches every tile.
            MapEdit clear(doc, "Clear All");
            clearAll(clear, 2, PlayerId::Neutral);
        }
        MapEdit edit(doc, "Flood Fill");
        FloodFill(edit, {int32_t(kLargestSide / 2), int32_t(kLargestSide / 2)}, 8, 3);
    });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_UndoRedoWholeMapFloodFill);

void BM_UndoRedoResize(benchmark::State& state)
{
    undoRedo(state, [](CWorldEditorDoc& doc) {
        EditStep step(doc, "Resize Map");
        ResizeRequest r;
        r.width = kLargestSide - 28;
        r.height = kLargestSide - 28;
        r.anchorColumn = 1;
        r.anchorRow = 1;
        BenchPrompter quiet;
        ResizeMap(doc, r, quiet);
    });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_UndoRedoResize);

void BM_UndoRedoDeletePlayerWithScript(benchmark::State& state)
{
    undoRedo(state, [](CWorldEditorDoc& doc) {
        EditStep step(doc, "Delete Player");
        doc.DeletePlayer(doc.FindPlayer(PlayerId::FirstVorlan));
    });
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_UndoRedoDeletePlayerWithScript);

/// 100 steps of every size a user makes on the largest level, against the floor of a history that
/// copied the tile arrays at every step; the counters give the memory the steps hold (kb) and the
/// size of one copy of the tile arrays (map_kb).
void BM_HistoryOf100Steps(benchmark::State& state)
{
    LargestLevelRoot& f = fixture();
    LevelDocument level(f.app(), f.colours());
    if (!level.files().OnOpenDocument(f.master())) {
        state.SkipWithError("the largest level could not be opened");
        return;
    }
    CWorldEditorDoc& doc = level.doc();
    std::vector<std::vector<uint8_t>> copies(100);
    int round = 0;
    againstFloor(
        state,
        [&] {
            doc.history().clear(true);
            for (int i = 0; i < 100; ++i) {
                switch (i % 5) {
                case 0: {
                    MapEdit edit(doc, "Paint");
                    edit.paintTile({1 + i % 120, 1 + i / 2}, uint8_t(3 + round % 2), 3);
                    break;
                }
                case 1: {
                    MapEdit edit(doc, "Place Creature");
                    const TilePoint p{2 + i, 5 + round % 4};
                    if (CCreature* there = doc.CreatureAt(p))
                        edit.deleteThing(*there, true);
                    else
                        edit.createCreature(1, 3, p);
                    break;
                }
                case 2: {
                    MapEdit edit(doc, "Flood Fill");
                    FloodFill(edit, {int32_t(kLargestSide / 2), int32_t(kLargestSide / 2)}, i % 2 ? 8 : 3, 3);
                    break;
                }
                case 3: {
                    MapEdit edit(doc, "Create Action Point");
                    if (doc.actionPoints().size() < 60)
                        edit.addActionPoint({10, 10 + i % 50, 12, 11 + i % 50});
                    else
                        edit.deleteActionPoint(*doc.actionPoints().front());
                    break;
                }
                default: {
                    EditStep step(doc, "Level Properties");
                    LevelProperties p = doc.properties();
                    p.description = u"Step " + std::u16string(1, char16_t('A' + (i + round) % 26));
                    doc.setProperties(p);
                    break;
                }
                }
            }
            ++round;
        },
        [&] {
            for (auto& copy : copies) {
                copy.assign(doc.terrainTiles().begin(), doc.terrainTiles().end());
                copy.insert(copy.end(), doc.ownerTiles().begin(), doc.ownerTiles().end());
                benchmark::DoNotOptimize(copy.data());
            }
        });
    state.counters["step_kb"] = double(doc.history().memoryUsed()) / 1024.0;
}
BENCHMARK(BM_HistoryOf100Steps)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3);

} // namespace
