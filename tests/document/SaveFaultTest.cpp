// Saves that cannot write everything: into a read-only folder, over read-only files, where a file
// cannot be created, and saves cut off after some files. Each reports the failures with their
// exact messages and leaves every file it did not write as it was, so the previous level still
// opens; the backup save never touches the designer's own files.

#include "document/LevelFiles.h"
#include "mapedit/MapTransforms.h"
#include "script/LevelScript.h"
#include "support/LevelFileFixture.h"
#include "support/ReadOnlyScope.h"

#include <gmock/gmock.h>

#include <cerrno>
#include <map>
#include <sys/stat.h>

namespace gr2 {
namespace {

using test::readFile;
using ::testing::ElementsAreArray;

/// The files of a save in the order it writes them (global data answered No).
constexpr const char* kWriteOrder[] = {"Players.vld",   "Map.vld",    "Triggers.vld",
                                       "Variables.vld", "Things.vld", ".vwd"};

/// A file as a save finds it: a save replaces a file it writes by a new one, so the inode tells a
/// rewritten file even when its bytes came out the same.
struct FileState {
    Bytes bytes;
    ino_t inode = 0;
    bool operator==(const FileState&) const = default;
};

/// Every file under a folder.
std::map<std::filesystem::path, FileState> snapshot(const std::filesystem::path& dir)
{
    std::map<std::filesystem::path, FileState> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        struct stat st {};
        if (entry.is_regular_file() && ::stat(entry.path().c_str(), &st) == 0)
            files[std::filesystem::relative(entry.path(), dir)] = {readFile(entry.path()), st.st_ino};
    }
    return files;
}

/// The causes as the messages describe them.
constexpr const char* kAccessDenied = "13: Permission denied";
constexpr const char* kIsAFolder = "21: Is a directory";

std::string saveFailed(const std::filesystem::path& path, const std::string& cause)
{
    return "Failed to save \"" + path.string() + "\" (cause = " + cause + ")\n";
}

class SaveFaultTest : public test::LevelFileFixture {
protected:
    /// The sample level saved once as Levels/Keep.vwd, then changed in the map, the things and the
    /// script, so a second save rewrites every file.
    std::unique_ptr<LevelDocument> savedThenChanged()
    {
        std::filesystem::create_directories(levels);
        auto level = sampleAt(levels / "Keep.vwd");
        EXPECT_TRUE(save(*level));
        ResizeRequest smaller;
        smaller.width = 20;
        smaller.height = 16;
        EXPECT_TRUE(ResizeMap(level->doc(), smaller, prompter));
        level->doc().SetTerrain({5, 5}, 3);
        level->doc().SetModifiedFlag(true);
        prompter.clear();
        return level;
    }

    std::filesystem::path file(const char* suffix) const { return levels / (std::string("Keep") + suffix); }

