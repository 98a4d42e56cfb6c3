// The type editors and the global table editors as a designer meets them in the shown main window:
// F4 opens the door editor and its OK changes the type; Cancel after switching types keeps the first
// type's edits; the icon spin wraps and shows the new picture; a refused value keeps the dialog open
// with its field focused; Enter closes nothing, Escape cancels, the close box stores; the trap's
// and object's rules and the light editor; the palette's "&Edit Properties..."; the question on
// exit after an edit; the experience and sacrifice editors.

#include "app/EditorApp.h"
#include "app/WindowPlacement.h"
#include "dialogs/CTypeEditorDialog.h"
#include "document/SampleData.h"
#include "level/CWorldEditorDoc.h"
#include "mapedit/EditorState.h"
#include "mapedit/MapViewController.h"
#include "support/ModalDialogs.h"
#include "support/ShownEditor.h"
#include "typedb/CTypeDatabase.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"
#include "ui/FormNumberEdit.h"
#include "ui/FormWidgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::rowOf;
using test::typeInto;

class TypeEditorWindowTest : public test::ShownEditorTest {
protected:
    void withDialog(const std::function<void()>& open, const std::function<void(CFormDialog&)>& body)
    {
        test::withModal<CFormDialog>(open, body);
    }
    static QString shownText(CFormDialog& dialog, const std::string& label)
    {
        return qobject_cast<FormNumberEdit*>(dialog.rows().control(rowOf(dialog, label)))->text();
    }
    /// Chooses an entry of the selector with the keyboard.
    static void chooseEntry(CFormDialog& dialog, int index)
    {
        QComboBox* selector = dialog.selector();
        selector->setFocus();
        while (selector->currentIndex() < index)
            QTest::keyClick(selector, Qt::Key_Down);
        while (selector->currentIndex() > index)
            QTest::keyClick(selector, Qt::Key_Up);
    }
    /// Opens the type menu of a palette button and chooses "&Edit Properties..." as a user does.
    static std::function<void()> editProperties(CTypeButton* button)
    {
        return [button] {
            QTimer::singleShot(30, [] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (!menu)
                    return;
                EXPECT_EQ(menu->title(), "&Button Type");
                EXPECT_TRUE(menu->actions().first()->isEnabled());
                // Chosen as a user chooses it, which closes the menu with that answer.
                menu->setActiveAction(menu->actions().first());
                QTest::keyClick(menu, Qt::Key_Return);
            });
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    button->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(button, &event);
        };
    }
    static CTypeButton* buttonOf(CPanelBar* palette, PalettePage page, TypeKind kind, uint16_t id)
    {
        palette->setActivePage(page);
        QApplication::processEvents();
        for (CTypeButton* b : palette->buttons(page))
            if (b->item().kind == kind && b->item().id == id)
                return b;
        ADD_FAILURE() << "no button of type " << id;
        return nullptr;
    }
    CDoorType& door(size_t position) { return *app.core().types().doors().at(position); }
    /// Chooses the entry with `text` in the list of a row with the keyboard, as a user does.
    static void chooseInList(CFormDialog& dialog, const std::string& label, const QString& text)
    {
        auto* box = qobject_cast<QComboBox*>(dialog.rows().control(rowOf(dialog, label)));
        ASSERT_TRUE(box);
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setFocus();
        while (box->currentIndex() < index)
            QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > index)
            QTest::keyClick(box, Qt::Key_Up);
    }
    /// The shown value field of the creature editor (one per attribute, the chosen one visible).
    static FormNumberEdit* shownValueField(CFormDialog& dialog)
    {
        FormState& s = dialog.session().state();
        for (size_t i = 0; i < s.rowCount(); ++i)
            if (s.row(i).label == "Value:" && dialog.rows().control(i)->isVisible())
                return qobject_cast<FormNumberEdit*>(dialog.rows().control(i));
        ADD_FAILURE() << "no value field shown";
        return nullptr;
    }
    static QPushButton* buttonLabelled(CFormDialog& dialog, const std::string& label)
    {
        return qobject_cast<QPushButton*>(dialog.rows().control(rowOf(dialog, label)));
    }
};

