// The computer-player settings: the field table over the player's 156-byte area, the defaults of
// each personality, the default build order and its moves, and the availability box mapping.

#include "level/ComputerPlayerSettings.h"
#include "level/CWorldEditorDoc.h"
#include "level/PlayerRecord.h"
#include "support/LevelBuilder.h"
#include "support/TestLevelTypes.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>

namespace gr2 {
namespace {

namespace F = ComputerPlayerField;

uint8_t blockByte(const ComputerSettingsBlock& area, uint32_t blockOffset)
{
    return area[F::kBlock + blockOffset];
}

TEST(ComputerPlayerTableTest, FieldsTileTheAreaWithoutGapsOrOverlaps)
{
    uint32_t next = 0;
    std::set<std::string_view> names;
    for (const FieldDef& f : F::kTable) {
        EXPECT_EQ(f.offset, next) << f.name;
        next = f.end();
        EXPECT_TRUE(names.insert(f.name).second) << f.name;
    }
    EXPECT_EQ(next, kComputerSettingsSize);
    EXPECT_EQ(computerPlayerLayout().size, kComputerSettingsSize);
}

TEST(ComputerPlayerDefaultsTest, EachPersonalityWritesItsColumn)
{
    const std::vector<BuildOrderRoom> rooms = {{3, false}, {5, true}};
    struct Case {
        uint32_t personality;
        uint32_t blockOffset;
        int width;
        int64_t expected;
    };
    // A sample of the table: its ends, a 16-bit and a 32-bit field, and every column.
    const Case cases[] = {
        {0, 0, 1, 0},      {1, 0, 1, 15},    {2, 0, 1, 30},    {0, 5, 4, 1},    {1, 5, 4, 0},
        {3, 82, 2, 2150},  {8, 82, 2, 3500}, {8, 114, 1, 4},   {0, 114, 1, 20}, {4, 125, 2, 6000},
        {6, 125, 2, 9000}, {5, 132, 4, 100}, {7, 131, 1, 3},   {2, 50, 1, 0},   {2, 51, 4, 0},
        {6, 19, 1, 15},    {7, 19, 1, 14},   {5, 140, 2, 100}, {0, 137, 1, 50}, {8, 137, 1, 15},
    };
    for (const Case& c : cases) {
        ComputerSettingsBlock area{};
        area.fill(0xEE);
        setPersonality(area, c.personality, true, rooms);
        const FieldDef f{"", F::kBlock + c.blockOffset, uint16_t(c.width), FieldKind::UInt};
        EXPECT_EQ(getIntField(area, f), c.expected)
            << "personality " << c.personality << " offset " << c.blockOffset;
        EXPECT_EQ(personalityOf(area), c.personality);
        EXPECT_EQ(buildOrderOf(area)[0], 3);
        EXPECT_EQ(buildOrderOf(area)[2], 0) << "fewer than 15 rooms: the rest is 0";
        EXPECT_EQ(area[F::def(F::Carried).offset], 0xEE)
            << "the carried bytes are not the defaults' business";
    }
    EXPECT_EQ(personalityName(8), "Paranoid");
    EXPECT_EQ(personalityName(0), "Master Vorlan");
}

TEST(ComputerPlayerDefaultsTest, PersonalityOutsideTheTableIsKeptAndNeverUsedAsIndex)
{
    ComputerSettingsBlock area{};
    setPersonality(area, 2, true, {});
    const ComputerSettingsBlock before = area;
    setPersonality(area, 9, true, {});
    EXPECT_EQ(personalityOf(area), 9u);
    EXPECT_TRUE(std::equal(area.begin() + F::kBlock, area.end(), before.begin() + F::kBlock))
        << "no defaults for an unknown personality";
    EXPECT_EQ(personalityName(9), "");
    EXPECT_EQ(personalityDefault(F::MaxImps, 9), std::nullopt);
    EXPECT_EQ(personalityStartingGold(9), std::nullopt);
}

TEST(ComputerPlayerDefaultsTest, StartingGoldOfEachPersonality)
{
    const int32_t expected[] = {150000, 100000, 50000, 100000, 50000, 30000, 80000, 30000, 10000};
    for (uint32_t p = 0; p < kPersonalityCount; ++p)
        EXPECT_EQ(personalityStartingGold(p), expected[p]) << p;
}

TEST(BuildOrderTest, DefaultRuleTakesQualifyingRoomsInTableOrder)
{
    // More than 15 qualifying rooms: the first 15 are taken.
    std::vector<BuildOrderRoom> many;
    for (uint8_t id = 1; id <= 30; ++id)
        many.push_back({id, id % 2 == 0});
    const BuildOrder taken = defaultBuildOrder(many);
    const BuildOrder expected = {2, 3, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 25, 26};
    EXPECT_EQ(taken, expected) << "buildable, or id 3 or 25";

    // Fewer: the walk stops at the table's end and the rest is 0.
    const std::vector<BuildOrderRoom> few = {{7, false}, {25, false}, {9, true}, {3, false}};
    const BuildOrder short_ = defaultBuildOrder(few);
    EXPECT_EQ(short_[0], 25);
    EXPECT_EQ(short_[1], 9);
    EXPECT_EQ(short_[2], 3);
    EXPECT_TRUE(std::all_of(short_.begin() + 3, short_.end(), [](uint8_t id) { return id == 0; }));
    EXPECT_EQ(defaultBuildOrder({}), BuildOrder{});
}

TEST(BuildOrderTest, EnsureRebuildsOnlyAnOrderWithAGap)
{
    std::vector<BuildOrderRoom> rooms;
    for (uint8_t id = 40; id < 60; ++id)
        rooms.push_back({id, true});
    ComputerSettingsBlock area{};
    BuildOrder full;
    std::iota(full.begin(), full.end(), uint8_t(100));
    setBuildOrder(area, full);
    EXPECT_FALSE(ensureBuildOrder(area, rooms));
    EXPECT_EQ(buildOrderOf(area), full);

    full[7] = 0;
    setBuildOrder(area, full);
    EXPECT_TRUE(ensureBuildOrder(area, rooms));
    EXPECT_EQ(buildOrderOf(area)[0], 40);
    EXPECT_EQ(buildOrderOf(area)[14], 54);
}

TEST(BuildOrderTest, MovesAndWhenTheyAreOffered)
{
    BuildOrder start;
    std::iota(start.begin(), start.end(), uint8_t(1));
    struct Case {
        size_t index;
        BuildOrderMove move;
        size_t landsAt;
        BuildOrder expected;
    };
    const Case cases[] = {
        {0, BuildOrderMove::Down, 1, {2, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {3, BuildOrderMove::Bottom, 14, {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 4}},
        {5, BuildOrderMove::Top, 0, {6, 1, 2, 3, 4, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {5, BuildOrderMove::Up, 4, {1, 2, 3, 4, 6, 5, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {0, BuildOrderMove::Up, 0, start},
        {14, BuildOrderMove::Bottom, 14, start},
    };
    for (const Case& c : cases) {
        BuildOrder order = start;
        EXPECT_EQ(moveBuildOrderEntry(order, c.index, c.move), c.landsAt);
        EXPECT_EQ(order, c.expected) << c.index;
    }
    EXPECT_FALSE(canMoveBuildOrderEntry(0, BuildOrderMove::Top));
    EXPECT_FALSE(canMoveBuildOrderEntry(0, BuildOrderMove::Up));
    EXPECT_TRUE(canMoveBuildOrderEntry(0, BuildOrderMove::Down));
    EXPECT_FALSE(canMoveBuildOrderEntry(14, BuildOrderMove::Down));
    EXPECT_FALSE(canMoveBuildOrderEntry(14, BuildOrderMove::Bottom));
    EXPECT_TRUE(canMoveBuildOrderEntry(14, BuildOrderMove::Top));
}

TEST(ComputerPlayerRecordTest, AreaAndCarriedBytesRoundTripThroughThePlayerRecord)
{
    CPlayer source(nullptr, 3);
    for (size_t i = 0; i < kComputerSettingsSize; ++i)
        source.computerSettings()[i] = uint8_t(i * 7 + 1);
    setIntField(source.computerSettings(), F::def(F::Personality), 9);
    source.setComputerSettingsLastValue(0xBEEF);
    CPlayer copy(nullptr, 3);
    PlayerRecord::apply(FlaggedRecord(PlayerRecord::pack(source)), copy);
    EXPECT_EQ(copy.computerSettings(), source.computerSettings());
    EXPECT_EQ(personalityOf(copy.computerSettings()), 9u) << "an unknown personality is kept";
    EXPECT_EQ(copy.computerSettingsLastValue(), 0xBEEF);
}

TEST(ComputerPlayerRecordTest, NewPlayersCarryTheFirstPersonalitysDefaults)
{
    test::LevelBuilder b;
    const CPlayer& p = *b.doc().FindPlayer(3);
    EXPECT_EQ(personalityOf(p.computerSettings()), 0u);
    EXPECT_EQ(blockByte(p.computerSettings(), 114), 20) << "Maximum Number Of Imps";
    EXPECT_EQ(blockByte(p.computerSettings(), 9), 25) << "Default Size";
    const BuildOrder order = buildOrderOf(p.computerSettings());
    EXPECT_EQ(order[0], 3);
    EXPECT_EQ(order[1], 5);
    EXPECT_EQ(order[2], 25);
    EXPECT_EQ(order[3], 11);
}

TEST(AvailabilityBoxTest, StatesAndBoxes)
{
    EXPECT_EQ(availabilityBoxOf(1), AvailabilityBox::Unchecked);
    EXPECT_EQ(availabilityBoxOf(2), AvailabilityBox::Indeterminate);
    EXPECT_EQ(availabilityBoxOf(3), AvailabilityBox::Checked);
    EXPECT_EQ(availabilityBoxOf(4), AvailabilityBox::Unchecked);
    EXPECT_EQ(availabilityBoxOf(0), AvailabilityBox::Unchecked);
    EXPECT_EQ(availabilityStateOf(AvailabilityBox::Unchecked), 1u);
    EXPECT_EQ(availabilityStateOf(AvailabilityBox::Indeterminate), 2u);
    EXPECT_EQ(availabilityStateOf(AvailabilityBox::Checked), 3u);
}

} // namespace
} // namespace gr2
