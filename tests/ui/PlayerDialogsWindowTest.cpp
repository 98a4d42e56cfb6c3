// The player dialogs as a designer meets them in the shown main window with the sample level:
// "Modify Vorlan Properties" from the Vorlan's tree item, its pool count check, the computer-player
// sheet with "Set Defaults", "Rename Vorlan", and "Modify Player Alliances"; what they write is
// saved and read back unchanged.

#include "app/WindowPlacement.h"
#include "dialogs/CAllianceDialog.h"
#include "dialogs/CComputerPlayerSheet.h"
#include "dialogs/CVorlanPropertiesDialog.h"
#include "document/LevelDocument.h"
#include "document/LevelFiles.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "level/CWorldEditorDoc.h"
#include "level/ComputerPlayerSettings.h"
#include "support/ModalDialogs.h"
#include "support/ShownEditor.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/EditorCommand.h"
#include "ui/FormNumberEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

class PlayerDialogsWindowTest : public test::ShownEditorTest {
protected:
    void SetUp() override
    {
        ShownEditorTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(openSample());
    }
    /// Double-clicks the first Vorlan's tree item, which opens "Modify Vorlan Properties".
    void openVorlanProperties()
    {
        QTreeWidgetItem* vorlan = item(QString::fromStdString(doc().FindPlayer(3)->name()));
        ASSERT_TRUE(vorlan);
        tree()->scrollToItem(vorlan);
        const QPoint at = tree()->visualItemRect(vorlan).center();
        QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, at);
    }
    /// Saves with Ctrl+S and reads the saved level into a document of its own.
    std::unique_ptr<LevelDocument> saveAndReopen()
    {
        prompter.clear();
        prompter.queueAnswer(Prompter::Answer::No);
        app.mainFrame()->action(EditorCommand::Save)->trigger();
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{LevelFiles::kSaveGlobalsQuestion});
        auto level = std::make_unique<LevelDocument>(app.core(), colours);
        EXPECT_TRUE(level->files().OnOpenDocument(samplePath()));
        return level;
    }

    ThumbnailColours colours;
};

TEST_F(PlayerDialogsWindowTest, PoolCountAbove128IsRefusedAndKeepsTheEntry)
{
    test::withModal<CVorlanPropertiesDialog>(
        [&] { openVorlanProperties(); },
        [&](CVorlanPropertiesDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Modify Vorlan Properties");
            EXPECT_EQ(dialog.playerBox()->currentText().toStdString(), doc().FindPlayer(3)->name());
            ASSERT_GT(dialog.poolBox()->count(), 1);
            auto* count = qobject_cast<FormNumberEdit*>(dialog.poolCount().control(0));
            ASSERT_TRUE(count);
            count->setFocus();
            count->selectAll();
            QTest::keyClicks(count, "129");
            prompter.clear();
            dialog.poolBox()->setFocus();
            QTest::keyClick(dialog.poolBox(), Qt::Key_Down);
            EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Please enter a number between 0 and 128."});
            EXPECT_EQ(dialog.poolBox()->currentIndex(), 0) << "the entry stays";
            EXPECT_TRUE(count->hasFocus());
            EXPECT_EQ(count->text(), "129");

            // OK meets the same refusal and stays open.
            prompter.clear();
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Please enter a number between 0 and 128."});
        });
    EXPECT_EQ(doc().FindPlayer(3)->poolCount(doc().FindPlayer(3)->creaturePool().front().type), 0)
        << "Cancel writes nothing";
}

TEST_F(PlayerDialogsWindowTest, ParanoidDefaultsGiveTheirGoldAndBlockAndSurviveSaving)
{
    Bytes expected;
    test::withModal<CVorlanPropertiesDialog>(
        [&] { openVorlanProperties(); },
        [&](CVorlanPropertiesDialog& dialog) {
            auto* computer =
                qobject_cast<QCheckBox*>(dialog.values().control(VorlanPropertiesSession::kComputerRow));
            ASSERT_TRUE(computer);
            // On the box itself: the row is wider than the box and its text.
            const QPoint box(8, computer->height() / 2);
            if (computer->isChecked())
                QTest::mouseClick(computer, Qt::LeftButton, {}, box);
            EXPECT_FALSE(dialog.computerButton()->isEnabled());
            QTest::mouseClick(computer, Qt::LeftButton, {}, box);
            ASSERT_TRUE(dialog.computerButton()->isEnabled());

            test::withModal<CComputerPlayerSheet>(
                [&] { QTest::mouseClick(dialog.computerButton(), Qt::LeftButton); },
                [&](CComputerPlayerSheet& sheet) {
                    EXPECT_FALSE(sheet.setDefaultsButton()->isEnabled());
                    auto* type =
                        qobject_cast<QComboBox*>(sheet.controls(ComputerPlayerPage::General)->control(0));
                    ASSERT_TRUE(type);
                    type->setFocus();
                    QTest::keyClick(type, Qt::Key_End);
                    EXPECT_EQ(type->currentText(), "Paranoid");
                    EXPECT_TRUE(sheet.windowTitle().endsWith("[ Paranoid ]"))
                        << sheet.windowTitle().toStdString();
                    ASSERT_TRUE(sheet.setDefaultsButton()->isEnabled());
                    const QString firstRoom = sheet.buildOrderList()->item(0)->text();
                    QTest::mouseClick(sheet.setDefaultsButton(), Qt::LeftButton);
                    EXPECT_EQ(sheet.buildOrderList()->item(0)->text(), firstRoom);
                    sheet.tabs()->setCurrentIndex(int(ComputerPlayerPage::Creatures));
                    auto* imps = qobject_cast<FormNumberEdit*>(
                        sheet.controls(ComputerPlayerPage::Creatures)->control(1));
                    ASSERT_TRUE(imps);
                    EXPECT_TRUE(imps->isVisible());
                    EXPECT_EQ(imps->text(), "4");
                    QTest::mouseClick(sheet.okButton(), Qt::LeftButton);
                    EXPECT_FALSE(sheet.isVisible());
                });
            auto* gold =
                qobject_cast<FormNumberEdit*>(dialog.values().control(VorlanPropertiesSession::kGoldRow));
            ASSERT_TRUE(gold);
            EXPECT_EQ(gold->text(), "10000");
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_FALSE(dialog.isVisible());
        });
    const CPlayer& p = *doc().FindPlayer(3);
    EXPECT_EQ(p.startingGold(), 10000);
    EXPECT_TRUE(p.isComputer());
    EXPECT_EQ(personalityOf(p.computerSettings()), 8u);
    EXPECT_EQ(
        getIntField(p.computerSettings(), ComputerPlayerField::def(ComputerPlayerField::CallToArmsThreat)),
        3500);

    auto reopened = saveAndReopen();
    const CPlayer& q = *reopened->doc().FindPlayer(3);
    EXPECT_EQ(q.startingGold(), 10000);
    EXPECT_TRUE(q.isComputer());
    EXPECT_EQ(q.computerSettings(), p.computerSettings());
}

