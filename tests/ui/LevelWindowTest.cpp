// A level window as a user works with it: selecting and copying on the map, the views of one level
// sharing their display switches, New with its dialog, Open, Save and closing, and printing.

#include "dialogs/CNewLevelDialog.h"
#include "document/LevelFiles.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "level/CCreature.h"
#include "level/CPlayer.h"
#include "mapedit/MapViewController.h"
#include "script/LevelScript.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>

namespace gr2 {
namespace {

class LevelWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeSampleData(root.path()).empty());
        ASSERT_TRUE(app.InitInstance(root.path(), false));
        app.mainFrame()->resize(1200, 900);
        app.mainFrame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
    }
    QPoint centreOf(CWorldEditorView* view, TilePoint p) const
    {
        const int side = view->tileSize();
        return {p.x * side + side / 2, p.y * side + side / 2};
    }
    void trigger(EditorCommand command) { app.mainFrame()->action(command)->trigger(); }
    bool contains(const std::string& text) const
    {
        const auto texts = prompter.texts();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    test::TempDir root;
    test::ScriptedPrompter prompter;
    CWorldEditorApp app{&prompter};
};

TEST_F(LevelWindowTest, SelectedRegionIsDrawnInvertedUntilCopyClearsIt)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    ASSERT_TRUE(view);
    QWidget* vp = view->viewport();
    const QImage before = view->renderVisible();

    trigger(EditorCommand::RectangleSelect);
    QTest::mousePress(vp, Qt::LeftButton, {}, centreOf(view, {2, 2}));
    QTest::mouseMove(vp, centreOf(view, {3, 3}));
    QTest::mouseMove(vp, centreOf(view, {4, 4}));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, centreOf(view, {4, 4}));
    ASSERT_TRUE(view->controller().selection());
    EXPECT_EQ(*view->controller().selection(), (TileRect{2, 2, 4, 4}));
    EXPECT_TRUE(app.mainFrame()->action(EditorCommand::Copy)->isEnabled());

    const QImage selected = view->renderVisible();
    auto inverted = [](QColor c) { return QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()); };
    for (TilePoint p : {TilePoint{2, 2}, TilePoint{4, 4}, TilePoint{3, 2}}) {
        const QPoint at = centreOf(view, p);
        EXPECT_EQ(selected.pixelColor(at), inverted(before.pixelColor(at))) << p.x << "," << p.y;
    }
    const QPoint outside = centreOf(view, {5, 5});
    EXPECT_EQ(selected.pixelColor(outside), before.pixelColor(outside));

    // Copy takes the region to the clipboard and ends the selection; Paste puts the clipboard on
    // the brush, drawn at the pointer.
    trigger(EditorCommand::Copy);
    EXPECT_FALSE(view->controller().selection());
    EXPECT_EQ(view->renderVisible(), before);
    EXPECT_FALSE(app.mainFrame()->action(EditorCommand::Copy)->isEnabled());
    trigger(EditorCommand::Paste);
    EXPECT_TRUE(app.editorState().brushActive());
    EXPECT_TRUE(app.mainFrame()->action(EditorCommand::BrushFlipX)->isEnabled());
    // A right press drops the brush instead of opening a menu.
    QTest::mousePress(vp, Qt::RightButton, {}, centreOf(view, {8, 8}));
    EXPECT_FALSE(app.editorState().brushActive());
    EXPECT_EQ(app.editorState().tool(), ToolCode::Paint);
}

