// Several files replaced as one: a save failed or killed at any of its file operations leaves all
// of the old files or all of the new ones once the folder is opened again, never a mix, and
// nothing of the save behind; an interrupted save of a program still running is left alone.

#include "worlddata/AtomicFileSet.h"
#include "support/TempDir.h"
#include "worlddata/FaultInjection.h"
#include "worlddata/SaveRecovery.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace gr2 {
namespace {

using Files = std::map<std::string, Bytes>;

Files filesIn(const std::filesystem::path& dir)
{
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files[entry.path().filename().string()] = test::readFile(entry.path());
    return files;
}

struct RecordingReporter : Reporter {
    std::vector<std::string> texts;
    void message(const std::string& text, Icon) override { texts.push_back(text); }
};

/// An old set of three files in a folder, and the new set a save replaces it with: one file
/// changes, one is new, one is replaced by bytes of another length.
class AtomicFileSetTest : public ::testing::Test {
protected:
    AtomicFileSetTest()
    {
        test::writeFile(dir / "Level.vwd", Bytes{1, 2, 3});
        test::writeFile(dir / "LevelMap.vld", Bytes(5000, 7));
        test::writeFile(dir / "Other.txt", Bytes{9});
        oldFiles = filesIn(dir.path());
        newFiles = oldFiles;
        newFiles["Level.vwd"] = Bytes{4, 5, 6, 7};
        newFiles["LevelMap.vld"] = Bytes(3000, 8);
        newFiles["LevelThings.vld"] = Bytes{10, 11};
    }
    ~AtomicFileSetTest() override { setFaultPlan(std::nullopt); }

    WriteResult save()
    {
        AtomicFileSet set;
        for (const char* name : {"Level.vwd", "LevelMap.vld", "LevelThings.vld"}) {
            const WriteResult added = set.add(dir / name, newFiles[name]);
            if (!added.ok)
                return added;
        }
        return set.commit();
    }

    /// The number of operations of each kind one save makes.
    std::map<FaultOp, uint64_t> pointsOfASave()
    {
        setFaultPlan(std::nullopt);
        EXPECT_TRUE(save().ok);
        std::map<FaultOp, uint64_t> points;
        for (FaultOp op : kOps)
            points[op] = faultCount(op);
        restoreOld();
        return points;
    }

    void restoreOld()
    {
        for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
            std::filesystem::remove(entry.path());
        for (const auto& [name, bytes] : oldFiles)
            test::writeFile(dir / name, bytes);
    }

