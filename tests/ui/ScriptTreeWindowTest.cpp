// The "Script Tree" bar as a designer meets it in the shown main window with the sample level: the
// level's outline with its images and the bold current player, the player it chooses for drawing
// and for the palette, the context menus with their greying, the Delete key, Find with F3, drag
// and drop, Export To File, moving a creature through the map, the map's own menus, building a
// hero party with the member prompt, and writing a trigger with the Edit Trigger sheet.

#include "app/WindowPlacement.h"
#include "dialogs/CActionEditSheet.h"
#include "dialogs/CPlacementPrompt.h"
#include "dialogs/CTextMessagesDialog.h"
#include "dialogs/CTreeFindDialog.h"
#include "dialogs/CTriggerEditSheet.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "forms/ActionPageForms.h"
#include "level/CPlayer.h"
#include "mapedit/MapViewController.h"
#include "script/ActionKind.h"
#include "script/LevelScript.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptTreeExport.h"
#include "script/TriggerSection.h"
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
#include "ui/HistoryDock.h"
#include "ui/QtText.h"
#include "worlddata/ByteOrder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

struct MenuEntry {
    QString text;
    bool enabled = true;
    bool checked = false;
    bool operator==(const MenuEntry&) const = default;
};

class ScriptTreeWindowTest : public test::ShownEditorTest {
protected:
    void SetUp() override
    {
        ShownEditorTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openSample());
        ASSERT_TRUE(tree()->isVisible());
    }

    static QStringList childTexts(const QTreeWidgetItem* parent)
    {
        QStringList texts;
        for (int i = 0; i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
        return texts;
    }
    QPoint pointOf(QTreeWidgetItem* w) const
    {
        tree()->scrollToItem(w);
        return tree()->visualItemRect(w).center();
    }
    void click(QTreeWidgetItem* w)
    {
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, pointOf(w));
        QApplication::processEvents();
    }
    /// A move with buttons held, as the pointer sends it during a drag.
    static void moveMouse(QWidget* widget, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, held, {});
        QApplication::sendEvent(widget, &event);
    }
    /// Runs `open`, which opens a pop-up menu; answers what the menu offers and chooses the entry
    /// `choose` with the keyboard (or closes the menu when none is named).
    std::vector<MenuEntry> menuOf(const std::function<void()>& open, const QString& choose = {})
    {
        std::vector<MenuEntry> entries;
        bool seen = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu || !menu->isVisible())
                return;
            poll.stop();
            seen = true;
            QAction* chosen = nullptr;
            for (QAction* a : menu->actions()) {
                if (a->isSeparator())
                    continue;
                entries.push_back({a->text(), a->isEnabled(), a->isChecked()});
                if (!choose.isEmpty() && a->text() == choose)
                    chosen = a;
            }
            if (chosen) {
                menu->setActiveAction(chosen);
                QTest::keyClick(menu, Qt::Key_Return);
            } else {
                menu->close();
            }
        });
        poll.start();
        open();
        QApplication::processEvents();
        EXPECT_TRUE(seen) << "no menu opened";
        return entries;
    }
    std::vector<MenuEntry> rightClick(QTreeWidgetItem* w, const QString& choose = {})
    {
        const QPoint at = pointOf(w);
        return menuOf([&] { QTest::mouseClick(tree()->viewport(), Qt::RightButton, {}, at); }, choose);
    }
    static QStringList texts(const std::vector<MenuEntry>& entries)
    {
        QStringList out;
        for (const MenuEntry& e : entries)
            out << e.text;
        return out;
    }
    static bool enabled(const std::vector<MenuEntry>& entries, const QString& text)
    {
        for (const MenuEntry& e : entries)
            if (e.text == text)
                return e.enabled;
        ADD_FAILURE() << "no entry " << text.toStdString();
        return false;
    }
    /// Runs `open`, which opens the Edit Trigger sheet; `use` gets the shown sheet and closes it
    /// (a sheet left open is cancelled, so that the test goes on).
    void withSheet(const std::function<void()>& open, const std::function<void(CTriggerEditSheet&)>& use)
    {
        test::withModal<CTriggerEditSheet>(
            open,
            [&](CTriggerEditSheet& sheet) {
                use(sheet);
                if (sheet.isVisible())
                    ADD_FAILURE() << "the sheet stayed open";
            },
            "no sheet opened");
    }
    /// The same for the Edit Action sheet.
    void withActionSheet(const std::function<void()>& open, const std::function<void(CActionEditSheet&)>& use)
    {
        test::withModal<CActionEditSheet>(
            open,
            [&](CActionEditSheet& sheet) {
                use(sheet);
                if (sheet.isVisible())
                    ADD_FAILURE() << "the sheet stayed open";
            },
            "no sheet opened");
    }
    static QStringList tabTexts(const QDialog& sheet)
    {
        QStringList out;
        const auto* tabs = sheet.findChild<QTabWidget*>();
        for (int i = 0; tabs && i < tabs->count(); ++i)
            out << tabs->tabText(i);
        return out;
    }
    /// Clicks the tab with the title, as the user does.
    static void showTab(QDialog& sheet, const QString& title)
    {
        QTabBar* bar = sheet.findChild<QTabWidget*>()->tabBar();
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i) == title)
                QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        ASSERT_EQ(bar->tabText(bar->currentIndex()), title);
    }
    static void typeInto(QWidget* field, const QString& text)
    {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    /// The steps the History dock lists, once the window has brought its commands up to date.
    int historySteps()
    {
        app.mainFrame()->updateCommandUI();
        return app.mainFrame()->historyDock()->list()->count();
    }
    static std::string fileText(const std::filesystem::path& path)
    {
        const Bytes bytes = test::readFile(path);
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(ScriptTreeWindowTest, TheTreeIsTheLevelsOutlineWithImagesAndTheBoldCurrentPlayer)
{
    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* level = tree()->topLevelItem(0);
    EXPECT_EQ(level->text(0), QString::fromLatin1(kSampleLevelName));
    const QStringList top = childTexts(level);
    ASSERT_EQ(top.size(), 9) << top.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(top[0].startsWith("When Time"));
    EXPECT_TRUE(top[1].startsWith("[ID 1] Action Point 1"));
    EXPECT_TRUE(top[2].startsWith("[ID 2] Action Point 2"));
    EXPECT_TRUE(top[3].startsWith("Effect Generator 1"));
    EXPECT_EQ(top[4], "Hero Party 1");
    EXPECT_EQ(top.mid(5), (QStringList{"Vorlan 1", "Vorlan 2", "Good Player", "Neutral Player"}));
    EXPECT_EQ(childTexts(item("Vorlan 1")), (QStringList{"Digger [1] [9, 9]", "Digger [1] [5, 9]",
                                                         "Wooden Door [11, 6]", "Spike Trap [B] [12, 6]"}));
    EXPECT_TRUE(item("Vorlan 1")->isExpanded());
    EXPECT_TRUE(level->child(0)->isExpanded());

    // The views draw for Vorlan 1 after opening: it is the bold one.
    EXPECT_TRUE(item("Vorlan 1")->font(0).bold());
    EXPECT_FALSE(item("Vorlan 2")->font(0).bold());

    // Each kind shows its image; the selected item its selected image.
    const QList<QPixmap>& images = app.treeImages();
    auto shows = [&](QTreeWidgetItem* w, const QPixmap& image) {
        const QImage row = tree()->viewport()->grab(tree()->visualItemRect(w)).toImage();
        const QImage wanted = image.toImage().convertToFormat(row.format());
        for (int y = 0; y + wanted.height() <= row.height(); ++y)
            for (int x = 0; x + wanted.width() <= row.width(); ++x)
                if (row.copy(x, y, wanted.width(), wanted.height()) == wanted)
                    return true;
        return false;
    };
    QTreeWidgetItem* digger = item("Digger [1] [9, 9]");
    EXPECT_TRUE(shows(digger, images[4]));
    EXPECT_TRUE(shows(item("Wooden Door"), images[6]));
    EXPECT_TRUE(shows(level, images[0]));
    click(digger);
    EXPECT_TRUE(shows(digger, images[5]));
    EXPECT_FALSE(shows(digger, images[4]));
}

TEST_F(ScriptTreeWindowTest, Vorlan2ChosenInTheTreeOwnsWhatIsPaintedAndTheGoodPlayerSwapsThePalette)
{
    click(item("Vorlan 2"));
    EXPECT_TRUE(item("Vorlan 2")->font(0).bold());
    EXPECT_FALSE(item("Vorlan 1")->font(0).bold());
    for (CWorldEditorView* v : child->views())
        EXPECT_EQ(v->currentPlayer()->id(), 4);

    // Paint claimed floor with the palette's button: the tiles are Vorlan 2's.
    palette()->setActivePage(PalettePage::Terrain);
    CTypeButton* claimed = nullptr;
    for (CTypeButton* b : palette()->buttons(PalettePage::Terrain))
        if (b->item().id == TerrainId::ClaimedFloor)
            claimed = b;
    ASSERT_TRUE(claimed);
    QTest::mouseClick(claimed, Qt::LeftButton);
    const TilePoint tile{20, 10};
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre(tile));
    EXPECT_EQ(doc().GetTerrain(tile), TerrainId::ClaimedFloor);
    EXPECT_EQ(doc().GetOwner(tile), 4);

    // The doors page with its evil door chosen: choosing the Good player turns it into the Good
    // door of its pair, on the button, in the tool and in the status bar.
    palette()->setActivePage(PalettePage::Doors);
    CTypeButton* door = palette()->buttons(PalettePage::Doors).front();
    const uint8_t evilDoor = door->item().id;
    QTest::mouseClick(door, Qt::LeftButton);
    const QImage evilPicture = door->grab().toImage();
    click(item("Good Player"));
    QApplication::processEvents();
    EXPECT_NE(door->item().id, evilDoor);
    EXPECT_EQ(app.editorState().currentType(ThingFamily::Door), door->item().id);
    EXPECT_NE(door->grab().toImage(), evilPicture);
    EXPECT_EQ(app.mainFrame()->paneText(1), "Draw Item: Door [ Hero Wooden Door ]");
    // The Good player has no starting camera.
    EXPECT_FALSE(app.mainFrame()->action(EditorCommand::EditCameraStart)->isEnabled());
    click(item("Vorlan 1"));
    QApplication::processEvents();
    EXPECT_EQ(door->item().id, evilDoor);
    EXPECT_TRUE(app.mainFrame()->action(EditorCommand::EditCameraStart)->isEnabled());
}

TEST_F(ScriptTreeWindowTest, MenusOfferWhatTheEditorRunsGreyedByTheRules)
{
    const std::vector<MenuEntry> neutral = rightClick(item("Neutral Player"));
    EXPECT_EQ(texts(neutral), (QStringList{"&Edit Vorlan Properties...", "Edit Vorlan &Alliances...",
                                           "Edit Starting &Camera Position", "Define &Build Area...",
                                           "Add &Trigger...", "&Delete Vorlan"}));
    // The Neutral player may have triggers and take part in alliances; nothing else applies to it.
    for (const MenuEntry& e : neutral)
        EXPECT_EQ(e.enabled, e.text == "Add &Trigger..." || e.text == "Edit Vorlan &Alliances...")
            << e.text.toStdString();
    // Right clicking selected it: the Delete key on it deletes nothing.
    EXPECT_EQ(tree()->currentItem(), item("Neutral Player"));
    QTest::keyClick(tree(), Qt::Key_Delete);
    QTest::keyClick(tree(), Qt::Key_Backspace);
    ASSERT_TRUE(item("Neutral Player"));
    EXPECT_TRUE(doc().FindPlayer(PlayerId::Neutral));

    // Of four players Vorlan 2 may go, with its things (it was current: Vorlan 1 takes over);
    // then Vorlan 1 is the last Vorlan and stays.
    EXPECT_TRUE(enabled(rightClick(item("Vorlan 2")), "&Delete Vorlan"));
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_EQ(item("Vorlan 2"), nullptr);
    EXPECT_EQ(item("Brute"), nullptr);
    EXPECT_EQ(doc().PlayerCount(), 3u);
    EXPECT_TRUE(item("Vorlan 1")->font(0).bold());
    EXPECT_FALSE(enabled(rightClick(item("Vorlan 1")), "&Delete Vorlan"));
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_TRUE(item("Vorlan 1"));
    // The level's menu adds a player again.
    rightClick(tree()->topLevelItem(0), "Create New &Player");
    EXPECT_EQ(doc().PlayerCount(), 4u);
    EXPECT_TRUE(enabled(rightClick(item("Vorlan 1")), "&Delete Vorlan"));

    // A creature's menu, with Force First Person checked once chosen.
    std::vector<MenuEntry> creature = rightClick(item("Digger [1] [5, 9]"));
    EXPECT_EQ(texts(creature),
              (QStringList{"&Edit Creature Properties...", "Edit Creature &Type...", "Add &Trigger...",
                           "&Move Creature", "&Delete Creature", "&Force First Person"}));
    rightClick(item("Digger [1] [5, 9]"), "&Force First Person");
    creature = rightClick(item("Digger [1] [5, 9]"));
    EXPECT_TRUE(creature[5].checked);
    // Its trigger and that trigger's first action offer no menu.
    QTreeWidgetItem* forced = item("Digger [1] [5, 9]")->child(0);
    ASSERT_TRUE(forced);
    EXPECT_EQ(tree()->contextMenuFor(tree()->modelItem(forced)), nullptr);

    // The empty space has its own menu.
    const QPoint below(5, tree()->viewport()->height() - 3);
    ASSERT_EQ(tree()->itemAt(below), nullptr);
    EXPECT_EQ(texts(menuOf([&] { QTest::mouseClick(tree()->viewport(), Qt::RightButton, {}, below); })),
              (QStringList{"&Refresh", "Expand &All", "&Collapse All"}));

    // Delete on a door removes it from the tree and the level.
    click(item("Wooden Door"));
    QTest::keyClick(tree(), Qt::Key_Delete);
    EXPECT_EQ(item("Wooden Door"), nullptr);
    EXPECT_TRUE(doc().doors().empty());
    EXPECT_EQ(tree()->currentItem(), nullptr);
}

TEST_F(ScriptTreeWindowTest, DraggingATriggerFollowsTheDropVerdicts)
{
    // The sample's root trigger gets a sub-trigger, the way Add Trigger would attach one.
    LevelScript& script = *LevelScript::of(doc());
    CTrigger* parent = script.FindTrigger(doc().properties().rootTrigger);
    ASSERT_TRUE(parent);
    std::unique_ptr<CTrigger> made = script.makeTrigger();
    ASSERT_NE(script.NewTriggerId(*made), 0);
    made->setKind(1);
    made->setOwnerObject(parent, TriggerOwnerKind::Trigger);
    made->setPlaced(true);
    CTrigger* sub = script.AddTrigger(std::move(made));
    QTreeWidgetItem* parentItem = tree()->topLevelItem(0)->child(0);
    QTreeWidgetItem* subItem = item("When Flag");
    ASSERT_TRUE(subItem);
    ASSERT_EQ(subItem->parent(), parentItem);

    // Dropped on its own sub-trigger: refused, the cursor says so, nothing moves.
    QWidget* vp = tree()->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, pointOf(parentItem));
    moveMouse(vp, pointOf(parentItem) + QPoint(0, 6), Qt::LeftButton);
    moveMouse(vp, pointOf(subItem), Qt::LeftButton);
    ASSERT_TRUE(tree()->isDragging());
    EXPECT_EQ(tree()->modelItem(subItem), tree()->dropTarget());
    EXPECT_EQ(vp->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, pointOf(subItem));
    EXPECT_FALSE(tree()->isDragging());
    EXPECT_EQ(item("When Flag")->parent(), tree()->topLevelItem(0)->child(0));
    EXPECT_EQ(sub->parentTrigger(), parent);

    // Hovering over a closed item opens it after a moment; dropped on Vorlan 1 the sub-trigger
    // becomes that player's.
    QTreeWidgetItem* vorlan = item("Vorlan 1");
    vorlan->setExpanded(false);
    subItem = item("When Flag");
    QTest::mousePress(vp, Qt::LeftButton, {}, pointOf(subItem));
    moveMouse(vp, pointOf(subItem) + QPoint(0, 6), Qt::LeftButton);
    moveMouse(vp, pointOf(vorlan), Qt::LeftButton);
    EXPECT_EQ(vp->cursor().shape(), Qt::DragMoveCursor);
    QTest::qWait(CTriggerTree::kHoverExpandMilliseconds + 250);
    EXPECT_TRUE(vorlan->isExpanded());
    QTest::mouseRelease(vp, Qt::LeftButton, {}, pointOf(vorlan));
    EXPECT_EQ(item("When Flag")->parent(), item("Vorlan 1"));
    EXPECT_EQ(sub->ownerKind(), TriggerOwnerKind::Player);
    EXPECT_TRUE(doc().isModified());

    // A right drag onto a creature offers the child commands only; Copy As Child copies it.
    QTreeWidgetItem* digger = item("Digger [1] [5, 9]");
    const size_t triggers = script.triggers().size();
    QTreeWidgetItem* flag = item("When Flag");
    QTest::mousePress(vp, Qt::RightButton, {}, pointOf(flag));
    moveMouse(vp, pointOf(flag) + QPoint(0, 6), Qt::RightButton);
    moveMouse(vp, pointOf(digger), Qt::RightButton);
    const std::vector<MenuEntry> drop =
        menuOf([&] { QTest::mouseRelease(vp, Qt::RightButton, {}, pointOf(digger)); }, "Copy As Child");
    EXPECT_EQ(drop, (std::vector<MenuEntry>{{"Move As Child", true},
                                            {"Move As Sibling", false},
                                            {"Copy As Child", true},
                                            {"Copy As Sibling", false}}));
    EXPECT_EQ(script.triggers().size(), triggers + 1);
    ASSERT_EQ(item("Digger [1] [5, 9]")->childCount(), 1);
    EXPECT_TRUE(item("Digger [1] [5, 9]")->child(0)->text(0).startsWith("When Flag"));
}

