// The checks a level passes before the Save commands write it.

#include "document/LevelChecks.h"
#include "app/Prompter.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::TestTerrain::Treasury;

/// A level whose Vorlans 3 and 4 each have a heart and two treasury tiles, and 100 gold per heart
/// unit, so each dungeon holds 100 × 16 + 2 × 24 = 1648 gold.
struct CheckedLevel {
    CheckedLevel()
    {
        level.playersUpTo(4);
        level.heart(3, {3, 3}).heart(4, {10, 10});
        level.paint({7, 2, 8, 2}, Treasury, 3).paint({2, 13, 3, 13}, Treasury, 4);
        doc().loadedVariables().SetVariable(178, 100.7);
        for (uint8_t id : {3, 4})
            doc().FindPlayer(id)->setStartingGold(1648);
    }
    CWorldEditorDoc& doc() { return level.doc(); }
    LevelBuilder level{16, 16};
};

TEST(LevelChecksTest, WellFormedLevelsPass)
{
    CheckedLevel checked;
    test::ScriptedPrompter prompter;
    EXPECT_TRUE(CheckLevel(checked.doc(), prompter)); // gold exactly at capacity passes
    EXPECT_TRUE(prompter.entries().empty());

    LevelBuilder none;
    none.doc().DeletePlayer(none.doc().FindPlayer(3));
    EXPECT_FALSE(firstFailedLevelCheck(none.doc()));
}

TEST(LevelChecksTest, HeartMustBeOwnedByTheVorlan)
{
    CheckedLevel checked;
    checked.level.paint({1, 1, 5, 5}, TerrainId::DungeonHeart, 4); // player 3's heart now belongs to 4
    checked.doc().FindPlayer(3)->setStartingGold(1 << 30);         // the heart check comes first
    test::ScriptedPrompter prompter;
    EXPECT_FALSE(CheckLevel(checked.doc(), prompter));
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].text, "Vorlan 1 must have a Dungeon Heart!");
    EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Exclamation);
}

TEST(LevelChecksTest, StartingGoldAboveCapacityFails)
{
    CheckedLevel checked;
    checked.doc().FindPlayer(4)->setStartingGold(1649);
    EXPECT_EQ(firstFailedLevelCheck(checked.doc()),
              "Starting Gold [ 1649 ] for Vorlan 2 exceeds Dungeon capacity [ 1648 ]!");
}

TEST(LevelChecksTest, LaterInvalidActionPointWins)
{
    CheckedLevel checked;
    checked.doc().AddActionPoint({1, 1, 2, 2}); // id 1
    test::ScriptBuilder script(checked.doc());
    script.trigger(1, 0, -1);
    script.action(-1, -2, uint8_t(ActionKind::DisplayObjective)).parameters().b = 1; // exists
    script.action(-2, -3, uint8_t(ActionKind::DisplayObjective)).parameters().b = 7;
    script.action(-3, -4, uint8_t(ActionKind::DisplayInformation)).parameters().b = 9;
    script.action(-4, 0, uint8_t(ActionKind::DisplayInformation)).parameters().b = 0; // none asked for
    script.action(-5, 0, uint8_t(ActionKind::ZoomToActionPoint)).parameters().b = 33; // not checked
    EXPECT_EQ(firstFailedLevelCheck(checked.doc()),
              "Action -3 [ Display Information ] - Invalid Action Point ID");
}

} // namespace
} // namespace gr2
