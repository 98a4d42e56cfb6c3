// The action editor without its window: the pages an action gets, OK storing only the showing
// page, refused values that leave the action as it was, and the flag and timer usage marks
// through adding, editing, cancelling and deleting actions.

#include "forms/ActionSheet.h"

#include "forms/ActionPageForms.h"
#include "forms/FormState.h"
#include "level/CCreature.h"
#include "level/CHeroParty.h"
#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptUsage.h"
#include "support/LevelBuilder.h"
#include "support/NumberRowSweep.h"
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

TEST_F(ActionSheetTest, AMapTileIsTypedAsTheTreeLinePrintsIt)
{
    // The 12 x 12 level's tiles inside the border are 1 .. 10 either way.
    constexpr size_t kX = 1, kY = 2;
    std::unique_ptr<CAction> action = newAction();
    {
        ActionSheet sheet(*action, doc(), db, usage());
        FormState& map = sheet.state(P::Map);
        map.setText(kX, "5");
        map.setText(kY, "6");
        ASSERT_EQ(sheet.confirm(P::Map), std::nullopt);
    }
    EXPECT_EQ(action->parameters().bx(), 5);
    EXPECT_EQ(action->parameters().by(), 6);
    EXPECT_NE(describeAction(*action, doc(), db).find(u"Alter [ 5, 6 ]"), std::u16string::npos);
    {
        ActionSheet sheet(*action, doc(), db, usage());
        EXPECT_EQ(sheet.state(P::Map).text(kX), "5") << "reopened, the page shows what the tree prints";
        EXPECT_EQ(sheet.state(P::Map).text(kY), "6");
    }
    struct Case {
        size_t row;
        const char* typed;
        const char* message;
    };
    for (const Case& c : {Case{kX, "0", "Please enter an integer between 1 and 10."},
                          Case{kX, "11", "Please enter an integer between 1 and 10."},
                          Case{kY, "11", "Please enter an integer between 1 and 10."}}) {
        ActionSheet sheet(*action, doc(), db, usage());
        sheet.state(P::Map).setText(c.row, c.typed);
        const auto refusal = sheet.confirm(P::Map);
        ASSERT_TRUE(refusal) << c.typed << " is a border tile";
        EXPECT_EQ(refusal->error.message, c.message);
        EXPECT_EQ(refusal->error.row, c.row);
    }
    for (const char* edge : {"1", "10"}) {
        ActionSheet sheet(*action, doc(), db, usage());
        sheet.state(P::Map).setText(kX, edge);
        EXPECT_EQ(sheet.confirm(P::Map), std::nullopt) << edge << " lies inside the border";
    }
}

TEST_F(ActionSheetTest, EveryNumberFieldKeepsWhatItAcceptsAndRefusesTheRest)
{
    // Under a Vorlan's creature, in a level with an action point and a hero party, every page is
    // present. Each field's bounds are typed, stored and read back from a reopened sheet: a field
    // that accepts more than its stored byte or word keeps would show another value.
    CCreature* creature = doc().CreateCreature(test::TestCreature::Imp, 3, {3, 3}, true);
    doc().AddActionPoint({2, 2, 3, 3});
    auto party = std::make_unique<CHeroParty>(&doc());
    auto member = std::make_unique<CCreature>(&doc(), test::TestCreature::Imp);
    party->addMember(member);
    doc().AddHeroParty(std::move(party));
    auto owner = std::make_unique<CTrigger>(&doc());
    owner->setOwnerObject(creature, TriggerOwnerKind::Creature);
    owner->setOwnerById(3);
    CTrigger* creatureTrigger = script().AddTrigger(std::move(owner));
    auto fresh = [&] {
        std::unique_ptr<CAction> a = script().makeAction();
        a->setOwnerTrigger(creatureTrigger);
        a->setOwnerById(3);
        script().NewActionId(*a);
        return a;
    };
    auto hasKindList = [](ActionPage page) {
        return page != P::Availability && page != P::Flag && page != P::Timer && page != P::Party;
    };

    std::unique_ptr<CAction> probeAction = fresh();
    ActionSheet probe(*probeAction, doc(), db, usage());
    ASSERT_EQ(probe.pages().size(), actionPagesInOrder().size());
    size_t fields = 0;
    for (ActionPage page : probe.pages()) {
        for (const test::NumberRowSetting& setting :
             test::numberRowSettings(probe.state(page), hasKindList(page))) {
            for (bool high : {false, true}) {
                std::unique_ptr<CAction> action = fresh();
                std::string typed;
                NumberRange range;
                {
                    ActionSheet sheet(*action, doc(), db, usage());
                    FormState& s = sheet.state(page);
                    test::applySetting(s, setting);
                    range = s.rangeOf(setting.row);
                    typed = std::to_string(int64_t(high ? range.high : range.low));
                    s.setText(setting.row, typed);
                    ASSERT_EQ(sheet.confirm(page), std::nullopt) << typed;
                }
                ActionSheet again(*action, doc(), db, usage());
                EXPECT_EQ(again.state(page).text(setting.row), typed)
                    << utf16ToUtf8(actionPageTitle(page)) << " row " << setting.row << " of kind "
                    << int(action->kind()) << " accepts " << typed << " and keeps another value";
                ++fields;
                // One past the bound is refused with the bounds the field keeps (below 0 a field
                // of a word without sign has a message of its own).
                if (!high && range.low <= 0)
                    continue;
                ActionSheet past(*action, doc(), db, usage());
                FormState& p = past.state(page);
                p.setText(setting.row, std::to_string(int64_t(high ? range.high + 1 : range.low - 1)));
                const auto refusal = past.confirm(page);
                ASSERT_TRUE(refusal) << "row " << setting.row;
                EXPECT_EQ(refusal->error.message, "Please enter an integer between " +
                                                      std::to_string(int64_t(range.low)) + " and " +
                                                      std::to_string(int64_t(range.high)) + ".");
                past.cancel();
            }
        }
    }
    EXPECT_GE(fields, 20u) << "the sweep reached the number fields of every page";
}

