// Every dialog of the window opened on a level whose stored fields sit at the extremes of their
// storage and confirmed with OK without a change: the level saved afterwards is byte for byte the
// level saved before, no dialog refuses its own values, and the history gets no step.

#include "document/LevelDocument.h"
#include "document/LevelFiles.h"
#include "document/SampleData.h"
#include "level/CWorldEditorDoc.h"
#include "script/ActionKind.h"
#include "script/TriggerKind.h"
#include "support/DialogTour.h"
#include "support/ExtremeLevel.h"
#include "support/LevelFileTimes.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "ui/CChildFrame.h"
#include "ui/CMainFrame.h"
#include "ui/CWorldEditorApp.h"
#include "ui/EditorCommand.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <map>

namespace gr2 {
namespace {

/// Every file of the level by name, its date stamps zeroed (a save at another second stamps anew).
using Files = std::map<std::string, Bytes>;

class DialogExtremesWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(writeSampleData(root.path()).empty());
        ASSERT_TRUE(app.InitInstance(root.path(), false));
        app.mainFrame()->resize(1200, 900);
        app.mainFrame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.mainFrame()));
        {
            ThumbnailColours colours;
            LevelDocument level(app.core(), colours);
            test::buildExtremeLevel(level.doc(), master().string());
            level.doc().setPath(master().string());
            level.doc().setNamed(true);
            prompter.queueAnswer(Prompter::Answer::Yes);
            ASSERT_EQ(level.files().SaveLevel(false), SaveResult::Saved) << joined(prompter.texts());
        }
        prompter.clear();
        // The level's copy of the game data is the sample's own; rewards beyond the list are
        // reported as the level opens and kept as they are.
        prompter.queueAnswer(Prompter::Answer::Ok);
        child = app.openLevel(master());
        ASSERT_TRUE(child);
        QApplication::processEvents();
    }
    std::filesystem::path master() const { return root.path() / "Maps" / "Extreme.vwd"; }
    static std::string joined(const std::vector<std::string>& texts)
    {
        std::string all;
        for (const std::string& t : texts)
            all += t + "\n";
        return all;
    }
    /// The first file that differs and the offset of its first differing byte.
    static std::string firstDifference(const Files& a, const Files& b)
    {
        for (const auto& [name, bytes] : a) {
            const auto other = b.find(name);
            if (other == b.end())
                return name + " is gone";
            if (other->second == bytes)
                continue;
            size_t at = 0;
            while (at < bytes.size() && at < other->second.size() && bytes[at] == other->second[at])
                ++at;
            return name + " at byte " + std::to_string(at) + " of " + std::to_string(bytes.size());
        }
        return "a new file";
    }
    /// Ctrl+S (the level's copy of the game data left as it is), then every file of the level.
    Files save()
    {
        prompter.queueAnswer(Prompter::Answer::No);
        child->document().SetModifiedFlag(true);
        prompter.clear();
        app.mainFrame()->action(EditorCommand::Save)->trigger();
        EXPECT_FALSE(child->document().isModified()) << "the save failed: " << joined(prompter.texts());
        Files files;
        for (const auto& entry : std::filesystem::directory_iterator(master().parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("Extreme", 0) != 0)
                continue;
            files[name] = test::withoutTimes(entry.path());
        }
        return files;
    }

    test::TempDir root;
    test::ScriptedPrompter prompter;
    CWorldEditorApp app{&prompter};
    CChildFrame* child = nullptr;
};

TEST_F(DialogExtremesWindowTest, OkOnEveryDialogChangesNothingTheUserDidNotChange)
{
    const Files before = save();
    ASSERT_FALSE(before.empty());
    ASSERT_FALSE(child->document().isModified());
    prompter.clear();
    const bool couldUndo = child->document().history().canUndo();

    std::vector<std::string> changedBy;
    std::vector<std::string> markedBy; // left the level marked as changed, though nothing was
    std::vector<std::string> messages; // what the dialogs said
    Files last = before;
    test::DialogTour tour(app, *child, {test::DialogClose::Ok, true}, {}, [&](const QString& name) {
        for (const std::string& text : prompter.texts())
            messages.push_back(name.toStdString() + ": " + text);
        prompter.clear();
        // Which dialog changed the level, for the report below.
        if (!child->document().isModified())
            return;
        const Files now = save();
        prompter.clear();
        if (now != last)
            changedBy.push_back(name.toStdString() + ": " + firstDifference(last, now));
        else
            markedBy.push_back(name.toStdString());
        last = now;
    });
    tour.run();

    EXPECT_TRUE(tour.missed().isEmpty()) << tour.missed().join(", ").toStdString();
    EXPECT_TRUE(tour.refused().isEmpty()) << tour.refused().join(", ").toStdString();
    EXPECT_TRUE(messages.empty()) << joined(messages);
    EXPECT_TRUE(changedBy.empty()) << joined(changedBy);
    EXPECT_TRUE(markedBy.empty()) << joined(markedBy);
    EXPECT_EQ(child->document().history().canUndo(), couldUndo) << "a dialog left a step";
    const Files after = save();
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, bytes] : before)
        EXPECT_TRUE(after.at(name) == bytes) << name << " changed";
    // The sheet of every kind of trigger and action under every owner was opened.
    EXPECT_GE(tour.shown().filter(QRegularExpression("^Edit Trigger Properties")).size(),
              test::kEveryKindOwners * (kTriggerKindCount - 1));
    EXPECT_GE(tour.shown().filter(QRegularExpression("^Edit Action Properties")).size(),
              test::kEveryKindOwners * (kActionKindCount - 1));
    // Every kind of dialog was reached: things, script, players, level, types, special rooms.
    const QString shown = tour.shown().join('\n');
    for (const char* dialog : {"Edit Creature Properties",
                               "Edit Door Properties",
                               "Edit Trap Properties",
                               "Edit Object Properties",
                               "Edit Action Point Properties",
                               "Edit Effect Generator Properties",
                               "Edit Trigger Properties",
                               "Edit Action Properties",
                               "Edit Vorlan Properties",
                               "Computer Player Properties",
                               "Edit Vorlan Alliances",
                               "Edit Level Properties",
                               "Edit Level Variables",
                               "Text / String IDs",
                               "Reset All Creature Properties",
                               "Creature Types",
                               "Light...",
                               "Dungeon Heart",
                               "Portal",
                               "Hero Gate",
                               "Resize",
                               "Rotate"})
        EXPECT_TRUE(shown.contains(QString::fromLatin1(dialog))) << dialog << " was not opened";
}

} // namespace
} // namespace gr2
