#include "script/ScriptTreeModel.h"

#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeExport.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TempDir.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

#include <functional>

#include <fstream>
#include <sstream>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::ScriptBuilder;

/// Confirms every edit, giving triggers and actions the next kind and parameters queued.
struct ConfirmingEditors : ScriptEditors {
    bool EditTrigger(CTrigger& t) override
    {
        t.setKind(triggerKind);
        t.setParameters(triggerParams);
        t.setValue(value);
        return confirm;
    }
    bool EditAction(CAction& a) override
    {
        a.setKind(actionKind);
        return confirm;
    }
    uint8_t triggerKind = 1;
    TriggerParameters triggerParams{5, 2, 1, 0};
    uint32_t value = 10;
    uint8_t actionKind = 10;
    bool confirm = true;
};

class ScriptTreeModelTest : public testing::Test {
protected:
    ScriptTreeModelTest()
    {
        test::buildSmallTypeData(db);
        level.doc().SetTitle("/levels/Castle.vwd");
        model = std::make_unique<ScriptTreeModel>(level.doc(), db);
    }

    CWorldEditorDoc& doc() { return level.doc(); }
    LevelScript& script() { return sb.script(); }
    ScriptTreeItem& playerItem(uint8_t id) { return *model->findItem(*doc().FindPlayer(id)); }
    std::string text(const ScriptTreeItem& item) { return utf16ToUtf8(item.text()); }

    CTrigger& addTrigger(ScriptTreeItem& owner, uint8_t kind = 1)
    {
        editors.triggerKind = kind;
        CTrigger* t = model->addTrigger(owner, editors);
        EXPECT_NE(t, nullptr);
        return *t;
    }
    CAction& addAction(CTrigger& trigger, uint8_t kind = 10)
    {
        editors.actionKind = kind;
        CAction* a = model->addAction(*model->findTriggerItem(trigger.id()), editors);
        EXPECT_NE(a, nullptr);
        return *a;
    }
    std::vector<int16_t> childIds(const ScriptTreeItem& item)
    {
        std::vector<int16_t> ids;
        for (const auto& c : item.children())
            ids.push_back(c->scriptId());
        return ids;
    }

    CTypeDatabase db;
    LevelBuilder level;
    ScriptBuilder sb{level.doc()};
    ConfirmingEditors editors;
    std::unique_ptr<ScriptTreeModel> model;
};

TEST_F(ScriptTreeModelTest, ShapeTextsAndExport)
{
    CTrigger& root = addTrigger(model->root());
    addAction(root, 11);
    CTrigger& vorlanTrigger = addTrigger(playerItem(3), 46);
    CCreature* imp = doc().CreateCreature(test::TestCreature::Imp, 3, {4, 5}, true);
    imp->setLevel(2);
    doc().notifyObjectChanged(*imp);

    const ScriptTreeItem& top = model->root();
    EXPECT_EQ(text(top), "Castle");
    ASSERT_EQ(top.childCount(), 4u);
    EXPECT_EQ(top.child(0)->kind(), TreeItemKind::Trigger);
    // Good and Neutral come after the Vorlans.
    EXPECT_EQ(text(*top.child(1)), "Vorlan 1");
    EXPECT_EQ(text(*top.child(2)), "Good Player");
    EXPECT_EQ(text(*top.child(3)), "Neutral Player");
    // Under a player its triggers come before its things.
    const ScriptTreeItem& vorlan = *top.child(1);
    ASSERT_EQ(vorlan.childCount(), 2u);
    EXPECT_EQ(vorlan.child(0)->scriptId(), vorlanTrigger.id());
    EXPECT_EQ(text(*vorlan.child(1)), "Imp [2] [5, 6]");

    EXPECT_EQ(exportTreeText(top), "Castle\r\n"
                                   "{\r\n"
                                   "\t[1] When Flag 3 >= 10\r\n"
                                   "\t{\r\n"
                                   "\t\t[-1] Lose Game\r\n"
                                   "\t}\r\n"
                                   "\tVorlan 1\r\n"
                                   "\t{\r\n"
                                   "\t\t[2] When Pay Day\r\n"
                                   "\t\tImp [2] [5, 6]\r\n"
                                   "\t}\r\n"
                                   "\tGood Player\r\n"
                                   "\tNeutral Player\r\n"
                                   "}\r\n");

    // A refresh rebuilds the same shape from the document alone.
    const std::string before = exportTreeText(top);
    model->Refresh();
    EXPECT_EQ(exportTreeText(model->root()), before);

    test::TempDir dir;
    ASSERT_TRUE(writeTreeOutput(model->root(), dir.path()));
    std::ifstream in(dir.path() / kTreeOutputFileName, std::ios::binary);
    std::stringstream read;
    read << in.rdbuf();
    EXPECT_EQ(read.str(), before);
}

