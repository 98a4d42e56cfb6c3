// The palette and the level windows as a designer meets them in a shown main window: every page
// shows its buttons, the gate button turns its brush, the tables' changes reach the palette and
// the Good pairs, right clicks open the palette's own menus, and the desktop manners of the map
// view and the frame (Escape, filled shapes, zooming, refusals, the Window menu, closing).

#include "app/WindowPlacement.h"
#include "document/SampleData.h"
#include "level/CPlayer.h"
#include "level/LevelIds.h"
#include "mapedit/EditorState.h"
#include "mapedit/MapViewController.h"
#include "support/ModalDialogs.h"
#include "support/ShownEditor.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/DoorField.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>

namespace gr2 {
namespace {

class PaletteWindowTest : public test::ShownEditorTest {
protected:
    QPoint centreOf(CWorldEditorView* view, TilePoint p) const
    {
        const int side = view->tileSize();
        return QPoint(p.x * side + side / 2, p.y * side + side / 2) -
               QPoint(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    }
    /// The palette page a user sees: each of its buttons on screen, and a picture that is more
    /// than the page's background.
    void expectPageShown(PalettePage page, const char* when)
    {
        SCOPED_TRACE(std::string(palettePageTitle(page)) + " " + when);
        palette()->setActivePage(page);
        QApplication::processEvents();
        const QList<CTypeButton*> buttons = palette()->buttons(page);
        ASSERT_FALSE(buttons.isEmpty());
        for (CTypeButton* b : buttons)
            EXPECT_TRUE(b->isVisible()) << b->text().toStdString();
        if (QPushButton* remove = palette()->deleteButton(page)) {
            EXPECT_TRUE(remove->isVisible());
        }
        const QImage picture = palette()->sheet()->currentWidget()->grab().toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 2)
            for (int x = 0; x < picture.width(); x += 2)
                colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 8) << "the page looks empty";
    }
    /// Runs `action` while a pop-up menu it opens is answered by `answer` (which gets the menu
    /// and closes it).
    void withPopup(const std::function<void()>& action, const std::function<void(QMenu*)>& answer)
    {
        bool seen = false;
        QTimer::singleShot(50, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                seen = true;
                answer(menu);
                menu->close();
            }
        });
        action();
        QApplication::processEvents();
        EXPECT_TRUE(seen) << "no menu opened";
    }
};

TEST_F(PaletteWindowTest, EveryPageShowsItsButtonsOnEveryVisitAndAClickShowsTheDrawItem)
{
    for (PalettePage page : kPalettePages)
        expectPageShown(page, "first visit");
    for (PalettePage page : kPalettePages)
        expectPageShown(page, "second visit");

    // A click on a button not chosen yet makes it the draw item.
    const char* kinds[] = {"Terrain", "Room", "Creature", "Door", "Trap", "Object"};
    for (PalettePage page : kPalettePages) {
        palette()->setActivePage(page);
        QApplication::processEvents();
        CTypeButton* target = palette()->buttons(page).last();
        ASSERT_NE(target, palette()->currentButton(page));
        const QString before = app.mainFrame()->paneText(1);
        QTest::mouseClick(target, Qt::LeftButton);
        const TypeKind kind = target->item().kind;
        const char* word = page == PalettePage::Rooms ? "Room" : kinds[int(kind) - int(TypeKind::Terrain)];
        const QString expected = QStringLiteral("Draw Item: %1 [ %2 ]").arg(word, target->text());
        EXPECT_EQ(app.mainFrame()->paneText(1), expected) << palettePageTitle(page);
        EXPECT_NE(app.mainFrame()->paneText(1), before) << palettePageTitle(page);
        EXPECT_TRUE(target->isSelected());
    }

    // Hidden and shown again, floated, and rebuilt from changed tables.
    trigger(EditorCommand::ToggleSelectionBar);
    trigger(EditorCommand::ToggleSelectionBar);
    for (PalettePage page : kPalettePages)
        expectPageShown(page, "after hide and show");
    palette()->setFloating(true);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(palette()));
    for (PalettePage page : kPalettePages)
        expectPageShown(page, "floating");
    palette()->setFloating(false);
    app.core().typeTablesChanged();
    for (PalettePage page : kPalettePages)
        expectPageShown(page, "after the tables changed");
}

