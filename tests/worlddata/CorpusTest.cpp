// Every file of the fuzz corpora, and the sample data our own code writes, opened by the code path
// the editor opens it with. The sanitizer build runs this, so a file that reads out of bounds or
// overflows fails here even when a release build would not notice. GR2_CORPUS_DIR names the fuzz
// corpora (one folder per target, as scripts/dev.sh leaves them); without it only the sample data
// and the kept fault inputs of fuzz/regressions (laid out the same way) are opened.

#include "app/EditorApp.h"
#include "document/SampleData.h"
#include "document/SampleLevel.h"
#include "images/PngFile.h"
#include "level/Thumbnail.h"
#include "stats/StatsImport.h"
#include "support/FullRecordSink.h"
#include "support/HostileLevel.h"
#include "support/JsonRoundTrip.h"
#include "support/LevelFormRoundTrip.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "worlddata/SaveJournal.h"
#include "worlddata/SectionReader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

namespace gr2 {
namespace {

using test::readFile;

std::vector<std::filesystem::path> filesIn(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> files;
    if (std::filesystem::is_directory(dir))
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.is_regular_file())
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class CorpusTest : public ::testing::Test {
protected:
    /// A level that opens must save, and its saved backup must open again.
    void openLevel(std::span<const uint8_t> joined, const std::string& name)
    {
        const auto outcome = opener.open(joined);
        if (!outcome.opened)
            return;
        EXPECT_GT(outcome.treeItems, 0u) << name;
        EXPECT_GT(outcome.exportedText, 0u) << name;
        EXPECT_TRUE(outcome.saved) << name;
        EXPECT_TRUE(outcome.reopened) << name;
    }

    void readSections(const std::filesystem::path& file)
    {
        test::ScriptedPrompter prompter;
        ReadSectionFile(file, sink, prompter);
    }

    void readColours(const std::filesystem::path& png)
    {
        test::TempDir root;
        std::filesystem::create_directories(ThumbnailColours::imagePath(root.path()).parent_path());
        std::filesystem::copy_file(png, ThumbnailColours::imagePath(root.path()));
        ThumbnailColours colours;
        colours.ensureLoaded(root.path());
    }

    void importStats(const std::filesystem::path& text)
    {
        test::ScriptedPrompter prompter;
        StatsImport(statsTypes(), prompter).importFile(text);
    }

    static CTypeDatabase& statsTypes()
    {
        static CTypeDatabase db;
        static const bool built = (buildSampleTypes(db), true);
        (void)built;
        return db;
    }

    /// Every file under dir/<target> through the reader of that fuzz target; the number read.
    size_t replay(const std::filesystem::path& dir)
    {
        const std::pair<const char*, std::function<void(const std::filesystem::path&)>> readers[] = {
            {"section_reader",
             [&](const auto& f) {
                 readSections(f);
                 // Every file a reader meets also comes back from its text form unchanged.
                 EXPECT_TRUE(test::fileComesBack(readFile(f)));
             }},
            {"level_open", [&](const auto& f) { openLevel(readFile(f), f.filename().string()); }},
            {"png_colours", [&](const auto& f) { readColours(f); }},
            {"stats_import", [&](const auto& f) { importStats(f); }},
            {"json_import", [&](const auto& f) { EXPECT_TRUE(test::jsonInputHolds(readFile(f))); }},
            {"form_round_trip",
             [&](const auto& f) { EXPECT_TRUE(test::anyFormRoundTrip(formLevel, readFile(f))); }},
            {"save_journal",
             [&](const auto& f) {
                 const Bytes bytes = readFile(f);
                 const std::string text(bytes.begin(), bytes.end());
                 if (const auto entries = SaveJournal::parse(text)) {
                     EXPECT_EQ(SaveJournal::encode(*entries), text);
                 }
             }},
        };
        size_t opened = 0;
        for (const auto& [target, read] : readers) {
            for (const auto& file : filesIn(dir / target)) {
                SCOPED_TRACE(file.string());
                read(file);
                ++opened;
            }
        }
        return opened;
    }

    test::TempDir scratch;
    test::HostileLevelOpener opener{scratch.path(), true};
    test::FormLevel formLevel;
    const RecordSink sink = test::fullRecordSink();
};

TEST_F(CorpusTest, SampleDataOpensThroughEveryReader)
{
    test::TempDir data;
    ASSERT_TRUE(writeSampleData(data.path()).empty());
    size_t read = 0;
    for (const auto& dir : {data.path(), data.path() / "Maps"})
        for (const auto& file : filesIn(dir))
            if (file.extension() == ".vwd" || file.extension() == ".vld") {
                readSections(file);
                ++read;
            }
    EXPECT_GE(read, 18u);

    test::ScriptedPrompter prompter;
    EditorApp app(data.path(), prompter);
    app.loadGlobalData();
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_GT(app.types().table(TypeFamily::Creature).count(), 0u);

    ThumbnailColours colours;
    EXPECT_TRUE(colours.ensureLoaded(data.path()));

    // The sample level, joined as the level fuzz target takes it, with and without its own copy
    // of the global data.
    const std::string base = (data.path() / "Maps" / kSampleLevelName).string();
    std::vector<Bytes> level;
    for (const char* suffix : test::kLevelFileSuffixes)
        level.push_back(std::filesystem::exists(base + suffix) ? readFile(base + suffix) : Bytes{});
    const auto outcome = opener.open(test::joinLevelFiles(level));
    EXPECT_TRUE(outcome.opened && outcome.saved && outcome.reopened);
    level[5].clear();
    app.WriteAllTypeSections(level[5], DateStamp{2021, 3, 4, 5, 6, 7});
    const auto withGlobals = opener.open(test::joinLevelFiles(level));
    EXPECT_TRUE(withGlobals.opened && withGlobals.saved && withGlobals.reopened);
}

TEST_F(CorpusTest, FuzzCorporaOpenThroughTheirReaders)
{
    const char* corpus = std::getenv("GR2_CORPUS_DIR");
    if (!corpus || !*corpus)
        GTEST_SKIP() << "GR2_CORPUS_DIR not set: scripts/dev.sh runs this after the fuzz runs";
    EXPECT_GT(replay(corpus), 0u) << "no corpus files under " << corpus;
}

// Inputs that once found a fault stay in the source tree and are replayed by every test run, so
// the sanitizer build stops on them should the fault come back.
TEST_F(CorpusTest, KeptFaultInputsOpenThroughTheirReaders)
{
    EXPECT_GT(replay(GR2_FUZZ_REGRESSIONS_DIR), 0u) << "no inputs under " << GR2_FUZZ_REGRESSIONS_DIR;
}

} // namespace
} // namespace gr2
