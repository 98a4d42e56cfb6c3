// Saves that cannot write everything: into a read-only folder, over read-only files, where a file
// cannot be created, and saves cut off after some files. Each reports the failures with their
// exact messages and leaves every file it did not write as it was, so the previous level still
// opens; the backup save never touches the designer's own files.

#include "document/LevelFiles.h"
#include "mapedit/MapTransforms.h"
#include "script/LevelScript.h"
#include "support/LevelFileFixture.h"
#include "support/ReadOnlyScope.h"
#include "typedb/DoorField.h"
#include "worlddata/FaultInjection.h"

#include <gmock/gmock.h>

#include <cerrno>
#include <functional>
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

TEST_F(SaveFaultTest, ReadOnlyOrUncreatableFilesAreReportedAndNoFileIsReplaced)
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
        // A level is saved whole or not at all: the files that could be written were not put in
        // place either, and nothing of the save is left behind.
        EXPECT_EQ(snapshot(levels), before);
        EXPECT_TRUE(level->doc().isModified());
    }
}

TEST_F(SaveFaultTest, SaveCutOffAfterAnyFileChangesNoFile)
{
    for (size_t cut = 0; cut < std::size(kWriteOrder); ++cut) {
        SCOPED_TRACE("writes stop before " + std::string(kWriteOrder[cut]));
        std::filesystem::remove_all(levels);
        auto level = savedThenChanged();
        const auto before = snapshot(levels);
        // As if the disk filled up: the cut write and all after it fail.
        size_t writes = 0;
        setWriteFaultHook([&](const std::filesystem::path&) { return writes++ >= cut ? ENOSPC : 0; });
        prompter.queueAnswer(Prompter::Answer::No);
        EXPECT_EQ(level->files().SaveLevel(false), SaveResult::Failed);
        setWriteFaultHook({});
        EXPECT_EQ(snapshot(levels), before);
        EXPECT_TRUE(level->doc().isModified());

        prompter.clear();
        auto reopened = open(file(".vwd"));
        ASSERT_NE(reopened, nullptr);
        EXPECT_EQ(reopened->doc().width(), 32u) << "the level as it was saved before";
    }
}

/// The bytes of every file under a folder.
std::map<std::filesystem::path, Bytes> bytesIn(const std::filesystem::path& dir)
{
    std::map<std::filesystem::path, Bytes> bytes;
    for (const auto& [name, state] : snapshot(dir))
        bytes[name] = state.bytes;
    return bytes;
}

/// Puts a folder back as it was: files not in the snapshot go, the others get their bytes back.
void restore(const std::filesystem::path& dir, const std::map<std::filesystem::path, Bytes>& files)
{
    for (const auto& [name, bytes] : bytesIn(dir))
        if (!files.count(name))
            std::filesystem::remove(dir / name);
    for (const auto& [name, bytes] : files)
        test::writeFile(dir / name, bytes);
}

TEST_F(SaveFaultTest, AFailureAtAnyFileOperationLeavesTheWholeOldOrTheWholeNewSave)
{
    // The level and the game data, each saved once without a fault to count the operations of
    // their save and to see the files it writes, then again with each operation failing in turn.
    // The clock is fixed, so the same save writes the same bytes.
    ::setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    std::unique_ptr<LevelDocument> level;
    std::map<std::filesystem::path, Bytes> gameDataBefore;
    struct Save {
        const char* name;
        std::filesystem::path folder;
        std::function<void()> reset;
        std::function<bool()> run;
        std::function<bool()> stillModified;
    };
    const Save saves[] = {
        {"level", levels,
         [&] {
             std::filesystem::remove_all(levels);
             level = savedThenChanged();
         },
         [&] {
             prompter.queueAnswer(Prompter::Answer::No);
             return level->files().SaveLevel(false) == SaveResult::Saved;
         },
         [&] { return level->doc().isModified(); }},
        {"game data", root.path(), [&] { restore(root.path(), gameDataBefore); },
         [&] {
             app.types().doors().at(0)->setIntValue(DoorField::GoldCost, 4321);
             app.setGameDataModified();
             return app.SaveGameData();
         },
         [&] { return app.isGameDataModified(); }},
    };
    constexpr FaultOp kOps[] = {FaultOp::Write, FaultOp::Fsync, FaultOp::Rename};
    for (const Save& save : saves) {
        SCOPED_TRACE(save.name);
        if (gameDataBefore.empty())
            gameDataBefore = bytesIn(root.path());
        save.reset();
        prompter.clear();
        const auto before = bytesIn(save.folder);
        setFaultPlan(std::nullopt);
        ASSERT_TRUE(save.run());
        std::map<FaultOp, uint64_t> points;
        for (FaultOp op : kOps)
            points[op] = faultCount(op);
        const auto after = bytesIn(save.folder);
        ASSERT_NE(before, after);

        for (FaultOp op : kOps) {
            for (uint64_t n = 1; n <= points[op]; ++n) {
                SCOPED_TRACE(std::string(faultOpName(op)) + " " + std::to_string(n));
                save.reset();
                prompter.clear();
                FaultPlan plan;
                plan.op = op;
                plan.n = n;
                plan.error = EIO;
                setFaultPlan(plan);
                const bool saved = save.run();
                setFaultPlan(std::nullopt);
                EXPECT_EQ(bytesIn(save.folder), saved ? after : before);
                EXPECT_EQ(save.stillModified(), !saved);
                if (!saved) {
                    ASSERT_FALSE(prompter.texts().empty()) << "a failed save says so";
                    EXPECT_THAT(prompter.texts(), ::testing::Contains(::testing::StartsWith("Failed to ")));
                }
            }
        }
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
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
