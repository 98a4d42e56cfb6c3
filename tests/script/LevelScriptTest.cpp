#include "script/LevelScript.h"

#include "level/CWorldEditorDoc.h"
#include "level/DocumentObserver.h"
#include "script/CompareOp.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;
using Ids = std::vector<int16_t>;
namespace TestCreature = test::TestCreature;

/// Records what the script tree would hear.
struct RemovalLog : DocumentObserver {
    void objectRemoved(CLevelObject& o) override
    {
        if (auto* t = dynamic_cast<CTrigger*>(&o))
            removed.push_back(t->id());
        else if (auto* a = dynamic_cast<CAction*>(&o))
            removed.push_back(a->id());
    }
    Ids removed;
};

class LevelScriptTest : public testing::Test {
protected:
    CWorldEditorDoc& doc() { return level.doc(); }
    LevelScript& script() { return sb.script(); }
    CPlayer& player3() { return *doc().FindPlayer(3); }

    /// A trigger added the way the trigger editor adds one: new id, owner, then AddTrigger.
    CTrigger& addTrigger(CLevelObject* owner, TriggerOwnerKind kind, uint8_t playerId)
    {
        auto t = script().makeTrigger();
        EXPECT_NE(script().NewTriggerId(*t), 0);
        t->setOwnerObject(owner, kind);
        t->setOwnerById(playerId);
        return *script().AddTrigger(std::move(t));
    }
    CAction& addAction(CTrigger& owner, uint8_t kind = 10)
    {
        auto a = script().makeAction();
        EXPECT_NE(script().NewActionId(*a), 0);
        a->setOwnerTrigger(&owner);
        a->setKind(kind);
        return *script().AddAction(std::move(a));
    }

    LevelBuilder level;
    ScriptBuilder sb{level.doc()};
};

TEST_F(LevelScriptTest, NewIdsFillTheFirstGap)
{
    for (int16_t id : {1, 2, 4})
        sb.trigger(id);
    for (int16_t id : {-1, -3})
        sb.action(id);
    auto t = script().makeTrigger();
    auto a = script().makeAction();
    EXPECT_EQ(script().NewTriggerId(*t), 3);
    EXPECT_EQ(t->id(), 3);
    EXPECT_EQ(script().NewActionId(*a), -2);
    EXPECT_EQ(a->id(), -2);
}

TEST_F(LevelScriptTest, NewIdsAreRefusedWhenAllAreTaken)
{
    for (int id = 1; id <= 32767; ++id)
        sb.trigger(int16_t(id));
    for (int id = -1; id >= -32768; --id)
        sb.action(int16_t(id));
    auto t = script().makeTrigger();
    auto a = script().makeAction();
    EXPECT_EQ(script().NewTriggerId(*t), 0);
    EXPECT_EQ(t->id(), 0) << "the trigger is left without an id, not given one of the other sign";
    EXPECT_EQ(script().NewActionId(*a), 0);
    EXPECT_EQ(a->id(), 0);
}

TEST_F(LevelScriptTest, AddingLinksAtTheEndOfTheOwnersChain)
{
    CTrigger& l1 = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    CTrigger& l2 = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    EXPECT_EQ(doc().properties().rootTrigger, l1.id());
    EXPECT_EQ(sb.chain(l1.id()), (Ids{l1.id(), l2.id()}));

    CTrigger& p1 = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    CTrigger& p2 = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    EXPECT_EQ(player3().firstTrigger(), p1.id());
    EXPECT_EQ(player3().lastTrigger(), p2.id());

    CAction& a = addAction(p1);
    CTrigger& sub = addTrigger(&p1, TriggerOwnerKind::Trigger, 3);
    EXPECT_EQ(sb.chain(p1.child()), (Ids{a.id(), sub.id()}));
    EXPECT_EQ(a.ownerId(), 3) << "an action takes its trigger's player";

    // Linking again, or appending an id the list already holds, changes nothing.
    script().LinkTrigger(p2);
    script().AppendToChildList(a.id(), p1);
    script().AppendToChildList(sub.id(), p1);
    EXPECT_EQ(sb.chain(player3().firstTrigger()), (Ids{p1.id(), p2.id()}));
    EXPECT_EQ(sb.chain(p1.child()), (Ids{a.id(), sub.id()}));
    EXPECT_EQ(sub.next(), 0);
}

TEST_F(LevelScriptTest, LinkActionFindsTheTriggerWhoseListHoldsIt)
{
    CTrigger& t1 = sb.trigger(1, 0, -2);
    sb.trigger(2, 0, 0);
    sb.action(-2, -1);
    CAction& a = sb.action(-1);
    t1.setOwnerById(3);
    script().LinkAction(a);
    EXPECT_EQ(a.ownerTrigger(), &t1);
    EXPECT_EQ(a.ownerId(), 3);
    EXPECT_EQ(sb.chain(t1.child()), (Ids{-2, -1}));

    // An action that no list holds stays without owner.
    CAction& lost = sb.action(-5);
    script().LinkAction(lost);
    EXPECT_EQ(lost.ownerTrigger(), nullptr);
}

