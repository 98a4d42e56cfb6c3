// The stats import on small texts built in code: every code of every family, the cell kinds, the
// world variables and experience-level lines, the messages, and hostile text.

#include "stats/StatsImport.h"
#include "app/StatsImportCommand.h"
#include "stats/LightDescriptor.h"
#include "support/ScriptedPrompter.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include "app/EditorApp.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

namespace gr2 {
namespace {

using Result = StatsImport::Result;

std::string joinCells(const std::vector<std::string>& cells)
{
    std::string out;
    for (size_t i = 0; i < cells.size(); ++i)
        out += (i ? "\t" : "") + cells[i];
    return out;
}

/// One section: start line, code line, column titles, the data lines, end line; CR LF line ends.
std::string section(const std::string& name, const std::vector<int>& codes,
                    const std::vector<std::vector<std::string>>& rows, bool withEnd = true)
{
    std::vector<std::string> codeCells = {"", ""};
    std::vector<std::string> titles = {"ID", "Name"};
    for (int c : codes) {
        codeCells.push_back(std::to_string(c));
        titles.push_back("Column " + std::to_string(c));
    }
    std::string out =
        "[START: " + name + "]\r\n" + joinCells(codeCells) + "\r\n" + joinCells(titles) + "\r\n";
    for (const auto& r : rows)
        out += joinCells(r) + "\r\n";
    if (withEnd)
        out += "[END: " + name + "]\r\n";
    return out;
}

std::vector<int> codeRange(int first, int last, std::vector<int> skip = {})
{
    std::vector<int> out;
    for (int c = first; c <= last; ++c)
        if (std::find(skip.begin(), skip.end(), c) == skip.end())
            out.push_back(c);
    return out;
}

/// Every record's bytes and every variable, to show that something changed nothing.
struct Snapshot {
    std::vector<Bytes> records;
    std::array<double, kVariableCount> values{};
    std::vector<int16_t> experience;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const CTypeDatabase& db)
{
    Snapshot s;
    for (size_t f = 0; f < kTypeFamilyCount; ++f) {
        const TypeTableBase& t = db.table(TypeFamily(f));
        for (size_t i = 0; i < t.count(); ++i)
            s.records.emplace_back(t.recordAt(i)->bytes().begin(), t.recordAt(i)->bytes().end());
    }
    s.values = db.variables().values();
    for (size_t stat = 0; stat < kExperienceStats; ++stat) {
        for (size_t col = 0; col < kExperienceLevels; ++col)
            s.experience.push_back(db.variables().experienceIncrease(stat, col));
        s.experience.push_back(db.variables().firstPersonIncrease(stat));
    }
    return s;
}

struct Expect {
    const char* field;
    double value;
};

// The expectations name fields as the stats sheet's columns do; a name the record's table lacks
// fails rather than reading as zero.
void expectFields(const CTypeRecord& r, std::initializer_list<Expect> expected)
{
    for (const Expect& e : expected) {
        const FieldDef* field = r.layout().find(e.field);
        if (!field) {
            ADD_FAILURE() << r.name() << ": no field " << e.field;
            continue;
        }
        EXPECT_NEAR(r.realValue(*field), e.value, 1e-6) << r.name() << " " << e.field;
    }
}

uint32_t bits(std::initializer_list<int> list)
{
    uint32_t out = 0;
    for (int b : list)
        out |= 1u << b;
    return out;
}

// A part of a record's light descriptor, `light` being the record's light field.
const FieldDef& lightPart(uint32_t part)
{
    return *findFieldAt(lightDescriptorLayout(), part)->field;
}

double lightReal(const CTypeRecord& r, TypeField light, uint32_t part)
{
    return getRealField(r.fieldBytes(light), lightPart(part));
}

int64_t lightInt(const CTypeRecord& r, TypeField light, uint32_t part)
{
    return getIntField(r.fieldBytes(light), lightPart(part));
}

class StatsImportTest : public ::testing::Test {
protected:
    void SetUp() override { test::buildSmallTypeData(db); }

    Result run(std::string_view text) { return StatsImport(db, prompter).importText(text); }

