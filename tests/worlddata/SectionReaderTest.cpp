#include "worlddata/SectionReader.h"
#include "support/ScriptedPrompter.h"
#include "support/TempDir.h"
#include "worlddata/SectionWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::ScriptedPrompter;
using test::TempDir;
using ::testing::ElementsAre;

Bytes filledRecord(uint32_t size, uint8_t seed)
{
    Bytes r(size);
    for (uint32_t i = 0; i < size; ++i)
        r[i] = uint8_t(seed + i * 7);
    return r;
}

SectionInfo someInfo()
{
    SectionInfo info;
    info.created = DateStamp{2001, 2, 3, 4, 5, 6};
    info.saved = DateStamp{2002, 7, 8, 9, 10, 11};
    return info;
}

/// Collects what a reader delivers so tests can compare it with what was written.
struct Collected {
    std::vector<Bytes> terrain;
    std::vector<SectionInfo> terrainHeaders;
    std::vector<Bytes> players;
    std::vector<Bytes> variables;
    std::vector<std::pair<uint32_t, Bytes>> things;
    std::vector<std::pair<uint32_t, Bytes>> triggerItems;
    std::vector<std::tuple<uint32_t, uint32_t, uint8_t>> elements;
    uint32_t mapWidth = 0, mapHeight = 0;
    Bytes description;
    std::vector<Bytes> resources;
    std::vector<uint32_t> creatures;
    std::vector<std::pair<Notification, bool>> notifications;

    RecordSink sink()
    {
        RecordSink s;
        s.notification = [this](Notification n, bool takes) { notifications.emplace_back(n, takes); };
        s.terrain.header = [this](const SectionInfo& i) {
            terrainHeaders.push_back(i);
            return true;
        };
        s.terrain.record = [this](const FlaggedRecord& r) {
            terrain.emplace_back(r.bytes().begin(), r.bytes().end());
            return true;
        };
        s.player.record = [this](const FlaggedRecord& r) {
            players.emplace_back(r.bytes().begin(), r.bytes().end());
            return true;
        };
        s.variable.record = [this](const FlaggedRecord& r) {
            variables.emplace_back(r.bytes().begin(), r.bytes().end());
            return true;
        };
        s.map.header = [this](uint32_t w, uint32_t h) {
            mapWidth = w;
            mapHeight = h;
            return true;
        };
        s.map.element = [this](uint32_t x, uint32_t y, const FlaggedRecord& r) {
            elements.emplace_back(x, y, r.bytes()[0]);
            return true;
        };
        auto thing = [this](ThingKind k) {
            return [this, k](const FlaggedRecord& r) {
                things.emplace_back(uint32_t(k), Bytes(r.bytes().begin(), r.bytes().end()));
                return true;
            };
        };
        s.thing.object = thing(ThingKind::Object);
        s.thing.door = thing(ThingKind::Door);
        s.thing.heroParty = thing(ThingKind::HeroParty);
        s.thing.actionPoint = thing(ThingKind::ActionPoint);
        s.thing.creatureGood = thing(ThingKind::CreatureGood);
        s.thing.unknown = [this](uint32_t kind, std::span<const uint8_t> payload) {
            things.emplace_back(kind, Bytes(payload.begin(), payload.end()));
            return true;
        };
        s.trigger.when = [this](const FlaggedRecord& r) {
            triggerItems.emplace_back(kTriggerWhenItem, Bytes(r.bytes().begin(), r.bytes().end()));
            return true;
        };
        s.trigger.action = [this](const FlaggedRecord& r) {
            triggerItems.emplace_back(kTriggerActionItem, Bytes(r.bytes().begin(), r.bytes().end()));
            return true;
        };
        s.level.header = [](const SectionInfo&) { return true; };
        s.level.description = [this](const FlaggedRecord& r) {
            description.assign(r.bytes().begin(), r.bytes().end());
            return true;
        };
        s.level.resource = [this](const FlaggedRecord& r) {
            resources.emplace_back(r.bytes().begin(), r.bytes().end());
            return true;
        };
        s.level.availableCreature = [this](const FlaggedRecord& r) {
            creatures.push_back(loadU32(r.bytes().data()));
            return true;
        };
        return s;
    }
};

