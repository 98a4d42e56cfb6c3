// The property dialogs of placed things as a designer meets them in the shown main window with the
// sample level: a double click on a thing of the map or on its tree item opens its dialog with the
// thing's tile in the title; "OK" writes the values as one step that Ctrl+Z takes back, and the
// tree item shows the new values; "Cancel" changes nothing.

#include "app/WindowPlacement.h"
#include "dialogs/CThingDialog.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "level/CCreature.h"
#include "level/CObjectThing.h"
#include "level/CPlayer.h"
#include "level/LevelHistory.h"
#include "mapedit/EditorState.h"
#include "support/ModalDialogs.h"
#include "support/ShownEditor.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"
#include "ui/FormNumberEdit.h"
#include "ui/FormWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <functional>

namespace gr2 {
namespace {

using test::rowOf;
using test::typeInto;

class ThingDialogWindowTest : public test::ShownEditorTest {
protected:
    void SetUp() override
    {
        ShownEditorTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openSample());
    }

    void withDialog(const std::function<void()>& open, const std::function<void(CThingDialog&)>& body)
    {
        test::withModal<CThingDialog>(open, body);
    }
    /// Right-clicks the tile and chooses the entry of the menu that opens.
    void chooseFromMenu(TilePoint tile, const QString& entry)
    {
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            poll.stop();
            for (QAction* a : menu->actions())
                if (a->text() == entry)
                    menu->setActiveAction(a);
            EXPECT_EQ(menu->activeAction() ? menu->activeAction()->text() : QString(), entry);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        poll.start();
        QTest::mousePress(view()->viewport(), Qt::RightButton, {}, view()->tileCentre(tile));
        QTest::mouseRelease(view()->viewport(), Qt::RightButton, {}, view()->tileCentre(tile));
    }
    void doubleClickTile(TilePoint tile)
    {
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre(tile));
    }
};

TEST_F(ThingDialogWindowTest, DoubleClickedCreatureTakesANewLevelOnOkAndCtrlZRestoresIt)
{
    const TilePoint tile{4, 8};
    ASSERT_TRUE(doc().CreatureAt(tile));
    ASSERT_EQ(doc().CreatureAt(tile)->level(), 1);
    ASSERT_TRUE(item("Digger [1] [5, 9]"));

    withDialog([&] { doubleClickTile(tile); },
               [&](CThingDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Edit Creature [ 5, 9 ]");
                   ASSERT_TRUE(dialog.typeIcon()) << "the type's icon beside its selector";
                   EXPECT_TRUE(dialog.typeIcon()->isVisible());
                   ASSERT_TRUE(dialog.resetButton());
                   EXPECT_TRUE(dialog.resetButton()->isVisible());
                   // A Vorlan's creature: no leadership, no objective.
                   auto* leader = qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "L&eader")));
                   ASSERT_TRUE(leader);
                   EXPECT_TRUE(leader->isVisible());
                   EXPECT_FALSE(leader->isEnabled());
                   EXPECT_FALSE(dialog.rows().control(rowOf(dialog, "&Objective:"))->isEnabled());
                   typeInto(dialog, "&Level:", "4");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    ASSERT_TRUE(doc().CreatureAt(tile));
    EXPECT_EQ(doc().CreatureAt(tile)->level(), 4);
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(item("Digger [4] [5, 9]")) << "the tree item follows";
    EXPECT_FALSE(item("Digger [1] [5, 9]"));

    EXPECT_EQ(doc().history().undoName(), "Edit Creature Properties");
    app.mainFrame()->updateCommandUI(); // the frame refreshes its commands when idle
    app.mainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.mainFrame()));
    view()->setFocus();
    QTest::keyClick(view()->viewport(), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    ASSERT_TRUE(doc().CreatureAt(tile));
    EXPECT_EQ(doc().CreatureAt(tile)->level(), 1);
    EXPECT_FALSE(doc().isModified());
    EXPECT_TRUE(item("Digger [1] [5, 9]"));
}

// A double click as the window system delivers it (press, release, double click, release) on a
// creature with Paint current opens its dialog without painting under it first; once the dialog
// closes, the keyboard is the map view's again, so Ctrl+Z reaches the level at once.
TEST_F(ThingDialogWindowTest, ADoubleClickWithPaintCurrentOpensTheDialogWithoutPaintingAndGivesTheFocusBack)
{
    // A creature on a plain path tile, where Paint may paint.
    std::optional<TilePoint> found;
    for (int32_t y = 1; y + 1 < int32_t(doc().height()) && !found; ++y)
        for (int32_t x = 1; x + 1 < int32_t(doc().width()) && !found; ++x)
            if (doc().GetTerrain({x, y}) == 3 && !doc().CreatureAt({x, y}))
                found = TilePoint{x, y};
    ASSERT_TRUE(found);
    const TilePoint tile = *found;
    ASSERT_TRUE(doc().CreateCreature(1, 3, tile, true));
    doc().SetModifiedFlag(false);
    ASSERT_TRUE(doc().CreatureAt(tile));
    // A floor a creature may stand on, chosen in the palette.
    palette()->setActivePage(PalettePage::Terrain);
    QApplication::processEvents();
    for (CTypeButton* b : palette()->buttons(PalettePage::Terrain))
        if (b->text() == "Claimed Path")
            QTest::mouseClick(b, Qt::LeftButton);
    ASSERT_EQ(app.editorState().paintSlab(), 8);
    trigger(EditorCommand::Paint);
    ASSERT_EQ(app.editorState().tool(), ToolCode::Paint);
    view()->setFocus();
    const uint8_t terrain = doc().GetTerrain(tile);
    ASSERT_NE(terrain, app.editorState().paintSlab());
    QWidget* vp = view()->viewport();
    const QPoint at = view()->tileCentre(tile);
    withDialog(
        [&] {
            QTest::mousePress(vp, Qt::LeftButton, {}, at);
            QTest::mouseRelease(vp, Qt::LeftButton, {}, at);
            QTest::mouseDClick(vp, Qt::LeftButton, {}, at);
        },
        [&](CThingDialog& dialog) {
            EXPECT_TRUE(dialog.windowTitle().startsWith("Edit Creature [ "));
            EXPECT_EQ(doc().GetTerrain(tile), terrain) << "painted before the dialog opened";
            typeInto(dialog, "&Level:", "3");
            QTest::keyClick(dialog.okButton(), Qt::Key_Space);
        });
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(doc().GetTerrain(tile), terrain) << "painted after the dialog closed";
    ASSERT_EQ(doc().CreatureAt(tile)->level(), 3);
    EXPECT_EQ(QApplication::focusWidget(), view());
    app.mainFrame()->updateCommandUI();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(doc().CreatureAt(tile)->level(), 1);

    // A single click on the creature still paints, once the double click time has passed.
    QTest::mouseClick(vp, Qt::LeftButton, {}, at);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(doc().GetTerrain(tile), app.editorState().paintSlab());
}