TEST_F(TypeEditorWindowTest, F4OpensTheDoorEditorAndOkChangesTheType)
{
    QAction* doors = app.mainFrame()->action(EditorCommand::DoorTypes);
    EXPECT_EQ(doors->text(), "&Door Types...");
    EXPECT_EQ(doors->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_TRUE(doors->isEnabled());
    QMenu* configuration = nullptr;
    for (QAction* menu : app.mainFrame()->menuBar()->actions())
        if (menu->text() == "&Configuration")
            configuration = menu->menu();
    ASSERT_TRUE(configuration);
    QStringList items;
    for (QAction* a : configuration->actions())
        if (!a->isSeparator())
            items << a->text();
    EXPECT_EQ(items, (QStringList{"&Terrain Types...", "&Room Types...", "&Creature Types...",
                                  "&Door Types...", "Tr&ap Types...", "&Object Types...",
                                  "&Vorlan Spell Types...", "&Creature Spell Types...", "&Shot Types...",
                                  "&Effect Types...", "E&ffect Element Types...", "Reset To GR2 Defaults"}));
    EXPECT_EQ(app.mainFrame()->action(EditorCommand::TrapTypes)->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(app.mainFrame()->action(EditorCommand::ObjectTypes)->shortcut(), QKeySequence(Qt::Key_F6));

    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F4); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Door Properties");
                   EXPECT_EQ(dialog.selector()->currentText(), "Wooden Door");
                   EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 1 ] Name:");
                   QLabel* label = dialog.rows().label(rowOf(dialog, "Gold &Cost:"));
                   ASSERT_TRUE(label);
                   EXPECT_TRUE(label->isVisible());
                   EXPECT_EQ(label->buddy(), dialog.rows().control(rowOf(dialog, "Gold &Cost:")));
                   typeInto(dialog, "Gold &Cost:", "250");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(door(0).intValue(DoorField::GoldCost), 250);
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, F3EditsACreatureAndItsResistancesWhichSaveGameDataKeeps)
{
    EXPECT_EQ(app.mainFrame()->action(EditorCommand::CreatureTypes)->shortcut(), QKeySequence(Qt::Key_F3));
    withDialog(
        [&] { QTest::keyClick(app.mainFrame(), Qt::Key_F3); },
        [&](CFormDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Modify Creature Properties");
            EXPECT_EQ(dialog.selector()->currentText(), "Digger");
            EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 1 ] Name:");
            const int width = dialog.width();
            chooseInList(dialog, "Attribute:", "Health");
            FormNumberEdit* value = shownValueField(dialog);
            ASSERT_TRUE(value);
            EXPECT_EQ(value->text(), "150");
            value->setFocus();
            value->selectAll();
            QTest::keyClicks(value, "-5");
            chooseInList(dialog, "Attribute:", "Fear");
            EXPECT_NE(shownValueField(dialog), value) << "the value field shows the new attribute";
            // Health holds no negative number: OK shows why and brings Health back.
            prompter.clear();
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Please enter a positive integer."});
            EXPECT_EQ(
                qobject_cast<QComboBox*>(dialog.rows().control(rowOf(dialog, "Attribute:")))->currentText(),
                "Health");
            EXPECT_EQ(shownValueField(dialog), value);
            EXPECT_TRUE(value->hasFocus());
            EXPECT_EQ(dialog.width(), width) << "the dialog keeps its size as attributes take turns";
            value->selectAll();
            QTest::keyClicks(value, "275");
            chooseInList(dialog, "Attribute:", "Fear");

            withDialog([&] { QTest::mouseClick(buttonLabelled(dialog, "Resistances..."), Qt::LeftButton); },
                       [&](CFormDialog& resistances) {
                           EXPECT_EQ(resistances.windowTitle(), "Modify Resistances For \"Digger\"");
                           chooseInList(resistances, "Resistance &1:", "Fire");
                           typeInto(resistances, "Percentage:", "65");
                           QTest::mouseClick(resistances.okButton(), Qt::LeftButton);
                           EXPECT_FALSE(resistances.isVisible());
                       });
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        });

    const CCreatureType& digger = *app.core().types().creatures().at(0);
    EXPECT_EQ(digger.health(), 275);
    EXPECT_EQ(digger.intValue(CreatureField::named("resistance1Percent", 3597)), 65);
    app.mainFrame()->action(EditorCommand::SaveGameData)->trigger();
    prompter.queueAnswer(Prompter::Answer::Yes);
    app.mainFrame()->action(EditorCommand::ResetToDefaults)->trigger();
    withDialog([&] { app.mainFrame()->action(EditorCommand::CreatureTypes)->trigger(); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.selector()->currentText(), "Digger");
                   chooseInList(dialog, "Attribute:", "Health");
                   ASSERT_TRUE(shownValueField(dialog));
                   EXPECT_EQ(shownValueField(dialog)->text(), "275");
                   withDialog(
                       [&] { QTest::mouseClick(buttonLabelled(dialog, "Resistances..."), Qt::LeftButton); },
                       [&](CFormDialog& resistances) {
                           auto* kind = qobject_cast<QComboBox*>(
                               resistances.rows().control(rowOf(resistances, "Resistance &1:")));
                           EXPECT_EQ(kind->currentText(), "Fire");
                           EXPECT_EQ(shownText(resistances, "Percentage:"), "65");
                       });
               });
}

