#include "script/TriggerPageKinds.h"
#include "script/TriggerPageModels.h"
#include "script/TriggerSheetPages.h"

#include "level/CActionPoint.h"
#include "level/CHeroParty.h"
#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/CTrigger.h"
#include "script/ScriptUsage.h"
#include "script/TriggerWhenRecord.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

#include <functional>

namespace gr2 {
namespace {

using P = TriggerPage;
using O = TriggerOwnerKind;

/// The parameter bytes, the value and the kind of the trigger as its file record holds them.
struct RecordBytes {
    Bytes parameters; ///< bytes 0..7: op, subject, flags, other, value
    uint8_t kind = 0;
    bool operator==(const RecordBytes&) const = default;
};

RecordBytes written(const CTrigger& t)
{
    TriggerWhenRecord r;
    r.parameters = t.parameters();
    r.value = t.value();
    r.kind = t.kind();
    r.repeat = t.repeat();
    const Bytes all = r.pack();
    return {Bytes(all.begin(), all.begin() + 8), all[14]};
}

RecordBytes bytes(uint8_t kind, uint8_t op, uint8_t subject, uint8_t flags, uint8_t other, uint32_t value)
{
    return {{op, subject, flags, other, uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16),
             uint8_t(value >> 24)},
            kind};
}

std::ostream& operator<<(std::ostream& os, const RecordBytes& r)
{
    os << "kind " << int(r.kind) << " bytes";
    for (uint8_t b : r.parameters)
        os << ' ' << int(b);
    return os;
}

std::string pageList(const std::vector<TriggerPage>& pages)
{
    std::string s;
    for (TriggerPage p : pages) {
        if (!s.empty())
            s += ", ";
        for (char16_t c : triggerPageTitle(p))
            if (c != u'&')
                s += char(c);
    }
    return s;
}

class TriggerEditorPagesTest : public testing::Test {
protected:
    TriggerEditorPagesTest()
    {
        test::buildSmallTypeData(db);
        level.playersUpTo(4);
        creature = doc().CreateCreature(test::TestCreature::Imp, 3, {2, 2}, false);
        door = doc().CreateDoor(1, 3, {4, 4});
        object = doc().CreateObjectThing(test::TestObject::Gold, {5, 5});
        object->setOwnerById(PlayerId::None);
        actionPoint = doc().AddActionPoint({1, 1, 2, 2});
        party = doc().AddHeroParty(std::make_unique<CHeroParty>(&doc(), 4));
    }

    CWorldEditorDoc& doc() { return level.doc(); }

    /// A trigger attached to the object (or to the level for none) with the owner's player.
    std::unique_ptr<CTrigger> triggerOn(CLevelObject* owner, O kind)
    {
        auto t = std::make_unique<CTrigger>(&doc());
        t->setOwnerObject(owner, kind);
        if (kind == O::Player)
            t->setOwnerById(static_cast<CPlayer*>(owner)->id());
        else if (owner)
            t->setOwnerById(owner->ownerId());
        return t;
    }
    std::unique_ptr<CTrigger> subTriggerOf(CTrigger& parent) { return triggerOn(&parent, O::Trigger); }

