// The form's rules without a window: which entries each row refuses and with which message, that
// values a file holds outside a row's range or list survive untouched, the rules that grey, hide
// and zero rows, lists that follow another row, and that a refused value stores nothing at all.

#include "forms/Form.h"
#include "forms/FormChoices.h"
#include "forms/FormRows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gr2 {
namespace {

/// A plain target for the rules that do not depend on where values live.
struct Sample {
    int16_t health = 0;
    uint8_t capacity = 0;
    int32_t anyNumber = 0;
    double height = 0; ///< stored as 20.12 by the access below
    uint8_t material = 0;
    uint8_t requireMana = 0;
    uint32_t manaToFire = 0;
    uint8_t shot = 0;
    int32_t shotData = 0;
};

FieldAccess<Sample> heightAccess()
{
    FieldAccess<Sample> access;
    access.read = [](const Sample& s) { return FieldValue(s.height); };
    access.write = [](Sample& s, const FieldValue& v) {
        s.height = std::trunc(std::get<double>(v) * 4096) / 4096;
    };
    access.traits.scale = 4096;
    access.traits.capacity = {-524288, 524287.999755859375};
    return access;
}

struct SampleForm {
    FormDescription<Sample> description;
    size_t health, capacity, anyNumber, height, material, requireMana, manaToFire, shot, shotData;

    SampleForm()
    {
        auto& d = description;
        health = d.add(integerRow("&Health:", 0, 32767), memberAccess(&Sample::health));
        capacity = d.add(integerRow("Room &Capacity:", 0, 255), memberAccess(&Sample::capacity));
        anyNumber = d.add(integerRow("Shot Data &1:"), memberAccess(&Sample::anyNumber));
        height = d.add(realRow("&Height:", 0, 1000), heightAccess());
        material = d.add(choiceRow("Material Type:", FormChoices::fixed(FormChoices::materials())),
                         memberAccess(&Sample::material));
        requireMana = d.add(flagRow("Re&quire Mana"), memberAccess(&Sample::requireMana));
        manaToFire = d.add(integerRow("&Mana Cost To Fire:", 0, 16000), memberAccess(&Sample::manaToFire));
        d.row(manaToFire).enabled = isChecked(requireMana);
        d.row(manaToFire).whenInactive = InactiveRule::StoreZero;
        shot =
            d.add(typeListRow("Shot T&ype:", FormChoices::fixed({{0, "<none>"}, {3, "Bolt"}, {9, "Arrow"}})),
                  memberAccess(&Sample::shot));
        shotData = d.add(integerRow("Shot Data &2:"), memberAccess(&Sample::shotData));
        d.row(shotData).enabled = valueIsNot(shot, 0);
        d.row(shotData).whenInactive = InactiveRule::ShowZero;
    }
};

TEST(FormStateTest, EachRefusedEntryNamesItsRowWithItsMessage)
{
    SampleForm f;
    struct Case {
        size_t row;
        const char* text;
        std::optional<std::string> message;
    } cases[] = {
        {f.health, "32767", std::nullopt},
        {f.health, " 12 ", std::nullopt},
        {f.health, "32768", "Please enter an integer between 0 and 32767."},
        {f.health, "-1", "Please enter an integer between 0 and 32767."},
        {f.health, "twelve", "Please enter an integer."},
        {f.health, "", "Please enter an integer."},
        {f.health, "99999999999999999999", "Please enter an integer between 0 and 32767."},
        {f.capacity, "-3", "Please enter a positive integer."},
        {f.capacity, "256", "Please enter an integer between 0 and 255."},
        {f.anyNumber, "-2147483648", std::nullopt},
        {f.anyNumber, "2147483648", "Please enter an integer between -2147483648 and 2147483647."},
        {f.height, "1000", std::nullopt},
        {f.height, "2.5", std::nullopt},
        {f.height, "1000.5", "Please enter a number between 0 and 1000."},
        {f.height, "-0.5", "Please enter a number between 0 and 1000."},
        {f.height, "high", "Please enter a number."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(f.description.rows[c.row].label) + " = \"" + c.text + "\"");
        Sample target;
        target.requireMana = 1;
        Form<Sample> form(f.description);
        form.load(target);
        form.state().setText(c.row, c.text);
        const std::optional<FormError> error = form.state().validate();
        if (c.message) {
            ASSERT_TRUE(error);
            EXPECT_EQ(error->row, c.row);
            EXPECT_EQ(error->message, *c.message);
        } else {
            EXPECT_FALSE(error) << error->message;
        }
    }
}

TEST(FormStateTest, ARefusedValueStoresNothingEvenWhereEarlierRowsWereValid)
{
    SampleForm f;
    Sample target;
    target.health = 10;
    target.material = 2;
    Form<Sample> form(f.description);
    form.load(target);
    form.state().setText(f.health, "20");
    form.state().setValue(f.material, 5);
    form.state().setText(f.height, "5000");
    const std::optional<FormError> error = form.store(target);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->row, f.height);
    EXPECT_EQ(target.health, 10);
    EXPECT_EQ(target.material, 2);