// A type editor is no choice of a tool: after its Cancel, or its OK with a change that rebuilds
// the palette, Rectangle Select is still current and a drag on the map selects, placing nothing.
TEST_F(TypeEditorWindowTest, ATypeEditorKeepsTheToolAndTheNextDragSelects)
{
    ASSERT_NO_FATAL_FAILURE(openSample());
    CTypeButton* doorButton = buttonOf(palette(), PalettePage::Doors, TypeKind::Door, 3);
    ASSERT_TRUE(doorButton);
    QTest::mouseClick(doorButton, Qt::LeftButton);
    ASSERT_EQ(app.editorState().tool(), ToolCode::PlaceDoor);
    const QString drawItem = app.mainFrame()->paneText(1);
    trigger(EditorCommand::RectangleSelect);
    ASSERT_EQ(app.editorState().tool(), ToolCode::RectangleSelect);

    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK after a change" : "Cancel");
        withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F4); },
                   [&](CFormDialog& dialog) {
                       if (ok)
                           typeInto(dialog, "Gold &Cost:", "321");
                       QTest::mouseClick(ok ? dialog.okButton() : dialog.cancelButton(), Qt::LeftButton);
                   });
        QApplication::processEvents();
        EXPECT_EQ(app.editorState().tool(), ToolCode::RectangleSelect);
        EXPECT_TRUE(action(EditorCommand::RectangleSelect)->isChecked());
        EXPECT_EQ(app.editorState().currentType(ThingFamily::Door), 3);
        EXPECT_EQ(app.mainFrame()->paneText(1), drawItem);

        const size_t doors = doc().doors().size();
        QWidget* vp = view()->viewport();
        const int side = view()->tileSize();
        const QPoint from(side + side / 2, side + side / 2), to(3 * side + side / 2, 3 * side + side / 2);
        QTest::mousePress(vp, Qt::LeftButton, {}, from);
        QTest::mouseMove(vp, to);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
        EXPECT_TRUE(view()->controller().selection());
        EXPECT_EQ(doc().doors().size(), doors);
        EXPECT_FALSE(doc().isModified());
    }
    EXPECT_EQ(app.core().types().doors().findById(1)->intValue(DoorField::GoldCost), 321);
}

