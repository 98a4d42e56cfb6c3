// The creature dialog without a window: which controls each kind of creature and each state
// enables, what every control writes into the creature (or its party or action), the health bound
// of a dead body, the type list, and that the party-leader question changes nothing before "OK".

#include "forms/CreatureForm.h"
#include "level/CCreature.h"
#include "level/CHeroParty.h"
#include "script/CAction.h"
#include "script/CreatureObjective.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/ScriptedPrompter.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CCreatureType.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace gr2 {
namespace {

using test::addType;

constexpr uint8_t kImp = 1, kKnight = 2, kWarlock = 3, kGiant = 5, kEliteWarlock = 20, kReserved = 46;

/// A level with players 1 to 4, one action point, and a creature type table with a gap in its ids,
/// an elite variant and the reserved type.
struct CreatureFixture {
    test::LevelBuilder level;
    CTypeDatabase types;
    test::ScriptedPrompter prompter;
    std::unique_ptr<test::ScriptBuilder> script;

    CreatureFixture()
    {
        level.playersUpTo(4);
        script = std::make_unique<test::ScriptBuilder>(doc());
        addType(types.creatures(), kImp, "Imp").setIntValue(CreatureField::Health, 30);
        addType(types.creatures(), kWarlock, "Warlock").setIntValue(CreatureField::Health, 100);
        addType(types.creatures(), kKnight, "Knight").setIntValue(CreatureField::Health, 800);
        auto& elite = addType(types.creatures(), kEliteWarlock, "Elite Warlock");
        elite.setFlags1(1u << CreatureFlag1::IsUnique);
        elite.setEliteBaseId(kWarlock);
        addType(types.creatures(), kReserved, "Reserved");
        addType(types.creatures(), kGiant, "Giant").setIntValue(CreatureField::Health, 4000);
        doc().AddActionPoint({2, 2, 3, 3});
    }
    CWorldEditorDoc& doc() { return level.doc(); }

