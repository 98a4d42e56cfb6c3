// The door, trap and object editors' tables against their records: every shown field goes in and
// comes back with a distinct value while every byte no row shows stays as it was; the labels are
// the editors' own; every range fits its field; a refused value stores nothing; the trap's and the
// object's store rules; the light editor's 9-bit colours.

#include "forms/TypeEditorForms.h"
#include "forms/LightForm.h"
#include "stats/LightDescriptor.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <bit>

namespace gr2 {
namespace {

/// Enough types for every list to offer several entries.
void buildListTypes(CTypeDatabase& db)
{
    test::addType(db.effects(), 300, "Smoke");
    test::addType(db.effects(), 301, "Sparks");
    test::addType(db.shots(), 1, "Bolt");
    test::addType(db.shots(), 2, "Arrow");
    test::addType(db.effectElements(), 40, "Mote");
    test::addType(db.effectElements(), 41, "Drop");
    test::addType(db.objects(), 5, "Spike Crate").setFlag(ObjectTypeFlag::Crate, true);
    test::addType(db.objects(), 6, "Fire Crate").setFlag(ObjectTypeFlag::Crate, true);
    test::addType(db.objects(), 7, "Key").setFlag(ObjectTypeFlag::DoorKey, true);
    test::addType(db.objects(), 8, "Gold");
    test::addType(db.terrains(), 1, "Rock");
    test::addType(db.terrains(), 2, "Path");
    test::addType(db.terrains(), 10, "Lair Floor").setFlag(TerrainTypeFlag::RoomLink, true);
    test::addType(db.terrains(), 27, "Reserved");
}

/// A record whose every byte holds a value of its own.
std::unique_ptr<CTypeRecord> busyRecord(TypeFamily family, uint8_t seed)
{
    std::unique_ptr<CTypeRecord> record = CTypeRecord::create(family);
    const Bytes bytes = test::distinctFileRecord(family, seed, 0xEE);
    record->applyFileRecord(FlaggedRecord(bytes));
    return record;
}

/// For each byte of a record, the bits some row of the form writes.
std::vector<uint8_t> shownBits(const FormDescription<CTypeRecord>& form, size_t size)
{
    std::vector<uint8_t> bits(size, 0);
    for (const FieldAccess<CTypeRecord>& field : form.fields)
        for (const FieldFootprint& f : field.footprint)
            for (uint32_t i = 0; i < f.width && f.offset + i < size; ++i)
                bits[f.offset + i] |= f.bits ? uint8_t(f.bits >> (8 * i)) : uint8_t(0xFF);
    return bits;
}

/// What each row of a sub-form shows for a block.
std::vector<std::string> subFormShows(const FormDescription<Bytes>& description, const Bytes& block)
{
    Form<Bytes> form(description);
    form.load(block);
    std::vector<std::string> shown;
    for (size_t row = 0; row < form.state().rowCount(); ++row)
        shown.push_back(form.state().row(row).isText() ? form.state().text(row)
                                                       : std::to_string(form.state().value(row)));
    return shown;
}

/// A value for the row that differs from what it shows, inside its range or list; `n` makes the
/// values of different rows differ.
void setOtherValue(FormState& s, size_t row, int n)
{
    const FormRow& r = s.row(row);
    switch (r.kind) {
    case ControlKind::Integer: {
        const NumberRange range = r.range ? *r.range : NumberRange{0, 30000};
        // Inside the range however many rows come before, and one step from its top.
        const int64_t span = std::max<int64_t>(int64_t(range.high - range.low) - 1, 1);
        const int64_t wanted = int64_t(range.low) + 1 + n % span;
        s.setText(row, std::to_string(std::to_string(wanted) == s.text(row) ? wanted + 1 : wanted));
        break;
    }
    case ControlKind::Real: {
        const NumberRange range = r.range ? *r.range : NumberRange{0, 10000};
        const double wanted = std::min(range.high, range.low + 0.25 * (n + 1));
        s.setText(row, std::to_string(wanted == std::stod(s.text(row)) ? wanted - 0.125 : wanted));
        break;
    }
    case ControlKind::FlagBit:
        s.setChecked(row, !s.checked(row));
        break;
    case ControlKind::SubForm: {
        // Through the sub-form's own rows, as its dialog edits the block.
        Bytes block = s.bytes(row);
        Form<Bytes> sub(*r.subForm);
        sub.load(block);
        FormState& subState = sub.state();
        for (size_t i = 0; i < subState.rowCount(); ++i)
            if (!subState.row(i).isText() && subState.isVisible(i))
                setOtherValue(subState, i, n + int(i));
        for (size_t i = 0; i < subState.rowCount(); ++i)
            if (subState.row(i).isText() && subState.isActive(i))
                setOtherValue(subState, i, n + int(i));
        ASSERT_FALSE(sub.store(block));
        s.setBytes(row, block);
        break;
    }
    default: {
        const ChoiceList& list = s.choices(row);
        ASSERT_GE(list.size(), 2u) << r.label;
        const size_t index = s.choiceIndex(row) == std::optional<size_t>(n % list.size())
                                 ? (n + 1) % list.size()
                                 : n % list.size();
        s.choose(row, index);
        break;
    }
    }
}

struct EditorCase {
    TypeFamily family;
    FormDescription<CTypeRecord> (*form)(const CTypeDatabase&);
    const char* caption;
    std::vector<std::string> labels;
};

const std::vector<EditorCase>& editorCases()
{
    static const std::vector<EditorCase> cases = {
        {TypeFamily::Terrain,
         terrainTypeForm,
         "Modify Terrain Properties",
         {"Max &Health:",
          "Starting Health:",
          "Mana Gain:",
          "&Max Mana Gain:",
          "&Gold Value:",
          "Dama&ge:",
          "Wibble H:",
          "Wibble V:",
          "Im&penetrable",
          "&Becomes Type",
          "Uses &Effect",
          "Be&comes Type",
          "Uses Effect",
          "Reveal Through Fog Of War",
          "Terrain Light",
          "R:",
          "G:",
          "B:",
          "Height:",
          "Ambient Light",
          "R:",
          "G:",
          "B:",
          "Room Floor"}},
        {TypeFamily::VorlanSpell,
         vorlanSpellTypeForm,
         "Modify Vorlan Spell Properties",
         {"Mana Cost:", "Mana Drain:", "Recharge Time:", "Bonus R. Time:", "Cast Rule:", "Target Rule:",
          "Hand Anim ID:", "No-Go Hand Anim ID:", "Shot Type:", "Shot Data &1:", "Shot Data &2:",
          "Shot Type:", "Shot Data &1:", "Shot Data &2:", "Attacking", "Defensive"}},
        {TypeFamily::CreatureSpell,
         creatureSpellTypeForm,
         "Modify Creature Spell Properties",
         {"Range:", "Recharge Time:", "Shot Type:", "Shot Data &1:", "Shot Data &2:", "A&ttacking",
          "D&efensive", "&Creature", "Cast On Self", "Cast On Others", "Cast Only On Creatures"}},
        {TypeFamily::Shot,
         shotTypeForm,
         "Modify Shot Properties",
         {"&Health:",
          "&Air Friction:",
          "&Mass:",
          "S&peed:",
          "Radius:",
          "Threat:",
          "Burn Duration:",
          "Data &1:",
          "Data &2:",
          "Damage &Type:",
          "Collide Type:",
          "Process Type:",
          "Attack Category:",
          "Constant",
          "Hit Collide Thing",
          "Hit Solid",
          "Hit Water",
          "Hit Lava",
          "At Start",
          "At End",
          "Hit Thing",
          "Die When Hit Solid",
          "Die When Hit Thing",
          "Die Over Time",
          "Move Towards Target",
          "Kill Effects When Dead",
          "Light...",
          "Effects\n  and\n&Shots..."}},
        {TypeFamily::Effect,
         effectTypeForm,
         "Modify Effect Properties",
         {"Min &Health:",
          "Ma&x Health:",
          "&Mass:",
          "&Air Friction:",
          "&Elasticity:",
          "&Radius:",
          "Min Speed XY:",
          "Max Speed XY:",
          "Min Speed YZ:",
          "Max Speed YZ:",
          "Min &Scale:",
          "Max S&cale:",
          "&Fade Duration:",
          "Elements &Per Turn:",
          "Outer Origin Range:",
          "Lower Height Limit:",
          "Upper Height Limit:",
          "Orientation Range:",
          "Sprite Spin Rate Range:",
          "Whirlpool Rate:",
          "Directional Spread:",
          "Circular Path Rate:",
          "Inner Origin Range:",
          "Generation Randomness:",
          "Misc 2:",
          "Misc 3:",
          "Scale",
          "Fade",
          "Die When Hit Solid",
          "Directional Friction",
          "Pass On Velocity",
          "Use Generation Scale",
          "Always Trigger",
          "Light...",
          "Effects...",
          "Generation Types..."}},
        {TypeFamily::EffectElement,
         effectElementTypeForm,
         "Modify Effect Element Properties",
         {"&Min Health:",
          "Max &Health:",
          "Mass:",
          "&Air Friction:",
          "Elasticity:",
          "Min Speed XY:",
          "Max Speed XY:",
          "Min Speed YZ:",
          "Max Speed YZ:",
          "Min &Scale:",
          "Max S&cale:",
          "Scale Ratio:",
          "&Fade Percentage:",
          "Red:",
          "Green:",
          "Blue:",
          "Rand. Colour Index:",
          "Table Colour Index:",
          "Next Effect:",
          "Death Element:",
          "Hit Solid Element:",
          "Hit Water Element:",
          "Hit Lava Element:",
          "Dies When Hits Solid",
          "Shrinks",
          "Expands",
          "Fades",
          "Directional Friction",
          "Can Be Disturbed",
          "Rotate To Movement Direction",
          "Always Trigger"}},
        {TypeFamily::Door,
         doorTypeForm,
         "Modify Door Properties",
         {"Gold &Cost:", "&Health:", "Health Gain:", "&Mana Cost:", "&Height:", "Manf. To &Build:",
          "Material Type:", "Ma&nf. Crate Object:", "Key Object:", "&Death Effect:"}},
        {TypeFamily::Trap,
         trapTypeForm,
         "Modify Trap Properties",
         {"&Health:",
          "Health Gain:",
          "Charge &Time:",
          "&Recharge Time:",
          "Mana &Cost:",
          "Mana &Usage:",
          "&Mana Cost To Fire:",
          "Threat:",
          "Threat &Duration:",
          "&Idle Effect Delay:",
          "Hei&ght:",
          "Manf. to &Build:",
          "Shot Delay:",
          "Material Type:",
          "&Powerless Effect:",
          "Idle &Effect:",
          "Death E&ffect:",
          "Manf. Crate &Object:",
          "Shot T&ype:",
          "Shot Data &1:",
          "Shot Data &2:",
          "Trigger Type:",
          "Trigger Data:",
          "Reveal When Fired",
          "Disarmable",
          "Invisible",
          "Re&quire Mana",
          "First Person Obstacle",
          "Solid Obstacle"}},
        {TypeFamily::Object,
         objectTypeForm,
         "Configure Object Types",
         {"&Width:",
          "&Height:",
          "&Mass:",
          "H&ealth:",
          "Room &Capacity:",
          "Slap Effect:",
          "Death Effect:",
          "Material Type:",
          "Object Class",
          "Die &Over Time",
          "Die Over &Time If Not In Room",
          "Can Be Slapped",
          "Die When Slapped",
          "Obstacle",
          "Boulder Can Roll Through",
          "Boulder Destroys",
          "Damageable",
          "1st Person Obstacle",
          "Solid Obstacle",
          "Cast Shadow",
          "Light..."}},
    };
    return cases;
}

TEST(TypeEditorFormsTest, EachEditorShowsItsCaptionAndLabelsAndItsRangesFitTheirFields)
{
    CTypeDatabase db;
    for (const EditorCase& c : editorCases()) {
        SCOPED_TRACE(c.caption);
        const FormDescription<CTypeRecord> form = c.form(db);
        EXPECT_EQ(form.caption, c.caption);
        std::vector<std::string> labels;
        for (const FormRow& row : form.rows) {
            labels.push_back(row.label);
            if (row.range) {
                EXPECT_GE(row.range->low, row.number.capacity.low) << row.label;
                EXPECT_LE(row.range->high, row.number.capacity.high) << row.label;
            }
        }
        EXPECT_EQ(labels, c.labels);
        EXPECT_TRUE(hasTypeEditor(c.family));
        ASSERT_TRUE(typeEditorForm(c.family, db));
        EXPECT_EQ(typeEditorForm(c.family, db)->caption, c.caption);
    }
}

TEST(TypeEditorFormsTest, EveryShownFieldRoundTripsAndEveryOtherByteStaysAsItWas)
{
    CTypeDatabase db;
    buildListTypes(db);
    for (const EditorCase& c : editorCases()) {
        SCOPED_TRACE(c.caption);
        const FormDescription<CTypeRecord> description = c.form(db);
        std::unique_ptr<CTypeRecord> record = busyRecord(c.family, 17);
        const Bytes before(record->bytes().begin(), record->bytes().end());

        Form<CTypeRecord> form(description);
        form.load(*record);
        FormState& s = form.state();
        // Lists and check boxes first, as they decide which number rows are active.
        for (size_t row = 0; row < s.rowCount(); ++row)
            if (!s.row(row).isText() && s.isVisible(row))
                setOtherValue(s, row, int(row));
        for (size_t row = 0; row < s.rowCount(); ++row)
            if (s.row(row).isText() && s.isActive(row))
                setOtherValue(s, row, int(row));
        std::vector<std::string> texts;
        std::vector<int64_t> values;
        std::vector<Bytes> blocks;
        for (size_t row = 0; row < s.rowCount(); ++row) {
            texts.push_back(s.text(row));
            values.push_back(s.value(row));
            blocks.push_back(s.bytes(row));
        }
        ASSERT_FALSE(form.store(*record));

        Form<CTypeRecord> reread(description);
        reread.load(*record);
        for (size_t row = 0; row < s.rowCount(); ++row) {
            SCOPED_TRACE(s.row(row).label);
            if (!s.isActive(row))
                continue;
            if (s.row(row).isText()) {
                EXPECT_EQ(std::stod(reread.state().text(row)), std::stod(texts[row]));
            } else if (s.row(row).kind == ControlKind::SubForm) {
                EXPECT_EQ(subFormShows(*s.row(row).subForm, reread.state().bytes(row)),
                          subFormShows(*s.row(row).subForm, blocks[row]));
            } else {
                EXPECT_EQ(reread.state().value(row), values[row]);
            }
        }
        const std::vector<uint8_t> shown = shownBits(description, before.size());
        const std::span<const uint8_t> after = record->bytes();
        for (size_t i = 0; i < before.size(); ++i)
            EXPECT_EQ(after[i] & ~shown[i], before[i] & ~shown[i]) << "byte " << i << " is shown by no row";
    }
}

TEST(TypeEditorFormsTest, ARefusedValueLeavesTheWholeRecordAsItWas)
{
    CTypeDatabase db;
    buildListTypes(db);
    for (const EditorCase& c : editorCases()) {
        SCOPED_TRACE(c.caption);
        std::unique_ptr<CTypeRecord> record = busyRecord(c.family, 3);
        const Bytes before(record->bytes().begin(), record->bytes().end());
        Form<CTypeRecord> form(c.form(db));
        form.load(*record);
        // The first number row takes a good value, the last active one a refused value.
        FormState& s = form.state();
        std::optional<size_t> first, last;
        for (size_t row = 0; row < s.rowCount(); ++row)
            if (s.row(row).isText() && s.row(row).kind != ControlKind::Text && s.row(row).range &&
                s.isActive(row)) {
                first = first.value_or(row);
                last = row;
            }
        ASSERT_TRUE(first && last && *first != *last);
        s.setText(*first, "1");
        s.setText(*last, "999999");
        const std::optional<FormError> error = form.store(*record);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->row, *last);
        const bool integer = s.row(*last).kind == ControlKind::Integer;
        EXPECT_EQ(error->message, std::string(integer ? "Please enter an integer between "
                                                      : "Please enter a number between ") +
                                      std::to_string(int64_t(s.row(*last).range->low)) + " and " +
                                      std::to_string(int64_t(s.row(*last).range->high)) + ".");
        EXPECT_TRUE(std::equal(before.begin(), before.end(), record->bytes().begin()));
    }
}

TEST(TypeEditorFormsTest, TrapStoresNoManaCostToFireWithoutRequireManaAndNoShotDataWithoutShot)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = trapTypeForm(db);
    auto rowOf = [&description](const std::string& label) {
        for (size_t i = 0; i < description.rows.size(); ++i)
            if (description.rows[i].label == label)
                return i;
        throw std::runtime_error("no row " + label);
    };
    CTrapType trap;
    trap.setIntValue(TrapField::ManaCostToFire, 500);
    trap.setFlag(TrapTypeFlag::RequireMana, false);
    trap.setIntValue(TrapField::ShotType, 1);
    trap.setIntValue(TrapField::ShotData1, 40);
    trap.setIntValue(TrapField::ShotData2, -8);
    Form<CTypeRecord> form(description);
    form.load(trap);
    FormState& s = form.state();
    EXPECT_FALSE(s.isEnabled(rowOf("&Mana Cost To Fire:")));
    EXPECT_EQ(s.text(rowOf("&Mana Cost To Fire:")), "500") << "greyed, as the record holds it";
    s.choose(rowOf("Shot T&ype:"), 0);
    EXPECT_EQ(s.text(rowOf("Shot Data &1:")), "0");
    s.choose(rowOf("Shot T&ype:"), 2);
    EXPECT_EQ(s.text(rowOf("Shot Data &1:")), "40") << "switching back refills from the record";
    EXPECT_EQ(s.text(rowOf("Shot Data &2:")), "-8");
    s.choose(rowOf("Shot T&ype:"), 0);
    ASSERT_FALSE(form.store(trap));
    EXPECT_EQ(trap.intValue(TrapField::ManaCostToFire), 500) << "greyed since loading: kept";
    EXPECT_EQ(trap.intValue(TrapField::ShotType), 0);
    EXPECT_EQ(trap.intValue(TrapField::ShotData1), 0);
    EXPECT_EQ(trap.intValue(TrapField::ShotData2), 0);