TEST_F(ScriptTreeWindowTest, DraggingNearTheBottomEdgeScrollsTheTree)
{
    app.mainFrame()->resize(1200, 420);
    QTest::qWait(50);
    QScrollBar* bar = tree()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the tree must be taller than its bar";
    bar->setValue(0);
    QWidget* vp = tree()->viewport();
    QTreeWidgetItem* top = tree()->topLevelItem(0)->child(0);
    QTest::mousePress(vp, Qt::LeftButton, {}, pointOf(top));
    moveMouse(vp, pointOf(top) + QPoint(0, 6), Qt::LeftButton);
    moveMouse(vp, QPoint(20, vp->height() + 40), Qt::LeftButton);
    QTest::qWait(300);
    EXPECT_GT(bar->value(), 0);
    // Escape ends the drag where it is, dropping nothing.
    QTest::keyClick(tree(), Qt::Key_Escape);
    EXPECT_FALSE(tree()->isDragging());
    QTest::mouseRelease(vp, Qt::LeftButton, {}, QPoint(20, vp->height() - 2));
    EXPECT_EQ(tree()->topLevelItem(0)->child(0)->text(0), top->text(0));
}

TEST_F(ScriptTreeWindowTest, F3FindsSuccessiveMatchesAndWrapsAround)
{
    tree()->setFocus();
    QTest::keyClick(tree(), Qt::Key_F3);
    CTreeFindDialog* find = tree()->findDialog();
    ASSERT_TRUE(find);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(find));
    EXPECT_FALSE(find->findNextButton()->isEnabled());
    QTest::keyClicks(find->textEdit(), "DIGGER");
    QTest::mouseClick(find->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(tree()->currentItem()->text(0), "Digger [1] [9, 9]");
    // The map shows the found creature framed.
    EXPECT_EQ(child->display().highlightedThing, doc().CreatureAt({8, 8}));
    QTest::keyClick(tree(), Qt::Key_F3);
    EXPECT_EQ(tree()->currentItem()->text(0), "Digger [1] [5, 9]");
    QTest::keyClick(tree(), Qt::Key_F3);
    EXPECT_EQ(tree()->currentItem()->text(0), "Digger [1] [9, 9]");
    // Upwards from there wraps to the last digger.
    find->upButton()->setChecked(true);
    QTest::mouseClick(find->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(tree()->currentItem()->text(0), "Digger [1] [5, 9]");

    // Nothing found: told in the status bar, no box, the selection stays.
    find->textEdit()->setText("no such thing");
    QTest::mouseClick(find->findNextButton(), Qt::LeftButton);
    EXPECT_EQ(tree()->currentItem()->text(0), "Digger [1] [5, 9]");
    EXPECT_TRUE(app.mainFrame()->statusBar()->currentMessage().contains("no such thing"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(prompter.texts().empty());
    // One Find dialog at most.
    tree()->openFind();
    EXPECT_EQ(tree()->findDialog(), find);
}

TEST_F(ScriptTreeWindowTest, ExportToFileWritesTheModelsTextWhereTheUserChose)
{
    const std::filesystem::path chosen = root.path() / "Outline.txt";
    prompter.queueSavePath(chosen);
    rightClick(tree()->topLevelItem(0), "Export To File...");
    ASSERT_EQ(prompter.dialogs().size(), 1u);
    EXPECT_EQ(prompter.dialogs()[0].initialPath, root.path() / "Maps" / "TreeOutput.txt");
    ASSERT_TRUE(std::filesystem::exists(chosen));
    EXPECT_EQ(fileText(chosen), exportTreeText(child->scriptTree()->root()));
    EXPECT_NE(fileText(chosen).find("\t[1] When Time"), std::string::npos);
    EXPECT_TRUE(app.mainFrame()->statusBar()->currentMessage().contains("Outline.txt"));
}

TEST_F(ScriptTreeWindowTest, MoveCreatureFromTheTreeThenAClickMovesItInTheLevel)
{
    CCreature* digger = doc().CreatureAt({8, 8});
    ASSERT_TRUE(digger);
    rightClick(item("Digger [1] [9, 9]"), "&Move Creature");
    EXPECT_EQ(app.editorState().tool(), ToolCode::MoveCreature);
    EXPECT_TRUE(app.mainFrame()->statusBar()->currentMessage().contains("Escape cancels"));
    // A tile where it cannot stand keeps the command waiting.
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({0, 0}));
    EXPECT_EQ(digger->position(), (TilePoint{8, 8}));
    EXPECT_EQ(app.editorState().tool(), ToolCode::MoveCreature);
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({16, 5}));
    EXPECT_EQ(digger->position(), (TilePoint{16, 5}));
    EXPECT_EQ(doc().CreatureAt({16, 5}), digger);
    EXPECT_TRUE(item("Digger [1] [17, 6]"));
    EXPECT_EQ(app.editorState().tool(), ToolCode::Paint);
    EXPECT_TRUE(app.mainFrame()->statusBar()->currentMessage().isEmpty());

    // Escape in the map cancels a waiting move.
    rightClick(item("Spike Trap"), "&Move Trap");
    EXPECT_EQ(app.editorState().tool(), ToolCode::MoveTrap);
    QTest::keyClick(view(), Qt::Key_Escape);
    EXPECT_EQ(app.editorState().tool(), ToolCode::Paint);
    EXPECT_TRUE(item("Spike Trap [B] [12, 6]"));
}

TEST_F(ScriptTreeWindowTest, NewAndMovedActionPointsAreDraggedOutInTheMap)
{
    rightClick(tree()->topLevelItem(0), "Create New &Action Point...");
    EXPECT_TRUE(app.mainFrame()->action(EditorCommand::CreateActionPoint)->isChecked());
    QWidget* vp = view()->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, view()->tileCentre({3, 3}));
    moveMouse(vp, view()->tileCentre({4, 4}), Qt::LeftButton);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, view()->tileCentre({4, 4}));
    ASSERT_TRUE(item("[ID 3] Action Point 3 [4, 4] - [5, 5]"));

    // Move Action Point waits for the new area; the point keeps its id.
    click(item("[ID 3]"));
    EXPECT_EQ(child->display().highlightedActionPoint, 3);
    rightClick(item("[ID 3]"), "&Move Action Point");
    QTest::mousePress(vp, Qt::LeftButton, {}, view()->tileCentre({6, 10}));
    moveMouse(vp, view()->tileCentre({7, 12}), Qt::LeftButton);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, view()->tileCentre({7, 12}));
    EXPECT_TRUE(item("[ID 3] Action Point 3 [7, 11] - [8, 13]"));
    EXPECT_EQ(doc().actionPoints().size(), 3u);
    // Back to drawing new points, the tool it came from.
    EXPECT_EQ(app.editorState().tool(), ToolCode::ActionPoint);
}

