// Global variables and camera modes: the fixed tables, the record rules of "GlobalVariables.vwd"
// in both directions, and records from a file that point outside the tables.

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TypeDataBuilder.h"

#include "typedb/CTypeDatabase.h"
#include "typedb/TypeDatabaseSink.h"
#include "typedb/TypeDatabaseWriter.h"
#include "worlddata/SectionReader.h"
#include "worlddata/SectionWriter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

const DateStamp kSaved{2024, 5, 6, 7, 8, 9};
constexpr size_t kVariableData = 12 + 36 + 8;

/// The records of the Variable section at the start of a variables file.
std::vector<VariableRecord> variableRecords(const Bytes& file)
{
    uint32_t count = loadU32(file.data() + 20);
    std::vector<VariableRecord> out;
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* p = file.data() + kVariableData + 16 * i;
        out.push_back({loadU32(p), loadU32(p + 4), loadU32(p + 8), loadU32(p + 12)});
    }
    return out;
}

/// Reads a variables file into a database that holds the small type data set.
bool readVariables(CTypeDatabase& db, const Bytes& file, bool withCameras = true)
{
    test::TempDir dir;
    test::writeFile(dir / "GlobalVariables.vwd", file);
    RecordSink sink;
    fillVariableSink(sink, db, withCameras);
    test::ScriptedPrompter prompter;
    bool ok = ReadSectionFile(dir / "GlobalVariables.vwd", sink, prompter);
    EXPECT_TRUE(prompter.entries().empty());
    return ok;
}

Bytes variablesFileOf(const std::vector<VariableRecord>& records)
{
    std::vector<Bytes> raw;
    for (const VariableRecord& r : records) {
        Bytes b(16);
        storeU32(b.data(), r.id);
        storeU32(b.data() + 4, r.a);
        storeU32(b.data() + 8, r.b);
        storeU32(b.data() + 12, r.c);
        raw.push_back(b);
    }
    SectionInfo info;
    info.count = uint32_t(raw.size());
    Bytes out;
    writeRecordSection(out, SectionId::Variable, info, 16, raw);
    return out;
}

class GlobalVariablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::buildSmallTypeData(db);
        db.buildDefaultAvailability();
        test::buildSmallTypeData(back);
        back.buildDefaultAvailability();
    }
    CTypeDatabase db;
    CTypeDatabase back;
};

TEST(VariableTablesTest, NamesDefaultsAndOverridableIds)
{
    std::span<const VariableName> names = CGlobalVariables::nameTable();
    ASSERT_EQ(names.size(), 246u);
    for (size_t i = 1; i < names.size(); ++i)
        EXPECT_LT(names[i - 1].id, names[i].id);
    EXPECT_EQ(CGlobalVariables::name(0), u"Null");
    EXPECT_EQ(CGlobalVariables::name(65), u"<Non-Configurable>");
    EXPECT_EQ(CGlobalVariables::name(99), u"<Not Used>");
    EXPECT_EQ(CGlobalVariables::name(247), u"Own Plinth Health Increase (Per Second)");
    EXPECT_TRUE(CGlobalVariables::name(137).empty());
    EXPECT_TRUE(CGlobalVariables::name(233).empty());

    std::span<const uint32_t> ids = CGlobalVariables::overridableIds();
    ASSERT_EQ(ids.size(), 193u);
    EXPECT_EQ(std::vector<uint32_t>(ids.begin(), ids.begin() + 15),
              (std::vector<uint32_t>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 18}));
    EXPECT_EQ(ids.back(), 240u);

    std::vector<uint32_t> editor = CGlobalVariables::levelEditorIds();
    EXPECT_EQ(std::count(editor.begin(), editor.end(), 29u), 0);
    EXPECT_EQ(std::count(editor.begin(), editor.end(), 233u), 0); // overridable, but has no name
    EXPECT_EQ(editor.size(), 192u); // every overridable id but 233; 29 is not overridable

    CGlobalVariables v;
    EXPECT_EQ(v.value(3), 180.0);
    EXPECT_EQ(v.value(5), -5.0);
    EXPECT_EQ(v.value(220), 1.5);
    EXPECT_EQ(v.value(19), 0.0);
    EXPECT_EQ(v.value(500), 0.0);
}

