// The creature editor's table against the creature record: every attribute goes through the one
// value field and back, edits stay with their attribute when another is chosen, each attribute
// takes only what its field holds, values a file holds outside a range survive, the sub-editors
// edit the editor's working copy (kept by "OK", dropped by "Cancel"), and no byte outside the shown
// fields changes, the ones the writer sets by rule included.

#include "forms/CreatureTypeForm.h"
#include "app/EditorApp.h"
#include "forms/FormMessages.h"
#include "forms/FormSession.h"
#include "forms/TypeEditorForms.h"
#include "forms/TypeEditorSession.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <map>

namespace gr2 {
namespace {

size_t rowOf(const FormState& s, const std::string& label, size_t from = 0)
{
    for (size_t i = from; i < s.rowCount(); ++i)
        if (s.row(i).label == label)
            return i;
    throw std::runtime_error("no row " + label);
}

/// The value row of the attribute at `index` (the rows follow the chooser in its order).
size_t valueRow(const FormState& s, size_t index)
{
    return rowOf(s, "Attribute:") + 1 + index;
}

size_t attributeIndex(const std::string& name)
{
    const auto& list = creatureAttributes();
    for (size_t i = 0; i < list.size(); ++i)
        if (name == list[i].name)
            return i;
    throw std::runtime_error("no attribute " + name);
}

/// Shows the attribute in the value field as the user does, by choosing it in the list.
void chooseAttribute(FormState& s, const std::string& name)
{
    s.setValue(rowOf(s, "Attribute:"), int64_t(attributeIndex(name)));
}

void typeValue(FormState& s, const std::string& name, const std::string& text)
{
    chooseAttribute(s, name);
    s.setText(valueRow(s, attributeIndex(name)), text);
}

/// A creature whose every byte holds a value of its own.
std::unique_ptr<CTypeRecord> busyCreature(uint8_t seed)
{
    std::unique_ptr<CTypeRecord> record = CTypeRecord::create(TypeFamily::Creature);
    record->applyFileRecord(FlaggedRecord(test::distinctFileRecord(TypeFamily::Creature, seed, 0xEE)));
    return record;
}

/// The attribute's value as the record holds it, as a number.
double storedValue(const CTypeRecord& record, TypeField field)
{
    return field.def().kind == FieldKind::Real ? record.realValue(field) : double(record.intValue(field));
}

/// For each byte of a record, the bits the attribute rows write.
std::vector<uint8_t> attributeBits(const FormDescription<CTypeRecord>& form, size_t first, size_t size)
{
    std::vector<uint8_t> bits(size, 0);
    for (size_t k = 0; k < creatureAttributes().size(); ++k)
        for (const FieldFootprint& f : form.fields[first + k].footprint)
            for (uint32_t i = 0; i < f.width && f.offset + i < size; ++i)
                bits[f.offset + i] |= f.bits ? uint8_t(f.bits >> (8 * i)) : uint8_t(0xFF);
    return bits;
}

class CreatureTypeFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::addType(db.effects(), 300, "Smoke");
        test::addType(db.objects(), 9, "Lair Nest").setFlag(ObjectTypeFlag::Lair, true);
        test::addType(db.objects(), 10, "Chicken");
        test::addType(db.rooms(), 4, "Library").setFlag(RoomTypeFlag::Buildable, true);
        test::addType(db.rooms(), 5, "Portal");
        test::addType(db.creatureSpells(), 2, "Fireball");
    }
    CTypeDatabase db;
};

