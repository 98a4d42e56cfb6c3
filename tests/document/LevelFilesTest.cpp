// Opening and saving levels: the files a save writes and in what form, the names it refuses, the
// global-data question, the backup save, and the messages of failed reads and writes.

#include "document/LevelFiles.h"
#include "document/LevelSaveRules.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "support/LevelFileFixture.h"
#include "support/LevelFileTimes.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/SectionWriter.h"

#include <gmock/gmock.h>

#include <cerrno>
#include <map>

namespace gr2 {
namespace {

using test::readFile;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

constexpr const char* kParts[] = {"Players.vld", "Map.vld", "Triggers.vld", "Variables.vld", "Things.vld"};

using test::withoutTimes;

std::string partPath(const std::filesystem::path& master, const std::string& suffix)
{
    std::string s = master.string();
    return s.substr(0, s.size() - 4) + suffix;
}

/// The part-file entries of a master file: (path, section id).
std::vector<std::pair<std::string, uint32_t>> partEntries(const std::filesystem::path& master)
{
    Bytes b = readFile(master);
    std::vector<std::pair<std::string, uint32_t>> out;
    const uint16_t count = loadU16(b.data() + 20);
    size_t at = 12 + 8 + SectionInfo::kSize + 8 + RecordSize::LevelDescription + 8;
    for (uint16_t i = 0; i < count && at + 72 <= b.size(); ++i, at += 72)
        out.emplace_back(loadText(b.data() + at, 64), loadU32(b.data() + at + 64));
    return out;
}

class LevelFilesTest : public test::LevelFileFixture {};

TEST_F(LevelFilesTest, SavedOpenedAndSavedAgainGivesTheSameFiles)
{
    std::filesystem::create_directories(root / "A");
    std::filesystem::create_directories(root / "B");
    auto first = sampleAt(root / "A" / "Level.vwd");
    ASSERT_TRUE(save(*first));
    EXPECT_FALSE(first->doc().isModified());

    auto opened = open(root / "A" / "Level.vwd");
    ASSERT_TRUE(opened);
    EXPECT_THAT(prompter.texts(), ElementsAre("Include Global Type data with saved level?\n\n"
                                              "(Increases overall level size by 660k approx.)\n"));
    EXPECT_FALSE(opened->doc().isModified());
    EXPECT_TRUE(opened->doc().isNamed());
    opened->doc().setPath((root / "B" / "Level.vwd").string());
    ASSERT_TRUE(save(*opened));

    for (const char* part : kParts)
        EXPECT_EQ(withoutTimes(partPath(root / "A" / "Level.vwd", part)),
                  withoutTimes(partPath(root / "B" / "Level.vwd", part)))
            << part;
    EXPECT_EQ(withoutTimes(root / "A" / "Level.vwd"), withoutTimes(root / "B" / "Level.vwd"));

    // What was read is the level that was saved.
    const CWorldEditorDoc& doc = opened->doc();
    EXPECT_EQ(doc.width(), 32u);
    EXPECT_EQ(doc.PlayerCount(), 4u);
    EXPECT_EQ(doc.FindPlayer(3)->heartPosition(), (TilePoint{6, 6}));
    EXPECT_EQ(doc.FindPlayer(2)->portals().size(), 1u);
    EXPECT_EQ(doc.creatures().size(), 5u);
    EXPECT_TRUE(doc.IsAllied(3, 4));
    EXPECT_EQ(opened->script().triggers().size(), 1u);
    EXPECT_EQ(opened->script().actions().size(), 2u);
    EXPECT_EQ(opened->script().actions()[0]->ownerTrigger(), opened->script().triggers()[0].get());
    EXPECT_EQ(opened->script().actions()[1]->ownerTrigger(), opened->script().triggers()[0].get());
}

TEST_F(LevelFilesTest, SaveWritesTheFilesInOrderWithTheirEntriesAndTimes)
{
    auto level = sampleAt(root / "Maps" / "Mine.vwd");
    std::vector<std::string> written;
    setWriteFaultHook([&](const std::filesystem::path& p) {
        written.push_back(p.filename().string());
        return 0;
    });
    ASSERT_TRUE(save(*level));
    EXPECT_THAT(written, ElementsAre("MinePlayers.vld", "MineMap.vld", "MineTriggers.vld",
                                     "MineVariables.vld", "MineThings.vld", "Mine.vwd"));
    EXPECT_THAT(partEntries(root / "Maps" / "Mine.vwd"),
                ElementsAre(std::pair<std::string, uint32_t>{"Data\\Editor\\Maps\\MineGlobals.vld", 0},
                            std::pair<std::string, uint32_t>{"Data\\Editor\\Maps\\MinePlayers.vld", 180},
                            std::pair<std::string, uint32_t>{"Data\\Editor\\Maps\\MineMap.vld", 100},
                            std::pair<std::string, uint32_t>{"Data\\Editor\\Maps\\MineTriggers.vld", 210},
                            std::pair<std::string, uint32_t>{"Data\\Editor\\GlobalVariables.vwd", 230},
                            std::pair<std::string, uint32_t>{"Data\\Editor\\Maps\\MineVariables.vld", 230},
                            std::pair<std::string, uint32_t>{"Data\\Editor\\Maps\\MineThings.vld", 190}));

    // Every file is stamped with the time of this save, the created time too.
    const DateStamp before = DateStamp::unpack(readFile(root / "Maps" / "Mine.vwd").data() + 28);
    for (const char* part : {"Players.vld", "Variables.vld", "Things.vld"}) {
        Bytes b = readFile(partPath(root / "Maps" / "Mine.vwd", part));
        EXPECT_EQ(DateStamp::unpack(b.data() + 28), before) << part;
        EXPECT_EQ(DateStamp::unpack(b.data() + 38), before) << part;
    }
    EXPECT_NE(before.year, 0);
}

TEST_F(LevelFilesTest, VersionIsAlwaysWrittenAsThree)
{
    auto level = sampleAt(root / "Old.vwd");
    ASSERT_TRUE(save(*level));
    Bytes master = readFile(root / "Old.vwd");
    EXPECT_EQ(loadU32(master.data() + 24), 0x3000u);
    storeU32(master.data() + 24, 0x2800); // 2.5
    test::writeFile(root / "Old.vwd", master);

    auto opened = open(root / "Old.vwd");
    ASSERT_TRUE(opened);
    EXPECT_DOUBLE_EQ(opened->doc().version().value, 2.5);
    ASSERT_TRUE(save(*opened));
    EXPECT_EQ(loadU32(readFile(root / "Old.vwd").data() + 24), 0x3000u);
}

TEST_F(LevelFilesTest, ReservedNamesWriteNothingAndOfferSaveAs)
{
    struct Case {
        std::string file;
        const char* message;
    };
    const Case cases[] = {
        {"tutorial CAVERNS.vwd", LevelFiles::kReservedOfficialMessage},
        {"THE SUNKEN HALL.vwd", LevelFiles::kReservedOfficialMessage},
        {"NewTraps.vwd", LevelFiles::kReservedDataFileMessage},
        {"MyGlobalVariables.vwd", LevelFiles::kReservedDataFileMessage},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        auto level = sampleAt(dir / c.file);
        prompter.clear();
        EXPECT_FALSE(level->files().Save()) << c.file;
        ASSERT_FALSE(prompter.entries().empty());
        EXPECT_EQ(prompter.entries()[0].text, c.message);
        EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Information);
        ASSERT_FALSE(prompter.dialogs().empty()) << "Save As was not offered for " << c.file;
        EXPECT_EQ(prompter.dialogs().back().title, "Save Map As...");
        EXPECT_TRUE(std::filesystem::is_empty(dir.path())) << c.file;
        EXPECT_TRUE(level->doc().isModified());
    }
    // Other names that only look alike are free.
    auto level = sampleAt(root / "NewTraps.txt.vwd");
    EXPECT_TRUE(save(*level));
}

TEST_F(LevelFilesTest, GlobalDataIsWrittenOnlyOnYesAndOfferedAgainOnOpen)
{
    auto level = sampleAt(root / "G.vwd");
    ASSERT_TRUE(save(*level));
    EXPECT_FALSE(std::filesystem::exists(root / "GGlobals.vld"));

    prompter.queueAnswer(Prompter::Answer::Yes);
    ASSERT_EQ(level->files().SaveLevel(false), SaveResult::Saved);
    ASSERT_TRUE(std::filesystem::exists(root / "GGlobals.vld"));

    // No again: the Globals file of the earlier save stays, and the next open offers it.
    ASSERT_TRUE(save(*level));
    ASSERT_TRUE(std::filesystem::exists(root / "GGlobals.vld"));

    const size_t terrains = app.types().terrains().count();
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Cancel);
    ASSERT_TRUE(open(root / "G.vwd"));
    ASSERT_EQ(prompter.entries().size(), 1u);
    EXPECT_EQ(prompter.entries()[0].text, LevelFiles::kLoadGlobalsQuestion);
    EXPECT_EQ(prompter.entries()[0].buttons, Prompter::Buttons::OkCancel);
    EXPECT_EQ(app.types().terrains().count(), terrains);

