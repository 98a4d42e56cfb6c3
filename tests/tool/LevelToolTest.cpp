// gr2tool's level commands run as a separate process over the sample data: new, resave, check,
// thumbnail, info, and the level records of dump.

#include "support/TempDir.h"
#include "support/ToolProcess.h"
#include "worlddata/ByteOrder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <cstdio>
#include <fstream>
#include <sys/wait.h>

namespace gr2 {
namespace {

using RunResult = test::ToolRun;

std::string text(const std::filesystem::path& p)
{
    Bytes b = test::readFile(p);
    return std::string(b.begin(), b.end());
}

class LevelToolTest : public ::testing::Test {
protected:
    LevelToolTest() { EXPECT_EQ(run("sample-data " + quoted(root.path())).status, 0); }

    static std::string quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

    /// Runs the tool with the sample data as its root.
    RunResult tool(const std::string& args) { return run("--root " + quoted(root.path()) + " " + args); }

    RunResult run(const std::string& args) { return test::runTool(args, scratch / "err.txt"); }

    std::filesystem::path sample() const { return root / "Maps" / "FirstSteps.vwd"; }

    test::TempDir root;
    test::TempDir scratch;
};

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST_F(LevelToolTest, NewWritesALevelAsTheSaveCommandDoes)
{
    const auto out = root / "Maps" / "Fresh.vwd";
    RunResult r = tool("new " + quoted(out) + " --width 30 --height 20");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* part : {"Fresh.vwd", "FreshPlayers.vld", "FreshMap.vld", "FreshTriggers.vld",
                             "FreshVariables.vld", "FreshThings.vld", "Thumbnails/Fresh144.bmp"})
        EXPECT_TRUE(std::filesystem::exists(root / "Maps" / part)) << part;
    EXPECT_FALSE(std::filesystem::exists(root / "Maps" / "FreshGlobals.vld"));

    r = tool("info " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* expected : {"\"name\": \"Fresh\"", "\"width\": 30", "\"height\": 20", "\"version\": 3.0",
                                 "\"name\": \"Vorlan 1\"", "\"triggers\": 0"})
        EXPECT_TRUE(contains(r.out, expected)) << expected << "\n" << r.out;

    // A new level has no heart yet: the check says so.
    r = tool("check " + quoted(out));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Vorlan 1 must have a Dungeon Heart!\n");

    // Named, with an ownable base terrain and its owner.
    r = tool("new " + quoted(root / "Maps" / "Owned.vwd") + " --name \"My Level\" --terrain 8 --owner 3");
    EXPECT_EQ(r.status, 0) << r.err;
    r = tool("dump " + quoted(root / "Maps" / "OwnedMap.vld"));
    EXPECT_TRUE(contains(r.out, "\"terrain\": 8,\n") && contains(r.out, "\"owner\": 3,\n"))
        << r.out.substr(0, 600);
    r = tool("info " + quoted(root / "Maps" / "Owned.vwd"));
    EXPECT_TRUE(contains(r.out, "\"name\": \"My Level\"")) << r.out;
}

TEST_F(LevelToolTest, NewRefusesBadSizesAndReservedNames)
{
    EXPECT_EQ(tool("new " + quoted(root / "Small.vwd") + " --width 5").status, 2);
    EXPECT_EQ(tool("new " + quoted(root / "Small.vwd") + " --terrain 99").status, 1);
    RunResult room = tool("new " + quoted(root / "Small.vwd") + " --terrain 10"); // a room floor
    EXPECT_EQ(room.status, 1);
    EXPECT_EQ(room.err, "Terrain type 10 is not offered as a base terrain\n");
    RunResult r = tool("new " + quoted(root / "Maps" / "the sunken hall.vwd"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "This filename is reserved for an Official GR2 Level.")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(root / "Maps" / "the sunken hall.vwd"));
    EXPECT_FALSE(std::filesystem::exists(root / "Small.vwd"));
}

TEST_F(LevelToolTest, ResaveOpensAndSavesAsSaveAsDoes)
{
    std::filesystem::create_directories(root / "Out");
    const auto out = root / "Out" / "Copy.vwd";
    RunResult r = tool("resave " + quoted(sample()) + " " + quoted(out));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(out));
    EXPECT_TRUE(std::filesystem::exists(root / "Out" / "Thumbnails" / "Copy144.bmp"));
    EXPECT_FALSE(std::filesystem::exists(root / "Out" / "CopyGlobals.vld"));
    // The parts are the sample's, apart from the times of saving.
    const Bytes a = test::readFile(root / "Maps" / "FirstStepsMap.vld");
    EXPECT_EQ(test::readFile(root / "Out" / "CopyMap.vld"), a);