TEST_F(LevelWindowTest, AScriptCreatureIsDrawnHalfTransparentWhereTheScriptWillCreateIt)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    CWorldEditorDoc& doc = child->document();
    LevelScript& script = *LevelScript::of(doc);
    CPlayer& p3 = *doc.FindPlayer(3);

    // Player 3's trigger gets a Create Creature action the way the script tree makes one: the
    // creature is picked on the map with the creature tool.
    std::unique_ptr<CTrigger> made = script.makeTrigger();
    ASSERT_NE(script.NewTriggerId(*made), 0);
    made->setOwner(&p3);
    made->setOwnerObject(&p3, TriggerOwnerKind::Player);
    made->setPlaced(true);
    CTrigger* trigger = script.AddTrigger(std::move(made));
    const uint8_t brute = 2;
    app.editorState().setCurrentType(ThingFamily::Creature, brute);
    ASSERT_TRUE(view->controller().selectTool(ToolCode::PlaceCreature));
    doc.BeginCreatureActionPicking(trigger->id());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, {5, 5}));
    doc.FinishCreatureActionPicking(false);
    ASSERT_EQ(script.actions().size(), 1u);
    CCreature* preview = script.actions()[0]->creature();
    ASSERT_TRUE(preview && preview->isActionPreview());
    ASSERT_EQ(preview->position(), (TilePoint{5, 5}));
    // The same creature placed on the map, to compare with.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, {8, 5}));
    ASSERT_TRUE(doc.CreatureAt({8, 5}) && doc.CreatureAt({8, 5})->isPlaced());

    const QImage shot = view->viewport()->grab().toImage();
    const int side = view->tileSize();
    auto pixel = [&](TilePoint tile, int dx, int dy) {
        return shot.pixelColor(tile.x * side + dx, tile.y * side + dy);
    };
    auto distance = [](QColor a, QColor b) {
        return std::max(
            {std::abs(a.red() - b.red()), std::abs(a.green() - b.green()), std::abs(a.blue() - b.blue())});
    };
    // Where the icon stands out most from the bare ground of tile (11, 5) ...
    int bestX = 0, bestY = 0, best = -1;
    for (int dy = 4; dy < side - 3; ++dy)
        for (int dx = 4; dx < side - 3; ++dx)
            if (const int d = distance(pixel({8, 5}, dx, dy), pixel({11, 5}, dx, dy)); d > best)
                best = d, bestX = dx, bestY = dy;
    ASSERT_GT(best, 60);
    // ... the script's creature shows half of it over the ground.
    const QColor ground = pixel({11, 5}, bestX, bestY);
    const QColor icon = pixel({8, 5}, bestX, bestY);
    const QColor half((icon.red() + ground.red()) / 2, (icon.green() + ground.green()) / 2,
                      (icon.blue() + ground.blue()) / 2);
    EXPECT_LE(distance(pixel({5, 5}, bestX, bestY), half), 2)
        << "drawn " << pixel({5, 5}, bestX, bestY).name().toStdString() << ", ground "
        << ground.name().toStdString() << ", icon " << icon.name().toStdString();

    // The tile looks taken and is: the creature tool places nothing more on it.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, {5, 5}));
    EXPECT_EQ(doc.creatures().size(), 2u);
}

TEST_F(LevelWindowTest, DragShapesGoThroughTheMapEditingLogic)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    QWidget* vp = view->viewport();
    CWorldEditorDoc& doc = child->document();
    const uint8_t slab = app.editorState().paintSlab();
    ASSERT_NE(slab, 3);

    // A filled rectangle from (2, 2) to (4, 3): painted only when the button comes up.
    trigger(EditorCommand::DrawRectangle);
    app.editorState().setFilled(true);
    QTest::mousePress(vp, Qt::LeftButton, {}, centreOf(view, {2, 2}));
    QTest::mouseMove(vp, centreOf(view, {4, 3}));
    EXPECT_TRUE(view->controller().dragging());
    EXPECT_EQ(doc.GetTerrain({3, 3}), 3);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, centreOf(view, {4, 3}));
    for (int y = 2; y <= 3; ++y)
        for (int x = 2; x <= 4; ++x)
            EXPECT_EQ(doc.GetTerrain({x, y}), slab) << x << "," << y;
    EXPECT_EQ(doc.GetTerrain({5, 3}), 3);

    // An action point dragged out with its tool joins the level.
    const size_t points = doc.actionPoints().size();
    trigger(EditorCommand::CreateActionPoint);
    QTest::mousePress(vp, Qt::LeftButton, {}, centreOf(view, {6, 6}));
    QTest::mouseMove(vp, centreOf(view, {8, 7}));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, centreOf(view, {8, 7}));
    ASSERT_EQ(doc.actionPoints().size(), points + 1);
    EXPECT_EQ(doc.actionPoints().back()->area(), (TileRect{6, 6, 8, 7}));
}