    // OK replaces the global types by the level's copy (not appended to them).
    app.types().terrains().removeAt(0);
    prompter.queueAnswer(Prompter::Answer::Ok);
    ASSERT_TRUE(open(root / "G.vwd"));
    EXPECT_EQ(app.types().terrains().count(), terrains);
}

TEST_F(LevelFilesTest, UnsavedGlobalDataIsSettledBeforeALevelsCopyReplacesIt)
{
    auto level = sampleAt(root / "G.vwd");
    prompter.queueAnswer(Prompter::Answer::Yes);
    ASSERT_EQ(level->files().SaveLevel(false), SaveResult::Saved);
    ASSERT_TRUE(std::filesystem::exists(root / "GGlobals.vld"));
    const size_t terrains = app.types().terrains().count();

    // An unsaved edit to the global data: Cancel keeps it and cancels the open, quietly (nothing
    // failed).
    app.types().terrains().removeAt(0);
    app.setGameDataModified();
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Ok);
    prompter.queueAnswer(Prompter::Answer::Cancel);
    ASSERT_FALSE(open(root / "G.vwd"));
    ASSERT_EQ(prompter.texts(),
              (std::vector<std::string>{LevelFiles::kLoadGlobalsQuestion, EditorApp::kSaveGameDataQuestion}));
    EXPECT_EQ(prompter.entries()[1].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(app.types().terrains().count(), terrains - 1);
    EXPECT_TRUE(app.isGameDataModified());

    // No gives the edit up: the level's copy replaces it and nothing is left unsaved, so a later
    // Save Game Data is not taken for the dropped edit.
    prompter.queueAnswer(Prompter::Answer::Ok);
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(open(root / "G.vwd"));
    EXPECT_EQ(app.types().terrains().count(), terrains);
    EXPECT_FALSE(app.isGameDataModified());

    // Yes saves the edit to the global files first.
    app.types().terrains().removeAt(0);
    app.setGameDataModified();
    prompter.queueAnswer(Prompter::Answer::Ok);
    prompter.queueAnswer(Prompter::Answer::Yes);
    ASSERT_TRUE(open(root / "G.vwd"));
    EXPECT_EQ(app.types().terrains().count(), terrains);
    EXPECT_FALSE(app.isGameDataModified());
    EditorApp reread(root.path(), prompter);
    reread.LoadTypeFiles();
    EXPECT_EQ(reread.types().terrains().count(), terrains - 1);
}

