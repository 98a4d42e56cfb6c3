// The level's own dialogs without a window: the variables' override rule, the secret and special
// level numbers, the ticks range, and the text lengths the level's fields can store.

#include "forms/LevelForms.h"
#include "forms/LevelVariablesForm.h"
#include "level/CWorldEditorDoc.h"
#include "support/LevelBuilder.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

struct VariablesFixture {
    VariablesFixture()
    {
        for (uint32_t id = 0; id < VariableOverrides::kVariableCount; ++id)
            level.doc().SetVariable(id, types.variables().value(id));
        edit = levelVariablesOf(level.doc());
        form.load(edit);
    }
    /// The value row of a variable, shown by choosing it in the list.
    size_t show(uint32_t id)
    {
        form.state().setValue(rows.variableList, int64_t(id));
        for (size_t i = 0; i < rows.valueCount; ++i)
            if (form.state().isVisible(rows.firstValue + i))
                return rows.firstValue + i;
        ADD_FAILURE() << "no value row for " << id;
        return 0;
    }
    void ok()
    {
        ASSERT_FALSE(form.store(edit));
        applyLevelVariables(level.doc(), edit);
    }

    test::LevelBuilder level;
    CTypeDatabase types;
    LevelVariablesEdit edit;
    LevelVariablesRows rows;
    Form<LevelVariablesEdit> form{levelVariablesForm(level.doc().properties(), &rows)};
};

TEST(LevelVariablesFormTest, OverrideRule)
{
    const uint32_t id = CGlobalVariables::levelEditorIds().front();
    const uint32_t other = CGlobalVariables::levelEditorIds().back();
    const double global = CGlobalVariables().value(id);
    struct Case {
        const char* name;
        std::function<void(VariablesFixture&)> act;
        bool overrides;
    } cases[] = {
        {"equal to the global",
         [&](VariablesFixture& f) { f.form.state().setText(f.show(id), std::to_string(int(global))); },
         false},
        {"different",
         [&](VariablesFixture& f) { f.form.state().setText(f.show(id), std::to_string(int(global) + 7)); },
         true},
        {"edited, another shown, then OK",
         [&](VariablesFixture& f) {
             f.form.state().setText(f.show(id), std::to_string(int(global) + 7));
             f.show(other);
         },
         true},
        {"different, then reset",
         [&](VariablesFixture& f) {
             f.form.state().setText(f.show(id), std::to_string(int(global) + 7));
             showGlobalDefaults(f.form.state(), f.rows, f.edit, f.types.variables());
         },
         false},
    };
    for (const Case& c : cases) {
        VariablesFixture f;
        c.act(f);
        f.ok();
        EXPECT_EQ(overridesGlobal(f.level.doc(), f.types.variables(), id), c.overrides) << c.name;
    }
}

// "Reset To Global Defaults" resets the whole table: a variable the list does not offer (29) loses
// its override too, with the dialog's OK.
TEST(LevelVariablesFormTest, ResetToGlobalDefaultsResetsTheVariablesTheListDoesNotOffer)
{
    VariablesFixture f;
    const uint32_t unlisted = 29;
    const double global = f.types.variables().value(unlisted);
    f.level.doc().SetVariable(unlisted, global + 3);
    f.edit = levelVariablesOf(f.level.doc());
    f.form.load(f.edit);
    ASSERT_TRUE(overridesGlobal(f.level.doc(), f.types.variables(), unlisted));
    showGlobalDefaults(f.form.state(), f.rows, f.edit, f.types.variables());
    f.ok();
    EXPECT_FALSE(overridesGlobal(f.level.doc(), f.types.variables(), unlisted));
    for (uint32_t id = 0; id < VariableOverrides::kVariableCount; ++id)
        EXPECT_FALSE(overridesGlobal(f.level.doc(), f.types.variables(), id)) << id;
}

