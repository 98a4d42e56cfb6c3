#include "script/LevelScript.h"

#include "level/CWorldEditorDoc.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;
using Ids = std::vector<int16_t>;
namespace TestCreature = test::TestCreature;

class ResolveScriptTest : public testing::Test {
protected:
    CWorldEditorDoc& doc() { return level.doc(); }
    LevelScript& script() { return sb.script(); }
    int16_t& root() { return doc().loadedProperties().rootTrigger; }

    LevelBuilder level;
    ScriptBuilder sb{level.doc()};
};

TEST_F(ResolveScriptTest, OwnersKindsPlayersAndPlacedFlags)
{
    CPlayer& p3 = *doc().FindPlayer(3);
    CCreature* c = doc().CreateCreature(TestCreature::Imp, 3, {4, 4}, true);
    CTrigger& levelT = sb.trigger(1, 0, 2);
    CTrigger& levelSub = sb.trigger(2, -1, 0);
    CAction& levelAct = sb.action(-1);
    CTrigger& playerT = sb.trigger(3, 0, -2);
    CAction& playerAct = sb.action(-2);
    CTrigger& creatureT = sb.trigger(4, 0, 5);
    CTrigger& creatureSub = sb.trigger(5);
    CTrigger& orphan = sb.trigger(6);
    root() = 1;
    p3.setFirstTrigger(3);
    c->setFirstTrigger(4);

    script().ResolveScript();

    EXPECT_EQ(levelT.ownerKind(), TriggerOwnerKind::Level);
    EXPECT_EQ(levelT.ownerObject(), nullptr);
    EXPECT_EQ(levelT.ownerId(), 0);
    EXPECT_TRUE(levelT.isPlaced());
    EXPECT_EQ(levelSub.ownerKind(), TriggerOwnerKind::Trigger);
    EXPECT_EQ(levelSub.ownerObject(), &levelT);
    EXPECT_EQ(levelAct.ownerTrigger(), &levelT) << "the action follows the sub-trigger in T's list";

    EXPECT_EQ(playerT.ownerKind(), TriggerOwnerKind::Player);
    EXPECT_EQ(playerT.ownerObject(), &p3);
    EXPECT_EQ(playerT.ownerId(), 3);
    EXPECT_EQ(playerAct.ownerTrigger(), &playerT);
    EXPECT_EQ(playerAct.ownerId(), 3);

    EXPECT_EQ(creatureT.ownerKind(), TriggerOwnerKind::Creature);
    EXPECT_EQ(creatureT.ownerObject(), c);
    EXPECT_EQ(creatureT.ownerId(), 3);
    EXPECT_TRUE(creatureT.isPlaced());
    EXPECT_EQ(creatureSub.parentTrigger(), &creatureT);
    EXPECT_EQ(creatureSub.ownerId(), 3);

    EXPECT_FALSE(orphan.hasOwner());
    EXPECT_EQ(script().triggers().size(), 6u) << "orphans stay in the level";
}

TEST_F(ResolveScriptTest, DanglingLinks)
{
    CPlayer& p3 = *doc().FindPlayer(3);
    // In a top-level chain a missing element detaches the whole chain.
    sb.trigger(1, 99);
    p3.setFirstTrigger(1);
    // In a child list only the link that names it goes.
    sb.trigger(2, 3, -1);
    sb.action(-1, -98);
    sb.trigger(3, 0, 97);
    root() = 2;

    script().ResolveScript();
    EXPECT_EQ(p3.firstTrigger(), 0);
    EXPECT_EQ(script().FindAction(-1)->next(), 0);
    EXPECT_EQ(script().FindTrigger(3)->child(), 0);
    EXPECT_EQ(sb.chain(root()), (Ids{2, 3}));
}