    r = tool("resave " + quoted(sample()) + " " + quoted(root / "Out" / "WithGlobals.vwd") + " --globals");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(root / "Out" / "WithGlobalsGlobals.vld"));

    // The level's own global data is taken on opening only when asked to.
    r = tool("--yes resave " + quoted(root / "Out" / "WithGlobals.vwd") + " " +
             quoted(root / "Out" / "Again.vwd"));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.err, "This level contains overrides to Global Data.")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(root / "Out" / "AgainGlobals.vld"));
}

TEST_F(LevelToolTest, ResaveOfALevelThatFailsItsChecksWritesNothing)
{
    ASSERT_EQ(tool("new " + quoted(root / "Maps" / "Bare.vwd")).status, 0);
    RunResult r = tool("resave " + quoted(root / "Maps" / "Bare.vwd") + " " + quoted(root / "Copy.vwd"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Vorlan 1 must have a Dungeon Heart!")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(root / "Copy.vwd"));

    r = tool("resave " + quoted(root / "Missing.vwd") + " " + quoted(root / "Copy.vwd"));
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.err, "Failed to load level!")) << r.err;
}

TEST_F(LevelToolTest, CheckThumbnailAndInfoOfTheSampleLevel)
{
    RunResult r = tool("check " + quoted(sample()));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "OK\n");

    const auto thumbnail = root / "Maps" / "Thumbnails" / "FirstSteps144.bmp";
    std::filesystem::remove(thumbnail);
    r = tool("thumbnail " + quoted(sample()));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, thumbnail.string() + "\n");
    EXPECT_EQ(test::readFile(thumbnail).size(), 54u + 144u * 432u);

    r = tool("info " + quoted(sample()));
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* expected :
         {"\"name\": \"FirstSteps\"", "\"width\": 32", "\"height\": 24", "\"computer\": true",
          "\"gold\": 5000", "\"heart\": [\n        25,\n        17\n      ]",
          "\"alliances\": [\n    [\n      3,\n      4\n    ]", "\"creatures\": 5", "\"portals\": 1",
          "\"heroGates\": 1", "\"heroParties\": 1", "\"triggers\": 1", "\"actions\": 2"})
        EXPECT_TRUE(contains(r.out, expected)) << expected << "\n" << r.out;

    EXPECT_EQ(tool("info " + quoted(root / "Nothing.vwd")).status, 1);
    EXPECT_EQ(tool("check").status, 2);
}

TEST_F(LevelToolTest, CheckAllListsEveryProblemAndFailsOnlyOnErrors)
{
    // A sound level: nothing to list, and the JSON says so.
    RunResult r = tool("check --all " + quoted(sample()));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "OK\n");
    r = tool("check --all --json " + quoted(sample()));
    ASSERT_EQ(r.status, 0) << r.err;
    nlohmann::json report = nlohmann::json::parse(r.out);
    EXPECT_EQ(report["errors"], 0);
    EXPECT_EQ(report["warnings"], 0);
    EXPECT_TRUE(report["problems"].empty());

    // Warnings only: the sample with its waypoint path closed into a loop still passes.
    const auto json = scratch / "loop.json";
    ASSERT_EQ(tool("export-json " + quoted(sample()) + " " + quoted(json)).status, 0);
    std::string text = gr2::text(json);
    const size_t first = text.find("\"nextWaypoint\": 0");
    ASSERT_NE(first, std::string::npos);
    text.replace(first, 17, "\"nextWaypoint\": 2");
    std::ofstream(json) << text;
    const auto loop = root / "Maps" / "Loop.vwd";
    ASSERT_EQ(tool("import-json " + quoted(json) + " " + quoted(loop)).status, 0);
    r = tool("check --all " + quoted(loop));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "warning: Action Point 1: Action Points 1 > 2 > 1 form a waypoint loop: creatures sent "
                     "along it never arrive\n0 error(s), 1 warning(s)\n");

    // Errors: a new level has neither heart nor portal; every problem is listed with its place.
    const auto bare = root / "Maps" / "Bare.vwd";
    ASSERT_EQ(tool("new " + quoted(bare)).status, 0);
    r = tool("check --all " + quoted(bare));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "error: Player 3: Vorlan 1 must have a Dungeon Heart!\n"
                     "warning: Player 3: The level has no Portal: no creature can join a Vorlan's dungeon\n"
                     "1 error(s), 1 warning(s)\n");
    r = tool("check --json " + quoted(bare)); // --json lists everything too
    EXPECT_EQ(r.status, 1);
    report = nlohmann::json::parse(r.out);
    EXPECT_EQ(report["level"], bare.string());
    EXPECT_EQ(report["errors"], 1);
    EXPECT_EQ(report["warnings"], 1);
    ASSERT_EQ(report["problems"].size(), 2u);
    EXPECT_EQ(report["problems"][0], nlohmann::json::parse(R"({"severity": "error", "code": "missing-heart",
                  "message": "Vorlan 1 must have a Dungeon Heart!", "place": {"kind": "player", "id": 3}})"));
    EXPECT_EQ(report["problems"][1]["severity"], "warning");

    // Without --all the save's own check still answers with its first failure.
    r = tool("check " + quoted(bare));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Vorlan 1 must have a Dungeon Heart!\n");
    EXPECT_EQ(tool("check --all " + quoted(root / "Nothing.vwd")).status, 1);
}

