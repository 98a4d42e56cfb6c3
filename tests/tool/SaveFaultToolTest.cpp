// gr2tool saving a level and the game data with a fault at every file operation of the save in
// turn (GR2_FAULT), both failing the operation and killing the process there, then opening the
// root again with a second gr2tool: the files are byte for byte the old save or the new one, never
// a mix, nothing of the save is left, and the user was told what happened. A full disk and a
// read-only folder are tried the same way.

#include "support/ReadOnlyScope.h"
#include "support/ToolProcess.h"
#include "worlddata/SaveJournal.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <sys/stat.h>

namespace gr2 {
namespace {

using test::TempDir;
using Files = std::map<std::string, Bytes>;

/// Saves made by these runs carry one fixed time, so the same save writes the same bytes.
const std::string kFixedClock = "SOURCE_DATE_EPOCH=1700000000";

/// The files directly in a folder.
Files filesIn(const std::filesystem::path& dir)
{
    Files files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.is_regular_file())
            files[entry.path().filename().string()] = test::readFile(entry.path());
    return files;
}

/// Names a save leaves only while it runs or when it was cut off.
std::vector<std::string> leftOvers(const std::filesystem::path& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
        if (SaveJournal::classify(entry.path().filename().string()) ||
            entry.path().filename().string().find(".XXXXXX") != std::string::npos)
            names.push_back(entry.path().string());
    return names;
}

struct FaultPoint {
    std::string op;
    int n = 0;
    std::string file;
};

/// The points GR2_FAULT=list printed.
std::vector<FaultPoint> pointsIn(const std::string& err)
{
    std::vector<FaultPoint> points;
    std::istringstream lines(err);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string mark;
        FaultPoint p;
        if (words >> mark >> p.op >> p.n && mark == "GR2_FAULT") {
            words.get();
            std::getline(words, p.file);
            points.push_back(p);
        }
    }
    return points;
}

class SaveFaultToolTest : public ::testing::Test {
protected:
    /// The sample data set, written once and copied for every run.
    static const std::filesystem::path& sample()
    {
        static TempDir dir;
        static const bool written =
            test::runTool("sample-data " + test::shellQuoted(dir.path()), "/dev/null", {}, kFixedClock)
                .status == 0;
        EXPECT_TRUE(written);
        return dir.path();
    }

    /// A fresh copy of the sample data.
    std::unique_ptr<TempDir> freshRoot() const
    {
        auto root = std::make_unique<TempDir>();
        std::filesystem::copy(sample(), root->path(), std::filesystem::copy_options::recursive);
        return root;
    }

    test::ToolRun tool(const TempDir& root, const std::string& command, const std::string& prefix = {}) const
    {
        return test::runTool("--root " + test::shellQuoted(root.path()) + " " + command, errFile, root.path(),
                             kFixedClock + " " + prefix);
    }

    struct Save {
        const char* name;
        /// The folder whose files the save replaces.
        const char* folder;
        std::string command;
    };

    /// Every point of the save, failed and killed in turn; answers the number of points.
    size_t runTable(const Save& save)
    {
        auto reference = freshRoot();
        const Files before = filesIn(reference->path() / save.folder);
        const test::ToolRun listed = tool(*reference, save.command, "GR2_FAULT=list");
        EXPECT_EQ(listed.status, 0) << listed.err;
        const Files after = filesIn(reference->path() / save.folder);
        EXPECT_NE(before, after);
        const std::vector<FaultPoint> points = pointsIn(listed.err);
        EXPECT_FALSE(points.empty());

        size_t finished = 0, undone = 0;
        for (const FaultPoint& point : points) {
            for (const char* action : {"EIO", "kill"}) {
                SCOPED_TRACE(point.op + ":" + std::to_string(point.n) + ":" + action + " at " + point.file);
                auto root = freshRoot();
                const test::ToolRun faulty =
                    tool(*root, save.command,
                         "GR2_FAULT=" + point.op + ":" + std::to_string(point.n) + ":" + action);
                const bool killed = std::string(action) == "kill";
                if (killed) {
                    EXPECT_EQ(faulty.status, -1);
                }
                // Opening the root again settles what the fault left.
                const test::ToolRun reopened = tool(*root, "info Maps/FirstSteps.vwd");
                EXPECT_EQ(reopened.status, 0) << reopened.err;
                const Files now = filesIn(root->path() / save.folder);
                EXPECT_TRUE(now == before || now == after) << "a mix of the old and the new save";
                EXPECT_EQ(leftOvers(root->path()), std::vector<std::string>{});
                // What the user is told about the save's folder says which of the two it is.
                const std::string folder =
                    "\"" +
                    (save.folder == std::string(".") ? root->path() : root->path() / save.folder).string() +
                    "\"";
                if (reopened.err.find("An interrupted save was finished in " + folder) != std::string::npos) {
                    EXPECT_EQ(now, after);
                    ++finished;
                } else if (reopened.err.find("An interrupted save was undone in " + folder) !=
                           std::string::npos) {
                    EXPECT_EQ(now, before);
                    ++undone;
                }
                if (!killed && faulty.status != 0) {
                    // A failed save says so, and when one of its own files failed it is the old one.
                    EXPECT_NE(faulty.err.find("Failed to "), std::string::npos) << faulty.err;
                    const auto where =
                        std::filesystem::path(point.file).lexically_relative(reference->path());
                    if (where.parent_path() ==
                        std::filesystem::path(save.folder == std::string(".") ? "" : save.folder)) {
                        EXPECT_EQ(now, before);
                    }
                }
            }
        }
        // Kills before the journal are undone, kills after it finished.
        EXPECT_GT(finished, 0u);
        EXPECT_GT(undone, 0u);
        return points.size();
    }

