// gr2tool import-stats as a separate process: start-up loading, the import, Save Game Data into
// the root, and every message on standard error.

#include "app/EditorApp.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace gr2 {
namespace {

/// Runs the tool with standard error caught in `errors`; returns the exit code.
int run(const std::string& args, const std::filesystem::path& errors)
{
    const std::string command =
        std::string(GR2TOOL_PATH) + " " + args + " >/dev/null 2>'" + errors.string() + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeText(const std::filesystem::path& path, const std::string& text)
{
    test::writeFile(path, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

class StatsImportToolTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(run("sample-data " + data.path().string(), work / "sample.err"), 0); }

    /// The root's global data as the editor would load it at start-up.
    std::unique_ptr<EditorApp> load()
    {
        auto app = std::make_unique<EditorApp>(data.path(), prompter);
        app->loadGlobalData();
        return app;
    }

    test::TempDir data;
    test::TempDir work;
    test::ScriptedPrompter prompter;
};

TEST_F(StatsImportToolTest, ImportsAndSavesTheGameData)
{
    writeText(work / "stats.txt", "[START: CREATURES]\r\n\t\t1\t9\r\nID\tName\tHealth\tFear\r\n"
                                  "2\tBrute\t1234\t#N/A\r\n-3\tLevel 3\t-\t20\r\n[END: CREATURES]\r\n"
                                  "[START: WORLD VARIABLES]\r\nRow\tName\tValue\r\n1\tSpeed\t77\r\n"
                                  "[END: WORLD VARIABLES]\r\n");
    ASSERT_EQ(run("--root " + data.path().string() + " import-stats " + (work / "stats.txt").string(),
                  work / "import.err"),
              0);
    EXPECT_EQ(readText(work / "import.err"), "Invalid Field - Creature [ Type ID 2 [ Brute ] ]\n");

    auto app = load();
    EXPECT_EQ(app->types().creatures().findById(2)->health(), 1234);
    EXPECT_EQ(app->types().creatures().findById(2)->intValue(CreatureField::Fear), 0);
    EXPECT_EQ(app->types().variables().value(3), 77);
    EXPECT_EQ(app->types().variables().experienceIncrease(2, 1), 20);
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(StatsImportToolTest, FailuresSaveNothing)
{
    const auto before = std::filesystem::last_write_time(data / "Creatures.vwd");
    const std::filesystem::path missing = work / "missing.txt";
    EXPECT_EQ(
        run("--root " + data.path().string() + " import-stats " + missing.string(), work / "missing.err"), 1);
    EXPECT_EQ(readText(work / "missing.err"), "Cannot load Stats file (" + missing.string() + ")\n");

    writeText(work / "unknown.txt", "[START: CREATURES]\r\n\t\t1\r\nID\tName\tHealth\r\n2\tBrute\t1\r\n"
                                    "[END: CREATURES]\r\n[START: WIBBLE]\r\n");
    EXPECT_EQ(run("--root " + data.path().string() + " import-stats " + (work / "unknown.txt").string(),
                  work / "unknown.err"),
              1);
    EXPECT_EQ(readText(work / "unknown.err"), "Unknown Stat Data \"[START: WIBBLE]\" - Aborting Load\n");

    // A file with tabs but no stats section is no stats text: refused, nothing saved.
    writeText(work / "notes.txt", "name\tvalue\r\nspeed\t12\r\n");
    EXPECT_EQ(run("--root " + data.path().string() + " import-stats " + (work / "notes.txt").string(),
                  work / "notes.err"),
              1);
    EXPECT_EQ(readText(work / "notes.err"),
              "No stats sections (\"[START: ...]\" lines) in \"" + (work / "notes.txt").string() + "\"\n");
    EXPECT_EQ(std::filesystem::last_write_time(data / "Creatures.vwd"), before);
    EXPECT_EQ(load()->types().creatures().findById(2)->health(), 900);
}

} // namespace
} // namespace gr2