// Every type the palette's rules place on a page has its button on the bundled sample data, so a
// change to the sample can never hide a feature from a designer again. The rules are restated
// here from the tables' flags, independently of the layout code.
TEST_F(PaletteWindowTest, TheSampleDataOffersEveryPlaceableTypeOnItsPage)
{
    const CTypeDatabase& types = app.core().types();
    using Key = std::pair<TypeKind, int>;
    std::map<PalettePage, std::set<Key>> expected;
    for (const CTerrainType& t : types.terrains()) {
        const int id = int(t.id());
        if (!t.isRoomFloor() && id != 27 && id != 30 && id != 31 && id != 38)
            expected[PalettePage::Terrain].insert({TypeKind::Terrain, id});
    }
    for (const CRoomType& r : types.rooms()) {
        const int floor = r.floorTerrainId();
        if (r.id() > 2 && !r.hasFlag(RoomTypeFlag::IsGood) && floor != 0 && floor != 29 && floor != 34 &&
            floor != 39 && floor != 41)
            expected[PalettePage::Rooms].insert({TypeKind::Terrain, floor});
    }
    for (const CCreatureType& c : types.creatures())
        if (!c.isEliteVariant() && c.id() != 46)
            expected[PalettePage::Creatures].insert({TypeKind::Creature, int(c.id())});
    for (const CDoorType& d : types.doors())
        if (!d.isGood()) {
            expected[PalettePage::Doors].insert({TypeKind::Door, int(d.id())});
            if (types.objects().findById(d.crateObject()))
                expected[PalettePage::Doors].insert({TypeKind::Object, int(d.crateObject())});
        }
    for (const CTrapType& t : types.traps())
        if (!t.isGood() && !t.isDoorTrap()) {
            expected[PalettePage::Traps].insert({TypeKind::Trap, int(t.id())});
            if (types.objects().findById(t.crateObject()))
                expected[PalettePage::Traps].insert({TypeKind::Object, int(t.crateObject())});
        }
    for (const CObjectType& o : types.objects())
        if (o.hasFlag(ObjectTypeFlag::Placeable) && !o.hasFlag(ObjectTypeFlag::Crate))
            expected[PalettePage::Objects].insert({TypeKind::Object, int(o.id())});

    // The gates and the hero portal are built from the rooms page; without them no hero gate or
    // hero portal can be placed at all.
    for (int floor : {33, 37, 40})
        EXPECT_TRUE(expected[PalettePage::Rooms].count({TypeKind::Terrain, floor})) << "room floor " << floor;

    for (PalettePage page : kPalettePages) {
        SCOPED_TRACE(palettePageTitle(page));
        palette()->setActivePage(page);
        QApplication::processEvents();
        std::set<Key> shown;
        for (CTypeButton* b : palette()->buttons(page)) {
            EXPECT_TRUE(b->isVisible()) << b->text().toStdString();
            shown.insert({b->item().kind, int(b->item().id)});
        }
        EXPECT_FALSE(expected[page].empty());
        EXPECT_EQ(shown, expected[page]);
    }
}