    CCreature& onMap(uint8_t type, uint8_t owner)
    {
        return *doc().CreateCreature(type, owner, {4, 5}, false);
    }
    /// A party of two Knights; the first leads. Answers the second.
    CCreature& member()
    {
        auto party = std::make_unique<CHeroParty>(&doc());
        for (int i = 0; i < 2; ++i) {
            auto knight = std::make_unique<CCreature>(&doc(), kKnight);
            knight->setOwnerById(PlayerId::Good);
            knight->setPlaced(false);
            knight->setFlag1(CreatureFlag1::Leader, i == 0);
            party->addMember(knight);
        }
        return *doc().AddHeroParty(std::move(party))->member(1);
    }
    /// The creature of a Create Creature action for player 4 at level 6.
    CCreature& actionCreature(CAction** action = nullptr)
    {
        CAction& a = script->action(-1, 0, 1);
        CCreature& c = *doc().CreateCreature(kWarlock, 4, {6, 6}, false);
        c.setPlaced(false);
        c.setSourceAction(a.id());
        a.setCreature(&c);
        a.setA(1, 4);
        a.setA(2, 6);
        if (action)
            *action = &a;
        return c;
    }
};

enum class Role { Map, Member, Action };

TEST(CreatureFormTest, EachKindAndStateEnablesItsControls)
{
    // Controls by name; a case lists those enabled, every other one must be disabled.
    struct Case {
        const char* name;
        Role role;
        uint8_t type;
        uint8_t owner;
        bool deadBody;
        std::vector<std::string> enabled;
    } cases[] = {
        {"Vorlan creature",
         Role::Map,
         kImp,
         3,
         false,
         {"type", "owner", "level", "health", "gold", "wontFight", "wontBeAttacked", "freeFriends",
          "actAsDropped", "startAsDying", "diesInstantly", "deadBody"}},
        {"Vorlan creature of a type with an elite variant",
         Role::Map,
         kWarlock,
         3,
         false,
         {"type", "owner", "level", "health", "gold", "wontFight", "wontBeAttacked", "freeFriends",
          "actAsDropped", "startAsDying", "diesInstantly", "deadBody", "elite"}},
        {"Good creature",
         Role::Map,
         kImp,
         PlayerId::Good,
         false,
         {"type", "owner", "level", "health", "gold", "objective", "target", "wontFight", "wontBeAttacked",
          "returnToHeroLair", "freeFriends", "actAsDropped", "startAsDying", "destroyRooms", "tool",
          "diesInstantly", "mercenary", "deadBody"}},
        {"dead body",
         Role::Map,
         kImp,
         PlayerId::Neutral,
         true,
         {"type", "level", "health", "gold", "wontFight", "wontBeAttacked", "freeFriends", "actAsDropped",
          "startAsDying", "diesInstantly", "deadBody"}},
        {"party member",
         Role::Member,
         kKnight,
         PlayerId::Good,
         false,
         {"type", "level", "health", "gold", "objective", "target", "wontFight", "wontBeAttacked", "leader",
          "follower", "returnToHeroLair", "destroyRooms", "tool", "diesInstantly", "mercenary"}},
        {"action's creature",
         Role::Action,
         kWarlock,
         4,
         false,
         {"type", "owner", "level", "wontFight", "wontBeAttacked", "freeFriends", "actAsDropped",
          "startAsDying", "diesInstantly"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CreatureFixture f;
        CCreature* creature = nullptr;
        if (c.role == Role::Map) {
            creature = &f.onMap(c.type, c.owner);
            creature->setDeadBody(c.deadBody);
        } else if (c.role == Role::Member) {
            creature = &f.member();
        } else {
            creature = &f.actionCreature();
        }
        CreatureForm form = creatureForm(creatureSubjectOf(f.doc(), *creature), f.types, f.prompter);
        Form<CreatureEdit> shown(form.description);
        shown.load(readCreature(creatureSubjectOf(f.doc(), *creature)));
        const CreatureRows& r = form.rows;
        const std::map<std::string, size_t> rows = {
            {"type", r.type},
            {"owner", r.owner},
            {"level", r.level},
            {"health", r.health},
            {"gold", r.gold},
            {"objective", r.objective},
            {"target", r.target},
            {"wontFight", r.wontFight},
            {"wontBeAttacked", r.wontBeAttacked},
            {"leader", r.leader},
            {"follower", r.follower},
            {"returnToHeroLair", r.returnToHeroLair},
            {"freeFriends", r.freeFriends},
            {"actAsDropped", r.actAsDropped},
            {"startAsDying", r.startAsDying},
            {"destroyRooms", r.destroyRooms},
            {"tool", r.tool},
            {"diesInstantly", r.diesInstantly},
            {"elite", r.elite},
            {"mercenary", r.mercenary},
            {"deadBody", r.deadBody},
        };
        std::vector<std::string> enabled;
        for (const auto& [name, row] : rows)
            if (shown.state().isEnabled(row))
                enabled.push_back(name);
        std::vector<std::string> expected = c.enabled;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(enabled, expected);
    }
}

TEST(CreatureFormTest, EveryControlWritesItsFieldOnOk)
{
    using Check = std::function<void(const CCreature&)>;
    using Edit = std::function<void(FormState&, const CreatureRows&)>;
    struct Case {
        const char* name;
        Edit edit;
        Check check;
    } cases[] = {
        {"type", [](FormState& s, const CreatureRows& r) { s.setValue(r.type, kGiant); },
         [](const CCreature& c) { EXPECT_EQ(c.type(), kGiant); }},
        {"owner", [](FormState& s, const CreatureRows& r) { s.setValue(r.owner, 4); },
         [](const CCreature& c) { EXPECT_EQ(c.ownerId(), 4); }},
        {"level", [](FormState& s, const CreatureRows& r) { s.setText(r.level, "7"); },
         [](const CCreature& c) { EXPECT_EQ(c.level(), 7); }},
        {"health of 100", [](FormState& s, const CreatureRows& r) { s.setText(r.health, "100"); },
         [](const CCreature& c) { EXPECT_EQ(c.health(), 100); }},
        {"health", [](FormState& s, const CreatureRows& r) { s.setText(r.health, "40"); },
         [](const CCreature& c) { EXPECT_EQ(c.health(), 40); }},
        {"gold", [](FormState& s, const CreatureRows& r) { s.setText(r.gold, "100"); },
         [](const CCreature& c) { EXPECT_EQ(c.goldHeld(), 100); }},
        {"objective against a player",
         [](FormState& s, const CreatureRows& r) {
             s.setValue(r.objective, CreatureObjective::StealGold);
             s.setValue(r.target, 4);
         },
         [](const CCreature& c) {
             EXPECT_EQ(c.objective(), CreatureObjective::StealGold);
             EXPECT_EQ(c.objectiveValue(), 4);
             EXPECT_EQ(c.objectiveTarget(), 0);
             EXPECT_FALSE(c.hasFlag2(CreatureFlag2::DestroyRooms)); // set by the objective
         }},
        {"objective to an action point",
         [](FormState& s, const CreatureRows& r) {
             s.setValue(r.objective, CreatureObjective::SendToActionPoint);
         },
         [](const CCreature& c) {
             EXPECT_EQ(c.objective(), CreatureObjective::SendToActionPoint);
             EXPECT_EQ(c.objectiveValue(), 3);
             EXPECT_EQ(c.objectiveTarget(), 1);
         }},
        {"won't fight", [](FormState& s, const CreatureRows& r) { s.setChecked(r.wontFight, true); },
         [](const CCreature& c) { EXPECT_FALSE(c.hasFlag1(CreatureFlag1::Fights)); }},
        {"won't be attacked",
         [](FormState& s, const CreatureRows& r) { s.setChecked(r.wontBeAttacked, true); },
         [](const CCreature& c) { EXPECT_FALSE(c.hasFlag1(CreatureFlag1::CanBeAttacked)); }},
        {"return to hero lair",
         [](FormState& s, const CreatureRows& r) { s.setChecked(r.returnToHeroLair, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag1(CreatureFlag1::ReturnToHeroLair)); }},
        {"free friends", [](FormState& s, const CreatureRows& r) { s.setChecked(r.freeFriends, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag1(CreatureFlag1::FreeFriendsOnJailBreak)); }},
        {"act as dropped", [](FormState& s, const CreatureRows& r) { s.setChecked(r.actAsDropped, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag1(CreatureFlag1::ActAsDropped)); }},
        {"start as dying", [](FormState& s, const CreatureRows& r) { s.setChecked(r.startAsDying, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag1(CreatureFlag1::StartAsDying)); }},
        {"destroy rooms", [](FormState& s, const CreatureRows& r) { s.setChecked(r.destroyRooms, false); },
         [](const CCreature& c) { EXPECT_FALSE(c.hasFlag2(CreatureFlag2::DestroyRooms)); }},
        {"tool", [](FormState& s, const CreatureRows& r) { s.setChecked(r.tool, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag2(CreatureFlag2::IAmATool)); }},
        {"dies instantly", [](FormState& s, const CreatureRows& r) { s.setChecked(r.diesInstantly, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag2(CreatureFlag2::DiesInstantly)); }},
        {"mercenary", [](FormState& s, const CreatureRows& r) { s.setChecked(r.mercenary, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.hasFlag2(CreatureFlag2::IAmAMercenary)); }},
        {"elite", [](FormState& s, const CreatureRows& r) { s.setChecked(r.elite, true); },
         [](const CCreature& c) { EXPECT_TRUE(c.isElite()); }},
        {"dead body goes to the Neutral player",
         [](FormState& s, const CreatureRows& r) { s.setChecked(r.deadBody, true); },
         [](const CCreature& c) {
             EXPECT_TRUE(c.isDeadBody());
             EXPECT_EQ(c.ownerId(), PlayerId::Neutral);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CreatureFixture f;
        CCreature& creature = f.onMap(kWarlock, PlayerId::Good);
        auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
        const CreatureForm form = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter);
        c.edit(session->state(), form.rows);
        ASSERT_EQ(session->accept(), std::nullopt);
        c.check(creature);
    }
}

TEST(CreatureFormTest, CancelAndRefusedValuesWriteNothing)
{
    CreatureFixture f;
    CCreature& creature = f.onMap(kImp, 3);
    const CreatureForm form = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter);
    {
        auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
        session->state().setText(form.rows.level, "5");
        session->cancel();
    }
    EXPECT_EQ(creature.level(), 1);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    session->state().setText(form.rows.gold, "50");
    session->state().setText(form.rows.level, "11");
    const std::optional<FormError> refused = session->accept();
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->row, form.rows.level);
    EXPECT_EQ(refused->message, "Please enter an integer between 1 and 10.");
    EXPECT_EQ(creature.goldHeld(), 0);
    EXPECT_FALSE(f.doc().isModified() && session->wasAccepted());
}

TEST(CreatureFormTest, ValuesFromAFileOutsideTheListsSurviveAnotherChange)
{
    CreatureFixture f;
    CCreature& creature = f.onMap(kImp, PlayerId::Good);
    creature.setLevel(15);
    creature.setObjective(CreatureObjective::Tunnelling);
    creature.setObjectiveValue(9);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
    EXPECT_EQ(session->state().text(rows.level), "15");
    EXPECT_EQ(session->state().choiceIndex(rows.objective), std::nullopt);
    session->state().setText(rows.gold, "30");
    ASSERT_EQ(session->accept(), std::nullopt);
    EXPECT_EQ(creature.goldHeld(), 30);
    EXPECT_EQ(creature.level(), 15);
    EXPECT_EQ(creature.objective(), CreatureObjective::Tunnelling);
    EXPECT_EQ(creature.objectiveValue(), 9);
}

TEST(CreatureFormTest, DeadBodyBoundsHealthByTheTypeWithoutWrapping)
{
    struct Case {
        uint32_t typeHealth;
        uint32_t bound;
    } cases[] = {{0, 0}, {20, 200}, {25, 250}, {26, 255}, {3277, 255}, {6554, 255}, {65535, 255}};
    for (const Case& c : cases)
        EXPECT_EQ(deadBodyHealthBound(c.typeHealth), c.bound) << c.typeHealth;

    // In the dialog: checking "Dead Body" bounds the field, unchecking gives back 0 to 100 and the
    // owner chosen before.
    CreatureFixture f;
    CCreature& creature = f.onMap(kImp, 3);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    FormState& s = session->state();
    const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
    s.setValue(rows.owner, 4);
    s.setChecked(rows.deadBody, true);
    EXPECT_EQ(s.value(rows.owner), PlayerId::Neutral);
    // The creature keeps at most 100 percent, so the field never offers more.
    EXPECT_EQ(s.rangeOf(rows.health).high, 100); // Imp: 10 x 30
    s.setValue(rows.type, kGiant);               // 10 x 4000 would wrap a 16-bit bound
    EXPECT_EQ(s.rangeOf(rows.health).high, 100);
    s.setChecked(rows.deadBody, false);
    EXPECT_EQ(s.value(rows.owner), 4);
    EXPECT_EQ(s.rangeOf(rows.health).high, 100);
}

// Handing a creature to the Good player greys "I Am Elite"; another owner, or choosing the type
// again, offers it by the type.
TEST(CreatureFormTest, IAmEliteIsGreyedWhenTheOwnerBecomesTheGoodPlayer)
{
    CreatureFixture f;
    CCreature& creature = f.onMap(kWarlock, 3);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
    FormState& s = session->state();
    EXPECT_TRUE(s.isEnabled(rows.elite));
    s.setValue(rows.owner, PlayerId::Good);
    EXPECT_FALSE(s.isEnabled(rows.elite));
    s.setValue(rows.owner, 4);
    EXPECT_TRUE(s.isEnabled(rows.elite));
    s.setValue(rows.owner, PlayerId::Good);
    s.setValue(rows.type, kWarlock);
    EXPECT_TRUE(s.isEnabled(rows.elite)) << "the type rule comes after";
    s.setValue(rows.type, kImp);
    EXPECT_FALSE(s.isEnabled(rows.elite)) << "no elite variant";
}

// The percentages read as such and a value beyond 100 is refused with the range message, never
// stored as 100 without a word; the creature keeps what it held.
TEST(CreatureFormTest, APercentageAbove100IsRefusedAndNothingIsStored)
{
    struct Case {
        const char* row;
        const char* text;
        const char* message;
    } cases[] = {{"health", "150", "Please enter an integer between 0 and 100."},
                 {"gold", "200", "Please enter an integer between 0 and 100."},
                 {"gold", "101", "Please enter an integer between 0 and 100."},
                 {"health", "-1", "Please enter a positive integer."}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.row) + " " + c.text);
        CreatureFixture f;
        CCreature& creature = f.onMap(kImp, 3);
        creature.setHealth(80);
        creature.setGoldHeld(20);
        auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
        const CreatureRows rows =
            creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
        const size_t row = std::string(c.row) == "health" ? rows.health : rows.gold;
        EXPECT_EQ(session->state().row(row).unit, "%");
        session->state().setText(row, c.text);
        const std::optional<FormError> error = session->accept();
        ASSERT_TRUE(error);
        EXPECT_EQ(error->row, row);
        EXPECT_EQ(error->message, c.message);
        EXPECT_EQ(creature.health(), 80);
        EXPECT_EQ(creature.goldHeld(), 20);
    }
}

