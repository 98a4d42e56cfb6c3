// The level-wide dialogs as a user meets them in the editor window: each opens from its menu with
// its caption, refuses what the level cannot take with its message, and a confirmed one changes
// the level as one step that Ctrl+Z takes back.

#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "level/CCreature.h"
#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "level/TextConversion.h"
#include "script/ScriptTreeCommands.h"
#include "support/ModalDialogs.h"
#include "support/ShownEditor.h"
#include "typedb/CGlobalVariables.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::rowOf;
using test::typeInto;

class LevelDialogsWindowTest : public test::ShownEditorTest {
protected:
    void SetUp() override
    {
        ShownEditorTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openSample());
    }
    /// Ctrl+Z: the Edit menu's Undo, once the frame has refreshed its commands.
    void undo()
    {
        app.mainFrame()->updateCommandUI();
        ASSERT_TRUE(action(EditorCommand::Undo)->isEnabled());
        action(EditorCommand::Undo)->trigger();
    }
    void withDialog(const std::function<void()>& open, const std::function<void(CFormDialog&)>& body)
    {
        test::withModal<CFormDialog>(open, body);
    }
    /// The option of a radio row whose text is `text`.
    static QRadioButton* option(CFormDialog& dialog, const QString& text)
    {
        for (QRadioButton* b : dialog.findChildren<QRadioButton*>())
            if (b->text() == text)
                return b;
        ADD_FAILURE() << "no option " << text.toStdString();
        return nullptr;
    }
};