TEST_F(LevelFilesTest, AutosaveWritesTheBackupAndLeavesTheDocumentAlone)
{
    std::filesystem::create_directories(root / "Levels");
    auto level = sampleAt(root / "Levels" / "Work.vwd");
    level->doc().SetModifiedFlag(true);
    ASSERT_TRUE(level->files().AutoSave()); // no answer queued: a question would fail the test
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_TRUE(level->doc().isModified());
    EXPECT_EQ(level->doc().path(), (root / "Levels" / "Work.vwd").string());
    EXPECT_EQ(utf16ToUtf8(level->doc().properties().name), "Work");
    // The level's own backup, in the backup folder, named after the level.
    const std::filesystem::path backup = level->files().backupPath();
    EXPECT_EQ(backup.parent_path(), root / "Backups");
    EXPECT_EQ(backup.filename().string().rfind("Work-", 0), 0u) << backup;
    const std::string base = (backup.parent_path() / backup.stem()).string();
    for (const char* suffix :
         {".vwd", "Players.vld", "Map.vld", "Triggers.vld", "Variables.vld", "Things.vld", ".origin"})
        EXPECT_TRUE(std::filesystem::exists(base + suffix)) << suffix;
    EXPECT_FALSE(std::filesystem::exists(base + "Globals.vld"));
    EXPECT_FALSE(std::filesystem::exists(root / "AutoSave.vwd"));
    EXPECT_FALSE(std::filesystem::exists(root / "Levels" / "Work.vwd"));
    EXPECT_FALSE(std::filesystem::exists(root / "Levels" / "Thumbnails"));
    EXPECT_FALSE(std::filesystem::exists(root / "Maps" / "Thumbnails" / "AutoSave144.bmp"));
}