TEST_F(LevelWindowTest, KeysScrollTheViewAndTheSpaceBarTurnsTheGateBrush)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 128, 128, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    QScrollBar* h = view->horizontalScrollBar();
    QScrollBar* v = view->verticalScrollBar();
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(h->value(), 20);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(v->value(), 100);
    QTest::keyClick(view, Qt::Key_PageDown);
    EXPECT_EQ(v->value(), 100 + view->viewport()->height() - 2);
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(h->value(), h->maximum());
    EXPECT_EQ(v->value(), v->maximum());
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(h->value(), 0);
    EXPECT_EQ(v->value(), 0);

    // The turning hero gate waits on the brush; the space bar turns it a quarter.
    app.editorState().SetDrawTerrain(37, PlayerId::Good);
    ASSERT_TRUE(app.editorState().brushActive());
    const uint8_t direction = app.editorState().brush().direction;
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(app.editorState().brush().direction, (direction + 2) % 8);
}

TEST_F(LevelWindowTest, GridShrinkAndWaypointSwitchesBelongToAllViewsOfTheLevel)
{
    CChildFrame* first = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    trigger(EditorCommand::SplitWindow);
    ASSERT_EQ(first->views().size(), 4);
    CChildFrame* second = app.newLevel({"GR2Level2", 20, 20, 3, PlayerId::Neutral});
    ASSERT_EQ(app.mainFrame()->activeChildFrame(), second);

    app.mainFrame()->mdiArea()->setActiveSubWindow(app.mainFrame()->mdiArea()->subWindowList().first());
    ASSERT_EQ(app.mainFrame()->activeChildFrame(), first);
    trigger(EditorCommand::Grid);
    for (CWorldEditorView* view : first->views())
        EXPECT_TRUE(view->gridShown());
    EXPECT_FALSE(second->activeView()->gridShown());
    EXPECT_TRUE(app.mainFrame()->action(EditorCommand::Grid)->isChecked());

    QAction* paths = app.mainFrame()->action(EditorCommand::ShowWaypointPaths);
    EXPECT_EQ(paths->text(), "Hide All Waypoint Paths");
    paths->trigger();
    EXPECT_FALSE(first->document().showsWaypointPaths());
    EXPECT_TRUE(second->document().showsWaypointPaths());
    EXPECT_EQ(paths->text(), "Show All Waypoint Paths");

    trigger(EditorCommand::SplitWindow);
    EXPECT_TRUE(first->activeView()->gridShown());
}

TEST_F(LevelWindowTest, NewRefusesSizesOutsideSevenTo128AndProposesNumberedNames)
{
    CNewLevelDialog& dialog = app.newLevelDialog();
    dialog.prepare();
    EXPECT_EQ(dialog.nameEdit()->text(), "GR2Level1");
    EXPECT_EQ(dialog.widthBox()->value(), 25);
    dialog.show();
    const std::string range = "Please enter a number between 7 and 128.";
    for (int refused : {6, 129}) {
        for (QSpinBox* side : {dialog.widthBox(), dialog.heightBox()}) {
            prompter.clear();
            side->setValue(refused);
            dialog.accept();
            ASSERT_EQ(prompter.texts(), std::vector<std::string>{range}) << refused;
            EXPECT_TRUE(dialog.isVisible());
            side->setValue(25);
        }
    }
    // Text beyond Latin-1 cannot go into the 8-bit name.
    dialog.nameEdit()->clear();
    dialog.nameEdit()->insert(QString::fromUtf8("Lev\u20ACel"));
    EXPECT_EQ(dialog.nameEdit()->text(), "");
    dialog.nameEdit()->insert(QString::fromUtf8("Lev\u00E9l"));
    EXPECT_EQ(dialog.nameEdit()->text(), QString::fromUtf8("Lev\u00E9l"));
    prompter.clear();
    dialog.nameEdit()->clear();
    dialog.accept();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Please give this level a name."});
    EXPECT_TRUE(dialog.isVisible());
    dialog.reject();

    // The New command runs the dialog; it keeps the size from the last run and proposes the
    // next name.
    dialog.widthBox()->setValue(7);
    dialog.heightBox()->setValue(128);
    QTimer::singleShot(0, &dialog, [&dialog] { dialog.accept(); });
    trigger(EditorCommand::New);
    CChildFrame* child = app.mainFrame()->activeChildFrame();
    ASSERT_TRUE(child);
    EXPECT_EQ(child->document().width(), 7u);
    EXPECT_EQ(child->document().height(), 128u);
    EXPECT_EQ(child->document().title(), "GR2Level2");
    EXPECT_EQ(dialog.widthBox()->value(), 7);

    // A terrain that is not Ownable gives the level to the Neutral player and greys the owner.
    dialog.prepare();
    EXPECT_EQ(dialog.nameEdit()->text(), "GR2Level3");
    for (int i = 0; i < dialog.terrainBox()->count(); ++i) {
        dialog.terrainBox()->setCurrentIndex(i);
        if (!dialog.ownerBox()->isEnabled()) {
            EXPECT_EQ(dialog.ownerBox()->currentText(), "Neutral Player");
        }
    }
}

