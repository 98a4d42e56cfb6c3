// The computer-player editor's pages and sheet without a window: each control's field and width,
// the ranges of the stored fields, the slap bit, "Set Defaults", "OK" and the build order list.

#include "forms/ComputerPlayerSheet.h"
#include "forms/FormState.h"

#include <gtest/gtest.h>

#include <utility>

namespace gr2 {
namespace {

namespace F = ComputerPlayerField;

std::vector<BuildOrderRoom> twentyRooms()
{
    std::vector<BuildOrderRoom> rooms;
    for (uint8_t id = 1; id <= 20; ++id)
        rooms.push_back({id, true});
    return rooms;
}

std::string nameOf(uint8_t id)
{
    return id == 1 ? "Treasury" : std::string{};
}

/// The row of a page by its label (the first one that has it).
size_t rowOf(const FormState& s, std::string_view label)
{
    for (size_t i = 0; i < s.rowCount(); ++i)
        if (s.row(i).label == label)
            return i;
    ADD_FAILURE() << "no row " << label;
    return 0;
}

int64_t blockValue(const Bytes& area, uint32_t blockOffset, uint16_t width)
{
    return getIntField(area, FieldDef{"", F::kBlock + blockOffset, width, FieldKind::UInt});
}

class ComputerPlayerSheetTest : public ::testing::Test {
protected:
    ComputerPlayerSheetTest()
    {
        area.assign(kComputerSettingsSize, 0);
        setPersonality(area, 0, true, twentyRooms());
        std::fill(area.begin() + F::def(F::Carried).offset, area.end(), uint8_t(0xAB));
    }
    Bytes area;
};

TEST_F(ComputerPlayerSheetTest, EditedValuesLandAtTheirOffsetsWithTheirWidths)
{
    struct Case {
        ComputerPlayerPage page;
        const char* label;
        const char* text;
        uint32_t blockOffset;
        uint16_t width;
        int64_t stored;
    };
    const Case cases[] = {
        {ComputerPlayerPage::Rooms, "Default Size (Square Tiles):", "200", 9, 1, 200},
        {ComputerPlayerPage::Rooms, "Flexibility:", "100", 21, 1, 100},
        {ComputerPlayerPage::Battles, "Place 'Call To Arms' Where Threat Value Is Greater Than ", "32767", 82,
         2, 32767},
        {ComputerPlayerPage::Battles, "Wait ", "300", 95, 2, 300},
        {ComputerPlayerPage::Misc, "Mine Gold Until Gold Held >", "65535", 125, 2, 65535},
        {ComputerPlayerPage::Misc, "Starting Mana:", "64000", 132, 4, 64000},
        {ComputerPlayerPage::Misc, "Gold Value:", "250", 140, 2, 250},
        {ComputerPlayerPage::Creatures, "Maximum Number Of Imps:", "255", 114, 1, 255},
    };
    for (const Case& c : cases) {
        Bytes target = area;
        ComputerPlayerSheet sheet(target, "Vorlan 1", twentyRooms(), nameOf);
        sheet.show(c.page);
        FormState& s = sheet.state(c.page);
        s.setText(rowOf(s, c.label), c.text);
        ASSERT_EQ(sheet.confirm(), std::nullopt) << c.label;
        EXPECT_EQ(blockValue(target, c.blockOffset, c.width), c.stored) << c.label;
        Bytes expected = area;
        setIntField(expected, FieldDef{"", F::kBlock + c.blockOffset, c.width, FieldKind::UInt}, c.stored);
        EXPECT_EQ(target, expected) << c.label << ": nothing else changes";
    }
}

TEST_F(ComputerPlayerSheetTest, ValuesThatDoNotFitTheirFieldAreRefused)
{
    struct Case {
        ComputerPlayerPage page;
        const char* label;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {ComputerPlayerPage::Rooms, "Min Time Before Placing Researched Room:", "256",
         "Please enter an integer between 0 and 255."},
        {ComputerPlayerPage::InitialAttack, "Total Threat Is ", "300",
         "Please enter an integer between 0 and 255."},
        {ComputerPlayerPage::Misc, "Mine Gold Until Gold Held >", "65536",
         "Please enter an integer between 0 and 65535."},
        {ComputerPlayerPage::Misc, "Speed:", "6", "Please enter an integer between 1 and 5."},
        {ComputerPlayerPage::Creatures, "Maximum Number Of Imps:", "32767",
         "Please enter an integer between 0 and 255."},
    };
    for (const Case& c : cases) {
        Bytes target = area;
        ComputerPlayerSheet sheet(target, "Vorlan 1", twentyRooms(), nameOf);
        sheet.show(c.page);
        FormState& s = sheet.state(c.page);
        const size_t row = rowOf(s, c.label);
        s.setText(row, c.text);
        EXPECT_EQ(sheet.validate(c.page), (FormError{row, c.message})) << c.label;
        const auto refusal = sheet.confirm();
        ASSERT_TRUE(refusal) << c.label;
        EXPECT_EQ(refusal->page, c.page);
        EXPECT_EQ(target, area) << "nothing is stored";
    }
}

TEST_F(ComputerPlayerSheetTest, WillNotSlapCreaturesIsTheInvertedBitAndKeepsTheOthers)
{
    setIntField(area, F::def(F::SlapBits), 0x20 | 0x05);
    Bytes target = area;
    ComputerPlayerSheet sheet(target, "Vorlan 1", twentyRooms(), nameOf);
    sheet.show(ComputerPlayerPage::Creatures);
    FormState& s = sheet.state(ComputerPlayerPage::Creatures);
    const size_t slap = rowOf(s, "Will Not Slap Creatures");
    EXPECT_FALSE(s.checked(slap)) << "the bit set: slapping allowed";
    s.setChecked(slap, true);
    ASSERT_EQ(sheet.confirm(), std::nullopt);
    EXPECT_EQ(target[F::def(F::SlapBits).offset], 0x05);
}

TEST_F(ComputerPlayerSheetTest, SetDefaultsWritesThePersonalityAndKeepsTheShownBuildOrder)
{
    Bytes target = area;
    ComputerPlayerSheet sheet(target, "Vorlan 1", twentyRooms(), nameOf);
    EXPECT_EQ(sheet.caption(), "Computer Player Properties for \"Vorlan 1\" [ Master Vorlan ]");
    sheet.show(ComputerPlayerPage::Creatures);
    sheet.selectEntry(0);
    sheet.move(BuildOrderMove::Bottom);
    const BuildOrder shown = sheet.buildOrder();
    EXPECT_FALSE(sheet.canSetDefaults());

    FormState& general = sheet.state(ComputerPlayerPage::General);
    general.setValue(kPersonalityRow, 8);
    EXPECT_EQ(sheet.caption(), "Computer Player Properties for \"Vorlan 1\" [ Paranoid ]");
    ASSERT_TRUE(sheet.canSetDefaults());
    sheet.setDefaults();
    EXPECT_TRUE(sheet.defaultsSet());
    EXPECT_FALSE(sheet.canSetDefaults());
    EXPECT_EQ(personalityOf(target), 8u) << "written at once: a Cancel keeps it";
    EXPECT_EQ(blockValue(target, 82, 2), 3500);
    EXPECT_EQ(buildOrderOf(target), shown);
    FormState& creatures = sheet.state(ComputerPlayerPage::Creatures);
    EXPECT_EQ(creatures.text(rowOf(creatures, "Maximum Number Of Imps:")), "4") << "a shown page reloads";
    sheet.show(ComputerPlayerPage::Battles);
    FormState& battles = sheet.state(ComputerPlayerPage::Battles);
    EXPECT_EQ(battles.text(rowOf(battles, "Place 'Call To Arms' Where Threat Value Is Greater Than ")),
              "3500");
    EXPECT_TRUE(std::all_of(target.begin() + F::def(F::Carried).offset, target.end(),
                            [](uint8_t b) { return b == 0xAB; }));
}

// The list shows the order the player holds, a gap included, so what the sheet shows is what the
// record holds after OK: untouched, the order is kept; moved, the held order is stored moved.
TEST_F(ComputerPlayerSheetTest, PagesNeverShownAreLeftAloneAndTheOrderIsShownAsHeldGapIncluded)
{
    setIntField(area, F::def(F::BuildOrder), 0, 4);
    setIntField(area, F::def(F::MaxImps), 77);
    const BuildOrder stored = buildOrderOf(area);
    for (bool moved : {false, true}) {
        SCOPED_TRACE(moved ? "an entry moved" : "untouched");
        Bytes target = area;
        ComputerPlayerSheet sheet(target, "Vorlan 1", {{9, true}, {3, false}}, nameOf);
        EXPECT_EQ(sheet.buildOrder(), stored);
        EXPECT_EQ(sheet.entryName(4), "<none>");
        if (moved) {
            sheet.selectEntry(1);
            sheet.move(BuildOrderMove::Top);
        }
        EXPECT_EQ(buildOrderOf(target), stored) << "not stored before OK";
        ASSERT_EQ(sheet.confirm(), std::nullopt);
        BuildOrder expected = stored;
        if (moved)
            std::swap(expected[0], expected[1]);
        EXPECT_EQ(buildOrderOf(target), expected);
        EXPECT_EQ(sheet.buildOrder(), buildOrderOf(target)) << "what the list shows is what is held";
        EXPECT_EQ(blockValue(target, 114, 1), 77);
    }
}

TEST_F(ComputerPlayerSheetTest, UnknownPersonalityIsShownAsItsNumberAndKept)
{
    setIntField(area, F::def(F::Personality), 12);
    Bytes target = area;
    ComputerPlayerSheet sheet(target, "Vorlan 1", twentyRooms(), nameOf);
    FormState& general = sheet.state(ComputerPlayerPage::General);
    ASSERT_TRUE(general.choiceIndex(kPersonalityRow));
    EXPECT_EQ(general.choices(kPersonalityRow)[*general.choiceIndex(kPersonalityRow)].text, "12");
    EXPECT_EQ(sheet.caption(), "Computer Player Properties for \"Vorlan 1\" [ 12 ]");
    ASSERT_EQ(sheet.confirm(), std::nullopt);
    EXPECT_EQ(personalityOf(target), 12u);
}

TEST_F(ComputerPlayerSheetTest, ConditionsGreyTheirValues)
{
    Bytes target = area;
    ComputerPlayerSheet sheet(target, "Vorlan 1", twentyRooms(), nameOf);
    sheet.show(ComputerPlayerPage::InitialAttack);
    FormState& s = sheet.state(ComputerPlayerPage::InitialAttack);
    const size_t level = rowOf(s, "All Creatures Are At Least Level ");
    EXPECT_TRUE(s.isEnabled(level));
    s.setChecked(level - 1, false);
    EXPECT_FALSE(s.isEnabled(level));
    const size_t count = rowOf(s, "Number Of Creatures Is At Least ");
    EXPECT_TRUE(s.checked(count - 1)) << "the count always applies";
    EXPECT_FALSE(s.isEnabled(count - 1));
    ASSERT_EQ(sheet.confirm(), std::nullopt);
    EXPECT_EQ(blockValue(target, 51, 4), 0);
}

} // namespace
} // namespace gr2