TEST_F(ActionSheetTest, LeavingAPageChecksItsNumbersAsOkWould)
{
    std::unique_ptr<CAction> action = newAction();
    ActionSheet sheet(*action, doc(), db, usage());
    EXPECT_EQ(sheet.leave(P::Flag), std::nullopt) << "nothing typed";
    sheet.state(P::Flag).setText(ActionPageRow::FlagValue, "40000");
    const auto refusal = sheet.leave(P::Flag);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->page, P::Flag);
    EXPECT_EQ(refusal->error.row, ActionPageRow::FlagValue);
    EXPECT_EQ(refusal->error.message, "Please enter an integer between 0 and 32767.");
    EXPECT_EQ(sheet.leave(P::Timer), std::nullopt) << "each page answers for its own fields";
    sheet.state(P::Flag).setText(ActionPageRow::FlagValue, "4");
    EXPECT_EQ(sheet.leave(P::Flag), std::nullopt);
}

TEST_F(ActionSheetTest, GoldAndManaValuesFlashOnlyForAWhile)
{
    // Flash Button under a Vorlan's trigger; the GUI page's rows: kind, category, button, the
    // three flash choices, seconds.
    constexpr size_t kButton = 2, kFlash = 3, kSeconds = 4;
    auto owner = std::make_unique<CTrigger>(&doc());
    owner->setOwnerObject(doc().FindPlayer(3), TriggerOwnerKind::Player);
    owner->setOwnerById(3);
    CTrigger* vorlan = script().AddTrigger(std::move(owner));
    std::unique_ptr<CAction> action = script().makeAction();
    action->setOwnerTrigger(vorlan);
    action->setOwnerById(3);
    script().NewActionId(*action);
    ActionSheet sheet(*action, doc(), db, usage());
    ASSERT_TRUE(sheet.hasPage(P::Gui));
    FormState& gui = sheet.state(P::Gui);
    auto choose = [&](size_t row, const std::string& text) {
        const ChoiceList& list = gui.choices(row);
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i].text == text)
                return gui.choose(row, i);
        ADD_FAILURE() << "no entry " << text;
    };
    const int64_t until = int64_t(FlashMode::Until), forAWhile = int64_t(FlashMode::For);
    choose(kButton, "Sell Room");
    EXPECT_TRUE(gui.isOptionShown(kFlash, until));
    EXPECT_EQ(gui.value(kFlash), until);
    choose(kButton, "Gold Value");
    EXPECT_FALSE(gui.isOptionShown(kFlash, until)) << "\"Until Selected\" is hidden";
    EXPECT_EQ(gui.value(kFlash), forAWhile);
    EXPECT_EQ(gui.text(kSeconds), "1") << "a flash for a while lasts a second at least";
    gui.choose(kFlash, 0);
    EXPECT_EQ(gui.value(kFlash), forAWhile) << "a hidden option cannot be chosen";

    gui.setText(kSeconds, "0");
    const auto refusal = sheet.confirm(P::Gui);
    ASSERT_TRUE(refusal) << "For 0 seconds would be stored as Until Selected";
    EXPECT_EQ(refusal->error.message, "Please enter an integer between 1 and 32767.");
    gui.setText(kSeconds, "20");
    ASSERT_EQ(sheet.confirm(P::Gui), std::nullopt);
    EXPECT_EQ(action->kind(), uint8_t(ActionKind::FlashButton));
    EXPECT_EQ(action->a(1), 243);
    EXPECT_EQ(action->a(2), 1);
    EXPECT_EQ(action->b(), 20u);

    choose(kButton, "Mana Value");
    choose(kButton, "Zoom In / Out");
    EXPECT_TRUE(gui.isOptionShown(kFlash, until)) << "any other button may flash until selected";
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
