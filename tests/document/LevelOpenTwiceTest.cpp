// One level file, one document: the open level is found however a path names its file, and Save
// As refuses the files of a level open in another window, so neither document can overwrite the
// other's edits without a word.

#include "document/LevelFiles.h"
#include "support/LevelFileFixture.h"

#include <gmock/gmock.h>

namespace gr2 {
namespace {

using test::readFile;

class LevelOpenTwiceTest : public test::LevelFileFixture {
protected:
    const std::filesystem::path maps = root / "Maps";
};

TEST_F(LevelOpenTwiceTest, TheOpenLevelIsFoundHoweverThePathNamesItsFile)
{
    auto mine = sampleAt(maps / "Mine.vwd");
    ASSERT_TRUE(save(*mine));
    auto other = sampleAt(maps / "Other.vwd");
    ASSERT_TRUE(save(*other));
    std::filesystem::create_directory(root / "Links");
    std::filesystem::create_hard_link(maps / "Mine.vwd", root / "Links" / "Hard.vwd");
    std::filesystem::create_symlink(maps / "Mine.vwd", root / "Links" / "Soft.vwd");

    struct Case {
        const char* what;
        std::filesystem::path path;
        bool found;
    };
    const Case cases[] = {
        {"the same path", maps / "Mine.vwd", true},
        {"another letter case, as the reader finds it", maps / "MINE.vwd", true},
        {"a detour", maps / ".." / "Maps" / "Mine.vwd", true},
        {"a hard link", root / "Links" / "Hard.vwd", true},
        {"a symbolic link", root / "Links" / "Soft.vwd", true},
        {"another level", maps / "Others.vwd", false},
        {"no file", maps / "Nothing.vwd", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(app.openLevelAt(c.path), c.found ? &mine->doc() : nullptr) << c.what;
        EXPECT_EQ(app.openLevelAt(c.path, &mine->doc()), nullptr) << c.what << ", the level itself left out";
    }
    // A level not yet on disk is found by its name.
    auto unsaved = sampleAt(maps / "Draft.vwd");
    EXPECT_EQ(app.openLevelAt(maps / "draft.VWD"), &unsaved->doc());
}

TEST_F(LevelOpenTwiceTest, SaveAsRefusesTheFilesOfALevelOpenInAnotherWindow)
{
    auto mine = sampleAt(maps / "Mine.vwd");
    ASSERT_TRUE(save(*mine));
    mine->doc().SetTerrain({6, 6}, 3); // edits not saved yet
    mine->doc().SetModifiedFlag(true);
    const Bytes master = readFile(maps / "Mine.vwd");
    const Bytes map = readFile(maps / "MineMap.vld");

    auto second = sampleAt(maps / "Second.vwd");
    prompter.clear();
    prompter.queueSavePath(maps / "mine.vwd");
    prompter.queueSavePath(std::nullopt);
    EXPECT_FALSE(second->files().SaveAs());
    ASSERT_EQ(prompter.dialogs().size(), 2u) << "the dialog is offered again";
    EXPECT_THAT(prompter.texts(), ::testing::ElementsAre(formatMessage(
                                      LevelFiles::kOpenInAnotherWindowMessage, mine->doc().title())));
    EXPECT_EQ(readFile(maps / "Mine.vwd"), master);
    EXPECT_EQ(readFile(maps / "MineMap.vld"), map);
    EXPECT_EQ(second->doc().path(), (maps / "Second.vwd").string());
    EXPECT_TRUE(mine->doc().isModified());

    // Once the other window is closed, the name is free.
    mine.reset();
    prompter.clear();
    prompter.queueSavePath(maps / "mine.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(second->files().SaveAs());
}

} // namespace
} // namespace gr2