TEST_F(TypeEditorWindowTest, CancelAfterSwitchingTypesKeepsTheFirstTypesEdits)
{
    withDialog([&] { app.mainFrame()->action(EditorCommand::DoorTypes)->trigger(); },
               [&](CFormDialog& dialog) {
                   typeInto(dialog, "Gold &Cost:", "111");
                   chooseEntry(dialog, 2);
                   EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 3 ] Name:");
                   EXPECT_EQ(shownText(dialog, "Gold &Cost:"), "0");
                   typeInto(dialog, "Gold &Cost:", "333");
                   QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(door(0).intValue(DoorField::GoldCost), 111);
    EXPECT_EQ(door(2).intValue(DoorField::GoldCost), 0);

    // Opened again, the editor shows the door it was left on.
    withDialog([&] { app.mainFrame()->action(EditorCommand::DoorTypes)->trigger(); },
               [&](CFormDialog& dialog) { EXPECT_EQ(dialog.selector()->currentText(), "Iron Door"); });
}

TEST_F(TypeEditorWindowTest, TheIconSpinWrapsAndThePreviewShowsTheNewPicture)
{
    const int cells = app.iconSheets().cellCount(TypeFamily::Door);
    ASSERT_GT(cells, 1);
    const int first = door(0).iconIndex();
    ASSERT_EQ(first, 0) << "the sample's first door has the first cell";
    withDialog([&] { app.mainFrame()->action(EditorCommand::DoorTypes)->trigger(); },
               [&](CFormDialog& form) {
                   auto& dialog = static_cast<CTypeEditorDialog&>(form);
                   ASSERT_TRUE(dialog.iconPreview() && dialog.iconSpin());
                   EXPECT_TRUE(dialog.iconPreview()->isVisible());
                   EXPECT_TRUE(dialog.iconSpin()->isEnabled());
                   const QImage before = dialog.iconPreview()->grab().toImage();
                   QTest::keyClick(dialog.iconSpin(), Qt::Key_Down);
                   EXPECT_EQ(door(0).iconIndex(), cells - 1) << "below the first cell: the last";
                   EXPECT_EQ(dialog.iconSpin()->value(), cells - 1);
                   EXPECT_NE(dialog.iconPreview()->grab().toImage(), before);
                   QTest::keyClick(dialog.iconSpin(), Qt::Key_Up);
                   EXPECT_EQ(door(0).iconIndex(), 0) << "past the last cell: the first";
                   EXPECT_EQ(dialog.iconPreview()->grab().toImage(), before);
                   QTest::keyClick(dialog.iconSpin(), Qt::Key_Up);
                   EXPECT_EQ(door(0).iconIndex(), 1);
                   QTest::keyClick(&dialog, Qt::Key_Escape);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(door(0).iconIndex(), first) << "Escape restores the icon the type was shown with";
    EXPECT_FALSE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, ARefusedValueKeepsTheDialogOpenWithItsFieldFocusedAndSelected)
{
    withDialog([&] { app.mainFrame()->action(EditorCommand::DoorTypes)->trigger(); },
               [&](CFormDialog& dialog) {
                   typeInto(dialog, "Gold &Cost:", "5");
                   typeInto(dialog, "&Health:", "40000");
                   prompter.clear();
                   // Enter closes nothing; the close box stores like OK and is refused the same way.
                   QTest::keyClick(dialog.rows().control(rowOf(dialog, "&Health:")), Qt::Key_Return);
                   EXPECT_TRUE(dialog.isVisible());
                   EXPECT_TRUE(prompter.texts().empty());
                   dialog.close();
                   EXPECT_TRUE(dialog.isVisible());
                   EXPECT_EQ(prompter.texts(),
                             std::vector<std::string>{"Please enter an integer between 0 and 32767."});
                   auto* health =
                       qobject_cast<FormNumberEdit*>(dialog.rows().control(rowOf(dialog, "&Health:")));
                   EXPECT_TRUE(health->hasFocus());
                   EXPECT_EQ(health->findChild<QLineEdit*>()->selectedText(), "40000");
                   EXPECT_EQ(door(0).intValue(DoorField::GoldCost), 0) << "nothing stored";
                   typeInto(dialog, "&Health:", "300");
                   dialog.close();
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(door(0).intValue(DoorField::GoldCost), 5);
    EXPECT_EQ(door(0).intValue(DoorField::Health), 300);
}

TEST_F(TypeEditorWindowTest, TheTrapsRequireManaGreysItsCostAndTheShotDataFollowTheShot)
{
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F5); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Trap Properties");
                   QWidget* cost = dialog.rows().control(rowOf(dialog, "&Mana Cost To Fire:"));
                   auto* require =
                       qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "Re&quire Mana")));
                   ASSERT_TRUE(require);
                   EXPECT_FALSE(require->isChecked());
                   EXPECT_FALSE(cost->isEnabled());
                   QTest::mouseClick(require, Qt::LeftButton);
                   EXPECT_TRUE(cost->isEnabled());
                   typeInto(dialog, "&Mana Cost To Fire:", "120");
                   auto* shot = qobject_cast<QComboBox*>(dialog.rows().control(rowOf(dialog, "Shot T&ype:")));
                   QWidget* data = dialog.rows().control(rowOf(dialog, "Shot Data &1:"));
                   shot->setFocus();
                   QTest::keyClick(shot, Qt::Key_Home);
                   EXPECT_EQ(shot->currentText(), "<none>");
                   EXPECT_FALSE(data->isEnabled());
                   EXPECT_EQ(shownText(dialog, "Shot Data &1:"), "0");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    const CTrapType& spike = *app.core().types().traps().at(0);
    EXPECT_TRUE(spike.hasFlag(TrapTypeFlag::RequireMana));
    EXPECT_EQ(spike.intValue(TrapField::ManaCostToFire), 120);
    EXPECT_EQ(spike.intValue(TrapField::ShotType), 0);
}

TEST_F(TypeEditorWindowTest, TheObjectsLightButtonEditsTheLightThatTheObjectsOkStores)
{
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F6); },
               [&](CFormDialog& objects) {
                   EXPECT_EQ(objects.windowTitle(), "Configure Object Types");
                   auto* light =
                       qobject_cast<QPushButton*>(objects.rows().control(rowOf(objects, "Light...")));
                   ASSERT_TRUE(light);
                   withDialog([&] { QTest::mouseClick(light, Qt::LeftButton); },
                              [&](CFormDialog& dialog) {
                                  EXPECT_EQ(dialog.windowTitle(), "Modify Light Properties");
                                  EXPECT_FALSE(dialog.selector());
                                  typeInto(dialog, "Red:", "300");
                                  QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                              });
                   EXPECT_TRUE(objects.isVisible());
                   EXPECT_EQ(app.core().types().objects().at(0)->fieldBytes(ObjectField::Light)[20], 0)
                       << "not before the object editor's OK";
                   QTest::mouseClick(objects.okButton(), Qt::LeftButton);
               });
    const auto light = app.core().types().objects().at(0)->fieldBytes(ObjectField::Light);
    EXPECT_EQ(light[20], 300 - 256);
    EXPECT_TRUE(light[16 + 1] & (1 << (11 - 8))) << "the ninth bit of red";
}

TEST_F(TypeEditorWindowTest, ThePalettesEditPropertiesOpensTheEditorOnTheButtonsType)
{
    app.newLevel({"GR2Level1", 20, 20, 3, 2});
    CPanelBar* palette = app.mainFrame()->selectionBar();
    CTypeButton* target = buttonOf(palette, PalettePage::Doors, TypeKind::Door, 3);
    ASSERT_TRUE(target);
    withDialog(editProperties(target), [&](CFormDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Modify Door Properties");
        EXPECT_EQ(dialog.selector()->currentText(), "Iron Door");
    });

    CTypeButton* earth = buttonOf(palette, PalettePage::Terrain, TypeKind::Terrain, 2);
    ASSERT_TRUE(earth);
    withDialog(editProperties(earth), [&](CFormDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Modify Terrain Properties");
        EXPECT_EQ(dialog.selector()->currentText(), "Earth");
    });

    CTypeButton* brute = buttonOf(palette, PalettePage::Creatures, TypeKind::Creature, 2);
    ASSERT_TRUE(brute);
    withDialog(editProperties(brute), [&](CFormDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Modify Creature Properties");
        EXPECT_EQ(dialog.selector()->currentText(), "Brute");
    });
}