TEST_F(ScriptTreeModelTest, GreyedCommandsAtTheLimits)
{
    model->select(&model->root());
    EXPECT_TRUE(model->isEnabled(TreeCommand::CreateNewPlayer));
    level.playersUpTo(6);
    EXPECT_FALSE(model->isEnabled(TreeCommand::CreateNewPlayer));

    for (int i = 0; i < 79; ++i)
        doc().AddActionPoint({1, 1, 2, 2});
    EXPECT_TRUE(model->isEnabled(TreeCommand::CreateNewActionPoint));
    doc().AddActionPoint({1, 1, 2, 2});
    EXPECT_FALSE(model->isEnabled(TreeCommand::CreateNewActionPoint));

    CHeroParty* party = nullptr;
    for (int i = 0; i < kHeroPartySlots; ++i) {
        EXPECT_TRUE(model->isEnabled(TreeCommand::CreateNewHeroParty));
        party = doc().AddHeroParty(std::make_unique<CHeroParty>(&doc()));
    }
    EXPECT_FALSE(model->isEnabled(TreeCommand::CreateNewHeroParty));
    model->select(model->findItem(*party));
    auto knight = std::make_unique<CCreature>(&doc(), test::TestCreature::Knight);
    CCreature* first = knight.get();
    party->addMember(knight);
    doc().notifyObjectChanged(*party);
    // A member stands on no tile: it cannot be moved on the map, only taken out of its party.
    model->select(model->findItem(*first));
    EXPECT_FALSE(model->isEnabled(TreeCommand::MoveCreature));
    EXPECT_TRUE(model->isEnabled(TreeCommand::DeleteCreature));
    model->select(model->findItem(*party));
    for (int m = 1; m < kHeroPartyMembers; ++m) {
        EXPECT_TRUE(model->isEnabled(TreeCommand::AddMembers));
        auto member = std::make_unique<CCreature>(&doc(), test::TestCreature::Knight);
        party->addMember(member);
    }
    EXPECT_FALSE(model->isEnabled(TreeCommand::AddMembers));
}

TEST_F(ScriptTreeModelTest, GoodAndNeutralPlayersAreGuardedOnEveryPath)
{
    level.playersUpTo(4);
    for (uint8_t id : {PlayerId::Good, PlayerId::Neutral}) {
        ScriptTreeItem& item = playerItem(id);
        model->select(&item);
        EXPECT_TRUE(item.isBold());
        EXPECT_FALSE(model->isEnabled(TreeCommand::DeleteVorlan));
        EXPECT_FALSE(model->isEnabled(TreeCommand::EditVorlanProperties));
        EXPECT_FALSE(model->isEnabled(TreeCommand::EditStartingCameraPosition));
        EXPECT_TRUE(model->isEnabled(TreeCommand::PlayerAddTrigger));
        TreeCommand command;
        EXPECT_FALSE(model->doubleClickCommand(item, command));
        EXPECT_FALSE(model->deleteSelected());
        EXPECT_NE(doc().FindPlayer(id), nullptr);
    }
    model->select(&playerItem(4));
    EXPECT_FALSE(playerItem(1).isBold());
    EXPECT_TRUE(model->isEnabled(TreeCommand::DeleteVorlan));
    EXPECT_TRUE(model->isEnabled(TreeCommand::EditVorlanAlliances));
    EXPECT_TRUE(model->deleteSelected());
    EXPECT_EQ(doc().FindPlayer(4), nullptr);
    EXPECT_EQ(model->root().childCount(), 3u);
    // With exactly three players the last Vorlan stays.
    model->select(&playerItem(3));
    EXPECT_FALSE(model->isEnabled(TreeCommand::DeleteVorlan));
    EXPECT_FALSE(model->isEnabled(TreeCommand::EditVorlanAlliances));
    EXPECT_FALSE(model->deleteSelected());
}

