#include "app/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"

#include <QMenuBar>
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
    EXPECT_EQ(menuTexts(bar), (QStringList{"&File", "&Edit", "&View", "&Tools", "&Map", "&Configuration", "&Window",
                                           "&Help"}));
    QStringList file = menuTexts(bar->actions()[0]->menu());
    EXPECT_TRUE(file.contains("&Open..."));
    EXPECT_TRUE(file.contains("&New"));
    EXPECT_TRUE(file.contains("Save Game Data"));
    EXPECT_TRUE(file.contains("P&rint Setup..."));
    EXPECT_TRUE(menuTexts(bar->actions()[5]->menu()).contains("Reset To GR2 Defaults"));
    EXPECT_TRUE(menuTexts(bar->actions()[7]->menu()).contains("&About GR2 Editor..."));
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

} // namespace
} // namespace gr2
