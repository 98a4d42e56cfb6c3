// gr2tool's map commands (flip, resize, rotate) run as a separate process on the sample level; the
// result must be what the editor's own Map menu operations make of the same level. Build areas are
// left out of the comparisons: level files do not keep them.

#include "app/EditorApp.h"
#include "document/LevelDocument.h"
#include "mapedit/MapTransforms.h"
#include "support/LevelSnapshot.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gr2 {
namespace {

int run(const std::string& args)
{
    int status = std::system((std::string(GR2TOOL_PATH) + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class MapToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run("sample-data " + root().string()), 0);
        app = std::make_unique<EditorApp>(root(), prompter);
        app->loadGlobalData();
    }

    std::filesystem::path root() const { return dir.path(); }
    std::filesystem::path sample() const { return root() / "Maps" / "FirstSteps.vwd"; }
    std::filesystem::path output() const { return root() / "Maps" / "Result.vwd"; }

    /// Runs a map command on the sample level with the sample data as root, writing output().
    int tool(const std::string& command, const std::string& options)
    {
        return run("--root " + root().string() + " " + command + " " + sample().string() + " " +
                   output().string() + " " + options);
    }

    std::unique_ptr<LevelDocument> load(const std::filesystem::path& path)
    {
        auto level = std::make_unique<LevelDocument>(*app);
        EXPECT_TRUE(level->files().OnOpenDocument(path)) << path;
        return level;
    }

    test::TempDir dir;
    test::ScriptedPrompter prompter;
    std::unique_ptr<EditorApp> app;
};

TEST_F(MapToolTest, FlipMatchesTheMapMenu)
{
    for (auto [axis, flip] : {std::pair{"x", FlipAxis::X}, std::pair{"y", FlipAxis::Y}}) {
        SCOPED_TRACE(axis);
        ASSERT_EQ(tool("flip", std::string("--axis ") + axis), 0) << axis;
        auto expected = load(sample());
        FlipMap(expected->doc(), flip);
        test::expectSameLevel(test::snapshotOf(load(output())->doc()), test::snapshotOf(expected->doc()),
                              false);
    }
}

TEST_F(MapToolTest, RotateTurnsTheLevelAndTurnsBack)
{
    ASSERT_EQ(tool("rotate", "--turn right"), 0);
    auto expected = load(sample());
    const test::LevelSnapshot original = test::snapshotOf(expected->doc());
    RotateMap(expected->doc(), Turn::Right);
    auto turned = load(output());
    EXPECT_EQ(turned->doc().width(), expected->doc().width());
    test::expectSameLevel(test::snapshotOf(turned->doc()), test::snapshotOf(expected->doc()), false);

    const std::filesystem::path back = root() / "Maps" / "Back.vwd";
    ASSERT_EQ(run("--root " + root().string() + " rotate " + output().string() + " " + back.string() +
                  " --turn left"),
              0);
    test::expectSameLevel(test::snapshotOf(load(back)->doc()), original, false);
}

TEST_F(MapToolTest, ResizeKeepsTheLevelAtTheAnchor)
{
    ASSERT_EQ(tool("resize", "--width 40 --height 30 --anchor 1,2 --terrain 8 --owner 4"), 0);
    auto expected = load(sample());
    ASSERT_TRUE(ResizeMap(expected->doc(), {40, 30, 8, 4, 1, 2}, prompter));
    auto resized = load(output());
    EXPECT_EQ(resized->doc().width(), 40u);
    EXPECT_EQ(resized->doc().GetOwner({1, 1}), 4);
    test::expectSameLevel(test::snapshotOf(resized->doc()), test::snapshotOf(expected->doc()), false);
}

TEST_F(MapToolTest, BadArgumentsWriteNothing)
{
    EXPECT_NE(tool("resize", "--width 40 --height 30 --anchor 3,0"), 0);
    EXPECT_NE(tool("resize", "--width 200 --height 30"), 0);
    EXPECT_NE(tool("resize", "--width 40 --height 30 --terrain 30"), 0);
    EXPECT_NE(tool("resize", "--width 40 --height 30 --terrain 8 --owner 99"), 0);
    EXPECT_NE(tool("rotate", "--turn sideways"), 0);
    EXPECT_NE(tool("flip", ""), 0);
    EXPECT_NE(run("--root " + root().string() + " flip " + (root() / "Missing.vwd").string() + " " +
                  output().string() + " --axis x"),
              0);
    EXPECT_FALSE(std::filesystem::exists(output()));
}

} // namespace
} // namespace gr2
