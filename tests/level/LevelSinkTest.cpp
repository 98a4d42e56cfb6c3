#include "level/LevelSink.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelDescriptionRecord.h"
#include "level/LevelRecords.h"
#include "level/PlayerRecord.h"
#include "level/ThingRecords.h"
#include "support/LevelBuilder.h"
#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptedPrompter;
using namespace test::TestCreature;

Bytes variableRecord(uint32_t id, int32_t a, int32_t b = 0, int32_t c = 0)
{
    Bytes r(16);
    storeU32(r.data(), id);
    storeU32(r.data() + 4, uint32_t(a));
    storeU32(r.data() + 8, uint32_t(b));
    storeU32(r.data() + 12, uint32_t(c));
    return r;
}

struct SinkFixture : ::testing::Test {
    LevelBuilder b{12, 12};
    ScriptedPrompter prompter;
    LevelSink sink{b.doc(), prompter};

    void setVersion(double v) { b.doc().setVersion(v); }
};

using LevelSinkTest = SinkFixture;

TEST_F(LevelSinkTest, MapHeaderRefusesEmptyAndHugeMaps)
{
    EXPECT_FALSE(sink.mapHeader(0, 10));
    EXPECT_FALSE(sink.mapHeader(10, 0));
    EXPECT_FALSE(sink.mapHeader(CWorldEditorDoc::kMaxMapSide + 1, 2));
    EXPECT_TRUE(sink.mapHeader(30, 20));
    EXPECT_EQ(b.doc().cellCount(), 600u);
}

TEST_F(LevelSinkTest, NeutralTilesAreConvertedOnLoad)
{
    struct Case {
        uint8_t terrain, owner, stored;
    };
    const Case cases[] = {{8, 2, 3}, {9, 2, 2}, {32, 2, 31}, {8, 3, 8}, {9, 1, 9}, {7, 2, 7}};
    for (const Case& c : cases) {
        const uint8_t element[4] = {c.terrain, c.owner, 1, 0};
        ASSERT_TRUE(sink.mapElement(3, 4, FlaggedRecord(element)));
        EXPECT_EQ(b.doc().GetTerrain({3, 4}), c.stored) << int(c.terrain) << "/" << int(c.owner);
        EXPECT_EQ(b.doc().GetOwner({3, 4}), c.owner);
    }
    const uint8_t element[4] = {5, 5, 0, 0};
    EXPECT_TRUE(sink.mapElement(500, 500, FlaggedRecord(element))) << "outside the map: ignored";

    // A whole row takes the same conversion, tile by tile; tiles past the map's width are ignored.
    Bytes row;
    for (const Case& c : cases)
        row.insert(row.end(), {c.terrain, c.owner, 1, 0});
    row.resize(14 * 4, 6);
    const uint8_t nextRow = b.doc().GetTerrain({0, 6});
    ASSERT_TRUE(sink.mapRow(5, row));
    for (size_t x = 0; x < std::size(cases); ++x) {
        EXPECT_EQ(b.doc().GetTerrain({int32_t(x), 5}), cases[x].stored) << x;
        EXPECT_EQ(b.doc().GetOwner({int32_t(x), 5}), cases[x].owner) << x;
    }
    EXPECT_EQ(b.doc().GetTerrain({11, 5}), 6);
    EXPECT_EQ(b.doc().GetTerrain({0, 6}), nextRow) << "the row does not run on into the next";
    EXPECT_TRUE(sink.mapRow(500, row)) << "a row below the map: ignored";
}

