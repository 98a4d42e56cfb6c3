#include "script/ActionKind.h"
#include "script/ButtonCategory.h"
#include "script/CompareOp.h"
#include "script/CreatureObjective.h"
#include "script/MiscButtonId.h"
#include "script/TriggerKind.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(ScriptCodeTablesTest, TriggerKindsHaveTheirNamesAndSubjects)
{
    ASSERT_EQ(triggerKinds().size(), 76u);
    struct Case {
        uint8_t code;
        std::u16string_view name;
        TriggerOwnerKind subject;
    };
    const Case cases[] = {
        {0, u"Null", TriggerOwnerKind::Level},
        {10, u"Claimed", TriggerOwnerKind::Creature},
        {17, u"Destroyed", TriggerOwnerKind::Door},
        {18, u"Claimed", TriggerOwnerKind::Object},
        {35, u"Creatures", TriggerOwnerKind::Level},
        {38, u"<Not Used>", TriggerOwnerKind::ActionPoint},
        {43, u"Created", TriggerOwnerKind::HeroParty},
        {48, u"Portal Gem In Hand", TriggerOwnerKind::Player},
        {50, u"Enter Action Point", TriggerOwnerKind::Creature},
        {51, u"Enter Action Point", TriggerOwnerKind::HeroParty},
        {70, u"Possessed Creature Enters", TriggerOwnerKind::ActionPoint},
        {75, u"Gems Collected", TriggerOwnerKind::Player},
        {76, u"Null", TriggerOwnerKind::Level}, // past the table: the first entry
    };
    for (const Case& c : cases) {
        EXPECT_EQ(triggerKindName(c.code), c.name) << int(c.code);
        EXPECT_EQ(triggerKindSubject(c.code), c.subject) << int(c.code);
    }
    EXPECT_EQ(triggerOwnerKindName(TriggerOwnerKind::ActionPoint), u"Action Point");
    EXPECT_EQ(triggerOwnerKindName(TriggerOwnerKind(12)), u"Null");
}

TEST(ScriptCodeTablesTest, ActionKindNames)
{
    ASSERT_EQ(actionKinds().size(), 52u);
    EXPECT_EQ(actionKindName(1), u"Create Creature");
    EXPECT_EQ(actionKindName(27), u"Rotate Around Action Point");
    EXPECT_EQ(actionKindName(51), u"Set Timer Speech");
    EXPECT_EQ(actionKindName(52), u"Null");
}

TEST(ScriptCodeTablesTest, ExactlyTheKindsThatNameAMapTileSayWhereItIs)
{
    std::vector<int> withTile;
    for (const ActionKindInfo& k : actionKinds())
        if (k.tile == ActionTile::B)
            withTile.push_back(int(k.code));
    // Create Creature, Alter Terrain Type, Collapse Hero Gate, Display Slab Owner, Change Room
    // Owner. Create Portal Gem's tile is worked out from the gem object whenever it is written.
    EXPECT_EQ(withTile, (std::vector<int>{1, 22, 32, 46, 49}));
    EXPECT_EQ(actionTileOf(uint8_t(ActionKind::CreatePortalGem)), ActionTile::None);
    EXPECT_EQ(actionTileOf(200), ActionTile::None);
}

TEST(ScriptCodeTablesTest, CompareOps)
{
    EXPECT_EQ(compareOpSymbol(2), u"<=");
    EXPECT_EQ(compareOpName(5), u"Greater / Equal To");
    EXPECT_EQ(compareOpSymbol(6), u"!=");
    EXPECT_EQ(compareOpSymbol(0), u"");
    EXPECT_EQ(compareOpSymbol(7), u"");
}

TEST(ScriptCodeTablesTest, ObjectiveNamesStepOverTheMissingCode)
{
    EXPECT_EQ(creatureObjectives().size(), 28u);
    EXPECT_EQ(creatureObjectiveName(20), u"Tunnelling");
    EXPECT_EQ(creatureObjectiveName(21), u"Tunnelling");
    EXPECT_EQ(creatureObjectiveName(22), u"Wait");
    EXPECT_EQ(creatureObjectiveName(28), u"Tolling");
    EXPECT_EQ(creatureObjectiveName(29), u"Null");
}

TEST(ScriptCodeTablesTest, ButtonListsInEditorOrder)
{
    ASSERT_EQ(buttonCategories().size(), 6u);
    EXPECT_EQ(buttonCategories()[5].name, u"Vorlan Spell");
    ASSERT_EQ(miscButtonIds().size(), 16u);
    EXPECT_EQ(miscButtonIds()[1].code, 255);
    EXPECT_EQ(miscButtonIds()[15].code, 241);
    EXPECT_EQ(codeNameOrFirst(miscButtonIds(), 246).name, u"Vidad Talisman");
    EXPECT_EQ(codeNameOrFirst(miscButtonIds(), 7).name, u"Null");
}

} // namespace
} // namespace gr2
