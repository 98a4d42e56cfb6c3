// The main window as a user meets it: bars, panes, placement, the palette and a level window.

#include "document/SampleData.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QComboBox>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

void clearPlacement()
{
    QSettings settings;
    settings.remove(QString::fromLatin1(kPlacementGroup));
}

TEST(MainWindowTest, FirstStartIsMaximizedWithAllBarsAndStoresFlagsTwoWhenClosedMaximized)
{
    clearPlacement();
    CMainFrame frame;
    frame.showWithPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.isMaximized());
    for (int bar = 0; bar < CMainFrame::BarCount; ++bar)
        EXPECT_TRUE(frame.barVisible(CMainFrame::Bar(bar)));
    EXPECT_TRUE(frame.standardToolBar()->isVisible());
    EXPECT_TRUE(frame.editingToolBar()->isVisible());
    EXPECT_EQ(frame.standardToolBar()->windowTitle(), "Standard");
    EXPECT_EQ(frame.editingToolBar()->windowTitle(), "Editing Tools");
    EXPECT_EQ(frame.zoomBox()->currentText(), "100%");
    EXPECT_TRUE(frame.close());
    QSettings settings;
    const QString stored = settings.value(QStringLiteral("ToolBar Settings/Window Positions")).toString();
    ASSERT_FALSE(stored.isEmpty());
    EXPECT_TRUE(stored.startsWith("2,3,")) << stored.toStdString();
}

TEST(MainWindowTest, StoredNormalPlacementIsRestoredAndMalformedOneIsIgnored)
{
    QSettings settings;
    settings.setValue(QStringLiteral("ToolBar Settings/Window Positions"), "0,1,-1,-1,-1,-1,40,50,640,500");
    {
        CMainFrame frame;
        frame.showWithPlacement();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        EXPECT_FALSE(frame.isMaximized());
        EXPECT_EQ(frame.geometry(), QRect(40, 50, 600, 450));
    }
    settings.setValue(QStringLiteral("ToolBar Settings/Window Positions"), "0,1,2,3");
    CMainFrame frame;
    frame.showWithPlacement();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    EXPECT_TRUE(frame.isMaximized());
    clearPlacement();
}

TEST(MainWindowTest, PanesTogglesAndTheToolBarsPopUp)
{
    CMainFrame frame;
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    frame.showPosition(0, 0);
    EXPECT_EQ(frame.paneText(3), "XPos = 1 : YPos = 1");
    frame.showPosition(-1, -1);
    EXPECT_EQ(frame.paneText(3), "");
    frame.showMapSize(64, 64);
    EXPECT_EQ(frame.paneText(4), "Size: 64 x 64 [ 4096 Blocks ]");

    QAction* toggle = frame.action(EditorCommand::ToggleSelectionBar);
    EXPECT_EQ(toggle->text(), "S&election Bar");
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(frame.selectionBar()->isVisible());
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(frame.selectionBar()->isVisible());
    EXPECT_TRUE(toggle->isChecked());

    // Hiding the bar with its own close button unchecks the menu item.
    frame.selectionBar()->close();
    EXPECT_FALSE(frame.barVisible(CMainFrame::SelectionBar));
    EXPECT_FALSE(toggle->isChecked());

    QStringList items;
    for (QAction* a : frame.toolBarsMenu()->actions())
        items << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(items, (QStringList{"&Tool Bar", "&Status Bar", "-", "&Drawing Tool Bar", "S&election Bar",
                                  "S&cript Tree"}));
    QTest::mousePress(frame.statusBar(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(frame.toolBarsMenu()->isVisible());
    frame.toolBarsMenu()->close();
}

class AppWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeSampleData(root.path()).empty());
        ASSERT_TRUE(app.InitInstance(root.path(), false));
        app.mainFrame()->resize(1200, 900);
        app.mainFrame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
    }
    test::TempDir root;
    test::ScriptedPrompter prompter;
    CWorldEditorApp app{&prompter};
};

TEST_F(AppWindowTest, PaletteOffersTheSamplePagesAndPaintingWithTheMouseEditsTheLevel)
{
    CPanelBar* palette = app.mainFrame()->selectionBar();
    EXPECT_EQ(palette->sheet()->count(), 6);
    EXPECT_EQ(palette->sheet()->tabText(2), "Creatures");
    ASSERT_EQ(palette->buttons(PalettePage::Terrain).size(), 10);
    EXPECT_EQ(palette->currentButton(PalettePage::Terrain)->item().id, 2);
    EXPECT_EQ(app.mainFrame()->paneText(1), "Draw Item: Terrain [ Earth ]");

    CChildFrame* child = app.newLevel({"GR2Level1", 25, 25, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    ASSERT_TRUE(view);
    EXPECT_EQ(app.mainFrame()->paneText(4), "Size: 25 x 25 [ 625 Blocks ]");
    child->document().SetModifiedFlag(false);
    app.mainFrame()->action(EditorCommand::Paint)->trigger();
    EXPECT_EQ(app.editorState().tool(), ToolCode::Paint);

    // Paint Earth (the selected terrain) by dragging over tiles (2, 2) to (4, 2).
    const int side = view->tileSize();
    QWidget* vp = view->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, QPoint(2 * side + 5, 2 * side + 5));
    QTest::mouseMove(vp, QPoint(3 * side + 5, 2 * side + 5));
    QTest::mouseMove(vp, QPoint(4 * side + 5, 2 * side + 5));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(4 * side + 5, 2 * side + 5));
    for (int x = 2; x <= 4; ++x)
        EXPECT_EQ(child->document().GetTerrain({x, 2}), 2) << x;
    EXPECT_EQ(child->document().GetTerrain({5, 2}), 3);
    EXPECT_TRUE(child->document().isModified());
    EXPECT_EQ(app.mainFrame()->paneText(3), "XPos = 5 : YPos = 3");

    // A creature placed on a tile that already has one places nothing.
    palette->setActivePage(PalettePage::Creatures);
    palette->clickButton(palette->buttons(PalettePage::Creatures).first());
    EXPECT_EQ(app.editorState().tool(), ToolCode::PlaceCreature);
    QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(6 * side + 5, 6 * side + 5));
    ASSERT_EQ(child->document().creatures().size(), 1u);
    QTest::mouseClick(vp, Qt::LeftButton, {}, QPoint(6 * side + 5, 6 * side + 5));
    EXPECT_EQ(child->document().creatures().size(), 1u);
}

TEST_F(AppWindowTest, ViewAtEightPixelTilesCoversTheWholeVisibleMap)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    view->setTileSize(8);
    app.mainFrame()->selectZoom(8);
    EXPECT_EQ(app.mainFrame()->zoomBox()->currentText(), "25%");
    const QImage image = view->renderVisible();
    const QColor background = view->palette().color(QPalette::Dark);
    ASSERT_GE(image.width(), 160);
    ASSERT_GE(image.height(), 160);
    for (int y = 0; y < 160; y += 3)
        for (int x = 0; x < 160; x += 3)
            ASSERT_NE(image.pixelColor(x, y), background) << x << "," << y;
}

} // namespace
} // namespace gr2
