// The journal of a save of several files: it reads back what it wrote, names with any bytes
// included, and refuses every journal that is cut short, altered or names files outside its folder.

#include "worlddata/SaveJournal.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using SaveJournal::Entry;

std::vector<Entry> manyEntries(size_t count)
{
    std::vector<Entry> entries;
    for (size_t i = 0; i < count; ++i)
        entries.push_back({"File" + std::to_string(i) + ".vld", true, {i, i}});
    return entries;
}

std::vector<Entry> sampleEntries()
{
    return {
        {"Keep.vwd", true, {1234, 0x0123456789abcdefull}},
        {"My level%20 Map.vld", false, {0, 0xffffffffffffffffull}},
        {"L\xe9vel\tPlayers.vld", true, {25683, 42}},
    };
}

TEST(SaveJournalTest, ReadsBackWhatItWrote)
{
    const std::vector<Entry> entries = sampleEntries();
    const std::string text = SaveJournal::encode(entries);
    EXPECT_EQ(SaveJournal::parse(text), entries);
    EXPECT_EQ(text.find('\t'), std::string::npos) << "names are escaped: one line per file";
}

TEST(SaveJournalTest, RefusesEveryJournalCutShortOrAltered)
{
    const std::string text = SaveJournal::encode(sampleEntries());
    for (size_t length = 0; length < text.size(); ++length)
        EXPECT_FALSE(SaveJournal::parse(text.substr(0, length))) << "cut at " << length;
    for (size_t i = 0; i < text.size(); ++i) {
        std::string altered = text;
        altered[i] = char(altered[i] ^ 0x01);
        EXPECT_FALSE(SaveJournal::parse(altered)) << "byte " << i << " altered";
    }
    EXPECT_FALSE(SaveJournal::parse(text + "x"));
    EXPECT_TRUE(SaveJournal::parse(SaveJournal::encode(manyEntries(SaveJournal::kMaxFiles))));
}

TEST(SaveJournalTest, RefusesNamesOutsideTheFolderAndImpossibleSets)
{
    struct Case {
        const char* what;
        std::vector<Entry> entries;
    };
    const Case cases[] = {
        {"a path", {{"../Keep.vwd", true, {1, 1}}}},
        {"a folder of it", {{"Maps/Keep.vwd", true, {1, 1}}}},
        {"the parent", {{"..", true, {1, 1}}}},
        {"no name", {{"", true, {1, 1}}}},
        {"a name too long", {{std::string(256, 'a'), true, {1, 1}}}},
        {"one target twice", {{"Keep.vwd", true, {1, 1}}, {"Keep.vwd", false, {2, 2}}}},
        {"no file", {}},
        {"too many files", manyEntries(SaveJournal::kMaxFiles + 1)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(SaveJournal::parse(SaveJournal::encode(c.entries))) << c.what;
}

TEST(SaveJournalTest, TellsTheFilesOfASaveFromOthers)
{
    const std::string tag = SaveJournal::newTag();
    EXPECT_NE(tag, SaveJournal::newTag());
    EXPECT_EQ(SaveJournal::ownerOf(tag), ::getpid());

    const auto staged = SaveJournal::classify(SaveJournal::stagedName("Keep Map.vld", tag));
    ASSERT_TRUE(staged);
    EXPECT_EQ(staged->kind, SaveJournal::SaveFile::Kind::Staged);
    EXPECT_EQ(staged->target, "Keep Map.vld");
    EXPECT_EQ(staged->tag, tag);
    const auto kept = SaveJournal::classify(SaveJournal::keptOldName("Keep.vwd", tag));
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->kind, SaveJournal::SaveFile::Kind::KeptOld);
    const auto journal = SaveJournal::classify(SaveJournal::journalName(tag));
    ASSERT_TRUE(journal);
    EXPECT_EQ(journal->kind, SaveJournal::SaveFile::Kind::Journal);

    for (const char* other :
         {"Keep.vwd", ".gr2new", "..gr2new", ".Keep.vwd.gr2new", ".Keep.vwd.12-abc.gr2new",
          ".Keep.vwd.x1-abcdef.gr2old", ".gr2save.1-abcdef", ".gr2save..journal", ".Keep.XXXXXX"})
        EXPECT_FALSE(SaveJournal::classify(other)) << other;
}

} // namespace
} // namespace gr2