    CTypeDatabase db;
    test::ScriptedPrompter prompter;
};

TEST_F(StatsImportTest, TerrainRowSetsEveryCode)
{
    CTerrainType& rock = *db.terrains().findById(1);
    rock.setFlags(bits({20, 26, 0}));
    const auto row = std::vector<std::string>{"1",   "Rock", "1001", "1002", "1003",  "300", "200",
                                              "511", "2.5",  "TRUE", "-7",   "70000", "1",   "256",
                                              "2",   "TRUE", "true", "-3.9", "TRUE",  "0.25"};
    ASSERT_EQ(run(section("TERRAIN", codeRange(1, 19, {9}), {row})), Result::Imported);
    expectFields(rock, {{"maxHealth", 1001},
                        {"startingHealth", 1002},
                        {"goldValue", 1003},
                        {"terrainLightRed", 44},
                        {"terrainLightGreen", 200},
                        {"terrainLightBlue", 255},
                        {"terrainLightHeight", 2.5},
                        {"maxManaGain", -7},
                        {"manaGain", 4464}, // 70000 truncated to sixteen bits
                        {"ambientLightRed", 1},
                        {"ambientLightGreen", 0},
                        {"ambientLightBlue", 2},
                        {"damage", -3},
                        {"value548", 0.25}});
    // Colours above 255 set their ninth bit, others clear it; bit 0 is no column's and stays.
    EXPECT_EQ(rock.flags(), bits({0, 6, 19, 21, 24, 26, 28, 29}));
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(StatsImportTest, RoomRowSetsTheRoomAndItsFloorTerrain)
{
    CRoomType& treasury = *db.rooms().findById(1);
    CTerrainType& floor = *db.terrains().findById(10);
    treasury.setFlags(bits({1, 7}));
    const uint32_t floorFlagsBefore = floor.flags();
    const auto row =
        std::vector<std::string>{"1",    "Treasury", "500", "2000", "1500", "TRUE", "TRUE", "FALSE", "TRUE",
                                 "260",  "9",        "10",  "3.5",  "400",  "13",   "14",   "1.5",   "TRUE",
                                 "TRUE", "18",       "19",  "20",   "21",   "0.75", "1.25", "24"};
    ASSERT_EQ(run(section("ROOMS", codeRange(1, 24), {row})), Result::Imported);
    expectFields(treasury, {{"cost", 500},
                            {"torchRed", 144},
                            {"torchGreen", 13},
                            {"torchBlue", 14},
                            {"torchHeight", 1.5},
                            {"torchIntensity", 21},
                            {"torchRadius", 0.75},
                            {"healthGain", 24}});
    EXPECT_EQ(treasury.flags(), bits({0, 2, 7, 9}));
    expectFields(floor, {{"maxHealth", 2000},
                         {"startingHealth", 1500},
                         {"terrainLightRed", 4},
                         {"terrainLightGreen", 9},
                         {"terrainLightBlue", 10},
                         {"terrainLightHeight", 3.5},
                         {"ambientLightRed", 18},
                         {"ambientLightGreen", 19},
                         {"ambientLightBlue", 20},
                         {"value548", 1.25}});
    EXPECT_EQ(floor.flags(), floorFlagsBefore | bits({5, 19, 28, 29}));
}

TEST_F(StatsImportTest, DoorTrapObjectAndSpellRowsSetEveryCode)
{
    std::string text =
        section("DOORS", codeRange(1, 6), {{"1", "Wooden", "101", "102", "103", "104", "5", "106"}});
    text += section("TRAPS", codeRange(1, 26),
                    {{"1",   "Sentry", "201",      "1.5", "203",  "2.25", "205",  "206",  "3.5",  "8",
                      "209", "210",    "pressure", "212", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE", "TRUE",
                      "219", "220",    "221",      "999", "0.5",  "1",    "-1.5", "2"}});
    text +=
        section("OBJECTS", codeRange(1, 11),
                {{"1", "Gold", "301", "1.5", "2.5", "-0.5", "4", "300", "7", "511", "TRUE", "TRUE", "TRUE"}});
    text += section("CREATURE SPELLS", codeRange(1, 4), {{"1", "Fireball", "401", "402", "403", "404"}});
    text += section("VORLAN SPELLS", codeRange(1, 11),
                    {{"1", "Lightning", "501", "502", "1.5", "Own/Neutral Land", "505", "506", "possession",
                      "508", "509", "510", "511"}});
    ASSERT_EQ(run(text), Result::Imported);

    const CDoorType& door = *db.doors().findById(1);
    expectFields(door, {{"goldCost", 101},
                        {"health", 102},
                        {"value566", 103},
                        {"manufactureToBuild", 104},
                        {"trapType", 5},
                        {"healthGain", 106}});

    const CTrapType& trap = *db.traps().findById(1);
    expectFields(trap, {{"health", 201},
                        {"chargeTime", 1.5},
                        {"manaCost", 203},
                        {"rechargeTime", 2.25},
                        {"manaUsage", 205},
                        {"manaCostToFire", 206},
                        {"threatDuration", 3.5},
                        {"value522", 8},
                        {"manufactureToBuild", 209},
                        {"shotData1", 210},
                        {"triggerType", 2},
                        {"triggerData", 212},
                        {"threat", 219},
                        {"shotData2", 220},
                        {"healthGain", 221},
                        {"shotDelay", 0.5},
                        {"shotOffsetX", 1},
                        {"shotOffsetY", -1.5},
                        {"shotOffsetZ", 2}});
    EXPECT_EQ(trap.flags(), bits({1, 2, 3, 4, 5, 10}));

    const CObjectType& object = *db.objects().findById(1);
    expectFields(object, {{"health", 301}});
    EXPECT_DOUBLE_EQ(lightReal(object, ObjectField::Light, LightPart::X), 1.5);
    EXPECT_DOUBLE_EQ(lightReal(object, ObjectField::Light, LightPart::Y), 2.5);
    EXPECT_DOUBLE_EQ(lightReal(object, ObjectField::Light, LightPart::Z), -0.5);
    EXPECT_DOUBLE_EQ(lightReal(object, ObjectField::Light, LightPart::Radius), 4);
    EXPECT_EQ(lightInt(object, ObjectField::Light, LightPart::Red), 44);
    EXPECT_EQ(lightInt(object, ObjectField::Light, LightPart::Green), 7);
    EXPECT_EQ(lightInt(object, ObjectField::Light, LightPart::Blue), 255);
    EXPECT_EQ(uint32_t(lightInt(object, ObjectField::Light, LightPart::Flags)),
              bits({1, 2, 7, LightFlag::RedNinthBit, LightFlag::BlueNinthBit}));

    const CCreatureSpellType& creatureSpell = *db.creatureSpells().findById(1);
    expectFields(creatureSpell, {{"shotData1", 401}, {"shotData2", 402}});
    EXPECT_EQ(creatureSpell.bytes().size(), recordSizeOf(TypeFamily::CreatureSpell));

    const CVorlanSpellType& spell = *db.vorlanSpells().findById(1);
    expectFields(spell, {{"manaCost", 501},
                         {"manaDrain", 502},
                         {"rechargeTime", 1.5},
                         {"castRule", 2},
                         {"shotData1", 505},
                         {"shotData2", 506},
                         {"targetRule", 6},
                         {"bonusShotData1", 508},
                         {"bonusShotData2", 509},
                         {"researchTime", 510},
                         {"bonusRechargeTime", 511}});
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(StatsImportTest, CreatureRowSetsEveryCode)
{
    CCreatureType& warlock = *db.creatures().findById(3);
    warlock.setFlags1(bits({10, 8}));
    std::vector<std::string> row = {"3", "Warlock"};
    const char* cells[] = {
        "1001", "1.5",   "2.5",  "-4",  "Flanker", "scout", "3.25", "4.75", "9",     "10",    // 1-10
        "1100", "12",    "13",   "14",  "15",      "16",    "1700", "18",   "19",    "0.5",   // 11-20
        "-21",  "22",    "23.5", "24",  "25",      "26",    "-27",  "28.5", "29.25", "30",    // 21-30
        "31",   "0.125", "33",   "34",  "150",     "36",    "37",   "38",   "39",    "40",    // 31-40
        "-41",  "-42",   "-43",  "-44", "-45",     "TRUE",  "TRUE", "TRUE", "TRUE",  "TRUE",  // 41-50
        "TRUE", "TRUE",  "TRUE", "x",   "x",       "x",     "TRUE", "TRUE", "TRUE",  "FALSE", // 51-60
        "TRUE", "x",     "TRUE", "x",   "65",      "6.5",   "TRUE", "68",   "-69",   "70",    // 61-70
        "1.5",  "2",     "0.25", "7",   "256",     "76",    "77",   "TRUE", "TRUE",  "TRUE",  // 71-80
        "8.5",  "-82",   "-83",  "50",  "12.5",    "0.5",   "1",    "2",    "3",     "1.5",   // 81-90
        "4",    "5",     "6",    "2.5", "7",       "8",     "9",    "0.75", "TRUE",  "TRUE",  // 91-100
    };
    row.insert(row.end(), std::begin(cells), std::end(cells));
    ASSERT_EQ(run(section("CREATURES", codeRange(1, 100), {row})), Result::Imported);

    expectFields(warlock, {{"health", 1001},
                           {"meleeRechargeTime", 1.5},
                           {"meleeRange", 2.5},
                           {"meleeDamage", -4},
                           {"fightStyle", 3},
                           {"jobClass", 3},
                           {"speed", 3.25},
                           {"runSpeed", 4.75},
                           {"fear", 9},
                           {"threat", 10},
                           {"experienceForNextLevel", 1100},
                           {"experiencePerSecond", 12},
                           {"experienceFromTraining", 13},
                           {"researchPoints", 14},
                           {"manufacturePoints", 15},
                           {"pay", 16},
                           {"maxGoldHeld", 1700},
                           {"tortureTimeToConvert", 18},
                           {"initialGoldHeld", 19},
                           {"value3752", 0.5},
                           {"manaGeneratedByPrayer", -21},
                           {"possessionManaCost", 22},
                           {"value3923", 24},
                           {"value3916", 25},
                           {"value3917", 26},
                           {"value3872", -27},
                           {"distanceCanSee", 28.5},
                           {"distanceCanHear", 29.25},
                           {"slapDamage", 30},
                           {"hungerRate", 0.125},
                           {"hungerFill", 33},
                           {"healthFromChicken", 34},
                           {"value3756", 1.5}, // the cell divided by 100
                           {"timeAwake", 36},
                           {"sleepDuration", 37},
                           {"moodUnhappyThreshold", 38},
                           {"decomposeValue", 39},
                           {"value3921", 40},
                           {"angerNoLair", -41},
                           {"angerNoFood", -42},
                           {"angerNoPay", -43},
                           {"angerNoWork", -44},
                           {"angerSlap", -45},
                           {"value3812", 65},
                           {"slapFearlessDuration", 6.5},
                           {"ownLandHealthIncrease", 68},
                           {"angerInHand", -69},
                           {"value4043", 70},
                           {"value4219", 8.5},
                           {"tortureHealthChange", -82},
                           {"tortureMoodChange", -83},
                           {"perceptionRange", 12.5},
                           {"spell1ShotDelay", 0.5},
                           {"spell1ShotOffsetX", 1},
                           {"spell1ShotOffsetY", 2},
                           {"spell1ShotOffsetZ", 3},
                           {"spell2ShotDelay", 1.5},
                           {"spell2ShotOffsetX", 4},
                           {"spell2ShotOffsetY", 5},
                           {"spell2ShotOffsetZ", 6},
                           {"spell3ShotDelay", 2.5},
                           {"spell3ShotOffsetX", 7},
                           {"spell3ShotOffsetY", 8},
                           {"spell3ShotOffsetZ", 9},
                           {"meleeShotDelay", 0.75}});
    EXPECT_EQ(warlock.intValue(CreatureField::named("value4045", 4045)), 2048); // 50 percent × 40.96
    EXPECT_DOUBLE_EQ(lightReal(warlock, CreatureField::Light, LightPart::X), 1.5);
    EXPECT_DOUBLE_EQ(lightReal(warlock, CreatureField::Light, LightPart::Y), 2);
    EXPECT_DOUBLE_EQ(lightReal(warlock, CreatureField::Light, LightPart::Z), 0.25);
    EXPECT_DOUBLE_EQ(lightReal(warlock, CreatureField::Light, LightPart::Radius), 7);
    EXPECT_EQ(lightInt(warlock, CreatureField::Light, LightPart::Red), 0);
    EXPECT_EQ(lightInt(warlock, CreatureField::Light, LightPart::Green), 76);
    EXPECT_EQ(lightInt(warlock, CreatureField::Light, LightPart::Blue), 77);
    EXPECT_EQ(uint32_t(lightInt(warlock, CreatureField::Light, LightPart::Flags)),
              bits({1, 2, 7, LightFlag::RedNinthBit}));
    // Evil (59) clears good; 60 FALSE leaves good clear. Bit 10 was set before and set again.
    EXPECT_EQ(warlock.flags1(), bits({0, 1, 2, 4, 5, 6, 7, 9, 10, 13, 15, 16, 17, 18, 25, 26}));

    // The read-and-ignored columns (23, 31, 54-56, 62, 64) change nothing, whatever they hold.
    const Bytes imported(warlock.bytes().begin(), warlock.bytes().end());
    ASSERT_EQ(run(section("CREATURES", {23, 31, 54, 55, 56, 62, 64},
                          {{"3", "Warlock", "5", "TRUE", "FALSE", "9", "-7", "1.5", "#N/A"}})),
              Result::Imported);
    EXPECT_TRUE(std::ranges::equal(warlock.bytes(), imported));
}

TEST_F(StatsImportTest, NotAvailableIsReportedPerCellAndStoresZero)
{
    struct Case {
        const char* section;
        const char* id;
        const char* message;
        TypeField field;
    };
    const Case cases[] = {
        {"TERRAIN", "1", "Invalid Field - Terrain [ Type ID 1 [ Rock ] ]", TerrainField::MaxHealth},
        {"ROOMS", "1", "Invalid Field - Room [ Type ID 1 [ Treasury ] ]", RoomField::Cost},
        {"CREATURES", "2", "Invalid Field - Creature [ Type ID 2 [ Knight ] ]", CreatureField::Health},
        {"DOORS", "1", "Invalid Field - Door [ Type ID 1 [ Wooden ] ]", DoorField::GoldCost},
        {"TRAPS", "1", "Invalid Field - Trap [ Type ID 1 [ Sentry ] ]", TrapField::Health},
        {"OBJECTS", "1", "Invalid Field - Object [ Type ID 1 [ Gold ] ]", ObjectField::Health},
        {"CREATURE SPELLS", "1", "Invalid Field - Creature Spell [ Type ID 1 [ Fireball ] ]",
         CreatureSpellField::ShotData1},
        {"VORLAN SPELLS", "14", "Invalid Field - Vorlan Spell [ Type ID 14 [ Hidden ] ]",
         VorlanSpellField::ManaCost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.section);
        CTypeRecord& r = *db.table(c.field.family).findRecordById(uint32_t(std::stoi(c.id)));
        r.setIntValue(c.field, 77);
        prompter.clear();
        // Three "#N/A" cells, the second under a code no section knows.
        ASSERT_EQ(run(section(c.section, {1, 999, 1}, {{c.id, "Named In Sheet", "#N/A", "#N/A", "#N/A"}})),
                  Result::Imported);
        EXPECT_EQ(r.intValue(c.field), 0);
        ASSERT_EQ(prompter.entries().size(), 2u) << "one message per cell of a known code";
        EXPECT_EQ(prompter.entries()[0].text, c.message);
        EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Exclamation);
        EXPECT_FALSE(prompter.entries()[0].question);
    }
}

TEST_F(StatsImportTest, TrueFalseDashAndNumbersInFlagAndValueColumns)
{
    CTrapType& trap = *db.traps().findById(1);
    trap.setIntValue(TrapField::Health, 50);
    trap.setFlags(bits({2, 3}));
    // code 1 health, 13 bit 1, 14 bit 2, 15 bit 3, 16 bit 4, 17 bit 5
    ASSERT_EQ(run(section("TRAPS", {1, 13, 14, 15, 16, 17},
                          {{"1", "Sentry", "-", "TRUE", "FALSE", "-", "1", "0"}})),
              Result::Imported);
    EXPECT_EQ(trap.intValue(TrapField::Health), 50) << "a lone dash leaves the field unchanged";
    EXPECT_EQ(trap.flags(), bits({1, 3, 4}));

    ASSERT_EQ(run(section("TRAPS", {1, 2}, {{"1", "Sentry", "-5", "TRUE"}})), Result::Imported);
    EXPECT_EQ(trap.intValue(TrapField::Health), -5);
    EXPECT_EQ(trap.realValue(TrapField::ChargeTime), 0.0) << "TRUE in a number column is 0";

    ASSERT_EQ(run(section("TRAPS", {1}, {{"1", "Sentry", "-0"}})), Result::Imported);
    EXPECT_EQ(trap.intValue(TrapField::Health), -5);
}

TEST_F(StatsImportTest, EvilAndGoodExcludeEachOther)
{
    CCreatureType& imp = *db.creatures().findById(1);
    CCreatureType& knight = *db.creatures().findById(2);
    imp.setFlags1(bits({CreatureFlag1::IsGood}));
    knight.setFlags1(bits({CreatureFlag1::IsEvil}));
    ASSERT_EQ(run(section("CREATURES", {59, 60}, {{"1", "Imp", "TRUE", "-"}, {"2", "Knight", "-", "TRUE"}})),
              Result::Imported);
    EXPECT_EQ(imp.flags1(), bits({CreatureFlag1::IsEvil}));
    EXPECT_EQ(knight.flags1(), bits({CreatureFlag1::IsGood}));
    // Clearing one leaves the other alone.
    ASSERT_EQ(run(section("CREATURES", {59}, {{"2", "Knight", "FALSE"}})), Result::Imported);
    EXPECT_EQ(knight.flags1(), bits({CreatureFlag1::IsGood}));
}

TEST_F(StatsImportTest, WordColumns)
{
    CTrapType& trap = *db.traps().findById(1);
    CCreatureType& imp = *db.creatures().findById(1);
    CVorlanSpellType& spell = *db.vorlanSpells().findById(1);
    std::string text = section("TRAPS", {11}, {{"1", "Sentry", " LINE OF SIGHT "}});
    text += section("CREATURES", {5, 6}, {{"1", "Imp", "Support", "Thinker"}});
    text += section("VORLAN SPELLS", {4, 7}, {{"1", "Lightning", "Anywhere", "all creatures"}});
    ASSERT_EQ(run(text), Result::Imported);
    EXPECT_EQ(trap.intValue(TrapField::TriggerType), 1);
    EXPECT_EQ(imp.intValue(CreatureField::FightStyle), 4);
    EXPECT_EQ(imp.intValue(CreatureField::JobClass), 1);
    EXPECT_EQ(spell.intValue(VorlanSpellField::CastRule), 5);
    EXPECT_EQ(spell.intValue(VorlanSpellField::TargetRule), 3);

    // A word the column does not know, a number, a word of another column and "#N/A" change nothing.
    text = section("TRAPS", {11}, {{"1", "Sentry", "Tripwire"}});
    text += section("CREATURES", {5, 6}, {{"1", "Imp", "2", "Flanker"}});
    text += section("VORLAN SPELLS", {4, 7}, {{"1", "Lightning", "#N/A", "Own Land"}});
    ASSERT_EQ(run(text), Result::Imported);
    EXPECT_EQ(trap.intValue(TrapField::TriggerType), 1);
    EXPECT_EQ(imp.intValue(CreatureField::FightStyle), 4);
    EXPECT_EQ(imp.intValue(CreatureField::JobClass), 1);
    EXPECT_EQ(spell.intValue(VorlanSpellField::CastRule), 5);
    EXPECT_EQ(spell.intValue(VorlanSpellField::TargetRule), 3);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Invalid Field - Vorlan Spell [ Type ID 1 [ Lightning ] ]"});
}

TEST_F(StatsImportTest, WorldVariables)
{
    CGlobalVariables& vars = db.variables();
    vars.setValue(4, 5);
    vars.setValue(5, -5);
    vars.setValue(12, 5);
    const Snapshot before = snapshot(db);
    const std::string text = "[START: WORLD VARIABLES]\r\n"
                             "Row\tName\tValue\r\n"
                             "1\tEntrance Generation Speed\t240.7\r\n" // 3, a whole number
                             "2\tClaim Tile Health\tTRUE\r\n"          // 4 = 1
                             "3\tAttack Tile Health\t-\r\n"            // 5 unchanged
                             "8\tReinforce Wall Health\t#N/A\r\n"      // 12 = 0, reported
                             "7\tNot Used\t999\r\n"                    // no variable
                             "0\tBlank\t999\r\n"
                             "205\tBeyond\t999\r\n"
                             "138\tBoulder Deterioration\t1.75\r\n" // 155, a real value
                             "192\tTorch Radius\t-2.5\r\n"          // 220, a real value
                             "12\tConvert Neutral Room Health\t-12\r\n"
                             "[END: WORLD VARIABLES]\r\n";
    ASSERT_EQ(run(text), Result::Imported);
    EXPECT_EQ(vars.value(3), 240);
    EXPECT_EQ(vars.value(4), 1);
    EXPECT_EQ(vars.value(5), -5);
    EXPECT_EQ(vars.value(12), 0);
    EXPECT_EQ(vars.value(155), 1.75);
    EXPECT_EQ(vars.value(220), -2.5);
    EXPECT_EQ(vars.value(136), -12);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Invalid World Variable Field [ ID 8 ]"});
    // Nothing else moved.
    Snapshot after = snapshot(db);
    for (uint32_t id : {3u, 4u, 12u, 155u, 220u, 136u})
        after.values[id] = before.values[id];
    EXPECT_TRUE(after == before);
}

TEST_F(StatsImportTest, ExperienceLevelLines)
{
    CGlobalVariables& vars = db.variables();
    vars.setExperienceIncrease(1, 1, 33); // Health, level 3
    const Snapshot before = snapshot(db);
    // Code 9 is Fear (stat 2), 1 Health (stat 1), 3 sets no stat, 84 Scale (stat 29).
    const std::vector<int> codes = {9, 1, 3, 84};
    ASSERT_EQ(run(section("CREATURES", codes,
                          {{"-3", "Level 3", "20", "-5", "7", "70000"},
                           {"-11", "First Person", "25", "TRUE", "7", "#N/A"},
                           {"-1", "Nothing", "99", "99", "99", "99"},
                           {"-12", "Nothing", "99", "99", "99", "99"},
                           // The smallest ids, as written and as a number too long to hold.
                           {"-9223372036854775808", "Nothing", "99", "99", "99", "99"},
                           {"-" + std::string(40, '9'), "Nothing", "99", "99", "99", "99"},
                           {"253", "Not Level 3", "99", "99", "99", "99"}})),
              Result::Imported);
    EXPECT_EQ(vars.experienceIncrease(2, 1), 20);
    EXPECT_EQ(vars.experienceIncrease(1, 1), 33) << "a cell beginning with - is passed over";
    EXPECT_EQ(vars.experienceIncrease(29, 1), 4464) << "truncated to sixteen bits";
    EXPECT_EQ(vars.firstPersonIncrease(2), 25);
    EXPECT_EQ(vars.firstPersonIncrease(1), 0);
    EXPECT_EQ(vars.firstPersonIncrease(29), 0);
    EXPECT_TRUE(prompter.entries().empty()) << "no message for #N/A in these lines";
    Snapshot after = snapshot(db);
    int changed = 0;
    for (size_t i = 0; i < after.experience.size(); ++i)
        changed += after.experience[i] != before.experience[i];
    EXPECT_EQ(changed, 3); // level 3 Fear and Scale, first-person Fear
    after.experience = before.experience;
    EXPECT_TRUE(after == before);
}

TEST_F(StatsImportTest, RoomWithoutItsFloorTerrainStillTakesItsOwnCodes)
{
    CRoomType& portal = *db.rooms().findById(12);
    portal.setFloorTerrainId(99); // no such terrain
    const Snapshot terrainsBefore = snapshot(db);
    ASSERT_EQ(run(section("ROOMS", {2, 1, 7, 24}, {{"12", "Portal", "2000", "750", "TRUE", "5"}})),
              Result::Imported);
    EXPECT_EQ(portal.intValue(RoomField::Cost), 750);
    EXPECT_EQ(portal.intValue(RoomField::HealthGain), 5);
    for (size_t i = 0; i < db.terrains().count(); ++i)
        EXPECT_TRUE(std::ranges::equal(db.terrains().at(i)->bytes(), terrainsBefore.records[i]));
}

TEST_F(StatsImportTest, TorchHeightIsHeldToSixteenBits)
{
    CRoomType& treasury = *db.rooms().findById(1);
    ASSERT_EQ(run(section("ROOMS", {15}, {{"1", "Treasury", "10"}})), Result::Imported);
    EXPECT_EQ(treasury.intValue(RoomField::TorchHeight), 32767);
    ASSERT_EQ(run(section("ROOMS", {15}, {{"1", "Treasury", "-9"}})), Result::Imported);
    EXPECT_EQ(treasury.intValue(RoomField::TorchHeight), -32768);
    ASSERT_EQ(run(section("ROOMS", {15}, {{"1", "Treasury", "7.5"}})), Result::Imported);
    EXPECT_EQ(treasury.intValue(RoomField::TorchHeight), 30720);
}

TEST_F(StatsImportTest, LineEndsDoNotChangeWhatAFileMeans)
{
    const std::string crlf =
        section("DOORS", {1, 2}, {{"1", "Wooden", "11", "12"}, {"2", "Good Door", "21", "22"}}) +
        section("TERRAIN", {1}, {{"2", "Path", "5"}});
    ASSERT_EQ(run(crlf), Result::Imported);
    const Snapshot expected = snapshot(db);
    auto replaced = [&](const std::string& by) {
        std::string out;
        for (size_t i = 0; i < crlf.size(); ++i) {
            if (crlf.compare(i, 2, "\r\n") == 0) {
                out += by;
                ++i;
            } else {
                out += crlf[i];
            }
        }
        return out;
    };
    for (const std::string& ending : {std::string("\n"), std::string("\r")}) {
        CTypeDatabase other;
        test::buildSmallTypeData(other);
        ASSERT_EQ(StatsImport(other, prompter).importText(replaced(ending)), Result::Imported);
        EXPECT_TRUE(snapshot(other) == expected);
    }
    // Without the final line end.
    CTypeDatabase other;
    test::buildSmallTypeData(other);
    ASSERT_EQ(StatsImport(other, prompter).importText(crlf.substr(0, crlf.size() - 2)), Result::Imported);
    EXPECT_TRUE(snapshot(other) == expected);
}

TEST_F(StatsImportTest, UnknownSectionStopsTheImportAndKeepsWhatWasSet)
{
    const std::string text = section("DOORS", {1}, {{"1", "Wooden", "11"}}) +
                             section("WIBBLE", {1}, {{"1", "x", "5"}}) +
                             section("DOORS", {1}, {{"2", "Good Door", "22"}});
    EXPECT_EQ(run(text), Result::Aborted);
    EXPECT_EQ(db.doors().findById(1)->intValue(DoorField::GoldCost), 11);
    EXPECT_EQ(db.doors().findById(2)->intValue(DoorField::GoldCost), 0);
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Unknown Stat Data \"[START: WIBBLE]\" - Aborting Load"});
}

TEST_F(StatsImportTest, TextsThatChangeNothing)
{
    const Snapshot before = snapshot(db);
    const std::string texts[] = {
        "",
        "no tabs at all\r\n[START: DOORS]\r\n",
        section("DOORS", {1}, {{"99", "No Such Door", "5"}, {"0", "Zero", "5"}, {"x", "Text", "5"}}),
        section("DOORS", {1}, {{"257", "Beyond A Byte", "5"}, {"65537", "Beyond Sixteen Bits", "5"}}),
        section("CAMERA MODES", {1}, {{"1", "Wooden", "5"}}),
        section("DOORS", {0, -1, 7, 1000000}, {{"1", "Wooden", "5", "5", "5", "5"}}),
        "outside\tany\tsection\r\n1\tWooden\t5\r\n[END: DOORS]\r\n",
        "[START: DOORS]\r\n",
        "[START: DOORS]\r\n\t\t1\r\n",
        "[START: DOORS]\r\n\t\t1\r\n[END: DOORS]\r\n1\tWooden\t5\r\n",
        "[START: WORLD VARIABLES]\r\n[END: WORLD VARIABLES]\r\n1\tx\t5\r\n",
    };
    for (const std::string& text : texts) {
        run(text);
        EXPECT_TRUE(snapshot(db) == before) << text;
    }
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_EQ(run("no tab here"), Result::NoStatsData);
}

TEST_F(StatsImportTest, MissingEndLines)
{
    // The end of the text ends the section; a start line ends a section whose end line is missing,
    // so the next section's lines are not taken for the first one's.
    const std::string text = section("DOORS", {1}, {{"1", "Wooden", "11"}}, false) +
                             section("TRAPS", {1}, {{"1", "Sentry", "33"}}, false);
    ASSERT_EQ(run(text), Result::Imported);
    EXPECT_EQ(db.doors().findById(1)->intValue(DoorField::GoldCost), 11);
    EXPECT_EQ(db.traps().findById(1)->intValue(TrapField::Health), 33);
    EXPECT_EQ(db.doors().findById(1)->intValue(DoorField::Health), 0);
}

TEST_F(StatsImportTest, HostileCells)
{
    CDoorType& door = *db.doors().findById(1);
    CTrapType& trap = *db.traps().findById(1);
    const std::string longName(2 << 20, 'n');
    const std::string huge(400, '9');
    std::vector<int> manyCodes(5000, 1);
    std::vector<std::string> shortRow = {"1", "Wooden", "12"};
    std::string text = section("DOORS", {1, 2}, {{"1", longName, "7", "8"}});
    text += section("TRAPS", {1, 2, 3}, {{"1", "Sentry", huge, huge, "-" + huge}});
    text += section("DOORS", manyCodes, {shortRow});
    text += section("DOORS", {2},
                    {{std::string("1\0", 2), "x",
                      std::string("4\0"
                                  "5",
                                  3)}});
    ASSERT_EQ(run(text), Result::Imported);
    EXPECT_EQ(door.intValue(DoorField::GoldCost), 12) << "more codes than cells: the cells that are there";
    EXPECT_EQ(door.intValue(DoorField::Health), 4) << "a NUL ends the number";
    EXPECT_EQ(trap.intValue(TrapField::Health), -1) << "saturated, then truncated to sixteen bits";
    EXPECT_EQ(trap.intValue(TrapField::ChargeTime), 0x7FFFFFFF) << "a real is held to its fixed-point range";
    EXPECT_EQ(trap.intValue(TrapField::ManaCost), 0);
}

TEST_F(StatsImportTest, FilesAreReadWhole)
{
    test::TempDir dir;
    const std::string text = section("DOORS", {1}, {{"1", "Wooden", "11"}});
    test::writeFile(dir / "stats.txt", std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    test::writeFile(dir / "empty.txt", {});
    for (const char* name : {"missing.txt", "empty.txt", "."}) {
        prompter.clear();
        EXPECT_EQ(StatsImport(db, prompter).importFile(dir / name), Result::LoadFailed) << name;
        EXPECT_EQ(prompter.texts(),
                  std::vector<std::string>{"Cannot load Stats file (" + (dir / name).string() + ")"});
    }
    prompter.clear();
    EXPECT_EQ(StatsImport(db, prompter).importFile(dir / "stats.txt"), Result::Imported);
    EXPECT_EQ(db.doors().findById(1)->intValue(DoorField::GoldCost), 11);
    EXPECT_TRUE(prompter.entries().empty());
}

TEST(StatsImportAppTest, ImportRebuildsWhatDependsOnTheTypeTables)
{
    test::TempDir dir;
    test::ScriptedPrompter prompter;
    EditorApp app(dir.path(), prompter);
    test::buildSmallTypeData(app.types());
    int edited = 0;
    app.addGlobalDataListener(
        [&](EditorApp::Change change) { edited += change == EditorApp::Change::Edited; });
    const std::string text = section("CREATURES", {1}, {{"2", "Knight", "900"}});
    test::writeFile(dir / "stats.txt", std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));

    EXPECT_EQ(importStatsFile(app, dir / "missing.txt"), Result::LoadFailed);
    EXPECT_EQ(edited, 0);
    EXPECT_EQ(importStatsFile(app, dir / "stats.txt"), Result::Imported);
    EXPECT_EQ(edited, 1);
    EXPECT_EQ(app.types().creatures().findById(2)->health(), 900);
}

} // namespace
} // namespace gr2