TEST_F(PaletteWindowTest, ChangedTablesRebuildThePaletteAndTheGoodPairsAndTheGateButtonTurnsItsBrush)
{
    CTypeDatabase& types = app.core().types();
    ASSERT_EQ(app.editorState().goodPairs().doors.size(), 2u);
    // The wooden hero door no longer comes from the wooden crate: that pair is gone.
    types.doors().findById(2)->setIntValue(DoorField::CrateObject, 99);
    palette()->setActivePage(PalettePage::Rooms);
    app.core().typeTablesChanged();
    EXPECT_EQ(app.editorState().goodPairs().doors.size(), 1u);
    EXPECT_EQ(palette()->activePage(), PalettePage::Rooms);

    CTypeButton* gate = nullptr;
    for (CTypeButton* b : palette()->buttons(PalettePage::Rooms))
        if (b->item().id == 37)
            gate = b;
    ASSERT_TRUE(gate);
    ASSERT_TRUE(gate->isVisible());
    QTest::mouseClick(gate, Qt::LeftButton);
    ASSERT_TRUE(app.editorState().brushActive());
    EXPECT_EQ(app.editorState().slab(), 37);
    const uint8_t direction = app.editorState().gateDirection();
    const TileBrush before = app.editorState().brush();
    QTest::mouseClick(gate, Qt::LeftButton);
    EXPECT_TRUE(app.editorState().brushActive());
    EXPECT_EQ(app.editorState().tool(), ToolCode::Stamp);
    EXPECT_EQ(app.editorState().gateDirection(), (direction + 2) % 8);
    EXPECT_NE(app.editorState().brush().width, before.width);

    // Reset To GR2 Defaults reads the tables again: the pair is back, and the rooms page shows
    // its buttons from the tables as read.
    prompter.queueAnswer(Prompter::Answer::Yes);
    trigger(EditorCommand::ResetToDefaults);
    EXPECT_EQ(app.editorState().goodPairs().doors.size(), 2u);
    int gates = 0;
    for (CTypeButton* b : palette()->buttons(PalettePage::Rooms)) {
        gates += b->item().id == 37;
        EXPECT_TRUE(b->isVisible());
    }
    EXPECT_EQ(gates, 1);
}