TEST_F(ThingDialogWindowTest, CancelFromTheTreeChangesNothing)
{
    const TilePoint tile{4, 8};
    QTreeWidgetItem* digger = item("Digger [1] [5, 9]");
    ASSERT_TRUE(digger);
    tree()->scrollToItem(digger);
    const QPoint at = tree()->visualItemRect(digger).center();
    withDialog([&] { QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, at); },
               [&](CThingDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Edit Creature [ 5, 9 ]");
                   typeInto(dialog, "&Level:", "9");
                   auto* dead = qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "Dead &Body")));
                   ASSERT_TRUE(dead);
                   QTest::mouseClick(dead, Qt::LeftButton);
                   // The dead body's owner is the Neutral player, and the owner cannot be chosen.
                   EXPECT_FALSE(dialog.rows().control(rowOf(dialog, "Ow&ner:"))->isEnabled());
                   QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
               });
    ASSERT_TRUE(doc().CreatureAt(tile));
    EXPECT_EQ(doc().CreatureAt(tile)->level(), 1);
    EXPECT_FALSE(doc().CreatureAt(tile)->isDeadBody());
    EXPECT_EQ(doc().CreatureAt(tile)->ownerId(), PlayerId::FirstVorlan);
    EXPECT_FALSE(doc().isModified());
}

TEST_F(ThingDialogWindowTest, HeartMenuOpensItsDialogWhichRefusesTooMuchHealth)
{
    CPlayer& vorlan = *doc().FindPlayer(PlayerId::FirstVorlan);
    ASSERT_TRUE(vorlan.hasHeart());
    const TilePoint heart = vorlan.heartPosition();
    withDialog([&] { chooseFromMenu(heart, "&Edit Dungeon Heart Properties..."); },
               [&](CThingDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(),
                             QString("Edit Dungeon Heart [ %1, %2 ]").arg(heart.x + 1).arg(heart.y + 1));
                   EXPECT_FALSE(dialog.rows().control(rowOf(dialog, "Ow&ner:"))->isEnabled());
                   typeInto(dialog, "&Health:", "1001");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_TRUE(dialog.isVisible()) << "a refused value keeps the dialog open";
                   EXPECT_EQ(prompter.texts(),
                             std::vector<std::string>{"Please enter a number between 0 and 1000."});
                   typeInto(dialog, "&Health:", "500");
                   // The label beside the field follows what is typed.
                   const size_t label = rowOf(dialog, "&Health:") + 1;
                   auto* shown = qobject_cast<QLineEdit*>(dialog.rows().control(label));
                   ASSERT_TRUE(shown);
                   EXPECT_TRUE(shown->text().startsWith("% [ "));
                   EXPECT_TRUE(shown->text().endsWith(" Health ]"));
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(doc().FindPlayer(PlayerId::FirstVorlan)->heartHealth(), 500);
    EXPECT_EQ(doc().history().undoName(), "Edit Dungeon Heart Properties");
}

TEST_F(ThingDialogWindowTest, ObjectTypeChosenInTheDialogIsOneUndoableStep)
{
    const TilePoint tile{14, 18};
    ASSERT_TRUE(doc().ObjectAt(tile));
    const uint8_t before = doc().ObjectAt(tile)->type();
    uint8_t chosen = before;
    withDialog([&] { doubleClickTile(tile); },
               [&](CThingDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Edit Object [ 15, 19 ]");
                   auto* types = qobject_cast<QComboBox*>(dialog.rows().control(0));
                   ASSERT_TRUE(types);
                   types->setFocus();
                   QTest::keyClick(types, Qt::Key_Down);
                   chosen = doc().ObjectAt(tile)->type();
                   EXPECT_NE(chosen, before) << "the map shows the chosen type at once";
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    ASSERT_TRUE(doc().ObjectAt(tile));
    EXPECT_EQ(doc().ObjectAt(tile)->type(), chosen);
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(doc().history().undoName(), "Edit Object Properties");
    ASSERT_TRUE(doc().Undo());
    ASSERT_TRUE(doc().ObjectAt(tile));
    EXPECT_EQ(doc().ObjectAt(tile)->type(), before);
    EXPECT_FALSE(doc().isModified());
}

} // namespace
} // namespace gr2
