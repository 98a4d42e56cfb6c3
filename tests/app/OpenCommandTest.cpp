#include "app/OpenCommand.h"
#include "support/ScriptedPrompter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::ScriptedPrompter;

struct Recorder {
    std::vector<std::string> imported, opened;
    OpenHandlers handlers()
    {
        return {[this](const std::filesystem::path& p) { imported.push_back(p.string()); },
                [this](const std::filesystem::path& p) { opened.push_back(p.string()); }};
    }
};

TEST(OpenCommandTest, DialogAsksForLevelsAndStatsInTheMapsFolder)
{
    FileDialogSpec dialog = openCommandDialog("/data");
    EXPECT_EQ(dialog.title, "Open GR2 Map file(s)");
    EXPECT_THAT(dialog.filters,
                ::testing::ElementsAre("GR2 Level Files (*.vwd)", "Excel Configuration Data (*.txt)",
                                       "All files (*.*)"));
    EXPECT_EQ(dialog.initialPath, std::filesystem::path("/data/Maps"));
    EXPECT_TRUE(dialog.multiSelect);
}

TEST(OpenCommandTest, StatsFilesNeedTheirWarningAnsweredYes)
{
    for (auto answer : {Prompter::Answer::Yes, Prompter::Answer::No}) {
        ScriptedPrompter prompter;
        Recorder r;
        prompter.queueOpenPaths({"/data/stats.txt"});
        prompter.queueAnswer(answer);
        runOpenCommand(prompter, "/data", r.handlers());
        ASSERT_EQ(prompter.entries().size(), 1u);
        EXPECT_EQ(prompter.entries()[0].text, kStatsImportWarning);
        EXPECT_EQ(prompter.entries()[0].buttons, Prompter::Buttons::YesNo);
        EXPECT_EQ(r.imported.size(), answer == Prompter::Answer::Yes ? 1u : 0u);
        EXPECT_TRUE(r.opened.empty());
    }
}

TEST(OpenCommandTest, OtherNamesOpenAsLevelsInOrder)
{
    ScriptedPrompter prompter;
    Recorder r;
    prompter.queueOpenPaths({"/d/a.vwd", "/d/b.vwd", "/d/c.vwd"});
    runOpenCommand(prompter, "/d", r.handlers());
    EXPECT_THAT(r.opened, ::testing::ElementsAre("/d/a.vwd", "/d/b.vwd", "/d/c.vwd"));

    // The stats test looks at the exact case: a capital extension is opened as a level.
    prompter.queueOpenPaths({"/d/STATS.TXT"});
    runOpenCommand(prompter, "/d", r.handlers());
    EXPECT_EQ(r.opened.back(), "/d/STATS.TXT");
    EXPECT_TRUE(r.imported.empty());

    runOpenCommand(prompter, "/d", r.handlers()); // cancelled dialog
    EXPECT_EQ(r.opened.size(), 4u);
    EXPECT_TRUE(prompter.entries().empty());
}

} // namespace
} // namespace gr2