    form.state().setText(f.height, "7.25");
    bool changed = false;
    EXPECT_FALSE(form.store(target, &changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(target.health, 20);
    EXPECT_EQ(target.material, 5);
    EXPECT_EQ(target.height, 7.25);
}

TEST(FormStateTest, ValuesOutsideTheRangeOrListSurviveUntilTheUserChangesThem)
{
    SampleForm f;
    Sample target;
    target.health = -5;             // below the row's range
    target.material = 42;           // in no entry of the list
    target.height = 1.0 / 4096 * 7; // not a short decimal
    Form<Sample> form(f.description);
    form.load(target);
    EXPECT_EQ(form.state().text(f.health), "-5");
    EXPECT_FALSE(form.state().choiceIndex(f.material)) << "the list shows no entry";
    EXPECT_FALSE(form.state().validate());
    bool changed = false;
    EXPECT_FALSE(form.store(target, &changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(target.health, -5);
    EXPECT_EQ(target.material, 42);
    EXPECT_EQ(target.height, 7.0 / 4096);

    // Typing the same text back is no change either; another text is checked like any entry.
    form.state().setText(f.health, "-5");
    EXPECT_FALSE(form.state().validate());
    form.state().setText(f.health, "-6");
    ASSERT_TRUE(form.state().validate());
}

TEST(FormStateTest, AGreyedRowStoresZeroAndAnEmptiedRowShowsTheTargetsValueWhenItComesBack)
{
    SampleForm f;
    Sample target;
    target.manaToFire = 500;
    target.requireMana = 0;
    target.shot = 3;
    target.shotData = 77;
    Form<Sample> form(f.description);
    form.load(target);
    FormState& s = form.state();
    EXPECT_FALSE(s.isEnabled(f.manaToFire));
    EXPECT_EQ(s.text(f.manaToFire), "500") << "greyed, but shown as it is";
    EXPECT_TRUE(s.isEnabled(f.shotData));
    EXPECT_EQ(s.text(f.shotData), "77");

    s.setText(f.shotData, "12");
    s.setValue(f.shot, 0);
    EXPECT_FALSE(s.isEnabled(f.shotData));
    EXPECT_EQ(s.text(f.shotData), "0");
    s.setValue(f.shot, 9);
    EXPECT_TRUE(s.isEnabled(f.shotData));
    EXPECT_EQ(s.text(f.shotData), "77") << "refilled from the target";

    s.setChecked(f.requireMana, true);
    EXPECT_TRUE(s.isEnabled(f.manaToFire));
    s.setChecked(f.requireMana, false);
    s.setValue(f.shot, 0);
    EXPECT_FALSE(form.store(target));
    EXPECT_EQ(target.manaToFire, 0u);
    EXPECT_EQ(target.shotData, 0);
    EXPECT_EQ(target.shot, 0);
}

TEST(FormStateTest, ARowGreyedSinceLoadingKeepsItsValueUnlessTheUsersEditReachesIt)
{
    SampleForm f;
    Sample target;
    target.manaToFire = 500; // a cost without Require Mana, as a file may have it
    target.shot = 0;
    target.shotData = 77;
    Form<Sample> form(f.description);
    form.load(target);
    FormState& s = form.state();
    EXPECT_EQ(s.text(f.shotData), "77") << "greyed and shown as the target holds it";
    bool changed = false;
    EXPECT_FALSE(form.store(target, &changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(target.manaToFire, 500u);
    EXPECT_EQ(target.shotData, 77);

    // Another row's edit greys nothing here; the rows stay as the target holds them.
    s.setText(f.health, "9");
    EXPECT_FALSE(form.store(target));
    EXPECT_EQ(target.manaToFire, 500u);
    EXPECT_EQ(target.shotData, 77);

    // Switched on and off again by the user: the rule of the greyed row runs.
    s.setValue(f.shot, 3);
    s.setValue(f.shot, 0);
    EXPECT_FALSE(form.store(target));
    EXPECT_EQ(target.shotData, 0);
    EXPECT_EQ(target.manaToFire, 500u);
}

TEST(FormStateTest, AGreyedRowIsNotCheckedAndAHiddenRowNeither)
{
    SampleForm f;
    Sample target;
    target.requireMana = 1;
    Form<Sample> form(f.description);
    form.load(target);
    form.state().setText(f.manaToFire, "99999");
    ASSERT_TRUE(form.state().validate());
    form.state().setChecked(f.requireMana, false);
    EXPECT_FALSE(form.state().validate()) << "the user cannot mend a greyed field";
}

TEST(FormStateTest, AListThatFollowsAnotherRowIsRefilledAndShowsItsFirstEntry)
{
    struct Pair {
        uint8_t kind = 0;
        uint8_t type = 0;
    };
    FormDescription<Pair> d;
    const size_t kind =
        d.add(choiceRow("Kind:", FormChoices::fixed({{0, "<none>"}, {1, "Creature"}, {2, "Object"}})),
              memberAccess(&Pair::kind));
    const size_t type = d.add(typeListRow("",
                                          [kind](const FormState& s) {
                                              if (s.value(kind) == 1)
                                                  return ChoiceList{{4, "Imp"}, {5, "Troll"}};
                                              if (s.value(kind) == 2)
                                                  return ChoiceList{{7, "Gold"}};
                                              return ChoiceList{};
                                          }),
                              memberAccess(&Pair::type));
    d.row(type).choicesFollow = kind;
    d.row(type).enabled = valueIsNot(kind, 0);
    d.row(type).whenInactive = InactiveRule::ShowZero;

    Pair target{1, 5};
    Form<Pair> form(d);
    form.load(target);
    FormState& s = form.state();
    EXPECT_EQ(s.choices(type).size(), 2u);
    EXPECT_EQ(s.choiceIndex(type), 1u) << "the loaded type, not the first";
    s.setValue(kind, 2);
    EXPECT_EQ(s.choices(type), (ChoiceList{{7, "Gold"}}));
    EXPECT_EQ(s.value(type), 7);
    s.setValue(kind, 0);
    EXPECT_TRUE(s.choices(type).empty());
    EXPECT_FALSE(s.isEnabled(type));
    EXPECT_FALSE(form.store(target));
    EXPECT_EQ(target.kind, 0);
    EXPECT_EQ(target.type, 0);
}

TEST(FormStateTest, RefilledListsRefillTheirFollowersAndMayKeepTheirChoice)
{
    // kind -> category (kept when still offered) -> type, as a chain of lists.
    struct Chain {
        uint8_t kind = 0, category = 0, type = 0;
    };
    FormDescription<Chain> d;
    const size_t kind =
        d.add(choiceRow("", FormChoices::fixed({{1, "Counted"}, {2, "Plain"}})), memberAccess(&Chain::kind));
    const size_t category = d.add(choiceRow("",
                                            [kind](const FormState& s) {
                                                if (s.value(kind) == 1)
                                                    return ChoiceList{{3, "Creature"}, {6, "Object"}};
                                                return ChoiceList{{6, "Object"}};
                                            }),
                                  memberAccess(&Chain::category));
    const size_t type = d.add(choiceRow("",
                                        [category](const FormState& s) {
                                            if (s.value(category) == 3)
                                                return ChoiceList{{0, "<any type>"}, {4, "Imp"}};
                                            return ChoiceList{{0, "<any type>"}, {9, "Gold"}};
                                        }),
                              memberAccess(&Chain::type));
    d.row(category).choicesFollow = kind;
    d.row(category).keepsChoiceOnRefill = true;
    d.row(type).choicesFollow = category;

    Chain target{1, 6, 9};
    Form<Chain> form(d);
    form.load(target);
    FormState& s = form.state();
    s.setValue(kind, 2);
    EXPECT_EQ(s.value(category), 6) << "still offered, so kept";
    EXPECT_EQ(s.choices(type), (ChoiceList{{0, "<any type>"}, {9, "Gold"}})) << "refilled through the chain";
    EXPECT_EQ(s.value(type), 0);
    s.setValue(kind, 1);
    s.setValue(category, 3);
    EXPECT_EQ(s.choices(type).back(), (Choice{4, "Imp"}));
}

TEST(FormStateTest, OneOfAPairOfCheckBoxesStaysChecked)
{
    struct Counts {
        uint8_t first = 1, second = 1;
    };
    FormDescription<Counts> d;
    const size_t first = d.add(flagRow("First"), memberAccess(&Counts::first));
    const size_t second = d.add(flagRow("Second"), memberAccess(&Counts::second));
    d.row(first).checksWhenUnchecked = second;
    d.row(second).checksWhenUnchecked = first;

    Counts target;
    Form<Counts> form(d);
    form.load(target);
    FormState& s = form.state();
    s.setChecked(first, false);
    s.setChecked(second, false);
    EXPECT_TRUE(s.checked(first)) << "unchecking the second checks the first again";
    EXPECT_FALSE(s.checked(second));
    s.setChecked(second, true);
    EXPECT_TRUE(s.checked(first));
    EXPECT_TRUE(s.checked(second));
}

} // namespace
} // namespace gr2

namespace gr2 {
namespace {

/// A plain target for the rows that act on other rows.
struct Linked {
    uint8_t owner = 3;
    uint8_t body = 0;
    uint8_t health = 50;
    uint8_t kind = 0;
    uint8_t follower = 5;
};

TEST(FormStateTest, EditHooksSetOtherRowsAndRangesFollowTheState)
{
    FormDescription<Linked> d;
    const size_t owner =
        d.add(choiceRow("Owner:", FormChoices::fixed({{2, "Neutral"}, {3, "Vorlan"}, {4, "Other"}})),
              memberAccess(&Linked::owner));
    const size_t body = d.add(flagRow("Body"), memberAccess(&Linked::body));
    const size_t health = d.add(integerRow("Health:", 0, 200), memberAccess(&Linked::health));
    const size_t kind =
        d.add(choiceRow("Kind:", FormChoices::fixed({{0, "A"}, {1, "B"}})), memberAccess(&Linked::kind));
    FormRow follower = choiceRow("", [kind](const FormState& s) {
        return s.value(kind) == 0 ? ChoiceList{{5, "five"}, {6, "six"}}
                                  : ChoiceList{{7, "seven"}, {8, "eight"}};
    });
    follower.choicesFollow = kind;
    const size_t follows = d.add(std::move(follower), memberAccess(&Linked::follower));
    // The body hands the owner to the Neutral player and greys it: what it shows is stored.
    d.row(owner).enabled = isNot(isChecked(body));
    d.row(owner).whenInactive = InactiveRule::StoreShown;
    d.row(body).onEdit = [owner, body, kind, follows](FormState& s) {
        s.assign(owner, s.checked(body) ? 2 : 3);
        // An assigned list keeps the value given to its follower.
        s.assign(kind, 1);
        s.assign(follows, 8);
    };
    d.row(health).rangeRule = [body](const FormState& s) {
        return s.checked(body) ? NumberRange{0, 30} : NumberRange{0, 200};
    };

    Form<Linked> form(d);
    Linked target;
    form.load(target);
    FormState& s = form.state();
    s.setText(health, "100");
    EXPECT_EQ(s.validate(), std::nullopt);
    s.setChecked(body, true);
    EXPECT_EQ(s.value(owner), 2);
    EXPECT_FALSE(s.isEnabled(owner));
    EXPECT_EQ(s.value(follows), 8);
    EXPECT_EQ(s.choices(follows), (ChoiceList{{7, "seven"}, {8, "eight"}}));
    EXPECT_EQ(s.rangeOf(health).high, 30);
    EXPECT_EQ(s.spinRangeOf(health).high, 30);
    ASSERT_TRUE(s.validate());
    EXPECT_EQ(s.validate()->message, "Please enter an integer between 0 and 30.");
    s.setText(health, "30");
    // The user's own choice of a followed list shows the follower's first entry.
    s.setValue(kind, 0);
    EXPECT_EQ(s.value(follows), 5);
    ASSERT_EQ(form.store(target), std::nullopt);
    EXPECT_EQ(target.owner, 2);
    EXPECT_EQ(target.body, 1);
    EXPECT_EQ(target.health, 30);
    EXPECT_EQ(target.follower, 5);
}

} // namespace
} // namespace gr2
