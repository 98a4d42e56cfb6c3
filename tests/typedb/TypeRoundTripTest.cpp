// Reading a type file and writing it back gives the same bytes, family by family, with every listed
// field holding a distinct non-zero value. What may differ is said here, once:
//  - the save DateStamp of the section header;
//  - bytes no field table lists (written as zero, so the source fills them with 0xEE);
//  - byte 23 of every light descriptor (unused, written as zero);
//  - the creature's u32 at 3824 (read, written as zero).

#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "support/TypeDataBuilder.h"

#include "typedb/CTypeDatabase.h"
#include "typedb/TypeDatabaseSink.h"
#include "typedb/TypeDatabaseWriter.h"
#include "worlddata/SectionReader.h"
#include "worlddata/SectionWriter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

constexpr uint8_t kUnlisted = 0xEE;
constexpr size_t kSavedStampOffset = 12 + 8 + 18; // section header, block header, SectionInfo 18

const DateStamp kCreated{2001, 2, 3, 4, 5, 6};
const DateStamp kSavedFirst{2002, 7, 8, 9, 10, 11};
const DateStamp kSavedAgain{2024, 12, 13, 14, 15, 16};

/// The file record as the reader will take it: distinct values, with the creature's Vidad bit
/// cleared (its own test covers it) and each spell's "plays animation" byte consistent with its
/// play-animation value, since the writer derives it.
Bytes sourceRecord(TypeFamily family, uint8_t seed)
{
    Bytes bytes = test::distinctFileRecord(family, seed, kUnlisted);
    if (family == TypeFamily::Creature) {
        bytes[3836 + 1] &= uint8_t(~(1u << (CreatureFlag1::Vidad - 8)));
        for (size_t k = 0; k < 3; ++k)
            bytes[3524 + 24 * k + 13] = 1;
    }
    return bytes;
}

/// What a faithful writer must produce from a source record.
Bytes expectedRecord(TypeFamily family, const Bytes& source)
{
    const RecordLayout& layout = layoutOf(family);
    Bytes out(source.size(), 0);
    for (const FieldDef& f : layout.fields)
        std::copy_n(source.begin() + f.offset, f.end() - f.offset, out.begin() + f.offset);
    for (const FieldDef& f : layout.fields)
        if (f.kind == FieldKind::Light)
            out[f.offset + 23] = 0;
    if (family == TypeFamily::Creature)
        std::fill_n(out.begin() + 3824, 4, uint8_t(0));
    return out;
}

Bytes sectionOfRecords(TypeFamily family, const std::vector<Bytes>& records, uint32_t storedSize)
{
    SectionInfo info;
    info.count = uint32_t(records.size());
    info.created = kCreated;
    info.saved = kSavedFirst;
    Bytes out;
    writeRecordSection(out, sectionOf(family), info, storedSize, records);
    return out;
}

bool readInto(CTypeDatabase& db, const Bytes& file, test::ScriptedPrompter& prompter)
{
    test::TempDir dir;
    test::writeFile(dir / "types.vwd", file);
    RecordSink sink;
    fillAllTypeSinks(sink, db);
    return ReadSectionFile(dir / "types.vwd", sink, prompter);
}

class TypeRoundTripTest : public ::testing::TestWithParam<TypeFamily> {};

TEST_P(TypeRoundTripTest, ReadThenWriteGivesTheSameBytes)
{
    const TypeFamily family = GetParam();
    std::vector<Bytes> source = {sourceRecord(family, 1), sourceRecord(family, 97)};
    Bytes file = sectionOfRecords(family, source, recordSizeOf(family));

    CTypeDatabase db;
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(readInto(db, file, prompter));
    EXPECT_TRUE(prompter.entries().empty());
    ASSERT_EQ(db.table(family).count(), 2u);
    EXPECT_EQ(db.created(family), kCreated);

    Bytes written;
    appendFamilySection(written, db, family, kSavedAgain);

    std::vector<Bytes> expected = {expectedRecord(family, source[0]), expectedRecord(family, source[1])};
    Bytes expectedFile = sectionOfRecords(family, expected, recordSizeOf(family));
    kSavedAgain.pack(expectedFile.data() + kSavedStampOffset);
    ASSERT_EQ(written.size(), expectedFile.size());
    for (size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(written[i], expectedFile[i]) << familyName(family) << " byte " << i << " (record byte "
                                               << (i >= 56 ? (i - 56) % recordSizeOf(family) : 0) << ")";

    // A second round changes nothing more.
    CTypeDatabase again;
    ASSERT_TRUE(readInto(again, written, prompter));
    Bytes rewritten;
    appendFamilySection(rewritten, again, family, kSavedAgain);
    EXPECT_EQ(rewritten, written);
}

TEST_P(TypeRoundTripTest, OlderShorterRecordReadsWithTrailingFieldsZero)
{
    const TypeFamily family = GetParam();
    const uint32_t size = recordSizeOf(family);
    const uint32_t shortSize = size / 2;
    Bytes full = sourceRecord(family, 5);
    Bytes shortRecord(full.begin(), full.begin() + shortSize);
    Bytes file = sectionOfRecords(family, {shortRecord, shortRecord}, shortSize);

    CTypeDatabase db;
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(readInto(db, file, prompter));
    ASSERT_EQ(db.table(family).count(), 2u);
    Bytes expected = expectedRecord(family, full);
    std::fill(expected.begin() + shortSize, expected.end(), uint8_t(0));
    EXPECT_EQ(db.table(family).recordAt(0)->fileRecord(), expected);
    EXPECT_EQ(db.table(family).recordAt(1)->fileRecord(), expected);
}

TEST_P(TypeRoundTripTest, LongerStoredRecordIsCutAndTheNextStillLinesUp)
{
    const TypeFamily family = GetParam();
    const uint32_t size = recordSizeOf(family);
    std::vector<Bytes> longer;
    for (uint8_t seed : {3, 77}) {
        Bytes r = sourceRecord(family, seed);
        r.resize(size + 40, 0xAB);
        longer.push_back(r);
    }
    Bytes file = sectionOfRecords(family, longer, size + 40);

    CTypeDatabase db;
    test::ScriptedPrompter prompter;
    ASSERT_TRUE(readInto(db, file, prompter));
    ASSERT_EQ(db.table(family).count(), 2u);
    EXPECT_EQ(db.table(family).recordAt(1)->fileRecord(), expectedRecord(family, sourceRecord(family, 77)));
}

INSTANTIATE_TEST_SUITE_P(AllFamilies, TypeRoundTripTest, ::testing::ValuesIn(kAllTypeFamilies),
                         [](const ::testing::TestParamInfo<TypeFamily>& info) {
                             std::string name = familyName(info.param);
                             std::erase(name, ' ');
                             return name;
                         });

} // namespace
} // namespace gr2
