// The action editor without its window: the pages an action gets, OK storing only the showing
// page, refused values that leave the action as it was, and the flag and timer usage marks
// through adding, editing, cancelling and deleting actions.

#include "forms/ActionSheet.h"

#include "forms/ActionPageForms.h"
#include "forms/FormState.h"
#include "level/CWorldEditorDoc.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/ScriptUsage.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using P = ActionPage;

class ActionSheetTest : public testing::Test {
protected:
    ActionSheetTest() : scripts(doc())
    {
        test::buildSmallTypeData(db);
        level.playersUpTo(4);
        auto t = std::make_unique<CTrigger>(&doc());
        t->setOwnerObject(nullptr, TriggerOwnerKind::Level);
        trigger = script().AddTrigger(std::move(t));
    }
    CWorldEditorDoc& doc() { return level.doc(); }
    LevelScript& script() { return scripts.script(); }
    ScriptUsage& usage() { return script().usage(); }

    /// A new action under the level's trigger, not yet part of the level.
    std::unique_ptr<CAction> newAction()
    {
        std::unique_ptr<CAction> a = script().makeAction();
        a->setOwnerTrigger(trigger);
        script().NewActionId(*a);
        return a;
    }
    CAction& added(uint8_t kind, uint8_t target)
    {
        std::unique_ptr<CAction> a = newAction();
        a->setKind(kind);
        a->setA(0, target);
        usage().markAction(kind, target);
        return *script().AddAction(std::move(a));
    }

    CTypeDatabase db;
    test::LevelBuilder level;
    test::ScriptBuilder scripts;
    CTrigger* trigger = nullptr;
};

TEST_F(ActionSheetTest, ANewActionOpensOnAvailabilityAndOkWritesTheShowingPageOnly)
{
    std::unique_ptr<CAction> action = newAction();
    ActionSheet sheet(*action, doc(), db, usage());
    EXPECT_EQ(sheet.pages(), (std::vector<P>{P::Availability, P::Flag, P::Timer, P::Game, P::Map}));
    EXPECT_EQ(sheet.openingPage(), P::Availability);

    FormState& flag = sheet.state(P::Flag);
    flag.choose(0, 2); // Flag 3
    flag.setText(ActionPageRow::FlagValue, "10");
    sheet.state(P::Timer).choose(0, 16); // an edit on a page that is not showing
    EXPECT_EQ(sheet.confirm(P::Flag), std::nullopt);
    EXPECT_EQ(action->kind(), 7);
    EXPECT_EQ(action->a(0), 2);
    EXPECT_EQ(action->a(1), SetFlagMode::SetEqual | SetFlagMode::OperandConstant);
    EXPECT_EQ(action->b(), 10u);
    EXPECT_TRUE(usage().isFlagUsed(2)) << "the confirmed flag is marked used";
    EXPECT_FALSE(usage().isTimeLimitUsed());
}

TEST_F(ActionSheetTest, AFlagValueOutOfRangeIsRefusedAndChangesNothing)
{
    CAction& action = added(7, 5);
    action.setB(3);
    for (const char* typed : {"32768", "-1", "99999999999"}) {
        ActionSheet sheet(action, doc(), db, usage());
        ASSERT_EQ(sheet.openingPage(), P::Flag);
        sheet.state(P::Flag).setText(ActionPageRow::FlagValue, typed);
        const auto refusal = sheet.confirm(P::Flag);
        ASSERT_TRUE(refusal) << typed;
        EXPECT_EQ(refusal->page, P::Flag);
        EXPECT_EQ(refusal->error.message, "Please enter an integer between 0 and 32767.");
        EXPECT_EQ(action.kind(), 7);
        EXPECT_EQ(action.b(), 3u);
        sheet.cancel();
    }
    EXPECT_TRUE(usage().isFlagUsed(5));
}