TEST_F(ScriptTreeModelTest, EditTextMessagesOnlyForDisplayTextString)
{
    CTrigger& t = addTrigger(model->root());
    CAction& text = addAction(t, 25);
    CAction& other = addAction(t, 10);
    model->select(model->findActionItem(text.id()));
    EXPECT_TRUE(model->isEnabled(TreeCommand::EditTextMessages));
    model->select(model->findActionItem(other.id()));
    EXPECT_FALSE(model->isEnabled(TreeCommand::EditTextMessages));
}

TEST_F(ScriptTreeModelTest, ForcedFirstPersonTriggerAndActionOfferNothing)
{
    CCreature* c = doc().CreateCreature(test::TestCreature::Imp, 3, {3, 3}, true);
    ASSERT_TRUE(script().ForceFirstPerson(*c, true));
    const int16_t triggerId = script().forcedFirstPersonTrigger(3);
    ScriptTreeItem* trigger = model->findTriggerItem(triggerId);
    ASSERT_NE(trigger, nullptr);
    ASSERT_EQ(trigger->childCount(), 1u);
    ScriptTreeItem* action = trigger->child(0);

    model->select(model->findItem(*c));
    EXPECT_TRUE(model->isChecked(TreeCommand::ForceFirstPerson));
    for (ScriptTreeItem* item : {trigger, action}) {
        EXPECT_TRUE(model->menu(*item).empty());
        TreeCommand command;
        EXPECT_FALSE(model->doubleClickCommand(*item, command));
        EXPECT_FALSE(model->canDrag(*item));
        model->select(item);
        EXPECT_FALSE(model->deleteSelected());
    }
    EXPECT_NE(script().FindTrigger(triggerId), nullptr);
    // Nothing may be dropped into it either.
    CTrigger& other = addTrigger(model->root());
    EXPECT_EQ(model->dropVerdict(*model->findTriggerItem(other.id()), *model->findTriggerItem(triggerId)),
              DropVerdict::None);
}

TEST_F(ScriptTreeModelTest, TrapsAndDeadBodiesTakeNoTriggers)
{
    // Neither record has a trigger field: a trigger attached there would be gone after a save.
    CTrap* trap = doc().CreateTrap(1, 3, {4, 4});
    CCreature* body = doc().CreateCreature(test::TestCreature::Imp, 3, {5, 5}, true);
    body->setDeadBody(true);
    model->Refresh();
    CTrigger& t = addTrigger(model->root());
    for (CLevelObject* o : std::initializer_list<CLevelObject*>{trap, body}) {
        ScriptTreeItem& dragged = *model->findTriggerItem(t.id());
        ScriptTreeItem& target = *model->findItem(*o);
        EXPECT_EQ(model->dropVerdict(dragged, target), DropVerdict::None);
        EXPECT_FALSE(model->leftDrop(dragged, target));
        EXPECT_FALSE(model->drop(dragged, target, TreeCommand::MoveAsChild));
        EXPECT_FALSE(model->drop(dragged, target, TreeCommand::CopyAsChild));
        EXPECT_EQ(o->firstTrigger(), 0);
    }
    EXPECT_EQ(sb.chain(doc().properties().rootTrigger), std::vector<int16_t>{t.id()});

    ScriptTreeItem& bodyItem = *model->findItem(*body);
    model->select(&bodyItem);
    EXPECT_FALSE(model->isEnabled(TreeCommand::CreatureAddTrigger));
    EXPECT_FALSE(model->isEnabled(TreeCommand::ForceFirstPerson));
    EXPECT_EQ(model->addTrigger(bodyItem, editors), nullptr);
    EXPECT_FALSE(script().ForceFirstPerson(*body, true));
    EXPECT_EQ(body->firstTrigger(), 0);

    // A forced creature that later became a dead body can still be let go.
    CCreature* forced = doc().CreateCreature(test::TestCreature::Imp, 3, {6, 6}, true);
    ASSERT_TRUE(script().ForceFirstPerson(*forced, true));
    forced->setDeadBody(true);
    model->Refresh();
    model->select(model->findItem(*forced));
    EXPECT_TRUE(model->isEnabled(TreeCommand::ForceFirstPerson));
    EXPECT_TRUE(model->run(TreeCommand::ForceFirstPerson));
    EXPECT_EQ(forced->firstTrigger(), 0);
}