TEST_F(LevelFilesTest, AutosaveRunsOncePerIntervalHoweverManyViewsAsk)
{
    auto level = sampleAt(root / "Timed.vwd");
    const std::filesystem::path backup = level->files().backupPath();
    const auto start = std::chrono::steady_clock::now();
    level->doc().SetModifiedFlag(false);
    EXPECT_FALSE(level->files().autosaveIfDue(start + std::chrono::minutes(10))) << "nothing unsaved";
    level->doc().SetModifiedFlag(true);
    EXPECT_FALSE(level->files().autosaveIfDue(start + std::chrono::minutes(9)));
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_TRUE(level->files().autosaveIfDue(start + std::chrono::minutes(10)));
    std::filesystem::remove(backup);
    // A second view's timer a minute later finds the backup fresh.
    EXPECT_FALSE(level->files().autosaveIfDue(start + std::chrono::minutes(11)));
    EXPECT_FALSE(std::filesystem::exists(backup));
    EXPECT_TRUE(level->files().autosaveIfDue(start + std::chrono::minutes(20)));
}

TEST_F(LevelFilesTest, FailedPartFileKeepsTheOldFileReportsAndLeavesTheLevelModified)
{
    std::filesystem::create_directories(root / "Levels");
    auto level = sampleAt(root / "Levels" / "Keep.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(level->files().Save());
    const Bytes oldMap = readFile(root / "Levels" / "KeepMap.vld");
    const Bytes oldMaster = readFile(root / "Levels" / "Keep.vwd");
    const Bytes oldThings = readFile(root / "Levels" / "KeepThings.vld");
    std::filesystem::remove(root / "Levels" / "Thumbnails" / "Keep144.bmp");

    level->doc().SetTerrain({10, 10}, 3);
    level->doc().SetModifiedFlag(true);
    setWriteFaultHook(
        [](const std::filesystem::path& p) { return p.filename() == "KeepMap.vld" ? ENOSPC : 0; });
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(level->files().Save());

    const std::string mapPath = (root / "Levels" / "KeepMap.vld").string();
    EXPECT_EQ(prompter.entries()[0].text,
              "Failed to save \"" + mapPath + "\" (cause = 28: No space left on device)\n");
    EXPECT_EQ(prompter.entries()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(readFile(root / "Levels" / "KeepMap.vld"), oldMap);
    EXPECT_TRUE(level->doc().isModified());
    EXPECT_FALSE(std::filesystem::exists(root / "Levels" / "Thumbnails" / "Keep144.bmp"));
    // The level is saved as one: the other files were not replaced either, so the files still
    // make the level as it was saved before.
    EXPECT_EQ(readFile(root / "Levels" / "Keep.vwd"), oldMaster);
    EXPECT_EQ(readFile(root / "Levels" / "KeepThings.vld"), oldThings);
    EXPECT_EQ(partEntries(root / "Levels" / "Keep.vwd").size(), 7u);

    // Closing now still asks, and a failed save keeps the level open.
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Yes);
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_FALSE(level->files().SaveModified());
    EXPECT_EQ(prompter.entries()[0].text, "Save changes to " + (root / "Levels" / "Keep.vwd").string() + "?");
}

TEST_F(LevelFilesTest, CloseQuestionAnswers)
{
    auto level = sampleAt(root / "Close.vwd");
    prompter.queueAnswer(Prompter::Answer::Cancel);
    EXPECT_FALSE(level->files().SaveModified());
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_TRUE(level->files().SaveModified());
    EXPECT_FALSE(std::filesystem::exists(root / "Close.vwd"));

    // Yes with a failing check keeps the level open and writes nothing.
    level->doc().RemoveHeart(level->doc().FindPlayer(3));
    prompter.clear();
    prompter.queueAnswer(Prompter::Answer::Yes);
    EXPECT_FALSE(level->files().SaveModified());
    EXPECT_THAT(prompter.texts(), ElementsAre("Save changes to " + (root / "Close.vwd").string() + "?",
                                              "Vorlan 1 must have a Dungeon Heart!"));
    EXPECT_FALSE(std::filesystem::exists(root / "Close.vwd"));

    EXPECT_TRUE(newDocument()->files().SaveModified()); // nothing to ask about
}

TEST_F(LevelFilesTest, SaveAsAsksForTheNameAndNamesTheLevel)
{
    auto level = newDocument();
    buildSampleLevel(level->doc(), "GR2Level1");
    std::filesystem::create_directories(root / "Maps" / "Mine");
    prompter.queueSavePath(root / "Maps" / "Mine" / "Chosen"); // the extension is added
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(level->files().Save()); // never named: Save runs Save As

    ASSERT_EQ(prompter.dialogs().size(), 1u);
    const FileDialogSpec& dialog = prompter.dialogs()[0];
    EXPECT_EQ(dialog.title, "Save Map As...");
    EXPECT_THAT(dialog.filters, ElementsAre("GR2 Level Files (*.vwd)", "Excel Configuration Data (*.txt)",
                                            "All files (*.*)"));
    EXPECT_EQ(dialog.defaultExtension, ".vwd");
    EXPECT_EQ(dialog.initialPath, root / "Maps" / "GR2Level1.vwd");

    const std::string path = (root / "Maps" / "Mine" / "Chosen.vwd").string();
    EXPECT_EQ(level->doc().title(), path);
    EXPECT_EQ(level->doc().path(), path);
    EXPECT_TRUE(level->doc().isNamed());
    EXPECT_EQ(utf16ToUtf8(level->doc().properties().name), "Chosen");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::exists(root / "Maps" / "Mine" / "Thumbnails" / "Chosen144.bmp"));

    // A failing check ends Save As before its dialog.
    level->doc().FindPlayer(3)->setStartingGold(1 << 30);
    prompter.clear();
    EXPECT_FALSE(level->files().SaveAs());
    EXPECT_EQ(prompter.dialogs().size(), 1u);
    EXPECT_THAT(prompter.texts()[0], HasSubstr("exceeds Dungeon capacity"));
}