    // Reopened: the shot data under "<none>" shows what is held (0 now), the cost 500 greyed.
    form.load(trap);
    EXPECT_EQ(s.text(rowOf("Shot Data &1:")), "0");
    EXPECT_EQ(s.text(rowOf("&Mana Cost To Fire:")), "500");

    // The user's switching "Require Mana" on and off again takes the cost away, and shows it so.
    s.setChecked(rowOf("Re&quire Mana"), true);
    s.setChecked(rowOf("Re&quire Mana"), false);
    EXPECT_EQ(s.text(rowOf("&Mana Cost To Fire:")), "0");
    ASSERT_FALSE(form.store(trap));
    EXPECT_EQ(trap.intValue(TrapField::ManaCostToFire), 0);

    // A trap stored with shot data but no shot shows the data greyed, and OK keeps it.
    trap.setIntValue(TrapField::ShotData1, 40);
    form.load(trap);
    EXPECT_FALSE(s.isEnabled(rowOf("Shot Data &1:")));
    EXPECT_EQ(s.text(rowOf("Shot Data &1:")), "40");
    ASSERT_FALSE(form.store(trap));
    EXPECT_EQ(trap.intValue(TrapField::ShotData1), 40);
}

TEST(TypeEditorFormsTest, AnObjectKeepsItsKindBitsUntilTheUserPicksOneClass)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = objectTypeForm(db);
    size_t kindRow = 0;
    while (description.rows[kindRow].kind != ControlKind::Radio)
        ++kindRow;
    constexpr uint32_t kKindBits = 0b1'0000'1111'1100;
    struct Case {
        uint32_t flagsBefore;
        std::optional<size_t> chosen;
        uint32_t kindAfter;
    } cases[] = {
        // Several kinds, as a damaged file may have them: no class is shown and none is written.
        {1u << ObjectTypeFlag::Crate | 1u << ObjectTypeFlag::Gold, std::nullopt,
         1u << ObjectTypeFlag::Crate | 1u << ObjectTypeFlag::Gold},
        {kKindBits, std::nullopt, kKindBits},
        // Once the user picks, exactly the one picked, even the first of those set.
        {1u << ObjectTypeFlag::Crate | 1u << ObjectTypeFlag::Gold, 4, 1u << ObjectTypeFlag::Crate},
        {1u << ObjectTypeFlag::Gold, 0, 0},
        {0, 1, 1u << ObjectTypeFlag::Special},
        {kKindBits, 7, 1u << ObjectTypeFlag::Food},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagsBefore);
        CObjectType object;
        object.setFlags(c.flagsBefore | 1u << ObjectTypeFlag::Placeable);
        Form<CTypeRecord> form(description);
        form.load(object);
        EXPECT_EQ(form.state().choiceIndex(kindRow).has_value(), std::popcount(c.flagsBefore) <= 1);
        if (c.chosen)
            form.state().choose(kindRow, *c.chosen);
        ASSERT_FALSE(form.store(object));
        EXPECT_EQ(object.flags() & kKindBits, c.kindAfter);
        EXPECT_TRUE(object.hasFlag(ObjectTypeFlag::Placeable));
    }
}