TEST_F(ScriptTreeModelTest, AThingBesideATriggerJoinsItsPlayerOnlyAtTheChainsHead)
{
    level.playersUpTo(4);
    model->Refresh();
    CTrigger& first = addTrigger(playerItem(4));
    CTrigger& second = addTrigger(playerItem(4));
    CDoor* door = doc().CreateDoor(1, 3, {4, 4});
    ScriptTreeItem* doorItem = model->findItem(*door);
    ASSERT_NE(doorItem, nullptr);
    ASSERT_EQ(model->dropVerdict(*doorItem, *model->findTriggerItem(second.id())), DropVerdict::SiblingOnly);

    ASSERT_TRUE(model->drop(*doorItem, *model->findTriggerItem(second.id()), TreeCommand::MoveAsSibling));
    EXPECT_EQ(door->ownerId(), 3) << "beside the chain's second trigger the door keeps its owner";
    ASSERT_TRUE(model->drop(*model->findItem(*door), *model->findTriggerItem(second.id()),
                            TreeCommand::CopyAsSibling));
    EXPECT_EQ(doc().doors().back()->ownerId(), 3) << "and so does a copy";

    ASSERT_TRUE(model->drop(*model->findItem(*door), *model->findTriggerItem(first.id()),
                            TreeCommand::MoveAsSibling));
    EXPECT_EQ(door->ownerId(), 4) << "beside the chain's first trigger it joins the player";
}

TEST_F(ScriptTreeModelTest, MovesThatChangeNothingAreNotOffered)
{
    level.playersUpTo(4);
    doc().AddActionPoint({2, 2, 3, 3});
    model->Refresh();
    ScriptTreeItem& vorlan = playerItem(3);
    EXPECT_FALSE(model->canDrag(vorlan));
    EXPECT_FALSE(model->leftDrop(vorlan, model->root()));
    doc().SetModifiedFlag(false);
    for (TreeCommand c : {TreeCommand::MoveAsChild, TreeCommand::MoveAsSibling, TreeCommand::CopyAsChild,
                          TreeCommand::CopyAsSibling}) {
        EXPECT_FALSE(model->offersDrop(vorlan, playerItem(4), c));
        EXPECT_FALSE(model->drop(vorlan, playerItem(4), c));
    }
    EXPECT_FALSE(doc().isModified()) << "a refused move marks nothing";

    // An action point is copied (the copy is placed on the map), never just moved among the items.
    ScriptTreeItem& point = *model->findItem(*doc().actionPoints().front());
    EXPECT_TRUE(model->canDrag(point));
    EXPECT_FALSE(model->offersDrop(point, model->root(), TreeCommand::MoveAsChild));
    EXPECT_FALSE(model->leftDrop(point, model->root()));
    EXPECT_TRUE(model->offersDrop(point, model->root(), TreeCommand::CopyAsChild));
    EXPECT_FALSE(doc().isModified());
}

TEST_F(ScriptTreeModelTest, TriggerOntoItsOwnSubTriggerIsRefused)
{
    CTrigger& parent = addTrigger(model->root());
    CTrigger& sub = addTrigger(*model->findTriggerItem(parent.id()));
    ScriptTreeItem& parentItem = *model->findTriggerItem(parent.id());
    ScriptTreeItem& subItem = *model->findTriggerItem(sub.id());
    EXPECT_EQ(model->dropVerdict(parentItem, subItem), DropVerdict::None);
    EXPECT_EQ(model->dropVerdict(parentItem, parentItem), DropVerdict::None);
    EXPECT_FALSE(model->moveAsChild(parentItem, subItem));
    EXPECT_FALSE(model->drop(parentItem, subItem, TreeCommand::CopyAsSibling));
    EXPECT_EQ(parent.child(), sub.id());
    EXPECT_EQ(model->dropVerdict(subItem, parentItem), DropVerdict::ChildOrSibling);
}