TEST_F(ScriptTreeWindowTest, AThingOnTheMapOpensItsTreeMenuAndIsSelected)
{
    const std::vector<MenuEntry> entries = menuOf([&] {
        QTest::mousePress(view()->viewport(), Qt::RightButton, {}, view()->tileCentre({10, 5}));
    });
    QTest::mouseRelease(view()->viewport(), Qt::RightButton, {}, view()->tileCentre({10, 5}));
    EXPECT_EQ(texts(entries), (QStringList{"&Edit Door Properties...", "Edit Door &Type...",
                                           "Add &Trigger...", "&Move Door", "&Delete Door"}));
    EXPECT_EQ(tree()->currentItem(), item("Wooden Door"));

    // Choosing Delete from the map's menu deletes the creature under the pointer.
    menuOf(
        [&] {
            QTest::mousePress(view()->viewport(), Qt::RightButton, {}, view()->tileCentre({4, 8}));
        },
        "&Delete Creature");
    QTest::mouseRelease(view()->viewport(), Qt::RightButton, {}, view()->tileCentre({4, 8}));
    EXPECT_EQ(doc().CreatureAt({4, 8}), nullptr);
    EXPECT_EQ(item("Digger [1] [5, 9]"), nullptr);
}

TEST_F(ScriptTreeWindowTest, ANewHeroPartyIsPickedInThePaletteWithThePromptInTwoColumns)
{
    palette()->setActivePage(PalettePage::Doors);
    rightClick(tree()->topLevelItem(0), "Create New &Hero Party...");
    CPlacementPrompt* prompt = child->prompt();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt));
    EXPECT_EQ(prompt->windowTitle(), "Create Hero Party");
    EXPECT_EQ(prompt->promptLabel()->text(), "Select Party members from Creature Panel [ 16 max ]");
    EXPECT_EQ(palette()->activePage(), PalettePage::Creatures);

    CTypeButton* knight = nullptr;
    for (CTypeButton* b : palette()->buttons(PalettePage::Creatures))
        if (b->text() == "Knight")
            knight = b;
    ASSERT_TRUE(knight);
    for (int i = 0; i < 8; ++i)
        QTest::mouseClick(knight, Qt::LeftButton);
    EXPECT_EQ(prompt->leftColumn()->text().split('\n').size(), 8);
    EXPECT_TRUE(prompt->leftColumn()->text().startsWith("[L] Knight [1]\nKnight [1]"));
    EXPECT_FALSE(prompt->rightColumn()->isVisible());
    QTest::mouseClick(knight, Qt::LeftButton);
    EXPECT_TRUE(prompt->rightColumn()->isVisible());
    EXPECT_EQ(prompt->rightColumn()->text(), "Knight [1]");
    // Not in the level until finished.
    EXPECT_EQ(item("Hero Party 2"), nullptr);

    QTest::mouseClick(prompt->finishedButton(), Qt::LeftButton);
    EXPECT_FALSE(prompt->isVisible());
    ASSERT_TRUE(item("Hero Party 2"));
    EXPECT_EQ(item("Hero Party 2")->childCount(), 9);
    EXPECT_EQ(palette()->activePage(), PalettePage::Doors);

    // Add Members (a double click) on it, then Cancel: the level keeps the nine.
    const QPoint at = pointOf(item("Hero Party 2"));
    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, at);
    ASSERT_TRUE(prompt->isVisible());
    EXPECT_EQ(prompt->leftColumn()->text().split('\n').size(), 8);
    QTest::mouseClick(knight, Qt::LeftButton);
    EXPECT_EQ(item("Hero Party 2")->childCount(), 10);
    QTest::mouseClick(prompt->cancelButton(), Qt::LeftButton);
    EXPECT_EQ(item("Hero Party 2")->childCount(), 9);
}