    CTypeDatabase db;
    test::LevelBuilder level;
    CCreature* creature = nullptr;
    CDoor* door = nullptr;
    CObjectThing* object = nullptr;
    CActionPoint* actionPoint = nullptr;
    CHeroParty* party = nullptr;
};

TEST_F(TriggerEditorPagesTest, PagesPresentByRootOwnerAndUsage)
{
    auto levelTrigger = triggerOn(nullptr, O::Level);
    auto vorlan = triggerOn(doc().FindPlayer(3), O::Player);
    auto good = triggerOn(doc().FindPlayer(PlayerId::Good), O::Player);
    auto neutral = triggerOn(doc().FindPlayer(PlayerId::Neutral), O::Player);
    auto onCreature = triggerOn(creature, O::Creature);
    auto onDoor = triggerOn(door, O::Door);
    auto onObject = triggerOn(object, O::Object);
    auto onActionPoint = triggerOn(actionPoint, O::ActionPoint);
    auto onParty = triggerOn(party, O::HeroParty);
    auto underCreature = subTriggerOf(*onCreature);
    auto underUnder = subTriggerOf(*underCreature);
    auto underActionPoint = subTriggerOf(*onActionPoint);
    auto flagTrigger = triggerOn(nullptr, O::Level);
    flagTrigger->setKind(uint8_t(TriggerKind::Flag));

    ScriptUsage none;
    ScriptUsage flag7;
    flag7.markFlag(6);
    ScriptUsage levelScore;
    levelScore.markFlag(ScriptFlagIndex::LevelScore);
    ScriptUsage timeLimit;
    timeLimit.markTimer(ScriptTimerIndex::TimeLimit);
    ScriptUsage timer2;
    timer2.markTimer(1);

    struct Case {
        const char* name;
        const CTrigger* trigger;
        const ScriptUsage* usage;
        std::string pages;
    };
    const Case cases[] = {
        {"level", levelTrigger.get(), &none, "Attribute, Event, Repeat"},
        {"level, a flag set", levelTrigger.get(), &flag7, "Attribute, Event, Flag, Repeat"},
        {"level, the score set", levelTrigger.get(), &levelScore, "Attribute, Event, Flag, Repeat"},
        {"level, the time limit set", levelTrigger.get(), &timeLimit, "Attribute, Event, Timer, Repeat"},
        {"level, a timer set", levelTrigger.get(), &timer2, "Attribute, Event, Timer, Repeat"},
        {"Vorlan player", vorlan.get(), &none, "Attribute, Event, Player, GUI, Repeat"},
        {"Good player", good.get(), &none, "Attribute, Event, Player, Repeat"},
        {"Neutral player", neutral.get(), &flag7, "Attribute, Event, Player, Flag, Repeat"},
        {"creature", onCreature.get(), &none, "Attribute, Event, Player, GUI, Repeat"},
        {"door", onDoor.get(), &none, "Attribute, Event, Player, GUI, Repeat"},
        {"object without player", onObject.get(), &none, "Attribute, Event, Repeat"},
        {"action point", onActionPoint.get(), &timer2, "Attribute, AP, Timer, Repeat"},
        {"hero party", onParty.get(), &none, "Attribute, Party, Repeat"},
        {"sub-trigger of a creature's", underCreature.get(), &none, "Attribute, Player, GUI, Repeat"},
        {"two levels under a creature", underUnder.get(), &none, "Attribute, Player, GUI, Repeat"},
        {"sub-trigger of an action point's", underActionPoint.get(), &none, "Attribute, AP, Repeat"},
        // A Flag trigger can still be edited when no action sets its flag any more.
        {"Flag trigger, no flag set", flagTrigger.get(), &none, "Attribute, Event, Flag, Repeat"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pageList(presentTriggerPages(*c.trigger, doc(), *c.usage)), c.pages);
    }

    EXPECT_EQ(rootOwnerOf(*underUnder).kind, O::Creature);
    EXPECT_EQ(rootOwnerOf(*underUnder).object, creature);

    // The AP page needs an action point in the level.
    doc().DeleteActionPoint(actionPoint, false);
    EXPECT_EQ(pageList(presentTriggerPages(*onActionPoint, doc(), none)), "Attribute, Repeat");
}

TEST_F(TriggerEditorPagesTest, OpensOnThePageOfTheKind)
{
    const std::vector<P> all(triggerPagesInOrder().begin(), triggerPagesInOrder().end());
    struct Case {
        uint8_t kind;
        P page;
    };
    const Case cases[] = {
        {34, P::Attribute},   {49, P::Attribute}, {67, P::Attribute}, {3, P::Event},     {48, P::Event},
        {66, P::Event},       {19, P::Player},    {33, P::Player},    {52, P::Player},   {74, P::Player},
        {1, P::Flag},         {2, P::Timer},      {53, P::Gui},       {72, P::Gui},      {38, P::ActionPoint},
        {70, P::ActionPoint}, {43, P::Party},     {64, P::Party},     {0, P::Attribute}, {75, P::Attribute},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.kind));
        EXPECT_EQ(openingTriggerPage(all, c.kind), c.page);
    }
    // A page left out gives way to the first page.
    EXPECT_EQ(openingTriggerPage({P::Attribute, P::Event, P::Repeat}, 1), P::Attribute);
    EXPECT_EQ(triggerPageTitle(P::Attribute), u"Attri&bute");
    EXPECT_EQ(triggerPageTitle(P::Player), u"P&layer");
    EXPECT_EQ(triggerPageTitle(P::ActionPoint), u"&AP");
}

