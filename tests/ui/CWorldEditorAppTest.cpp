#include "ui/CWorldEditorApp.h"
#include "document/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"

#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

QStringList menuTexts(QWidget* menuOwner)
{
    QStringList texts;
    for (QAction* a : menuOwner->actions())
        if (!a->isSeparator())
            texts << a->text();
    return texts;
}

TEST(CWorldEditorAppTest, StartsOnTheSampleDataWithItsMenusAndIcons)
{
    test::TempDir root;
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    test::ScriptedPrompter prompter;
    CWorldEditorApp app(&prompter);
    ASSERT_TRUE(app.InitInstance(root.path(), false));
    EXPECT_EQ(app.treeImages().size(), 22);
    EXPECT_GT(app.core().types().terrains().count(), 0u);
    EXPECT_TRUE(prompter.entries().empty());

    // Every type with an icon has a cell; terrain 8 has one per owner.
    const CTypeDatabase& types = app.core().types();
    for (const CTerrainType& t : types.terrains())
        EXPECT_TRUE(app.iconSheets().cellForTypeId(TypeFamily::Terrain, t.id())) << t.name();
    auto owner3 = app.iconSheets().cellForType(types, TypeFamily::Terrain, 8, 3);
    auto owner4 = app.iconSheets().cellForType(types, TypeFamily::Terrain, 8, 4);
    ASSERT_TRUE(owner3 && owner4);
    EXPECT_NE(*owner3, *owner4);
    EXPECT_TRUE(app.iconSheets().cellForTypeId(TypeFamily::Creature, 1));

    QMenuBar* bar = app.mainFrame()->menuBar();
    EXPECT_EQ(menuTexts(bar), (QStringList{"&File", "&Edit", "&View", "&Tools", "&Map", "&Level",
                                           "&Configuration", "&Window", "&Help"}));
    QStringList file = menuTexts(bar->actions()[0]->menu());
    EXPECT_TRUE(file.contains("&Open..."));
    EXPECT_TRUE(file.contains("&New"));
    EXPECT_TRUE(file.contains("Save Game Data"));
    EXPECT_TRUE(file.contains("P&rint Setup..."));
    EXPECT_TRUE(menuTexts(bar->actions()[5]->menu()).contains("Create New &Player"));
    EXPECT_TRUE(menuTexts(bar->actions()[6]->menu()).contains("Reset To GR2 Defaults"));
    EXPECT_TRUE(menuTexts(bar->actions()[8]->menu()).contains("&About GR2 Editor..."));
}

TEST(CWorldEditorAppTest, RecentFilesKeepSixNewestFirst)
{
    test::TempDir root;
    test::ScriptedPrompter prompter;
    CWorldEditorApp app(&prompter);
    ASSERT_TRUE(app.InitInstance(root.path(), false));
    for (int i = 0; i < 8; ++i)
        app.addRecentFile(QStringLiteral("/levels/L%1.vwd").arg(i));
    app.addRecentFile(QStringLiteral("/levels/L4.vwd"));
    const QStringList recent = app.recentFiles();
    ASSERT_EQ(recent.size(), 6);
    EXPECT_EQ(recent.first(), "/levels/L4.vwd");
    EXPECT_EQ(recent[1], "/levels/L7.vwd");
    EXPECT_EQ(recent.count("/levels/L4.vwd"), 1);
}

TEST(CWorldEditorAppTest, ResetCommandStartsEveryOpenLevelFromTheNewGlobalVariables)
{
    test::TempDir root;
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    test::ScriptedPrompter prompter;
    CWorldEditorApp app(&prompter);
    ASSERT_TRUE(app.InitInstance(root.path(), true));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
    // The variables file holds 777 for the variable; both levels override it.
    const uint32_t id = CGlobalVariables::overridableIds().front();
    app.core().types().variables().setValue(id, 777);
    ASSERT_TRUE(app.core().SaveGameData());
    std::vector<CChildFrame*> levels = {app.newLevel({"First", 16, 16, 2, PlayerId::Neutral}),
                                        app.newLevel({"Second", 16, 16, 2, PlayerId::Neutral})};
    for (CChildFrame* level : levels) {
        ASSERT_TRUE(level);
        level->document().SetVariable(id, 12345);
        level->document().SetModifiedFlag(false);
        EXPECT_FALSE(level->windowTitle().endsWith('*'));
    }

    prompter.queueAnswer(Prompter::Answer::Yes);
    app.mainFrame()->action(EditorCommand::ResetToDefaults)->trigger();
    ASSERT_FALSE(prompter.entries().empty());
    EXPECT_EQ(prompter.entries().back().text, EditorApp::kResetQuestion);
    for (CChildFrame* level : levels) {
        SCOPED_TRACE(level->windowTitle().toStdString());
        EXPECT_EQ(level->document().GetVariable(id), 777);
        EXPECT_TRUE(level->windowTitle().endsWith('*')) << "the level shows that it changed";
    }
}

} // namespace
} // namespace gr2