TEST_F(ScriptTreeModelTest, ActionOntoActionLandsRightAfterIt)
{
    CTrigger& a = addTrigger(model->root());
    CAction& a1 = addAction(a, 10);
    CAction& a2 = addAction(a, 11);
    CTrigger& b = addTrigger(model->root());
    CAction& b1 = addAction(b, 12);
    ScriptTreeItem& moving = *model->findActionItem(a1.id());
    ScriptTreeItem& target = *model->findActionItem(a2.id());
    EXPECT_EQ(model->dropVerdict(*model->findActionItem(b1.id()), target), DropVerdict::SiblingOnly);
    EXPECT_FALSE(model->leftDrop(*model->findActionItem(b1.id()), target));
    EXPECT_FALSE(model->moveAsChild(*model->findActionItem(b1.id()), target));

    ASSERT_TRUE(model->moveAsSibling(*model->findActionItem(b1.id()), *model->findActionItem(a1.id())));
    EXPECT_EQ(sb.chain(a.child()), (std::vector<int16_t>{a1.id(), b1.id(), a2.id()}));
    EXPECT_EQ(b.child(), 0);
    EXPECT_EQ(b1.ownerTrigger(), &a);
    EXPECT_EQ(childIds(*model->findTriggerItem(a.id())), (std::vector<int16_t>{a1.id(), b1.id(), a2.id()}));
    EXPECT_TRUE(model->findTriggerItem(b.id())->children().empty());
    (void)moving;
}

TEST_F(ScriptTreeModelTest, ActionBesideATopLevelTriggerIsAChildDropOnly)
{
    CTrigger& a = addTrigger(model->root());
    CAction& a1 = addAction(a);
    CTrigger& b = addTrigger(model->root());
    ScriptTreeItem& action = *model->findActionItem(a1.id());
    ScriptTreeItem& target = *model->findTriggerItem(b.id());
    EXPECT_EQ(model->dropVerdict(action, target), DropVerdict::ChildOnly);
    EXPECT_FALSE(model->moveAsSibling(action, target));
    EXPECT_FALSE(model->copyAsSibling(action, target));
    EXPECT_EQ(sb.chain(doc().properties().rootTrigger), (std::vector<int16_t>{a.id(), b.id()}));
    ASSERT_TRUE(model->leftDrop(action, target));
    EXPECT_EQ(b.child(), a1.id());
    EXPECT_EQ(a.child(), 0);
}

TEST_F(ScriptTreeModelTest, SiblingMoveInAPlayersChainKeepsOwnerKindPlayer)
{
    CTrigger& first = addTrigger(playerItem(3));
    CTrigger& second = addTrigger(playerItem(3));
    CTrigger& level = addTrigger(model->root());
    addAction(level);
    ASSERT_TRUE(
        model->moveAsSibling(*model->findTriggerItem(level.id()), *model->findTriggerItem(first.id())));
    EXPECT_EQ(level.ownerKind(), TriggerOwnerKind::Player);
    EXPECT_EQ(level.ownerId(), 3);
    EXPECT_EQ(sb.chain(doc().FindPlayer(3)->firstTrigger()),
              (std::vector<int16_t>{first.id(), level.id(), second.id()}));
    EXPECT_EQ(doc().properties().rootTrigger, 0);
    // The action under it now belongs to the player too.
    EXPECT_EQ(script().FindAction(level.child())->ownerId(), 3);
    EXPECT_EQ(childIds(playerItem(3)), (std::vector<int16_t>{first.id(), level.id(), second.id()}));
    EXPECT_TRUE(doc().isModified());
}