TEST(LevelSinkPlayersTest, PlayerRecordsCreatePlayersWithTheColourOfTheirCreationId)
{
    test::TestLevelTypes types;
    CWorldEditorDoc doc(types);
    ScriptedPrompter prompter;
    LevelSink sink(doc, prompter);
    for (uint8_t id : {1, 2, 4}) {
        CPlayer source(nullptr, id);
        source.setName(id == 4 ? "Dark One" : "");
        source.setStartingGold(1234);
        source.setCameraStart({7, 8});
        source.computerSettings()[10] = 99;
        ASSERT_TRUE(sink.player(FlaggedRecord(PlayerRecord::pack(source))));
    }
    ASSERT_EQ(doc.PlayerCount(), 3u);
    const CPlayer& p4 = *doc.FindPlayer(4);
    EXPECT_EQ(p4.name(), "Dark One");
    EXPECT_EQ(p4.colour(), CPlayer::defaultColour(3)) << "created with the lowest free id";
    EXPECT_EQ(doc.FindPlayer(1)->name(), "Good Player") << "an empty stored name gives the default";
    EXPECT_EQ(p4.startingGold(), 1234);
    EXPECT_EQ(p4.cameraStart(), (TilePoint{7, 8}));
    EXPECT_EQ(p4.computerSettings()[10], 99);

    Bytes zero = PlayerRecord::pack(CPlayer(nullptr, 0));
    EXPECT_FALSE(sink.player(FlaggedRecord(zero)));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Invalid Player ID!"});
}

TEST_F(LevelSinkTest, CreaturesOnTheMapBelongToNoParty)
{
    CCreature source(&b.doc(), Knight);
    source.setPosition({3, 3});
    source.setPartyId(7);
    source.setFlag1(CreatureFlag1::Leader, true);
    source.setObjective(0);
    Bytes rec = ThingRecords::packCreatureGood(source, b.types());
    rec[27] = 0; // a stored objective of 0
    ASSERT_TRUE(sink.creatureGood(FlaggedRecord(rec)));
    ASSERT_EQ(b.doc().creatures().size(), 1u);
    const CCreature& c = *b.doc().creatures()[0];
    EXPECT_EQ(c.partyId(), kNoParty);
    EXPECT_FALSE(c.hasFlag1(CreatureFlag1::Leader));
    EXPECT_EQ(c.objective(), 19);
    EXPECT_EQ(c.objectiveTarget(), 3);
    b.doc().DeleteCreature(b.doc().creatures()[0].get(), true);
    EXPECT_TRUE(b.doc().creatures().empty()) << "deletable like any map creature";
}

TEST_F(LevelSinkTest, VersionOneLevelsStoreAbsoluteHealthAndGold)
{
    CCreature source(&b.doc(), Knight); // max health 300, max gold 1000
    source.setPosition({3, 3});
    Bytes rec = ThingRecords::packCreatureNeutral(source, b.types());
    storeU32(rec.data() + 16, 150);
    storeU16(rec.data() + 12, 2500);
    setVersion(1.5);
    ASSERT_TRUE(sink.creatureNeutral(FlaggedRecord(rec)));
    EXPECT_EQ(b.doc().creatures()[0]->health(), 50);
    EXPECT_EQ(b.doc().creatures()[0]->goldHeld(), 100);
    setVersion(3.0);
    ASSERT_TRUE(sink.creatureNeutral(FlaggedRecord(rec)));
    EXPECT_EQ(b.doc().creatures()[1]->health(), 100) << "percent, at most 100";
}

TEST_F(LevelSinkTest, RecordsOutsideTheMapAreDroppedSilently)
{
    CCreature source(&b.doc(), Imp);
    source.setPosition({-4, 3});
    EXPECT_TRUE(sink.creatureEvil(FlaggedRecord(ThingRecords::packCreatureEvil(source, b.types()))));
    EXPECT_TRUE(b.doc().creatures().empty());
    EXPECT_TRUE(prompter.entries().empty());
}

TEST_F(LevelSinkTest, OldObjectsOfType7AreConverted)
{
    CObjectThing source(&b.doc(), 7);
    source.setPosition({2, 2});
    Bytes rec = ThingRecords::packObject(source);
    rec[12] = 17;
    ASSERT_TRUE(sink.object(FlaggedRecord(rec)));
    EXPECT_EQ(b.doc().objects()[0]->type(), 129);
}