TEST(TypeEditorFormsTest, TheLightEditorKeepsNinthColourBitsInTheFlags)
{
    const FormDescription<Bytes> description = lightForm();
    EXPECT_EQ(description.caption, "Modify Light Properties");
    Bytes light(kLightDescriptorSize, 0);
    setRealField(light, LightField::Radius, 1.5);
    setIntField(light, LightField::Red, 0x34);
    setIntField(light, LightField::Flags, 1 << LightFlag::RedNinthBit | 1 << LightFlag::Pulse);
    light[23] = 0x5A; // not used, carried

    Form<Bytes> form(description);
    form.load(light);
    FormState& s = form.state();
    auto row = [&description](const char* label) {
        size_t i = 0;
        while (description.rows[i].label != label)
            ++i;
        return i;
    };
    EXPECT_EQ(s.text(row("Red:")), "308");
    EXPECT_EQ(s.text(row("Radius:")), "1.5");
    EXPECT_TRUE(s.checked(row("Pulse")));
    s.setText(row("Red:"), "17");
    s.setText(row("Blue:"), "511");
    s.setText(row("X:"), "20000"); // beyond the spin, still a position the descriptor holds
    s.setChecked(row("Flicker"), true);
    ASSERT_FALSE(form.store(light));
    EXPECT_EQ(getIntField(light, LightField::Red), 17);
    EXPECT_EQ(getIntField(light, LightField::Blue), 0xFF);
    const int64_t flags = getIntField(light, LightField::Flags);
    EXPECT_FALSE(flags & (1 << LightFlag::RedNinthBit));
    EXPECT_TRUE(flags & (1 << LightFlag::BlueNinthBit));
    EXPECT_TRUE(flags & (1 << LightFlag::Flicker));
    EXPECT_TRUE(flags & (1 << LightFlag::Pulse));
    EXPECT_EQ(getRealField(light, LightField::X), 20000.0);
    EXPECT_EQ(light[23], 0x5A);

    s.setText(row("Radius:"), "2.6");
    ASSERT_TRUE(form.store(light));
    EXPECT_EQ(form.store(light)->message, "Please enter a number between 0 and 2.5.");
    s.setText(row("Radius:"), "2.5");
    s.setText(row("Green:"), "512");
    EXPECT_EQ(form.store(light)->message, "Please enter an integer between 0 and 511.");
}

