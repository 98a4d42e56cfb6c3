// The action editor's rules without any form: which pages an action gets where its trigger
// stands, which kinds they offer, the page each kind opens on, the lists, and what each page's
// store writes as the file record keeps it.

#include "script/ActionPageLists.h"
#include "script/ActionPageModels.h"
#include "script/ActionSheetPages.h"

#include "level/CHeroParty.h"
#include "level/CWorldEditorDoc.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/TriggerActionRecord.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <functional>

namespace gr2 {
namespace {

using P = ActionPage;
using O = TriggerOwnerKind;

std::string pageList(const std::vector<ActionPage>& pages)
{
    std::string s;
    for (ActionPage p : pages) {
        if (!s.empty())
            s += ", ";
        for (char16_t c : actionPageTitle(p))
            if (c != u'&')
                s += char(c);
    }
    return s;
}

/// The 16 bytes the record writer keeps of the action: a0..a3, b, and the kind at byte 12.
Bytes written(const CAction& a)
{
    TriggerActionRecord r;
    r.parameters = a.parameters();
    r.kind = a.kind();
    return r.pack();
}

Bytes record(uint8_t kind, std::array<uint8_t, 4> a, uint32_t b)
{
    CAction action(nullptr);
    action.setKind(kind);
    action.setParameters({a, b});
    return written(action);
}

ActionPlace placeAt(O root, uint8_t player = 0)
{
    ActionPlace p;
    p.root = root;
    p.ownerPlayer = player;
    p.rootPlayer = root == O::Player ? player : 0;
    p.hasVorlanPlayer = true;
    p.playerCount = 4;
    return p;
}

TEST(ActionEditorPages, PagesPresentByRootOwnerAndLevelContent)
{
    auto with = [](ActionPlace p, std::function<void(ActionPlace&)> change) {
        change(p);
        return p;
    };
    auto points = [](ActionPlace& p) { p.hasActionPoints = true; };
    auto pointsAndParties = [](ActionPlace& p) {
        p.hasActionPoints = true;
        p.hasHeroParties = true;
    };
    const struct {
        const char* where;
        ActionPlace place;
        const char* pages;
    } cases[] = {
        {"level", placeAt(O::Level), "Availability, Flag, Timer, Game, Map"},
        {"level with points and parties", with(placeAt(O::Level), pointsAndParties),
         "Availability, Flag, Timer, Game, Party, Map"},
        {"level with points only", with(placeAt(O::Level), points), "Availability, Flag, Timer, Game, Map"},
        {"action point", with(placeAt(O::ActionPoint), points), "Availability, Flag, Timer, Game, Map"},
        {"hero party", placeAt(O::HeroParty), "Availability, Flag, Timer, Game, Map"},
        {"good player", placeAt(O::Player, 1), "Availability, Flag, Timer, Info, Game, Map"},
        {"neutral player", with(placeAt(O::Player, 2), points), "Availability, Flag, Timer, Info, Game, Map"},
        {"vorlan player", placeAt(O::Player, 3), "Availability, Flag, Timer, Info, Game, GUI, Map, Creature"},
        {"vorlan player with points", with(placeAt(O::Player, 3), points),
         "Availability, Flag, Timer, Info, Game, GUI, AP, Map, Creature"},
        {"creature", placeAt(O::Creature, 3), "Availability, Flag, Timer, Info, Game, GUI, Map, Creature"},
        {"door", placeAt(O::Door, 3), "Availability, Flag, Timer, Info, Game, GUI, Map"},
        {"trap", placeAt(O::Trap, 3), "Availability, Flag, Timer, Info, Game, GUI, Map"},
        {"object", placeAt(O::Object, 0), "Availability, Flag, Timer, Info, Game, GUI, Map"},
        // A level read from a file may have no Vorlan player: no page lists an empty player list.
        {"no vorlan player", with(placeAt(O::Level), [](ActionPlace& p) { p.hasVorlanPlayer = false; }),
         "Flag, Timer, Game, Map"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pageList(presentActionPages(c.place)), c.pages) << c.where;
}

TEST(ActionEditorPages, KindsOfferedDependOnThePlace)
{
    ActionPlace goodCreature = placeAt(O::Creature, 1);
    goodCreature.rootCreatureIsGoodSide = true;
    ActionPlace noVorlans = placeAt(O::Level);
    noVorlans.hasVorlanPlayer = false;
    ActionPlace rich = placeAt(O::Player, 3);
    rich.playerCount = 5;
    rich.hasPortalGemObject = true;
    rich.hasActionPoints = true;
    const struct {
        const char* where;
        ActionPage page;
        ActionPlace place;
        std::vector<uint8_t> kinds;
    } cases[] = {
        {"vorlan player's creature page", P::Creature, placeAt(O::Player, 3), {28, 37}},
        {"good creature", P::Creature, goodCreature, {20, 15, 29, 30, 33, 35, 36, 43}},
        {"vorlan creature", P::Creature, placeAt(O::Creature, 3), {20, 29, 30, 33, 35, 36, 43}},
        {"level game page", P::Game, placeAt(O::Level), {18, 44, 45, 51, 50}},
        {"level without vorlans", P::Game, noVorlans, {44, 45, 51, 50}},
        {"vorlan player with all", P::Game, rich, {10, 11, 18, 2, 42, 44, 45, 51, 50}},
        {"good player's game page", P::Game, placeAt(O::Player, 1), {18, 44, 45, 51, 50}},
        {"creature game page", P::Game, placeAt(O::Creature, 1), {18, 42, 44, 45, 51, 50}},
        {"gui without points", P::Gui, placeAt(O::Player, 3), {9}},
        {"gui with points", P::Gui, rich, {9, 31}},
        {"info", P::Info, rich, {46, 47, 4, 24, 25, 38}},
        {"map", P::Map, rich, {22, 32, 49}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(actionKindsOffered(c.page, c.place), c.kinds) << c.where;
}

TEST(ActionEditorPages, EachKindOpensOnItsOwningPage)
{
    const struct {
        uint8_t kind;
        bool inParty;
        std::optional<ActionPage> page;
    } cases[] = {
        {6, false, P::Availability}, {5, false, P::Info},       {25, false, P::Info},
        {34, false, P::Game},        {19, false, P::Game},      {12, false, P::Game},
        {48, false, P::Map},         {21, false, P::Creature},  {35, false, P::Creature},
        {7, false, P::Flag},         {23, false, P::Timer},     {31, false, P::Gui},
        {27, false, P::ActionPoint}, {14, false, P::Party},     {3, true, P::Party},
        {3, false, std::nullopt},    {0, false, std::nullopt},  {1, false, std::nullopt},
        {40, false, std::nullopt},   {52, false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pageOfActionKind(c.kind, c.inParty), c.page) << int(c.kind);
    const ActionPlace level = placeAt(O::Level);
    const std::vector<ActionPage> present = presentActionPages(level);
    EXPECT_EQ(openingActionPage(present, 0, level), P::Availability) << "a new action";
    EXPECT_EQ(openingActionPage(present, 34, level), P::Game) << "a loaded kind no list offers";
    EXPECT_EQ(openingActionPage(present, 36, level), P::Availability) << "its page is absent";
}

class ActionPageStoreTest : public testing::Test {
protected:
    ActionPageStoreTest()
    {
        test::buildSmallTypeData(db);
        level.playersUpTo(4);
        // An ownable path, and an ownable floor of a good room.
        db.terrains().findById(2)->setFlag(TerrainTypeFlag::Ownable, true);
        CTerrainType& goodFloor = test::addType(db.terrains(), 11, "Good Floor");
        goodFloor.setFlag(TerrainTypeFlag::Ownable, true);
        CRoomType* goodRoom = db.rooms().findById(13);
        goodRoom->setFloorTerrainId(11);
        goodRoom->setFlag(RoomTypeFlag::IsGood, true);
    }
    CWorldEditorDoc& doc() { return level.doc(); }

    CTypeDatabase db;
    test::LevelBuilder level;
};

TEST_F(ActionPageStoreTest, EachPageWritesItsKindsParametersOverWhatWasThere)
{
    const ActionPlace vorlan = placeAt(O::Player, 3);
    const struct {
        const char* what;
        std::function<void(CAction&)> store;
        Bytes bytes;
    } cases[] = {
        {"set flag 3 plus 10",
         [](CAction& a) {
             storeFlagActionPage({2, SetFlagMode::Add, false, 10, 0}, a);
         },
         record(7, {2, 0x12, 0, 0}, 10)},
        {"set flag 3 minus flag 5",
         [](CAction& a) {
             storeFlagActionPage({2, SetFlagMode::Subtract, true, 99, 4}, a);
         },
         record(7, {2, 0x24, 0, 0}, 4)},
        {"set timer 2",
         [](CAction& a) {
             storeTimerActionPage({1, 50}, a);
         },
         record(8, {1, 0, 0, 0}, 0)},
        {"time limit 50",
         [](CAction& a) {
             storeTimerActionPage({16, 50}, a);
         },
         record(23, {16, 0, 0, 0}, 50)},
        {"alter terrain to an ownable path",
         [this](CAction& a) {
             storeMapPage({22, 5, 6, 2, 3, 0}, db, a);
         },
         record(22, {2, 3, 0, 0}, 5 | 6 << 16)},
        {"alter terrain to rock",
         [this](CAction& a) {
             storeMapPage({22, 5, 6, 1, 3, 0}, db, a);
         },
         record(22, {1, 2, 0, 0}, 5 | 6 << 16)},
        {"alter terrain to a good room's floor",
         [this](CAction& a) {
             storeMapPage({22, 5, 6, 11, 3, 0}, db, a);
         },
         record(22, {11, 1, 0, 0}, 5 | 6 << 16)},
        {"collapse gate",
         [this](CAction& a) {
             storeMapPage({32, 2, 2, 11, 3, 4}, db, a);
         },
         record(32, {0, 0, 0, 0}, 2 | 2 << 16)},
        {"party",
         [](CAction& a) {
             storePartyActionPage({4, false, true, 7}, a);
         },
         record(14, {4, 0, 0, 0}, 7)},
        {"invasion party",
         [](CAction& a) {
             storePartyActionPage({4, true, false, 7}, a);
         },
         record(14, {4, 1, 0, 0}, 7)},
        {"random invasion party",
         [](CAction& a) {
             storePartyActionPage({4, true, true, 7}, a);
         },
         record(14, {4, 2, 0, 0}, 7)},
        {"availability",
         [](CAction& a) {
             storeAvailabilityPage({ButtonCategory::Trap, 1, true, 3}, a);
         },
         record(6, {3, 4, 1, 0}, 0)},
        {"speech",
         [](CAction& a) {
             storeInfoPage({24, 300, false, 0, false, true, 9}, a);
         },
         record(24, {44, 1, 0, 0}, 1 | 1 << 8 | 9 << 16)},
        {"objective zooming to point 2",
         [](CAction& a) {
             storeInfoPage({4, 12, true, 2, true, false, 0}, a);
         },
         record(4, {12, 0, 0, 0}, 2)},
        {"make objective under a player",
         [&vorlan](CAction& a) {
             storeGamePage({42, 0, 0, false, GamePageModel::Objective::Convert}, vorlan, a);
         },
         record(42, {0, 0, 0, 0}, 0)},
        {"make objective convert",
         [](CAction& a) {
             storeGamePage({42, 0, 0, false, GamePageModel::Objective::Convert}, placeAt(O::Creature, 3), a);
         },
         record(42, {3, 0, 0, 0}, 0)},
        {"gold value flashes for a while",
         [](CAction& a) {
             storeGuiActionPage({9, ButtonCategory::Misc, 243, FlashMode::Until, 5}, a);
         },
         record(9, {0, 243, 1, 0}, 5)},
        {"rotate back",
         [](CAction& a) {
             storeApActionPage({27, 2, false, FlashMode::Off, 0, 1, 30, -90}, a);
         },
         record(27, {2, 1, 0xA6, 0xFF}, 30)},
        {"send to action point 2",
         [](CAction& a) {
             storeCreaturePage({15, 23, 3, 2}, a);
         },
         record(15, {0, 23, 0, 0}, 2)},
        {"wait",
         [](CAction& a) {
             storeCreaturePage({15, 22, 3, 2}, a);
         },
         record(15, {0, 22, 0, 0}, 0)},
        {"steal gold from 4",
         [](CAction& a) {
             storeCreaturePage({15, 13, 4, 2}, a);
         },
         record(15, {4, 13, 0, 0}, 0)},
        {"generate",
         [](CAction& a) {
             storeCreaturePage({28, 11, 4, 2, 3, 7}, a);
         },
         record(28, {3, 7, 0, 0}, 0)},
    };
    for (const auto& c : cases) {
        CAction action(&doc());
        action.setKind(24);
        action.setParameters({{9, 9, 9, 9}, 0xFFFFFFFF});
        c.store(action);
        EXPECT_EQ(written(action), c.bytes) << c.what;
    }
}

TEST_F(ActionPageStoreTest, LoadingReadsWhatStoringWrote)
{
    CAction action(&doc());
    storeFlagActionPage({128, SetFlagMode::Subtract, false, 77, 0}, action);
    const FlagActionPageModel flag = loadFlagActionPage(action, true);
    EXPECT_EQ(flag.target, 128u);
    EXPECT_EQ(flag.op, SetFlagMode::Subtract);
    EXPECT_FALSE(flag.useFlag);
    EXPECT_EQ(flag.value, 77);

    storeMapPage({49, 7, 9, 0, 0, 4}, db, action);
    const MapPageModel map = loadMapPage(action);
    EXPECT_EQ(map.kind, 49);
    EXPECT_EQ(map.x, 7);
    EXPECT_EQ(map.y, 9);
    EXPECT_EQ(map.anyPlayer, 4u);

    storeApActionPage({27, 1, false, FlashMode::Off, 0, 0, 12, -10000}, action);
    EXPECT_EQ(loadApActionPage(action).angle, -10000);

    // A loaded kind the page does not offer loads the page's first kind.
    action.setKind(34);
    EXPECT_EQ(loadGamePage(action, placeAt(O::Level)).kind, 18);
    // A new action shows a level 1 creature and a health flower of one second.
    CAction fresh(&doc());
    const CreaturePageModel creature = loadCreaturePage(fresh, placeAt(O::Player, 3));
    EXPECT_EQ(creature.kind, 28);
    EXPECT_EQ(creature.level, 1);
}

TEST_F(ActionPageStoreTest, ListsLeaveOutWhatNoActionNames)
{
    auto ids = [](const TriggerChoiceList& list) {
        std::vector<uint32_t> v;
        for (const TriggerChoice& c : list)
            v.push_back(c.value);
        return v;
    };
    test::addType(db.terrains(), 29, "Hidden Floor");
    test::addType(db.terrains(), 27, "Hidden Wall");
    test::addType(db.rooms(), 20, "Hidden Room").setFloorTerrainId(29);
    db.rooms().findById(1)->setFlag(RoomTypeFlag::Buildable, true);
    EXPECT_EQ(ids(ActionLists::terrainTypes(db)), (std::vector<uint32_t>{1, 2, 10, 11}));
    EXPECT_EQ(ids(ActionLists::roomTypes(db, ActionLists::Rooms::All)), (std::vector<uint32_t>{1, 12, 13}));
    EXPECT_EQ(ids(ActionLists::roomTypes(db, ActionLists::Rooms::NotGood)), (std::vector<uint32_t>{1, 12}));
    EXPECT_EQ(ids(ActionLists::roomTypes(db, ActionLists::Rooms::Buildable)), (std::vector<uint32_t>{1}));
    EXPECT_EQ(ids(ActionLists::objectives(true)),
              (std::vector<uint32_t>{11, 12, 13, 14, 17, 18, 19, 22, 23, 27}));
    EXPECT_EQ(ids(ActionLists::objectives(false)),
              (std::vector<uint32_t>{11, 12, 13, 14, 17, 18, 19, 22, 27}));
    EXPECT_EQ(ids(ActionLists::vorlanPlayers(doc())), (std::vector<uint32_t>{3, 4}));
    EXPECT_EQ(ids(ActionLists::availabilityItems(db, ButtonCategory::Trap)), (std::vector<uint32_t>{1, 3}));
    const TriggerChoiceList flags = ActionLists::flagTargets();
    ASSERT_EQ(flags.size(), 129u);
    EXPECT_EQ(flags[0].text, u"Flag 1");
    EXPECT_EQ(flags[128].text, u"Level Score");
}

TEST_F(ActionPageStoreTest, ThePlaceComesFromTheTriggerAndTheLevel)
{
    CCreature* knight = doc().CreateCreature(test::TestCreature::Imp, PlayerId::None, {3, 3}, false);
    knight->setPartyId(0);
    CTrigger onKnight(&doc());
    onKnight.setOwnerObject(knight, O::Creature);
    const ActionPlace place = actionPlaceOf(onKnight, doc());
    EXPECT_EQ(place.root, O::Creature);
    EXPECT_TRUE(place.rootCreatureIsGoodSide) << "a hero party member without an owner";
    EXPECT_TRUE(place.hasVorlanPlayer);
    EXPECT_FALSE(place.hasActionPoints);
    EXPECT_EQ(place.playerCount, 4u);
    doc().AddHeroParty(std::make_unique<CHeroParty>(&doc(), 2));
    doc().AddActionPoint({1, 1, 2, 2});
    const ActionPlace later = actionPlaceOf(onKnight, doc());
    EXPECT_TRUE(later.hasHeroParties);
    EXPECT_TRUE(later.hasActionPoints);
}

} // namespace
} // namespace gr2
