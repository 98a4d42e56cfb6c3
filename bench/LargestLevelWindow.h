#pragma once
// The editor's main window shown with the largest level open, for the benchmarks that time what a
// designer does in it. A program makes it once, on first use, and its main takes it down while the
// application still runs (see GuiBenchMain.h).

#include "LargestLevel.h"

#include "ui/CChildFrame.h"
#include "ui/CDockControlBar.h"
#include "ui/CMainFrame.h"
#include "ui/CTriggerTree.h"
#include "ui/CWorldEditorApp.h"
#include "ui/CWorldEditorView.h"

#include <QApplication>

#include <cstdio>
#include <functional>
#include <memory>

namespace gr2::bench {

struct LargestLevelWindow {
    /// `prepare` may change the level before the window opens it; it saves what it changes.
    explicit LargestLevelWindow(const std::function<void(LargestLevelRoot&)>& prepare = {})
    {
        if (prepare)
            prepare(level);
        editor.InitInstance(level.root(), false);
        editor.mainFrame()->resize(1400, 1000);
        editor.mainFrame()->show();
        child = editor.openLevel(level.master());
        QApplication::processEvents();
        if (!child)
            std::fprintf(stderr, "the largest level could not be opened in the window\n");
    }
    CTriggerTree& tree() const { return *editor.mainFrame()->scriptTreeBar()->tree(); }
    CWorldEditorView& view() const { return *child->activeView(); }

    LargestLevelRoot level;
    CWorldEditorApp editor{&level.prompter};
    CChildFrame* child = nullptr;
};

/// Where a program keeps its window; main resets it before the application goes.
inline std::unique_ptr<LargestLevelWindow>& largestLevelWindowSlot()
{
    static std::unique_ptr<LargestLevelWindow> window;
    return window;
}

/// The program's window, made by the first call (with its `prepare`).
inline LargestLevelWindow& largestLevelWindow(const std::function<void(LargestLevelRoot&)>& prepare = {})
{
    auto& window = largestLevelWindowSlot();
    if (!window)
        window = std::make_unique<LargestLevelWindow>(prepare);
    return *window;
}

} // namespace gr2::bench