TEST_F(ResolveScriptTest, LoopsAndSelfReferencesAreCut)
{
    CPlayer& p3 = *doc().FindPlayer(3);
    // A chain that loops back on itself: 1 -> 2 -> 3 -> 1.
    sb.trigger(1, 2);
    sb.trigger(2, 3);
    sb.trigger(3, 1);
    p3.setFirstTrigger(1);
    // A trigger that is its own child, and a child list that loops: 4 { -1 -> -2 -> -1 }.
    sb.trigger(5, 0, 5);
    sb.trigger(4, 5, -1);
    sb.action(-1, -2);
    sb.action(-2, -1);
    root() = 4;

    script().ResolveScript();
    EXPECT_EQ(sb.chain(p3.firstTrigger()), (Ids{1, 2, 3}));
    EXPECT_EQ(script().FindTrigger(3)->next(), 0);
    EXPECT_EQ(script().FindTrigger(5)->child(), 0);
    EXPECT_EQ(sb.chain(script().FindTrigger(4)->child()), (Ids{-1, -2}));
    EXPECT_EQ(script().FindAction(-2)->ownerTrigger(), script().FindTrigger(4));
    EXPECT_EQ(sb.chain(root()), (Ids{4, 5}));

    // A second resolve finds nothing more to cut.
    script().ResolveScript();
    EXPECT_EQ(sb.chain(p3.firstTrigger()), (Ids{1, 2, 3}));
}

TEST_F(ResolveScriptTest, AChainClaimedByTwoHeadsStaysWithTheFirst)
{
    CCreature* a = doc().CreateCreature(TestCreature::Imp, 3, {3, 3}, true);
    CCreature* b = doc().CreateCreature(TestCreature::Imp, 3, {4, 4}, true);
    sb.trigger(1, 2);
    sb.trigger(2);
    sb.trigger(3, 2); // b's chain runs into a's
    a->setFirstTrigger(1);
    b->setFirstTrigger(3);
    script().ResolveScript();
    EXPECT_EQ(sb.chain(a->firstTrigger()), (Ids{1, 2}));
    EXPECT_EQ(sb.chain(b->firstTrigger()), (Ids{3}));
    EXPECT_EQ(script().FindTrigger(2)->ownerObject(), a);
}

TEST_F(ResolveScriptTest, RepeatedIdsUseTheFirstAndFinish)
{
    CPlayer& p3 = *doc().FindPlayer(3);
    CTrigger& first = sb.trigger(1, 1, 1); // next and child both name itself
    CTrigger& second = sb.trigger(1, 2);
    sb.trigger(2, 1);
    p3.setFirstTrigger(1);
    script().ResolveScript();
    EXPECT_EQ(first.next(), 0);
    EXPECT_EQ(first.child(), 0);
    EXPECT_EQ(first.ownerObject(), &p3);
    EXPECT_FALSE(second.hasOwner());
}

TEST_F(ResolveScriptTest, ActionsDoNotHeadTopLevelChains)
{
    CPlayer& p3 = *doc().FindPlayer(3);
    sb.trigger(1, -1);
    sb.action(-1);
    p3.setFirstTrigger(1);
    script().ResolveScript();
    EXPECT_EQ(sb.chain(p3.firstTrigger()), (Ids{1}));
    EXPECT_EQ(script().FindAction(-1)->ownerTrigger(), nullptr);
}

TEST_F(ResolveScriptTest, WalksOverLoopsFinish)
{
    // Built with no resolve in between, as a file could hold them.
    sb.trigger(1, 2, 1);
    sb.trigger(2, 1, -1);
    sb.action(-1, -2);
    sb.action(-2, -1);
    EXPECT_EQ(script().LastInChain(1), 2);
    EXPECT_FALSE(script().chainContains(1, 7));

    CTrigger& parent = *script().FindTrigger(2);
    auto extra = script().makeAction();
    extra->setId(-3);
    script().addLoadedAction(std::move(extra));
    script().AppendToChildList(-3, parent);
    EXPECT_EQ(sb.chain(parent.child()), (Ids{-1, -2, -3})) << "the link closing the loop is replaced";

    script().AttachUnownedActions();
    EXPECT_EQ(script().FindAction(-1)->ownerTrigger(), &parent);

    EXPECT_TRUE(script().DeleteTrigger(1, true));
    EXPECT_TRUE(script().triggers().empty());
    EXPECT_TRUE(script().actions().empty());
}

