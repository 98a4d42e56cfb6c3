// Picking a hero party's members in the palette while the "Create Hero Party" prompt is shown.

#include "mapedit/HeroPartyPicking.h"

#include "level/TextConversion.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::TestCreature::Imp;
using test::TestCreature::Knight;
using test::TestCreature::Warlock;

std::vector<std::string> utf8(const std::vector<std::u16string>& lines)
{
    std::vector<std::string> out;
    for (const auto& line : lines)
        out.push_back(utf16ToUtf8(line));
    return out;
}

class HeroPartyPickingTest : public testing::Test {
protected:
    HeroPartyPickingTest() { test::buildSmallTypeData(db); }
    CWorldEditorDoc& doc() { return level.doc(); }
    size_t partyCount()
    {
        size_t n = 0;
        for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
            n += doc().HeroPartyAt(slot) != nullptr;
        return n;
    }

    CTypeDatabase db;
    test::LevelBuilder level;
    HeroPartyPicking picking{level.doc(), db};
};

TEST(PromptColumnsTest, EightLinesToAColumnThenTwoColumns)
{
    struct Case {
        size_t lines;
        size_t left;
        size_t right;
    };
    for (const Case& c : {Case{0, 0, 0}, Case{1, 1, 0}, Case{8, 8, 0}, Case{9, 8, 1}, Case{16, 8, 8}}) {
        std::vector<std::u16string> lines;
        for (size_t i = 0; i < c.lines; ++i)
            lines.push_back(u"line " + std::u16string(1, char16_t(u'a' + i)));
        const PromptColumns columns = promptColumns(lines);
        EXPECT_EQ(columns.left.size(), c.left) << c.lines << " lines";
        EXPECT_EQ(columns.right.size(), c.right) << c.lines << " lines";
        // The lines keep their order, left column first.
        std::vector<std::u16string> back = columns.left;
        back.insert(back.end(), columns.right.begin(), columns.right.end());
        EXPECT_EQ(back, lines);
    }
}

TEST_F(HeroPartyPickingTest, ANewPartyTakesUpToSixteenMembersLedByTheFirst)
{
    EXPECT_EQ(HeroPartyPicking::promptText(), "Select Party members from Creature Panel [ 16 max ]");
    ASSERT_TRUE(picking.beginNewParty());
    EXPECT_TRUE(picking.isPicking());
    ASSERT_NE(picking.addMember(Knight), nullptr);
    ASSERT_NE(picking.addMember(Warlock), nullptr);
    EXPECT_EQ(utf8(picking.memberLines()), (std::vector<std::string>{"[L] Knight [1]", "Warlock [1]"}));
    // The party is not in the level before it is finished.
    EXPECT_EQ(partyCount(), 0u);
    for (int i = 2; i < kHeroPartyMembers; ++i)
        EXPECT_NE(picking.addMember(Imp), nullptr);
    // The seventeenth creature is ignored.
    EXPECT_EQ(picking.addMember(Imp), nullptr);
    EXPECT_EQ(picking.memberLines().size(), size_t(kHeroPartyMembers));

    CHeroParty* party = picking.finish(true);
    ASSERT_NE(party, nullptr);
    EXPECT_FALSE(picking.isPicking());
    EXPECT_EQ(partyCount(), 1u);
    EXPECT_EQ(party->memberCount(), kHeroPartyMembers);
    EXPECT_TRUE(party->member(0)->hasFlag1(CreatureFlag1::Leader));
    EXPECT_FALSE(party->member(1)->hasFlag1(CreatureFlag1::Leader));
    // No more picking: palette clicks add nothing.
    EXPECT_EQ(picking.addMember(Imp), nullptr);
}

TEST_F(HeroPartyPickingTest, FinishedEmptyOrCancelledANewPartyNeverJoinsTheLevel)
{
    ASSERT_TRUE(picking.beginNewParty());
    EXPECT_EQ(picking.finish(true), nullptr);
    ASSERT_TRUE(picking.beginNewParty());
    picking.addMember(Knight);
    picking.addMember(Knight);
    EXPECT_EQ(picking.finish(false), nullptr);
    EXPECT_EQ(partyCount(), 0u);
    EXPECT_TRUE(doc().creatures().empty());
}

TEST_F(HeroPartyPickingTest, AddMembersListsThePartyAndCancelTakesOnlyTheNewOnesOut)
{
    ASSERT_TRUE(picking.beginNewParty());
    picking.addMember(Knight);
    picking.addMember(Warlock);
    CHeroParty* party = picking.finish(true);
    ASSERT_NE(party, nullptr);
    party->member(1)->setLevel(4);

    ASSERT_TRUE(picking.beginAddingMembers(*party));
    EXPECT_EQ(utf8(picking.memberLines()), (std::vector<std::string>{"[L] Knight [1]", "Warlock [4]"}));
    doc().SetModifiedFlag(false);
    picking.addMember(Imp);
    // A party of the level changes at once.
    EXPECT_EQ(party->memberCount(), 3);
    EXPECT_TRUE(doc().isModified());
    EXPECT_FALSE(party->member(2)->hasFlag1(CreatureFlag1::Leader));
    EXPECT_EQ(picking.finish(false), party);
    EXPECT_EQ(party->memberCount(), 2);
    EXPECT_EQ(party->member(1)->level(), 4);

    ASSERT_TRUE(picking.beginAddingMembers(*party));
    picking.addMember(Imp);
    EXPECT_EQ(picking.finish(true), party);
    EXPECT_EQ(party->memberCount(), 3);
}

TEST_F(HeroPartyPickingTest, AFullPartyTakesNoneAndADeletedOneEndsThePicking)
{
    ASSERT_TRUE(picking.beginNewParty());
    for (int i = 0; i < kHeroPartyMembers; ++i)
        picking.addMember(Imp);
    CHeroParty* full = picking.finish(true);
    ASSERT_NE(full, nullptr);
    EXPECT_FALSE(picking.beginAddingMembers(*full));

    ASSERT_TRUE(picking.beginNewParty());
    picking.addMember(Knight);
    CHeroParty* party = picking.finish(true);
    ASSERT_TRUE(picking.beginAddingMembers(*party));
    int ended = 0;
    picking.setEndedListener([&] { ++ended; });
    doc().DeleteHeroParty(party, true);
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(picking.isPicking());
    EXPECT_EQ(picking.addMember(Imp), nullptr);
    EXPECT_EQ(picking.finish(true), nullptr);
}

TEST_F(HeroPartyPickingTest, NoNewPartyWhenAllTwentyFourSlotsAreTaken)
{
    for (int i = 0; i < kHeroPartySlots; ++i)
        doc().AddHeroParty(std::make_unique<CHeroParty>(&doc()));
    EXPECT_FALSE(picking.beginNewParty());
    EXPECT_FALSE(picking.isPicking());
}

} // namespace
} // namespace gr2