// Save As proposes the file the level's name gives, so a name typed with a space keeps it; a
// saved level proposes its own file.
TEST_F(LevelFilesTest, SaveAsProposesTheLevelsNameAsTheFile)
{
    struct Case {
        const char* name;
        std::filesystem::path proposed; ///< under the root
    } cases[] = {
        {"Trial Keep", std::filesystem::path("Maps") / "Trial Keep.vwd"},
        {"Keep: North/South?", std::filesystem::path("Maps") / "Keep_ North_South_.vwd"},
        {"", "Maps"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto level = newDocument();
        buildSampleLevel(level->doc());
        LevelProperties properties = level->doc().properties();
        properties.name = utf8ToUtf16(c.name);
        level->doc().setProperties(properties);
        EXPECT_EQ(LevelFiles::saveAsDialog(root.path(), level->doc()).initialPath, root / c.proposed);
    }
    auto saved = sampleAt(root / "Maps" / "Mine" / "Old Keep.vwd");
    EXPECT_EQ(LevelFiles::saveAsDialog(root.path(), saved->doc()).initialPath,
              root / "Maps" / "Mine" / "Old Keep.vwd");
}

TEST_F(LevelFilesTest, ReservedNameChosenInSaveAsAsksAgain)
{
    auto level = newDocument();
    buildSampleLevel(level->doc(), "GR2Level2");
    prompter.queueSavePath(root / "Last Light.vwd");
    prompter.queueSavePath(root / "Mine.vwd");
    prompter.queueAnswer(Prompter::Answer::No);
    ASSERT_TRUE(level->files().SaveAs());
    EXPECT_EQ(prompter.dialogs().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(root / "Last Light.vwd"));
    EXPECT_TRUE(std::filesystem::exists(root / "Mine.vwd"));
}

TEST_F(LevelFilesTest, RefusedOrFailedSaveAsKeepsTheNamePathAndModifiedState)
{
    struct Case {
        const char* name;
        bool named; ///< saved once under Keep.vwd before Save As, or never named
    };
    for (const Case c : {Case{"named level", true}, Case{"level never named", false}}) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(root / "Levels");
        std::filesystem::create_directories(root / "Levels");
        const std::string keep = (root / "Levels" / "Keep.vwd").string();
        std::unique_ptr<LevelDocument> level;
        if (c.named) {
            level = sampleAt(keep);
            ASSERT_TRUE(save(*level));
        } else {
            level = newDocument();
            buildSampleLevel(level->doc(), "GR2Level7");
        }
        level->doc().SetModifiedFlag(true);
        const std::string title = level->doc().title();
        const std::string path = level->doc().path();
        const std::u16string name = level->doc().properties().name;
        auto expectUnchanged = [&](const char* after) {
            SCOPED_TRACE(after);
            EXPECT_EQ(level->doc().title(), title);
            EXPECT_EQ(level->doc().path(), path);
            EXPECT_EQ(level->doc().properties().name, name);
            EXPECT_EQ(level->doc().isNamed(), c.named);
            EXPECT_TRUE(level->doc().isModified());
        };

        // A reserved official name is refused; the user then cancels the dialog it opens again.
        prompter.clear();
        prompter.queueSavePath(root / "Levels" / "Last Light.vwd");
        prompter.queueSavePath(std::nullopt);
        EXPECT_FALSE(level->files().SaveAs());
        EXPECT_EQ(prompter.texts(), std::vector<std::string>{LevelFiles::kReservedOfficialMessage});
        expectUnchanged("reserved name");

        // A file that cannot be written fails the save under the new name.
        setWriteFaultHook(
            [](const std::filesystem::path& p) { return p.filename() == "OtherMap.vld" ? ENOSPC : 0; });
        prompter.queueSavePath(root / "Levels" / "Other.vwd");
        prompter.queueAnswer(Prompter::Answer::No);
        EXPECT_FALSE(level->files().SaveAs());
        setWriteFaultHook({});
        expectUnchanged("write failure");

        // The next Save goes where the level was, not to a name that has no files.
        prompter.clear();
        const size_t dialogs = prompter.dialogs().size();
        if (c.named) {
            prompter.queueAnswer(Prompter::Answer::No);
            EXPECT_TRUE(level->files().Save());
            EXPECT_EQ(level->doc().path(), keep);
            EXPECT_EQ(prompter.dialogs().size(), dialogs) << "Save of a named level needs no dialog";
        } else {
            prompter.queueSavePath(std::nullopt);
            EXPECT_FALSE(level->files().Save());
            EXPECT_EQ(prompter.dialogs().size(), dialogs + 1) << "a level never named still asks for a name";
        }
        EXPECT_FALSE(std::filesystem::exists(root / "Levels" / "Last Light.vwd"));
    }
}

