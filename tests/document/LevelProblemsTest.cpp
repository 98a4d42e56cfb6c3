// The full validation of a level: each planted problem is reported with its rule and its place,
// and a sound level reports nothing.

#include "document/LevelProblems.h"
#include "support/LevelBuilder.h"
#include "support/LevelFileFixture.h"
#include "support/ScriptBuilder.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;
using test::TestCreature::Imp;
using test::TestTerrain::Path;
using test::TestTerrain::Rock;
using test::TestTerrain::Treasury;

/// A sound level: Vorlan 3 with a heart and a portal, an action point, a root trigger that tests
/// a flag an action sets. Each case plants one problem into it.
struct SoundLevel {
    explicit SoundLevel(uint32_t width = 16, uint32_t height = 16) : level(width, height)
    {
        level.heart(3, {4, 4}).portal(3, {10, 10});
        doc().AddActionPoint({2, 10, 3, 11}); // id 1
        LevelProperties props = doc().properties();
        props.rootTrigger = 1;
        doc().setProperties(props);
        CTrigger& root = script.trigger(1, 0, -1, uint8_t(TriggerKind::Flag));
        root.setSubject(0);
        root.setFlags(TriggerFlag::CompareWithValue);
        script.action(-1, 0, uint8_t(ActionKind::SetFlag)).setA(0, 0);
    }
    CWorldEditorDoc& doc() { return level.doc(); }
    /// Appends an action to the root trigger's child list, so it is reached.
    CAction& rootAction(int16_t id, ActionKind kind)
    {
        CAction& a = script.action(id, 0, uint8_t(kind));
        script.script().FindAction(int16_t(id + 1))->setNext(id);
        return a;
    }

    LevelBuilder level;
    ScriptBuilder script{level.doc()};
};

struct Expected {
    const char* code;
    ProblemSeverity severity;
    ProblemPlace place;
};

ProblemPlace player(int32_t id)
{
    return {ProblemPlaceKind::Player, id, {}, false};
}
ProblemPlace tile(int32_t x, int32_t y)
{
    return {ProblemPlaceKind::Tile, 0, {x, y}, true};
}
ProblemPlace action(int32_t id)
{
    return {ProblemPlaceKind::Action, id, {}, false};
}
ProblemPlace trigger(int32_t id)
{
    return {ProblemPlaceKind::Trigger, id, {}, false};
}

constexpr auto E = ProblemSeverity::Error;
constexpr auto W = ProblemSeverity::Warning;

TEST(LevelProblemsTest, SoundLevelReportsNothing)
{
    SoundLevel sound;
    const std::vector<LevelProblem> problems = validateLevel(sound.doc());
    for (const LevelProblem& p : problems)
        ADD_FAILURE() << p.code << ": " << p.message;
    EXPECT_FALSE(hasErrors(problems));
}

