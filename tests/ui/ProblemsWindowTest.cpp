// The Problems dock in the editor window: Validate Level lists the active level's problems, a
// double click shows each one's place in the script tree and on the map, a save refreshes the
// list and closing the level empties it.

#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "script/ScriptTreeModel.h"
#include "support/ShownEditor.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/ProblemsDock.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

class ProblemsWindowTest : public test::ShownEditorTest {
protected:
    QAction* validate() const { return app.mainFrame()->action(EditorCommand::ValidateLevel); }
    ProblemsDock* dock() const { return app.mainFrame()->problemsDock(); }
    QStringList rowTexts() const
    {
        QStringList rows;
        QTreeWidget* list = dock()->list();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            rows << item->text(0) + " | " + item->text(1) + " | " + item->text(2);
        }
        return rows;
    }
    void doubleClickRow(int row)
    {
        QTreeWidget* list = dock()->list();
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        ASSERT_TRUE(rect.isValid());
        // As a mouse sends it: a click, then the second press that makes it a double click.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

TEST_F(ProblemsWindowTest, ValidateListsProblemsAndDoubleClickShowsEachPlace)
{
    EXPECT_FALSE(validate()->isEnabled()) << "no level open";
    EXPECT_FALSE(dock()->isVisible());
    QStringList toolsMenu;
    for (QAction* menu : app.mainFrame()->menuBar()->actions())
        if (menu->text() == "&Tools")
            for (QAction* entry : menu->menu()->actions())
                toolsMenu << entry->text() + " " + entry->shortcut().toString();
    EXPECT_TRUE(toolsMenu.contains("&Validate Level F12")) << toolsMenu.join(", ").toStdString();

    CChildFrame* child = app.openLevel(samplePath());
    ASSERT_TRUE(child);
    app.mainFrame()->updateCommandUI();
    ASSERT_TRUE(validate()->isEnabled());
    validate()->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dock()));
    EXPECT_TRUE(dock()->isVisible());
    EXPECT_TRUE(rowTexts().isEmpty());
    EXPECT_TRUE(dock()->summary()->text().endsWith(": no problems found."))
        << dock()->summary()->text().toStdString();

    // Three planted problems: a waypoint to nowhere, a tile of a player who is not in the level,
    // and a Vorlan whose starting gold its dungeon cannot hold.
    CWorldEditorDoc& doc = child->document();
    doc.FindActionPoint(2)->setNextWaypoint(9);
    doc.StoreTile({20, 20}, 3, 9);
    doc.FindPlayer(4)->setStartingGold(1 << 20);
    QTest::keyClick(app.mainFrame(), Qt::Key_F12);
    const QStringList rows = rowTexts();
    ASSERT_EQ(rows.size(), 3) << rows.join("\n").toStdString();
    EXPECT_TRUE(rows[0].startsWith("Error | Player 4 | Starting Gold [ 1048576 ] for Vorlan 2 exceeds"))
        << rows[0].toStdString();
    EXPECT_EQ(rows[1],
              "Error | Tile (20, 20) | 1 tile(s) are owned by player 9, who is not in the level; the "
              "first is (20, 20)");
    EXPECT_EQ(rows[2],
              "Error | Action Point 2 | Action Point 2 leads to Action Point 9, which does not exist");
    EXPECT_TRUE(dock()->summary()->text().endsWith(": 3 error(s), 0 warning(s)."))
        << dock()->summary()->text().toStdString();

    // The action point: selected in the tree and marked on the map.
    CTriggerTree* tree = app.mainFrame()->scriptTreeBar()->tree();
    doubleClickRow(2);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_TRUE(tree->currentItem()->text(0).contains("] Action Point 2 ["))
        << tree->currentItem()->text(0).toStdString();
    EXPECT_EQ(child->display().highlightedActionPoint, 2);
    // The player: selected in the tree, and nothing is marked on the map any more.
    doubleClickRow(0);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_TRUE(tree->currentItem()->text(0).contains("Vorlan 2"))
        << tree->currentItem()->text(0).toStdString();
    EXPECT_EQ(child->display().highlightedActionPoint, DocumentDisplay::kNoHighlight);
}

TEST_F(ProblemsWindowTest, SaveRefreshesTheReportAndClosingTheLevelEmptiesIt)
{
    CChildFrame* child = app.openLevel(samplePath());
    ASSERT_TRUE(child);
    child->document().FindActionPoint(2)->setNextWaypoint(9);
    validate()->trigger();
    ASSERT_EQ(rowTexts().size(), 1);

    // Mended and saved: the report follows without a new Validate Level.
    child->document().FindActionPoint(2)->setNextWaypoint(1);
    child->document().SetModifiedFlag(true);
    prompter.queueAnswer(Prompter::Answer::No); // no global data with the level
    app.mainFrame()->action(EditorCommand::Save)->trigger();
    EXPECT_FALSE(child->document().isModified());
    EXPECT_TRUE(rowTexts().isEmpty());

    child->document().FindActionPoint(2)->setNextWaypoint(9);
    validate()->trigger();
    ASSERT_EQ(rowTexts().size(), 1);
    child->document().SetModifiedFlag(false);
    QMdiSubWindow* sub = app.mainFrame()->mdiArea()->activeSubWindow();
    ASSERT_TRUE(sub);
    sub->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(rowTexts().isEmpty());
    EXPECT_EQ(dock()->level(), nullptr);
}

} // namespace
} // namespace gr2