TEST_F(ActionSheetTest, UsageMarksFollowAddEditCancelAndDelete)
{
    CAction& first = added(7, 5);
    EXPECT_TRUE(usage().isFlagUsed(5)) << "after add";
    {
        // Editing clears the action's own flag; cancelling sets it again.
        ActionSheet sheet(first, doc(), db, usage());
        EXPECT_FALSE(usage().isFlagUsed(5));
        sheet.cancel();
        EXPECT_TRUE(usage().isFlagUsed(5));
    }
    {
        // Retargeting moves the mark.
        ActionSheet sheet(first, doc(), db, usage());
        sheet.state(P::Flag).choose(0, 8);
        EXPECT_EQ(sheet.confirm(P::Flag), std::nullopt);
        EXPECT_FALSE(usage().isFlagUsed(5));
        EXPECT_TRUE(usage().isFlagUsed(8));
    }
    {
        // Another action still writing the flag keeps its mark while this one is edited.
        added(7, 8);
        ActionSheet sheet(first, doc(), db, usage());
        EXPECT_TRUE(usage().isFlagUsed(8));
        EXPECT_EQ(sheet.confirm(P::Game), std::nullopt);
        EXPECT_TRUE(usage().isFlagUsed(8));
    }
    CAction& timer = added(8, 3);
    {
        ActionSheet sheet(timer, doc(), db, usage());
        EXPECT_FALSE(usage().isTimerUsed(3));
        sheet.state(P::Timer).choose(0, 16);
        EXPECT_EQ(sheet.confirm(P::Timer), std::nullopt);
        EXPECT_EQ(timer.kind(), 23);
        EXPECT_TRUE(usage().isTimeLimitUsed());
        EXPECT_FALSE(usage().isTimerUsed(3)) << "confirming elsewhere leaves a cleared mark cleared";
    }
    script().DeleteAction(timer);
    EXPECT_TRUE(usage().isTimeLimitUsed()) << "marks stay when an action goes";
}

TEST_F(ActionSheetTest, KindsNoPageEditsKeepTheirParametersUnlessAnotherIsConfirmed)
{
    CAction& pool = added(19, 7);
    pool.setB(1234);
    {
        ActionSheet sheet(pool, doc(), db, usage());
        EXPECT_EQ(sheet.openingPage(), P::Game);
        sheet.cancel();
    }
    EXPECT_EQ(pool.kind(), 19);
    EXPECT_EQ(pool.b(), 1234u);
    {
        // OK on the page it opened on, with nothing changed, keeps the kind no page shows.
        ActionSheet sheet(pool, doc(), db, usage());
        EXPECT_EQ(sheet.confirm(P::Game), std::nullopt);
        EXPECT_EQ(pool.kind(), 19);
        EXPECT_EQ(pool.b(), 1234u);
    }
    ActionSheet sheet(pool, doc(), db, usage());
    EXPECT_EQ(sheet.confirm(P::Flag), std::nullopt);
    EXPECT_EQ(pool.kind(), 7) << "the Flag page's kind";
    EXPECT_EQ(pool.b(), 0u);
}

TEST_F(ActionSheetTest, ANumberEditedForAHiddenKindIsCheckedToo)
{
    std::unique_ptr<CAction> action = newAction();
    action->setKind(30);
    CTrigger onCreature(&doc());
    CCreature* imp = doc().CreateCreature(test::TestCreature::Imp, 3, {3, 3}, false);
    onCreature.setOwnerObject(imp, TriggerOwnerKind::Creature);
    onCreature.setOwnerById(3);
    action->setOwnerTrigger(&onCreature);
    ActionSheet sheet(*action, doc(), db, usage());
    ASSERT_EQ(sheet.openingPage(), P::Creature);
    FormState& page = sheet.state(P::Creature);
    size_t seconds = 0;
    for (size_t i = 0; i < page.rowCount(); ++i)
        if (page.row(i).label == "For ")
            seconds = i;
    page.setText(seconds, "0");
    page.choose(0, 0); // Attach Portal Gem shows no number
    const auto refusal = sheet.confirm(P::Creature);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->error.message, "Please enter an integer between 1 and 32767.");
}

TEST_F(ActionSheetTest, OkWithoutAChangeKeepsEveryStoredByteOfEveryKind)
{
    // Every kind with its parameters at the bottom and the top of their storage: OK on the page
    // the sheet opens on writes back exactly what was loaded, lists that hold none of the values
    // included. (Kind 0 is a new action, which takes what the sheet shows.)
    for (int kind = 1; kind < kActionKindCount; ++kind) {
        for (const uint8_t byte : {uint8_t(0), uint8_t(0xFF)}) {
            std::unique_ptr<CAction> action = newAction();
            action->setKind(uint8_t(kind));
            ActionParameters p;
            p.a.fill(byte);
            p.b = byte ? 0xFFFFFFFFu : 0u;
            action->setParameters(p);
            ActionSheet sheet(*action, doc(), db, usage());
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", bytes " << int(byte) << ", page "
                                            << int(sheet.openingPage()));
            EXPECT_EQ(sheet.confirm(sheet.openingPage()), std::nullopt);
            EXPECT_EQ(action->kind(), kind);
            EXPECT_EQ(action->parameters().a, p.a);
            EXPECT_EQ(action->parameters().b, p.b);
        }
    }
}

} // namespace
} // namespace gr2