TEST(LevelProblemsTest, EachPlantedProblemIsReportedAtItsPlace)
{
    struct Case {
        const char* name;
        std::function<void(SoundLevel&)> plant;
        std::vector<Expected> expected;
        const char* messagePart; ///< a piece of the first problem's message
    };
    const std::vector<Case> cases{
        {"every Vorlan without a heart",
         [](SoundLevel& s) {
             s.level.playersUpTo(5);
             s.level.portal(5, {12, 4});
         },
         {{"missing-heart", E, player(4)}, {"missing-heart", E, player(5)}},
         "Vorlan 2 must have a Dungeon Heart!"},
        {"starting gold above capacity",
         [](SoundLevel& s) { s.doc().FindPlayer(3)->setStartingGold(1 << 20); },
         {{"starting-gold", E, player(3)}},
         "Starting Gold [ 1048576 ] for Vorlan 1 exceeds Dungeon capacity"},
        {"every objective zooming to a missing action point",
         [](SoundLevel& s) {
             s.rootAction(-2, ActionKind::DisplayObjective).setB(7);
             s.rootAction(-3, ActionKind::DisplayInformation).setB(9);
         },
         {{"missing-action-point", E, action(-2)}, {"missing-action-point", E, action(-3)}},
         "Action -2 [ Display Objective ] - Invalid Action Point ID"},
        {"other actions naming a missing action point",
         [](SoundLevel& s) { s.rootAction(-2, ActionKind::ZoomToActionPoint).setA(0, 33); },
         {{"missing-action-point", E, action(-2)}},
         "Action -2 [ Zoom To Action Point ] - Invalid Action Point ID"},
        {"a player that is not in the level",
         [](SoundLevel& s) {
             CAction& a = s.rootAction(-2, ActionKind::SetAlliance);
             a.setA(0, 3);
             a.setA(1, 7);
         },
         {{"missing-player", E, action(-2)}},
         "names player 7"},
        {"a hero party that does not exist",
         [](SoundLevel& s) {
             CAction& a = s.rootAction(-2, ActionKind::CreateHeroParty);
             a.setA(0, 3);
             a.setB(1);
         },
         {{"missing-hero-party", E, action(-2)}},
         "names Hero Party 4"},
        {"a tile outside the map",
         [](SoundLevel& s) { s.rootAction(-2, ActionKind::AlterTerrainType).setB(40u << 16 | 3u); },
         {{"tile-outside-map", E, action(-2)}},
         "names tile (3, 40), outside the map"},
        {"a hero gate that is not there",
         [](SoundLevel& s) { s.rootAction(-2, ActionKind::CollapseHeroGate).setB(7u << 16 | 7u); },
         {{"missing-hero-gate", E, action(-2)}},
         "names tile (7, 7), where no hero gate is"},
        {"a flag no action sets",
         [](SoundLevel& s) { s.script.script().FindTrigger(1)->setSubject(5); },
         {{"flag-never-set", W, trigger(1)}},
         "tests Flag 6, which no action sets"},
        {"a timer no action starts",
         [](SoundLevel& s) {
             CTrigger& t = s.script.trigger(2, 0, 0, uint8_t(TriggerKind::Timer));
             t.setSubject(3);
             t.setFlags(TriggerFlag::CompareWithValue);
             s.script.script().FindAction(-1)->setNext(2);
         },
         {{"timer-never-set", W, trigger(2)}},
         "tests Timer 4, which no action starts"},
        {"a chain nothing leads to is one problem",
         [](SoundLevel& s) {
             s.script.trigger(5, 6, -4);
             s.script.trigger(6);
             s.script.action(-4, -5);
             s.script.action(-5);
         },
         {{"unreachable-script", W, trigger(5)}},
         "Trigger 5 [ Null ] can never run"},
        {"a closed loop nothing leads to",
         [](SoundLevel& s) {
             s.script.trigger(5, 6);
             s.script.trigger(6, 5);
         },
         {{"unreachable-script", W, trigger(5)}},
         "Trigger 5"},
        {"a chain that leads back into itself",
         [](SoundLevel& s) { s.script.script().FindTrigger(1)->setNext(1); },
         {{"script-loop", E, trigger(1)}},
         "leads back to Trigger 1"},
        {"a link to a missing element",
         [](SoundLevel& s) { s.script.script().FindAction(-1)->setNext(-40); },
         {{"missing-script-link", E, action(-1)}},
         "leads to Action -40, which does not exist"},
        {"a border break is one problem per run",
         [](SoundLevel& s) {
             s.level.paint({0, 5, 0, 7}, Path, PlayerId::Neutral);
         },
         {{"border-break", E, tile(0, 7)}},
         "from (0, 7) to (0, 5)"},
        {"unknown terrain",
         [](SoundLevel& s) {
             s.doc().StoreTile({6, 6}, 99, PlayerId::Neutral);
         },
         {{"unknown-terrain", E, tile(6, 6)}},
         "terrain 99"},
        {"a tile owned by no player",
         [](SoundLevel& s) {
             s.doc().StoreTile({6, 6}, Path, 9);
         },
         {{"unknown-owner", E, tile(6, 6)}},
         "owned by player 9"},
        {"a creature in rock",
         [](SoundLevel& s) {
             s.doc().CreateCreature(Imp, 3, {6, 7}, false);
             s.level.paint({6, 7, 6, 7}, Rock, PlayerId::Neutral);
         },
         {{"thing-on-bad-tile", E, {ProblemPlaceKind::Creature, 0, {6, 7}, true}}},
         "Creature at (6, 7) stands on a tile"},
        {"a door on a room floor",
         [](SoundLevel& s) {
             s.level.paint({12, 13, 12, 13}, Treasury, 3);
             s.doc().CreateDoor(1, 3, {12, 13});
         },
         {{"thing-on-bad-tile", E, {ProblemPlaceKind::Door, 0, {12, 13}, true}}},
         "Door at (12, 13)"},
        {"a dead body holding triggers that no record keeps",
         [](SoundLevel& s) {
             CCreature* body = s.doc().CreateCreature(Imp, 3, {6, 7}, false);
             body->setDeadBody(true);
             body->setFirstTrigger(2);
             s.script.trigger(2);
         },
         {{"triggers-not-kept", E, {ProblemPlaceKind::Creature, 0, {6, 7}, true}}},
         "Creature at (6, 7) has triggers, which its record cannot keep"},
        {"a trap holding triggers that no record keeps",
         [](SoundLevel& s) {
             s.doc().CreateTrap(1, 3, {6, 7})->setFirstTrigger(2);
             s.script.trigger(2);
         },
         {{"triggers-not-kept", E, {ProblemPlaceKind::Trap, 0, {6, 7}, true}}},
         "Trap at (6, 7) has triggers"},
        {"a creature of a type that does not exist",
         [](SoundLevel& s) {
             s.doc().CreateCreature(77, 3, {6, 7}, false);
         },
         {{"unknown-creature-type", E, {ProblemPlaceKind::Creature, 0, {6, 7}, true}}},
         "creature type 77"},
        {"a hero party without members",
         [](SoundLevel& s) { s.doc().AddHeroParty(std::make_unique<CHeroParty>(&s.doc())); },
         {{"empty-hero-party", E, {ProblemPlaceKind::HeroParty, 0, {}, false}}},
         "Hero Party 1 has no members"},
        {"a hero party without a leader",
         [](SoundLevel& s) {
             auto party = std::make_unique<CHeroParty>(&s.doc());
             auto member = std::make_unique<CCreature>(&s.doc(), Imp);
             party->addMember(member);
             s.doc().AddHeroParty(std::move(party));
         },
         {{"hero-party-leader", W, {ProblemPlaceKind::HeroParty, 0, {}, false}}},
         "Hero Party 1 has no leader"},
        {"a waypoint to a missing action point",
         [](SoundLevel& s) { s.doc().FindActionPoint(1)->setNextWaypoint(9); },
         {{"missing-waypoint", E, {ProblemPlaceKind::ActionPoint, 1, {2, 10}, true}}},
         "leads to Action Point 9"},
        {"a waypoint loop is reported once",
         [](SoundLevel& s) {
             s.doc().AddActionPoint({5, 12, 5, 12})->setNextWaypoint(1); // id 2
             s.doc().FindActionPoint(1)->setNextWaypoint(2);
         },
         {{"waypoint-loop", W, {ProblemPlaceKind::ActionPoint, 1, {2, 10}, true}}},
         "Action Points 1 > 2 > 1"},
        {"no portal for the Vorlans",
         [](SoundLevel& s) {
             CPlayer* vorlan = s.doc().FindPlayer(3);
             s.doc().RemovePortal(vorlan, &vorlan->portals().front());
         },
         {{"missing-portal", W, player(3)}},
         "The level has no Portal"},
        {"an effect generator that does not exist",
         [](SoundLevel& s) { s.rootAction(-2, ActionKind::ToggleEffectGenerator).setA(0, 4); },
         {{"missing-effect-generator", E, action(-2)}},
         "Effect Generator 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundLevel sound;
        c.plant(sound);
        const std::vector<LevelProblem> problems = validateLevel(sound.doc());
        ASSERT_EQ(problems.size(), c.expected.size());
        for (size_t i = 0; i < problems.size(); ++i) {
            EXPECT_EQ(problems[i].code, c.expected[i].code);
            EXPECT_EQ(problems[i].severity, c.expected[i].severity);
            EXPECT_EQ(problems[i].place, c.expected[i].place) << describePlace(problems[i].place);
        }
        EXPECT_NE(problems.front().message.find(c.messagePart), std::string::npos)
            << problems.front().message;
        EXPECT_EQ(hasErrors(problems), c.expected.front().severity == ProblemSeverity::Error);
    }
}

/// The warnings of the playable rules a level gives, by code.
std::vector<std::string> playableCodes(const CWorldEditorDoc& doc, const std::set<std::string>& off = {})
{
    static const std::set<std::string> playable{"heart-reaches-no-portal", "hero-gate-unused",
                                                "hero-party-in-rock", "dungeons-never-meet",
                                                "thing-unreachable"};
    std::vector<std::string> codes;
    for (const LevelProblem& p : validateLevel(doc, off))
        if (playable.count(p.code)) {
            EXPECT_EQ(p.severity, W) << p.code;
            codes.push_back(p.code);
        }
    return codes;
}

/// A wall of lava down column 7, from the top border to `lastRow`; below it the ground is open.
void lavaWall(SoundLevel& s, int32_t lastRow = 14)
{
    s.level.paint({7, 1, 7, lastRow}, test::TestTerrain::Lava, PlayerId::Neutral);
}

/// A hero party with its leader, in slot 0.
void leadParty(SoundLevel& s)
{
    auto party = std::make_unique<CHeroParty>(&s.doc());
    auto member = std::make_unique<CCreature>(&s.doc(), Imp);
    member->setFlag1(CreatureFlag1::Leader, true);
    party->addMember(member);
    s.doc().AddHeroParty(std::move(party));
}

TEST(LevelProblemsTest, PlayableRulesFireWhereTheLevelCannotBePlayedAndOnlyThere)
{
    struct Case {
        const char* name;
        std::function<void(SoundLevel&)> plant;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"a heart walled off from every portal",
         [](SoundLevel& s) { lavaWall(s); },
         {"heart-reaches-no-portal"}},
        {"a wall with a way round it", [](SoundLevel& s) { lavaWall(s, 13); }, {}},
        {"a hero gate nothing uses",
         [](SoundLevel& s) {
             s.level.gate(PlayerId::Good, {12, 3}, TerrainId::HeroGate);
         },
         {"hero-gate-unused"}},
        {"a hero gate a party comes through",
         [](SoundLevel& s) {
             s.level.gate(PlayerId::Good, {12, 3}, TerrainId::HeroGate);
             leadParty(s);
             s.doc().FindActionPoint(1)->setArea({11, 2, 13, 4});
             CAction& a = s.rootAction(-2, ActionKind::CreateHeroParty);
             a.setA(0, 0);
             a.setB(1);
         },
         {}},
        {"a hero party created in rock",
         [](SoundLevel& s) {
             leadParty(s);
             s.level.paint({2, 10, 3, 11}, Rock, PlayerId::Neutral);
             CAction& a = s.rootAction(-2, ActionKind::CreateHeroParty);
             a.setA(0, 0);
             a.setB(1);
         },
         {"hero-party-in-rock"}},
        {"a hero party created on open ground",
         [](SoundLevel& s) {
             leadParty(s);
             CAction& a = s.rootAction(-2, ActionKind::CreateHeroParty);
             a.setA(0, 0);
             a.setB(1);
         },
         {}},
        {"two dungeons that never meet",
         [](SoundLevel& s) {
             s.level.playersUpTo(4);
             s.level.heart(4, {11, 4}).portal(4, {11, 11});
             s.level.portal(3, {3, 11});
             lavaWall(s);
         },
         {"dungeons-never-meet"}},
        {"two walled dungeons in alliance",
         [](SoundLevel& s) {
             s.level.playersUpTo(4);
             s.level.heart(4, {11, 4}).portal(4, {11, 11});
             s.level.portal(3, {3, 11});
             lavaWall(s);
             s.doc().AddAlliance(3, 4);
         },
         {}},
        {"a creature in a sealed cave",
         [](SoundLevel& s) {
             s.level.paint({11, 1, 14, 1}, test::TestTerrain::Lava, PlayerId::Neutral);
             s.level.paint({11, 3, 14, 3}, test::TestTerrain::Lava, PlayerId::Neutral);
             s.level.paint({11, 2, 11, 2}, test::TestTerrain::Lava, PlayerId::Neutral);
             s.doc().CreateCreature(Imp, 2, {13, 2}, false);
         },
         {"thing-unreachable"}},
        {"a creature in the open",
         [](SoundLevel& s) {
             s.doc().CreateCreature(Imp, 2, {13, 2}, false);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SoundLevel sound;
        c.plant(sound);
        EXPECT_EQ(playableCodes(sound.doc()), c.expected);
    }
}

TEST(LevelProblemsTest, AWarningRuleSwitchedOffIsLeftOutButErrorsStay)
{
    SoundLevel sound;
    lavaWall(sound);
    sound.doc().FindPlayer(3)->setStartingGold(1 << 20); // an error
    ASSERT_EQ(playableCodes(sound.doc()), std::vector<std::string>{"heart-reaches-no-portal"});
    EXPECT_TRUE(playableCodes(sound.doc(), {"heart-reaches-no-portal"}).empty());
    const std::vector<LevelProblem> problems =
        validateLevel(sound.doc(), {"heart-reaches-no-portal", "starting-gold"});
    EXPECT_TRUE(hasErrors(problems)) << "errors cannot be switched off";
}

using SampleLevelProblemsTest = test::LevelFileFixture;

TEST_F(SampleLevelProblemsTest, SampleLevelAndItsSavedCopyReportNothing)
{
    auto level = sampleAt(root / "Maps" / "Checked.vwd");
    for (const LevelProblem& p : validateLevel(level->doc()))
        ADD_FAILURE() << "built: " << p.code << ": " << p.message;
    ASSERT_TRUE(save(*level));
    auto reopened = open(root / "Maps" / "Checked.vwd");
    ASSERT_TRUE(reopened);
    for (const LevelProblem& p : validateLevel(reopened->doc()))
        ADD_FAILURE() << "reopened: " << p.code << ": " << p.message;
}

TEST(LevelProblemsTest, MapSizeOutsideTheEditorsRange)
{
    SoundLevel wide(130, 16);
    wide.level.paint({0, 0, 129, 0}, TerrainId::Border, PlayerId::Neutral);
    const std::vector<LevelProblem> problems = validateLevel(wide.doc());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].code, "map-size");
    EXPECT_EQ(problems[0].message, "The map is 130 x 16 tiles; each side must be 7 to 128");
}

TEST(LevelProblemsTest, PlacesAreDescribedForReading)
{
    EXPECT_EQ(describePlace({}), "Level");
    EXPECT_EQ(describePlace(tile(3, 4)), "Tile (3, 4)");
    EXPECT_EQ(describePlace({ProblemPlaceKind::Creature, 2, {5, 6}, true}), "Creature 2 at (5, 6)");
    EXPECT_EQ(describePlace({ProblemPlaceKind::HeroParty, 0, {}, false}), "Hero Party 1");
    EXPECT_EQ(describePlace(action(-3)), "Action -3");
}

} // namespace
} // namespace gr2