TEST(CreatureFormTest, TypeListHoldsTheTypesThatExistInTableOrder)
{
    CreatureFixture f;
    CCreature& creature = f.onMap(kImp, 3);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
    const ChoiceList expected = {
        {kImp, "Imp"}, {kWarlock, "Warlock"}, {kKnight, "Knight"}, {kGiant, "Giant"}};
    EXPECT_EQ(session->state().choices(rows.type), expected);
}

TEST(CreatureFormTest, ObjectiveListAndItsTarget)
{
    CreatureFixture f;
    CCreature& creature = f.onMap(kImp, PlayerId::Good);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    FormState& s = session->state();
    const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
    std::vector<std::string> names;
    for (const Choice& c : s.choices(rows.objective))
        names.push_back(c.text);
    EXPECT_EQ(names, (std::vector<std::string>{"Destroy Rooms", "Destroy Walls", "Steal Gold", "Steal Spells",
                                               "Steal Manufacture Crates", "Kill Creatures", "Kill Player",
                                               "Wait", "Send To Action Point", "Jail Break"}));
    s.setValue(rows.objective, CreatureObjective::SendToActionPoint);
    EXPECT_EQ(s.choices(rows.target), (ChoiceList{{1, "Action Point 1"}}));
    s.setValue(rows.objective, CreatureObjective::Wait);
    EXPECT_FALSE(s.isVisible(rows.target));
    s.setValue(rows.objective, CreatureObjective::KillPlayer);
    EXPECT_TRUE(s.checked(rows.destroyRooms));
    // An owner other than Good clears the objective and its marks.
    s.setValue(rows.owner, 3);
    EXPECT_EQ(s.value(rows.objective), 0);
    EXPECT_FALSE(s.checked(rows.destroyRooms));

    // Without action points the entry is missing.
    CreatureFixture bare;
    bare.doc().DeleteActionPoint(bare.doc().actionPoints().front().get(), true);
    CCreature& other = bare.onMap(kImp, PlayerId::Good);
    auto plain = creatureSession(bare.doc(), other, bare.types, bare.prompter);
    for (const Choice& c : plain->state().choices(rows.objective))
        EXPECT_NE(c.value, CreatureObjective::SendToActionPoint);
}

