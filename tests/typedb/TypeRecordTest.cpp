// Type records and their tables: lookup and table operations, icon index rules per family, linked
// types, flags merged on reading, presence flags and fixed-point fields.

#include "support/TypeDataBuilder.h"

#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::addType;

TEST(TypeTableTest, FindByIdReturnsTheFirstMatchInTableOrder)
{
    TypeTable<CDoorType> doors;
    addType(doors, 4, "First");
    addType(doors, 4, "Second");
    addType(doors, 5, "Other");
    ASSERT_NE(doors.findById(4), nullptr);
    EXPECT_EQ(doors.findById(4)->name(), "First");
    EXPECT_EQ(doors.findById(9), nullptr);
    EXPECT_EQ(doors.at(3), nullptr);
}

TEST(TypeTableTest, RemoveAtOutOfRangeChangesNothing)
{
    TypeTable<CTrapType> traps;
    addType(traps, 1, "A");
    addType(traps, 2, "B");
    EXPECT_FALSE(traps.removeAt(2));
    EXPECT_EQ(traps.count(), 2u);
    EXPECT_TRUE(traps.removeAt(0));
    ASSERT_EQ(traps.count(), 1u);
    EXPECT_EQ(traps.at(0)->name(), "B");
    traps.deleteAll();
    EXPECT_TRUE(traps.empty());
}

TEST(TypeTableTest, RecordOfAnotherFamilyIsRefused)
{
    CTypeDatabase db;
    EXPECT_FALSE(db.table(TypeFamily::Room).appendRecord(test::makeType(TypeFamily::Door, 1, "Door")));
    EXPECT_TRUE(db.rooms().empty());
    EXPECT_TRUE(db.table(TypeFamily::Room).appendRecord(test::makeType(TypeFamily::Room, 1, "Room")));
    EXPECT_EQ(db.rooms().count(), 1u);
}

TEST(TypeTableTest, EffectIdsUseSixteenBits)
{
    CTypeDatabase db;
    addType(db.effects(), 300, "Smoke");
    addType(db.effectElements(), 0x1234, "Puff");
    EXPECT_EQ(db.effects().findById(300)->name(), "Smoke");
    EXPECT_EQ(db.effects().findById(300 & 0xFF), nullptr);
    EXPECT_EQ(db.effectElements().at(0)->bytes()[160], 0x34);
    EXPECT_EQ(db.effectElements().at(0)->bytes()[161], 0x12);
}

struct HashCase {
    const char* name;
    int index;
};

TEST(IconIndexTest, NumberAfterTheFirstHashIsBoundedToSixteenBits)
{
    const HashCase cases[] = {
        {"Imp#12", 12},
        {"Imp", 0},
        {"Imp#", 0},
        {"Imp#x7", 0},
        {"Imp#7#9", 7},
        {"#0042", 42},
        {"Imp#65535", 65535},
        {"Imp#65536", CTypeRecord::kIconIndexOutOfRange},
        {"Imp#4294967308", CTypeRecord::kIconIndexOutOfRange}, // would wrap to 12 in 32 bits
        {"Imp#99999999999999999999999", CTypeRecord::kIconIndexOutOfRange},
    };
    for (const HashCase& c : cases)
        EXPECT_EQ(parseHashIconNumber(c.name), c.index) << c.name;
}

TEST(IconIndexTest, EachFamilyReadsItsOwnIconField)
{
    struct Case {
        TypeFamily family;
        uint32_t offset; // of the ArtResource whose name carries "#N"
    };
    const Case cases[] = {{TypeFamily::Creature, 3224},    {TypeFamily::Door, 200},
                          {TypeFamily::Trap, 200},         {TypeFamily::Object, 200},
                          {TypeFamily::CreatureSpell, 32}, {TypeFamily::VorlanSpell, 116}};
    for (const Case& c : cases) {
        Bytes bytes(recordSizeOf(c.family), 0);
        storeText(bytes.data() + c.offset, 64, "Sheet#23");
        std::unique_ptr<CTypeRecord> r = CTypeRecord::create(c.family);
        r->applyFileRecord(FlaggedRecord(bytes));
        EXPECT_EQ(r->iconIndex(), 23) << familyName(c.family);
    }

    Bytes terrain(RecordSize::Terrain, 0);
    storeU16(terrain.data() + 406, 17);
    CTerrainType t;
    t.applyFileRecord(FlaggedRecord(terrain));
    EXPECT_EQ(t.iconIndex(), 17);

    CShotType shot;
    EXPECT_EQ(shot.iconIndex(), 0);
}