TEST_F(ScriptTreeWindowTest, AddTriggerOnAVorlanWritesAPlayerConditionAsOneStep)
{
    const LevelScript& script = *LevelScript::of(doc());
    const size_t triggersBefore = script.triggers().size();
    const int stepsBefore = historySteps();
    withSheet(
        [&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
        [&](CTriggerEditSheet& sheet) {
            EXPECT_EQ(sheet.windowTitle(), "Edit Trigger");
            EXPECT_EQ(tabTexts(sheet), (QStringList{"Attri&bute", "&Event", "P&layer", "&GUI", "&Repeat"}));
            EXPECT_EQ(sheet.tabs()->currentIndex(), 0) << "a new trigger opens on the first page";
            showTab(sheet, "P&layer");
            FormWidgets* page = sheet.controls(TriggerPage::Player);
            auto* kind = qobject_cast<QComboBox*>(page->control(0));
            ASSERT_TRUE(kind && kind->isVisible());
            kind->setFocus();
            QTest::keyClicks(kind, "Gold");
            EXPECT_EQ(kind->currentText(), "Gold");
            EXPECT_FALSE(page->control(1)->isVisible()) << "gold counts no type";
            typeInto(page->control(4), "500");
            QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
        });
    ASSERT_EQ(script.triggers().size(), triggersBefore + 1);
    const CTrigger& added = *script.TriggerAt(script.triggers().size() - 1);
    EXPECT_EQ(added.kind(), 30);
    EXPECT_EQ(added.value(), 500u);
    EXPECT_EQ(added.ownerId(), 3);
    // Its item comes first under the player, with the text the descriptions give it.
    QTreeWidgetItem* vorlan = item("Vorlan 1");
    const QString expected =
        QtText::fromUtf16(u"When " + describeTrigger(added, doc(), tree()->model()->types()));
    EXPECT_EQ(expected, "When Gold = 500");
    EXPECT_EQ(vorlan->child(0)->text(0), expected);
    EXPECT_EQ(tree()->currentItem(), vorlan->child(0));
    EXPECT_EQ(historySteps(), stepsBefore + 1);
    EXPECT_EQ(app.mainFrame()->historyDock()->list()->item(historySteps() - 1)->text(), "Add Trigger");

    // Opened again (by a double click) it shows the Player page with the gold condition.
    withSheet([&] { QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, pointOf(vorlan->child(0))); },
              [&](CTriggerEditSheet& sheet) {
                  EXPECT_EQ(sheet.tabs()->tabText(sheet.tabs()->currentIndex()), "P&layer");
                  auto* kind = qobject_cast<QComboBox*>(sheet.controls(TriggerPage::Player)->control(0));
                  EXPECT_EQ(kind->currentText(), "Gold");
                  EXPECT_EQ(
                      static_cast<FormNumberEdit*>(sheet.controls(TriggerPage::Player)->control(4))->text(),
                      "500");
                  QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
              });
    EXPECT_EQ(historySteps(), stepsBefore + 1) << "a cancelled sheet leaves no step";

    // Ctrl+Z takes the trigger back, item and all.
    app.mainFrame()->updateCommandUI();
    app.mainFrame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app.mainFrame()));
    view()->setFocus();
    QTest::keyClick(view()->viewport(), Qt::Key_Z, Qt::ControlModifier);
    QTest::qWait(50);
    EXPECT_EQ(LevelScript::of(doc())->triggers().size(), triggersBefore);
    EXPECT_EQ(childTexts(item("Vorlan 1")), (QStringList{"Digger [1] [9, 9]", "Digger [1] [5, 9]",
                                                         "Wooden Door [11, 6]", "Spike Trap [B] [12, 6]"}));
}