TEST_F(CreatureTypeFormTest, EveryAttributeGoesThroughTheValueFieldAndNoOtherByteChanges)
{
    const FormDescription<CTypeRecord> description = creatureTypeForm(db);
    EXPECT_EQ(description.caption, "Modify Creature Properties");
    std::unique_ptr<CTypeRecord> record = busyCreature(29);
    const Bytes before(record->bytes().begin(), record->bytes().end());

    Form<CTypeRecord> form(description);
    form.load(*record);
    FormState& s = form.state();
    EXPECT_EQ(s.value(rowOf(s, "Attribute:")), 0) << "the first attribute is shown on opening";
    // Each attribute is chosen, given a value of its own and left for the next one.
    std::vector<double> typed;
    for (size_t k = 0; k < creatureAttributes().size(); ++k) {
        const CreatureAttribute& a = creatureAttributes()[k];
        const bool real = s.row(valueRow(s, k)).kind == ControlKind::Real;
        typed.push_back(real ? 1.5 + double(k) : double(k + 7));
        typeValue(s, a.name, real ? std::to_string(typed.back()) : std::to_string(int(typed.back())));
        for (size_t other = 0; other < creatureAttributes().size(); ++other)
            EXPECT_EQ(s.isVisible(valueRow(s, other)), other == k) << "one value field at a time";
    }
    chooseAttribute(s, "Health");
    ASSERT_FALSE(form.store(*record));

    for (size_t k = 0; k < creatureAttributes().size(); ++k)
        EXPECT_EQ(storedValue(*record, creatureAttributes()[k].field), typed[k])
            << creatureAttributes()[k].name;
    const std::vector<uint8_t> shown = attributeBits(description, valueRow(s, 0), before.size());
    const std::span<const uint8_t> after = record->bytes();
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(after[i] & ~shown[i], before[i] & ~shown[i]) << "byte " << i << " is no attribute's";
}

TEST_F(CreatureTypeFormTest, AnAttributeLeftUntouchedIsNotRewrittenAndTortureTimeKeepsItsLowEightBits)
{
    std::unique_ptr<CTypeRecord> record = busyCreature(5);
    record->setIntValue(CreatureField::Fear, 60000); // beyond what the value field takes
    record->setIntValue(CreatureField::named("timeAwake", 3776), 100000);
    const Bytes before(record->bytes().begin(), record->bytes().end());

    Form<CTypeRecord> form(creatureTypeForm(db));
    form.load(*record);
    FormState& s = form.state();
    typeValue(s, "Health", "400");
    chooseAttribute(s, "Fear");
    EXPECT_EQ(s.text(valueRow(s, attributeIndex("Fear"))), "60000") << "shown as the file holds it";
    chooseAttribute(s, "Time Awake (Seconds)");
    typeValue(s, "Torture Time To Convert (Seconds)", "300");
    ASSERT_FALSE(form.store(*record));

    EXPECT_EQ(record->intValue(CreatureField::Health), 400);
    EXPECT_EQ(record->intValue(CreatureField::Fear), 60000);
    EXPECT_EQ(record->intValue(CreatureField::named("timeAwake", 3776)), 100000);
    EXPECT_EQ(record->realValue(CreatureField::named("tortureTimeToConvert", 3828)), 44.0);
    // Nothing but the two edited fields moved.
    const std::span<const uint8_t> after = record->bytes();
    for (size_t i = 0; i < before.size(); ++i)
        if ((i < 3852 || i >= 3854) && (i < 3828 || i >= 3832)) {
            EXPECT_EQ(after[i], before[i]) << "byte " << i;
        }
}

TEST_F(CreatureTypeFormTest, EachAttributeTakesWhatItsFieldHoldsWithinTheValueRange)
{
    struct Case {
        const char* attribute;
        const char* text;
        std::string message; // empty: accepted
    };
    const std::string positive = FormMessages::kPositiveInteger;
    const std::vector<Case> cases = {
        {"Health", "-1", positive},               // u16
        {"Time Awake (Seconds)", "-1", positive}, // u32
        {"Hunger Fill", "-5", positive},          // u8
        {"Torture Time To Convert (Seconds)", "-1", positive},
        {"Hunger Fill", "256", "Please enter an integer between 0 and 255."},
        {"Time Awake (Seconds)", "40000", "Please enter an integer between 0 and 32767."},
        {"Health", "32768", "Please enter an integer between 0 and 32767."},
        {"Slap Damage", "-32768", "Please enter an integer between -32767 and 32767."},
        {"Speed (Tiles Per Second)", "40000", "Please enter a number between -32767 and 32767."},
        {"Health", "12.5", FormMessages::kInteger},
        {"Slap Damage", "-32767", ""},
        {"Anger (Slap)", "-200", ""},
        {"Speed (Tiles Per Second)", "-2.5", ""},
        {"Time Awake (Seconds)", "32767", ""},
        {"Hunger Fill", "255", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.attribute) + " = " + c.text);
        std::unique_ptr<CTypeRecord> record = busyCreature(11);
        const Bytes before(record->bytes().begin(), record->bytes().end());
        Form<CTypeRecord> form(creatureTypeForm(db));
        form.load(*record);
        FormState& s = form.state();
        typeValue(s, c.attribute, c.text);
        chooseAttribute(s, "Pay"); // the refused value waits on a page the user left
        const std::optional<FormError> error = form.store(*record);
        if (c.message.empty()) {
            EXPECT_FALSE(error);
            continue;
        }
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message, c.message);
        EXPECT_EQ(error->row, valueRow(s, attributeIndex(c.attribute)));
        EXPECT_TRUE(s.reveal(error->row)) << "the refused attribute is shown again";
        EXPECT_EQ(s.value(rowOf(s, "Attribute:")), int64_t(attributeIndex(c.attribute)));
        EXPECT_TRUE(std::equal(before.begin(), before.end(), record->bytes().begin())) << "nothing stored";
    }
}

