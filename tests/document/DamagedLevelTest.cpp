// A level opened from files that could not all be read holds less than they do: it is marked
// damaged, and writing it over those files asks first. Saving it anywhere in full ends the mark.

#include "document/LevelFiles.h"
#include "support/LevelFileFixture.h"

#include <gmock/gmock.h>

namespace gr2 {
namespace {

using test::readFile;
using ::testing::ElementsAre;

class DamagedLevelTest : public test::LevelFileFixture {
protected:
    /// The sample level saved as Cut/Cut.vwd, then reopened with the given part file cut short
    /// (or removed, for a negative cut).
    std::unique_ptr<LevelDocument> openWithCutPart(const char* part, long cutBytes = 7)
    {
        std::filesystem::create_directories(dir);
        auto level = sampleAt(master);
        EXPECT_TRUE(save(*level));
        const std::filesystem::path file = dir / (std::string("Cut") + part);
        if (cutBytes < 0) {
            std::filesystem::remove(file);
        } else {
            Bytes bytes = readFile(file);
            bytes.resize(bytes.size() - size_t(cutBytes));
            test::writeFile(file, bytes);
        }
        auto opened = open(master);
        EXPECT_TRUE(opened);
        prompter.clear();
        return opened;
    }

    const std::filesystem::path dir = root / "Cut";
    const std::filesystem::path master = dir / "Cut.vwd";
};

TEST_F(DamagedLevelTest, OnlyAPartFileThatIsThereButUnreadableDamagesTheLevel)
{
    struct Case {
        const char* part;
        long cut; ///< bytes cut off the end; negative: the file is removed
        bool damaged;
    };
    const Case cases[] = {
        {"Map.vld", 7, true},         {"Things.vld", 7, true},    {"Players.vld", 7, true},
        {"Triggers.vld", 7, true},    {"Variables.vld", 7, true}, {"Things.vld", -1, false},
        {"Variables.vld", -1, false}, {"Map.vld", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.part) + " cut " + std::to_string(c.cut));
        std::filesystem::remove_all(dir);
        auto level = openWithCutPart(c.part, c.cut);
        ASSERT_TRUE(level);
        EXPECT_EQ(level->doc().isDamaged(), c.damaged);
    }
}

TEST_F(DamagedLevelTest, SavingOverItsOwnFilesAsksAndYesWritesThemWhole)
{
    auto level = openWithCutPart("Things.vld");
    ASSERT_TRUE(level && level->doc().isDamaged());
    prompter.queueAnswer(Prompter::Answer::Yes);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(level->files().Save());
    ASSERT_EQ(prompter.entries().size(), 2u) << ::testing::PrintToString(prompter.texts());
    EXPECT_EQ(prompter.entries()[0].text, LevelFiles::kReplaceDamagedQuestion);
    EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(prompter.entries()[1].text, LevelFiles::kSaveGlobalsQuestion);
    EXPECT_FALSE(level->doc().isDamaged());

    // Whole again: it reopens undamaged and saves without the question.
    auto reopened = open(master);
    ASSERT_TRUE(reopened);
    EXPECT_FALSE(reopened->doc().isDamaged());
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(reopened->files().Save());
    EXPECT_THAT(prompter.texts(), ElementsAre(LevelFiles::kSaveGlobalsQuestion));
}

TEST_F(DamagedLevelTest, SaveAsToAnotherNameDoesNotAskAndEndsTheMark)
{
    auto level = openWithCutPart("Things.vld");
    ASSERT_TRUE(level && level->doc().isDamaged());
    const Bytes cutThings = readFile(dir / "CutThings.vld");

    // Save As onto its own files is saving over them: it asks, and No keeps everything.
    prompter.queueSavePath(master);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(level->files().SaveAs());
    EXPECT_THAT(prompter.texts(), ElementsAre(LevelFiles::kReplaceDamagedQuestion));
    EXPECT_TRUE(level->doc().isDamaged());
    EXPECT_EQ(readFile(dir / "CutThings.vld"), cutThings);

    prompter.clear();
    prompter.queueSavePath(dir / "Copy.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(level->files().SaveAs());
    EXPECT_THAT(prompter.texts(), ElementsAre(LevelFiles::kSaveGlobalsQuestion));
    EXPECT_FALSE(level->doc().isDamaged());
    EXPECT_EQ(level->doc().path(), (dir / "Copy.vwd").string());
    EXPECT_EQ(readFile(dir / "CutThings.vld"), cutThings) << "the damaged files stay as they were";
}

TEST_F(DamagedLevelTest, BackupNeverAsksAndKeepsTheMarkAndTheCloseQuestionStaysOpenOnNo)
{
    auto level = openWithCutPart("Triggers.vld");
    ASSERT_TRUE(level && level->doc().isDamaged());
    EXPECT_TRUE(level->files().AutoSave());
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_TRUE(level->doc().isDamaged());

    level->doc().SetModifiedFlag(true);
    prompter.queueAnswer(Prompter::Answer::Yes); // save changes
    prompter.queueAnswer(Prompter::Answer::No);  // but not over the damaged files
    EXPECT_FALSE(level->files().SaveModified());
    EXPECT_THAT(prompter.texts(),
                ElementsAre("Save changes to " + master.string() + "?", LevelFiles::kReplaceDamagedQuestion));
    EXPECT_TRUE(level->doc().isModified());
    EXPECT_TRUE(level->doc().isDamaged());
}

} // namespace
} // namespace gr2