    const std::filesystem::path levels = root / "Levels";
};

TEST_F(SaveFaultTest, ReadOnlyFolderReportsEveryFileAndKeepsThemAll)
{
    auto level = savedThenChanged();
    const auto before = snapshot(levels);
    test::ReadOnlyScope readOnly({levels});
    if (!readOnly.enforced())
        GTEST_SKIP() << "this process may write into read-only folders";

    prompter.queueAnswer(Prompter::Answer::Yes); // include the global data: one more file refused
    EXPECT_EQ(level->files().SaveLevel(false), SaveResult::Failed);

    std::vector<std::string> expected;
    for (const char* suffix : kWriteOrder)
        expected.push_back(saveFailed(file(suffix), kAccessDenied));
    expected.push_back(LevelFiles::kSaveGlobalsQuestion);
    expected.push_back(saveFailed(file("Globals.vld"), kAccessDenied));
    EXPECT_THAT(prompter.texts(), ElementsAreArray(expected));
    EXPECT_EQ(snapshot(levels), before) << "no file changed, no temporary file left";
    EXPECT_TRUE(level->doc().isModified());
}

TEST_F(SaveFaultTest, ReadOnlyOrUncreatableFilesAreReportedAndKeptWhileTheOthersAreWritten)
{
    struct Case {
        const char* name;
        const char* suffix;
        bool folderInTheWay; ///< a folder of the file's name: the file cannot be created
        const char* cause;
    };
    const Case cases[] = {
        {"read-only part file", "Things.vld", false, kAccessDenied},
        {"read-only master file", ".vwd", false, kAccessDenied},
        {"part file blocked by a folder", "Map.vld", true, kIsAFolder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(levels);
        auto level = savedThenChanged();
        if (c.folderInTheWay) {
            std::filesystem::remove(file(c.suffix));
            std::filesystem::create_directory(file(c.suffix));
        }
        const auto before = snapshot(levels);
        test::ReadOnlyScope readOnly(c.folderInTheWay ? std::vector<std::filesystem::path>{}
                                                      : std::vector<std::filesystem::path>{file(c.suffix)});
        prompter.queueAnswer(Prompter::Answer::No);
        EXPECT_EQ(level->files().SaveLevel(false), SaveResult::Failed);
        EXPECT_THAT(prompter.texts(), ElementsAreArray({saveFailed(file(c.suffix), c.cause),
                                                        std::string(LevelFiles::kSaveGlobalsQuestion)}));
        const auto after = snapshot(levels);
        for (const char* suffix : kWriteOrder) {
            const auto name = std::filesystem::path(std::string("Keep") + suffix);
            if (std::string(suffix) == c.suffix) {
                EXPECT_EQ(after.count(name), before.count(name)) << suffix;
                if (before.count(name)) {
                    EXPECT_EQ(after.at(name), before.at(name)) << suffix;
                }
            } else {
                EXPECT_NE(after.at(name).inode, before.at(name).inode) << suffix << " was written";
            }
        }
        EXPECT_EQ(after.size(), before.size()) << "no temporary file left";
        EXPECT_TRUE(level->doc().isModified());
    }
}

TEST_F(SaveFaultTest, SaveCutOffAfterAnyFileLeavesALevelThatOpens)
{
    for (size_t cut = 0; cut < std::size(kWriteOrder); ++cut) {
        SCOPED_TRACE("writes stop before " + std::string(kWriteOrder[cut]));
        std::filesystem::remove_all(levels);
        auto level = savedThenChanged();
        const auto before = snapshot(levels);
        // As if the disk filled up or the program stopped: the cut write and all after it fail.
        size_t writes = 0;
        setWriteFaultHook([&](const std::filesystem::path&) { return writes++ >= cut ? ENOSPC : 0; });
        prompter.queueAnswer(Prompter::Answer::No);
        EXPECT_EQ(level->files().SaveLevel(false), SaveResult::Failed);
        setWriteFaultHook({});

        const auto after = snapshot(levels);
        ASSERT_EQ(after.size(), before.size());
        for (size_t i = 0; i < std::size(kWriteOrder); ++i) {
            const auto name = std::filesystem::path(std::string("Keep") + kWriteOrder[i]);
            EXPECT_EQ(after.at(name) == before.at(name), i >= cut) << kWriteOrder[i];
        }
        prompter.clear();
        auto reopened = open(file(".vwd"));
        ASSERT_NE(reopened, nullptr);
        const CWorldEditorDoc& doc = reopened->doc();
        EXPECT_EQ(doc.width(), cut > 1 ? 20u : 32u); // the map is the second file written
        // Whatever mix of old and new files it found, everything placed lies on its map.
        auto onMap = [&](const auto& things) {
            for (const auto& thing : things) {
                const TilePoint p = thing->position();
                EXPECT_TRUE(p.x >= 0 && p.y >= 0 && uint32_t(p.x) < doc.width() &&
                            uint32_t(p.y) < doc.height())
                    << p.x << "," << p.y;
            }
        };
        onMap(doc.creatures());
        onMap(doc.doors());
        onMap(doc.traps());
        onMap(doc.objects());
        onMap(doc.effectGenerators());
    }
}

TEST_F(SaveFaultTest, GameDataIntoAReadOnlyFolderIsReportedAndKeptByteForByte)
{
    const auto before = snapshot(root.path());
    test::ReadOnlyScope readOnly({root.path()});
    if (!readOnly.enforced())
        GTEST_SKIP() << "this process may write into read-only folders";
    EXPECT_FALSE(app.SaveGameData());
    std::vector<std::string> expected{saveFailed(root / EditorApp::kVariablesFileName, kAccessDenied)};
    expected.insert(expected.end(), 11, "Failed to open NAME Types Configuration file.\n");
    EXPECT_THAT(prompter.texts(), ElementsAreArray(expected));
    EXPECT_EQ(snapshot(root.path()), before);
}

TEST_F(SaveFaultTest, ReadOnlyVariablesFileIsReportedAndKept)
{
    const Bytes variables = readFile(root / EditorApp::kVariablesFileName);
    test::ReadOnlyScope readOnly({root / EditorApp::kVariablesFileName});
    EXPECT_FALSE(app.SaveGameData());
    EXPECT_THAT(prompter.texts(),
                ElementsAreArray({saveFailed(root / EditorApp::kVariablesFileName, kAccessDenied)}));
    EXPECT_EQ(readFile(root / EditorApp::kVariablesFileName), variables);
}

TEST_F(SaveFaultTest, AutosaveNeverTouchesTheDesignersFiles)
{
    // The designer's level in the maps folder, and one beside the backup in the root folder.
    auto inMaps = sampleAt(root / "Maps" / "Mine.vwd");
    ASSERT_TRUE(save(*inMaps));
    auto inRoot = sampleAt(root / "Work.vwd");
    ASSERT_TRUE(save(*inRoot));
    const auto before = snapshot(root.path());
    prompter.clear();
    for (LevelDocument* level : {inMaps.get(), inRoot.get()}) {
        level->doc().SetTerrain({6, 6}, 3);
        ASSERT_TRUE(level->files().AutoSave());
    }
    auto after = snapshot(root.path());
    for (auto it = after.begin(); it != after.end();)
        it = it->first.begin()->string() == LevelBackups::kFolderName ? after.erase(it) : std::next(it);
    EXPECT_EQ(after, before);
    EXPECT_TRUE(prompter.entries().empty());

    // A backup that cannot be written leaves the designer's files alone as well.
    const auto withBackup = snapshot(root.path());
    test::ReadOnlyScope readOnly({inRoot->files().backupPath()});
    EXPECT_FALSE(inRoot->files().AutoSave());
    EXPECT_EQ(snapshot(root.path()).size(), withBackup.size());
    for (const auto& [name, state] : before)
        EXPECT_EQ(readFile(root / name), state.bytes) << name;
}

TEST_F(SaveFaultTest, TheBackupsOwnNameIsRefusedForANormalSave)
{
    // The next autosave of any level would overwrite a designer's level saved as the backup.
    for (const char* name : {"AutoSave.vwd", "AUTOSAVE.VWD", "Maps/../autosave.vwd"}) {
        auto level = sampleAt(root / name);
        prompter.clear();
        EXPECT_FALSE(level->files().Save()) << name;
        ASSERT_FALSE(prompter.entries().empty()) << name;
        EXPECT_EQ(prompter.entries()[0].text, LevelFiles::kReservedBackupMessage);
        ASSERT_FALSE(prompter.dialogs().empty()) << "Save As was not offered for " << name;
        EXPECT_FALSE(std::filesystem::exists(root / "AutoSave.vwd")) << name;
        EXPECT_TRUE(level->doc().isModified());
    }
    // The same name in another folder is the designer's to use.
    auto elsewhere = sampleAt(root / "Maps" / "AutoSave.vwd");
    EXPECT_TRUE(save(*elsewhere));
}

} // namespace
} // namespace gr2