TEST_F(LevelScriptTest, AttachingActionsReadFromAFile)
{
    CTrigger& t1 = sb.trigger(1, 0, 2);
    CTrigger& t2 = sb.trigger(2, 0, -1);
    CAction& first = sb.action(-1, -2);
    CAction& second = sb.action(-2);
    CAction& orphan = sb.action(-3);
    CAction& repeated = sb.action(-2); // an id repeated: its owner is its predecessor's
    t2.setOwnerById(3);
    script().AttachUnownedActions();
    EXPECT_EQ(first.ownerTrigger(), &t2) << "the list that holds it, not the list of t1 above it";
    EXPECT_EQ(second.ownerTrigger(), &t2);
    EXPECT_EQ(second.ownerId(), 3);
    EXPECT_EQ(repeated.ownerTrigger(), &t2);
    EXPECT_EQ(orphan.ownerTrigger(), nullptr);
    EXPECT_EQ(t1.child(), 2) << "links are kept as read";
    EXPECT_EQ(sb.chain(t2.child()), (Ids{-1, -2}));
}

TEST_F(LevelScriptTest, DeletingTriggersOfAPlayersChainRelinksIt)
{
    CTrigger& first = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    CTrigger& middle = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    CTrigger& last = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    const int16_t f = first.id(), m = middle.id(), l = last.id();

    EXPECT_TRUE(script().DeleteTrigger(m, false));
    EXPECT_EQ(sb.chain(player3().firstTrigger()), (Ids{f, l}));
    EXPECT_TRUE(script().DeleteTrigger(f, false));
    EXPECT_EQ(player3().firstTrigger(), l);
    EXPECT_EQ(script().triggers().size(), 1u);
    EXPECT_TRUE(doc().isModified());
}

TEST_F(LevelScriptTest, DeletingATriggerTakesItsWholeSubtree)
{
    RemovalLog log;
    doc().addObserver(&log);
    CTrigger& t = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    CTrigger& after = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    CAction& a1 = addAction(t);
    CTrigger& sub = addTrigger(&t, TriggerOwnerKind::Trigger, 3);
    CAction& a2 = addAction(t);
    CAction& subAction = addAction(sub);
    CTrigger& subSub = addTrigger(&sub, TriggerOwnerKind::Trigger, 3);
    const Ids gone = {t.id(), a1.id(), sub.id(), a2.id(), subAction.id(), subSub.id()};
    const int16_t afterId = after.id();

    EXPECT_TRUE(script().DeleteTrigger(t.id(), false));
    EXPECT_EQ(script().triggers().size(), 1u);
    EXPECT_TRUE(script().actions().empty());
    EXPECT_EQ(player3().firstTrigger(), afterId);
    Ids removed = log.removed;
    std::sort(removed.begin(), removed.end());
    Ids expected = gone;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(removed, expected);
    EXPECT_EQ(log.removed.back(), gone.front()) << "children are announced before their trigger";
    doc().removeObserver(&log);
}

TEST_F(LevelScriptTest, DeletingWithFollowingTakesTheRestOfTheChain)
{
    CTrigger& a = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    CTrigger& b = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    addAction(b);
    const int16_t aId = a.id();
    EXPECT_TRUE(script().DeleteTrigger(b.id(), true));
    EXPECT_EQ(sb.chain(player3().firstTrigger()), (Ids{aId}));
    EXPECT_EQ(script().FindTrigger(aId)->next(), 0) << "no link is left to a deleted element";
    EXPECT_TRUE(script().actions().empty());
}

TEST_F(LevelScriptTest, DeletingAnActionRelinksItsNeighbours)
{
    CTrigger& t = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    CAction& a1 = addAction(t);
    CAction& a2 = addAction(t);
    CAction& a3 = addAction(t);
    const int16_t first = a1.id(), third = a3.id();
    script().DeleteAction(a2);
    EXPECT_EQ(sb.chain(t.child()), (Ids{first, third}));
    script().DeleteAction(*script().FindAction(first));
    EXPECT_EQ(t.child(), third);
}

TEST_F(LevelScriptTest, DanglingIdsEndDeletion)
{
    sb.trigger(1, 9, 8); // next and child name nothing
    EXPECT_TRUE(script().DeleteTrigger(1, true));
    EXPECT_TRUE(script().triggers().empty());
    EXPECT_FALSE(script().DeleteTrigger(5, true)) << "an id that names nothing deletes nothing";
    EXPECT_TRUE(script().DeleteTrigger(0, true));
}