size_t rowOf(const FormDescription<CTypeRecord>& description, const std::string& label, size_t from = 0)
{
    for (size_t i = from; i < description.rows.size(); ++i)
        if (description.rows[i].label == label)
            return i;
    throw std::runtime_error("no row " + label);
}

TEST(TypeEditorFormsTest, TheTerrainEditorListsNoRoomFloorAndLeavesTheRoomLinkBitAlone)
{
    CTypeDatabase db;
    buildListTypes(db);
    std::vector<std::string> listed;
    for (size_t position : typeEditorListing(TypeFamily::Terrain, db))
        listed.push_back(db.terrains().recordAt(position)->name());
    EXPECT_EQ(listed, (std::vector<std::string>{"Rock", "Path"}));

    const FormDescription<CTypeRecord> description = terrainTypeForm(db);
    Form<CTypeRecord> form(description);
    CTerrainType& path = *db.terrains().findById(2);
    path.setFlag(TerrainTypeFlag::RoomLink, true); // as a damaged file may have it
    form.load(path);
    const ChoiceList becomes = form.state().choices(rowOf(description, "&Becomes Type"));
    EXPECT_EQ(becomes, (ChoiceList{{1, "Rock"}, {2, "Path"}}));
    form.state().setText(rowOf(description, "Max &Health:"), "40");
    ASSERT_FALSE(form.store(path));
    EXPECT_EQ(path.intValue(TerrainField::MaxHealth), 40);
    EXPECT_TRUE(path.hasFlag(TerrainTypeFlag::RoomLink)) << "no row the user can reach edits it";
}