TEST(CreatureFormTest, LeaderQuestionChangesThePartyOnlyOnOk)
{
    struct Case {
        const char* name;
        Prompter::Answer answer;
        bool ok;
        bool leads; ///< the member leads afterwards
    } cases[] = {
        {"yes, then OK", Prompter::Answer::Yes, true, true},
        {"yes, then Cancel", Prompter::Answer::Yes, false, false},
        {"no", Prompter::Answer::No, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CreatureFixture f;
        CCreature& member = f.member();
        CHeroParty& party = *f.doc().PartyOf(&member);
        CCreature& leader = *party.member(0);
        auto session = creatureSession(f.doc(), member, f.types, f.prompter);
        const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), member), f.types, f.prompter).rows;
        FormState& s = session->state();
        s.setChecked(rows.follower, true);
        f.prompter.queueAnswer(c.answer);
        s.setChecked(rows.leader, true);
        EXPECT_EQ(f.prompter.texts(),
                  std::vector<std::string>{
                      "This Hero Party already has a Leader.\n\nMake this creature the new Leader?"});
        EXPECT_EQ(s.checked(rows.leader), c.answer == Prompter::Answer::Yes);
        EXPECT_EQ(s.checked(rows.follower), c.answer != Prompter::Answer::Yes);
        // Nothing has changed yet.
        EXPECT_TRUE(leader.hasFlag1(CreatureFlag1::Leader));
        EXPECT_FALSE(member.hasFlag1(CreatureFlag1::Leader));
        if (c.ok)
            ASSERT_EQ(session->accept(), std::nullopt);
        else
            session->cancel();
        EXPECT_EQ(member.hasFlag1(CreatureFlag1::Leader), c.leads);
        EXPECT_EQ(leader.hasFlag1(CreatureFlag1::Leader), !c.leads);
    }
}