// The brush drawn at the pointer is never left on the screen to look like a placed room: what the
// screen shows of the map is what the view draws for the editor's state now, after the pointer
// leaves, after the palette changes the tool, and while a modal window is open.
TEST_F(PaletteWindowTest, TheBrushAtThePointerNeverStaysDrawnOnTheScreen)
{
    ASSERT_NO_FATAL_FAILURE(openSample());
    QWidget* vp = view()->viewport();
    // The viewport's pixels as the screen holds them, stale parts included.
    auto onScreen = [&] {
        QApplication::processEvents();
        QWidget* top = vp->window();
        const QPoint at = vp->mapTo(top, QPoint(0, 0));
        return top->screen()
            ->grabWindow(top->winId(), at.x(), at.y(), vp->width(), vp->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage bare = view()->renderVisible();
    auto heartAtPointer = [&] {
        palette()->setActivePage(PalettePage::Rooms);
        QApplication::processEvents();
        for (CTypeButton* b : palette()->buttons(PalettePage::Rooms))
            if (b->item().id == TerrainId::DungeonHeart)
                QTest::mouseClick(b, Qt::LeftButton);
        ASSERT_TRUE(app.editorState().brushActive());
        QTest::mouseMove(vp, centreOf(view(), {4, 4}));
        QTest::mouseMove(vp, centreOf(view(), {5, 5}));
        const QImage withBrush = onScreen();
        ASSERT_EQ(withBrush, view()->renderVisible());
        ASSERT_NE(withBrush, bare) << "no brush drawn";
    };

    ASSERT_NO_FATAL_FAILURE(heartAtPointer());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(vp, &leave);
    EXPECT_EQ(onScreen(), bare) << "the pointer left the view";

    ASSERT_NO_FATAL_FAILURE(heartAtPointer());
    QTest::mouseClick(palette()->buttons(PalettePage::Creatures).first(), Qt::LeftButton);
    EXPECT_FALSE(app.editorState().brushActive());
    EXPECT_EQ(onScreen(), bare) << "the palette chose a creature";

    ASSERT_NO_FATAL_FAILURE(heartAtPointer());
    test::withModal<CFormDialog>(
        [&] { QTest::keyClick(app.mainFrame(), Qt::Key_F4); },
        [&](CFormDialog&) { EXPECT_EQ(onScreen(), bare) << "a modal window is open"; });
    EXPECT_TRUE(app.editorState().brushActive());
}

// The status bar never shows a stale text: the pointed tile's pane follows a paint under the
// pointer, and with the last level closed no tile, position or size is shown.
TEST_F(PaletteWindowTest, TheStatusBarFollowsAPaintAndTheClosingOfTheLastLevel)
{
    ASSERT_NO_FATAL_FAILURE(openSample());
    CTypeButton* water = nullptr;
    palette()->setActivePage(PalettePage::Terrain);
    QApplication::processEvents();
    for (CTypeButton* b : palette()->buttons(PalettePage::Terrain))
        if (b->text() == "Water")
            water = b;
    ASSERT_TRUE(water);
    QTest::mouseClick(water, Qt::LeftButton);
    trigger(EditorCommand::Paint);
    view()->setFocus();
    QWidget* vp = view()->viewport();
    const TilePoint tile{3, 3};
    ASSERT_NE(doc().GetTerrain(tile), 4);
    QTest::mouseMove(vp, centreOf(view(), {2, 3}));
    QTest::mouseMove(vp, centreOf(view(), tile));
    EXPECT_FALSE(app.mainFrame()->paneText(2).startsWith("Slab Type: Water"));
    QTest::mousePress(vp, Qt::LeftButton, {}, centreOf(view(), tile));
    QTest::mouseRelease(vp, Qt::LeftButton, {}, centreOf(view(), tile));
    ASSERT_EQ(doc().GetTerrain(tile), 4);
    EXPECT_TRUE(app.mainFrame()->paneText(2).startsWith("Slab Type: Water  Owner: "))
        << app.mainFrame()->paneText(2).toStdString();
    EXPECT_EQ(app.mainFrame()->paneText(3), "XPos = 4 : YPos = 4");
    EXPECT_FALSE(app.mainFrame()->paneText(4).isEmpty());

    prompter.queueAnswer(Prompter::Answer::No); // drop the paint
    ASSERT_TRUE(app.mainFrame()->mdiArea()->activeSubWindow()->close());
    QApplication::processEvents();
    ASSERT_TRUE(app.mainFrame()->mdiArea()->subWindowList().isEmpty());
    for (int pane : {2, 3, 4})
        EXPECT_EQ(app.mainFrame()->paneText(pane), "") << "pane " << pane;
}

TEST_F(PaletteWindowTest, RightClicksOnThePaletteOpenItsOwnMenusNeverTheToolBarsMenu)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    ASSERT_TRUE(child);
    palette()->setActivePage(PalettePage::Traps);
    QApplication::processEvents();
    CTypeButton* trap = palette()->buttons(PalettePage::Traps).first();
    QWidget* page = trap->parentWidget();

    // The press over palette content goes to the palette, not to the bars' menu.
    QTest::mousePress(trap, Qt::RightButton, {}, QPoint(5, 5));
    QTest::mouseRelease(trap, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_FALSE(app.mainFrame()->toolBarsMenu()->isVisible());
    // The page fills the bar: its background reaches the bar's far corner.
    const QWidget* sheet = palette()->sheet()->currentWidget();
    EXPECT_GE(page->width(), sheet->width() - 2);
    EXPECT_GE(page->height(), sheet->height() - 2);
    QTest::mousePress(page, Qt::RightButton, {}, QPoint(page->width() - 3, page->height() - 3));
    EXPECT_FALSE(app.mainFrame()->toolBarsMenu()->isVisible());

    // The button's menu is the type menu; the background's the page's show switch.
    withPopup(
        [&] {
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), trap->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(trap, &event);
        },
        [](QMenu* menu) {
            EXPECT_EQ(menu->title(), "&Button Type");
            ASSERT_EQ(menu->actions().size(), 1);
            EXPECT_EQ(menu->actions().first()->text(), "&Edit Properties...");
        });
    withPopup(
        [&] {
            const QPoint at(page->width() - 3, page->height() - 3);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, page->mapToGlobal(at));
            QApplication::sendEvent(page, &event);
        },
        [](QMenu* menu) {
            ASSERT_EQ(menu->actions().size(), 1);
            EXPECT_EQ(menu->actions().first()->text(), "&Show Traps");
            EXPECT_TRUE(menu->actions().first()->isChecked());
        });

    // The bar's own frame still offers the bars' menu.
    QTest::mousePress(palette(), Qt::RightButton, {}, QPoint(palette()->width() / 2, 3));
    EXPECT_TRUE(app.mainFrame()->toolBarsMenu()->isVisible());
    app.mainFrame()->toolBarsMenu()->close();
}

