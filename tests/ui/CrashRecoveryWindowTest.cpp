// An editor killed after an edit and a backup: the next start finds each level's backup, offers
// it, and opens the one taken as the level with its unsaved edit, in its own window.

#include "document/LevelBackups.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

extern char** environ;

namespace gr2 {
namespace {

/// Starts the editor process and kills it (SIGKILL, no chance to clean up) when asked or when
/// the test ends.
class EditorProcess {
public:
    explicit EditorProcess(const std::vector<std::string>& args)
    {
        std::vector<char*> argv{const_cast<char*>(GR2_EDITOR_WITH_UNSAVED_EDITS)};
        for (const std::string& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
            m_pid = 0;
    }
    ~EditorProcess() { kill(); }
    bool started() const { return m_pid > 0; }
    bool running()
    {
        int status = 0;
        return m_pid > 0 && waitpid(m_pid, &status, WNOHANG) == 0;
    }
    void kill()
    {
        if (m_pid <= 0)
            return;
        ::kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = 0;
    }

private:
    pid_t m_pid = 0;
};

TEST(CrashRecoveryWindowTest, KilledEditorsBackupsAreOfferedAtTheNextStartAndOpenAsUnsavedLevels)
{
    test::TempDir root;
    ASSERT_TRUE(writeSampleData(root.path()).empty());
    const std::filesystem::path first = root.path() / "Maps" / (std::string(kSampleLevelName) + ".vwd");
    const std::filesystem::path second =
        root.path() / "Maps" / "Copy" / (std::string(kSampleLevelName) + ".vwd");
    std::filesystem::create_directories(second.parent_path());
    const std::string base = first.string().substr(0, first.string().size() - 4);
    for (const char* suffix :
         {".vwd", "Players.vld", "Map.vld", "Triggers.vld", "Variables.vld", "Things.vld"})
        std::filesystem::copy_file(base + suffix,
                                   second.parent_path() / (std::string(kSampleLevelName) + suffix));

    // Two levels of the same name open, each edited: two backups, then the process dies.
    EditorProcess editor({root.path().string(), first.string(), second.string()});
    ASSERT_TRUE(editor.started());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    // A backup is complete once its origin file is there (written last).
    auto origins = [&] {
        size_t count = 0;
        std::error_code error;
        for (const auto& entry :
             std::filesystem::directory_iterator(LevelBackups::folder(root.path()), error))
            count += entry.path().extension() == LevelBackups::kOriginExtension;
        return count;
    };
    while (origins() < 2 && editor.running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(origins(), 2u) << "the editor wrote no backups";
    ASSERT_TRUE(editor.running()) << "the editor stopped on its own";
    // While their editor lives, its backups are its own: another editor started on the root
    // leaves them alone.
    EXPECT_TRUE(LevelBackups::findNewerThanTheirLevels(root.path()).empty());
    editor.kill();
    EXPECT_EQ(LevelBackups::findNewerThanTheirLevels(root.path()).size(), 2u);
    const auto levelBytes = std::filesystem::file_size(first);

    // The next start: both are offered; the first is taken, the second discarded.
    test::ScriptedPrompter prompter;
    CWorldEditorApp app{&prompter};
    ASSERT_TRUE(app.InitInstance(root.path(), false));
    app.mainFrame()->resize(1000, 700);
    app.mainFrame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
    prompter.queueAnswer(Prompter::Answer::Yes);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_EQ(app.recoverBackups(), 1);
    ASSERT_EQ(prompter.texts().size(), 2u);
    const std::string offeredFirst = prompter.texts()[0];
    EXPECT_NE(offeredFirst.find("Open the backup as an unsaved level?"), std::string::npos) << offeredFirst;

    const QList<QMdiSubWindow*> windows = app.mainFrame()->mdiArea()->subWindowList();
    ASSERT_EQ(windows.size(), 1);
    auto* child = qobject_cast<CChildFrame*>(windows[0]->widget());
    ASSERT_TRUE(child);
    const CWorldEditorDoc& doc = child->document();
    EXPECT_NE(offeredFirst.find("\"" + doc.path() + "\""), std::string::npos) << offeredFirst;
    EXPECT_TRUE(doc.path() == first.string() || doc.path() == second.string()) << doc.path();
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(child->windowTitle().endsWith("*")) << child->windowTitle().toStdString();
    EXPECT_TRUE(app.mainFrame()->windowTitle().endsWith("*]"))
        << app.mainFrame()->windowTitle().toStdString();
    EXPECT_EQ(doc.GetTerrain({20, 21}), 3) << "the unsaved edit is back";
    EXPECT_EQ(std::filesystem::file_size(first), levelBytes) << "the designer's files are untouched";
    // The declined backup is gone, the taken one stays until the level is saved or closed.
    EXPECT_EQ(LevelBackups::findNewerThanTheirLevels(root.path()).size(), 1u);

    // Closed with its changes dropped: the designer chose to lose them, so nothing is left to
    // offer at the next start, and the level's files stay as they were.
    prompter.queueAnswer(Prompter::Answer::No); // do not save changes
    windows[0]->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(app.mainFrame()->mdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(LevelBackups::findNewerThanTheirLevels(root.path()).empty());
    EXPECT_TRUE(std::filesystem::is_empty(root.path() / LevelBackups::kFolderName));
    EXPECT_EQ(std::filesystem::file_size(first), levelBytes);
    EXPECT_EQ(std::filesystem::file_size(second), levelBytes);
}

} // namespace
} // namespace gr2