TEST(LevelVariablesFormTest, SecretAndSpecialKeepTheCheckedOnesNumber)
{
    VariablesFixture f;
    FormState& s = f.form.state();
    s.setChecked(f.rows.specialCheck, true);
    s.setText(f.rows.specialNumber, "5");
    EXPECT_FALSE(s.isEnabled(f.rows.secretNumber));
    s.setChecked(f.rows.secretCheck, true);
    EXPECT_FALSE(s.checked(f.rows.specialCheck));
    EXPECT_FALSE(s.isEnabled(f.rows.specialNumber));
    EXPECT_EQ(s.text(f.rows.specialNumber), "0");
    s.setText(f.rows.secretNumber, "9");
    f.ok();
    const LevelProperties& p = f.level.doc().properties();
    EXPECT_TRUE(p.hasFlag(LevelFlag::SecretLevel));
    EXPECT_FALSE(p.hasFlag(LevelFlag::SpecialLevel));
    EXPECT_EQ(p.secretOrSpecialNumber, 9);
}

TEST(LevelVariablesFormTest, TicksAndTextLengthsAtTheirBounds)
{
    struct Case {
        const char* label;
        std::string text;
        bool refused;
    } cases[] = {
        {"Game Ticks:", "0", true},
        {"Game Ticks:", "1", false},
        {"Game Ticks:", "50", false},
        {"Game Ticks:", "51", true},
        {"Sound Category:", std::string(31, 'a'), false},
        {"Sound Category:", std::string(32, 'a'), true},
        {"Alternative Terrain Path:", std::string(31, 'a'), false},
        {"Alternative Terrain Path:", std::string(32, 'a'), true},
        {"Lord Of The Land Name:", std::string(31, 'a'), false},
        {"Lord Of The Land Name:", std::string(32, 'a'), true},
        // A character beyond 16 bits takes two of the 31 places.
        {"Lord Of The Land Name:", std::string(29, 'a') + "\xF0\x9F\x98\x80", false},
        {"Lord Of The Land Name:", std::string(30, 'a') + "\xF0\x9F\x98\x80", true},
    };
    for (const Case& c : cases) {
        VariablesFixture f;
        FormState& s = f.form.state();
        size_t row = 0;
        while (row < s.rowCount() && s.row(row).label != c.label)
            ++row;
        ASSERT_LT(row, s.rowCount()) << c.label;
        s.setText(row, c.text);
        const std::optional<FormError> error = s.validate();
        EXPECT_EQ(error.has_value(), c.refused) << c.label << " " << c.text.size();
        if (error && s.row(row).kind == ControlKind::Text) {
            EXPECT_EQ(error->message, "Please enter no more than 31 characters.");
        }
    }
}

TEST(LevelVariablesFormTest, RewardListsOfferOnlyOfferedRewardsAndKeepAStoredOther)
{
    test::LevelBuilder level;
    LevelProperties p = level.doc().properties();
    p.setPreviousReward(0, 22); // "Heal", not offered
    LevelVariablesRows rows;
    Form<LevelVariablesEdit> form(levelVariablesForm(p, &rows));
    LevelVariablesEdit edit = levelVariablesOf(level.doc());
    edit.properties = p;
    form.load(edit);
    const ChoiceList& next = form.state().choices(rows.firstNext);
    for (const Choice& c : next)
        EXPECT_NE(c.text, "Heal");
    EXPECT_EQ(form.state().choices(rows.firstPrevious).back().text, "22");
    ASSERT_FALSE(form.store(edit));
    EXPECT_EQ(edit.properties.previousReward(0), 22);
    EXPECT_EQ(rewardTable().size(), 52u);
    EXPECT_EQ(textTableList().size(), 59u);
    EXPECT_EQ(textTableList().back().value, 59);
}

TEST(LevelInformationFormTest, TextsUpToTheirStorage)
{
    struct Case {
        const char* label;
        size_t length;
        bool refused;
    } cases[] = {{"&Description:", 1023, false}, {"&Description:", 1024, true},
                 {"&Author Name:", 63, false},   {"&Author Name:", 64, true},
                 {"&E-mail Address:", 64, true}, {"&Information:", 1024, true}};
    for (const Case& c : cases) {
        Form<LevelProperties> form(levelInformationForm());
        LevelProperties p;
        form.load(p);
        size_t row = 0;
        while (form.state().row(row).label != c.label)
            ++row;
        form.state().setText(row, std::string(c.length, 'x'));
        EXPECT_EQ(form.store(p).has_value(), c.refused) << c.label << " " << c.length;
    }
    Form<LevelProperties> form(levelInformationForm());
    EXPECT_TRUE(form.state().row(0).readOnly);
}

} // namespace
} // namespace gr2