TEST_F(LevelWindowTest, SaveOfALevelWithoutAHeartShowsTheCheckAndWritesNothing)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    const CPlayer* vorlan = child->document().FindPlayer(PlayerId::FirstVorlan);
    ASSERT_TRUE(vorlan);
    prompter.clear();
    trigger(EditorCommand::Save);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{vorlan->name() + " must have a Dungeon Heart!"});
    EXPECT_TRUE(prompter.dialogs().empty());
    EXPECT_TRUE(child->document().isModified());
}

TEST_F(LevelWindowTest, OpeningAnOpenLevelAgainShowsItsWindowWithItsEdits)
{
    const std::filesystem::path sample = root.path() / "Maps" / (std::string(kSampleLevelName) + ".vwd");
    CChildFrame* first = app.openLevel(sample);
    ASSERT_TRUE(first);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(first));
    trigger(EditorCommand::Paint);
    QTest::mouseClick(first->activeView()->viewport(), Qt::LeftButton, {},
                      centreOf(first->activeView(), {3, 3}));
    ASSERT_TRUE(first->document().isModified());
    const uint8_t painted = first->document().GetTerrain({3, 3});

    // The same file named another way, from the Open dialog as a designer types it.
    std::string upper = kSampleLevelName;
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    prompter.queueOpenPaths({root.path() / "Maps" / ".." / "Maps" / (upper + ".vwd")});
    trigger(EditorCommand::Open);
    QApplication::processEvents();
    EXPECT_EQ(app.mainFrame()->mdiArea()->subWindowList().size(), 1) << "no second copy of the level";
    EXPECT_EQ(app.mainFrame()->activeChildFrame(), first);
    EXPECT_TRUE(first->document().isModified());
    EXPECT_EQ(first->document().GetTerrain({3, 3}), painted) << "the edits are still there";
    EXPECT_TRUE(app.mainFrame()->windowTitle().endsWith("*]"));
}