TEST_F(LevelFilesTest, LevelReadWithFailuresIsNotSavedOverItsOwnFilesWithoutAsking)
{
    // A part file cut short: the level opens with what could be read, after the reader's warnings.
    // (A map cut short loses every tile, so its level fails the checks before anything is written.)
    for (const char* part : {"Things.vld", "Triggers.vld"}) {
        SCOPED_TRACE(part);
        std::filesystem::remove_all(root / "Cut");
        std::filesystem::create_directories(root / "Cut");
        auto level = sampleAt(root / "Cut" / "Cut.vwd");
        ASSERT_TRUE(save(*level));
        const std::filesystem::path cutFile = root / "Cut" / (std::string("Cut") + part);
        Bytes cut = readFile(cutFile);
        cut.resize(cut.size() - 7);
        test::writeFile(cutFile, cut);
        std::map<std::string, Bytes> before;
        for (const auto& entry : std::filesystem::directory_iterator(root / "Cut"))
            if (entry.is_regular_file())
                before[entry.path().filename().string()] = readFile(entry.path());

        auto opened = open(root / "Cut" / "Cut.vwd");
        ASSERT_TRUE(opened);
        EXPECT_FALSE(prompter.texts().empty()) << "the reader warned";

        // One question comes first, and No leaves the files and the level as they were.
        prompter.clear();
        prompter.queueAnswer(Prompter::Answer::No);
        EXPECT_FALSE(opened->files().Save());
        ASSERT_EQ(prompter.entries().size(), 1u);
        EXPECT_TRUE(prompter.entries()[0].question);
        EXPECT_NE(prompter.entries()[0].text, LevelFiles::kSaveGlobalsQuestion);
        EXPECT_EQ(prompter.entries()[0].buttons, Prompter::Buttons::YesNo);
        for (const auto& [name, bytes] : before)
            EXPECT_EQ(readFile(root / "Cut" / name), bytes) << name;
        EXPECT_FALSE(opened->doc().isModified());
    }
}