TEST_F(ScriptTreeWindowTest, ACancelledNewTriggerLeavesNoTraceAndARefusedCountKeepsTheSheetOpen)
{
    const LevelScript& script = *LevelScript::of(doc());
    const size_t triggersBefore = script.triggers().size();
    const QStringList itemsBefore = childTexts(item("Vorlan 1"));
    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) {
                  showTab(sheet, "&Repeat");
                  FormWidgets* page = sheet.controls(TriggerPage::Repeat);
                  const QList<QRadioButton*> options = page->control(0)->findChildren<QRadioButton*>();
                  ASSERT_EQ(options.size(), 3);
                  EXPECT_TRUE(options[0]->isChecked()) << "a new trigger fires once";
                  EXPECT_FALSE(page->control(1)->isEnabled());
                  QTest::mouseClick(options[2], Qt::LeftButton);
                  EXPECT_TRUE(page->control(1)->isEnabled());
                  typeInto(page->control(1), "300");
                  QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                  EXPECT_TRUE(sheet.isVisible()) << "the refused count keeps the sheet open";
                  ASSERT_FALSE(prompter.texts().empty());
                  EXPECT_EQ(prompter.texts().back(), "Please enter an integer between 0 and 255.");
                  EXPECT_TRUE(page->control(1)->hasFocus());
                  QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
              });
    EXPECT_EQ(script.triggers().size(), triggersBefore);
    EXPECT_EQ(childTexts(item("Vorlan 1")), itemsBefore);
    EXPECT_FALSE(doc().isModified());
    // The id the cancelled trigger had is still free.
    CTrigger probe(&doc());
    EXPECT_EQ(LevelScript::of(doc())->NewTriggerId(probe), int16_t(triggersBefore + 1));
}