    static constexpr FaultOp kOps[] = {FaultOp::Write, FaultOp::Fsync, FaultOp::Rename};
    test::TempDir dir;
    Files oldFiles;
    Files newFiles;
};

TEST_F(AtomicFileSetTest, AFailureAtAnyPointLeavesTheOldFilesAndNothingElse)
{
    for (const auto& [op, count] : pointsOfASave()) {
        ASSERT_GT(count, 0u) << faultOpName(op);
        for (uint64_t n = 1; n <= count; ++n) {
            SCOPED_TRACE(std::string(faultOpName(op)) + " " + std::to_string(n));
            FaultPlan plan;
            plan.op = op;
            plan.n = n;
            plan.error = EIO;
            setFaultPlan(plan);
            const WriteResult result = save();
            const Files after = filesIn(dir.path());
            // The last flush of the folder comes after the save is complete.
            if (result.ok) {
                EXPECT_EQ(after, newFiles);
            } else {
                EXPECT_EQ(result.error, EIO);
                EXPECT_EQ(after, oldFiles);
            }
            restoreOld();
        }
    }
}

TEST_F(AtomicFileSetTest, AKillAtAnyPointIsFinishedOrUndoneByTheNextOpening)
{
    size_t finished = 0, undone = 0;
    for (const auto& [op, count] : pointsOfASave()) {
        for (uint64_t n = 1; n <= count; ++n) {
            SCOPED_TRACE(std::string(faultOpName(op)) + " " + std::to_string(n));
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                FaultPlan plan;
                plan.op = op;
                plan.n = n;
                setFaultPlan(plan);
                save();
                ::_exit(0);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;

            RecordingReporter reporter;
            const auto settled = recoverInterruptedSaves(dir.path(), reporter);
            const Files after = filesIn(dir.path());
            EXPECT_TRUE(after == oldFiles || after == newFiles) << "a mix of old and new files";
            if (!killed) {
                EXPECT_EQ(after, newFiles) << "the save ran to its end";
            } else if (!settled.empty()) {
                ASSERT_EQ(settled.size(), 1u);
                ASSERT_EQ(reporter.texts.size(), 1u);
                EXPECT_EQ(reporter.texts[0], recoveryMessage(settled[0]));
                const bool wasFinished = settled[0].outcome == RecoveredSave::Outcome::Finished;
                EXPECT_EQ(after, wasFinished ? newFiles : oldFiles);
                (wasFinished ? finished : undone)++;
            }
            restoreOld();
        }
    }
    EXPECT_GT(finished, 0u);
    EXPECT_GT(undone, 0u);
}

TEST_F(AtomicFileSetTest, AJournalWhoseNewFilesAreDamagedIsUndone)
{
    // Killed just before the first rename: the journal is on disk and every new file is complete.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FaultPlan plan;
        plan.op = FaultOp::Rename;
        plan.n = 2;
        setFaultPlan(plan);
        save();
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    // One file was renamed into place; another new file is then damaged on disk.
    bool damaged = false;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const auto file = SaveJournal::classify(entry.path().filename().string());
        if (file && file->kind == SaveJournal::SaveFile::Kind::Staged && !damaged) {
            std::filesystem::resize_file(entry.path(), 1);
            damaged = true;
        }
    }
    ASSERT_TRUE(damaged);
    RecordingReporter reporter;
    const auto settled = recoverInterruptedSaves(dir.path(), reporter);
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled[0].outcome, RecoveredSave::Outcome::RolledBack);
    EXPECT_EQ(settled[0].files, (std::vector<std::string>{"Level.vwd", "LevelMap.vld", "LevelThings.vld"}));
    EXPECT_EQ(filesIn(dir.path()), oldFiles);
}

TEST_F(AtomicFileSetTest, ASaveOfARunningProgramIsLeftAlone)
{
    // What a running program's save looks like halfway: its new files written, nothing replaced.
    const std::string tag = std::to_string(::getppid()) + "-abcdef";
    test::writeFile(dir / SaveJournal::stagedName("Level.vwd", tag), Bytes{4, 5, 6, 7});
    const Files during = filesIn(dir.path());
    RecordingReporter reporter;
    EXPECT_TRUE(recoverInterruptedSaves(dir.path(), reporter).empty());
    EXPECT_TRUE(reporter.texts.empty());
    EXPECT_EQ(filesIn(dir.path()), during);
}

TEST_F(AtomicFileSetTest, AHostileJournalChangesNoFileOfTheFolder)
{
    // A journal that does not read leaves the targets alone: nothing was renamed before a whole
    // journal was on disk. Only the save's own files go.
    const std::string tag = "999999999-abcdef";
    test::writeFile(dir / SaveJournal::journalName(tag), Bytes{'G', 'R', '2', '\n', 0, 0xff});
    test::writeFile(dir / SaveJournal::keptOldName("Level.vwd", tag), Bytes{1});
    RecordingReporter reporter;
    const auto settled = recoverInterruptedSaves(dir.path(), reporter);
    ASSERT_EQ(settled.size(), 1u);
    EXPECT_EQ(settled[0].outcome, RecoveredSave::Outcome::RolledBack);
    EXPECT_EQ(filesIn(dir.path()), oldFiles);
}

} // namespace
} // namespace gr2