TEST_F(TypeEditorWindowTest, F1OpensTheTerrainEditorWithoutRoomFloorsAndOkChangesTheTerrain)
{
    QAction* terrains = app.mainFrame()->action(EditorCommand::TerrainTypes);
    EXPECT_EQ(terrains->text(), "&Terrain Types...");
    EXPECT_EQ(terrains->shortcut(), QKeySequence(Qt::Key_F1));
    CTerrainType& earth = *app.core().types().terrains().findById(2);
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F1); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Terrain Properties");
                   QStringList entries;
                   for (int i = 0; i < dialog.selector()->count(); ++i)
                       entries << dialog.selector()->itemText(i);
                   EXPECT_TRUE(entries.contains("Earth"));
                   EXPECT_FALSE(entries.contains("Treasury Floor"))
                       << "room floors belong to the room editor";
                   EXPECT_FALSE(entries.contains("Border Rock"));
                   chooseEntry(dialog, int(entries.indexOf("Earth")));
                   EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 2 ] Name:");
                   EXPECT_TRUE(dialog.rows().label(rowOf(dialog, "Max &Health:"))->isVisible());
                   EXPECT_FALSE(dialog.rows().control(rowOf(dialog, "Im&penetrable"))->isVisible());
                   auto* lightOn =
                       qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "Terrain Light")));
                   ASSERT_TRUE(lightOn);
                   QWidget* height = dialog.rows().control(rowOf(dialog, "Height:"));
                   EXPECT_FALSE(height->isEnabled());
                   QTest::mouseClick(lightOn, Qt::LeftButton, {}, QPoint(5, lightOn->height() / 2));
                   EXPECT_TRUE(height->isEnabled()) << "the light's check box enables its fields at once";
                   typeInto(dialog, "Max &Health:", "900");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(earth.intValue(TerrainField::MaxHealth), 900);
    EXPECT_TRUE(earth.hasFlag(TerrainTypeFlag::TerrainLightOn));
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, F2OpensTheRoomEditorAndOkChangesTheRoomAndItsFloor)
{
    QAction* rooms = app.mainFrame()->action(EditorCommand::RoomTypes);
    EXPECT_EQ(rooms->text(), "&Room Types...");
    EXPECT_EQ(rooms->shortcut(), QKeySequence(Qt::Key_F2));
    CRoomType& lair = *app.core().types().rooms().findById(17);
    CTerrainType& lairFloor = *app.core().types().terrains().findById(17);
    lairFloor.setIntValue(TerrainField::GoldValue, 50);
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F2); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Room Properties");
                   chooseEntry(dialog, dialog.selector()->findText("Lair"));
                   EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 17 ] Name:");
                   EXPECT_EQ(shownText(dialog, "Max &Health:"), "256") << "the floor's value";
                   EXPECT_TRUE(dialog.rows().control(rowOf(dialog, "Max &Health:"))->isEnabled());
                   typeInto(dialog, "&Cost:", "1234");
                   typeInto(dialog, "Max &Health:", "700");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(lair.intValue(RoomField::Cost), 1234);
    EXPECT_EQ(lairFloor.intValue(TerrainField::MaxHealth), 700);
    EXPECT_EQ(lairFloor.intValue(TerrainField::GoldValue), 0) << "storing gives the floor its fixed form";
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, TheRoomsObjectsAndEffectsEditorNamesTheRoomAndItsOkReachesTheRoom)
{
    CRoomType& lair = *app.core().types().rooms().findById(17);
    lair.setIntValue(RoomField::Objects, 0, 0);
    withDialog(
        [&] { QTest::keyClick(app.mainFrame(), Qt::Key_F2); },
        [&](CFormDialog& dialog) {
            chooseEntry(dialog, dialog.selector()->findText("Lair"));
            auto* button =
                qobject_cast<QPushButton*>(dialog.rows().control(rowOf(dialog, "Objects && Effects...")));
            ASSERT_TRUE(button);
            EXPECT_TRUE(button->isVisible());
            EXPECT_EQ(button->text(), "Objects && Effects...") << "shown as one ampersand";
            withDialog([&] { QTest::mouseClick(button, Qt::LeftButton); },
                       [&](CFormDialog& sub) {
                           EXPECT_EQ(sub.windowTitle(), "Modify Objects and Effects for Room \"Lair\"");
                           EXPECT_FALSE(sub.selector());
                           auto* object =
                               qobject_cast<QComboBox*>(sub.rows().control(rowOf(sub, "Object 0:")));
                           ASSERT_TRUE(object);
                           EXPECT_TRUE(object->isVisible());
                           EXPECT_EQ(object->itemText(0), "<none>");
                           object->setFocus();
                           QTest::keyClick(object, Qt::Key_Down);
                           EXPECT_EQ(object->currentIndex(), 1);
                           QTest::mouseClick(sub.okButton(), Qt::LeftButton);
                           EXPECT_FALSE(sub.isVisible());
                       });
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        });
    EXPECT_EQ(lair.intValue(RoomField::Objects, 0), app.core().types().objects().at(0)->id());
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, TheEditPropertiesOfARoomFloorOpensTheRoomEditorOnThatRoom)
{
    app.newLevel({"GR2Level1", 20, 20, 3, 2});
    CPanelBar* palette = app.mainFrame()->selectionBar();
    CTypeButton* lairFloor = buttonOf(palette, PalettePage::Rooms, TypeKind::Terrain, 17);
    ASSERT_TRUE(lairFloor);
    withDialog(editProperties(lairFloor), [&](CFormDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Modify Room Properties");
        EXPECT_EQ(dialog.selector()->currentText(), "Lair");
        EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 17 ] Name:");
    });
}