TEST_F(TriggerEditorPagesTest, EachPageStoresItsKindAndParameters)
{
    test::addType(db.terrains(), 30, "Claimable").setFlag(TerrainTypeFlag::Ownable, true);
    ScriptUsage usage;
    using Store = std::function<void(CTrigger&)>;
    struct Case {
        const char* name;
        Store store;
        RecordBytes expected;
    };
    const Case cases[] = {
        {"Attribute",
         [](CTrigger& t) {
             storeAttributePage({O::Creature, 36, 5, 250}, t);
         },
         bytes(36, 5, 0, 0, 0, 250)},
        {"Event, Killed by player 4",
         [](CTrigger& t) {
             storeEventPage({O::Player, 47, 4}, t);
         },
         bytes(47, 4, 0, 0, 0, 0)},
        {"Event, no By for Pay Day",
         [](CTrigger& t) {
             storeEventPage({O::Level, 46, 4}, t);
         },
         bytes(46, 0, 0, 0, 0, 0)},
        {"Player, creatures of a type against a value",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 19, p.type = 2, p.op = 4, p.value = 12, p.otherPlayer = 4;
             storePlayerPage(p, t);
         },
         bytes(19, 4, 2, 1, 0, 12)},
        {"Player, gold against another player",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 30, p.type = 9, p.op = 1, p.comparePlayer = true, p.otherPlayer = 3;
             storePlayerPage(p, t);
         },
         bytes(30, 1, 0, 2, 3, 0)},
        {"Player, doors counted as blueprints only",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 27, p.type = 1, p.op = 3, p.value = 2;
             setPlayerPageCount(p, false, false);
             storePlayerPage(p, t);
         },
         bytes(27, 3, 1, 0x09, 0, 2)},
        {"Player, traps counted as built only",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 28, p.type = 1, p.op = 3, p.value = 2;
             setPlayerPageCount(p, true, false);
             storePlayerPage(p, t);
         },
         bytes(28, 3, 1, 0x11, 0, 2)},
        {"Player, a door type available",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 27, p.type = 1, p.op = 0;
             setPlayerPageCount(p, true, false);
             storePlayerPage(p, t);
         },
         bytes(27, 0, 1, 1, 0, 0)},
        {"Player, creatures killed by player 4",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 22, p.op = 5, p.value = 3, p.byPlayer = 4, p.otherPlayer = 1;
             storePlayerPage(p, t);
         },
         bytes(22, 5, 0, 1, 4, 3)},
        {"Player, creatures at level 7",
         [](CTrigger& t) {
             PlayerPageModel p;
             p.kind = 52, p.op = 3, p.value = 1, p.level = 7;
             storePlayerPage(p, t);
         },
         bytes(52, 3, 0, 1, 7, 1)},
        {"Flag against a value",
         [](CTrigger& t) {
             storeComparePage({4, 2, false, 9, 20}, 1, t);
         },
         bytes(1, 2, 4, 1, 0, 20)},
        {"Flag against a flag",
         [](CTrigger& t) {
             storeComparePage({4, 6, true, 9, 20}, 1, t);
         },
         bytes(1, 6, 4, 2, 9, 20)},
        {"Timer against the time limit",
         [](CTrigger& t) {
             storeComparePage({0, 4, true, 16, 0}, 2, t);
         },
         bytes(2, 4, 0, 2, 16, 0)},
        {"AP, slab types of an ownable terrain",
         [this](CTrigger& t) {
             storeActionPointPage({42, 5, 6, 3, 30, 4}, db, t);
         },
         bytes(42, 5, 4, 30, 0, 6)},
        {"AP, slab types of a terrain nobody owns",
         [this](CTrigger& t) {
             storeActionPointPage({42, 5, 6, 3, 1, 4}, db, t);
         },
         bytes(42, 5, 2, 1, 0, 6)},
        {"AP, objects congregating",
         [this](CTrigger& t) {
             storeActionPointPage({39, 4, 2, 6, 1, 3}, db, t);
         },
         bytes(39, 4, 3, 1, 6, 2)},
        {"AP, possessed creature enters, no comparison",
         [this](CTrigger& t) {
             storeActionPointPage({70, 4, 2, 3, 2, 3}, db, t);
         },
         bytes(70, 0, 3, 2, 3, 0)},
        {"AP, claim all of a terrain",
         [this](CTrigger& t) {
             storeActionPointPage({41, 4, 2, 3, 30, 4}, db, t);
         },
         bytes(41, 4, 4, 30, 0, 0)},
        {"AP, tag part of",
         [this](CTrigger& t) {
             storeActionPointPage({62, 1, 2, 3, 30, 4}, db, t);
         },
         bytes(62, 1, 4, 0, 0, 2)},
        {"Party, members killed",
         [](CTrigger& t) {
             storePartyPage({44, 4, 2}, 5, t);
         },
         bytes(44, 4, 5, 0, 0, 2)},
        {"Party, created",
         [](CTrigger& t) {
             storePartyPage({43, 4, 2}, 5, t);
         },
         bytes(43, 0, 5, 0, 0, 0)},
        {"GUI, a misc button",
         [](CTrigger& t) {
             storeGuiPage({53, ButtonCategory::Misc, 246}, t);
         },
         bytes(53, 0, 246, 0, 0, 0)},
        {"GUI, a trap button",
         [](CTrigger& t) {
             storeGuiPage({53, ButtonCategory::Trap, 1}, t);
         },
         bytes(53, 4, 1, 0, 0, 0)},
        {"GUI, transition ends",
         [](CTrigger& t) {
             storeGuiPage({72, ButtonCategory::Trap, 1}, t);
         },
         bytes(72, 0, 0, 0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Every page starts from a trigger full of another kind's bytes and keeps none of them.
        CTrigger t(&doc());
        t.setKind(27);
        t.setParameters({0xAA, 0xBB, 0xCC, 0xDD});
        t.setValue(0x12345678);
        c.store(t);
        EXPECT_EQ(written(t), c.expected);
    }
}

