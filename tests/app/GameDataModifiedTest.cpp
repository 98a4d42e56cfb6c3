// The global data's unsaved-changes mark: what sets it, what clears it, and the question asked
// before the program ends, with each answer's outcome.

#include "app/EditorApp.h"
#include "app/StatsImportCommand.h"
#include "document/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

namespace gr2 {
namespace {

class GameDataModifiedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeSampleData(root.path()).empty());
        app.loadGlobalData();
        prompter.clear();
    }
    test::TempDir root;
    test::ScriptedPrompter prompter;
    EditorApp app{root.path(), prompter};
};

TEST_F(GameDataModifiedTest, UnmodifiedDataEndsWithoutAQuestion)
{
    EXPECT_FALSE(app.isGameDataModified());
    EXPECT_TRUE(app.SaveGameDataModified());
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(GameDataModifiedTest, EachAnswerToTheQuestionOnExit)
{
    struct Case {
        Prompter::Answer answer;
        bool variablesFileUnwritable;
        bool mayEnd;
        bool stillModified;
        bool saved;
    } cases[] = {
        {Prompter::Answer::No, false, true, true, false},
        {Prompter::Answer::Cancel, false, false, true, false},
        {Prompter::Answer::Yes, false, true, false, true},
        // A file that cannot be written keeps the program open and the mark set; the game data is
        // saved whole or not at all, so no other file was replaced either.
        {Prompter::Answer::Yes, true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.answer) * 10 + c.variablesFileUnwritable);
        test::TempDir dir;
        ASSERT_TRUE(writeSampleData(dir.path()).empty());
        test::ScriptedPrompter answers;
        EditorApp editor(dir.path(), answers);
        editor.loadGlobalData();
        editor.types().doors().at(0)->setIntValue(DoorField::GoldCost, 4321);
        editor.setGameDataModified();
        if (c.variablesFileUnwritable) {
            std::filesystem::remove(dir / "GlobalVariables.vwd");
            std::filesystem::create_directory(dir / "GlobalVariables.vwd");
        }
        answers.clear();
        answers.queueAnswer(c.answer);
        EXPECT_EQ(editor.SaveGameDataModified(), c.mayEnd);
        ASSERT_FALSE(answers.entries().empty());
        EXPECT_EQ(answers.entries()[0].text, "Save changes to the game data?");
        EXPECT_EQ(answers.entries()[0].buttons, Prompter::Buttons::YesNoCancel);
        EXPECT_EQ(editor.isGameDataModified(), c.stillModified);

        test::ScriptedPrompter quiet;
        EditorApp reread(dir.path(), quiet);
        reread.loadGlobalData();
        EXPECT_EQ(reread.types().doors().at(0)->intValue(DoorField::GoldCost) == 4321, c.saved);
    }
}

TEST_F(GameDataModifiedTest, ResetAndACompleteSaveClearTheMarkAndAStatsImportSetsIt)
{
    app.setGameDataModified();
    prompter.queueAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(app.ResetToGR2Defaults());
    EXPECT_FALSE(app.isGameDataModified()) << "the data is what the files hold again";

    const std::filesystem::path stats = root / "stats.txt";
    std::ofstream(stats) << "[START: DOORS]\nName\tGold Cost\n[END: DOORS]\n";
    importStatsFile(app, stats);
    EXPECT_TRUE(app.isGameDataModified());

    EXPECT_TRUE(app.SaveGameData());
    EXPECT_FALSE(app.isGameDataModified());
}

} // namespace
} // namespace gr2
