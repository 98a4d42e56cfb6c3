// Backups per level: each open level is backed up to its own files in the backup folder, never
// touching the designer's files; backups newer than their level are offered at start-up, opened
// under the level's own name with unsaved changes, or discarded.

#include "document/LevelBackups.h"
#include "document/BackupLock.h"
#include "document/LevelFiles.h"
#include "level/TextConversion.h"
#include "support/LevelFileFixture.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

namespace gr2 {
namespace {

class LevelBackupsTest : public test::LevelFileFixture {
protected:
    std::filesystem::path backups() const { return root.path() / LevelBackups::kFolderName; }
    static std::vector<std::string> levelPaths(const std::vector<LevelBackups::Backup>& found)
    {
        std::vector<std::string> paths;
        for (const auto& b : found)
            paths.push_back(b.levelPath.empty() ? "unsaved " + b.title : b.levelPath);
        return paths;
    }
};

TEST_F(LevelBackupsTest, OpenLevelsKeepTheirOwnBackupsAndTheDesignersFilesAlone)
{
    // Two levels of the same name in two folders and one never saved: three backups.
    std::filesystem::create_directories(root / "Other");
    auto first = sampleAt(root / "Maps" / "Twin.vwd");
    auto second = sampleAt(root / "Other" / "Twin.vwd");
    auto unsaved = newDocument();
    buildSampleLevel(unsaved->doc(), "GR2Level1");
    for (LevelDocument* level : {first.get(), second.get(), unsaved.get()}) {
        level->doc().SetModifiedFlag(true);
        ASSERT_TRUE(level->files().AutoSave());
    }
    const std::set<std::filesystem::path> masters{first->files().backupPath(), second->files().backupPath(),
                                                  unsaved->files().backupPath()};
    EXPECT_EQ(masters.size(), 3u);
    for (const auto& master : masters) {
        EXPECT_EQ(master.parent_path(), backups());
        EXPECT_TRUE(std::filesystem::exists(master)) << master;
    }
    EXPECT_FALSE(std::filesystem::exists(root / "Maps" / "Twin.vwd"));
    EXPECT_FALSE(std::filesystem::exists(root / "Other" / "Twin.vwd"));
    EXPECT_FALSE(std::filesystem::exists(root / LevelFiles::kAutoSaveFileName));
    EXPECT_TRUE(prompter.entries().empty()) << "a backup asks nothing";

    // All three are newer than their levels (which have no file yet), oldest first.
    EXPECT_EQ(levelPaths(LevelBackups::findNewerThanTheirLevels(root.path())),
              (std::vector<std::string>{(root / "Maps" / "Twin.vwd").string(),
                                        (root / "Other" / "Twin.vwd").string(), "unsaved GR2Level1"}));

    // Saving a level removes its backup: its own files hold everything.
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(second->files().Save());
    EXPECT_FALSE(std::filesystem::exists(second->files().backupPath()));
    // Save As renames the level: the backup under its old name goes too.
    const std::filesystem::path unsavedBackup = unsaved->files().backupPath();
    prompter.queueSavePath(root / "Maps" / "Named.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(unsaved->files().SaveAs());
    EXPECT_FALSE(std::filesystem::exists(unsavedBackup));
}

TEST_F(LevelBackupsTest, BackupsNewerThanTheirLevelsAreOfferedAndOpenedUnderTheLevelsName)
{
    std::filesystem::create_directories(root / "Levels");
    auto taken = sampleAt(root / "Levels" / "Taken.vwd");
    auto declined = sampleAt(root / "Levels" / "Declined.vwd");
    auto stale = sampleAt(root / "Levels" / "Stale.vwd");
    for (LevelDocument* level : {taken.get(), declined.get(), stale.get()}) {
        ASSERT_TRUE(save(*level));
        level->doc().SetTerrain({20, 21}, 3); // the unsaved edit the backup keeps
        ASSERT_TRUE(level->files().AutoSave());
    }
    // A level saved after its backup was written: the backup holds nothing new and goes quietly.
    std::filesystem::last_write_time(root / "Levels" / "Stale.vwd",
                                     std::filesystem::last_write_time(stale->files().backupPath()) +
                                         std::chrono::seconds(5));
    // An origin that does not say whose backup it is, and one without its backup, are no offer.
    std::ofstream(backups() / "Broken-00000000.origin") << "no second line";
    std::ofstream(backups() / "Lost-00000000.origin") << "/nowhere/Lost.vwd\nLost\n";

    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Yes);
    prompter.queueAnswer(Prompter::Answer::No);
    const std::vector<LevelBackups::Backup> chosen = LevelBackups::chooseBackupsToOpen(root.path(), prompter);
    ASSERT_EQ(prompter.entries().size(), 2u);
    EXPECT_NE(prompter.entries()[0].text.find("\"" + (root / "Levels" / "Taken.vwd").string() + "\""),
              std::string::npos)
        << prompter.entries()[0].text;
    EXPECT_NE(prompter.entries()[0].text.find("Open the backup as an unsaved level?"), std::string::npos);
    EXPECT_EQ(levelPaths(chosen), std::vector<std::string>{(root / "Levels" / "Taken.vwd").string()});
    EXPECT_FALSE(std::filesystem::exists(declined->files().backupPath())) << "declined: discarded";
    EXPECT_FALSE(std::filesystem::exists(stale->files().backupPath())) << "older than its level";

    auto recovered = newDocument();
    ASSERT_TRUE(recovered->files().OpenBackup(chosen[0]));
    CWorldEditorDoc& doc = recovered->doc();
    EXPECT_EQ(doc.path(), (root / "Levels" / "Taken.vwd").string());
    EXPECT_EQ(doc.title(), doc.path());
    EXPECT_TRUE(doc.isNamed());
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(utf16ToUtf8(doc.properties().name), "Taken");
    EXPECT_EQ(doc.GetTerrain({20, 21}), 3) << "the edit is back";
    EXPECT_EQ(recovered->files().backupPath(), chosen[0].master) << "later backups go to the same files";
    // Saved: the level's own file gets the edit, and the backup is gone.
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(recovered->files().Save());
    EXPECT_FALSE(std::filesystem::exists(chosen[0].master));
    EXPECT_TRUE(LevelBackups::findNewerThanTheirLevels(root.path()).empty());
}

TEST_F(LevelBackupsTest, AnotherEditorsLiveBackupIsNeitherOfferedNorDeletedUntilThatEditorStops)
{
    auto level = sampleAt(root / "Maps" / "Shared.vwd");
    level->doc().SetModifiedFlag(true);
    ASSERT_TRUE(level->files().AutoSave());
    const std::filesystem::path master = level->files().backupPath();
    level.reset(); // this editor is done with it; the backup stays, as after a crash

    // Another editor on the same root has the level open: it holds the backup's lock.
    const std::string lockPath = BackupLock::pathFor(master).string();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t editor = ::fork();
    ASSERT_GE(editor, 0);
    if (editor == 0) {
        const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0644);
        const char ok = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'y' : 'n';
        if (::write(ready[1], &ok, 1) != 1)
            ::_exit(1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');

    EXPECT_TRUE(LevelBackups::findNewerThanTheirLevels(root.path()).empty());
    EXPECT_TRUE(LevelBackups::chooseBackupsToOpen(root.path(), prompter).empty());
    EXPECT_TRUE(prompter.entries().empty()) << "nothing asked about a live backup";
    EXPECT_TRUE(std::filesystem::exists(master));
    BackupLock mine;
    EXPECT_FALSE(mine.take(master)) << "the lock is the other editor's";

    // That editor is killed: its lock goes with it, and the backup is offered.
    ::kill(editor, SIGKILL);
    ::waitpid(editor, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const auto found = LevelBackups::findNewerThanTheirLevels(root.path());
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].master, master);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(LevelBackups::chooseBackupsToOpen(root.path(), prompter).empty());
    EXPECT_FALSE(std::filesystem::exists(master)) << "declined: discarded";
    EXPECT_FALSE(std::filesystem::exists(lockPath)) << "the dead editor's lock file goes with it";
}

} // namespace
} // namespace gr2