TEST_F(LevelFilesTest, OpenFailuresAndPartFilesThatDoNotStopTheLoad)
{
    auto level = sampleAt(root / "L.vwd");
    ASSERT_TRUE(save(*level));

    // A missing part file is reported and the load goes on.
    std::filesystem::remove(root / "LThings.vld");
    prompter.clear();
    auto opened = open(root / "L.vwd");
    ASSERT_TRUE(opened);
    EXPECT_THAT(prompter.texts(),
                ElementsAre("Unable to open Binary File '" + (root / "LThings.vld").string() + "'"));
    EXPECT_TRUE(opened->doc().creatures().empty());

    // Without a Variables file the level keeps the global values, and saves them.
    std::filesystem::remove(root / "LVariables.vld");
    opened = open(root / "L.vwd");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->doc().GetVariable(178), app.types().variables().value(178));
    EXPECT_EQ(opened->doc().variables().overridableIds().size(), 193u);

    // Without a map there is no level.
    std::filesystem::remove(root / "LMap.vld");
    prompter.clear();
    EXPECT_FALSE(open(root / "L.vwd"));
    EXPECT_EQ(prompter.texts().back(), "Failed to load level!");

    // Neither is there without the master file; the reader's message comes first.
    prompter.clear();
    EXPECT_FALSE(open(root / "Missing.vwd"));
    EXPECT_THAT(prompter.texts(),
                ElementsAre("Unable to open Binary File '" + (root / "Missing.vwd").string() + "'",
                            "Failed to load level!"));

    // A reserved data-file name is not opened at all.
    prompter.clear();
    EXPECT_FALSE(open(root / "Traps.vwd"));
    EXPECT_THAT(prompter.texts(), ElementsAre("Failed to load level!"));
}

TEST_F(LevelFilesTest, MapOfZeroSizeFailsTheLoadAndPlayerIdZeroStopsOnlyThePlayersFile)
{
    auto level = sampleAt(root / "Z.vwd");
    ASSERT_TRUE(save(*level));
    Bytes players = readFile(root / "ZPlayers.vld");
    // The first player record's id byte (offset 168 of the record) becomes 0.
    players[12 + 8 + SectionInfo::kSize + 8 + 168] = 0;
    test::writeFile(root / "ZPlayers.vld", players);
    prompter.clear();
    auto opened = open(root / "Z.vwd");
    ASSERT_TRUE(opened);
    EXPECT_EQ(prompter.texts().front(), "Invalid Player ID!");

    Bytes empty;
    writeMapSection(empty, 0, 5, {});
    test::writeFile(root / "ZMap.vld", empty);
    prompter.clear();
    EXPECT_FALSE(open(root / "Z.vwd"));
    EXPECT_EQ(prompter.texts().back(), "Failed to load level!");
}