TEST_F(ScriptTreeModelTest, AnEditConfirmedWithoutAChangeLeavesTheLevelUnmarked)
{
    CTrigger& trigger = addTrigger(model->root(), 1);
    CAction& action = addAction(trigger, 10);
    struct Case {
        const char* name;
        std::function<bool()> edit;
        bool marks;
    };
    const Case cases[] = {
        {"trigger as it was",
         [&] { return model->editTrigger(*model->findTriggerItem(trigger.id()), editors); }, false},
        {"action as it was", [&] { return model->editAction(*model->findActionItem(action.id()), editors); },
         false},
        {"trigger of another kind",
         [&] {
             editors.triggerKind = 2;
             return model->editTrigger(*model->findTriggerItem(trigger.id()), editors);
         },
         true},
        {"action of another kind",
         [&] {
             editors.actionKind = 11;
             return model->editAction(*model->findActionItem(action.id()), editors);
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc().SetModifiedFlag(false);
        EXPECT_TRUE(c.edit());
        EXPECT_EQ(doc().isModified(), c.marks);
    }
}

TEST_F(ScriptTreeModelTest, CopyingATriggerMakesFreshObjectsInOrder)
{
    CTrigger& source = addTrigger(model->root());
    CAction& x = addAction(source, 10);
    CAction& y = addAction(source, 11);
    CTrigger& target = addTrigger(playerItem(3));
    const size_t triggers = script().triggers().size(), actions = script().actions().size();

    ASSERT_TRUE(
        model->copyAsChild(*model->findTriggerItem(source.id()), *model->findTriggerItem(target.id())));
    EXPECT_EQ(script().triggers().size(), triggers + 1);
    EXPECT_EQ(script().actions().size(), actions + 2);
    CTrigger* copy = script().FindTrigger(target.child());
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy->id(), source.id());
    EXPECT_EQ(copy->ownerKind(), TriggerOwnerKind::Trigger);
    std::vector<int16_t> copied = sb.chain(copy->child());
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_NE(copied[0], x.id());
    EXPECT_NE(copied[1], y.id());
    EXPECT_EQ(script().FindAction(copied[0])->kind(), 10);
    EXPECT_EQ(script().FindAction(copied[1])->kind(), 11);
    EXPECT_EQ(script().FindAction(copied[1])->ownerId(), 3);
    // The source is untouched and the tree shows the copy under the target.
    EXPECT_EQ(sb.chain(source.child()), (std::vector<int16_t>{x.id(), y.id()}));
    EXPECT_EQ(childIds(*model->findTriggerItem(target.id())), (std::vector<int16_t>{copy->id()}));
    EXPECT_EQ(childIds(*model->findTriggerItem(copy->id())), copied);
}

TEST_F(ScriptTreeModelTest, CopyingACreateCreatureActionCopiesItsCreature)
{
    CTrigger& t = addTrigger(model->root());
    CCreature* picked = doc().CreateCreature(test::TestCreature::Imp, 3, {2, 2}, false);
    std::vector<CCreature*> creatures{picked};
    ASSERT_EQ(script().AddCreatureActions(t, creatures), 1);
    model->Refresh();
    CAction& source = *script().FindAction(t.child());
    CTrigger& other = addTrigger(model->root());
    ASSERT_TRUE(model->copyAsChild(*model->findActionItem(source.id()), *model->findTriggerItem(other.id())));
    CAction* copy = script().FindAction(other.child());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy->creature(), nullptr);
    EXPECT_NE(copy->creature(), source.creature());
    EXPECT_EQ(copy->creature()->sourceAction(), copy->id());
    // Deleting the copy leaves the source's creature alone.
    script().DeleteAction(*copy);
    EXPECT_NE(source.creature(), nullptr);
}

TEST_F(ScriptTreeModelTest, FindIgnoresCaseAndWrapsAround)
{
    CTrigger& first = addTrigger(model->root(), 1);
    addTrigger(model->root(), 46);
    CTrigger& second = addTrigger(playerItem(3), 1);
    model->select(&model->root());
    EXPECT_EQ(model->findNext(u"flag", true), model->findTriggerItem(first.id()));
    EXPECT_EQ(model->findNext(u"flag", true), model->findTriggerItem(second.id()));
    EXPECT_EQ(model->findNext(u"flag", true), model->findTriggerItem(first.id()));
    EXPECT_EQ(model->findNext(u"FLAG", false), model->findTriggerItem(second.id()));
    EXPECT_EQ(model->findNext(u"no such text", true), nullptr);
    EXPECT_EQ(model->selected(), model->findTriggerItem(second.id()));
}