TEST_F(ScriptTreeWindowTest, EditTriggerPropertiesRewritesTheItemInPlaceWithItsChildren)
{
    QTreeWidgetItem* level = tree()->topLevelItem(0);
    ASSERT_TRUE(level->child(0)->text(0).startsWith("When Time"));
    const QStringList actions = childTexts(level->child(0));
    ASSERT_FALSE(actions.isEmpty());
    const int stepsBefore = historySteps();
    withSheet([&] { rightClick(level->child(0), "&Edit Trigger Properties..."); },
              [&](CTriggerEditSheet& sheet) {
                  EXPECT_EQ(sheet.tabs()->tabText(sheet.tabs()->currentIndex()), "Attri&bute");
                  FormWidgets* page = sheet.controls(TriggerPage::Attribute);
                  auto* op = qobject_cast<QComboBox*>(page->control(2));
                  op->setFocus();
                  EXPECT_EQ(op->currentText(), "Equal To") << "an operator of no list shows the default";
                  QTest::keyClick(op, Qt::Key_Down);
                  QTest::keyClick(op, Qt::Key_Down);
                  EXPECT_EQ(op->currentText(), "Greater / Equal To");
                  typeInto(page->control(3), "90");
                  QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
              });
    // Same place, new text, the same actions under it, selected; one step.
    QTreeWidgetItem* edited = tree()->topLevelItem(0)->child(0);
    EXPECT_EQ(edited->text(0), "When Time >= 90");
    EXPECT_EQ(childTexts(edited), actions);
    EXPECT_TRUE(edited->isExpanded());
    EXPECT_EQ(tree()->currentItem(), edited);
    EXPECT_EQ(historySteps(), stepsBefore + 1);
    EXPECT_EQ(app.mainFrame()->historyDock()->list()->item(historySteps() - 1)->text(),
              "Edit Trigger Properties");
}

TEST_F(ScriptTreeWindowTest, AddActionSetsAFlagThatANewTriggerThenOffers)
{
    const LevelScript& script = *LevelScript::of(doc());
    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) { QTest::mouseClick(sheet.okButton(), Qt::LeftButton); });
    QTreeWidgetItem* trigger = item("Vorlan 1")->child(0);
    ASSERT_TRUE(trigger && trigger->text(0).startsWith("When "));
    const size_t actionsBefore = script.actions().size();
    const int stepsBefore = historySteps();

    // A new action that is cancelled leaves nothing behind.
    withActionSheet(
        [&] { rightClick(trigger, "Add &Action..."); },
        [&](CActionEditSheet& sheet) { QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton); });
    EXPECT_EQ(script.actions().size(), actionsBefore);
    EXPECT_EQ(historySteps(), stepsBefore);

    withActionSheet([&] { rightClick(item("Vorlan 1")->child(0), "Add &Action..."); },
                    [&](CActionEditSheet& sheet) {
                        EXPECT_EQ(sheet.windowTitle(), "Edit Action");
                        EXPECT_EQ(tabTexts(sheet),
                                  (QStringList{"&Availability", "&Flag", "&Timer", "&Info", "&Game", "G&UI",
                                               "A&P", "&Party", "&Map", "&Creature"}));
                        EXPECT_EQ(sheet.tabs()->currentIndex(), 0) << "a new action opens on Availability";
                        showTab(sheet, "&Flag");
                        FormWidgets* page = sheet.controls(ActionPage::Flag);
                        auto* target = qobject_cast<QComboBox*>(page->control(0));
                        ASSERT_TRUE(target && target->isVisible());
                        target->setFocus();
                        QTest::keyClick(target, Qt::Key_Down);
                        QTest::keyClick(target, Qt::Key_Down);
                        EXPECT_EQ(target->currentText(), "Flag 3");
                        typeInto(page->control(ActionPageRow::FlagValue), "40000");
                        QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                        EXPECT_TRUE(sheet.isVisible()) << "a value out of range keeps the sheet open";
                        typeInto(page->control(ActionPageRow::FlagValue), "10");
                        QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                    });
    ASSERT_EQ(script.actions().size(), actionsBefore + 1);
    const CAction& added = *script.ActionAt(script.actions().size() - 1);
    EXPECT_EQ(added.kind(), 7);
    EXPECT_EQ(added.a(0), 2);
    EXPECT_EQ(added.b(), 10u);
    EXPECT_EQ(historySteps(), stepsBefore + 1) << "the new action is one step";
    EXPECT_EQ(item("Vorlan 1")->child(0)->childCount(), 1);

    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) {
                  ASSERT_TRUE(tabTexts(sheet).contains("&Flag"));
                  auto* flags = qobject_cast<QComboBox*>(sheet.controls(TriggerPage::Flag)->control(0));
                  ASSERT_TRUE(flags);
                  EXPECT_NE(flags->findText("Flag 3"), -1);
                  QTest::mouseClick(sheet.cancelButton(), Qt::LeftButton);
              });
}

