// Undo and Redo as a user meets them in a level window: a paint stroke taken back with Ctrl+Z,
// the map showing the old tiles again, the modified mark gone, the Edit menu naming the step, and
// the History dock listing the steps and going to the one clicked.

#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelHistory.h"
#include "support/ShownEditor.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"
#include "ui/HistoryDock.h"

#include <QListWidget>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

class UndoWindowTest : public test::ShownEditorTest {
protected:
    void SetUp() override
    {
        ShownEditorTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openSample());
        ASSERT_FALSE(child->document().isModified());
    }
    QPoint centreOf(TilePoint p) const
    {
        const int side = view()->tileSize();
        return {p.x * side + side / 2, p.y * side + side / 2};
    }
    QRgb pixelAt(TilePoint p) const { return view()->viewport()->grab().toImage().pixel(centreOf(p)); }
    /// The frame refreshes its commands from an idle timer; tests ask for it at once.
    void refresh() { app.mainFrame()->updateCommandUI(); }
};

TEST_F(UndoWindowTest, CtrlZTakesBackAPaintStrokeAndTheMenuNamesIt)
{
    CWorldEditorDoc& doc = child->document();
    refresh();
    EXPECT_FALSE(action(EditorCommand::Undo)->isEnabled());
    EXPECT_FALSE(action(EditorCommand::Redo)->isEnabled());
    EXPECT_EQ(action(EditorCommand::Undo)->text(), "&Undo");

    const TilePoint stroke[] = {{10, 3}, {11, 3}, {12, 3}};
    std::vector<uint8_t> oldTerrain;
    for (TilePoint p : stroke)
        oldTerrain.push_back(doc.GetTerrain(p));
    const QRgb oldPixel = pixelAt(stroke[0]);
    const uint8_t slab = app.editorState().paintSlab();
    ASSERT_NE(slab, oldTerrain[0]);

    // One stroke, press to release, over three tiles.
    action(EditorCommand::Paint)->trigger();
    QWidget* vp = view()->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, centreOf(stroke[0]));
    QTest::mouseMove(vp, centreOf(stroke[1]));
    QTest::mouseMove(vp, centreOf(stroke[2]));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, centreOf(stroke[2]));
    for (TilePoint p : stroke)
        ASSERT_EQ(doc.GetTerrain(p), slab);
    ASSERT_TRUE(doc.isModified());
    QTest::qWait(50);
    ASSERT_NE(pixelAt(stroke[0]), oldPixel) << "the stroke is shown";
    refresh();
    EXPECT_TRUE(action(EditorCommand::Undo)->isEnabled());
    EXPECT_EQ(action(EditorCommand::Undo)->text(), "&Undo Paint");
    EXPECT_EQ(app.mainFrame()->historyDock()->list()->count(), 2);

    view()->setFocus();
    QTest::keyClick(vp, Qt::Key_Z, Qt::ControlModifier);
    QTest::qWait(50);
    for (size_t i = 0; i < std::size(stroke); ++i)
        EXPECT_EQ(doc.GetTerrain(stroke[i]), oldTerrain[i]);
    EXPECT_EQ(pixelAt(stroke[0]), oldPixel) << "the view shows the old tiles";
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(app.mainFrame()->windowTitle().endsWith("*]"));
    refresh();
    EXPECT_FALSE(action(EditorCommand::Undo)->isEnabled());
    EXPECT_TRUE(action(EditorCommand::Redo)->isEnabled());
    EXPECT_EQ(action(EditorCommand::Redo)->text(), "&Redo Paint");

    // Ctrl+Shift+Z does it again.
    QTest::keyClick(vp, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::qWait(50);
    EXPECT_EQ(doc.GetTerrain(stroke[1]), slab);
    EXPECT_NE(pixelAt(stroke[0]), oldPixel);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(UndoWindowTest, ClickingAStepInTheHistoryDockGoesToIt)
{
    CWorldEditorDoc& doc = child->document();
    action(EditorCommand::Paint)->trigger();
    QWidget* vp = view()->viewport();
    const uint8_t slab = app.editorState().paintSlab();
    const TilePoint first{10, 4};
    const uint8_t oldTerrain = doc.GetTerrain(first);
    ASSERT_NE(oldTerrain, slab);
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(first));
    action(EditorCommand::FlipY)->trigger();
    // A tile of another terrain, free of things, for the second stroke.
    TilePoint second{0, 0};
    for (int32_t x = 2; x + 2 < int32_t(doc.width()) && second.x == 0; ++x)
        for (int32_t y = 2; y + 2 < int32_t(doc.height()) && second.x == 0; ++y)
            if (doc.GetTerrain({x, y}) != slab && doc.IsTileFree({x, y}))
                second = {x, y};
    ASSERT_NE(second.x, 0);
    // Before the flip the mirrored tile held what `second` holds now, and `second` held this.
    const uint8_t oldSecond = doc.GetTerrain({int32_t(doc.width()) - 1 - second.x, second.y});
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(second));
    refresh();

    HistoryDock* dock = app.mainFrame()->historyDock();
    ASSERT_TRUE(dock->isVisible());
    QListWidget* list = dock->list();
    ASSERT_EQ(list->count(), 4);
    EXPECT_EQ(list->item(1)->text(), "Paint");
    EXPECT_EQ(list->item(2)->text(), "Flip In Y Axis");
    EXPECT_EQ(list->currentRow(), 3);

    // Back to just after the first stroke: the flip and the second stroke are undone.
    const QRect row = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(doc.history().position(), 1u);
    EXPECT_NE(doc.GetTerrain(first), oldTerrain);
    EXPECT_EQ(doc.GetTerrain(second), oldSecond) << "the second stroke is undone and the map mirrored back";
    refresh();
    EXPECT_EQ(action(EditorCommand::Redo)->text(), "&Redo Flip In Y Axis");

    // The first row is the level as opened.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(doc.GetTerrain(first), oldTerrain);
    EXPECT_FALSE(doc.isModified());
}

// The history's length is a setting of the editor ("Editor/Undo Steps"), read for each level
// window that opens.
TEST(UndoStepSettingTest, LevelWindowsKeepAsManyStepsAsTheSettingSays)
{
    QSettings settings;
    settings.setValue(QStringLiteral("Editor/Undo Steps"), 3);
    EXPECT_EQ(CWorldEditorApp::undoStepLimit(), 3u);
    settings.setValue(QStringLiteral("Editor/Undo Steps"), 0);
    EXPECT_EQ(CWorldEditorApp::undoStepLimit(), 1u);
    settings.remove(QStringLiteral("Editor/Undo Steps"));
    EXPECT_EQ(CWorldEditorApp::undoStepLimit(), LevelHistory::kDefaultStepLimit);
}

} // namespace
} // namespace gr2