TEST_F(LevelWindowTest, OpenSaveAndTheCloseQuestion)
{
    const std::filesystem::path sample = root.path() / "Maps" / (std::string(kSampleLevelName) + ".vwd");
    ASSERT_TRUE(std::filesystem::exists(sample));
    prompter.queueOpenPaths({sample});
    trigger(EditorCommand::Open);
    CChildFrame* child = app.mainFrame()->activeChildFrame();
    ASSERT_TRUE(child);
    EXPECT_FALSE(child->document().isModified());
    const QString title = QString::fromStdString(child->document().title());
    EXPECT_TRUE(title.endsWith(QStringLiteral("%1.vwd").arg(kSampleLevelName))) << title.toStdString();
    EXPECT_EQ(app.mainFrame()->windowTitle().toStdString(),
              "GR2 World Editor - [" + title.toStdString() + "]");
    EXPECT_EQ(app.recentFiles().value(0), QString::fromStdString(sample.string()));
    // Opening it again shows the same window.
    EXPECT_EQ(app.openLevel(sample), child);
    EXPECT_EQ(app.mainFrame()->mdiArea()->subWindowList().size(), 1);

    // Paint a tile: the title shows the modified mark.
    CWorldEditorView* view = child->activeView();
    trigger(EditorCommand::Paint);
    TilePoint target{3, 3};
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(view, target));
    ASSERT_TRUE(child->document().isModified());
    EXPECT_TRUE(app.mainFrame()->windowTitle().endsWith("*]"))
        << app.mainFrame()->windowTitle().toStdString();
    const uint8_t painted = child->document().GetTerrain(target);

    // Closing asks; Cancel keeps the window, Yes saves (declining the global data) and closes.
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Cancel);
    QMdiSubWindow* sub = app.mainFrame()->mdiArea()->activeSubWindow();
    EXPECT_FALSE(sub->close());
    EXPECT_EQ(prompter.texts().front(), "Save changes to " + title.toStdString() + "?");
    prompter.queueAnswer(Prompter::Answer::Yes);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(sub->close());
    QApplication::processEvents();
    EXPECT_TRUE(app.mainFrame()->mdiArea()->subWindowList().isEmpty());

    // A level file dropped onto the window opens like one chosen with Open.
    emit app.mainFrame()->filesDropped({QString::fromStdString(sample.string())});
    CChildFrame* again = app.mainFrame()->activeChildFrame();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->document().GetTerrain(target), painted);
    EXPECT_TRUE(std::filesystem::exists(root.path() / "Maps" / "Thumbnails" /
                                        (std::string(kSampleLevelName) + "144.bmp")));
}

TEST_F(LevelWindowTest, EachLevelIsBackedUpOncePerTenMinutesHoweverManyViewsAsk)
{
    const std::filesystem::path sample = root.path() / "Maps" / (std::string(kSampleLevelName) + ".vwd");
    CChildFrame* child = app.openLevel(sample);
    ASSERT_TRUE(child);
    trigger(EditorCommand::SplitWindow);
    ASSERT_EQ(child->views().size(), 4);
    child->document().SetModifiedFlag(true);
    const std::filesystem::path backup = child->levelFiles().backupPath();
    const auto start = std::chrono::steady_clock::now();

    EXPECT_FALSE(child->autosaveDue(start + std::chrono::minutes(9)));
    EXPECT_FALSE(std::filesystem::exists(backup));
    // The first view's timer after ten minutes backs the level up; the other views' timers, firing
    // at the same moment, do not write it again.
    EXPECT_TRUE(child->autosaveDue(start + std::chrono::minutes(11)));
    ASSERT_TRUE(std::filesystem::exists(backup));
    std::filesystem::remove(backup);
    for (int view = 1; view < 4; ++view)
        EXPECT_FALSE(child->autosaveDue(start + std::chrono::minutes(11)));
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_TRUE(prompter.texts().empty());
    // A backup leaves the level's own name and modified mark alone.
    EXPECT_TRUE(child->document().isModified());
    EXPECT_EQ(child->document().path(), std::filesystem::absolute(sample).string());
}

TEST_F(LevelWindowTest, PrintsTheWholeMapToAPdfWithGreySquaresForTilesThatAreNoRoom)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 30, 30, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    view->setTileSize(8);
    QImage page(240, 240, QImage::Format_RGB32);
    page.fill(Qt::magenta);
    {
        QPainter painter(&page);
        view->render(painter, page.rect(), true);
    }
    // Every tile is drawn, also those the window would not show; terrain t is grey (t × 69 / 2) % 256.
    EXPECT_EQ(page.pixelColor(5 * 8 + 4, 5 * 8 + 4), QColor(103, 103, 103)); // path, terrain 3
    EXPECT_EQ(page.pixelColor(239, 239), QColor(11, 11, 11));                // border, terrain 30

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const std::filesystem::path pdf = root.path() / "map.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(child->activeView()->printTo(printer));
    ASSERT_TRUE(std::filesystem::exists(pdf));
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

} // namespace
} // namespace gr2