TEST_F(ScriptTreeWindowTest, EditTextMessagesFromTheInfoPageAndTheActionMenuSavesWithTheLevel)
{
    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) { QTest::mouseClick(sheet.okButton(), Qt::LeftButton); });
    withActionSheet([&] { rightClick(item("Vorlan 1")->child(0), "Add &Action..."); },
                    [&](CActionEditSheet& sheet) {
                        showTab(sheet, "&Info");
                        FormWidgets* page = sheet.controls(ActionPage::Info);
                        QWidget* messages = page->control(ActionPageRow::InfoTextMessages);
                        EXPECT_FALSE(messages->isVisible()) << "only Display Text String shows it";
                        auto* kind = qobject_cast<QComboBox*>(page->control(ActionPageRow::InfoKind));
                        kind->setFocus();
                        for (int i = 0; i < 4; ++i)
                            QTest::keyClick(kind, Qt::Key_Down);
                        ASSERT_EQ(kind->currentText(), "Display Text String");
                        ASSERT_TRUE(messages->isVisible());
                        test::withModal<CTextMessagesDialog>(
                            [&] { QTest::mouseClick(messages, Qt::LeftButton); },
                            [&](CTextMessagesDialog& dialog) {
                                EXPECT_EQ(dialog.windowTitle(), "Edit Action Text Messages");
                                EXPECT_EQ(dialog.messageList()->count(), 20);
                                dialog.messageList()->setFocus();
                                QTest::keyClick(dialog.messageList(), Qt::Key_Down);
                                ASSERT_EQ(dialog.messageList()->currentText(), "Text Message 1");
                                dialog.textField()->setFocus();
                                QTest::keyClicks(dialog.textField(), "Beware the Lord");
                                QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                            },
                            "no text messages dialog");
                        QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                    });
    EXPECT_EQ(doc().properties().textMessage(1), u"Beware the Lord");

    // The action's own menu offers the dialog for a Display Text String action.
    QTreeWidgetItem* action = item("Vorlan 1")->child(0)->child(0);
    ASSERT_TRUE(action);
    test::withModal<CTextMessagesDialog>([&] { rightClick(action, "Edit Text Messages..."); },
                                         [&](CTextMessagesDialog& dialog) {
                                             EXPECT_EQ(dialog.textField()->toPlainText(), "")
                                                 << "it opens on message 0";
                                             QTest::keyClicks(dialog.textField(), "Hello");
                                             QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                                         },
                                         "no text messages dialog");
    EXPECT_EQ(doc().properties().textMessage(0), u"Hello");

    prompter.queueAnswer(Prompter::Answer::No); // no global types with it
    app.mainFrame()->action(EditorCommand::Save)->trigger();
    std::string saved;
    for (const auto& entry : std::filesystem::directory_iterator(root.path() / "Maps"))
        if (entry.is_regular_file())
            saved += fileText(entry.path());
    const std::u16string text = u"Beware the Lord";
    EXPECT_NE(saved.find(std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2)),
              std::string::npos);
}

TEST_F(ScriptTreeWindowTest, AddCreatureActionTurnsEachPlacedCreatureIntoAnActionAsOneStep)
{
    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) { QTest::mouseClick(sheet.okButton(), Qt::LeftButton); });
    const LevelScript& script = *LevelScript::of(doc());
    const size_t actionsBefore = script.actions().size();
    const size_t creaturesBefore = doc().creatures().size();
    const int stepsBefore = historySteps();

    rightClick(item("Vorlan 1")->child(0), "Add &Creature Action...");
    CPlacementPrompt* prompt = child->prompt();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt));
    EXPECT_EQ(prompt->windowTitle(), "Create Creature Action");
    EXPECT_EQ(prompt->promptLabel()->text(), "Place creatures to be added to the map");
    EXPECT_EQ(palette()->activePage(), PalettePage::Creatures);
    app.editorState().setCurrentType(ThingFamily::Creature, 2);
    ASSERT_TRUE(view()->controller().selectTool(ToolCode::PlaceCreature));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({5, 5}));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({6, 5}));
    EXPECT_EQ(prompt->leftColumn()->text().split('\n').size(), 2);
    EXPECT_TRUE(prompt->leftColumn()->text().contains("Brute (6, 6) [ Vorlan 1 ]") &&
                prompt->leftColumn()->text().contains("Brute (7, 6) [ Vorlan 1 ]"))
        << prompt->leftColumn()->text().toStdString();
    ASSERT_TRUE(doc().CreatureAt({5, 5}));
    EXPECT_FALSE(doc().CreatureAt({5, 5})->isPlaced()) << "a picked creature is not placed on the map";

    QTest::mouseClick(prompt->finishedButton(), Qt::LeftButton);
    EXPECT_FALSE(prompt->isVisible());
    ASSERT_EQ(script.actions().size(), actionsBefore + 2);
    const CAction& made = *script.ActionAt(script.actions().size() - 1);
    EXPECT_EQ(made.kind(), 1);
    ASSERT_TRUE(made.creature());
    EXPECT_FALSE(made.creature()->isPlaced());
    EXPECT_EQ(doc().CreatureAt({6, 5}), made.creature());
    EXPECT_EQ(doc().creatures().size(), creaturesBefore + 2) << "the actions' creatures";
    EXPECT_EQ(historySteps(), stepsBefore + 1) << "the whole session is one step";

    // Cancelled, the picked creatures go again and nothing is added.
    rightClick(item("Vorlan 1")->child(0), "Add &Creature Action...");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt));
    ASSERT_TRUE(view()->controller().selectTool(ToolCode::PlaceCreature));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({7, 5}));
    QTest::keyClick(prompt, Qt::Key_Escape);
    EXPECT_FALSE(prompt->isVisible());
    EXPECT_EQ(script.actions().size(), actionsBefore + 2);
    EXPECT_EQ(doc().creatures().size(), creaturesBefore + 2);
    EXPECT_EQ(historySteps(), stepsBefore + 1);
}

