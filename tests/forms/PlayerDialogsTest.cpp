// The player dialogs without a window: "Modify Vorlan Properties" with its per-player commit,
// pool and gold checks, availability boxes and the personality gold rule; "Rename Vorlan"; and
// "Modify Player Alliances" with its button rule and one history step per change.

#include "forms/AllianceEditor.h"
#include "forms/ComputerPlayerSheet.h"
#include "forms/RenameVorlanForm.h"
#include "forms/VorlanPropertiesSession.h"
#include "level/CWorldEditorDoc.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::addType;
using test::TestCreature::Imp;
using test::TestCreature::Knight;
using Field = VorlanPropertiesSession::Refusal::Field;

constexpr uint8_t kLibrary = 5, kPrison = 11, kMissing = 7;

struct PlayersFixture {
    test::LevelBuilder level;
    CTypeDatabase types;

    PlayersFixture()
    {
        level.types().availability[AvailabilityKind::Rooms] = {{kLibrary, 1}, {kPrison, 3}, {kMissing, 1}};
        level.playersUpTo(4);
        // Player 3 came with the level, before the list above was set.
        doc().FindPlayer(3)->availability(AvailabilityKind::Rooms) =
            level.types().availability[AvailabilityKind::Rooms];
        addType(types.creatures(), Imp, "Imp");
        addType(types.rooms(), kLibrary, "Library");
        addType(types.rooms(), kPrison, "Prison");
        // Player 4 lacks the prison in its list.
        auto& rooms = doc().FindPlayer(4)->availability(AvailabilityKind::Rooms);
        rooms.erase(rooms.begin() + 1);
    }
    CWorldEditorDoc& doc() { return level.doc(); }
    CPlayer& player(uint8_t id) { return *doc().FindPlayer(id); }
};

TEST(VorlanPropertiesTest, ShowsTheVorlansAndStartsOnTheChosenOne)
{
    PlayersFixture f;
    VorlanPropertiesSession none(f.doc(), f.types, std::nullopt);
    EXPECT_EQ(none.playerNames(), (std::vector<std::string>{"Vorlan 1", "Vorlan 2"}));
    EXPECT_EQ(none.player().id(), 3);
    VorlanPropertiesSession four(f.doc(), f.types, 4);
    EXPECT_EQ(four.playerIndex(), 1u);
    VorlanPropertiesSession good(f.doc(), f.types, 1);
    EXPECT_EQ(good.player().id(), 3) << "not a Vorlan: the first one";
    EXPECT_EQ(none.poolEntries(), (std::vector<std::string>{"Imp", std::to_string(Knight),
                                                            std::to_string(test::TestCreature::Warlock)}))
        << "a creature without a type shows its id";

    test::LevelBuilder empty;
    while (empty.doc().PlayerCount() > 2)
        empty.doc().DeletePlayer(empty.doc().PlayerAt(2));
    EXPECT_FALSE(VorlanPropertiesSession::hasVorlan(empty.doc()));
    EXPECT_TRUE(VorlanPropertiesSession::hasVorlan(f.doc()));
}

TEST(VorlanPropertiesTest, GoldAndPoolCountsAreCheckedToTheirRanges)
{
    struct Case {
        const char* gold;
        const char* count;
        std::optional<Field> refused;
        const char* message;
    };
    const Case cases[] = {
        {"200000", "128", std::nullopt, ""},
        {"200001", "0", Field::Gold, "Please enter a number between 0 and 200000."},
        {"0", "129", Field::PoolCount, "Please enter a number between 0 and 128."},
        {"999999", "129", Field::Gold, "Please enter a number between 0 and 200000."},
    };
    for (const Case& c : cases) {
        PlayersFixture f;
        VorlanPropertiesSession s(f.doc(), f.types, 3);
        s.values().setText(VorlanPropertiesSession::kGoldRow, c.gold);
        s.poolCount().setText(VorlanPropertiesSession::kCountRow, c.count);
        const auto refusal = s.commit();
        if (!c.refused) {
            EXPECT_EQ(refusal, std::nullopt);
            EXPECT_EQ(f.player(3).startingGold(), 200000);
            EXPECT_EQ(f.player(3).poolCount(Imp), 128);
            continue;
        }
        ASSERT_TRUE(refusal) << c.gold << " " << c.count;
        EXPECT_EQ(refusal->field, *c.refused);
        EXPECT_EQ(refusal->message, c.message);
        EXPECT_EQ(f.player(3).startingGold(), CPlayer::kDefaultStartingGold) << "nothing is written";
        EXPECT_EQ(f.player(3).poolCount(Imp), 0);
    }
}

