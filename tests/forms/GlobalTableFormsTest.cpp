// The editors of the global tables, without a window: the experience-level increases page
// through the offered stats and keep what was stored on switching; the sacrifice entries show
// the lists and fields of their kinds and store type 0 where no type can be chosen.

#include "forms/ExperienceForm.h"
#include "forms/SacrificeForm.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

size_t rowOf(const FormState& state, const std::string& label)
{
    for (size_t i = 0; i < state.rowCount(); ++i)
        if (state.row(i).label == label)
            return i;
    throw std::runtime_error("no row " + label);
}

size_t positionOf(const FormSession& session, const std::string& entry)
{
    const std::vector<std::string> entries = session.entries();
    return size_t(std::find(entries.begin(), entries.end(), entry) - entries.begin());
}

TEST(GlobalTableFormsTest, TheStatChooserOffersTwentyThreeStatsAndTheirTenValues)
{
    CGlobalVariables variables;
    variables.setExperienceIncrease(1, 0, 120);
    variables.setExperienceIncrease(1, 8, -30);
    variables.setFirstPersonIncrease(1, 7);
    ExperienceSession session(variables);
    EXPECT_EQ(session.caption(), "Modify Creature Stats [ Global Experience Level Increases ]");
    EXPECT_EQ(session.selectorLabel(), "Creature &Stat.:");
    const std::vector<std::string> entries = session.entries();
    ASSERT_EQ(entries.size(), 23u);
    EXPECT_EQ(entries.front(), "Height (Tiles)");
    EXPECT_EQ(entries[8], "Hunger Fill (Chickens)") << "index 8 is not offered";
    EXPECT_EQ(entries.back(), "Melee Recharge Time (Seconds)");
    EXPECT_EQ(positionOf(session, "Score"), entries.size()) << "not offered";

    FormState& s = session.state();
    std::vector<std::string> labels;
    for (size_t i = 0; i < s.rowCount(); ++i)
        labels.push_back(s.row(i).label);
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "&2:", "&3:", "&4:", "&5:", "&6:", "&7:", "&8:", "&9:", "1&0:", "&First Person:"}));
    ASSERT_FALSE(session.select(positionOf(session, "Health")));
    EXPECT_EQ(s.text(rowOf(s, "&2:")), "120");
    EXPECT_EQ(s.text(rowOf(s, "1&0:")), "-30");
    EXPECT_EQ(s.text(rowOf(s, "&First Person:")), "7");
}

TEST(GlobalTableFormsTest, AStatChangedThenLeftIsKeptAndShownAgain)
{
    CGlobalVariables variables;
    ExperienceSession session(variables);
    FormState& s = session.state();
    const size_t health = positionOf(session, "Health");
    const size_t fear = positionOf(session, "Fear");
    ASSERT_FALSE(session.select(health));
    s.setText(rowOf(s, "&2:"), "15");
    ASSERT_FALSE(session.select(fear));
    EXPECT_EQ(variables.experienceIncrease(1, 0), 15);
    ASSERT_FALSE(session.select(health));
    EXPECT_EQ(s.text(rowOf(s, "&2:")), "15");

    s.setText(rowOf(s, "&First Person:"), "10001");
    const std::optional<FormError> error = session.select(fear);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->message, "Please enter an integer between -10000 and 10000.");
    EXPECT_EQ(session.position(), health);

    // Cancel leaves what earlier switches stored.
    s.setText(rowOf(s, "&First Person:"), "50");
    session.cancel();
    EXPECT_EQ(variables.firstPersonIncrease(1), 0);
    EXPECT_EQ(variables.experienceIncrease(1, 0), 15);
    EXPECT_TRUE(session.changed());
}