// An impenetrable terrain greys its changes, which show what the fields hold and keep it: the
// editor reopened after OK shows exactly what the record holds.
TEST(TypeEditorFormsTest, AnImpenetrableTerrainGreysItsChangesShowingWhatTheyHold)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = terrainTypeForm(db);
    const size_t changeRows[] = {rowOf(description, "&Becomes Type"), rowOf(description, "Uses &Effect"),
                                 rowOf(description, "Be&comes Type"), rowOf(description, "Uses Effect")};
    for (bool impenetrable : {true, false}) {
        SCOPED_TRACE(impenetrable);
        CTerrainType& rock = *db.terrains().findById(1);
        rock.setFlag(TerrainTypeFlag::Impenetrable, impenetrable);
        rock.setIntValue(TerrainField::MaxHealthType, 2);
        rock.setIntValue(TerrainField::DestroyedType, 2);
        rock.setIntValue(TerrainField::MaxHealthEffect, 300);
        rock.setIntValue(TerrainField::DestroyedEffect, 301);
        Form<CTypeRecord> form(description);
        form.load(rock);
        for (size_t row : changeRows)
            EXPECT_EQ(form.state().isEnabled(row), !impenetrable) << description.rows[row].label;
        const std::vector<int64_t> held = {2, 300, 2, 301};
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(form.state().value(changeRows[i]), held[i]) << description.rows[changeRows[i]].label;
        ASSERT_FALSE(form.store(rock));
        EXPECT_EQ(rock.intValue(TerrainField::MaxHealthType), 2);
        EXPECT_EQ(rock.intValue(TerrainField::DestroyedType), 2);
        EXPECT_EQ(rock.intValue(TerrainField::MaxHealthEffect), 300);
        EXPECT_EQ(rock.intValue(TerrainField::DestroyedEffect), 301);
        Form<CTypeRecord> reopened(description);
        reopened.load(rock);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(reopened.state().value(changeRows[i]), held[i]) << "reopened";
    }
}