TEST_F(GlobalVariablesTest, FileHoldsTheRecordsInTheirFixedOrder)
{
    CGlobalVariables& v = db.variables();
    v.defaultAvailability(AvailabilityFamily::Traps)[0].state = 4;
    v.defaultAvailability(AvailabilityFamily::Rooms)[1].state = 0;
    v.defaultAvailability(AvailabilityFamily::Doors)[0].state = 2;
    v.typeValueList().push_back({2, 1, 99});
    v.sacrifices()[5] = SacrificeEntry{{1, 3, 0, 0, 0, 0}, 4, 0, 500, 10};
    v.setValue(220, 1.5);
    v.setValue(5, -7);

    Bytes file;
    appendVariablesFile(file, db, kSaved);
    std::vector<VariableRecord> records = variableRecords(file);

    // availability by family: rooms, creatures, doors, traps; then id 17
    ASSERT_GE(records.size(), 4u);
    EXPECT_EQ(records[0], (VariableRecord{2, 1, 12, 0}));
    EXPECT_EQ(records[1], (VariableRecord{2, 4, 1, 2}));
    EXPECT_EQ(records[2], (VariableRecord{2, 3, 1, 4}));
    EXPECT_EQ(records[3], (VariableRecord{17, 2, 1, 99}));
    // the 193 plain values
    EXPECT_EQ(records[4].id, 3u);
    EXPECT_EQ(records[4 + 2], (VariableRecord{5, uint32_t(-7), 0, 0}));
    auto real =
        std::find_if(records.begin(), records.end(), [](const VariableRecord& r) { return r.id == 220; });
    ASSERT_NE(real, records.end());
    EXPECT_EQ(real->a, 6144u);
    // sacrifice, 4-bit tables, 288 + 32 increase records
    EXPECT_EQ(records[4 + 193].id, 43u);
    EXPECT_EQ(records[4 + 194].id, 61u);
    EXPECT_EQ(records[4 + 196].id, 63u);
    EXPECT_EQ(records[4 + 197], (VariableRecord{65, 0, 100, 2}));
    EXPECT_EQ(records[4 + 197 + 287], (VariableRecord{65, 31, 100, 10}));
    EXPECT_EQ(records.back(), (VariableRecord{224, 31, 100, 0}));
    EXPECT_EQ(records.size(), 4u + 193 + 1 + 323);
}

TEST_F(GlobalVariablesTest, ValuesAndTablesComeBackFromTheFile)
{
    CGlobalVariables& v = db.variables();
    v.setValue(24, 2500);
    v.setValue(158, 0.75);
    v.setValue(155, 1.0 / 4096 * 7); // a real at the resolution limit survives
    v.defaultAvailability(AvailabilityFamily::Creatures)[1].state = 4;
    v.typeValueList() = {{1, 12, 3}, {4, 1, 8}};
    v.fourBitTable(1) = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 15};
    v.setExperienceIncrease(4, 8, -30);
    v.setExperienceIncrease(31, 0, 250);
    v.setFirstPersonIncrease(7, 45);

    Bytes file;
    appendVariablesFile(file, db, kSaved);
    ASSERT_TRUE(readVariables(back, file));
    const CGlobalVariables& r = back.variables();
    EXPECT_EQ(r.values(), v.values());
    EXPECT_EQ(r.defaultAvailability(AvailabilityFamily::Creatures),
              v.defaultAvailability(AvailabilityFamily::Creatures));
    EXPECT_EQ(r.typeValueList(), v.typeValueList());
    EXPECT_EQ(r.fourBitTable(1), v.fourBitTable(1));
    EXPECT_EQ(r.fourBitTable(0), (std::array<uint8_t, 14>{}));
    EXPECT_EQ(r.experienceIncrease(4, 8), -30);
    EXPECT_EQ(r.experienceIncrease(31, 0), 250);
    EXPECT_EQ(r.experienceIncrease(0, 0), 100); // zero is written as 100
    EXPECT_EQ(r.firstPersonIncrease(7), 45);
    EXPECT_EQ(r.firstPersonIncrease(8), 100);

    // A second round trip is exact.
    Bytes again;
    appendVariablesFile(again, back, kSaved);
    EXPECT_EQ(again, file);
}

TEST_F(GlobalVariablesTest, FourBitValuesArePackedFromTheTopNibble)
{
    db.variables().fourBitTable(0) = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    Bytes file;
    appendVariablesFile(file, db, kSaved);
    std::vector<VariableRecord> records = variableRecords(file);
    auto t = std::find_if(records.begin(), records.end(), [](const VariableRecord& r) { return r.id == 61; });
    ASSERT_NE(t, records.end());
    EXPECT_EQ(*t, (VariableRecord{61, 0x12345678, 0x9ABCDE00, 0}));
}

