// What a newcomer meets in the window: the Level menu with the level's commands, a problem count
// in the status bar that follows each step, and status texts that say what a tool, a deletion and
// Save Game Data did.

#include "dialogs/CTriggerEditSheet.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "script/ScriptTreeModel.h"
#include "support/ModalDialogs.h"
#include "support/ShownEditor.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"
#include "ui/FormWidgets.h"
#include "ui/ProblemsDock.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

class FirstHourWindowTest : public test::ShownEditorTest {
protected:
    void SetUp() override
    {
        ShownEditorTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openSample());
    }
    QMenu* levelMenu() const { return app.mainFrame()->levelMenu(); }
    /// The Level menu's entry with the text, as the menu shows it once opened.
    QAction* levelEntry(const QString& text)
    {
        QMetaObject::invokeMethod(levelMenu(), "aboutToShow");
        for (QAction* a : levelMenu()->actions())
            if (a->text() == text)
                return a;
        ADD_FAILURE() << "no Level menu entry " << text.toStdString();
        return nullptr;
    }
    QString problemCount()
    {
        app.mainFrame()->updateCommandUI();
        QToolButton* button = app.mainFrame()->problemsButton();
        return button->isVisible() ? button->text() : QString();
    }
};

TEST_F(FirstHourWindowTest, TheLevelMenuRunsTheLevelsCommandsGreyedAsTheTreeGreysThem)
{
    QStringList menus;
    for (QAction* a : app.mainFrame()->menuBar()->actions())
        menus << a->text();
    EXPECT_TRUE(menus.contains("&Level")) << menus.join(", ").toStdString();
    QStringList entries;
    for (QAction* a : levelMenu()->actions())
        entries << a->text();
    for (const char* command :
         {"Create New &Player", "Create New &Hero Party...", "Create New &Action Point...",
          "Create New Effect &Generator...", "Edit Level &Variables...", "Edit Level Properties..."})
        EXPECT_TRUE(entries.contains(command)) << command;

    // Create New Player adds a Vorlan as the tree's command does, as one step; at six players it
    // is greyed.
    const size_t players = doc().PlayerCount();
    QAction* create = levelEntry("Create New &Player");
    ASSERT_TRUE(create && create->isEnabled());
    create->trigger();
    EXPECT_EQ(doc().PlayerCount(), players + 1);
    EXPECT_TRUE(doc().history().canUndo());
    while (doc().PlayerCount() < ScriptTreeModel::kMaxPlayers)
        levelEntry("Create New &Player")->trigger();
    EXPECT_FALSE(levelEntry("Create New &Player")->isEnabled());

    // Without a level every entry is greyed.
    prompter.queueAnswer(Prompter::Answer::No); // "Save changes to ...?"
    app.mainFrame()->mdiArea()->closeAllSubWindows();
    QApplication::processEvents();
    QMetaObject::invokeMethod(levelMenu(), "aboutToShow");
    for (QAction* a : levelMenu()->actions())
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(FirstHourWindowTest, TheProblemCountFollowsEachStepAndOpensTheProblemsWindow)
{
    EXPECT_EQ(problemCount(), "No problems") << "the sample level is playable";
    // A new Vorlan has no Dungeon Heart yet: an error before any Save refuses it.
    levelEntry("Create New &Player")->trigger();
    EXPECT_TRUE(problemCount().startsWith("Problems: 1 error")) << problemCount().toStdString();
    app.mainFrame()->action(EditorCommand::Undo)->trigger();
    EXPECT_EQ(problemCount(), "No problems");

    levelEntry("Create New &Player")->trigger();
    QToolButton* button = app.mainFrame()->problemsButton();
    QTest::mouseClick(button, Qt::LeftButton);
    ProblemsDock* dock = app.mainFrame()->problemsDock();
    EXPECT_TRUE(dock->isVisible());
    ASSERT_FALSE(dock->problems().empty());
    EXPECT_EQ(dock->problems().front().code, "missing-heart");
}

TEST_F(FirstHourWindowTest, StatusTextsSayWhatTheToolDeletionAndSaveGameDataDid)
{
    CMainFrame* frame = app.mainFrame();
    QAction* rectangle = frame->action(EditorCommand::DrawRectangle);
    frame->updateCommandUI();
    const bool filled = frame->action(EditorCommand::DrawFilled)->isChecked();
    EXPECT_EQ(rectangle->statusTip().contains("Outline"), !filled) << rectangle->statusTip().toStdString();
    frame->action(EditorCommand::DrawFilled)->trigger();
    frame->updateCommandUI();
    EXPECT_EQ(rectangle->statusTip().contains("Outline"), filled) << "the prompt follows the filled state";
    EXPECT_EQ(frame->action(EditorCommand::DrawCircle)->statusTip().contains("Outline"), filled);

    // Deleting Vorlan 2 with its brute says what went and how to get it back.
    CTriggerTree* tree = frame->scriptTreeBar()->tree();
    ScriptTreeModel* model = tree->model();
    ASSERT_TRUE(model);
    model->select(model->findItem(*doc().FindPlayer(4)));
    tree->runCommand(TreeCommand::DeleteVorlan);
    EXPECT_EQ(frame->statusBar()->currentMessage(),
              QString::fromUtf8("Deleted Vorlan 2 with 1 thing — Ctrl+Z undoes"));

    frame->action(EditorCommand::SaveGameData)->trigger();
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Game data saved: 12 files");
}

TEST_F(FirstHourWindowTest, TheTriggerEditorSaysWhatOkWillStoreAsTheUserEdits)
{
    CTriggerTree* tree = app.mainFrame()->scriptTreeBar()->tree();
    ScriptTreeModel* model = tree->model();
    model->select(model->findItem(*doc().FindPlayer(3)));
    test::withModal<CTriggerEditSheet>(
        [&] { tree->runCommand(TreeCommand::PlayerAddTrigger); },
        [&](CTriggerEditSheet& sheet) {
            QLabel* line = sheet.summary();
            ASSERT_TRUE(line && line->isVisible());
            const QString attribute = line->text();
            EXPECT_TRUE(attribute.startsWith("When ")) << attribute.toStdString();
            auto* value = sheet.controls(TriggerPage::Attribute)->control(3);
            value->setFocus();
            QTest::keyClick(value, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(value, "45");
            EXPECT_TRUE(line->text().contains("45")) << line->text().toStdString();

            QTabBar* bar = sheet.tabs()->tabBar();
            for (int i = 0; i < bar->count(); ++i)
                if (bar->tabText(i) == "P&layer")
                    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            EXPECT_NE(line->text(), attribute) << "the tab showing decides the kind";
            EXPECT_TRUE(line->text().startsWith("When "));
            QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
        },
        "no Edit Trigger sheet");
}

TEST_F(FirstHourWindowTest, ATreeTextThePanelCutsShowsWholeInATooltip)
{
    CTriggerTree* tree = app.mainFrame()->scriptTreeBar()->tree();
    QTreeWidgetItem* objective = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it && !objective; ++it)
        if ((*it)->text(0).startsWith("Objective 1"))
            objective = *it;
    ASSERT_TRUE(objective);
    tree->scrollToItem(objective);
    tree->resize(120, tree->height());
    QApplication::processEvents();
    EXPECT_EQ(tree->cutTextAt(tree->visualItemRect(objective).center()), objective->text(0));
    tree->resize(900, tree->height());
    QApplication::processEvents();
    EXPECT_TRUE(tree->cutTextAt(tree->visualItemRect(objective).center()).isEmpty()) << "shown whole";
}

} // namespace
} // namespace gr2