TEST(TypeEditorFormsTest, TerrainLightsTakeNineBitColoursOnlyWhileSwitchedOn)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = terrainTypeForm(db);
    const size_t terrainOn = rowOf(description, "Terrain Light");
    const size_t ambientOn = rowOf(description, "Ambient Light");
    const size_t terrainRed = rowOf(description, "R:", terrainOn);
    const size_t ambientBlue = rowOf(description, "B:", ambientOn);
    CTerrainType& rock = *db.terrains().findById(1);
    Form<CTypeRecord> form(description);
    form.load(rock);
    FormState& s = form.state();
    EXPECT_FALSE(s.isEnabled(terrainRed));
    EXPECT_FALSE(s.isEnabled(rowOf(description, "Height:")));
    s.setChecked(terrainOn, true);
    EXPECT_TRUE(s.isEnabled(terrainRed));
    EXPECT_TRUE(s.isEnabled(rowOf(description, "Height:")));
    EXPECT_FALSE(s.isEnabled(ambientBlue)) << "each group follows its own check box";
    s.setText(terrainRed, "300");
    ASSERT_FALSE(form.store(rock));
    EXPECT_EQ(rock.intValue(TerrainField::TerrainLightRed), 44);
    EXPECT_TRUE(rock.hasFlag(TerrainTypeFlag::TerrainLightRedNinthBit));
    EXPECT_TRUE(rock.hasFlag(TerrainTypeFlag::TerrainLightOn));
    s.setText(terrainRed, "512");
    EXPECT_EQ(form.store(rock)->message, "Please enter an integer between 0 and 511.");
}

TEST(TypeEditorFormsTest, UncheckingCreatureTakesAwayTheSpellsEffectOnACreatureAndNothingElseDoes)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = creatureSpellTypeForm(db);
    const size_t creature = rowOf(description, "&Creature");
    const size_t attacking = rowOf(description, "A&ttacking");
    struct Case {
        bool loadedChecked;
        std::optional<bool> shownChecked; // none: left as loaded
        bool attackingToggled;
        int64_t effectAfter;
    } cases[] = {
        {true, false, false, 0}, {true, std::nullopt, true, 4},
        {true, true, false, 4},  {false, std::nullopt, true, 4}, // a byte the editor does not show, kept
        {false, true, false, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.loadedChecked << " " << c.shownChecked.value_or(c.loadedChecked));
        CCreatureSpellType spell;
        spell.setFlag(CreatureSpellTypeFlag::Creature, c.loadedChecked);
        spell.setIntValue(CreatureSpellField::CreatureEffect, 4);
        Form<CTypeRecord> form(description);
        form.load(spell);
        if (c.shownChecked)
            form.state().setChecked(creature, *c.shownChecked);
        if (c.attackingToggled)
            form.state().setChecked(attacking, !form.state().checked(attacking));
        ASSERT_FALSE(form.store(spell));
        EXPECT_EQ(spell.intValue(CreatureSpellField::CreatureEffect), c.effectAfter);
        EXPECT_EQ(spell.hasFlag(CreatureSpellTypeFlag::Creature), c.shownChecked.value_or(c.loadedChecked));
    }
}

TEST(TypeEditorFormsTest, SpellShotDataTakeWhatTheirFieldsHoldAndKeepAFilesValueUnlessChanged)
{
    CTypeDatabase db;
    buildListTypes(db);
    struct Case {
        FormDescription<CTypeRecord> (*form)(const CTypeDatabase&);
        TypeFamily family;
        TypeField type, data1, data2;
        const char* typed;
        const char* refusal; // none: stored
    } cases[] = {
        {creatureSpellTypeForm, TypeFamily::CreatureSpell, CreatureSpellField::ShotType,
         CreatureSpellField::ShotData1, CreatureSpellField::ShotData2, "-2147483648", nullptr},
        {creatureSpellTypeForm, TypeFamily::CreatureSpell, CreatureSpellField::ShotType,
         CreatureSpellField::ShotData1, CreatureSpellField::ShotData2, "2147483648",
         "Please enter an integer between -2147483648 and 2147483647."},
        {vorlanSpellTypeForm, TypeFamily::VorlanSpell, VorlanSpellField::ShotType,
         VorlanSpellField::ShotData1, VorlanSpellField::ShotData2, "-32767", nullptr},
        {vorlanSpellTypeForm, TypeFamily::VorlanSpell, VorlanSpellField::ShotType,
         VorlanSpellField::ShotData1, VorlanSpellField::ShotData2, "32768",
         "Please enter an integer between -32767 and 32767."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        const FormDescription<CTypeRecord> description = c.form(db);
        std::unique_ptr<CTypeRecord> spell = CTypeRecord::create(c.family);
        spell->setIntValue(c.type, 2);
        spell->setIntValue(c.data1, 5);
        spell->setIntValue(c.data2, 100000); // beyond every range the editor offers
        Form<CTypeRecord> form(description);
        form.load(*spell);
        EXPECT_EQ(form.state().text(rowOf(description, "Shot Data &2:")), "100000");
        form.state().setText(rowOf(description, "Shot Data &1:"), c.typed);
        const std::optional<FormError> error = form.store(*spell);
        if (c.refusal) {
            ASSERT_TRUE(error);
            EXPECT_EQ(error->message, c.refusal);
            EXPECT_EQ(spell->intValue(c.data1), 5);
        } else {
            ASSERT_FALSE(error);
            EXPECT_EQ(std::to_string(spell->intValue(c.data1)), c.typed);
        }
        EXPECT_EQ(spell->intValue(c.data2), 100000);
    }
}

size_t subRowOf(const FormDescription<Bytes>& description, const std::string& label)
{
    for (size_t i = 0; i < description.rows.size(); ++i)
        if (description.rows[i].label == label)
            return i;
    throw std::runtime_error("no row " + label);
}

TEST(TypeEditorFormsTest, TheShotsEffectsAndShotsEditorNamesTheShotAndKeepsItsRules)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = shotTypeForm(db);
    const size_t button = rowOf(description, "Effects\n  and\n&Shots...");
    const FormDescription<Bytes>& effects = *description.rows[button].subForm;
    const size_t creation = subRowOf(effects, "&Creation Effect:");
    const size_t passOn = subRowOf(effects, "&Pass On Shot Velocity To Creation Effect");
    const size_t delay = subRowOf(effects, "Ti&med Delay:");
    struct Case {
        const char* delayTyped;
        std::optional<size_t> creationChosen; // none: left as loaded (Smoke)
        const char* refusal;                  // none: stored
        bool passOnAfter;
    } cases[] = {
        {"255", std::nullopt, nullptr, true},
        {"0", 0, nullptr, false}, // "<none>": nothing to pass the velocity on to
        {"256", std::nullopt, "Please enter an integer between 0 and 255.", true},
        {"-1", std::nullopt, "Please enter a positive integer.", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.delayTyped);
        std::unique_ptr<CTypeRecord> shot = busyRecord(TypeFamily::Shot, 9);
        shot->setName("Fire \xC9"
                      "clair"); // Latin-1, as record names are
        shot->setIntValue(ShotField::CreationEffect, 300);
        shot->setIntValue(ShotField::TimedDelay, 7);
        shot->setFlag(ShotTypeFlag::PassOnVelocityToCreationEffect, true);
        const Bytes before(shot->bytes().begin(), shot->bytes().end());

        Form<CTypeRecord> form(description);
        form.load(*shot);
        Bytes block = form.state().bytes(button);
        Form<Bytes> sub(effects);
        sub.load(block);
        EXPECT_EQ(sub.caption(), "Modify Shot & Effect Types for \"Fire \xC3\x89"
                                 "clair\"");
        EXPECT_TRUE(sub.state().isEnabled(passOn));
        sub.state().setText(delay, c.delayTyped);
        if (c.creationChosen)
            sub.state().choose(creation, *c.creationChosen);
        const std::optional<FormError> error = sub.store(block);
        if (c.refusal) {
            ASSERT_TRUE(error);
            EXPECT_EQ(error->message, c.refusal);
            EXPECT_EQ(error->row, delay);
            continue;
        }
        ASSERT_FALSE(error);
        form.state().setBytes(button, block);
        ASSERT_FALSE(form.store(*shot));
        EXPECT_EQ(shot->intValue(ShotField::TimedDelay), std::stoi(c.delayTyped));
        EXPECT_EQ(shot->hasFlag(ShotTypeFlag::PassOnVelocityToCreationEffect), c.passOnAfter);
        // Only the delay, the creation effect and the one flag bit changed.
        for (size_t i = 0; i < before.size(); ++i) {
            if (i == ShotField::TimedDelay.def().offset || i == ShotField::CreationEffect.def().offset ||
                i == ShotField::CreationEffect.def().offset + 1 || i == ShotField::Flags.def().offset)
                continue;
            EXPECT_EQ(shot->bytes()[i], before[i]) << "byte " << i;
        }
        EXPECT_EQ(shot->bytes()[ShotField::Flags.def().offset] & 0x7F,
                  before[ShotField::Flags.def().offset] & 0x7F);
    }
}