TEST_F(PaletteWindowTest, EscapeDropsTheBrushAndTheFilledStateIsShown)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    view->setFocus();

    app.editorState().SetDrawTerrain(14, 3);
    ASSERT_TRUE(app.editorState().brushActive());
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(app.editorState().brushActive());
    EXPECT_EQ(app.editorState().tool(), ToolCode::Paint);

    // The filled state is a checked button on the drawing toolbar, and a right click says so.
    QAction* filled = app.mainFrame()->action(EditorCommand::DrawFilled);
    EXPECT_TRUE(app.mainFrame()->editingToolBar()->actions().contains(filled));
    EXPECT_TRUE(app.mainFrame()->editingToolBar()->widgetForAction(filled)->isVisible());
    EXPECT_FALSE(filled->isChecked());
    trigger(EditorCommand::DrawRectangle);
    QTest::mousePress(view->viewport(), Qt::RightButton, {}, centreOf(view, {5, 5}));
    EXPECT_TRUE(app.editorState().filled());
    EXPECT_TRUE(filled->isChecked());
    EXPECT_EQ(app.mainFrame()->paneText(0), "Rectangles and circles are now drawn filled.");
    filled->trigger();
    EXPECT_FALSE(app.editorState().filled());
    EXPECT_FALSE(filled->isChecked());
}

TEST_F(PaletteWindowTest, MagnifyAndCtrlWheelZoomOnThePointedTile)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 100, 100, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    QWidget* vp = view->viewport();
    const auto tileUnder = [&](QPoint p) {
        const int side = view->tileSize();
        return TilePoint{(p.x() + view->horizontalScrollBar()->value()) / side,
                         (p.y() + view->verticalScrollBar()->value()) / side};
    };
    const QPoint middle(vp->width() / 2, vp->height() / 2);
    // Away from the map's edges, where a zoom has room to keep its tile in place.
    view->horizontalScrollBar()->setValue(1000);
    view->verticalScrollBar()->setValue(900);
    const TilePoint clicked{40, 35};

    trigger(EditorCommand::Magnify);
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(view, clicked));
    EXPECT_EQ(view->tileSize(), 48);
    EXPECT_EQ(app.mainFrame()->zoomBox()->currentText(), "150%");
    EXPECT_EQ(tileUnder(middle), clicked);
    QTest::mouseClick(vp, Qt::RightButton, {}, centreOf(view, clicked));
    EXPECT_EQ(view->tileSize(), 32);
    EXPECT_EQ(tileUnder(middle), clicked);
    EXPECT_FALSE(app.editorState().filled()) << "a zoom is no shape toggle";
    EXPECT_EQ(child->document().GetTerrain(clicked), 3);

    // Ctrl + wheel zooms around the pointer; the wheel alone scrolls.
    const TilePoint pointed = tileUnder(middle + QPoint(100, 60));
    const QPoint pointer = centreOf(view, pointed);
    auto wheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(pointer, vp->mapToGlobal(pointer), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(vp, &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_EQ(view->tileSize(), 48);
    EXPECT_EQ(tileUnder(pointer), pointed);
    wheel(-120, Qt::ControlModifier);
    wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(view->tileSize(), 24);
    EXPECT_EQ(tileUnder(pointer), pointed);
    const int before = view->verticalScrollBar()->value();
    wheel(-120, Qt::NoModifier);
    EXPECT_EQ(view->tileSize(), 24);
    EXPECT_GT(view->verticalScrollBar()->value(), before);
}

TEST_F(PaletteWindowTest, ARefusedPlacementSaysWhyInTheStatusBar)
{
    CChildFrame* child = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CWorldEditorView* view = child->activeView();
    QWidget* vp = view->viewport();

    palette()->setActivePage(PalettePage::Creatures);
    QTest::mouseClick(palette()->buttons(PalettePage::Creatures).first(), Qt::LeftButton);
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(view, {6, 6}));
    ASSERT_EQ(child->document().creatures().size(), 1u);
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(view, {6, 6}));
    // A press on a thing waits to see whether it is a double click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    EXPECT_EQ(app.mainFrame()->paneText(0), "A creature already stands on this tile.");

    // Terrain 3 of the new level is no claimable floor: no door goes there.
    palette()->setActivePage(PalettePage::Doors);
    QTest::mouseClick(palette()->buttons(PalettePage::Doors).first(), Qt::LeftButton);
    ASSERT_EQ(app.editorState().tool(), ToolCode::PlaceDoor);
    QTest::mouseClick(vp, Qt::LeftButton, {}, centreOf(view, {8, 8}));
    EXPECT_TRUE(child->document().doors().empty());
    EXPECT_EQ(app.mainFrame()->paneText(0),
              "A door needs a claimable floor tile inside the map that is not part of a room.");
}