TEST_F(LevelScriptTest, DetachingLeavesOtherChainsAlone)
{
    CTrigger& l1 = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    CTrigger& l2 = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    CTrigger& l3 = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    script().DetachTrigger(l2);
    EXPECT_EQ(sb.chain(doc().properties().rootTrigger), (Ids{l1.id(), l3.id()}));
    script().DetachTrigger(l1);
    EXPECT_EQ(doc().properties().rootTrigger, l3.id());

    // A level trigger that is in no chain any more: the root is not touched.
    l2.setNext(0);
    script().DetachTrigger(l2);
    EXPECT_EQ(doc().properties().rootTrigger, l3.id());

    CAction& a1 = addAction(l3);
    CAction& a2 = addAction(l3);
    script().DetachAction(a1);
    EXPECT_EQ(l3.child(), a2.id());
    EXPECT_EQ(a1.next(), a2.id()) << "the detached element's own link is the mover's to set";
}

TEST_F(LevelScriptTest, DeletePlayerScriptTakesEveryTriggerOfThePlayer)
{
    CTrigger& mine = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    addTrigger(&mine, TriggerOwnerKind::Trigger, 3);
    CTrigger& level = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    CCreature* c = doc().CreateCreature(TestCreature::Imp, 3, {4, 4}, true);
    addTrigger(c, TriggerOwnerKind::Creature, 3);
    script().DeletePlayerScript(player3());
    ASSERT_EQ(script().triggers().size(), 1u);
    EXPECT_EQ(script().TriggerAt(0), &level);
    EXPECT_EQ(player3().firstTrigger(), 0);
    EXPECT_EQ(c->firstTrigger(), 0);
}

TEST_F(LevelScriptTest, UsageMarksTheFlagsAndTimersActionsWrite)
{
    CTrigger& t = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    auto add = [&](uint8_t kind, uint8_t a0) {
        auto a = script().makeAction();
        script().NewActionId(*a);
        a->setOwnerTrigger(&t);
        a->setKind(kind);
        a->setA(0, a0);
        return script().AddAction(std::move(a));
    };
    add(7, 5);
    add(7, 128);
    add(8, 3);
    CAction* limit = add(23, 16);
    const ScriptUsage& u = script().usage();
    EXPECT_TRUE(u.isFlagUsed(5));
    EXPECT_FALSE(u.isFlagUsed(6));
    EXPECT_TRUE(u.isLevelScoreUsed());
    EXPECT_TRUE(u.isTimerUsed(3));
    EXPECT_TRUE(u.isTimeLimitUsed());
    script().DeleteAction(*limit);
    EXPECT_TRUE(u.isTimeLimitUsed()) << "a mark stays when its action goes";
    script().usage().clearFlag(128);
    EXPECT_TRUE(u.isLevelScoreUsed());
}

// --- the document's side -------------------------------------------------------------------------

TEST_F(LevelScriptTest, DeletingAPlacedCreatureDeletesItsChain)
{
    CCreature* c = doc().CreateCreature(TestCreature::Imp, 3, {4, 4}, true);
    CTrigger& t1 = addTrigger(c, TriggerOwnerKind::Creature, 3);
    addAction(t1);
    CTrigger& t2 = addTrigger(c, TriggerOwnerKind::Creature, 3);
    addTrigger(&t2, TriggerOwnerKind::Trigger, 3);
    CTrigger& other = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    doc().DeleteCreature(c, true);
    ASSERT_EQ(script().triggers().size(), 1u);
    EXPECT_EQ(script().TriggerAt(0), &other);
    EXPECT_TRUE(script().actions().empty());
}

TEST_F(LevelScriptTest, DeletingACreateCreatureActionDeletesItsCreature)
{
    CTrigger& t = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    doc().BeginCreatureActionPicking(t.id());
    CCreature* picked = doc().CreateCreature(TestCreature::Knight, 1, {5, 6}, true);
    doc().FinishCreatureActionPicking(false);
    ASSERT_EQ(script().actions().size(), 1u);
    CAction& a = *script().ActionAt(0);
    EXPECT_EQ(a.creature(), picked);
    EXPECT_EQ(picked->sourceAction(), a.id());
    EXPECT_FALSE(picked->isPlaced());
    EXPECT_EQ(a.parameters().a, (std::array<uint8_t, 4>{TestCreature::Knight, 1, 1, picked->flags1()}));
    EXPECT_EQ(a.parameters().bx(), 5);
    EXPECT_EQ(a.parameters().by(), 6);

    picked->setPosition({7, 8}); // moving the preview moves the action
    EXPECT_EQ(a.parameters().bx(), 7);
    EXPECT_EQ(a.parameters().by(), 8);

    const size_t creatures = doc().creatures().size();
    script().DeleteAction(a);
    EXPECT_EQ(doc().creatures().size(), creatures - 1);
    EXPECT_TRUE(script().actions().empty());
}