TEST_F(ScriptTreeModelTest, DeletingFromTheDocumentRemovesItems)
{
    CTrigger& t = addTrigger(model->root());
    const int16_t actionId = addAction(t).id();
    CCreature* c = doc().CreateCreature(test::TestCreature::Imp, 3, {3, 3}, true);
    ASSERT_NE(model->findItem(*c), nullptr);
    model->select(model->findActionItem(actionId));
    EXPECT_TRUE(model->deleteSelected());
    EXPECT_EQ(model->findActionItem(actionId), nullptr);
    EXPECT_EQ(script().FindAction(actionId), nullptr);
    doc().DeleteCreature(c, true);
    EXPECT_EQ(playerItem(3).childCount(), 0u);
    model->select(model->findTriggerItem(t.id()));
    EXPECT_TRUE(model->deleteSelected());
    EXPECT_EQ(model->root().childCount(), 3u);
    EXPECT_EQ(model->selected(), nullptr);
}

TEST_F(ScriptTreeModelTest, CommandsActOnTheCurrentObjectOfTheirKind)
{
    CCreature* first = doc().CreateCreature(test::TestCreature::Imp, 3, {3, 3}, true);
    CCreature* second = doc().CreateCreature(test::TestCreature::Imp, 3, {4, 4}, true);
    CDoor* door = doc().CreateDoor(1, 3, {5, 5});
    model->select(model->findItem(*first));
    // Selecting an item of another kind keeps the current creature.
    model->select(model->findItem(*door));
    doc().SetModifiedFlag(false);
    EXPECT_TRUE(model->run(TreeCommand::DeleteCreature));
    EXPECT_EQ(doc().creatures().size(), 1u);
    EXPECT_EQ(doc().creatures()[0].get(), second);
    EXPECT_EQ(doc().doors().size(), 1u);
    EXPECT_TRUE(doc().isModified());
    // The deleted creature is no longer current: nothing is left for the command.
    EXPECT_FALSE(model->run(TreeCommand::DeleteCreature));
    EXPECT_EQ(doc().creatures().size(), 1u);

    // Force First Person turns on and off with the same command.
    model->select(model->findItem(*second));
    EXPECT_TRUE(model->run(TreeCommand::ForceFirstPerson));
    EXPECT_TRUE(model->isChecked(TreeCommand::ForceFirstPerson));
    EXPECT_NE(script().forcedFirstPersonTrigger(3), 0);
    EXPECT_TRUE(model->run(TreeCommand::ForceFirstPerson));
    EXPECT_FALSE(model->isChecked(TreeCommand::ForceFirstPerson));
    EXPECT_EQ(script().forcedFirstPersonTrigger(3), 0);

    // New players up to the limit of six, each with its item.
    for (uint8_t id = 4; id <= 6; ++id) {
        EXPECT_TRUE(model->run(TreeCommand::CreateNewPlayer));
        ASSERT_NE(doc().FindPlayer(id), nullptr);
        EXPECT_NE(model->findItem(*doc().FindPlayer(id)), nullptr);
    }
    EXPECT_FALSE(model->run(TreeCommand::CreateNewPlayer));
    EXPECT_EQ(doc().PlayerCount(), 6u);

    // Commands that need a map view or a dialog are not the model's to run.
    model->select(&playerItem(4));
    EXPECT_FALSE(model->run(TreeCommand::EditStartingCameraPosition));
    EXPECT_FALSE(model->run(TreeCommand::EditVorlanProperties));
}

