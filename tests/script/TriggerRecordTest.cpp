#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "worlddata/ByteOrder.h"

#include <gtest/gtest.h>

#include <set>

namespace gr2 {
namespace {

bool in(const std::set<int>& s, int kind)
{
    return s.count(kind) != 0;
}

// Which parameter bytes each trigger kind keeps, written out kind by kind from the record rules
// rather than taken from the kind table under test.
const std::set<int> kFlagTimer = {1, 2};
const std::set<int> kPlayerAttribute = {19, 20, 21, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 68, 71, 73, 74};
const std::set<int> kPlayerCount = {22, 23, 52};
const std::set<int> kOpSubjectFlags = {38, 40, 41, 42};
const std::set<int> kOpSubject = {43, 44, 45, 64, 53, 59, 62};
const std::set<int> kOpOnly = {34, 35, 67, 36, 37, 49, 47, 56, 57, 58, 60, 61, 66};

struct Kept {
    bool op, subject, other;
    int flags; ///< -1 the stored byte survives, 0 it is dropped, else the exact value read back
};

Kept expectedTriggerBytes(int kind, uint8_t flags)
{
    const bool withValue = flags & 1;
    if (in(kFlagTimer, kind) || in(kPlayerAttribute, kind))
        return {true, true, !withValue, -1};
    if (in(kPlayerCount, kind))
        return {true, true, true, withValue ? 1 : -1};
    if (in(kOpSubjectFlags, kind))
        return {true, true, false, -1};
    if (kind == 39)
        return {true, true, true, -1};
    if (kind == 69)
        return {false, true, false, 0};
    if (kind == 70)
        return {false, true, true, -1};
    if (in(kOpSubject, kind))
        return {true, true, false, 0};
    if (in(kOpOnly, kind))
        return {true, false, false, 0};
    return {false, false, false, 0};
}

TEST(TriggerWhenRecordTest, EveryKindKeepsExactlyItsParameterBytes)
{
    // Bit 0 of the flags byte decides for some kinds whether `other` is kept: try both.
    for (uint8_t flags : {uint8_t(0x38), uint8_t(0x39)}) {
        for (int kind = 0; kind < 76; ++kind) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " flags " << int(flags));
            TriggerWhenRecord r;
            r.kind = uint8_t(kind);
            r.parameters = {0xA1, 0xB2, flags, 0xD4};
            r.value = 0x12345678;
            r.id = 301;
            r.next = -7;
            r.child = 302;
            r.repeat = 9;
            const Bytes bytes = r.pack();
            ASSERT_EQ(bytes.size(), 16u);

            const Kept k = expectedTriggerBytes(kind, flags);
            const uint8_t flagsByte = k.flags == -1 ? flags : uint8_t(k.flags);
            EXPECT_EQ(bytes[0], k.op ? 0xA1 : 0);
            EXPECT_EQ(bytes[1], k.subject ? 0xB2 : 0);
            EXPECT_EQ(bytes[2], flagsByte);
            EXPECT_EQ(bytes[3], k.other ? 0xD4 : 0);
            EXPECT_EQ(loadU32(&bytes[4]), 0x12345678u);
            EXPECT_EQ(loadI16(&bytes[8]), 301);
            EXPECT_EQ(loadI16(&bytes[10]), -7);
            EXPECT_EQ(loadI16(&bytes[12]), 302);
            EXPECT_EQ(bytes[14], kind);
            EXPECT_EQ(bytes[15], 9);

            // Reading takes back the same bytes; the obsolete kind 38 comes back as 39 and keeps
            // what 38 wrote.
            const TriggerWhenRecord back = TriggerWhenRecord::read(FlaggedRecord(bytes), 3);
            EXPECT_EQ(back.kind, kind == 38 ? 39 : kind);
            EXPECT_EQ(back.parameters, (TriggerParameters{bytes[0], bytes[1], bytes[2], bytes[3]}));
            EXPECT_EQ(back.value, 0x12345678u);
            EXPECT_EQ(back.id, 301);
            EXPECT_EQ(back.next, -7);
            EXPECT_EQ(back.child, 302);
            EXPECT_EQ(back.repeat, 9);
        }
    }
}

TEST(TriggerWhenRecordTest, ReadingDropsBytesOutsideTheKindsSelection)
{
    // A record written by something else may carry bytes the kind does not use.
    Bytes bytes(16, 0);
    bytes[0] = 4;
    bytes[1] = 5;
    bytes[2] = 1;  // compares with the value
    bytes[3] = 77; // so the flag compared against is not part of the record
    bytes[14] = 1; // Flag
    TriggerWhenRecord r = TriggerWhenRecord::read(FlaggedRecord(bytes), 3);
    EXPECT_EQ(r.parameters, (TriggerParameters{4, 5, 1, 0}));

    bytes[14] = 22; // Creatures Killed with a value: flags exactly 1, the other player kept
    bytes[2] = 0x19;
    r = TriggerWhenRecord::read(FlaggedRecord(bytes), 3);
    EXPECT_EQ(r.parameters, (TriggerParameters{4, 5, 1, 77}));

    bytes[14] = 4; // Killed takes no parameter at all
    r = TriggerWhenRecord::read(FlaggedRecord(bytes), 3);
    EXPECT_EQ(r.parameters, TriggerParameters{});
}

TEST(TriggerWhenRecordTest, VersionOneHealthAndGoldConditionsCompareWithOneHundred)
{
    for (uint8_t kind : {uint8_t(36), uint8_t(37), uint8_t(34)}) {
        TriggerWhenRecord r;
        r.kind = kind;
        r.value = 40;
        const Bytes bytes = r.pack();
        EXPECT_EQ(TriggerWhenRecord::read(FlaggedRecord(bytes), 1).value, kind == 34 ? 40u : 100u);
        EXPECT_EQ(TriggerWhenRecord::read(FlaggedRecord(bytes), 2).value, 40u);
    }
}

