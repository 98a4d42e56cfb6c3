// The full validation of the largest level (every rule, errors and warnings), against the floor of
// one plain pass over what it looks at: every tile's terrain and owner, every thing's tile and
// every trigger's and action's links. Its target is a time a designer does not wait for after
// each save.

#include "AgainstFloor.h"
#include "LargestLevel.h"

#include "document/LevelProblems.h"

using namespace gr2;
using namespace gr2::bench;

namespace {

void BM_ValidateLargestLevel(benchmark::State& state)
{
    static LargestLevelRoot root;
    LevelDocument level(root.app(), root.colours());
    if (!level.files().OnOpenDocument(root.master())) {
        state.SkipWithError("the largest level could not be opened");
        return;
    }
    const CWorldEditorDoc& doc = level.doc();
    const LevelScript& script = *LevelScript::of(doc);
    size_t problems = 0;
    againstFloor(
        state, [&] { problems = validateLevel(doc).size(); },
        [&] {
            uint64_t sum = 0;
            const auto terrain = doc.terrainTiles();
            const auto owner = doc.ownerTiles();
            for (size_t i = 0; i < terrain.size(); ++i)
                sum += terrain[i] + owner[i];
            for (const auto& c : doc.creatures())
                sum += uint32_t(c->x() + c->y());
            for (const auto& t : script.triggers())
                sum += uint16_t(t->next() + t->child());
            for (const auto& a : script.actions())
                sum += uint16_t(a->next());
            benchmark::DoNotOptimize(sum);
        });
    state.counters["problems"] = double(problems);
}
GR2_BENCHMARK_AGAINST_FLOOR(BM_ValidateLargestLevel);

} // namespace
