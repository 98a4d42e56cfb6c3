#include "script/ScriptElement.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(ScriptElementIndexTest, FindsTheFirstElementOfEachIdLikeAScanOfTheArrays)
{
    std::vector<std::unique_ptr<CTrigger>> triggers;
    std::vector<std::unique_ptr<CAction>> actions;
    auto trigger = [&](int16_t id) {
        triggers.push_back(std::make_unique<CTrigger>(nullptr));
        triggers.back()->setId(id);
        return triggers.back().get();
    };
    auto action = [&](int16_t id) {
        actions.push_back(std::make_unique<CAction>(nullptr));
        actions.back()->setId(id);
        return actions.back().get();
    };
    CTrigger* first7 = trigger(7);
    trigger(7); // a repeated id: never found
    CTrigger* highest = trigger(32767);
    trigger(-4); // a trigger with an action's id is never found by id
    CAction* first2 = action(-2);
    action(-2);
    CAction* lowest = action(-32768);
    action(5); // an action with a trigger's id likewise

    const ScriptElementIndex index(triggers, actions);
    EXPECT_EQ(index.find(7).trigger, first7);
    EXPECT_EQ(index.find(32767).trigger, highest);
    EXPECT_EQ(index.find(-2).action, first2);
    EXPECT_EQ(index.find(-32768).action, lowest);
    for (int16_t missing : {0, 1, -1, -4, 5, 8, -3})
        EXPECT_FALSE(index.find(missing)) << missing;

    // Marks are per element: the id's first mark is fresh, every later one is not.
    ScriptElementMarks marks(index);
    EXPECT_TRUE(marks.mark(7));
    EXPECT_FALSE(marks.mark(7));
    EXPECT_TRUE(marks.mark(-32768));
    EXPECT_TRUE(marks.mark(32767));
    EXPECT_FALSE(marks.mark(-32768));
}

TEST(ScriptElementIndexTest, AnEmptyScriptFindsNothing)
{
    const ScriptElementIndex index({}, {});
    EXPECT_FALSE(index.find(1));
    EXPECT_FALSE(index.find(-1));
    EXPECT_EQ(index.slotOf(1), index.slotCount());
}

} // namespace
} // namespace gr2