TEST(TypeEditorFormsTest, AShotsValuesOutsideItsListsSurviveUnlessChanged)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = shotTypeForm(db);
    CShotType shot;
    shot.setIntValue(ShotField::AttackCategory, 2); // "Melee Blunt", not a kind a shot attacks with
    shot.setIntValue(ShotField::ProcessType, 77);
    shot.setIntValue(ShotField::Data1, 40000);
    Form<CTypeRecord> form(description);
    form.load(shot);
    EXPECT_FALSE(form.state().choiceIndex(rowOf(description, "Attack Category:")));
    EXPECT_EQ(form.state().text(rowOf(description, "Data &1:")), "40000");
    EXPECT_EQ(form.state().choices(rowOf(description, "Attack Category:")).front().text, "Fire");
    EXPECT_EQ(form.state().choices(rowOf(description, "Attack Category:")).back().text, "Melee Scythe");
    form.state().setText(rowOf(description, "&Health:"), "12");
    ASSERT_FALSE(form.store(shot));
    EXPECT_EQ(shot.intValue(ShotField::AttackCategory), 2);
    EXPECT_EQ(shot.intValue(ShotField::ProcessType), 77);
    EXPECT_EQ(shot.intValue(ShotField::Data1), 40000);
    form.state().setText(rowOf(description, "Data &1:"), "-40000");
    EXPECT_EQ(form.store(shot)->message, "Please enter an integer between -32767 and 32767.");
}

TEST(TypeEditorFormsTest, AnEffectKeepsItsScaleAndFadeBitsUntilTheUserPicksOneMode)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = effectTypeForm(db);
    const size_t scale = rowOf(description, "Scale");
    const size_t fade = rowOf(description, "Fade");
    namespace Flag = EffectTypeFlag;
    constexpr uint32_t kScaleBits = 1u << Flag::Expand | 1u << Flag::Shrink | 1u << Flag::ExpandThenShrink;
    constexpr uint32_t kFadeBits = 1u << Flag::FadeIn | 1u << Flag::FadeOut | 1u << Flag::FadeInOut;
    struct Case {
        uint32_t flagsBefore;
        std::optional<size_t> scaleChosen, fadeChosen;
        uint32_t scaleAfter, fadeAfter;
    } cases[] = {
        {1u << Flag::Expand | 1u << Flag::ExpandThenShrink, 2, std::nullopt, 1u << Flag::Shrink, 0},
        {kScaleBits | kFadeBits, std::nullopt, std::nullopt, kScaleBits, kFadeBits}, // no mode shown
        {kScaleBits | kFadeBits, 1, std::nullopt, 1u << Flag::Expand, kFadeBits},
        {1u << Flag::Shrink | 1u << Flag::FadeOut, 0, 3, 0, 1u << Flag::FadeInOut},
        {0, 3, 1, 1u << Flag::ExpandThenShrink, 1u << Flag::FadeIn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagsBefore);
        CEffectType effect;
        const uint32_t others = 1u << Flag::DieWhenHitSolid | 1u << Flag::GenerateEffectElements;
        effect.setFlags(c.flagsBefore | others);
        Form<CTypeRecord> form(description);
        form.load(effect);
        if (c.scaleChosen)
            form.state().choose(scale, *c.scaleChosen);
        if (c.fadeChosen)
            form.state().choose(fade, *c.fadeChosen);
        ASSERT_FALSE(form.store(effect));
        EXPECT_EQ(effect.flags() & kScaleBits, c.scaleAfter);
        EXPECT_EQ(effect.flags() & kFadeBits, c.fadeAfter);
        EXPECT_EQ(effect.flags() & others, others);
    }
}

