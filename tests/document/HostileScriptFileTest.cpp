// Triggers files whose links loop, repeat ids, name themselves or nest as deep as ids go: the level
// opens, its script tree is built and exported, it saves, and it opens again with the same tree.
// A hang here ends in the test's time limit.

#include "document/LevelFiles.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/ScriptElement.h"
#include "script/ScriptTreeExport.h"
#include "script/ScriptTreeModel.h"
#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "support/HostileLevel.h"
#include "support/LevelFileFixture.h"
#include "worlddata/SectionWriter.h"

#include <gtest/gtest.h>

#include <unordered_map>

namespace gr2 {
namespace {

using test::readFile;

/// The longest chain a trigger array of 32767 elements can hold, closed into a loop at its end,
/// with every trigger also its own next's child and one action naming itself.
Bytes longLoopingTriggers()
{
    constexpr int kCount = 32767;
    std::vector<ThingItem> items;
    for (int id = 1; id <= kCount; ++id) {
        TriggerWhenRecord r;
        r.id = int16_t(id);
        r.next = int16_t(id < kCount ? id + 1 : 1);
        r.child = int16_t(id % 2 ? id + 1 > kCount ? 1 : id + 1 : -1);
        r.kind = 1;
        items.push_back({213, r.pack()});
    }
    TriggerActionRecord a;
    a.id = -1;
    a.next = -1;
    a.kind = 1;
    items.push_back({214, a.pack()});
    TriggerSectionInfo info;
    info.triggerCount = kCount;
    info.actionCount = 1;
    Bytes out;
    writeTriggerSection(out, info, items);
    return out;
}

class HostileScriptFileTest : public test::LevelFileFixture {
protected:
    /// The tree's export after a Refresh; every chain of the resolved script ends.
    std::string showTree(LevelDocument& level)
    {
        ScriptTreeModel tree(level.doc(), app.types());
        tree.Refresh();
        const LevelScript& script = level.script();
        // Next links form a graph of out-degree one: walking each element's chain once, and
        // stopping at elements already known to end, finds any loop in linear time.
        const ScriptElementIndex index(script.triggers(), script.actions());
        std::unordered_map<int16_t, int> state; // 1 on the current walk, 2 known to end
        size_t loops = 0;
        auto walk = [&](int16_t start) {
            std::vector<int16_t> path;
            int16_t id = start;
            while (id != 0 && index.find(id) && state[id] == 0) {
                state[id] = 1;
                path.push_back(id);
                id = index.find(id).next();
            }
            if (id != 0 && index.find(id) && state[id] == 1)
                ++loops;
            for (int16_t done : path)
                state[done] = 2;
        };
        // Elements no owner reaches are kept as the file had them (and saved back); every walk over
        // them is bounded by the script itself.
        for (const auto& trigger : script.triggers())
            if (trigger->isPlaced())
                walk(trigger->id());
        for (const auto& action : script.actions())
            if (action->ownerTrigger())
                walk(action->id());
        EXPECT_EQ(loops, 0u) << "chains of the tree that loop after resolving";
        return exportTreeText(tree.root());
    }
};

TEST_F(HostileScriptFileTest, LoopsRepeatsAndSelfLinksOpenShowSaveAndOpenAgain)
{
    const std::pair<const char*, Bytes> cases[] = {
        {"loops, repeated ids and self-references", test::hostileTriggerFile()},
        {"longest chain closed into a loop", longLoopingTriggers()},
    };
    for (const auto& [name, triggers] : cases) {
        SCOPED_TRACE(name);
        const auto path = root / "Maps" / "Tangle.vwd";
        auto level = sampleAt(path);
        ASSERT_TRUE(save(*level));
        level.reset();
        test::writeFile(root / "Maps" / "TangleTriggers.vld", triggers);

        auto opened = open(path);
        ASSERT_NE(opened, nullptr);
        const std::string shown = showTree(*opened);
        EXPECT_FALSE(shown.empty());
        ASSERT_TRUE(save(*opened));
        opened.reset();

        auto again = open(path);
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(showTree(*again), shown) << "the saved script is the one that was shown";
    }
}

} // namespace
} // namespace gr2