TEST_F(TypeEditorWindowTest, F7OpensTheVorlanSpellEditorAndOkChangesTheSpell)
{
    QAction* spells = app.mainFrame()->action(EditorCommand::VorlanSpellTypes);
    EXPECT_EQ(spells->text(), "&Vorlan Spell Types...");
    EXPECT_EQ(spells->shortcut(), QKeySequence(Qt::Key_F7));
    CTypeRecord& first = *app.core().types().vorlanSpells().at(0);
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F7); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Vorlan Spell Properties");
                   EXPECT_EQ(dialog.selector()->currentText(), QString::fromStdString(first.name()));
                   typeInto(dialog, "Mana Cost:", "3000000000");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(first.intValue(VorlanSpellField::ManaCost), 3000000000)
        << "the whole unsigned field, not wrapped";
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, F8OpensTheCreatureSpellEditorAndOkChangesTheSpell)
{
    QAction* spells = app.mainFrame()->action(EditorCommand::CreatureSpellTypes);
    EXPECT_EQ(spells->text(), "&Creature Spell Types...");
    EXPECT_EQ(spells->shortcut(), QKeySequence(Qt::Key_F8));
    CTypeRecord& freeze = *app.core().types().creatureSpells().at(1);
    freeze.setFlag(CreatureSpellTypeFlag::Creature, true);
    freeze.setIntValue(CreatureSpellField::CreatureEffect, 2);
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F8); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Creature Spell Properties");
                   chooseEntry(dialog, 1);
                   EXPECT_EQ(dialog.selector()->currentText(), "Freeze");
                   EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 2 ] Name:");
                   auto* data = dialog.rows().control(rowOf(dialog, "Shot Data &1:"));
                   EXPECT_FALSE(data->isEnabled()) << "no shot chosen";
                   auto* creature =
                       qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "&Creature")));
                   ASSERT_TRUE(creature);
                   EXPECT_TRUE(creature->isChecked());
                   QTest::mouseClick(creature, Qt::LeftButton, {}, QPoint(4, creature->height() / 2));
                   EXPECT_FALSE(creature->isChecked());
                   typeInto(dialog, "Range:", "12.5");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(freeze.realValue(CreatureSpellField::Range), 12.5);
    EXPECT_FALSE(freeze.hasFlag(CreatureSpellTypeFlag::Creature));
    EXPECT_EQ(freeze.intValue(CreatureSpellField::CreatureEffect), 0) << "unchecking takes the effect away";
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, F9OpensTheShotEditorWhoseEffectsAndShotsEditorNamesTheShot)
{
    QAction* shots = app.mainFrame()->action(EditorCommand::ShotTypes);
    EXPECT_EQ(shots->text(), "&Shot Types...");
    EXPECT_EQ(shots->shortcut(), QKeySequence(Qt::Key_F9));
    CTypeRecord& arrow = *app.core().types().shots().at(2);
    withDialog(
        [&] { QTest::keyClick(app.mainFrame(), Qt::Key_F9); },
        [&](CFormDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Modify Shot Properties");
            EXPECT_FALSE(static_cast<CTypeEditorDialog&>(dialog).iconSpin()) << "shots have no icon";
            chooseEntry(dialog, 2);
            EXPECT_EQ(dialog.selector()->currentText(), "Arrow");
            typeInto(dialog, "S&peed:", "75");
            auto* more =
                qobject_cast<QPushButton*>(dialog.rows().control(rowOf(dialog, "Effects\n  and\n&Shots...")));
            ASSERT_TRUE(more);
            EXPECT_TRUE(more->isVisible());
            withDialog([&] { QTest::mouseClick(more, Qt::LeftButton); },
                       [&](CFormDialog& effects) {
                           EXPECT_EQ(effects.windowTitle(), "Modify Shot & Effect Types for \"Arrow\"");
                           typeInto(effects, "Ti&med Delay:", "256");
                           prompter.clear();
                           QTest::mouseClick(effects.okButton(), Qt::LeftButton);
                           EXPECT_TRUE(effects.isVisible()) << "a refused value keeps it open";
                           EXPECT_EQ(prompter.texts(),
                                     std::vector<std::string>{"Please enter an integer between 0 and 255."});
                           typeInto(effects, "Ti&med Delay:", "12");
                           QTest::mouseClick(effects.okButton(), Qt::LeftButton);
                           EXPECT_FALSE(effects.isVisible());
                       });
            EXPECT_EQ(arrow.intValue(ShotField::TimedDelay), 0) << "not before the shot editor's OK";
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        });
    EXPECT_EQ(arrow.realValue(ShotField::Speed), 75.0);
    EXPECT_EQ(arrow.intValue(ShotField::TimedDelay), 12);
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, F10OpensTheEffectEditorWhoseGenerationTypesSwitchToEffectElements)
{
    QAction* effects = app.mainFrame()->action(EditorCommand::EffectTypes);
    EXPECT_EQ(effects->text(), "&Effect Types...");
    EXPECT_EQ(effects->shortcut(), QKeySequence(Qt::Key_F10));
    CTypeRecord& sparkle = *app.core().types().effects().at(1);
    // A distribution of neither bit, as a file may have it: shown with no option chosen and kept,
    // as the user does not touch it.
    sparkle.setFlag(EffectTypeFlag::UniformDistribution, false);
    sparkle.setFlag(EffectTypeFlag::RandomDistribution, false);
    withDialog(
        [&] { QTest::keyClick(app.mainFrame(), Qt::Key_F10); },
        [&](CFormDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Modify Effect Properties");
            chooseEntry(dialog, 1);
            EXPECT_EQ(dialog.selectorLabel()->text(), "[ ID 2 ] Name:");
            const QList<QRadioButton*> shrink =
                dialog.rows().control(rowOf(dialog, "Scale"))->findChildren<QRadioButton*>();
            ASSERT_EQ(shrink.size(), 4);
            QTest::mouseClick(shrink[2], Qt::LeftButton, {}, QPoint(4, shrink[2]->height() / 2));
            EXPECT_TRUE(shrink[2]->isChecked());
            auto* generation =
                qobject_cast<QPushButton*>(dialog.rows().control(rowOf(dialog, "Generation Types...")));
            ASSERT_TRUE(generation);
            withDialog(
                [&] { QTest::mouseClick(generation, Qt::LeftButton); },
                [&](CFormDialog& sub) {
                    EXPECT_EQ(sub.windowTitle(), "Modify Generation Types for Effect \"Sparkle\"");
                    auto* box = qobject_cast<QComboBox*>(sub.rows().control(rowOf(sub, "Element &0:")));
                    ASSERT_TRUE(box);
                    EXPECT_EQ(box->itemText(1), "Smoke Puff") << "effects first";
                    for (QRadioButton* option :
                         sub.rows().control(rowOf(sub, "Distribution"))->findChildren<QRadioButton*>())
                        EXPECT_FALSE(option->isChecked()) << option->text().toStdString();
                    auto options =
                        sub.rows().control(rowOf(sub, "Generation"))->findChildren<QRadioButton*>();
                    ASSERT_EQ(options.size(), 2);
                    QTest::mouseClick(options[1], Qt::LeftButton, {}, QPoint(4, options[1]->height() / 2));
                    EXPECT_EQ(box->itemText(1), "Smoke Mote") << "refilled with effect elements";
                    box->setFocus();
                    QTest::keyClick(box, Qt::Key_Down);
                    QTest::keyClick(box, Qt::Key_Down);
                    EXPECT_EQ(box->currentText(), "Spark Mote");
                    QTest::mouseClick(sub.okButton(), Qt::LeftButton);
                    EXPECT_FALSE(sub.isVisible());
                });
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        });
    EXPECT_TRUE(sparkle.hasFlag(EffectTypeFlag::Shrink));
    EXPECT_TRUE(sparkle.hasFlag(EffectTypeFlag::GenerateEffectElements));
    EXPECT_FALSE(sparkle.hasFlag(EffectTypeFlag::GenerateEffects));
    EXPECT_FALSE(sparkle.hasFlag(EffectTypeFlag::UniformDistribution)) << "an untouched pair is kept";
    EXPECT_FALSE(sparkle.hasFlag(EffectTypeFlag::RandomDistribution));
    EXPECT_EQ(sparkle.intValue(EffectField::Elements, 0), 2);
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, F11OpensTheEffectElementEditorWhereExpandsUnchecksShrinks)
{
    QAction* elements = app.mainFrame()->action(EditorCommand::EffectElementTypes);
    EXPECT_EQ(elements->text(), "E&ffect Element Types...");
    EXPECT_EQ(elements->shortcut(), QKeySequence(Qt::Key_F11));
    CTypeRecord& mote = *app.core().types().effectElements().at(0);
    mote.setFlag(EffectElementTypeFlag::Shrinks, true);
    withDialog([&] { QTest::keyClick(app.mainFrame(), Qt::Key_F11); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Modify Effect Element Properties");
                   EXPECT_EQ(dialog.selector()->currentText(), "Smoke Mote");
                   auto* shrinks = qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "Shrinks")));
                   auto* expands = qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, "Expands")));
                   ASSERT_TRUE(shrinks && expands);
                   EXPECT_TRUE(shrinks->isChecked());
                   QTest::mouseClick(expands, Qt::LeftButton, {}, QPoint(4, expands->height() / 2));
                   EXPECT_TRUE(expands->isChecked());
                   EXPECT_FALSE(shrinks->isChecked()) << "the two exclude each other";
                   typeInto(dialog, "Red:", "200");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_TRUE(mote.hasFlag(EffectElementTypeFlag::Expands));
    EXPECT_FALSE(mote.hasFlag(EffectElementTypeFlag::Shrinks));
    EXPECT_EQ(mote.intValue(EffectElementField::Red), 200);
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, ExitAfterAnEditAsksAboutTheGameData)
{
    withDialog([&] { app.mainFrame()->action(EditorCommand::DoorTypes)->trigger(); },
               [&](CFormDialog& dialog) {
                   typeInto(dialog, "Gold &Cost:", "77");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Cancel);
    app.mainFrame()->action(EditorCommand::Exit)->trigger();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Save changes to the game data?"});
    EXPECT_TRUE(app.mainFrame()->isVisible()) << "Cancel keeps the editor open";

    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Yes);
    app.mainFrame()->action(EditorCommand::Exit)->trigger();
    EXPECT_FALSE(app.mainFrame()->isVisible());
    EXPECT_FALSE(app.core().isGameDataModified());
    test::ScriptedPrompter quiet;
    EditorApp reread(root.path(), quiet);
    reread.loadGlobalData();
    EXPECT_EQ(reread.types().doors().at(0)->intValue(DoorField::GoldCost), 77);
}