TEST_F(LevelSinkTest, RoomRecordsNeedTheirTerrainOnTheMap)
{
    b.playersUpTo(3);
    b.paint({4, 4, 6, 6}, TerrainId::Portal, 3);
    ThingRecords::RoomRecord portal{{5, 5}, 0, 60, TerrainId::Portal, 3};
    ThingRecords::RoomRecord stale{{8, 8}, 0, 60, TerrainId::Portal, 3};
    ThingRecords::RoomRecord noOwner{{5, 5}, 0, 60, TerrainId::Portal, 9};
    for (const auto& r : {portal, stale, noOwner})
        ASSERT_TRUE(sink.room(FlaggedRecord(ThingRecords::packRoom(r))));
    ASSERT_EQ(b.doc().FindPlayer(3)->portals().size(), 1u);
    EXPECT_EQ(b.doc().FindPlayer(3)->portals()[0].health, 60);

    setVersion(1.0);
    ASSERT_TRUE(sink.room(FlaggedRecord(ThingRecords::packRoom(portal))));
    EXPECT_EQ(b.doc().FindPlayer(3)->portals()[1].health, 100) << "version-1 portals are at full health";
}

TEST_F(LevelSinkTest, OldActionPointsLoseTheHeroLairFlag)
{
    CActionPoint source(&b.doc(), 4);
    source.setFlags(ActionPointFlag::HeroLair | ActionPointFlag::ToolBox);
    Bytes rec = ThingRecords::packActionPoint(source);
    setVersion(2.3);
    ASSERT_TRUE(sink.actionPoint(FlaggedRecord(rec)));
    setVersion(3.0);
    ASSERT_TRUE(sink.actionPoint(FlaggedRecord(rec)));
    EXPECT_EQ(b.doc().actionPoints()[0]->flags(), ActionPointFlag::ToolBox);
    EXPECT_EQ(b.doc().actionPoints()[1]->flags(), ActionPointFlag::HeroLair | ActionPointFlag::ToolBox);
    EXPECT_EQ(b.doc().actionPoints()[0]->id(), 4);
}

TEST_F(LevelSinkTest, HeroPartyWithAnIdBeyondTheTableTakesAFreeSlot)
{
    CHeroParty source(&b.doc(), 0);
    auto m = std::make_unique<CCreature>(&b.doc(), Knight);
    source.addMember(m);
    Bytes rec = ThingRecords::packHeroParty(source, b.types());
    rec[34] = 40;
    ASSERT_TRUE(sink.heroParty(FlaggedRecord(rec)));
    ASSERT_TRUE(b.doc().HeroPartyAt(0));
    EXPECT_EQ(b.doc().HeroPartyAt(0)->member(0)->partyId(), 0);
    EXPECT_EQ(b.doc().HeroPartyAt(0)->member(0)->ownerId(), PlayerId::Good);
}

TEST_F(LevelSinkTest, VariableRecords)
{
    b.playersUpTo(4);
    CWorldEditorDoc& doc = b.doc();
    sink.variableHeader(SectionInfo{});
    const Bytes records[] = {
        variableRecord(1, Warlock, 6, 4),         // pool of Vorlan 4
        variableRecord(2, (3 << 16) | 4, 2, 0),   // door 2 unavailable to Vorlan 3
        variableRecord(2, (3 << 16) | 2, Imp, 4), // a stored state 4 reads as 1
        variableRecord(66, 4, 3),                 // alliance
        variableRecord(66, 3, 4),                 // the same alliance again
        variableRecord(77, Knight, 4, 250),       // creature stat override
        variableRecord(77, Knight, 40, 1),        // level out of range: ignored
        variableRecord(241, 6144),                // rating 1.5
        variableRecord(242, 90),                  // average time
        variableRecord(67, 10240),                // fixed point: 2.5
        variableRecord(178, 2000),                // whole number
        variableRecord(19, 7),                    // not overridable: ignored
    };
    for (const Bytes& r : records)
        ASSERT_TRUE(sink.variable(FlaggedRecord(r)));
    EXPECT_EQ(doc.FindPlayer(4)->poolCount(Warlock), 6);
    EXPECT_EQ(doc.FindPlayer(3)->poolCount(Warlock), 0);
    EXPECT_EQ(doc.FindPlayer(3)->availabilityState(AvailabilityKind::Doors, 2), 0u);
    EXPECT_EQ(doc.FindPlayer(3)->availabilityState(AvailabilityKind::Creatures, Imp), 1u);
    EXPECT_EQ(doc.alliances().size(), 1u);
    ASSERT_TRUE(doc.variables().findCreatureStatOverride(Knight, 4));
    EXPECT_EQ(doc.variables().findCreatureStatOverride(Knight, 4)->value, 250);
    EXPECT_FALSE(doc.variables().findCreatureStatOverride(Knight, 40));
    EXPECT_DOUBLE_EQ(doc.properties().rating, 1.5);
    EXPECT_EQ(doc.properties().averageTime, 90);
    EXPECT_DOUBLE_EQ(doc.GetVariable(67), 2.5);
    EXPECT_DOUBLE_EQ(doc.GetVariable(178), 2000);
    EXPECT_DOUBLE_EQ(doc.GetVariable(19), 0);
    EXPECT_DOUBLE_EQ(doc.GetVariable(5000), 0);
}