TEST(TypeEditorFormsTest, GenerationTypesKeepTheirPairsUntilPickedAndListWhatTheEffectGenerates)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = effectTypeForm(db);
    const size_t button = rowOf(description, "Generation Types...");
    const FormDescription<Bytes>& generation = *description.rows[button].subForm;
    const size_t generates = subRowOf(generation, "Generation");
    const size_t element0 = subRowOf(generation, "Element &0:");
    namespace Flag = EffectTypeFlag;
    const uint32_t effects = 1u << Flag::GenerateEffects, elements = 1u << Flag::GenerateEffectElements;
    const uint32_t uniform = 1u << Flag::UniformDistribution, random = 1u << Flag::RandomDistribution;
    struct Case {
        uint32_t flagsBefore;
        std::optional<size_t> generatesChosen;
        size_t element0Chosen;
        uint32_t flagsAfter;
        int64_t element0After;
    } cases[] = {
        // Neither bit, or both: no option shown, the effects listed, the bits kept.
        {0, std::nullopt, 1, 0, 300},
        {effects | elements | random, std::nullopt, 2, effects | elements | random, 301},
        {effects | elements | uniform, 0, 1, effects | uniform, 300}, // picked: exactly one
        {effects | uniform, 1, 1, elements | uniform, 40},            // refilled with effect elements
        {elements | random, std::nullopt, 2, elements | random, 41},
        {elements | random, 0, 2, effects | random, 301},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagsBefore);
        CEffectType effect;
        effect.setName("Smoke");
        effect.setFlags(c.flagsBefore | 1u << Flag::AlwaysTrigger);
        effect.setIntValue(EffectField::Elements, 77, 7); // a file's id no list offers
        Form<CTypeRecord> form(description);
        form.load(effect);
        Bytes block = form.state().bytes(button);
        Form<Bytes> sub(generation);
        sub.load(block);
        EXPECT_EQ(sub.caption(), "Modify Generation Types for Effect \"Smoke\"");
        EXPECT_EQ(sub.state().choiceIndex(generates).has_value(),
                  std::popcount(c.flagsBefore & (effects | elements)) == 1);
        if (c.generatesChosen) {
            sub.state().choose(generates, *c.generatesChosen);
            EXPECT_EQ(sub.state().choices(element0).back().text, *c.generatesChosen == 0 ? "Sparks" : "Drop");
        }
        sub.state().choose(element0, c.element0Chosen);
        ASSERT_FALSE(sub.store(block));
        form.state().setBytes(button, block);
        ASSERT_FALSE(form.store(effect));
        EXPECT_EQ(effect.flags(), c.flagsAfter | 1u << Flag::AlwaysTrigger);
        EXPECT_EQ(effect.intValue(EffectField::Elements, 0), c.element0After);
        EXPECT_EQ(effect.intValue(EffectField::Elements, 7), c.generatesChosen ? 0 : 77)
            << "kept unless switching the kind refilled it";
    }
}

TEST(TypeEditorFormsTest, AnElementExpandsOrShrinksAndFadingTakesAwayTwoBits)
{
    CTypeDatabase db;
    buildListTypes(db);
    const FormDescription<CTypeRecord> description = effectElementTypeForm(db);
    const size_t shrinks = rowOf(description, "Shrinks");
    const size_t expands = rowOf(description, "Expands");
    const size_t fades = rowOf(description, "Fades");
    namespace Flag = EffectElementTypeFlag;
    const uint32_t cleared = 1u << Flag::ClearedByFading1 | 1u << Flag::ClearedByFading2;
    struct Case {
        uint32_t flagsBefore;
        std::vector<std::pair<size_t, bool>> clicks;
        uint32_t flagsAfter;
    } cases[] = {
        {1u << Flag::Shrinks, {{expands, true}}, 1u << Flag::Expands},
        {1u << Flag::Expands, {{shrinks, true}}, 1u << Flag::Shrinks},
        {1u << Flag::Expands, {{expands, false}}, 0},
        {1u << Flag::Expands | 1u << Flag::Shrinks, {}, 1u << Flag::Expands | 1u << Flag::Shrinks}, // kept
        {cleared, {{fades, true}}, 1u << Flag::Fades},
        {cleared | 1u << Flag::Fades, {}, cleared | 1u << Flag::Fades}, // not set by the user: kept
        {cleared | 1u << Flag::Fades, {{fades, false}}, cleared},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flagsBefore);
        CEffectElementType element;
        element.setFlags(c.flagsBefore);
        Form<CTypeRecord> form(description);
        form.load(element);
        for (auto [row, on] : c.clicks)
            form.state().setChecked(row, on);
        ASSERT_FALSE(form.store(element));
        EXPECT_EQ(element.flags(), c.flagsAfter);
    }
}

} // namespace
} // namespace gr2