TEST(VorlanPropertiesTest, PoolSelectionIsBlockedByARefusedCountAndKeepsCounts)
{
    PlayersFixture f;
    VorlanPropertiesSession s(f.doc(), f.types, 3);
    s.poolCount().setText(0, "129");
    ASSERT_TRUE(s.choosePool(1));
    EXPECT_EQ(s.poolIndex(), 0u);
    s.poolCount().setText(0, "12");
    EXPECT_EQ(s.choosePool(1), std::nullopt);
    s.poolCount().setText(0, "7");
    EXPECT_EQ(s.choosePool(0), std::nullopt);
    EXPECT_EQ(s.poolCount().text(0), "12");
    EXPECT_EQ(f.player(3).poolCount(Imp), 0) << "working copy until committed";
    ASSERT_EQ(s.commit(), std::nullopt);
    EXPECT_EQ(f.player(3).poolCount(Imp), 12);
    EXPECT_EQ(f.player(3).poolCount(Knight), 7);
}

TEST(VorlanPropertiesTest, AvailabilityBoxesAndApplyToAll)
{
    PlayersFixture f;
    VorlanPropertiesSession s(f.doc(), f.types, 4);
    EXPECT_EQ(s.availabilityTypes(0),
              (std::vector<std::string>{"Library", "Prison", std::to_string(kMissing)}));
    EXPECT_EQ(s.availabilityBox(0), AvailabilityBox::Unchecked);
    s.setAvailabilityBox(0, AvailabilityBox::Indeterminate);
    s.chooseAvailability(0, 1);
    EXPECT_EQ(s.availabilityBox(0), AvailabilityBox::Unchecked) << "a type the list lacks shows unchecked";
    s.setAvailabilityBox(0, AvailabilityBox::Checked);
    s.chooseAvailability(0, 0);
    EXPECT_EQ(s.availabilityBox(0), AvailabilityBox::Indeterminate);
    ASSERT_EQ(s.commit(), std::nullopt);
    EXPECT_EQ(f.player(4).availabilityState(AvailabilityKind::Rooms, kLibrary), 2u);
    EXPECT_EQ(f.player(4).availability(AvailabilityKind::Rooms).size(), 2u) << "no entry is added";

    VorlanPropertiesSession all(f.doc(), f.types, 3);
    all.setAvailabilityBox(0, AvailabilityBox::Checked);
    all.applyToAll(0);
    ASSERT_EQ(all.commit(), std::nullopt);
    for (uint8_t type : {kLibrary, kPrison, kMissing})
        EXPECT_EQ(f.player(3).availabilityState(AvailabilityKind::Rooms, type), 3u) << int(type);
}

TEST(VorlanPropertiesTest, SwitchingCommitsAndCancelDropsOnlyTheShownPlayer)
{
    PlayersFixture f;
    VorlanPropertiesSession s(f.doc(), f.types, 3);
    s.values().setText(VorlanPropertiesSession::kGoldRow, "5000");
    s.values().setChecked(VorlanPropertiesSession::kComputerRow, true);
    EXPECT_TRUE(s.computerPropertiesEnabled());
    ASSERT_EQ(s.choosePlayer(1), std::nullopt);
    EXPECT_EQ(f.player(3).startingGold(), 5000);
    EXPECT_TRUE(f.player(3).isComputer());
    s.values().setText(VorlanPropertiesSession::kGoldRow, "6000");
    s.values().setChecked(VorlanPropertiesSession::kComputerRow, true);
    // Cancel: the dialog closes without committing.
    EXPECT_EQ(f.player(4).startingGold(), CPlayer::kDefaultStartingGold);
    EXPECT_FALSE(f.player(4).isComputer());

    s.values().setText(VorlanPropertiesSession::kGoldRow, "300000");
    EXPECT_TRUE(s.choosePlayer(0)) << "a refused value keeps the player shown";
    EXPECT_EQ(s.playerIndex(), 1u);
}