TEST_F(CreatureTypeFormTest, ListsFlagsAndAttractionsStoreTheirFields)
{
    std::unique_ptr<CTypeRecord> record = CTypeRecord::create(TypeFamily::Creature);
    record->setIntValue(CreatureField::Attraction2Kind, 1);
    record->setIntValue(CreatureField::Attraction2Value, (250 << 16) | 5);
    Form<CTypeRecord> form(creatureTypeForm(db));
    form.load(*record);
    FormState& s = form.state();

    const size_t room1 = rowOf(s, "&1st:") + 1;
    EXPECT_FALSE(s.isEnabled(room1)) << "no room list without the kind Room";
    EXPECT_FALSE(s.choiceIndex(room1));
    EXPECT_EQ(s.choices(room1), (ChoiceList{{4, "Library"}})) << "buildable rooms only";
    s.setValue(rowOf(s, "&1st:"), 1);
    EXPECT_TRUE(s.isEnabled(room1));
    s.setValue(room1, 4);
    s.setValue(rowOf(s, "&2nd:") + 1, 4);
    EXPECT_EQ(s.text(rowOf(s, "Amount:")), "250");
    s.setText(rowOf(s, "Amount:"), "16000");
    EXPECT_EQ(s.choices(rowOf(s, "Lair Object:")), (ChoiceList{{0, "<none>"}, {9, "Lair Nest"}}));
    s.setValue(rowOf(s, "Lair Object:"), 9);
    s.setValue(rowOf(s, "Death Effect:"), 300);
    s.setValue(rowOf(s, "Fight Style:"), 4);
    s.setChecked(rowOf(s, "Train When Idle"), false);
    s.setChecked(rowOf(s, "Is Emotionless"), true);
    EXPECT_FALSE(s.isEnabled(rowOf(s, "Is Unique"))) << "the game decides which types are elite";
    ASSERT_FALSE(form.store(*record));

    const CCreatureType& creature = static_cast<const CCreatureType&>(*record);
    EXPECT_EQ(record->intValue(CreatureField::Attraction1Kind), 1);
    EXPECT_EQ(record->intValue(CreatureField::Attraction1Value), 4) << "the 1st attraction has amount 0";
    EXPECT_EQ(record->intValue(CreatureField::Attraction2Value), (16000 << 16) | 4);
    EXPECT_EQ(record->intValue(CreatureField::named("lairObject", 3922)), 9);
    EXPECT_EQ(record->intValue(CreatureField::named("deathEffect", 3904)), 300);
    EXPECT_EQ(record->intValue(CreatureField::FightStyle), 4);
    EXPECT_TRUE(creature.hasFlag1(21)) << "not training when idle";
    EXPECT_TRUE(creature.hasFlag2(CreatureFlag2::IsEmotionless));
}

/// Runs a sub-editor as its button does: on the working copy its row holds, kept on "OK".
void runSubEditor(FormState& s, const std::string& label, const std::function<void(FormState&)>& edit)
{
    const size_t row = rowOf(s, label);
    Bytes block = s.bytes(row);
    SingleFormSession<Bytes> sub(*s.row(row).subForm, block);
    edit(sub.state());
    ASSERT_FALSE(sub.accept());
    s.setBytes(row, block);
}

TEST(CreatureJobPreferencesTest, EachListOffersAsManyJobsAsItHolds)
{
    const FormDescription<Bytes> jobs = creatureJobsForm();
    std::map<std::string, int> slots;
    for (const FormRow& row : jobs.rows)
        if (row.kind == ControlKind::Choice)
            ++slots[row.group];
    EXPECT_EQ(slots, (std::map<std::string, int>{{"&Happy Job:", 3},
                                                 {"&Unhappy Job:", 2},
                                                 {"&Angry Job:", 3},
                                                 {"Hate &Job:", 4},
                                                 {"Alternatives:", 3}}));
    EXPECT_EQ(creatureJobs().front(), (Choice{1, "Research"}));
    EXPECT_EQ(creatureJobs().back(), (Choice{25, "Tolling"}));
}