TEST_F(LevelScriptTest, ForcedFirstPersonMovesToASecondCreature)
{
    CCreature* first = doc().CreateCreature(TestCreature::Imp, 3, {3, 3}, true);
    CCreature* second = doc().CreateCreature(TestCreature::Imp, 3, {5, 5}, true);
    ASSERT_TRUE(script().ForceFirstPerson(*first, true));
    const int16_t firstTrigger = script().forcedFirstPersonTrigger(3);
    CTrigger* t = script().FindTrigger(firstTrigger);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->kind(), uint8_t(TriggerKind::Time));
    EXPECT_EQ(t->op(), uint8_t(CompareOp::Greater));
    EXPECT_EQ(first->firstTrigger(), firstTrigger);
    ASSERT_EQ(script().actions().size(), 1u);
    EXPECT_EQ(script().ActionAt(0)->kind(), uint8_t(ActionKind::ForceFirstPerson));
    EXPECT_TRUE(script().isForcedFirstPersonTrigger(*t));
    EXPECT_TRUE(script().isForcedFirstPersonAction(*script().ActionAt(0)));
    EXPECT_EQ(player3().forcedFirstPerson(), first);

    ASSERT_TRUE(script().ForceFirstPerson(*second, true));
    EXPECT_EQ(player3().forcedFirstPerson(), second);
    EXPECT_EQ(first->firstTrigger(), 0) << "the first creature's trigger and action are gone";
    EXPECT_EQ(script().triggers().size(), 1u);
    EXPECT_EQ(script().actions().size(), 1u);
    EXPECT_EQ(second->firstTrigger(), script().forcedFirstPersonTrigger(3));

    ASSERT_TRUE(script().ForceFirstPerson(*second, false));
    EXPECT_EQ(player3().forcedFirstPerson(), nullptr);
    EXPECT_TRUE(script().triggers().empty());
    EXPECT_TRUE(script().actions().empty());
}

TEST_F(LevelScriptTest, ForcedFirstPersonIsClearedWhenItsTriggerOrCreatureGoes)
{
    CCreature* c = doc().CreateCreature(TestCreature::Imp, 3, {3, 3}, true);
    ASSERT_TRUE(script().ForceFirstPerson(*c, true));
    script().DeleteTrigger(script().forcedFirstPersonTrigger(3), false);
    EXPECT_EQ(player3().forcedFirstPerson(), nullptr);
    EXPECT_EQ(script().forcedFirstPersonTrigger(3), 0);

    ASSERT_TRUE(script().ForceFirstPerson(*c, true));
    doc().DeleteCreature(c, true);
    EXPECT_EQ(player3().forcedFirstPerson(), nullptr);
    EXPECT_EQ(script().forcedFirstPersonTrigger(3), 0);
    EXPECT_TRUE(script().triggers().empty());

    CCreature* again = doc().CreateCreature(TestCreature::Imp, 3, {3, 3}, true);
    ASSERT_TRUE(script().ForceFirstPerson(*again, true));
    doc().DeletePlayer(&player3());
    EXPECT_EQ(script().forcedFirstPersonTrigger(3), 0);
    EXPECT_TRUE(script().triggers().empty());
}

TEST_F(LevelScriptTest, ForcedFirstPersonNeedsAPlacedCreatureWithAPlayer)
{
    CCreature* ownerless = doc().CreateCreature(TestCreature::Imp, 0, {3, 3}, true);
    EXPECT_FALSE(script().ForceFirstPerson(*ownerless, true));
    CCreature* preview = doc().CreateCreature(TestCreature::Imp, 3, {4, 3}, true);
    preview->setPlaced(false);
    EXPECT_FALSE(script().ForceFirstPerson(*preview, true));
    EXPECT_TRUE(script().triggers().empty());
}

TEST_F(LevelScriptTest, DeletingAPlayerDeletesItsChain)
{
    CTrigger& t = addTrigger(&player3(), TriggerOwnerKind::Player, 3);
    addAction(t);
    CTrigger& level = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    doc().DeletePlayer(&player3());
    ASSERT_EQ(script().triggers().size(), 1u);
    EXPECT_EQ(script().TriggerAt(0), &level);
    EXPECT_TRUE(script().actions().empty());
}

TEST_F(LevelScriptTest, ANewOrOpenedLevelStartsWithoutScript)
{
    CTrigger& t = addTrigger(nullptr, TriggerOwnerKind::Level, 0);
    addAction(t, 7);
    doc().beginOpen("Maps/Other.vwd");
    EXPECT_TRUE(script().triggers().empty());
    EXPECT_TRUE(script().actions().empty());
    EXPECT_FALSE(script().usage().isFlagUsed(0));
}

} // namespace
} // namespace gr2