TEST_F(LevelDialogsWindowTest, ResizeRefusesWidthSixThenResizesAroundTheCentre)
{
    const uint32_t oldWidth = doc().width();
    const uint32_t oldHeight = doc().height();
    const uint8_t corner = doc().GetTerrain({1, 1});
    EXPECT_EQ(action(EditorCommand::ResizeMap)->text(), "R&esize...");
    withDialog([&] { action(EditorCommand::ResizeMap)->trigger(); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Resize Map");
                   typeInto(dialog, "&Width:", "6");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   ASSERT_TRUE(dialog.isVisible());
                   ASSERT_FALSE(prompter.texts().empty());
                   EXPECT_EQ(prompter.texts().back(), "Please enter a number between 7 and 128.");
                   EXPECT_TRUE(dialog.rows().control(rowOf(dialog, "&Width:"))->hasFocus());
                   typeInto(dialog, "&Width:", QString::number(oldWidth + 10));
                   // The middle of the 3 x 3 grid.
                   auto options = dialog.findChildren<QRadioButton*>();
                   ASSERT_EQ(options.size(), 9);
                   QTest::mouseClick(options[4], Qt::LeftButton);
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(doc().width(), oldWidth + 10);
    EXPECT_EQ(doc().height(), oldHeight);
    EXPECT_EQ(doc().GetTerrain({6, 1}), corner);
    EXPECT_TRUE(doc().isModified());
    undo();
    EXPECT_EQ(doc().width(), oldWidth);
}

TEST_F(LevelDialogsWindowTest, CtrlRTurnsANonSquareMapAndCtrlZTurnsItBack)
{
    // Make the map non-square first, through the level's own resize.
    withDialog([&] { action(EditorCommand::ResizeMap)->trigger(); },
               [&](CFormDialog& dialog) {
                   typeInto(dialog, "&Width:", "40");
                   typeInto(dialog, "&Height:", "20");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    ASSERT_EQ(doc().width(), 40u);
    ASSERT_EQ(doc().height(), 20u);
    {
        // A change of the level's own, as an earlier step of its history.
        EditStep step(doc(), "Mark");
        doc().StoreTile({3, 2}, doc().GetTerrain({1, 1}) == 3 ? 2 : 3, 2);
    }
    const uint8_t marked = doc().GetTerrain({3, 2});
    EXPECT_EQ(action(EditorCommand::RotateMap)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    withDialog([&] { action(EditorCommand::RotateMap)->trigger(); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Rotate Map");
                   QRadioButton* quarter = option(dialog, "&90 ");
                   QRadioButton* right = option(dialog, "&Right");
                   ASSERT_TRUE(quarter && right);
                   EXPECT_TRUE(quarter->isChecked());
                   EXPECT_TRUE(right->isChecked());
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    EXPECT_EQ(doc().width(), 20u);
    EXPECT_EQ(doc().height(), 40u);
    // A clockwise quarter turn: (x, y) goes to (height − 1 − y, x).
    EXPECT_EQ(doc().GetTerrain({20 - 1 - 2, 3}), marked);
    undo();
    EXPECT_EQ(doc().width(), 40u);
    EXPECT_EQ(doc().height(), 20u);
    EXPECT_EQ(doc().GetTerrain({3, 2}), marked);
}

TEST_F(LevelDialogsWindowTest, ResetCreaturePropertiesWithOnlyLevelResetsTheLevels)
{
    CCreature* creature = nullptr;
    for (const auto& c : doc().creatures())
        creature = c.get();
    ASSERT_TRUE(creature);
    {
        EditStep step(doc(), "Level 7");
        creature->setLevel(7);
    }
    const uint8_t objective = creature->objective();
    withDialog([&] { tree()->runCommand(TreeCommand::ResetAllCreatureProperties); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Reset Creature Properties");
                   for (const char* label : {"&Health", "&Gold Held", "&Objective", "&Mood"}) {
                       auto* box = qobject_cast<QCheckBox*>(dialog.rows().control(rowOf(dialog, label)));
                       ASSERT_TRUE(box);
                       EXPECT_TRUE(box->isChecked());
                       QTest::mouseClick(box, Qt::LeftButton);
                   }
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    EXPECT_EQ(creature->level(), 1);
    EXPECT_EQ(creature->objective(), objective);
    undo();
    // Undo rebuilds the creatures from their records: the last one is the same creature again.
    ASSERT_FALSE(doc().creatures().empty());
    EXPECT_EQ(doc().creatures().back()->level(), 7);
}

TEST_F(LevelDialogsWindowTest, LevelVariablesOverrideSurvivesSaveAndReopen)
{
    const uint32_t id = CGlobalVariables::levelEditorIds().front();
    withDialog([&] { tree()->runCommand(TreeCommand::EditLevelVariables); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Edit Level Variables [ Overrides Globals ]");
                   // The list opens on the first variable, whose value field is the one shown.
                   EXPECT_TRUE(dialog.rows().control(rowOf(dialog, "Value:"))->isVisible());
                   typeInto(dialog, "Value:", "1234");
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
                   EXPECT_FALSE(dialog.isVisible());
               });
    EXPECT_EQ(doc().GetVariable(id), 1234);
    EXPECT_TRUE(doc().isModified());
    prompter.queueAnswer(Prompter::Answer::No); // no global type data with the level
    action(EditorCommand::Save)->trigger();
    EXPECT_FALSE(doc().isModified());
    child->close();
    QApplication::processEvents();
    child = app.openLevel(samplePath());
    ASSERT_TRUE(child);
    EXPECT_EQ(doc().GetVariable(id), 1234);
}

// Enter confirms the level and map dialogs as in any desktop dialog: "OK" is the default button
// and Enter in a field presses it, storing what the dialog shows.
TEST_F(LevelDialogsWindowTest, EnterPressesOkInTheLevelAndMapDialogs)
{
    struct Case {
        const char* name;
        std::function<void()> open;
        const char* field; ///< a number field to type into first; none: Enter where the focus is
        const char* text;
        std::function<bool()> stored;
    } cases[] = {
        {"Resize Map", [&] { action(EditorCommand::ResizeMap)->trigger(); }, "&Width:", "30",
         [&] { return doc().width() == 30u; }},
        {"Rotate Map", [&] { action(EditorCommand::RotateMap)->trigger(); }, nullptr, nullptr,
         [&] { return doc().isModified(); }},
        {"Level Information", [&] { tree()->runCommand(TreeCommand::EditLevelProperties); }, nullptr, nullptr,
         [] { return true; }},
        {"Reset Creature Properties", [&] { tree()->runCommand(TreeCommand::ResetAllCreatureProperties); },
         nullptr, nullptr, [] { return true; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool accepted = false;
        withDialog(c.open, [&](CFormDialog& dialog) {
            EXPECT_TRUE(dialog.okButton()->isDefault());
            QObject::connect(&dialog, &QDialog::accepted, [&] { accepted = true; });
            if (c.field)
                typeInto(dialog, c.field, QString::fromLatin1(c.text));
            QWidget* focus = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
            QTest::keyClick(focus, Qt::Key_Return);
            EXPECT_FALSE(dialog.isVisible()) << "Enter left the dialog open";
        });
        EXPECT_TRUE(accepted);
        EXPECT_TRUE(c.stored());
    }
}

TEST_F(LevelDialogsWindowTest, LevelInformationKeepsTheAuthorAsOneStep)
{
    const std::u16string before = doc().properties().author;
    withDialog([&] { tree()->runCommand(TreeCommand::EditLevelProperties); },
               [&](CFormDialog& dialog) {
                   EXPECT_EQ(dialog.windowTitle(), "Level Information");
                   auto* name =
                       qobject_cast<QLineEdit*>(dialog.rows().control(rowOf(dialog, "Level &Name:")));
                   ASSERT_TRUE(name);
                   EXPECT_TRUE(name->isReadOnly());
                   auto* author =
                       qobject_cast<QLineEdit*>(dialog.rows().control(rowOf(dialog, "&Author Name:")));
                   ASSERT_TRUE(author);
                   author->setFocus();
                   author->selectAll();
                   QTest::keyClicks(author, QStringLiteral("Jorg"));
                   QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
               });
    EXPECT_EQ(doc().properties().author, u"Jorg");
    undo();
    EXPECT_EQ(doc().properties().author, before);
}

} // namespace
} // namespace gr2