TEST(CreatureFormTest, ActionCreatureWritesItsAction)
{
    CreatureFixture f;
    CAction* action = nullptr;
    CCreature& creature = f.actionCreature(&action);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    const CreatureRows rows = creatureForm(creatureSubjectOf(f.doc(), creature), f.types, f.prompter).rows;
    FormState& s = session->state();
    EXPECT_EQ(s.value(rows.owner), 4);
    EXPECT_EQ(s.text(rows.level), "6");
    EXPECT_EQ(s.value(rows.objective), CreatureObjective::KillPlayer);
    EXPECT_EQ(s.value(rows.target), 3);
    s.setValue(rows.owner, 3);
    s.setText(rows.level, "9");
    s.setValue(rows.type, kImp);
    s.setChecked(rows.diesInstantly, true);
    ASSERT_EQ(session->accept(), std::nullopt);
    EXPECT_EQ(action->a(0), kImp);
    EXPECT_EQ(action->a(1), 3);
    EXPECT_EQ(action->a(2), 9);
    EXPECT_TRUE(creature.hasFlag1(CreatureFlag1::Follower));
    EXPECT_FALSE(creature.hasFlag1(CreatureFlag1::Leader));
    EXPECT_EQ(action->a(3), creature.flags1());
}

TEST(CreatureFormTest, ResetToDefaults)
{
    CreatureFixture f;
    CCreature& creature = f.onMap(kImp, PlayerId::Good);
    creature.setLevel(8);
    creature.setHealth(20);
    creature.setGoldHeld(70);
    creature.setObjective(CreatureObjective::Wait);
    creature.setFlags1(CreatureFlag1::ActAsDropped | CreatureFlag1::StartAsDying |
                       CreatureFlag1::ReturnToHeroLair);
    creature.setDeadBody(true);
    auto session = creatureSession(f.doc(), creature, f.types, f.prompter);
    ASSERT_TRUE(session->canReset());
    session->resetToDefaults();
    ASSERT_EQ(session->accept(), std::nullopt);
    EXPECT_EQ(creature.level(), 1);
    EXPECT_EQ(creature.health(), 100);
    EXPECT_EQ(creature.goldHeld(), 0);
    EXPECT_EQ(creature.flags1(), CreatureFlag1::Fights | CreatureFlag1::CanBeAttacked);
    EXPECT_FALSE(creature.isDeadBody());
}

} // namespace
} // namespace gr2