TEST_F(LevelFilesTest, VariablesFileRecordsInTheirOrder)
{
    auto level = sampleAt(root / "V.vwd");
    CWorldEditorDoc& doc = level->doc();
    CPlayer& p3 = *doc.FindPlayer(3);
    ASSERT_FALSE(p3.creaturePool().empty());
    p3.creaturePool()[0].count = 2;
    ASSERT_FALSE(p3.availability(AvailabilityKind::Doors).empty());
    p3.availability(AvailabilityKind::Doors)[0].state = 0;
    ASSERT_FALSE(p3.availability(AvailabilityKind::Traps).empty());
    p3.availability(AvailabilityKind::Traps)[0].state = 0;
    doc.SetCreatureStatOverride(2, 5, 77, true);
    doc.SetCreatureStatOverride(200, 5, 77, true); // no such creature type: not written
    ASSERT_TRUE(save(*level));

    Bytes b = readFile(root / "VVariables.vld");
    struct Record {
        uint32_t id, a, b, c;
    };
    std::vector<Record> records;
    for (size_t at = 12 + 8 + SectionInfo::kSize + 8; at + 16 <= b.size(); at += 16)
        records.push_back({loadU32(b.data() + at), loadU32(b.data() + at + 4), loadU32(b.data() + at + 8),
                           loadU32(b.data() + at + 12)});
    ASSERT_GT(records.size(), 200u);

    // The one pool entry with a count, then the availability entries that differ from the global
    // lists, player by player, rooms, creatures, doors, traps, Vorlan spells.
    EXPECT_EQ(records[0].id, 1u);
    EXPECT_EQ(records[0].b, 2u);
    EXPECT_EQ(records[0].c, 3u);
    size_t i = 1;
    const uint32_t rank[] = {0, 0, 1, 3, 2, 4}; // write position of list kinds 1..5
    uint32_t lastPlayer = 0, lastRank = 0;
    bool door = false, trap = false;
    for (; i < records.size() && records[i].id == 2; ++i) {
        const uint32_t player = records[i].a >> 16, kind = records[i].a & 0xFFFF;
        ASSERT_GE(kind, 1u);
        ASSERT_LE(kind, 5u);
        if (player != lastPlayer) {
            EXPECT_GT(player, lastPlayer);
            lastPlayer = player;
            lastRank = 0;
        }
        EXPECT_GE(rank[kind], lastRank);
        lastRank = rank[kind];
        door = door || (player == 3 && kind == 4 && records[i].c == 0);
        trap = trap || (player == 3 && kind == 3 && records[i].c == 0);
    }
    EXPECT_TRUE(door);
    EXPECT_TRUE(trap);
    for (uint32_t id : app.types().variables().overridableIds()) {
        ASSERT_LT(i, records.size());
        EXPECT_EQ(records[i++].id, id);
    }
    std::vector<uint32_t> tail;
    for (; i < records.size(); ++i)
        tail.push_back(records[i].id);
    EXPECT_THAT(tail, ElementsAre(74u, 66u, 77u, 241u, 242u));
    EXPECT_EQ(records.back().b, 0u);
    EXPECT_EQ(records[records.size() - 2].a, 4096u); // rating 1.0 in 20.12
}

TEST_F(LevelFilesTest, GoldPerTickVariable)
{
    auto level = sampleAt(root / "T.vwd");
    CWorldEditorDoc& doc = level->doc();
    CTerrainType& seam = *app.types().terrains().findById(6);
    seam.setIntValue(TerrainField::GoldValue, 1000);
    seam.setIntValue(TerrainField::MaxHealth, 50);
    doc.SetVariable(7, -300);
    LevelProperties props = doc.properties();
    props.ticksPerSecond = 4;
    doc.setProperties(props);
    EXPECT_EQ(LevelSaveRules::goldPerTickVariable(doc, app.types()), 1000 * 300 / 50 / 4);

    seam.setIntValue(TerrainField::MaxHealth, 0);
    EXPECT_EQ(LevelSaveRules::goldPerTickVariable(doc, app.types()), 0);
    seam.setIntValue(TerrainField::MaxHealth, 50);
    doc.loadedProperties().ticksPerSecond = 0;
    EXPECT_EQ(LevelSaveRules::goldPerTickVariable(doc, app.types()), 0);
    doc.loadedProperties().ticksPerSecond = 4;
    app.types().terrains().removeAt(app.types().terrains().indexOfId(6));
    EXPECT_EQ(LevelSaveRules::goldPerTickVariable(doc, app.types()), 0);
}

TEST_F(LevelFilesTest, LongPartFilePathsAreCutInsideTheirField)
{
    const std::string longName(80, 'x');
    Bytes entry = LevelSaveRules::partFileEntry("Data\\Editor\\Maps\\" + longName + "Players.vld", 180);
    ASSERT_EQ(entry.size(), 72u);
    EXPECT_EQ(entry[63], 0);
    EXPECT_EQ(loadText(entry.data(), 64).size(), 63u);
    EXPECT_EQ(loadU32(entry.data() + 64), 180u);
    EXPECT_EQ(loadU32(entry.data() + 68), 0u);

    std::filesystem::create_directories(root / "Long");
    auto level = sampleAt(root / "Long" / (longName + ".vwd"));
    ASSERT_TRUE(save(*level));
    for (const auto& [path, id] : partEntries(root / "Long" / (longName + ".vwd")))
        EXPECT_LE(path.size(), 63u);
}

} // namespace
} // namespace gr2