// Clearing a job keeps the jobs after it: they move up with their values, and the list stored
// holds every job the user did not remove.
TEST_F(CreatureTypeFormTest, ClearingAJobKeepsTheLaterJobsOfItsList)
{
    std::unique_ptr<CTypeRecord> record = CTypeRecord::create(TypeFamily::Creature);
    auto& creature = static_cast<CCreatureType&>(*record);
    const CreatureJob research{1, 5, 3, 10}, train{2, 6, 4, 20}, pray{6, -7, 8, 30};
    creature.setJobs(CreatureJobList::Happy, {research, train});
    creature.setJobs(CreatureJobList::Angry, {research, train, pray});
    record->setIntValue(CreatureField::HateJobs, 1, 0);
    record->setIntValue(CreatureField::HateJobs, 2, 1);
    record->setIntValue(CreatureField::MoreHateJobs, 6, 0);
    Form<CTypeRecord> form(creatureTypeForm(db));
    form.load(*record);
    FormState& s = form.state();
    runSubEditor(s, "&Job Preferences...", [](FormState& j) {
        const size_t happy = rowOf(j, "Job 1:");
        j.setValue(happy, 0);
        EXPECT_EQ(j.value(happy), 2) << "Train moved up";
        EXPECT_EQ(j.text(rowOf(j, "Chance:", happy)), "20");
        EXPECT_EQ(j.value(rowOf(j, "Job 2:", happy)), 0);
        const size_t angry = rowOf(j, "Job 1:", rowOf(j, "Job 2:", rowOf(j, "Job 1:", happy + 1)) + 1);
        j.setValue(rowOf(j, "Job 2:", angry), 0);
        const size_t hate = rowOf(j, "Job 1:", rowOf(j, "Job 3:", angry) + 1);
        j.setValue(hate, 0);
    });
    ASSERT_FALSE(form.store(*record));
    EXPECT_EQ(creature.jobs(CreatureJobList::Happy), (std::vector<CreatureJob>{train}));
    EXPECT_EQ(creature.jobs(CreatureJobList::Angry), (std::vector<CreatureJob>{research, pray}));
    EXPECT_EQ(creature.hateJob(0), 2u);
    EXPECT_EQ(creature.hateJob(1), 6u);
    EXPECT_EQ(creature.hateJob(2), 0u);
}

