// gr2tool's text form commands as a process: export-json and import-json for a level and for the
// global data, and an import that stops on a bad value without writing.

#include "support/TempDir.h"
#include "support/ToolProcess.h"

#include <gtest/gtest.h>

#include <fstream>

namespace gr2 {
namespace {

using test::readFile;
using test::runTool;
using test::shellQuoted;

class JsonToolTest : public ::testing::Test {
protected:
    JsonToolTest()
    {
        EXPECT_EQ(runTool("sample-data " + shellQuoted(root.path()), scratch / "err.txt").status, 0);
    }

    test::ToolRun tool(const std::string& args)
    {
        return runTool("--root " + shellQuoted(root.path()) + " " + args, scratch / "err.txt");
    }

    test::TempDir root;
    test::TempDir scratch;
    test::TempDir out;
};

TEST_F(JsonToolTest, LevelGoesToJsonAndBack)
{
    const std::filesystem::path level = root / "Maps" / "FirstSteps.vwd";
    const std::filesystem::path json = scratch / "level.json";
    ASSERT_EQ(tool("export-json " + shellQuoted(level) + " " + shellQuoted(json)).status, 0);
    const Bytes text = readFile(json);
    EXPECT_NE(std::string(text.begin(), text.end()).find("\"#terrains\""), std::string::npos);

    ASSERT_EQ(tool("import-json " + shellQuoted(json) + " " + shellQuoted(out / "FirstSteps.vwd")).status, 0);
    for (const char* suffix :
         {".vwd", "Triggers.vld", "Players.vld", "Map.vld", "Things.vld", "Variables.vld"})
        EXPECT_EQ(readFile(out / (std::string("FirstSteps") + suffix)),
                  readFile(root / "Maps" / (std::string("FirstSteps") + suffix)))
            << suffix;
}

TEST_F(JsonToolTest, GameDataGoesToJsonAndBack)
{
    const std::filesystem::path json = scratch / "game.json";
    const Bytes terrain = readFile(root / "Terrain.vwd");
    ASSERT_EQ(tool("export-json --game-data " + shellQuoted(json)).status, 0);
    std::filesystem::remove(root / "Terrain.vwd");
    ASSERT_EQ(tool("import-json --game-data " + shellQuoted(json)).status, 0);
    EXPECT_EQ(readFile(root / "Terrain.vwd"), terrain);
}

TEST_F(JsonToolTest, BadValueNamesItsPathAndWritesNothing)
{
    const std::filesystem::path json = scratch / "bad.json";
    {
        std::ofstream f(json);
        f << R"({"format": "gr2-level", "version": 1, "files": {"level": {"sections": [
                {"section": 100, "width": 2, "height": 1, "rows": ["0201 02x1"]}]}}})";
    }
    const test::ToolRun run = tool("import-json " + shellQuoted(json) + " " + shellQuoted(out / "Bad.vwd"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("$.files.level.sections[0].rows[0] tile 1: a tile is four hex digits"),
              std::string::npos)
        << run.err;
    EXPECT_TRUE(std::filesystem::is_empty(out.path()));

    EXPECT_EQ(tool("import-json " + shellQuoted(json)).status, 1); // a level needs its target
    EXPECT_EQ(
        tool("export-json " + shellQuoted(root / "Maps" / "Missing.vwd") + " " + shellQuoted(json)).status,
        1);
}

} // namespace
} // namespace gr2

namespace gr2 {
namespace {

// The stats export through the tool: importing it and saving leaves every type file as it was,
// apart from the save times.
TEST_F(JsonToolTest, StatsExportImportsBackUnchanged)
{
    const std::filesystem::path stats = scratch / "stats.txt";
    ASSERT_EQ(tool("export-stats " + shellQuoted(stats)).status, 0);
    const std::filesystem::path before = scratch / "before.json";
    const std::filesystem::path after = scratch / "after.json";
    ASSERT_EQ(tool("export-json --game-data " + shellQuoted(before)).status, 0);
    ASSERT_EQ(tool("import-stats " + shellQuoted(stats)).status, 0);
    ASSERT_EQ(tool("export-json --game-data " + shellQuoted(after)).status, 0);
    // The JSON names each section's save time on a line of its own: all else must be equal.
    auto withoutTimes = [](const Bytes& bytes) {
        std::string text(bytes.begin(), bytes.end()), out;
        size_t at = 0;
        while (at < text.size()) {
            const size_t end = std::min(text.find('\n', at), text.size());
            const std::string line = text.substr(at, end - at);
            if (line.find("\"saved\":") == std::string::npos &&
                line.find("\"created\":") == std::string::npos)
                out += line + "\n";
            at = end + 1;
        }
        return out;
    };
    EXPECT_EQ(withoutTimes(readFile(after)), withoutTimes(readFile(before)));
}

} // namespace
} // namespace gr2
