#pragma once
// The editor as a designer starts it: the main window shown on a fresh copy of the sample data,
// with no stored placement, and the sample level opened when a test asks for it. The window tests
// derive from it and add what their own dialogs need.

#include "app/WindowPlacement.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CPanelBar.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/EditorCommand.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTreeWidgetItemIterator>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace gr2::test {

class ShownEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings().remove(QString::fromLatin1(kPlacementGroup));
        ASSERT_TRUE(writeSampleData(root.path()).empty());
        ASSERT_TRUE(app.InitInstance(root.path(), false));
        app.mainFrame()->resize(1200, 900);
        app.mainFrame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
    }

    /// Opens the sample level in its window; call it under ASSERT_NO_FATAL_FAILURE.
    void openSample()
    {
        child = app.openLevel(samplePath());
        ASSERT_TRUE(child);
        ASSERT_TRUE(child->activeView());
        QApplication::processEvents();
    }
    std::filesystem::path samplePath() const
    {
        return root.path() / "Maps" / (std::string(kSampleLevelName) + ".vwd");
    }

    CWorldEditorDoc& doc() const { return child->document(); }
    CWorldEditorView* view() const { return child->activeView(); }
    CTriggerTree* tree() const { return app.mainFrame()->scriptTreeBar()->tree(); }
    CPanelBar* palette() const { return app.mainFrame()->selectionBar(); }
    QAction* action(EditorCommand command) const { return app.mainFrame()->action(command); }
    void trigger(EditorCommand command) { action(command)->trigger(); }
    /// The first script tree item (pre-order) whose text starts with `text`.
    QTreeWidgetItem* item(const QString& text) const
    {
        for (QTreeWidgetItemIterator it(tree()); *it; ++it)
            if ((*it)->text(0).startsWith(text))
                return *it;
        return nullptr;
    }

    TempDir root;
    ScriptedPrompter prompter;
    CWorldEditorApp app{&prompter};
    CChildFrame* child = nullptr;
};

} // namespace gr2::test