TEST_F(CreatureTypeFormTest, SubEditorsWorkOnTheEditorsCopyAndStoreOnlyTheirOwnFields)
{
    std::unique_ptr<CTypeRecord> record = busyCreature(41);
    record->setTextValue(CreatureField::Name, "Imp");
    const Bytes before(record->bytes().begin(), record->bytes().end());
    Form<CTypeRecord> form(creatureTypeForm(db));
    form.load(*record);
    FormState& s = form.state();
    EXPECT_EQ(s.row(rowOf(s, "Resistances...")).subFormCaption(s.bytes(rowOf(s, "Resistances..."))),
              "Modify Resistances For \"Imp\"");

    runSubEditor(s, "Resistances...", [](FormState& r) {
        r.setValue(rowOf(r, "Resistance &2:"), 4);
        r.setText(rowOf(r, "Percentage:", rowOf(r, "Resistance &2:")), "75");
    });
    runSubEditor(s, "Attacks...", [](FormState& a) {
        a.setValue(rowOf(a, "Spell:"), 2);
        a.setText(rowOf(a, "Shot Offset X"), "4.5");
        a.setText(rowOf(a, "Y"), "4");
        a.setText(rowOf(a, "Z"), "-6");
        a.setText(rowOf(a, "Damage"), "120");
    });
    runSubEditor(s, "&Job Preferences...", [](FormState& j) {
        const size_t first = rowOf(j, "Job 1:");
        const size_t second = rowOf(j, "Job 2:");
        j.setValue(rowOf(j, "Job 3:"), 0);
        j.setValue(second, 0);
        j.setValue(first, 0);
        EXPECT_FALSE(j.isEnabled(second)) << "a list ends at its first empty slot";
        j.setValue(first, 2);
        j.setValue(second, 5);
        j.setText(rowOf(j, "Chance:", second), "40");
    });
    runSubEditor(s, "1st Person Properties...", [](FormState& f) {
        f.setValue(rowOf(f, "Gamma Effect:"), 16);
        f.setValue(rowOf(f, "Spell:"), 22);
    });
    typeValue(s, "Health", "321"); // the editor's own field next to the sub-editors'
    ASSERT_FALSE(form.store(*record));

    const CCreatureType& creature = static_cast<const CCreatureType&>(*record);
    EXPECT_EQ(record->intValue(CreatureField::named("resistance2Kind", 3598)), 4);
    EXPECT_EQ(record->intValue(CreatureField::named("resistance2Percent", 3599)), 75);
    EXPECT_EQ(record->intValue(CreatureField::named("spell1Type", 3546)), 2);
    EXPECT_EQ(record->realValue(CreatureField::named("spell1ShotOffsetX", 3524)), 0.0) << "above 4.0";
    EXPECT_EQ(record->realValue(CreatureField::named("spell1ShotOffsetY", 3528)), 4.0);
    EXPECT_EQ(record->realValue(CreatureField::named("spell1ShotOffsetZ", 3532)), -6.0);
    EXPECT_EQ(record->intValue(CreatureField::named("meleeDamage", 3860)), 120);
    EXPECT_EQ(creature.jobs(CreatureJobList::Happy).at(0).job, 2u);
    EXPECT_EQ(creature.jobs(CreatureJobList::Happy).at(1).job, 5u);
    EXPECT_EQ(creature.jobs(CreatureJobList::Happy).at(1).chance, 40);
    EXPECT_EQ(record->intValue(CreatureField::named("gammaEffect", 3388)), 16);
    EXPECT_EQ(record->intValue(CreatureField::named("swipeSpell", 3909)), 22);
    EXPECT_EQ(record->intValue(CreatureField::Health), 321);

    // Bytes no row and no sub-editor shows stay, the ones the writer sets by rule among them: the
    // value at 3824, the unused bytes, the animation resources of the Vidad rule, the name.
    for (auto [from, to] : {std::pair{0, 32 + 37 * 84}, std::pair{3391, 3392}, std::pair{3824, 3828},
                            std::pair{5445, 5529}, std::pair{5533, 5537}})
        for (int i = from; i < to; ++i)
            EXPECT_EQ(record->bytes()[size_t(i)], before[size_t(i)]) << "byte " << i;
}

class CreatureEditorSessionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CCreatureType& imp = test::addType(app.types().creatures(), 3, "Imp");
        imp.setIntValue(CreatureField::Health, 75);
    }
    std::unique_ptr<TypeEditorSession> open()
    {
        return std::make_unique<TypeEditorSession>(app, TypeFamily::Creature, creatureTypeForm(app.types()),
                                                   std::nullopt, 0);
    }
    const CTypeRecord& imp() { return *app.types().creatures().at(0); }

    test::TempDir root;
    test::ScriptedPrompter prompter;
    EditorApp app{root.path(), prompter};
};

TEST_F(CreatureEditorSessionTest, ASubEditorsChangeSurvivesOkAndCancelDropsIt)
{
    struct Case {
        bool ok;
        int64_t percent;
        int64_t health;
    };
    for (const Case& c : {Case{true, 60, 90}, Case{false, 0, 75}}) {
        SCOPED_TRACE(c.ok ? "OK" : "Cancel");
        auto session = open();
        FormState& s = session->state();
        runSubEditor(s, "Resistances...", [](FormState& r) {
            r.setValue(rowOf(r, "Resistance &1:"), 6);
            r.setText(rowOf(r, "Percentage:"), "60");
        });
        typeValue(s, "Health", "90");
        if (c.ok)
            ASSERT_FALSE(session->accept());
        else
            session->cancel();
        session->finish();
        EXPECT_EQ(imp().intValue(CreatureField::named("resistance1Percent", 3597)), c.percent);
        EXPECT_EQ(imp().intValue(CreatureField::Health), c.health);
        // Back to the start for the next case.
        CTypeRecord& record = *app.types().creatures().at(0);
        record.setIntValue(CreatureField::Health, 75);
        record.setIntValue(CreatureField::named("resistance1Kind", 3596), 0);
        record.setIntValue(CreatureField::named("resistance1Percent", 3597), 0);
    }
}

} // namespace
} // namespace gr2