    TempDir errDir;
    const std::filesystem::path errFile = errDir.path() / "err.txt";
};

TEST_F(SaveFaultToolTest, ALevelSaveFailedOrKilledAtAnyPointIsTheOldOrTheNewLevel)
{
    // resize writes the level over itself, then its thumbnail.
    const size_t points =
        runTable({"level", "Maps", "resize Maps/FirstSteps.vwd Maps/FirstSteps.vwd --width 40 --height 30"});
    std::printf("[ points   ] a level save with its thumbnail: %zu\n", points);
}

TEST_F(SaveFaultToolTest, GameDataSaveFailedOrKilledAtAnyPointIsTheOldOrTheNewData)
{
    const size_t points = runTable({"game data", ".", "edit-type door --id 3 \"Gold Cost=250\""});
    std::printf("[ points   ] a game data save: %zu\n", points);
}

TEST_F(SaveFaultToolTest, AFullDiskOrAReadOnlyFolderFailsTheSaveAndKeepsEveryFile)
{
    struct Case {
        const char* name;
        const char* folder;
        std::string command;
        bool readOnly;
        std::string cause;
        /// The write the disk is full at (the variables file is the game data's first).
        const char* fullAt = "3";
    };
    const Case cases[] = {
        {"level on a full disk", "Maps",
         "resize Maps/FirstSteps.vwd Maps/FirstSteps.vwd --width 40 --height 30", false,
         "(cause = 28: No space left on device)"},
        {"game data on a full disk", ".", "edit-type door --id 3 \"Gold Cost=250\"", false,
         "GlobalVariables.vwd\" (cause = 28: No space left on device)", "1"},
        {"level in a read-only folder", "Maps",
         "resize Maps/FirstSteps.vwd Maps/FirstSteps.vwd --width 40 --height 30", true,
         "(cause = 13: Permission denied)"},
        {"game data in a read-only folder", ".", "edit-type door --id 3 \"Gold Cost=250\"", true,
         "Failed to open NAME Types Configuration file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto root = freshRoot();
        const std::filesystem::path folder = root->path() / c.folder;
        const Files before = filesIn(folder);
        std::string prefix = std::string("GR2_FAULT=write:") + c.fullAt + ":ENOSPC";
        if (c.readOnly) {
            // A privileged user writes into read-only folders: the tool runs without that right.
            prefix = ::geteuid() == 0 ? "setpriv --bounding-set -dac_override,-dac_read_search" : "";
            ::chmod(folder.c_str(), 0555);
        }
        const test::ToolRun run = test::runTool("--root " + test::shellQuoted(root->path()) + " " + c.command,
                                                errFile, root->path(), prefix);
        ::chmod(folder.c_str(), 0755);
        if (c.readOnly && run.status == 0 && ::geteuid() == 0)
            GTEST_SKIP() << "the tool could still write into a read-only folder";
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(c.cause), std::string::npos) << run.err;
        EXPECT_EQ(filesIn(folder), before);
        EXPECT_EQ(leftOvers(root->path()), std::vector<std::string>{});
    }
}

} // namespace
} // namespace gr2