TEST(VorlanPropertiesTest, ComputerSheetDefaultsSetTheGoldOnlyAfterOk)
{
    struct Case {
        uint32_t personality;
        bool ok;
        const char* gold;
    };
    const Case cases[] = {{8, true, "10000"}, {0, true, "150000"}, {6, true, "80000"}, {8, false, "3000"}};
    for (const Case& c : cases) {
        PlayersFixture f;
        VorlanPropertiesSession s(f.doc(), f.types, 3);
        s.values().setChecked(VorlanPropertiesSession::kComputerRow, true);
        auto sheet = s.computerSheet();
        sheet->state(ComputerPlayerPage::General)
            .setValue(kPersonalityRow, c.personality == 0 ? 1 : c.personality);
        sheet->setDefaults();
        if (c.personality == 0) {
            sheet->state(ComputerPlayerPage::General).setValue(kPersonalityRow, 0);
            sheet->setDefaults();
        }
        if (c.ok) {
            ASSERT_EQ(sheet->confirm(), std::nullopt);
        }
        s.computerSheetClosed(*sheet);
        EXPECT_EQ(s.values().text(VorlanPropertiesSession::kGoldRow), c.gold) << c.personality;
        EXPECT_EQ(personalityOf(s.computerArea()), c.personality) << "Set Defaults stays after Cancel";
        EXPECT_EQ(personalityOf(f.player(3).computerSettings()), 0u) << "not before the player is committed";
        ASSERT_EQ(s.commit(), std::nullopt);
        EXPECT_EQ(personalityOf(f.player(3).computerSettings()), c.personality);
    }
}

TEST(RenameVorlanTest, NamesUpToThirtyOneCharacters)
{
    PlayersFixture f;
    const std::string longest(31, 'x');
    for (const std::string& name : {longest, longest + "y"}) {
        std::string target = f.player(3).name();
        Form<std::string> form(renameVorlanForm());
        form.load(target);
        form.state().setText(0, name);
        const auto error = form.store(target);
        if (name.size() > 31) {
            ASSERT_TRUE(error);
            EXPECT_EQ(error->message, "Please enter no more than 31 characters.");
            continue;
        }
        ASSERT_EQ(error, std::nullopt);
        renameVorlan(f.doc(), f.player(3), target);
        EXPECT_EQ(f.player(3).name(), longest);
    }
}

TEST(AllianceEditorTest, ButtonRuleChangesAndStaleAlliances)
{
    PlayersFixture f;
    f.doc().AddAlliance(3, 9);
    f.doc().AddAlliance(1, 4);
    f.doc().SetModifiedFlag(false);
    AllianceEditor e(f.doc());
    // Opening changes nothing: the alliance with a player the level no longer has is shown as
    // such, and removed only when the designer removes it.
    EXPECT_TRUE(f.doc().IsAllied(3, 9));
    EXPECT_FALSE(f.doc().isModified());
    EXPECT_EQ(e.rows(), (std::vector<std::pair<std::string, std::string>>{{"Vorlan 1", "<missing player 9>"},
                                                                          {"Good Player", "Vorlan 2"}}));
    EXPECT_TRUE(e.namesMissingPlayer(0));
    EXPECT_FALSE(e.placesOfRow(0));
    EXPECT_FALSE(e.namesMissingPlayer(1));
    EXPECT_EQ(e.placesOfRow(1), (std::pair<size_t, size_t>{0, 3}));
    e.removeRow(0);
    EXPECT_FALSE(f.doc().IsAllied(3, 9));
    EXPECT_EQ(e.rows(), (std::vector<std::pair<std::string, std::string>>{{"Good Player", "Vorlan 2"}}));
    // Players by place: 0 Good, 1 Neutral, 2 Vorlan 1, 3 Vorlan 2.
    EXPECT_FALSE(e.canCreate(2, 2));
    EXPECT_FALSE(e.canRemove(2, 2));
    EXPECT_TRUE(e.canCreate(2, 3));
    EXPECT_FALSE(e.canRemove(2, 3));
    e.create(2, 3);
    EXPECT_TRUE(f.doc().IsAllied(3, 4));
    EXPECT_FALSE(e.canCreate(3, 2));
    EXPECT_TRUE(e.canRemove(3, 2)) << "either order";
    e.remove(3, 2);
    EXPECT_FALSE(f.doc().IsAllied(3, 4));
}

} // namespace
} // namespace gr2