TEST_F(TypeEditorWindowTest, TheExperienceEditorKeepsAStatsValuesAcrossSwitching)
{
    withDialog([&] { app.openExperienceEditor(); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(),
                             "Modify Creature Stats [ Global Experience Level Increases ]");
                   EXPECT_EQ(dialog.selectorLabel()->text(), "Creature &Stat.:");
                   chooseEntry(dialog, 1);
                   EXPECT_EQ(dialog.selector()->currentText(), "Health");
                   typeInto(dialog, "&2:", "15");
                   chooseEntry(dialog, 2);
                   EXPECT_EQ(dialog.selector()->currentText(), "Fear");
                   chooseEntry(dialog, 1);
                   EXPECT_EQ(shownText(dialog, "&2:"), "15");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    EXPECT_EQ(app.core().types().variables().experienceIncrease(1, 0), 15);
    EXPECT_TRUE(app.core().isGameDataModified());
}

TEST_F(TypeEditorWindowTest, TheSacrificeEditorShowsAnAmountForGoldAndACreatureListForACreature)
{
    withDialog([&] { app.openSacrificeEditor(); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Edit Sacrifice Combinations");
                   EXPECT_EQ(dialog.selector()->currentText(), "Sacrifice 1");
                   auto* reward = qobject_cast<QComboBox*>(dialog.rows().control(rowOf(dialog, "Re&ward:")));
                   QWidget* amount = dialog.rows().control(rowOf(dialog, "&Amount:"));
                   reward->setFocus();
                   while (reward->currentText() != "Gold")
                       QTest::keyClick(reward, Qt::Key_Down);
                   EXPECT_TRUE(amount->isVisible());
                   QWidget* types = nullptr;
                   for (QComboBox* box : dialog.findChildren<QComboBox*>())
                       if (box != reward && box != dialog.selector() &&
                           box->parentWidget() == reward->parentWidget() &&
                           box->geometry().top() == reward->geometry().top())
                           types = box;
                   ASSERT_TRUE(types);
                   EXPECT_FALSE(types->isVisible());
                   QTest::keyClick(reward, Qt::Key_Home);
                   QTest::keyClick(reward, Qt::Key_Down);
                   EXPECT_EQ(reward->currentText(), "Creature");
                   EXPECT_FALSE(amount->isVisible());
                   EXPECT_TRUE(types->isVisible());
                   EXPECT_EQ(static_cast<QComboBox*>(types)->itemText(0), "Digger");
                   QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
               });
    EXPECT_TRUE(app.core().types().variables().sacrifices()[0].empty()) << "Cancel stores nothing";
    EXPECT_FALSE(app.core().isGameDataModified());
}

} // namespace
} // namespace gr2