TEST_F(PlayerDialogsWindowTest, RenameTakesThirtyOneCharactersAndSavesThemWhole)
{
    const std::string longest = "Lord Of The Deep Dark Caverns!!";
    ASSERT_EQ(longest.size(), 31u);
    test::withModal<CVorlanPropertiesDialog>(
        [&] { openVorlanProperties(); },
        [&](CVorlanPropertiesDialog& dialog) {
            test::withModal<CFormDialog>(
                [&] { QTest::mouseClick(dialog.renameButton(), Qt::LeftButton); },
                [&](CFormDialog& rename) {
                    EXPECT_EQ(rename.windowTitle(), "Rename Vorlan");
                    auto* field = qobject_cast<QLineEdit*>(rename.rows().control(0));
                    ASSERT_TRUE(field);
                    field->setFocus();
                    field->selectAll();
                    QTest::keyClicks(field, QString::fromStdString(longest + "x"));
                    prompter.clear();
                    QTest::mouseClick(rename.okButton(), Qt::LeftButton);
                    EXPECT_EQ(prompter.texts(),
                              std::vector<std::string>{"Please enter no more than 31 characters."});
                    EXPECT_TRUE(rename.isVisible());
                    // The refused text is selected for typing over; the last letter goes.
                    QTest::keyClick(field, Qt::Key_End);
                    QTest::keyClick(field, Qt::Key_Backspace);
                    QTest::mouseClick(rename.okButton(), Qt::LeftButton);
                    EXPECT_FALSE(rename.isVisible());
                });
            EXPECT_EQ(dialog.playerBox()->currentText().toStdString(), longest);
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        });
    EXPECT_EQ(doc().FindPlayer(3)->name(), longest);
    ASSERT_TRUE(item(QString::fromStdString(longest))) << "the tree item is renamed";
    auto reopened = saveAndReopen();
    EXPECT_EQ(reopened->doc().FindPlayer(3)->name(), longest);
}

TEST_F(PlayerDialogsWindowTest, AllianceButtonsFollowTheChosenPlayers)
{
    ASSERT_TRUE(doc().IsAllied(3, 4));
    tree()->setCurrentItem(item(QString::fromStdString(doc().FindPlayer(3)->name())));
    test::withModal<CAllianceDialog>([&] { tree()->runCommand(TreeCommand::EditVorlanAlliances); },
                                     [&](CAllianceDialog& dialog) {
                                         EXPECT_EQ(dialog.windowTitle(), "Modify Player Alliances");
                                         EXPECT_EQ(dialog.firstList()->count(), 1);
                                         EXPECT_FALSE(dialog.createButton()->isEnabled())
                                             << "the same player twice";
                                         EXPECT_FALSE(dialog.removeButton()->isEnabled());
                                         // Player 4 first, player 3 second: the alliance (3, 4) in the other
                                         // order.
                                         dialog.firstPlayer()->setCurrentIndex(3);
                                         dialog.secondPlayer()->setCurrentIndex(2);
                                         EXPECT_FALSE(dialog.createButton()->isEnabled());
                                         ASSERT_TRUE(dialog.removeButton()->isEnabled());
                                         QTest::mouseClick(dialog.removeButton(), Qt::LeftButton);
                                         EXPECT_EQ(dialog.firstList()->count(), 0);
                                         EXPECT_TRUE(dialog.createButton()->isEnabled());
                                         EXPECT_FALSE(doc().IsAllied(3, 4)) << "at once";
                                     });
    EXPECT_FALSE(doc().IsAllied(3, 4)) << "Cancel keeps what was done";
}

} // namespace
} // namespace gr2