class SacrificeFormTest : public ::testing::Test {
protected:
    /// Before the session opens, which takes its lists when it does.
    bool buildTypes()
    {
        test::addType(types.creatures(), 1, "Imp");
        test::addType(types.creatures(), 2, "Troll");
        test::addType(types.objects(), 9, "Chicken");
        test::addType(types.vorlanSpells(), 3, "Lightning");
        test::addType(types.vorlanSpells(), 4, "Heal");
        SacrificeEntry& gold = types.variables().sacrifices()[1];
        gold.ingredients = {1, 2, 2, 9, 0, 0};
        gold.rewardKind = 3;
        gold.amount = 500;
        gold.speech = 7;
        return true;
    }
    std::vector<std::string> texts(size_t row)
    {
        std::vector<std::string> out;
        for (const Choice& c : session.state().choices(row))
            out.push_back(c.text);
        return out;
    }
    size_t row(const std::string& label, size_t nth = 0)
    {
        for (size_t i = 0; i < session.state().rowCount(); ++i)
            if (session.state().row(i).label == label && nth-- == 0)
                return i;
        throw std::runtime_error("no row " + label);
    }

    CTypeDatabase types;
    bool built = buildTypes();
    SacrificeSession session{types.variables(), types};
};

TEST_F(SacrificeFormTest, EntriesAreNumberedAndAGoldRewardShowsItsAmountInPlaceOfTheTypeList)
{
    const std::vector<std::string> entries = session.entries();
    ASSERT_EQ(entries.size(), 128u);
    EXPECT_EQ(entries.front(), "Sacrifice 1");
    EXPECT_EQ(entries.back(), "Sacrifice 128");
    EXPECT_EQ(session.caption(), "Edit Sacrifice Combinations");

    ASSERT_FALSE(session.select(1));
    FormState& s = session.state();
    const size_t rewardType = row("", 3);
    const size_t amount = row("&Amount:");
    EXPECT_TRUE(s.isVisible(amount));
    EXPECT_FALSE(s.isVisible(rewardType));
    EXPECT_EQ(s.text(amount), "500");
    EXPECT_EQ(texts(row("", 0)), (std::vector<std::string>{"Imp", "Troll"}));
    EXPECT_EQ(s.value(row("", 0)), 2);
    EXPECT_EQ(texts(row("", 1)), (std::vector<std::string>{"Chicken"}));
    EXPECT_FALSE(s.isEnabled(row("", 2)));
    EXPECT_EQ(s.choiceIndex(row("Speech ID:")), 6u);
    EXPECT_EQ(s.choices(row("Speech ID:")).back().text, "Blessed With Creature");

    s.setValue(row("Re&ward:"), 1);
    EXPECT_FALSE(s.isVisible(amount));
    EXPECT_TRUE(s.isVisible(rewardType));
    EXPECT_EQ(texts(rewardType), (std::vector<std::string>{"Imp", "Troll"}));
    s.setValue(row("Re&ward:"), 5);
    EXPECT_EQ(texts(rewardType), (std::vector<std::string>{"Lightning", "Heal"}));
    s.setValue(row("Re&ward:"), 9);
    EXPECT_TRUE(texts(rewardType).empty());
    EXPECT_FALSE(s.isEnabled(rewardType));
}

TEST_F(SacrificeFormTest, SwitchingStoresTheShownEntryAndAKindOfNoneStoresTypeZero)
{
    ASSERT_FALSE(session.select(1));
    FormState& s = session.state();
    s.setValue(row("&1:"), 0);
    s.setValue(row("Re&ward:"), 2);
    ASSERT_FALSE(session.select(0));
    const SacrificeEntry& stored = types.variables().sacrifices()[1];
    EXPECT_EQ(stored.ingredients[0], 0);
    EXPECT_EQ(stored.ingredients[1], 0);
    EXPECT_EQ(stored.ingredients[2], 2);
    EXPECT_EQ(stored.ingredients[3], 9);
    EXPECT_EQ(stored.rewardKind, 2);
    EXPECT_EQ(stored.rewardType, 9) << "the object list's first entry";
    EXPECT_EQ(stored.amount, 0u) << "an object reward has no amount";
    EXPECT_EQ(stored.speech, 7);

    // Cancel does not store the entry shown.
    s.setValue(row("&3:"), 1);
    session.cancel();
    EXPECT_TRUE(types.variables().sacrifices()[0].empty());
}

} // namespace
} // namespace gr2