TEST(IconIndexTest, SettingRewritesTheNameAfterItsFirstHash)
{
    CCreatureType c;
    c.setTextValue(CreatureField::IconResource, "Creature#3#old");
    c.setIconIndex(41);
    EXPECT_EQ(c.textValue(CreatureField::IconResource), "Creature#41");
    EXPECT_EQ(c.iconIndex(), 41);

    c.setTextValue(CreatureField::IconResource, "NoHash");
    c.setIconIndex(5);
    EXPECT_EQ(c.textValue(CreatureField::IconResource), "NoHash#5");

    // A prefix that fills the name gives way, so the number is never cut off.
    c.setTextValue(CreatureField::IconResource, std::string(63, 'x'));
    c.setIconIndex(1234);
    EXPECT_EQ(c.iconIndex(), 1234);
    EXPECT_EQ(c.textValue(CreatureField::IconResource).size(), 63u);
}

TEST(IconIndexTest, RoomUsesTheLeadingNumberAndSetWritesTheWholeName)
{
    CRoomType room;
    room.setTextValue(RoomField::IconResource, "12Treasury");
    EXPECT_EQ(room.iconIndex(), 12);
    room.setTextValue(RoomField::IconResource, "Treasury12");
    EXPECT_EQ(room.iconIndex(), 0);
    room.setTextValue(RoomField::IconResource, "4294967299");
    EXPECT_EQ(room.iconIndex(), CTypeRecord::kIconIndexOutOfRange);
    room.setIconIndex(7);
    EXPECT_EQ(room.textValue(RoomField::IconResource), "7");
}

TEST(LinkedTypeTest, SpellsAndTrapsFindTheirShot)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    EXPECT_EQ(db.traps().findById(1)->linkedType(db), db.shots().findById(1));
    EXPECT_EQ(db.vorlanSpells().findById(1)->linkedType(db), db.shots().findById(1));
    EXPECT_EQ(db.creatureSpells().findById(1)->linkedType(db), db.shots().findById(1));
    EXPECT_EQ(db.traps().findById(2)->linkedType(db), nullptr); // id 0: none

    db.traps().findById(2)->setLinkedTypeId(9); // no shot 9
    EXPECT_EQ(db.traps().findById(2)->linkedType(db), nullptr);
    EXPECT_EQ(db.traps().findById(2)->bytes()[525], 9);
    EXPECT_EQ(db.doors().at(0)->linkedType(db), nullptr);
}

TEST(TypeRecordReadTest, FlagsWordsAreMergedAndAbsentFieldsKept)
{
    CShotType shot;
    shot.setFlags(0x0101);
    shot.setIntValue(ShotField::ProcessFlags, 0x10);
    shot.setIntValue(ShotField::Health, 77);

    Bytes incoming(RecordSize::Shot, 0);
    storeU32(incoming.data() + 168, 0x0010);
    storeU32(incoming.data() + 160, 0x02);
    storeU16(incoming.data() + 188, 5);
    storeText(incoming.data(), 32, "Arrow");
    FlaggedRecord record(incoming);
    const RecordLayout& layout = CShotType::fileLayout();
    record.markAbsent(layout.flagIndex(ShotField::Name.def()));
    shot.setName("Bolt");
    shot.applyFileRecord(record);

    EXPECT_EQ(shot.flags(), 0x0111u);
    EXPECT_EQ(shot.intValue(ShotField::ProcessFlags), 0x12);
    EXPECT_EQ(shot.intValue(ShotField::Health), 5);
    EXPECT_EQ(shot.name(), "Bolt");
}

TEST(TypeRecordReadTest, TextFieldsEndInsideTheField)
{
    Bytes incoming(RecordSize::Door, 'Z');
    CDoorType door;
    door.applyFileRecord(FlaggedRecord(incoming));
    EXPECT_EQ(door.name(), std::string(31, 'Z'));
    EXPECT_EQ(door.bytes()[31], 0);
}

// Creature values in the two rarer fixed-point encodings.
constexpr TypeField kValue3756 = CreatureField::named("value3756", 3756); // 16.16
constexpr TypeField kValue4045 = CreatureField::named("value4045", 4045); // percent-real

