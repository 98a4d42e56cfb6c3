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

#include <numeric>

namespace gr2 {
namespace {

/// Enough types for every list to offer several entries.
void buildListTypes(CTypeDatabase& db)
{
    test::addType(db.effects(), 300, "Smoke");
    test::addType(db.effects(), 301, "Sparks");
    test::addType(db.shots(), 1, "Bolt");
    test::addType(db.shots(), 2, "Arrow");
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

/// A value for the row that differs from what it shows, inside its range or list; `n` makes the
/// values of different rows differ.
void setOtherValue(FormState& s, size_t row, int n)
{
    const FormRow& r = s.row(row);
    switch (r.kind) {
    case ControlKind::Integer: {
        const NumberRange range = r.range ? *r.range : NumberRange{0, 30000};
        const int64_t wanted = int64_t(range.low) + 1 + n;
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
        Bytes block = s.bytes(row);
        std::iota(block.begin(), block.end(), uint8_t(n));
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
                EXPECT_EQ(reread.state().bytes(row), blocks[row]);
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
            if (s.row(row).kind == ControlKind::Integer && s.row(row).range && s.isActive(row)) {
                first = first.value_or(row);
                last = row;
            }
        ASSERT_TRUE(first && last && *first != *last);
        s.setText(*first, "1");
        s.setText(*last, "999999");
        const std::optional<FormError> error = form.store(*record);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->row, *last);
        EXPECT_EQ(error->message, "Please enter an integer between " +
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
    s.choose(rowOf("Shot T&ype:"), 0);
    EXPECT_EQ(s.text(rowOf("Shot Data &1:")), "0");
    s.choose(rowOf("Shot T&ype:"), 2);
    EXPECT_EQ(s.text(rowOf("Shot Data &1:")), "40") << "switching back refills from the record";
    EXPECT_EQ(s.text(rowOf("Shot Data &2:")), "-8");
    s.choose(rowOf("Shot T&ype:"), 0);
    ASSERT_FALSE(form.store(trap));
    EXPECT_EQ(trap.intValue(TrapField::ManaCostToFire), 0);
    EXPECT_EQ(trap.intValue(TrapField::ShotType), 0);
    EXPECT_EQ(trap.intValue(TrapField::ShotData1), 0);
    EXPECT_EQ(trap.intValue(TrapField::ShotData2), 0);
}

TEST(TypeEditorFormsTest, AnObjectLeavesTheEditorWithAtMostOneKindBit)
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
        {1u << ObjectTypeFlag::Crate | 1u << ObjectTypeFlag::Gold, std::nullopt, 1u << ObjectTypeFlag::Crate},
        {1u << ObjectTypeFlag::Food | 1u << ObjectTypeFlag::LevelGem, std::nullopt,
         1u << ObjectTypeFlag::LevelGem},
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

TEST(TypeEditorFormsTest, TheTerrainEditorListsNoRoomFloorAndStoresNoRoomLink)
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
    ASSERT_FALSE(form.store(path));
    EXPECT_FALSE(path.hasFlag(TerrainTypeFlag::RoomLink));
}

TEST(TypeEditorFormsTest, AnImpenetrableTerrainBecomesItselfAndUsesTheFirstEffect)
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
        EXPECT_EQ(form.state().value(changeRows[0]), impenetrable ? 1 : 2) << "shows the terrain itself";
        ASSERT_FALSE(form.store(rock));
        EXPECT_EQ(rock.intValue(TerrainField::MaxHealthType), impenetrable ? 1 : 2);
        EXPECT_EQ(rock.intValue(TerrainField::DestroyedType), impenetrable ? 1 : 2);
        EXPECT_EQ(rock.intValue(TerrainField::MaxHealthEffect), impenetrable ? 1 : 300);
        EXPECT_EQ(rock.intValue(TerrainField::DestroyedEffect), impenetrable ? 1 : 301);
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

} // namespace
} // namespace gr2
