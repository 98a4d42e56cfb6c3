// The drop rules of the script tree, from what the two items are, without a level.

#include "script/ScriptTreeDropRules.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using K = TreeItemKind;
using V = DropVerdict;
using O = TriggerOwnerKind;

DropSide item(K kind)
{
    DropSide side;
    side.kind = kind;
    return side;
}
DropSide trigger(O owner)
{
    DropSide side = item(K::Trigger);
    side.triggerOwner = owner;
    return side;
}
DropSide offMap(K kind)
{
    DropSide side = item(kind);
    side.placed = false;
    side.keepsTriggers = false;
    return side;
}
/// A trap, a dead body or an effect generator: on the map, but its record keeps no triggers.
DropSide keepsNoTriggers(K kind)
{
    DropSide side = item(kind);
    side.keepsTriggers = false;
    return side;
}
DropSide noCommands(DropSide side)
{
    side.noCommands = true;
    return side;
}

TEST(ScriptTreeDropRulesTest, VerdictsByKinds)
{
    struct Case {
        const char* what;
        DropSide dragged, target;
        V verdict;
    };
    const Case cases[] = {
        {"player on the level (players are not moved)", item(K::Player), item(K::Level), V::None},
        {"player beside a player", item(K::Player), item(K::Player), V::None},
        {"player on a thing", item(K::Player), item(K::Creature), V::None},
        {"thing on a player", item(K::Door), item(K::Player), V::ChildOnly},
        {"thing beside a thing", item(K::Trap), item(K::Object), V::SiblingOnly},
        {"thing beside a player's trigger", item(K::Object), trigger(O::Player), V::SiblingOnly},
        {"thing beside a creature's trigger", item(K::Object), trigger(O::Creature), V::None},
        {"trigger on a trigger", trigger(O::Level), trigger(O::Door), V::ChildOrSibling},
        {"trigger on a placed creature", trigger(O::Level), item(K::Creature), V::ChildOnly},
        {"trigger on a creature off the map", trigger(O::Level), offMap(K::Creature), V::None},
        {"trigger on an effect generator", trigger(O::Level), keepsNoTriggers(K::EffectGenerator), V::None},
        {"trigger on a trap", trigger(O::Level), keepsNoTriggers(K::Trap), V::None},
        {"trigger on a dead body", trigger(O::Level), keepsNoTriggers(K::Creature), V::None},
        {"trap beside a trap", keepsNoTriggers(K::Trap), keepsNoTriggers(K::Trap), V::SiblingOnly},
        {"trigger on an action", trigger(O::Level), item(K::Action), V::None},
        {"action on a trigger's trigger", item(K::Action), trigger(O::Trigger), V::ChildOrSibling},
        {"action on a level's trigger", item(K::Action), trigger(O::Level), V::ChildOnly},
        {"action beside an action", item(K::Action), item(K::Action), V::SiblingOnly},
        {"action point on the level", item(K::ActionPoint), item(K::Level), V::ChildOnly},
        {"action point beside a hero party", item(K::ActionPoint), item(K::HeroParty), V::SiblingOnly},
        {"hero party beside an action point (parties are not moved)", item(K::HeroParty),
         item(K::ActionPoint), V::None},
        {"the level itself", item(K::Level), item(K::Player), V::None},
        {"a creature off the map", offMap(K::Creature), item(K::Player), V::None},
        {"onto the forced first person trigger", trigger(O::Level), noCommands(trigger(O::Player)), V::None},
        {"the forced first person action", noCommands(item(K::Action)), item(K::Action), V::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dropVerdictFor(c.dragged, c.target, false), c.verdict) << c.what;
}

TEST(ScriptTreeDropRulesTest, OnlyMovesAndCopiesThatChangeTheLevelAreOffered)
{
    // The order of players, action points and hero parties is not the level's: moving one would
    // change nothing that lasts. Players and hero parties are not copied.
    struct Case {
        K kind;
        bool move, copy;
    };
    for (const Case& c :
         {Case{K::Player, false, false}, Case{K::HeroParty, false, false}, Case{K::ActionPoint, false, true},
          Case{K::Creature, true, true}, Case{K::Trigger, true, true}, Case{K::Action, true, true},
          Case{K::Level, false, false}}) {
        EXPECT_EQ(offersMove(c.kind), c.move) << int(c.kind);
        EXPECT_EQ(offersCopy(c.kind), c.copy) << int(c.kind);
        EXPECT_EQ(canDrag(item(c.kind)), c.move || c.copy) << int(c.kind);
    }
}

TEST(ScriptTreeDropRulesTest, NothingDropsIntoItself)
{
    EXPECT_EQ(dropVerdictFor(trigger(O::Level), trigger(O::Trigger), true), V::None);
    EXPECT_TRUE(allowsChild(V::ChildOnly) && allowsChild(V::ChildOrSibling) && !allowsChild(V::SiblingOnly));
    EXPECT_TRUE(allowsSibling(V::SiblingOnly) && !allowsSibling(V::ChildOnly) && !allowsSibling(V::None));
}

} // namespace
} // namespace gr2