TEST_F(PaletteWindowTest, WindowMenuListsTheLevelsAndCascadeGivesThemRoom)
{
    CChildFrame* first = app.newLevel({"GR2Level1", 20, 20, 3, PlayerId::Neutral});
    CChildFrame* second = app.newLevel({"GR2Level2", 20, 20, 3, PlayerId::Neutral});
    QMenu* menu = app.mainFrame()->windowMenu();
    emit menu->aboutToShow();
    QStringList entries;
    QAction* firstEntry = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator() || !a->text().startsWith('&') || !a->text().at(1).isDigit())
            continue;
        entries << a->text();
        if (a->text().startsWith("&1"))
            firstEntry = a;
    }
    ASSERT_EQ(entries.size(), 2) << entries.join(", ").toStdString();
    EXPECT_TRUE(entries[0].endsWith(first->windowTitle())) << entries[0].toStdString();
    EXPECT_TRUE(entries[1].endsWith(second->windowTitle())) << entries[1].toStdString();
    ASSERT_TRUE(firstEntry);
    EXPECT_FALSE(firstEntry->isChecked());
    firstEntry->trigger();
    EXPECT_EQ(app.mainFrame()->activeChildFrame(), first);

    trigger(EditorCommand::Cascade);
    const QSize area = app.mainFrame()->mdiArea()->viewport()->size();
    for (QMdiSubWindow* sub : app.mainFrame()->mdiArea()->subWindowList()) {
        EXPECT_FALSE(sub->isMaximized());
        EXPECT_GE(sub->width(), area.width() / 2);
        EXPECT_GE(sub->height(), area.height() / 2);
        EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(sub->geometry().topLeft()));
    }
}

TEST_F(PaletteWindowTest, ClosingStopsAtTheFirstCancelAndStoresThePlacementOnlyWhenItCloses)
{
    for (const char* name : {"GR2Level1", "GR2Level2"}) {
        CChildFrame* child = app.newLevel({name, 20, 20, 3, PlayerId::Neutral});
        child->document().SetModifiedFlag(true);
    }
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Cancel);
    EXPECT_FALSE(app.mainFrame()->close());
    EXPECT_EQ(prompter.texts().size(), 1u);
    EXPECT_TRUE(app.mainFrame()->isVisible());
    EXPECT_EQ(app.mainFrame()->mdiArea()->subWindowList().size(), 2);
    EXPECT_FALSE(QSettings().contains(QStringLiteral("ToolBar Settings/Window Positions")));

    prompter.queueAnswer(Prompter::Answer::No);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(app.mainFrame()->close());
    EXPECT_TRUE(QSettings().contains(QStringLiteral("ToolBar Settings/Window Positions")));
    QSettings().remove(QString::fromLatin1(kPlacementGroup));
}

TEST(WindowPlacementOnScreenTest, APlacementOffTheScreensOrLargerThanThemIsBroughtOnScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QSettings settings;
    for (const char* stored :
         {"0,1,-1,-1,-1,-1,9000,7000,9400,7300", "0,1,-1,-1,-1,-1,-50,-40,20000,15000"}) {
        settings.setValue(QStringLiteral("ToolBar Settings/Window Positions"), stored);
        CMainFrame frame;
        frame.showWithPlacement();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        EXPECT_FALSE(frame.isMaximized()) << stored;
        const QRect onScreen = frame.frameGeometry();
        EXPECT_TRUE(screen.contains(onScreen)) << stored << " -> " << onScreen.x() << "," << onScreen.y()
                                               << " " << onScreen.width() << "x" << onScreen.height();
    }
    settings.remove(QString::fromLatin1(kPlacementGroup));
}

} // namespace
} // namespace gr2