class SectionReaderTest : public ::testing::Test {
protected:
    bool read(const Bytes& bytes, Collected& out, const std::string& name = "file.vwd")
    {
        auto path = dir / name;
        test::writeFile(path, bytes);
        return ReadSectionFile(path, out.sink(), prompter);
    }

    /// A terrain section written by hand with a chosen stored record size.
    static Bytes terrainSection(uint32_t count, uint32_t storedSize, uint8_t seed = 1)
    {
        Bytes out;
        SectionWriter w(out);
        w.beginSection(uint32_t(SectionId::Terrain));
        SectionInfo info = someInfo();
        info.count = count;
        w.headerBlock(headerBlockId(SectionId::Terrain), info);
        w.blockHeader(dataBlockId(SectionId::Terrain), count * storedSize);
        for (uint32_t i = 0; i < count; ++i)
            w.raw(filledRecord(storedSize, uint8_t(seed + i)));
        w.endSection();
        return out;
    }

    TempDir dir;
    ScriptedPrompter prompter;
};

TEST_F(SectionReaderTest, EmptyFileSucceedsAndDeliversNothing)
{
    Collected c;
    EXPECT_TRUE(read({}, c));
    EXPECT_TRUE(c.terrain.empty());
    EXPECT_TRUE(c.notifications.empty());
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(SectionReaderTest, EverySectionKindReadsBackWhatWasWritten)
{
    Bytes file;
    std::vector<Bytes> terrain = {filledRecord(RecordSize::Terrain, 3), filledRecord(RecordSize::Terrain, 9)};
    writeRecordSection(file, SectionId::Terrain, someInfo(), RecordSize::Terrain, terrain);
    std::vector<Bytes> players = {filledRecord(RecordSize::Player, 5)};
    writeRecordSection(file, SectionId::Player, someInfo(), RecordSize::Player, players);

    Bytes elements;
    for (uint8_t i = 0; i < 6; ++i)
        for (uint8_t b : {uint8_t(i + 10), uint8_t(2), uint8_t(0), uint8_t(0)})
            elements.push_back(b);
    writeMapSection(file, 3, 2, elements);

    std::vector<ThingItem> things = {{uint32_t(ThingKind::Object), filledRecord(24, 1)},
                                     {uint32_t(ThingKind::Door), filledRecord(20, 2)},
                                     {999, filledRecord(7, 3)},
                                     {uint32_t(ThingKind::CreatureGood), filledRecord(32, 4)}};
    writeThingSection(file, someInfo(), things);

    std::vector<ThingItem> items = {{kTriggerWhenItem, filledRecord(16, 1)},
                                    {kTriggerActionItem, filledRecord(16, 2)},
                                    {kTriggerActionItem, filledRecord(16, 3)}};
    writeTriggerSection(file, TriggerSectionInfo{}, items);

    Bytes description = filledRecord(RecordSize::LevelDescription, 8);
    std::vector<Bytes> resources = {filledRecord(72, 1), filledRecord(72, 2)};
    std::vector<uint32_t> creatures = {4, 7, 9};
    writeLevelSection(file, SectionInfo::forLevel(0, 0, kLevelFormatVersion, {}, {}), description, resources,
                      creatures);

    Collected c;
    ASSERT_TRUE(read(file, c));
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_EQ(c.terrain, terrain);
    ASSERT_EQ(c.terrainHeaders.size(), 1u);
    EXPECT_EQ(c.terrainHeaders[0].count, 2u);
    EXPECT_EQ(c.terrainHeaders[0].created, someInfo().created);
    EXPECT_EQ(c.players, players);
    EXPECT_EQ(c.mapWidth, 3u);
    EXPECT_EQ(c.mapHeight, 2u);
    ASSERT_EQ(c.elements.size(), 6u);
    EXPECT_EQ(c.elements[4], std::make_tuple(1u, 1u, uint8_t(14)));
    ASSERT_EQ(c.things.size(), 4u);
    for (size_t i = 0; i < things.size(); ++i) {
        EXPECT_EQ(c.things[i].first, things[i].kind);
        EXPECT_EQ(c.things[i].second, things[i].record);
    }
    ASSERT_EQ(c.triggerItems.size(), 3u);
    EXPECT_EQ(c.triggerItems[2].second, items[2].record);
    EXPECT_EQ(c.description, description);
    EXPECT_EQ(c.resources, resources);
    EXPECT_EQ(c.creatures, creatures);
    EXPECT_THAT(
        c.notifications,
        ElementsAre(std::pair(Notification::TerrainBegin, true), std::pair(Notification::TerrainEnd, true),
                    std::pair(Notification::PlayerBegin, true), std::pair(Notification::PlayerEnd, true),
                    std::pair(Notification::MapBegin, true), std::pair(Notification::MapEnd, true),
                    std::pair(Notification::TriggerBegin, true), std::pair(Notification::TriggerEnd, true),
                    std::pair(Notification::LevelBegin, true), std::pair(Notification::LevelEnd, true)));
}

TEST_F(SectionReaderTest, WriterLengthsFollowTheLayoutRules)
{
    Bytes file;
    std::vector<ThingItem> items = {{kTriggerWhenItem, filledRecord(16, 1)},
                                    {kTriggerActionItem, filledRecord(16, 2)},
                                    {kTriggerActionItem, filledRecord(16, 3)}};
    writeTriggerSection(file, TriggerSectionInfo{}, items);
    EXPECT_EQ(file.size(), 60u + 24u * 3);
    EXPECT_EQ(loadU32(file.data() + 8), 60u + 24u * 3); // exact section length
    EXPECT_EQ(loadU32(file.data() + 12 + 40 + 4), 16u); // data block: triggers × 16
    EXPECT_EQ(loadU32(file.data() + 12 + 8), 1u);       // trigger count
    EXPECT_EQ(loadU32(file.data() + 12 + 12), 2u);      // action count

    Bytes things;
    writeThingSection(things, someInfo(), std::vector<ThingItem>{{uint32_t(ThingKind::Trap), Bytes(16, 1)}});
    EXPECT_EQ(loadU32(things.data() + 12 + 36 + 4), 8u + 16u); // items with their headers
    EXPECT_EQ(loadU32(things.data() + 8), things.size());
}

TEST_F(SectionReaderTest, SectionWithoutRecordEntryIsSkippedAndLaterSectionsRead)
{
    Bytes file;
    writeRecordSection(file, SectionId::Room, someInfo(), RecordSize::Room,
                       std::vector<Bytes>{filledRecord(RecordSize::Room, 1)});
    writeRecordSection(file, SectionId::Terrain, someInfo(), RecordSize::Terrain,
                       std::vector<Bytes>{filledRecord(RecordSize::Terrain, 1)});
    Collected c;
    ASSERT_TRUE(read(file, c));
    EXPECT_EQ(c.terrain.size(), 1u);
    EXPECT_EQ(c.notifications.front(), std::pair(Notification::RoomBegin, false));
}

TEST_F(SectionReaderTest, RecordCountZeroDeliversNothing)
{
    Collected c;
    ASSERT_TRUE(read(terrainSection(0, RecordSize::Terrain), c));
    EXPECT_TRUE(c.terrain.empty());
    EXPECT_EQ(c.terrainHeaders.size(), 1u);
}

TEST_F(SectionReaderTest, OlderShorterRecordsArriveZeroFilled)
{
    Collected c;
    ASSERT_TRUE(read(terrainSection(2, 400), c));
    ASSERT_EQ(c.terrain.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        Bytes expected = filledRecord(400, uint8_t(1 + i));
        expected.resize(RecordSize::Terrain, 0);
        EXPECT_EQ(c.terrain[i], expected);
    }
}

TEST_F(SectionReaderTest, LongerRecordsAreCutAndTheNextRecordStaysAligned)
{
    Bytes file = terrainSection(2, RecordSize::Terrain + 10);
    writeRecordSection(file, SectionId::Player, someInfo(), RecordSize::Player,
                       std::vector<Bytes>{filledRecord(RecordSize::Player, 4)});
    Collected c;
    ASSERT_TRUE(read(file, c));
    ASSERT_EQ(c.terrain.size(), 2u);
    Bytes second = filledRecord(RecordSize::Terrain + 10, 2);
    second.resize(RecordSize::Terrain);
    EXPECT_EQ(c.terrain[1], second);
    EXPECT_EQ(c.players.size(), 1u);
}

TEST_F(SectionReaderTest, TruncatedSectionKeepsItsWholeRecordsAndReportsRecordSectionAndFile)
{
    struct Case {
        SectionId section;
        uint32_t recordSize;
        uint32_t count;
        std::vector<Bytes> Collected::*delivered;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {SectionId::Terrain,
         RecordSize::Terrain,
         10,
         &Collected::terrain,
         {"Unable to read binary Terrain Type", "Unable to read Binary Terrain",
          "Unable to read Binary File"}},
        {SectionId::Player,
         RecordSize::Player,
         3,
         &Collected::players,
         {"Unable to read binary Player", "Unable to read Binary Player", "Unable to read Binary File"}},
        {SectionId::Variable,
         RecordSize::Variable,
         5,
         &Collected::variables,
         {"Unable to read binary Variable Type", "Unable to read Binary Variable",
          "Unable to read Binary File"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(sectionName(c.section));
        std::vector<Bytes> records;
        for (uint32_t i = 0; i < c.count; ++i)
            records.push_back(filledRecord(c.recordSize, uint8_t(i + 1)));
        Bytes file;
        writeRecordSection(file, c.section, someInfo(), c.recordSize, records);
        // Cut inside the last record: the payload length still claims it.
        file.resize(file.size() - c.recordSize / 2);
        prompter.clear();
        Collected got;
        EXPECT_FALSE(read(file, got));
        records.pop_back();
        ASSERT_EQ((got.*c.delivered).size(), records.size());
        EXPECT_TRUE(got.*c.delivered == records);
        EXPECT_EQ(prompter.texts(), c.messages);
    }
}

TEST_F(SectionReaderTest, LeftoverBytesOfARecordBlockAreSkippedSoTheNextSectionIsRead)
{
    struct Case {
        const char* what;
        uint32_t count;
        uint32_t extraBytes;
        size_t delivered;
    };
    const std::vector<Case> cases = {
        {"no records but a filled block", 0, 40, 0},
        // Fewer leftover bytes than records: the stored size is the current one, 2 bytes remain.
        {"payload not a multiple of the count", 3, 2, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file;
        SectionWriter w(file);
        w.beginSection(uint32_t(SectionId::Terrain));
        SectionInfo info = someInfo();
        info.count = c.count;
        w.headerBlock(headerBlockId(SectionId::Terrain), info);
        w.blockHeader(dataBlockId(SectionId::Terrain), c.count * RecordSize::Terrain + c.extraBytes);
        for (uint32_t i = 0; i < c.count; ++i)
            w.raw(filledRecord(RecordSize::Terrain, uint8_t(i + 1)));
        w.raw(Bytes(c.extraBytes, 0xEE));
        w.endSection();
        const std::vector<Bytes> players = {filledRecord(RecordSize::Player, 4)};
        writeRecordSection(file, SectionId::Player, someInfo(), RecordSize::Player, players);

        prompter.clear();
        Collected got;
        EXPECT_TRUE(read(file, got));
        EXPECT_TRUE(prompter.entries().empty());
        ASSERT_EQ(got.terrain.size(), c.delivered);
        for (size_t i = 0; i < c.delivered; ++i)
            EXPECT_EQ(got.terrain[i], filledRecord(RecordSize::Terrain, uint8_t(i + 1)));
        EXPECT_EQ(got.players, players);
    }
}

TEST_F(SectionReaderTest, FailureMessagesOfHeaderAndBlocks)
{
    struct Case {
        const char* what;
        std::function<void(Bytes&)> damage;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {"short section header",
         [](Bytes& f) { f.resize(5); },
         {"Unable to read binary File", "Unable to read Binary File"}},
        {"short header block",
         [](Bytes& f) { f.resize(20); },
         {"Unable to read binary Terrain Header", "Unable to read Binary Terrain",
          "Unable to read Binary File"}},
        {"wrong header id",
         [](Bytes& f) { storeU32(f.data() + 12, 5); },
         {"Expecting a Terrain Header block", "Unable to read Binary Terrain", "Unable to read Binary File"}},
        {"short data header",
         [](Bytes& f) { f.resize(50); },
         {"Unable to read binary Terrain", "Unable to read Binary Terrain", "Unable to read Binary File"}},
        {"wrong data id",
         [](Bytes& f) { storeU32(f.data() + 48, 5); },
         {"Expecting a Terrain block", "Unable to read Binary Terrain", "Unable to read Binary File"}},
        // Record count far beyond the payload: stored size 0 must not deliver endless zero records.
        {"count beyond payload",
         [](Bytes& f) { storeU32(f.data() + 20, 0xFFFFFFFFu); },
         {"Unable to read old binary Terrain Type", "Unable to read Binary Terrain",
          "Unable to read Binary File"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = terrainSection(1, RecordSize::Terrain);
        c.damage(file);
        prompter.clear();
        Collected got;
        EXPECT_FALSE(read(file, got));
        EXPECT_EQ(prompter.texts(), c.messages);
    }
}

TEST_F(SectionReaderTest, FailedSkipOfUntakenSectionReportsSkipMessage)
{
    Bytes file;
    writeRecordSection(file, SectionId::Shot, someInfo(), RecordSize::Shot,
                       std::vector<Bytes>{filledRecord(RecordSize::Shot, 1)});
    file.resize(file.size() - 1);
    Collected c;
    EXPECT_FALSE(read(file, c));
    EXPECT_THAT(prompter.texts(), ElementsAre("Unable to skip binary Shot Types",
                                              "Unable to read Binary Shot", "Unable to read Binary File"));
}

TEST_F(SectionReaderTest, CallbackReturningFalseStopsWithSectionAndFileMessages)
{
    Bytes file = terrainSection(3, RecordSize::Terrain);
    RecordSink sink;
    int seen = 0;
    sink.terrain.record = [&](const FlaggedRecord&) { return ++seen < 2; };
    test::writeFile(dir / "t.vwd", file);
    EXPECT_FALSE(ReadSectionFile(dir / "t.vwd", sink, prompter));
    EXPECT_EQ(seen, 2);
    EXPECT_THAT(prompter.texts(), ElementsAre("Unable to read Binary Terrain", "Unable to read Binary File"));
}

TEST_F(SectionReaderTest, UnknownSectionIsReportedAndSkipped)
{
    Bytes file;
    SectionWriter w(file);
    w.beginSection(555);
    w.raw(Bytes(13, 0xAB));
    w.endSection();
    Bytes terrain = terrainSection(1, RecordSize::Terrain);
    file.insert(file.end(), terrain.begin(), terrain.end());
    Collected c;
    ASSERT_TRUE(read(file, c));
    EXPECT_THAT(prompter.texts(), ElementsAre("Unknown Section"));
    EXPECT_EQ(c.terrain.size(), 1u);
}

TEST_F(SectionReaderTest, UnknownSectionWithImpossibleLengthFailsInsteadOfLooping)
{
    for (uint32_t total : {0u, 11u, 1000u}) {
        SCOPED_TRACE(total);
        Bytes file(20, 0);
        storeU32(file.data(), 555);
        storeU32(file.data() + 4, 4);
        storeU32(file.data() + 8, total);
        prompter.clear();
        Collected c;
        EXPECT_FALSE(read(file, c));
        EXPECT_THAT(prompter.texts(), ElementsAre("Unknown Section", "Unable to skip unknown Binary Section",
                                                  "Unable to read Binary File"));
    }
}

TEST_F(SectionReaderTest, ExtensionCandidatesAreTriedInOrderIgnoringCase)
{
    Bytes file = terrainSection(1, RecordSize::Terrain);
    test::writeFile(dir / "level.vld", file);
    test::writeFile(dir / "LEVEL.Vwd", terrainSection(2, RecordSize::Terrain));
    Collected c;
    ASSERT_TRUE(OpenWorldFile((dir / "level").string(), c.sink(), prompter));
    EXPECT_EQ(c.terrain.size(), 2u); // the VWD candidate wins

    test::writeFile(dir / "only.vlf", file);
    Collected none;
    EXPECT_FALSE(OpenWorldFile((dir / "only").string(), none.sink(), prompter));
    EXPECT_TRUE(prompter.entries().empty());

    EXPECT_FALSE(OpenWorldFile((dir / "missing").string(), none.sink(), prompter));
    EXPECT_THAT(prompter.texts(), ElementsAre("Cannot open file"));

    prompter.clear();
    EXPECT_FALSE(ReadSectionFile(dir / "absent.vwd", none.sink(), prompter));
    EXPECT_THAT(prompter.texts(),
                ElementsAre("Unable to open Binary File '" + (dir / "absent.vwd").string() + "'"));
}

Bytes thingFile(const std::vector<ThingItem>& items)
{
    Bytes file;
    writeThingSection(file, someInfo(), items);
    return file;
}

TEST_F(SectionReaderTest, HeroPartyOldLayoutsAreConverted)
{
    Bytes veryOld = filledRecord(264, 1), old = filledRecord(268, 2), named = filledRecord(300, 3);
    Bytes current = filledRecord(555, 4);
    Collected c;
    ASSERT_TRUE(read(thingFile({{201, veryOld}, {201, old}, {201, named}, {201, current}}), c));
    ASSERT_EQ(c.things.size(), 4u);
    auto check = [](const Bytes& got, const Bytes& src, size_t members, bool hasName) {
        ASSERT_EQ(got.size(), 555u);
        EXPECT_EQ(got[32], src[0]);
        EXPECT_EQ(got[33], src[1]);
        EXPECT_EQ(got[34], src[2]);
        EXPECT_TRUE(std::equal(got.begin() + 43, got.begin() + 299, src.begin() + members));
        EXPECT_TRUE(std::all_of(got.begin() + 299, got.end(), [](uint8_t b) { return b == 0; }));
        if (hasName)
            EXPECT_TRUE(std::equal(got.begin(), got.begin() + 32, src.begin() + 268));
        else
            EXPECT_TRUE(std::all_of(got.begin(), got.begin() + 32, [](uint8_t b) { return b == 0; }));
    };
    check(c.things[0].second, veryOld, 8, false);
    check(c.things[1].second, old, 12, false);
    check(c.things[2].second, named, 12, true);
    EXPECT_EQ(c.things[3].second, current);
}

TEST_F(SectionReaderTest, ThingItemsOfOtherSizesStayAligned)
{
    // A door stored short is zero-filled, an object stored long is cut, and the items after them
    // start where the stored payloads end.
    Bytes shortDoor = filledRecord(12, 1), longObject = filledRecord(30, 2), oldPoint = filledRecord(40, 3);
    Bytes good = filledRecord(32, 4);
    Collected c;
    ASSERT_TRUE(read(thingFile({{196, shortDoor}, {194, longObject}, {197, oldPoint}, {199, good}}), c));
    ASSERT_EQ(c.things.size(), 4u);
    Bytes door = shortDoor;
    door.resize(20, 0);
    EXPECT_EQ(c.things[0].second, door);
    EXPECT_EQ(c.things[1].second, Bytes(longObject.begin(), longObject.begin() + 24));
    Bytes point = oldPoint;
    point.resize(56, 0);
    EXPECT_EQ(c.things[2].second, point);
    EXPECT_EQ(c.things[3].second, good);
}

TEST_F(SectionReaderTest, ThingFailuresNameTheKind)
{
    struct Case {
        std::vector<ThingItem> items;
        size_t cut;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases = {
        {{{201, filledRecord(264, 1)}},
         10,
         {"Unable to read very old binary Thing Hero Party", "Unable to read Thing Hero Party",
          "Unable to read Binary Thing", "Unable to read Binary File"}},
        {{{197, filledRecord(40, 1)}},
         10,
         {"Unable to read old binary Thing Action Point", "Unable to read Thing Action Point",
          "Unable to read Binary Thing", "Unable to read Binary File"}},
        {{{195, filledRecord(16, 1)}},
         4, // trap: not taken by the sink, so it is skipped
         {"Unable to skip binary Thing Trap", "Unable to read Thing Trap", "Unable to read Binary Thing",
          "Unable to read Binary File"}},
        {{{999, filledRecord(16, 1)}},
         4,
         {"Unable to read binary Thing Unknown", "Unable to read Thing Unknown",
          "Unable to read Binary Thing", "Unable to read Binary File"}},
        {{{194, filledRecord(24, 1)}},
         30,
         {"Unable to read binary Thing Data Header", "Unable to read Binary Thing",
          "Unable to read Binary File"}},
    };
    for (const Case& tc : cases) {
        Bytes file = thingFile(tc.items);
        file.resize(file.size() - tc.cut);
        prompter.clear();
        Collected c;
        EXPECT_FALSE(read(file, c));
        EXPECT_EQ(prompter.texts(), tc.messages);
    }
}

TEST_F(SectionReaderTest, HugeItemCountsEndAtTheFileEnd)
{
    Bytes file = thingFile({{194, filledRecord(24, 1)}});
    storeU32(file.data() + 20, 0xFFFFFFFFu); // thing count
    Collected c;
    EXPECT_FALSE(read(file, c));
    EXPECT_EQ(c.things.size(), 1u);

    Bytes triggers;
    writeTriggerSection(triggers, TriggerSectionInfo{}, std::vector<ThingItem>{{213, Bytes(16, 1)}});
    storeU32(triggers.data() + 20, 0xFFFFFFFFu);
    storeU32(triggers.data() + 24, 0xFFFFFFFFu);
    prompter.clear();
    Collected t;
    EXPECT_FALSE(read(triggers, t));
    EXPECT_EQ(t.triggerItems.size(), 1u);
    EXPECT_THAT(prompter.texts(), ElementsAre("Unable to read binary Trigger Data Header",
                                              "Unable to read Binary Trigger", "Unable to read Binary File"));
}

TEST_F(SectionReaderTest, MapIsDeliveredInRowOrderAcrossChunks)
{
    const uint32_t w = 200, h = 200;
    Bytes elements(size_t(w) * h * 4);
    for (size_t i = 0; i < size_t(w) * h; ++i)
        elements[i * 4] = uint8_t(i % 251);
    Bytes file;
    writeMapSection(file, w, h, elements);
    Collected c;
    ASSERT_TRUE(read(file, c));
    ASSERT_EQ(c.elements.size(), size_t(w) * h);
    for (size_t i = 0; i < c.elements.size(); i += 997) {
        EXPECT_EQ(std::get<0>(c.elements[i]), i % w);
        EXPECT_EQ(std::get<1>(c.elements[i]), i / w);
        EXPECT_EQ(std::get<2>(c.elements[i]), uint8_t(i % 251));
    }
}

TEST_F(SectionReaderTest, MapRowsAreHandedOverWholeInOrderInsteadOfElements)
{
    const uint32_t w = 5, h = 3;
    Bytes elements(size_t(w) * h * 4);
    for (size_t i = 0; i < elements.size(); ++i)
        elements[i] = uint8_t(i * 7);
    Bytes file;
    writeMapSection(file, w, h, elements);
    Collected c;
    RecordSink sink = c.sink();
    std::vector<std::pair<uint32_t, Bytes>> rows;
    sink.map.row = [&](uint32_t y, std::span<const uint8_t> row) {
        rows.emplace_back(y, Bytes(row.begin(), row.end()));
        return true;
    };
    test::writeFile(dir / "rows.vld", file);
    ASSERT_TRUE(ReadSectionFile(dir / "rows.vld", sink, prompter));
    EXPECT_TRUE(c.elements.empty()) << "a sink that takes rows is not also sent elements";
    ASSERT_EQ(rows.size(), size_t(h));
    for (uint32_t y = 0; y < h; ++y) {
        EXPECT_EQ(rows[y].first, y);
        EXPECT_EQ(rows[y].second, Bytes(elements.begin() + y * w * 4, elements.begin() + (y + 1) * w * 4));
    }

    // A map of no elements hands over no rows, even when its height is as large as it can be.
    Bytes empty;
    writeMapSection(empty, 0, 0, {});
    storeU32(empty.data() + 24, 0xFFFFFFFFu);
    test::writeFile(dir / "empty.vld", empty);
    rows.clear();
    ASSERT_TRUE(ReadSectionFile(dir / "empty.vld", sink, prompter));
    EXPECT_TRUE(rows.empty());

    // A row sink that stops ends the read at that row.
    rows.clear();
    sink.map.row = [&](uint32_t y, std::span<const uint8_t> row) {
        rows.emplace_back(y, Bytes(row.begin(), row.end()));
        return y < 1;
    };
    EXPECT_FALSE(ReadSectionFile(dir / "rows.vld", sink, prompter));
    EXPECT_EQ(rows.size(), 2u);
}

TEST_F(SectionReaderTest, MapWhoseSizeDisagreesWithItsDataIsRefused)
{
    Bytes file;
    writeMapSection(file, 4, 4, Bytes(64, 1));
    // width × height overflows 32 bits to the same 16 elements: only a 64-bit product catches it.
    storeU32(file.data() + 20, 0x40000001u);
    storeU32(file.data() + 24, 16);
    Collected c;
    EXPECT_FALSE(read(file, c));
    EXPECT_TRUE(c.elements.empty());
    EXPECT_THAT(prompter.texts(), ElementsAre("Unable to read binary Map Element(s)",
                                              "Unable to read Binary Map", "Unable to read Binary File"));

    prompter.clear();
    RecordSink rowSink = c.sink();
    bool rowSeen = false;
    rowSink.map.row = [&](uint32_t, std::span<const uint8_t>) { return rowSeen = true; };
    test::writeFile(dir / "rows.vld", file);
    EXPECT_FALSE(ReadSectionFile(dir / "rows.vld", rowSink, prompter));
    EXPECT_FALSE(rowSeen);
    EXPECT_THAT(prompter.texts(), ElementsAre("Unable to read binary Map Element(s)",
                                              "Unable to read Binary Map", "Unable to read Binary File"));
}

TEST_F(SectionReaderTest, OlderLevelDescriptionIsZeroFilled)
{
    Bytes file;
    SectionWriter w(file);
    w.beginSection(uint32_t(SectionId::Level));
    w.headerBlock(kLevelHeaderBlock, SectionInfo::forLevel(1, 1, kLevelFormatVersion, {}, {}));
    Bytes oldDescription = filledRecord(1000, 5);
    w.item(kLevelDescriptionBlock, oldDescription);
    w.blockHeader(kLevelBlock, 76);
    w.raw(filledRecord(72, 1));
    appendU32(file, 12);
    w.endSection();
    Collected c;
    ASSERT_TRUE(read(file, c));
    ASSERT_EQ(c.description.size(), RecordSize::LevelDescription);
    EXPECT_TRUE(std::equal(oldDescription.begin(), oldDescription.end(), c.description.begin()));
    EXPECT_EQ(c.description[1000], 0);
    EXPECT_THAT(c.creatures, ElementsAre(12u));
}

} // namespace
} // namespace gr2