TEST_F(LevelToolTest, TreePrintsTheScriptTreeExport)
{
    RunResult r = tool("tree " + quoted(sample()));
    ASSERT_EQ(r.status, 0) << r.err;
    // The level first, its children in braces, tab-indented, triggers and actions with their ids,
    // Windows line ends.
    EXPECT_EQ(r.out.rfind("FirstSteps\r\n{\r\n\t[1] ", 0), 0u) << r.out;
    for (const char* line :
         {"\t\t[-1] ", "\tVorlan 1\r\n\t{\r\n", "\tGood Player\r\n", "\tNeutral Player\r\n"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    EXPECT_EQ(r.out.substr(r.out.size() - 3), "}\r\n");

    const auto out = scratch / "TreeOutput.txt";
    ASSERT_EQ(tool("tree " + quoted(sample()) + " --out " + quoted(out)).status, 0);
    EXPECT_EQ(text(out), r.out);
    EXPECT_EQ(tool("tree " + quoted(root / "Maps" / "Missing.vwd")).status, 1);
}

TEST_F(LevelToolTest, DumpNamesTheFieldsOfLevelRecords)
{
    struct Case {
        const char* file;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"FirstSteps.vwd",
         {"\"version\": 3.0", "\"name\": \"FirstSteps\"", "\"ticksPerSecond\": 4", "\"textMessages\": [",
          "\"path\": \"Data\\\\Editor\\\\Maps\\\\FirstStepsPlayers.vld\""}},
        {"FirstStepsPlayers.vld", {"\"startingGold\": 5000", "\"name\": \"Vorlan 2\"", "\"computer\": 1"}},
        {"FirstStepsMap.vld", {"\"terrain\": 30", "\"owner\": 2", "\"bridgeBase\": 1"}},
        {"FirstStepsThings.vld",
         {"\"name\": \"Creature Good\"", "\"name\": \"Room\"", "\"name\": \"Hero Party\"", "\"x\": 19"}},
        {"FirstStepsTriggers.vld",
         {"\"name\": \"Trigger When\"", "\"name\": \"Trigger Action\"", "\"kind\": 34", "\"kind\": 4"}},
        {"FirstStepsVariables.vld",
         {"\"name\": \"Alliance\"", "\"firstPlayer\": 3", "\"secondPlayer\": 4", "\"name\": \"Level Rating\"",
          "\"rating\": 1.0", "\"name\": \"Availability\"", "\"name\": \"Max Gold Per Dungeon Heart Tile\""}},
    };
    for (const Case& c : cases) {
        RunResult r = tool("dump " + quoted(root / "Maps" / c.file));
        EXPECT_EQ(r.status, 0) << c.file << r.err;
        for (const std::string& expected : c.expected)
            EXPECT_TRUE(contains(r.out, expected)) << c.file << ": " << expected;
        if (std::string(c.file) != "FirstStepsVariables.vld") {
            EXPECT_FALSE(contains(r.out, "\"bytes\"")) << c.file << " has a record without names";
        }
    }
}

} // namespace
} // namespace gr2