TEST(TriggerWhenRecordTest, AbsentFieldsReadAsZero)
{
    TriggerWhenRecord r;
    r.kind = 39;
    r.parameters = {1, 2, 3, 4};
    r.id = 5;
    r.next = 6;
    const Bytes bytes = r.pack();
    FlaggedRecord flagged(bytes);
    const RecordLayout& layout = TriggerWhenRecord::layout();
    flagged.markAbsent(layout.flagIndex(layout.fields[TriggerWhenRecord::Next]));
    flagged.markAbsent(layout.flagIndex(layout.fields[TriggerWhenRecord::Subject]));
    const TriggerWhenRecord back = TriggerWhenRecord::read(flagged, 3);
    EXPECT_EQ(back.next, 0);
    EXPECT_EQ(back.parameters, (TriggerParameters{1, 0, 3, 4}));
    EXPECT_EQ(back.id, 5);
}

// Which parts of the two words each action kind keeps, from the record rules.
const std::set<int> kAllBytes = {1, 6, 27, 4, 5, 24, 25, 30, 34};
const std::set<int> kA012 = {8, 9, 18, 23, 31};
const std::set<int> kA01 = {7, 14, 15, 16, 17, 22, 28, 48};
const std::set<int> kA1 = {49};
const std::set<int> kA0 = {3, 19, 26, 33, 35, 36, 37, 38, 42, 44, 45, 46, 47, 51};
const std::set<int> kWholeB = {1, 7, 8, 9, 16, 19, 22, 23, 24, 27, 32, 46, 49, 50};
const std::set<int> kB0 = {3, 4, 5, 14, 15};

std::array<bool, 4> expectedWord1(int kind)
{
    if (in(kAllBytes, kind))
        return {true, true, true, true};
    if (in(kA012, kind))
        return {true, true, true, false};
    if (in(kA01, kind))
        return {true, true, false, false};
    if (in(kA1, kind))
        return {false, true, false, false};
    if (in(kA0, kind))
        return {true, false, false, false};
    return {false, false, false, false};
}

TEST(TriggerActionRecordTest, EveryKindKeepsExactlyItsParameterBytes)
{
    const std::array<uint8_t, 4> a = {0xA1, 0xB2, 0xC3, 0xD4};
    const uint32_t b = 0x55667788;
    for (int kind = 0; kind < 52; ++kind) {
        SCOPED_TRACE(testing::Message() << "kind " << kind);
        TriggerActionRecord r;
        r.kind = uint8_t(kind);
        r.parameters.a = a;
        r.parameters.b = b;
        r.id = -300;
        r.next = 12;
        const Bytes bytes = r.pack();
        ASSERT_EQ(bytes.size(), 16u);

        const std::array<bool, 4> kept = expectedWord1(kind);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(bytes[i], kept[i] ? a[i] : 0) << "a" << i;
        uint32_t storedB = 0;
        if (in(kWholeB, kind) || kind == 2) // Create Portal Gem writes its computed word
            storedB = b;
        else if (in(kB0, kind))
            storedB = 0x88;
        EXPECT_EQ(loadU32(&bytes[4]), storedB);
        EXPECT_EQ(loadI16(&bytes[8]), -300);
        EXPECT_EQ(loadI16(&bytes[10]), 12);
        EXPECT_EQ(loadU16(&bytes[12]), 0) << "reserved";
        EXPECT_EQ(bytes[14], kind);
        EXPECT_EQ(bytes[15], 0) << "reserved";

        const TriggerActionRecord back = TriggerActionRecord::read(FlaggedRecord(bytes));
        EXPECT_EQ(back.kind, kind);
        EXPECT_EQ(back.id, -300);
        EXPECT_EQ(back.next, 12);
        EXPECT_EQ(back.parameters.a, (std::array<uint8_t, 4>{bytes[0], bytes[1], bytes[2], bytes[3]}));
        EXPECT_EQ(back.parameters.b, kind == 2 ? 0u : storedB) << "a computed word is not taken back";
    }
}

TEST(TriggerActionRecordTest, ReservedFieldsAreIgnoredWhenRead)
{
    Bytes bytes(16, 0xEE);
    bytes[14] = 10; // Win Game: no parameters
    storeU16(&bytes[8], uint16_t(-4));
    storeU16(&bytes[10], 0);
    const TriggerActionRecord r = TriggerActionRecord::read(FlaggedRecord(bytes));
    EXPECT_EQ(r.id, -4);
    EXPECT_EQ(r.parameters, ActionParameters{});
    EXPECT_EQ(r.pack(), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0xFC, 0xFF, 0, 0, 0, 0, 10, 0}));
}

TEST(TriggerActionRecordTest, ObjectiveZeroReadsAsKillPlayerThree)
{
    TriggerActionRecord r;
    r.kind = 15;
    r.parameters.a = {5, 0, 0, 0};
    r.parameters.b = 9;
    TriggerActionRecord back = TriggerActionRecord::read(FlaggedRecord(r.pack()));
    EXPECT_EQ(back.parameters.a[1], 19);
    EXPECT_EQ(back.parameters.a[0], 3);
    EXPECT_EQ(back.parameters.b, 9u);

    r.parameters.a = {5, 23, 0, 0}; // any other objective stays as written
    back = TriggerActionRecord::read(FlaggedRecord(r.pack()));
    EXPECT_EQ(back.parameters.a[0], 5);
    EXPECT_EQ(back.parameters.a[1], 23);
}

} // namespace
} // namespace gr2
