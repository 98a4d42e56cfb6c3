// Export To File on the script tree: where it offers to write, what it writes and how a failed
// write is told.

#include "app/TreeExportCommand.h"

#include "app/SaveFailedMessage.h"
#include "script/ScriptTreeExport.h"
#include "script/ScriptTreeModel.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"
#include "worlddata/AtomicFile.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace gr2 {
namespace {

class TreeExportCommandTest : public testing::Test {
protected:
    TreeExportCommandTest()
    {
        test::buildSmallTypeData(db);
        level.doc().SetTitle("Castle.vwd");
        sb.trigger(1, 0, 0, 1);
        level.doc().loadedProperties().rootTrigger = 1;
        model = std::make_unique<ScriptTreeModel>(level.doc(), db);
    }
    ~TreeExportCommandTest() override { setWriteFaultHook({}); }
    std::string fileText(const std::filesystem::path& path)
    {
        const Bytes bytes = test::readFile(path);
        return std::string(bytes.begin(), bytes.end());
    }

    CTypeDatabase db;
    test::LevelBuilder level;
    test::ScriptBuilder sb{level.doc()};
    std::unique_ptr<ScriptTreeModel> model;
    test::TempDir dir;
    test::ScriptedPrompter prompter;
};

TEST_F(TreeExportCommandTest, OffersTreeOutputBesideTheLevelAndWritesTheModelsText)
{
    const auto levelPath = dir / "Maps" / "Castle.vwd";
    const auto chosen = dir / "Outline.txt";
    prompter.queueSavePath(chosen);
    EXPECT_EQ(runTreeExportCommand(model->root(), levelPath, dir / "Root", prompter), chosen);
    ASSERT_EQ(prompter.dialogs().size(), 1u);
    EXPECT_EQ(prompter.dialogs()[0].title, "Export To File");
    EXPECT_EQ(prompter.dialogs()[0].initialPath, dir / "Maps" / "TreeOutput.txt");
    EXPECT_EQ(fileText(chosen), exportTreeText(model->root()));
    EXPECT_NE(fileText(chosen).find("[1] "), std::string::npos);
    EXPECT_TRUE(prompter.texts().empty());

    // A level never saved has no folder: the fallback is offered.
    prompter.queueSavePath(std::nullopt);
    EXPECT_EQ(runTreeExportCommand(model->root(), {}, dir / "Root", prompter), std::nullopt);
    EXPECT_EQ(prompter.dialogs().back().initialPath, dir / "Root" / "TreeOutput.txt");
    EXPECT_FALSE(std::filesystem::exists(dir / "Root" / "TreeOutput.txt"));
}

TEST_F(TreeExportCommandTest, AFailedWriteIsToldAndKeepsTheOldFile)
{
    const auto chosen = dir / "TreeOutput.txt";
    test::writeFile(chosen, Bytes{'o', 'l', 'd'});
    setWriteFaultHook([](const std::filesystem::path&) { return ENOSPC; });
    prompter.queueSavePath(chosen);
    EXPECT_EQ(runTreeExportCommand(model->root(), {}, dir.path(), prompter), std::nullopt);
    ASSERT_EQ(prompter.texts().size(), 1u);
    EXPECT_EQ(prompter.texts()[0], saveFailedMessage(chosen.string(), ENOSPC));
    EXPECT_EQ(fileText(chosen), "old");
}

} // namespace
} // namespace gr2