TEST(FixedPointTest, RealsAreTruncatedTowardZeroInTheirEncoding)
{
    CTrapType trap;
    trap.setRealValue(TrapField::ShotOffsetX, 1.5);
    trap.setRealValue(TrapField::ShotOffsetY, -1.0 / 8192); // half a unit: truncated to 0
    trap.setRealValue(TrapField::ShotOffsetZ, -2.00048828125 - 1e-9);
    EXPECT_EQ(loadU32(trap.bytes().data() + 561), 6144u);
    EXPECT_EQ(loadI32(trap.bytes().data() + 565), 0);
    EXPECT_EQ(loadI32(trap.bytes().data() + 569), -8194);

    CCreatureType c;
    c.setRealValue(kValue3756, 1.5);  // 16.16
    c.setRealValue(kValue4045, 50.0); // percent-real: 50 × 40.96 = 2048
    CRoomType room;
    room.setRealValue(RoomField::TorchHeight, 2.25); // 4.12 in sixteen bits
    EXPECT_EQ(loadU32(c.bytes().data() + 3756), 98304u);
    EXPECT_EQ(loadU32(c.bytes().data() + 4045), 2048u);
    EXPECT_EQ(loadU16(room.bytes().data() + 896), 9216u);
    EXPECT_DOUBLE_EQ(c.realValue(kValue3756), 1.5);
    EXPECT_DOUBLE_EQ(room.realValue(RoomField::TorchHeight), 2.25);
}

TEST(FixedPointTest, StoredIntegersSurviveEditsOfOtherFields)
{
    // Percent-real values are not multiples of a binary fraction: a double round trip would lose
    // a unit; a field nobody sets must keep its stored integer.
    Bytes incoming(RecordSize::Creature, 0);
    storeU32(incoming.data() + 4045, 4095);
    storeU32(incoming.data() + 3756, 0x7FFFFFFF);
    CCreatureType c;
    c.applyFileRecord(FlaggedRecord(incoming));
    c.setName("Edited");
    c.setRealValue(CreatureField::Speed, 3.25);
    Bytes out = c.fileRecord();
    EXPECT_EQ(loadU32(out.data() + 4045), 4095u);
    EXPECT_EQ(loadU32(out.data() + 3756), 0x7FFFFFFFu);
}

TEST(RoomFloorTest, FloorTerrainIsTheByteAt915AndDrivesTheFixUpsAndTable)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    CRoomType& treasury = *db.rooms().findById(1);
    EXPECT_EQ(treasury.bytes()[915], 10);
    EXPECT_EQ(db.roomWithFloor(10), &treasury);
    EXPECT_EQ(db.roomWithFloor(0), nullptr);

    CTerrainType& floor = *db.terrains().findById(10);
    floor.setIntValue(TerrainField::MaxHealthEffect, 5);
    floor.setIntValue(TerrainField::DestroyedEffect, 6);
    db.applyRoomFloorFixups();
    EXPECT_EQ(floor.intValue(TerrainField::MaxHealthType), 10);
    EXPECT_EQ(floor.intValue(TerrainField::DestroyedType), 8);
    EXPECT_EQ(floor.intValue(TerrainField::MaxHealthEffect), 0);
    EXPECT_EQ(floor.intValue(TerrainField::DestroyedEffect), 0);
    EXPECT_EQ(db.terrains().findById(1)->intValue(TerrainField::DestroyedType), 0);

    EXPECT_EQ(db.terrainToRoomTable(), (std::vector<uint8_t>{0, 0, 1}));
}

TEST(DefaultAvailabilityTest, ListsFollowTheFamilyRules)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    addType(db.creatures(), 4, "Invader")
        .setFlags1(1u << CreatureFlag1::IsGood | 1u << CreatureFlag1::SnbRandomInvader);
    db.buildDefaultAvailability();

    auto ids = [&db](AvailabilityFamily f) {
        std::vector<int> out;
        for (const DefaultAvailabilityEntry& e : db.variables().defaultAvailability(f)) {
            EXPECT_EQ(e.state, 1u);
            out.push_back(e.type);
        }
        return out;
    };
    EXPECT_EQ(ids(AvailabilityFamily::Rooms), (std::vector<int>{1, 12}));
    EXPECT_EQ(ids(AvailabilityFamily::Creatures), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(ids(AvailabilityFamily::Doors), (std::vector<int>{1}));
    EXPECT_EQ(ids(AvailabilityFamily::Traps), (std::vector<int>{1}));
    EXPECT_EQ(ids(AvailabilityFamily::VorlanSpells), (std::vector<int>{1}));
}

TEST(TypeDatabaseTest, ClearTypeTablesEmptiesEveryFamilyAndForgetsCreationTimes)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    db.setCreated(TypeFamily::Shot, DateStamp{2000, 1, 1, 0, 0, 0});
    db.clearTypeTables();
    for (TypeFamily f : kAllTypeFamilies)
        EXPECT_TRUE(db.table(f).empty()) << familyName(f);
    EXPECT_EQ(db.created(TypeFamily::Shot), std::nullopt);
}

} // namespace
} // namespace gr2