TEST_F(LevelSinkTest, OldLevelsSetEveryVorlansPool)
{
    b.playersUpTo(4);
    setVersion(2.2);
    ASSERT_TRUE(sink.variable(FlaggedRecord(variableRecord(1, Imp, 3, 9))));
    EXPECT_EQ(b.doc().FindPlayer(3)->poolCount(Imp), 3);
    EXPECT_EQ(b.doc().FindPlayer(4)->poolCount(Imp), 3);
    EXPECT_EQ(b.doc().FindPlayer(1)->poolCount(Imp), 0);
}

TEST(LevelDescriptionTest, PropertiesRoundTrip)
{
    LevelProperties p;
    p.name = u"Hollow Deep";
    p.author = u"Someone";
    p.information = std::u16string(1023, u'x');
    p.ticksPerSecond = 20;
    p.soundCategory = "cave";
    p.lordOfTheLand = u"Lord";
    p.alternativeTerrainPath = "alt\\path";
    p.previousRewards = {1, 2, 3, 4, 5};
    p.nextRewards = {6, 7, 8, 12, 51};
    p.textIds = {1, 2, 3, 4, 5, 6, 7};
    p.speechIds = {-1, 2, 3, 4, 5};
    p.introductionOverrides[7] = {3, -9};
    p.textMessages[19] = u"last message";
    p.rootTrigger = 44;
    p.flags = LevelFlag::Skirmish | LevelFlag::Carried;
    p.soundTrack = 2;
    p.textTableId = 5;
    p.talismanPieces = 3;
    p.levelNumber = 9;
    p.secretOrSpecialNumber = 12;
    p.vidadSpeechId = 300;

    Bytes rec = LevelDescriptionRecord::pack(p, 5);
    ASSERT_EQ(rec.size(), 25683u);
    EXPECT_EQ(rec[25604], 3) << "number of players - 2";
    LevelProperties back;
    ScriptedPrompter prompter;
    LevelDescriptionRecord::unpack(FlaggedRecord(rec), LevelVersion{}, back, prompter);
    EXPECT_TRUE(prompter.entries().empty());
    EXPECT_EQ(LevelDescriptionRecord::pack(back, 5), rec);
    EXPECT_EQ(back.information.size(), 1023u);
    EXPECT_EQ(back.textMessages[19], u"last message");
    EXPECT_EQ(back.introductionOverrides[7].textId, -9);
}