TEST_F(ScriptTreeModelTest, TheCurrentPlayerIsTheOneTheLevelsViewsDrawFor)
{
    struct Heard : DocumentObserver {
        void currentPlayerSuggested(uint8_t id) override { players.push_back(id); }
        std::vector<uint8_t> players;
    } views;
    doc().addObserver(&views);
    level.playersUpTo(4);
    model->select(&playerItem(4));
    EXPECT_EQ(views.players, (std::vector<uint8_t>{4}));
    EXPECT_TRUE(playerItem(4).isBold());
    EXPECT_EQ(model->currentPlayer(), doc().FindPlayer(4));

    // Deleting the current player makes Vorlan 1 current, as the views draw for it then.
    EXPECT_TRUE(model->run(TreeCommand::DeleteVorlan));
    EXPECT_EQ(model->currentPlayer(), doc().FindPlayer(3));
    EXPECT_TRUE(playerItem(3).isBold());
    doc().removeObserver(&views);
}

TEST(ScriptTreeCommandsTest, MenusOfferOnlyWhatTheEditorRuns)
{
    auto texts = [](const std::vector<TreeMenuEntry>& entries) {
        std::vector<std::string> out;
        for (const TreeMenuEntry& e : availableEntries(entries))
            out.push_back(utf16ToUtf8(e.text));
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(
        texts(menuFor(TreeItemKind::Level)),
        (V{"&Refresh Tree", "Create New &Player", "Create New &Hero Party...", "Create New &Action Point...",
           "Create New Effect &Generator...", "Edit Level &Variables...", "Edit Level Properties...",
           "Find...", "Add &Trigger...", "Reset All &Creature Properties...", "Export To File..."}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::Player)),
              (V{"&Edit Vorlan Properties...", "Edit Vorlan &Alliances...", "Edit Starting &Camera Position",
                 "Define &Build Area...", "Add &Trigger...", "&Delete Vorlan"}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::Creature)),
              (V{"&Edit Creature Properties...", "Edit Creature &Type...", "Add &Trigger...",
                 "&Move Creature", "&Delete Creature", "&Force First Person"}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::Trap)),
              (V{"&Edit Trap Properties...", "Edit Trap &Type...", "&Move Trap", "&Delete Trap"}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::Trigger)),
              (V{"&Edit Trigger Properties...", "Add &Trigger...", "Add &Action...",
                 "Add &Creature Action...", "&Delete Trigger"}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::Action)),
              (V{"&Edit Action Properties...", "Edit Text Messages...", "&Delete Action"}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::ActionPoint)),
              (V{"Edit Action Point &Properties...", "Add &Trigger...", "&Move Action Point",
                 "&Delete Action Point"}));
    EXPECT_EQ(texts(menuFor(TreeItemKind::HeroParty)),
              (V{"Add &Members...", "Add &Trigger...", "&Delete Party"}));
    EXPECT_EQ(texts(emptySpaceMenu()), (V{"&Refresh", "Expand &All", "&Collapse All"}));
    EXPECT_EQ(texts(dropMenu()).size(), 4u);
    EXPECT_EQ(texts(availableEntries(specialRoomMenu(SpecialRoom::DungeonHeart))),
              (V{"&Edit Dungeon Heart Properties..."}));
    EXPECT_EQ(texts(availableEntries(specialRoomMenu(SpecialRoom::Portal))),
              (V{"&Edit Portal Properties..."}));
    EXPECT_EQ(texts(availableEntries(specialRoomMenu(SpecialRoom::HeroGate))),
              (V{"&Edit Hero Gate Properties..."}));
    EXPECT_TRUE(isTreeCommandAvailable(TreeCommand::EditCreatureProperties));
}

TEST(ScriptTreeCommandsTest, CommandNamesAreTheirMenuTextsWithoutMnemonicAndEllipsis)
{
    const std::pair<TreeCommand, std::string> cases[] = {
        {TreeCommand::Refresh, "Refresh Tree"},
        {TreeCommand::DeleteCreature, "Delete Creature"},
        {TreeCommand::CreateNewHeroParty, "Create New Hero Party"},
        {TreeCommand::AddMembers, "Add Members"},
        {TreeCommand::MoveAsSibling, "Move As Sibling"},
        {TreeCommand::EditStartingCameraPosition, "Edit Starting Camera Position"},
        {TreeCommand::ExportToFile, "Export To File"},
    };
    for (const auto& [command, name] : cases)
        EXPECT_EQ(treeCommandName(command), name);
}

} // namespace
} // namespace gr2