TEST_F(TriggerEditorPagesTest, CreatureLevelAndRepeatCountAreRefusedOutsideTheirRange)
{
    CTrigger t(&doc());
    t.setKind(19);
    PlayerPageModel p;
    p.kind = 52;
    for (int64_t level : {0, 11}) {
        p.level = level;
        EXPECT_EQ(storePlayerPage(p, t), kCreatureLevelRange);
        EXPECT_EQ(t.kind(), 19) << "a refused page writes nothing";
    }

    struct Case {
        RepeatPageModel page;
        std::optional<TriggerNumberRange> refused;
        uint8_t repeat;
    };
    using M = RepeatPageModel::Mode;
    const Case cases[] = {
        {{M::Once, 40}, std::nullopt, 1},       {{M::Always, 40}, std::nullopt, 255},
        {{M::Times, 0}, std::nullopt, 0},       {{M::Times, 3}, std::nullopt, 3},
        {{M::Times, 255}, std::nullopt, 255},   {{M::Times, 256}, kRepeatCountRange, 9},
        {{M::Times, -1}, kRepeatCountRange, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page.count);
        CTrigger r(&doc());
        r.setRepeat(9);
        EXPECT_EQ(storeRepeatPage(c.page, r), c.refused);
        EXPECT_EQ(r.repeat(), c.repeat);
    }

    // Loading: 1 is Once, 255 Always, anything else a count.
    for (auto [repeat, mode] : {std::pair{1, M::Once}, {255, M::Always}, {0, M::Times}, {7, M::Times}}) {
        CTrigger r(&doc());
        r.setRepeat(uint8_t(repeat));
        EXPECT_EQ(loadRepeatPage(r).mode, mode) << repeat;
        EXPECT_EQ(loadRepeatPage(r).count, repeat);
    }
}

TEST_F(TriggerEditorPagesTest, ALargeStoredValueSurvivesLoadAndStore)
{
    auto t = triggerOn(doc().FindPlayer(3), O::Player);
    t->setKind(30);
    t->setOp(4);
    t->setFlags(1);
    t->setValue(100000);
    const PlayerPageModel page = loadPlayerPage(*t);
    EXPECT_EQ(page.value, 100000u);
    storePlayerPage(page, *t);
    EXPECT_EQ(t->value(), 100000u);
}