TEST_F(ResolveScriptTest, DeepNestingNeedsNoRecursion)
{
    // Each trigger the only child of the one before: as deep as ids allow.
    constexpr int kDepth = 32767;
    for (int id = 1; id <= kDepth; ++id)
        sb.trigger(int16_t(id), 0, int16_t(id < kDepth ? id + 1 : 0));
    root() = 1;
    script().ResolveScript();
    EXPECT_EQ(script().FindTrigger(kDepth)->parentTrigger(), script().FindTrigger(kDepth - 1));
    EXPECT_TRUE(script().FindTrigger(kDepth)->isPlaced());
    EXPECT_TRUE(script().DeleteTrigger(1, true));
    EXPECT_TRUE(script().triggers().empty());
    EXPECT_EQ(root(), 0);
}

TEST_F(ResolveScriptTest, CreateCreatureActionsGetAPreviewThatIsNeverOnTheMap)
{
    CPlayer& p3 = *doc().FindPlayer(3);
    CCreature* onMap = doc().CreateCreature(TestCreature::Imp, 3, {6, 7}, true);
    sb.trigger(1, 0, -1);
    CAction& a = sb.action(-1, 0, uint8_t(ActionKind::CreateCreature));
    a.parameters().a = {TestCreature::Knight, 1, 4, 0x55};
    a.parameters().setB(6, 7);
    p3.setFirstTrigger(1);
    doc().SetModifiedFlag(false);

    script().ResolveScript();
    CCreature* preview = a.creature();
    ASSERT_TRUE(preview);
    EXPECT_NE(preview, onMap) << "a placed creature on the action's tile is never taken";
    EXPECT_TRUE(onMap->isPlaced());
    EXPECT_FALSE(preview->isPlaced());
    EXPECT_EQ(preview->type(), TestCreature::Knight);
    EXPECT_EQ(preview->ownerId(), 1);
    EXPECT_EQ(preview->level(), 4);
    EXPECT_EQ(preview->flags1(), 0x55);
    EXPECT_EQ(preview->sourceAction(), -1);
    EXPECT_EQ(preview->position(), (TilePoint{6, 7}));
    EXPECT_FALSE(doc().isModified()) << "showing the script is no edit";

    // A later refresh keeps the same preview and the flags the user gave it since.
    preview->setFlags1(0x09);
    const size_t creatures = doc().creatures().size();
    script().ResolveScript();
    EXPECT_EQ(a.creature(), preview);
    EXPECT_EQ(preview->flags1(), 0x09);
    EXPECT_EQ(doc().creatures().size(), creatures);

    // The preview is found again by its action even when the action lost track of it.
    a.setCreature(nullptr);
    script().ResolveScript();
    EXPECT_EQ(a.creature(), preview);
    EXPECT_EQ(doc().creatures().size(), creatures);
}

TEST_F(ResolveScriptTest, EachPlayersForcedCreatureIsFoundAgain)
{
    level.playersUpTo(4);
    CCreature* c3 = doc().CreateCreature(TestCreature::Imp, 3, {3, 3}, true);
    CCreature* c4 = doc().CreateCreature(TestCreature::Imp, 4, {5, 5}, true);
    ASSERT_TRUE(script().ForceFirstPerson(*c3, true));
    ASSERT_TRUE(script().ForceFirstPerson(*c4, true));
    const int16_t t3 = script().forcedFirstPersonTrigger(3), t4 = script().forcedFirstPersonTrigger(4);
    doc().FindPlayer(3)->setForcedFirstPerson(nullptr);
    doc().FindPlayer(4)->setForcedFirstPerson(nullptr);

    script().ResolveScript();
    EXPECT_EQ(doc().FindPlayer(3)->forcedFirstPerson(), c3);
    EXPECT_EQ(doc().FindPlayer(4)->forcedFirstPerson(), c4);
    EXPECT_EQ(script().forcedFirstPersonTrigger(3), t3);
    EXPECT_EQ(script().forcedFirstPersonTrigger(4), t4);
}

} // namespace
} // namespace gr2
