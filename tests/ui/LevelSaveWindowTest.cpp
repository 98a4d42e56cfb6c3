// What the level window shows around saving and naming: a Save As that is refused or fails leaves
// the window's name alone, a level read with failures says so in its title until it is saved, and
// names and paths with letters beyond ASCII reach the window and the message boxes unchanged.

#include "dialogs/CNewLevelDialog.h"
#include "document/LevelFiles.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "support/ShownEditor.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"
#include "ui/QtPrompter.h"
#include "worlddata/AtomicFile.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

namespace gr2 {
namespace {

class LevelSaveWindowTest : public test::ShownEditorTest {
protected:
    void TearDown() override { setWriteFaultHook({}); }

    QString frameTitle() const { return app.mainFrame()->windowTitle(); }
};

TEST_F(LevelSaveWindowTest, RefusedOrFailedSaveAsLeavesTheWindowTitle)
{
    CChildFrame* child = app.openLevel(samplePath());
    ASSERT_TRUE(child);
    child->document().SetModifiedFlag(true);
    const QString childTitle = child->windowTitle();
    const QString title = frameTitle();
    ASSERT_TRUE(title.contains(QString::fromLatin1(kSampleLevelName))) << title.toStdString();

    prompter.clear();
    prompter.queueSavePath(root.path() / "Maps" / "Last Light.vwd");
    prompter.queueSavePath(std::nullopt);
    trigger(EditorCommand::SaveAs);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{LevelFiles::kReservedOfficialMessage});
    EXPECT_EQ(child->windowTitle(), childTitle);
    EXPECT_EQ(frameTitle(), title);

    setWriteFaultHook(
        [](const std::filesystem::path& p) { return p.filename() == "MineMap.vld" ? EACCES : 0; });
    prompter.queueSavePath(root.path() / "Maps" / "Mine.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    trigger(EditorCommand::SaveAs);
    EXPECT_EQ(child->windowTitle(), childTitle);
    EXPECT_EQ(frameTitle(), title);
    EXPECT_TRUE(frameTitle().endsWith(QStringLiteral("*]"))) << "still modified";
    EXPECT_EQ(app.recentFiles().value(0).toStdString(), samplePath().string())
        << "no recent entry for a failed save";
}

TEST_F(LevelSaveWindowTest, LevelReadWithFailuresIsMarkedInItsTitleUntilSaved)
{
    // The sample level with its things file cut short.
    const std::filesystem::path things =
        root.path() / "Maps" / (std::string(kSampleLevelName) + "Things.vld");
    std::filesystem::resize_file(things, std::filesystem::file_size(things) - 9);
    CChildFrame* child = app.openLevel(samplePath());
    ASSERT_TRUE(child);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(child));
    const QString mark = QStringLiteral("[ Damaged ]");
    EXPECT_TRUE(child->windowTitle().contains(mark)) << child->windowTitle().toStdString();
    EXPECT_TRUE(frameTitle().contains(mark)) << frameTitle().toStdString();

    // Ctrl+S asks before writing over the files it was read from; No leaves it all as it was.
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::No);
    const auto cutSize = std::filesystem::file_size(things);
    trigger(EditorCommand::Save);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{LevelFiles::kReplaceDamagedQuestion});
    EXPECT_EQ(std::filesystem::file_size(things), cutSize);
    EXPECT_TRUE(frameTitle().contains(mark));

    // Saved under another name, the level is whole again and the mark goes.
    prompter.clear();
    prompter.queueSavePath(root.path() / "Maps" / "Rescued.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    trigger(EditorCommand::SaveAs);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{LevelFiles::kSaveGlobalsQuestion});
    EXPECT_FALSE(child->windowTitle().contains(mark)) << child->windowTitle().toStdString();
    EXPECT_FALSE(frameTitle().contains(mark));
    EXPECT_TRUE(frameTitle().contains(QStringLiteral("Rescued.vwd"))) << frameTitle().toStdString();
}

TEST_F(LevelSaveWindowTest, NewLevelNameKeepsItsLettersAndTheFieldTakesWhatTheLevelStores)
{
    CNewLevelDialog& dialog = app.newLevelDialog();
    const QString hoehle = QString::fromUtf8("H\u00F6hle");
    QTimer::singleShot(0, &dialog, [&] {
        // The name field holds no more than the level stores of a name.
        dialog.nameEdit()->setText(QString(80, QLatin1Char('x')));
        EXPECT_EQ(dialog.nameEdit()->text().size(), int(LevelProperties::kNameLength));
        dialog.nameEdit()->setText(hoehle);
        dialog.accept();
    });
    trigger(EditorCommand::New);
    CChildFrame* child = app.mainFrame()->activeChildFrame();
    ASSERT_TRUE(child);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(child));
    EXPECT_EQ(child->document().properties().name, u"H\u00F6hle");
    EXPECT_TRUE(child->windowTitle().startsWith(hoehle)) << child->windowTitle().toStdString();
    EXPECT_TRUE(frameTitle().contains(hoehle)) << frameTitle().toStdString();
}

TEST_F(LevelSaveWindowTest, MessageBoxShowsAPathWithLettersBeyondAsciiAsItIs)
{
    QtPrompter boxes(app.mainFrame());
    const std::string path = (root.path() / "Maps" / "Gr\u00FCne H\u00F6hle.vwd").string();
    QString shown;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        shown = box->text();
        poll.stop();
        box->button(QMessageBox::Cancel)->click();
    });
    poll.start();
    EXPECT_EQ(boxes.ask(formatMessage(LevelFiles::kSaveChangesQuestion, path), Prompter::Buttons::YesNoCancel,
                        Prompter::Icon::Exclamation),
              Prompter::Answer::Cancel);
    EXPECT_EQ(shown.toStdString(), "Save changes to " + path + "?");
    EXPECT_TRUE(shown.contains(QString::fromUtf8("Gr\u00FCne H\u00F6hle.vwd")));
}

} // namespace
} // namespace gr2