TEST_F(TriggerEditorPagesTest, PagesLoadWhatTheyStore)
{
    auto onCreature = triggerOn(creature, O::Creature);
    auto t = subTriggerOf(*onCreature);
    // A sub-trigger's own owner is a trigger: its Attribute page offers the level only.
    EXPECT_EQ(attributeSubjects(*t), (TriggerChoiceList{{1, u"This Level"}}));
    EXPECT_EQ(attributeSubjects(*onCreature), (TriggerChoiceList{{1, u"This Level"}, {3, u"This Creature"}}));
    EXPECT_EQ(eventSubjects(*onCreature),
              (TriggerChoiceList{{1, u"This Level"}, {2, u"This Player"}, {3, u"This Creature"}}));

    PlayerPageModel p;
    p.kind = 28, p.type = 1, p.op = 2, p.value = 5, p.comparePlayer = true, p.otherPlayer = 4;
    setPlayerPageCount(p, false, false);
    storePlayerPage(p, *t);
    const PlayerPageModel back = loadPlayerPage(*t);
    EXPECT_EQ(back.kind, 28);
    EXPECT_EQ(back.type, 1);
    EXPECT_EQ(back.op, 2);
    EXPECT_TRUE(back.comparePlayer);
    EXPECT_EQ(back.otherPlayer, 4);
    EXPECT_TRUE(back.countBlueprints);
    EXPECT_FALSE(back.countBuilt);

    // An operator the list does not hold gives way to the page's default.
    onCreature->setKind(36);
    onCreature->setOp(9);
    EXPECT_EQ(loadAttributePage(*onCreature).op, 3);
    EXPECT_EQ(loadAttributePage(*onCreature).subject, O::Creature);
    onCreature->setKind(40);
    EXPECT_EQ(loadActionPointPage(*onCreature).op, 4);

    // An event only a file can hold stays in the list it opens on.
    onCreature->setKind(50);
    EXPECT_EQ(loadEventPage(*onCreature).kind, 50);
    EXPECT_EQ(eventKinds(O::Creature, *onCreature).back(), 50);
}

TEST_F(TriggerEditorPagesTest, ListsOfFlagsTimersTypesAndButtons)
{
    ScriptUsage usage;
    usage.markFlag(2);
    usage.markFlag(ScriptFlagIndex::LevelScore);
    // The trigger's own flag 10 joins the list although no action sets it.
    EXPECT_EQ(TriggerLists::flags(usage, {9}),
              (TriggerChoiceList{{2, u"Flag 3"}, {9, u"Flag 10"}, {128, u"Level Score"}}));
    usage.markTimer(15);
    EXPECT_EQ(TriggerLists::timers(usage, {}), (TriggerChoiceList{{15, u"Timer 16"}}));
    EXPECT_EQ(TriggerLists::timers(usage, {16}), (TriggerChoiceList{{15, u"Timer 16"}, {16, u"Time Limit"}}));

    auto t = triggerOn(nullptr, O::Level);
    t->setKind(1);
    t->setSubject(40);
    t->setFlags(2);
    t->setOther(41);
    EXPECT_EQ(ownCompareSubjects(*t, 1), (std::vector<uint8_t>{40, 41}));
    EXPECT_TRUE(ownCompareSubjects(*t, 2).empty());
    t->setFlags(1);
    EXPECT_EQ(ownCompareSubjects(*t, 1), (std::vector<uint8_t>{40}));

    test::addType(db.creatures(), 46, "Hidden Creature");
    auto ids = [](const TriggerChoiceList& list) {
        std::vector<uint32_t> v;
        for (const TriggerChoice& c : list)
            v.push_back(c.value);
        return v;
    };
    // Type id 46 is never offered; the action point's creature list leaves the elites out too.
    EXPECT_EQ(ids(TriggerLists::creatureTypes(db)), (std::vector<uint32_t>{0, 1, 2, 3, 20}));
    EXPECT_EQ(ids(actionPointTypes(db, 39, 3)), (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_EQ(ids(actionPointTypes(db, 39, 6)), (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(actionPointTypes(db, 42, 3).front(), (TriggerChoice{0, u"Slabs"}));
    EXPECT_EQ(ids(playerPageTypes(db, 28)), (std::vector<uint32_t>{0, 1, 2, 3}));
    EXPECT_TRUE(playerPageTypes(db, 30).empty());

    EXPECT_EQ(ids(TriggerLists::buttons(db, ButtonCategory::Misc)),
              (std::vector<uint32_t>{255, 253, 248, 247, 246, 245, 244, 243, 242, 241}));
    EXPECT_EQ(TriggerLists::buttons(db, ButtonCategory::Misc).front().text, u"Sell Room");
    EXPECT_EQ(ids(TriggerLists::buttons(db, ButtonCategory::Trap)), (std::vector<uint32_t>{1, 3}));
    EXPECT_EQ(ids(TriggerLists::buttons(db, ButtonCategory::Creature)), (std::vector<uint32_t>{1, 2, 3, 20}));

    const TriggerChoiceList players = TriggerLists::players(doc());
    ASSERT_GE(players.size(), 2u);
    EXPECT_EQ(players.front(), (TriggerChoice{0, u"<any player>"}));
    EXPECT_EQ(TriggerLists::operators(true).front(), (TriggerChoice{0, u"Available"}));
    EXPECT_EQ(TriggerLists::operators(false).back(), (TriggerChoice{6, u"Not Equal To"}));
}

} // namespace
} // namespace gr2