TEST(LevelDescriptionTest, LoadTimeCorrections)
{
    LevelProperties p;
    p.previousRewards = {9, 1, 46, 0, 52};
    p.nextRewards = {0, 0, 0, 0, 10};
    p.flags = LevelFlag::SecretLevel | LevelFlag::SpecialLevel | LevelFlag::Skirmish;
    for (uint16_t ticks : {0, 51}) {
        p.ticksPerSecond = ticks;
        Bytes rec = LevelDescriptionRecord::pack(p, 3);
        LevelProperties back;
        back.flags = LevelFlag::Carried;
        ScriptedPrompter prompter;
        LevelDescriptionRecord::unpack(FlaggedRecord(rec), LevelVersion{2.4}, back, prompter);
        EXPECT_EQ(back.ticksPerSecond, 4);
        EXPECT_EQ(back.previousRewards, (std::array<uint8_t, 5>{0, 1, 0, 0, 0}));
        EXPECT_EQ(back.nextRewards[4], 0);
        EXPECT_EQ(back.flags, LevelFlag::Carried | LevelFlag::Skirmish)
            << "merged; old levels lose Secret and Special";
        EXPECT_EQ(prompter.texts(), (std::vector<std::string>{"Warning: Invalid Previous Reward (Index 1)\n",
                                                              "Warning: Invalid Previous Reward (Index 3)\n",
                                                              "Warning: Invalid Previous Reward (Index 5)\n",
                                                              "Warning: Invalid Next Reward (Index 5)\n"}));
    }
    LevelProperties current;
    ScriptedPrompter quiet;
    p.previousRewards = {};
    p.nextRewards = {};
    LevelDescriptionRecord::unpack(FlaggedRecord(LevelDescriptionRecord::pack(p, 3)), LevelVersion{3.0},
                                   current, quiet);
    EXPECT_TRUE(current.hasFlag(LevelFlag::SecretLevel));
}

TEST(LevelDescriptionTest, TextFieldsWithoutTerminatorAreBounded)
{
    Bytes rec(25683, 0);
    for (size_t i = 0; i < 64; ++i)
        storeU16(rec.data() + 2 * i, u'A'); // the name fills its field with no terminating zero
    for (size_t i = 0; i < 32; ++i)
        rec[25486 + i] = 'b';
    LevelProperties back;
    ScriptedPrompter prompter;
    LevelDescriptionRecord::unpack(FlaggedRecord(rec), LevelVersion{}, back, prompter);
    EXPECT_EQ(back.name, std::u16string(63, u'A'));
    EXPECT_EQ(back.description, u"");
    EXPECT_EQ(back.soundCategory, std::string(31, 'b'));
}

TEST(LevelDescriptionTest, SaveRecomputesTheFirstPersonFlag)
{
    LevelBuilder b;
    Bytes rec = LevelRecords::packLevelDescription(b.doc());
    EXPECT_TRUE(b.doc().properties().hasFlag(LevelFlag::VorlanWithoutFirstPerson));
    EXPECT_EQ(loadU16(rec.data() + 25484) & LevelFlag::VorlanWithoutFirstPerson,
              LevelFlag::VorlanWithoutFirstPerson);
    CCreature* c = b.doc().CreateCreature(Imp, 3, {2, 2}, true);
    b.doc().FindPlayer(3)->setForcedFirstPerson(c);
    LevelRecords::packLevelDescription(b.doc());
    EXPECT_FALSE(b.doc().properties().hasFlag(LevelFlag::VorlanWithoutFirstPerson));
    b.doc().DeleteCreature(c, true);
    EXPECT_EQ(b.doc().FindPlayer(3)->forcedFirstPerson(), nullptr) << "no pointer to a deleted creature";
}

TEST(LevelMapRecordTest, BridgeBaseAndElements)
{
    LevelBuilder b(6, 6);
    b.doc().StoreTile({2, 2}, test::TestTerrain::Bridge, 3);
    b.doc().StoreTile({2, 3}, test::TestTerrain::Water, 3);
    b.doc().StoreTile({3, 4}, test::TestTerrain::Bridge, 3);
    EXPECT_EQ(LevelRecords::bridgeBase(b.doc(), {2, 2}), 2);
    EXPECT_EQ(LevelRecords::bridgeBase(b.doc(), {3, 4}), 1) << "diagonal water does not count";
    EXPECT_EQ(LevelRecords::bridgeBase(b.doc(), {2, 3}), 1);
    Bytes elements = LevelRecords::packMapElements(b.doc());
    ASSERT_EQ(elements.size(), 36u * 4);
    const size_t at = (2 * 6 + 2) * 4;
    EXPECT_EQ((Bytes{elements[at], elements[at + 1], elements[at + 2], elements[at + 3]}),
              (Bytes{17, 3, 2, 0}));
}

} // namespace
} // namespace gr2