TEST_F(ScriptTreeWindowTest, ATrapRefusesATriggerAndAnActionsTileReadsAsTyped)
{
    // A trap's record keeps no triggers: dragging one onto it shows the no-drop cursor and moves
    // nothing.
    QTreeWidgetItem* trap = nullptr;
    for (QTreeWidgetItemIterator it(tree()); *it && !trap; ++it)
        if (tree()->modelItem(*it) && tree()->modelItem(*it)->kind() == TreeItemKind::Trap)
            trap = *it;
    ASSERT_TRUE(trap);
    QTreeWidgetItem* root = tree()->topLevelItem(0)->child(0);
    ASSERT_TRUE(root->text(0).startsWith("When "));
    const int16_t rootId = doc().properties().rootTrigger;
    QWidget* vp = tree()->viewport();
    QTest::mousePress(vp, Qt::LeftButton, {}, pointOf(root));
    moveMouse(vp, pointOf(root) + QPoint(0, 6), Qt::LeftButton);
    moveMouse(vp, pointOf(trap), Qt::LeftButton);
    ASSERT_TRUE(tree()->isDragging());
    EXPECT_EQ(vp->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(vp, Qt::LeftButton, {}, pointOf(trap));
    EXPECT_EQ(trap->childCount(), 0);
    EXPECT_EQ(doc().properties().rootTrigger, rootId);
    EXPECT_FALSE(texts(rightClick(trap)).contains("Add &Trigger..."));

    // Alter Terrain typed 5, 6 on the Map page reads "[ 5, 6 ]" in the tree and in its record.
    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) { QTest::mouseClick(sheet.okButton(), Qt::LeftButton); });
    QTreeWidgetItem* trigger = item("Vorlan 1")->child(0);
    ASSERT_TRUE(trigger && trigger->text(0).startsWith("When "));
    LevelScript& script = *LevelScript::of(doc());
    withActionSheet([&] { rightClick(trigger, "Add &Action..."); },
                    [&](CActionEditSheet& sheet) {
                        // A number out of range keeps the page from being left, with its message.
                        showTab(sheet, "&Flag");
                        FormWidgets* flag = sheet.controls(ActionPage::Flag);
                        typeInto(flag->control(ActionPageRow::FlagValue), "40000");
                        prompter.clear();
                        QTabBar* bar = sheet.tabs()->tabBar();
                        QTest::mouseClick(bar, Qt::LeftButton, {},
                                          bar->tabRect(int(sheet.tabs()->count()) - 2).center());
                        EXPECT_EQ(bar->tabText(bar->currentIndex()), "&Flag");
                        EXPECT_EQ(prompter.texts(),
                                  std::vector<std::string>{"Please enter an integer between 0 and 32767."});
                        typeInto(flag->control(ActionPageRow::FlagValue), "4");

                        showTab(sheet, "&Map");
                        FormWidgets* map = sheet.controls(ActionPage::Map);
                        typeInto(map->control(1), "5");
                        typeInto(map->control(2), "6");
                        QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                    });
    CAction& alter = *script.ActionAt(script.actions().size() - 1);
    ASSERT_EQ(alter.kind(), uint8_t(ActionKind::AlterTerrainType));
    ASSERT_EQ(trigger->childCount(), 1);
    EXPECT_TRUE(item("Vorlan 1")->child(0)->child(0)->text(0).startsWith("Alter [ 5, 6 ]"))
        << item("Vorlan 1")->child(0)->child(0)->text(0).toStdString();
    const Bytes record = TriggerSection::packAction(alter, doc());
    EXPECT_EQ(loadU16(&record[4]), 5) << "the record holds the tile as typed";
    EXPECT_EQ(loadU16(&record[6]), 6);
}

TEST_F(ScriptTreeWindowTest, ACreateCreatureActionChangedToAnotherKindLeavesAnEmptyTile)
{
    withSheet([&] { rightClick(item("Vorlan 1"), "Add &Trigger..."); },
              [&](CTriggerEditSheet& sheet) { QTest::mouseClick(sheet.okButton(), Qt::LeftButton); });
    const size_t creaturesBefore = doc().creatures().size();
    rightClick(item("Vorlan 1")->child(0), "Add &Creature Action...");
    CPlacementPrompt* prompt = child->prompt();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(prompt));
    app.editorState().setCurrentType(ThingFamily::Creature, 2);
    ASSERT_TRUE(view()->controller().selectTool(ToolCode::PlaceCreature));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({5, 5}));
    QTest::mouseClick(prompt->finishedButton(), Qt::LeftButton);
    ASSERT_TRUE(doc().CreatureAt({5, 5}));
    QTreeWidgetItem* action = item("Vorlan 1")->child(0)->child(0);
    ASSERT_TRUE(action);
    ASSERT_EQ(action->childCount(), 1) << "the action's creature";

    // Edited into an action of the Game page, the creature goes with the old kind.
    withActionSheet([&] { rightClick(action, "&Edit Action Properties..."); },
                    [&](CActionEditSheet& sheet) {
                        showTab(sheet, "&Game");
                        QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                    });
    EXPECT_NE(LevelScript::of(doc())->ActionAt(LevelScript::of(doc())->actions().size() - 1)->kind(),
              uint8_t(ActionKind::CreateCreature));
    EXPECT_EQ(doc().CreatureAt({5, 5}), nullptr);
    EXPECT_EQ(doc().creatures().size(), creaturesBefore);
    EXPECT_EQ(item("Vorlan 1")->child(0)->child(0)->childCount(), 0);
    // The tile takes a creature again.
    ASSERT_TRUE(view()->controller().selectTool(ToolCode::PlaceCreature));
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, view()->tileCentre({5, 5}));
    EXPECT_NE(doc().CreatureAt({5, 5}), nullptr);

    trigger(EditorCommand::Undo);
    trigger(EditorCommand::Undo);
    ASSERT_TRUE(doc().CreatureAt({5, 5}));
    EXPECT_FALSE(doc().CreatureAt({5, 5})->isPlaced()) << "undo brings the action's creature back";
}

} // namespace
} // namespace gr2