TEST_F(GlobalVariablesTest, SacrificesComeBackPackedAndKeepTheirRewardType)
{
    CGlobalVariables& v = db.variables();
    v.sacrifices()[5] = SacrificeEntry{{1, 3, 2, 1, 0, 0}, 5, 1, 0, 22};    // Vorlan spell reward
    v.sacrifices()[9] = SacrificeEntry{{2, 1, 0, 0, 3, 1}, 3, 0, 70000, 7}; // gold amount
    v.sacrifices()[11] = SacrificeEntry{{1, 2, 0, 0, 0, 0}, 8, 2, 0, 3};    // creatures angry
    v.sacrifices()[12] = SacrificeEntry{{0, 9, 0, 0, 0, 0}, 1, 1, 0, 1};    // no ingredient kinds: empty

    Bytes file;
    appendVariablesFile(file, db, kSaved);
    ASSERT_TRUE(readVariables(back, file));
    const auto& s = back.variables().sacrifices();
    EXPECT_EQ(s[0], v.sacrifices()[5]);
    EXPECT_EQ(s[1], v.sacrifices()[9]);
    EXPECT_EQ(s[2], v.sacrifices()[11]);
    EXPECT_TRUE(s[3].empty());

    // Reading the same file again without clearing fills the following entries.
    ASSERT_TRUE(readVariables(back, file));
    EXPECT_EQ(back.variables().sacrifices()[3], v.sacrifices()[5]);
    back.variables().clearSacrifices();
    ASSERT_TRUE(readVariables(back, file));
    EXPECT_EQ(back.variables().sacrifices()[0], v.sacrifices()[5]);
    EXPECT_TRUE(back.variables().sacrifices()[3].empty());
}

TEST_F(GlobalVariablesTest, RecordsOutsideTheTablesAreIgnored)
{
    const CGlobalVariables before = back.variables();
    Bytes file = variablesFileOf({
        {65, 32, 5, 2},         // row beyond the 32 stats
        {65, 0xFFFFFFFF, 5, 2}, // a huge row
        {65, 3, 5, 11},         // level 11: column 9
        {65, 3, 5, 1},          // level 1: column -1
        {65, 3, 5, 0xFFFFFFFF},
        {224, 32, 5, 0},
        {224, 0x80000000, 5, 0},
        {2, 9, 1, 4},   // no such availability family
        {2, 1, 99, 4},  // no such room in the list
        {17, 5, 1, 1},  // id-17 family 5 does not exist
        {17, 1, 99, 1}, // no room 99
        {19, 60, 0, 0}, // not overridable
        {248, 1, 0, 0}, // beyond the value table
        {0xFFFFFFFF, 1, 1, 1},
    });
    ASSERT_TRUE(readVariables(back, file));
    const CGlobalVariables& after = back.variables();
    EXPECT_EQ(after.values(), before.values());
    for (size_t stat = 0; stat < kExperienceStats; ++stat) {
        EXPECT_EQ(after.firstPersonIncrease(stat), 0);
        for (size_t col = 0; col < kExperienceLevels; ++col)
            EXPECT_EQ(after.experienceIncrease(stat, col), 0);
    }
    for (size_t f = 1; f <= kAvailabilityFamilies; ++f)
        EXPECT_EQ(after.defaultAvailability(AvailabilityFamily(f)),
                  before.defaultAvailability(AvailabilityFamily(f)));
    EXPECT_TRUE(after.typeValueList().empty());
}

TEST_F(GlobalVariablesTest, AvailabilityStateOneWritesNoRecord)
{
    Bytes file;
    appendVariablesFile(file, db, kSaved);
    for (const VariableRecord& r : variableRecords(file))
        EXPECT_NE(r.id, 2u);
}

TEST_F(GlobalVariablesTest, CameraModesFollowAsThingItemsStampedWithTheSaveTime)
{
    db.cameraModes() = defaultCameraModes();
    ASSERT_EQ(db.cameraModes().size(), 18u);
    for (size_t i = 0; i < 18; ++i)
        EXPECT_EQ(db.cameraModes()[i].id(), i + 1);
    db.cameraModes()[4].bytes[0] = 0x77;
    db.setVariablesCreated(DateStamp{1999, 1, 2, 3, 4, 5});

    Bytes file;
    appendVariablesFile(file, db, kSaved);
    EXPECT_EQ(DateStamp::unpack(file.data() + 28), (DateStamp{1999, 1, 2, 3, 4, 5}));
    size_t camera = loadU32(file.data() + 8); // the Thing section follows the Variable section
    EXPECT_EQ(loadU32(file.data() + camera), 190u);
    EXPECT_EQ(DateStamp::unpack(file.data() + camera + 28), kSaved);
    EXPECT_EQ(DateStamp::unpack(file.data() + camera + 38), kSaved);

    ASSERT_TRUE(readVariables(back, file));
    EXPECT_EQ(back.cameraModes(), db.cameraModes());
    EXPECT_EQ(back.variablesCreated(), (DateStamp{1999, 1, 2, 3, 4, 5}));

    CTypeDatabase noCameras;
    ASSERT_TRUE(readVariables(noCameras, file, false));
    EXPECT_TRUE(noCameras.cameraModes().empty());
}

TEST_F(GlobalVariablesTest, FamilyWithoutALoadedFileUsesTheSaveTimeForBoth)
{
    Bytes file;
    appendFamilySection(file, db, TypeFamily::Door, kSaved);
    EXPECT_EQ(DateStamp::unpack(file.data() + 28), kSaved);
    EXPECT_EQ(DateStamp::unpack(file.data() + 38), kSaved);
    EXPECT_EQ(loadU32(file.data() + 20), 2u);
}

} // namespace
} // namespace gr2
