// The level's history: random sequences of every kind of edit, then Undo back to the start and
// Redo to the end, comparing the saved level with the one saved at each point of the way; the
// cost of a step; naming, nesting, limits and the modified mark.

#include "level/EditStep.h"
#include "mapedit/FloodFill.h"
#include "mapedit/MapEdit.h"
#include "mapedit/MapTransforms.h"
#include "mapedit/RoomBrushes.h"
#include "mapedit/SelectionCommands.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "script/ScriptTreeModel.h"
#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "support/HostileLevel.h"
#include "support/LevelFileFixture.h"
#include "support/LevelFileTimes.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/SectionWriter.h"

#include <pthread.h>

#include <functional>
#include <random>
#include <stdexcept>

namespace gr2 {
namespace {

using test::readFile;

constexpr const char* kSavedFiles[] = {".vwd",         "Players.vld",   "Map.vld",
                                       "Triggers.vld", "Variables.vld", "Things.vld"};

using test::withoutTimes;

/// One random edit of the level, made as one user step.
using Edit = std::function<void(CWorldEditorDoc&, std::mt19937&)>;

template <class T> T* pick(const std::vector<std::unique_ptr<T>>& list, std::mt19937& rng)
{
    if (list.empty())
        return nullptr;
    return list[std::uniform_int_distribution<size_t>(0, list.size() - 1)(rng)].get();
}

TilePoint interiorTile(const CWorldEditorDoc& doc, std::mt19937& rng)
{
    std::uniform_int_distribution<int32_t> x(1, int32_t(doc.width()) - 2), y(1, int32_t(doc.height()) - 2);
    return {x(rng), y(rng)};
}

CPlayer* pickPlayer(const CWorldEditorDoc& doc, std::mt19937& rng)
{
    return doc.PlayerAt(std::uniform_int_distribution<size_t>(0, doc.PlayerCount() - 1)(rng));
}

/// Every kind of change a user makes, each as the tools and commands make it.
const std::vector<std::pair<const char*, Edit>>& edits()
{
    static const std::vector<std::pair<const char*, Edit>> table = {
        {"paint stroke",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             EditStep stroke(doc, "Paint");
             for (int i = 0; i < 6; ++i) {
                 MapEdit edit(doc, "Paint");
                 edit.paintTile(interiorTile(doc, rng), uint8_t(2 + rng() % 7), uint8_t(1 + rng() % 4));
             }
         }},
        {"flood fill",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             MapEdit edit(doc, "Flood Fill");
             FloodFill(edit, interiorTile(doc, rng), uint8_t(2 + rng() % 3), 3);
         }},
        {"room stamp",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             static constexpr uint8_t kRooms[] = {TerrainId::DungeonHeart, TerrainId::Portal, 37};
             const uint8_t room = kRooms[rng() % 3];
             MapEdit edit(doc, "Place Room");
             stampBrush(edit, roomBrush(room, 0, 3), interiorTile(doc, rng));
         }},
        {"place and delete things",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             MapEdit edit(doc, "Place Creature");
             const TilePoint p = interiorTile(doc, rng);
             switch (rng() % 8) {
             case 0:
                 if (doc.CanPlaceCreature(p) && !doc.CreatureAt(p))
                     edit.createCreature(uint8_t(1 + rng() % 3), 3, p);
                 break;
             case 1:
                 if (doc.CanPlaceDoor(p) && !doc.DoorAt(p))
                     edit.createDoor(1, doc.GetOwner(p), p);
                 break;
             case 2:
                 if (doc.CanPlaceDoor(p) && !doc.TrapAt(p))
                     edit.createTrap(1, doc.GetOwner(p), p);
                 break;
             case 3:
                 if (doc.CanPlaceCreature(p) && !doc.ObjectAt(p))
                     edit.createObject(1, p);
                 break;
             case 4:
                 if (CCreature* c = pick(doc.creatures(), rng); c && c->isPlaced() && c->sourceAction() == 0)
                     edit.deleteThing(*c, true);
                 break;
             case 5:
                 if (CDoor* d = pick(doc.doors(), rng))
                     edit.deleteThing(*d, true);
                 break;
             case 6:
                 if (CCreature* c = pick(doc.creatures(), rng);
                     c && c->isPlaced() && doc.CanPlaceCreature(p) && !doc.CreatureAt(p))
                     edit.moveThing(*c, p);
                 break;
             default:
                 if (CObjectThing* o = pick(doc.objects(), rng))
                     edit.deleteThing(*o, true);
                 break;
             }
         }},
        {"markers",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             MapEdit edit(doc, "Markers");
             const TilePoint p = interiorTile(doc, rng);
             switch (rng() % 6) {
             case 0:
                 edit.addActionPoint({p.x, p.y, std::min<int32_t>(p.x + 2, int32_t(doc.width()) - 2), p.y});
                 break;
             case 1:
                 if (CActionPoint* a = pick(doc.actionPoints(), rng))
                     edit.deleteActionPoint(*a);
                 break;
             case 2:
                 edit.addEffectGenerator(p, 1, 1);
                 break;
             case 3:
                 if (CEffectGenerator* g = pick(doc.effectGenerators(), rng))
                     doc.DeleteEffectGenerator(g);
                 break;
             case 4:
                 if (CPlayer* pl = doc.FindPlayer(PlayerId::FirstVorlan))
                     edit.setCameraStart(*pl, p);
                 break;
             default:
                 if (CPlayer* pl = doc.FindPlayer(PlayerId::FirstVorlan))
                     edit.setBuildArea(*pl, {1, 1, p.x, p.y}, true);
                 break;
             }
         }},
        {"players and alliances",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             EditStep step(doc, "Players");
             switch (rng() % 4) {
             case 0:
                 doc.CreateNewPlayer();
                 break;
             case 1:
                 if (CPlayer* p = pickPlayer(doc, rng); p && p->id() > PlayerId::FirstVorlan)
                     doc.DeletePlayer(p);
                 break;
             case 2:
                 doc.AddAlliance(PlayerId::FirstVorlan, pickPlayer(doc, rng)->id());
                 break;
             default:
                 doc.RemoveAlliance(PlayerId::FirstVorlan, pickPlayer(doc, rng)->id());
                 break;
             }
         }},
        {"whole map",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             EditStep step(doc, "Map");
             test::ScriptedPrompter quiet;
             switch (rng() % 4) {
             case 0:
                 FlipMap(doc, FlipAxis::X);
                 break;
             case 1:
                 FlipMap(doc, FlipAxis::Y);
                 break;
             case 2:
                 RotateMap(doc, Turn::Right);
                 break;
             default: {
                 ResizeRequest r;
                 r.width = doc.width() + 4 - rng() % 8;
                 r.height = doc.height() + 4 - rng() % 8;
                 r.anchorColumn = uint8_t(rng() % 3);
                 r.anchorRow = uint8_t(rng() % 3);
                 ResizeMap(doc, r, quiet);
                 break;
             }
             }
         }},
        {"selection commands",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             const TilePoint a = interiorTile(doc, rng), b = interiorTile(doc, rng);
             const TileRect region{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                                   std::max(a.y, b.y)};
             MapEdit edit(doc, "Cut");
             if (rng() % 4 == 0)
                 clearAll(edit, 2, PlayerId::Neutral);
             else
                 fillRegion(edit, region, uint8_t(2 + rng() % 3), 3);
         }},
        {"level data",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             EditStep step(doc, "Properties");
             if (rng() % 2) {
                 LevelProperties p = doc.properties();
                 p.description = u"Changed " + std::u16string(1, char16_t('a' + rng() % 26));
                 doc.setProperties(p);
             } else {
                 const std::vector<uint32_t> ids = doc.types().overridableVariableIds();
                 if (!ids.empty())
                     doc.SetVariable(ids[rng() % ids.size()], double(rng() % 1000));
             }
         }},
        {"script",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             LevelScript* script = LevelScript::of(doc);
             if (!script)
                 return;
             EditStep step(doc, "Script");
             switch (rng() % 3) {
             case 0: {
                 CPlayer* owner = pickPlayer(doc, rng);
                 auto trigger = script->makeTrigger();
                 trigger->setOwnerObject(owner, TriggerOwnerKind::Player);
                 trigger->setOwnerById(owner->id());
                 if (script->NewTriggerId(*trigger) != 0)
                     script->AddTrigger(std::move(trigger));
                 break;
             }
             case 1:
                 if (!script->triggers().empty())
                     script->DeleteTrigger(pick(script->triggers(), rng)->id(), rng() % 2 == 0);
                 break;
             default:
                 if (CCreature* c = pick(doc.creatures(), rng); c && c->isPlaced())
                     script->ForceFirstPerson(*c, rng() % 3 != 0);
                 break;
             }
         }},
        {"hero party",
         [](CWorldEditorDoc& doc, std::mt19937& rng) {
             EditStep step(doc, "Create Hero Party");
             doc.BeginNewHeroParty();
             for (unsigned i = 0, n = 1 + rng() % 3; i < n; ++i)
                 doc.AddPickedMember(uint8_t(1 + rng() % 3));
             doc.FinishHeroPartyBuild();
         }},
    };
    return table;
}

class LevelHistoryTest : public test::LevelFileFixture {
protected:
    /// The level as a backup save writes it, without the times of saving.
    std::vector<Bytes> saved(LevelDocument& level)
    {
        EXPECT_EQ(level.files().SaveLevel(true), SaveResult::Saved);
        std::vector<Bytes> files;
        const std::filesystem::path master = level.files().backupPath();
        const std::string base = (master.parent_path() / master.stem()).string();
        for (const char* suffix : kSavedFiles)
            files.push_back(withoutTimes(base + suffix));
        return files;
    }

    /// Random edits, then undo all and redo all, comparing every state on the way.
    void roundTrip(LevelDocument& level, unsigned seed, int steps)
    {
        std::mt19937 rng(seed);
        CWorldEditorDoc& doc = level.doc();
        std::vector<std::vector<Bytes>> states{saved(level)};
        std::vector<std::string> done;
        for (int i = 0; i < steps; ++i) {
            const auto& [name, edit] = edits()[rng() % edits().size()];
            const size_t before = doc.history().position();
            edit(doc, rng);
            if (doc.history().position() == before)
                continue; // the edit found nothing to do and left no step
            done.push_back(name);
            states.push_back(saved(level));
        }
        ASSERT_GT(done.size(), size_t(steps / 3));
        for (size_t i = states.size() - 1; i > 0; --i) {
            ASSERT_TRUE(doc.Undo());
            ASSERT_EQ(saved(level), states[i - 1]) << "undo of step " << i << " (" << done[i - 1] << ")";
        }
        EXPECT_FALSE(doc.Undo());
        for (size_t i = 1; i < states.size(); ++i) {
            ASSERT_TRUE(doc.Redo());
            ASSERT_EQ(saved(level), states[i]) << "redo of step " << i << " (" << done[i - 1] << ")";
        }
        EXPECT_FALSE(doc.Redo());
    }
};

TEST_F(LevelHistoryTest, UndoAndRedoOfRandomEditsGiveBackEverySavedState)
{
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        auto level = sampleAt(root.path() / "Maps" / "Sample.vwd");
        roundTrip(*level, seed, 40);
    }
}

TEST_F(LevelHistoryTest, UndoAndRedoOnAHostileLevelGiveBackEverySavedState)
{
    // A script with loops and repeated ids, and things the editor keeps without knowing them.
    auto sample = sampleAt(root.path() / "Maps" / "Hostile.vwd");
    ASSERT_TRUE(save(*sample));
    writeFileAtomically(root.path() / "Maps" / "HostileTriggers.vld", test::hostileTriggerFile());
    auto level = open(root.path() / "Maps" / "Hostile.vwd");
    ASSERT_TRUE(level);
    {
        Bytes unknown(24, 0x5A);
        level->doc().keepThingItem(4242, unknown);
    }
    level->doc().history().clear(true);
    roundTrip(*level, 7, 40);
}

/// Runs `work` on a thread whose stack is far smaller than a recursion over a deep script needs:
/// code that walks the script one frame per level overflows it and crashes the test.
void onSmallStack(const std::function<void()>& work)
{
    constexpr size_t kStackBytes = 512 * 1024;
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, kStackBytes);
    pthread_t thread;
    auto run = [](void* w) -> void* {
        (*static_cast<const std::function<void()>*>(w))();
        return nullptr;
    };
    const int started = pthread_create(&thread, &attr, run, const_cast<std::function<void()>*>(&work));
    pthread_attr_destroy(&attr);
    if (started != 0)
        throw std::runtime_error("no thread for the small stack");
    pthread_join(thread, nullptr);
}

/// A Triggers file of `count` triggers each the only child of the one before (the deepest nesting
/// ids allow at 32767), the last with an action.
Bytes deepTriggerFile(int count)
{
    std::vector<ThingItem> items;
    for (int id = 1; id <= count; ++id) {
        TriggerWhenRecord r;
        r.id = int16_t(id);
        r.child = int16_t(id < count ? id + 1 : -1);
        r.kind = uint8_t(1 + id % 7);
        items.push_back({213, r.pack()});
    }
    TriggerActionRecord a;
    a.id = -1;
    a.kind = 1;
    items.push_back({214, a.pack()});
    TriggerSectionInfo info;
    info.triggerCount = uint32_t(count);
    info.actionCount = 1;
    Bytes out;
    writeTriggerSection(out, info, items);
    return out;
}

/// Triggers and actions whose next and child links name ids no element has.
Bytes danglingTriggerFile()
{
    std::vector<ThingItem> items;
    auto when = [&](int16_t id, int16_t next, int16_t child) {
        TriggerWhenRecord r;
        r.id = id;
        r.next = next;
        r.child = child;
        r.kind = 2;
        items.push_back({213, r.pack()});
    };
    auto action = [&](int16_t id, int16_t next) {
        TriggerActionRecord r;
        r.id = id;
        r.next = next;
        r.kind = 3;
        items.push_back({214, r.pack()});
    };
    when(1, 900, -1);
    when(2, 3, -700);
    when(3, -32768, 32767);
    action(-1, -44);
    action(-2, 5);
    TriggerSectionInfo info;
    info.triggerCount = 3;
    info.actionCount = 2;
    Bytes out;
    writeTriggerSection(out, info, items);
    return out;
}

/// The tree's items in pre-order, each with its depth and text: what the user sees of it. (The text
/// export indents by depth, which a deep script makes quadratic.)
std::vector<std::pair<size_t, std::u16string>> treeShape(const ScriptTreeItem& top)
{
    std::vector<std::pair<size_t, std::u16string>> shape;
    std::vector<std::pair<const ScriptTreeItem*, size_t>> pending{{&top, 0}};
    while (!pending.empty()) {
        const auto [item, depth] = pending.back();
        pending.pop_back();
        shape.emplace_back(depth, item->text());
        for (auto child = item->children().rbegin(); child != item->children().rend(); ++child)
            pending.emplace_back(child->get(), depth + 1);
    }
    return shape;
}

TEST_F(LevelHistoryTest, HostileScriptsShowWithoutDeepRecursionAndEveryStepUndoesExactly)
{
    // The deep script's steps each save 32767 triggers twice; a few of them make the point.
    const struct {
        const char* name;
        Bytes triggers;
        int steps;
    } cases[] = {
        {"loops, repeated ids and self-references", test::hostileTriggerFile(), 24},
        {"links to ids nothing has", danglingTriggerFile(), 24},
        {"triggers nested 32767 deep", deepTriggerFile(32767), 6},
    };
    for (const auto& [name, triggers, steps] : cases) {
        SCOPED_TRACE(name);
        const auto path = root.path() / "Maps" / "Hostile.vwd";
        {
            auto sample = sampleAt(path);
            ASSERT_TRUE(save(*sample));
        }
        writeFileAtomically(root.path() / "Maps" / "HostileTriggers.vld", triggers);
        auto level = open(path);
        ASSERT_TRUE(level);
        level->doc().history().clear(true);

        // The tree is made, shown and dropped where a recursion over the nesting would overflow;
        // it follows every step of the round trip as the editor's tree does.
        std::unique_ptr<ScriptTreeModel> tree;
        std::vector<std::pair<size_t, std::u16string>> shown;
        onSmallStack([&] {
            tree = std::make_unique<ScriptTreeModel>(level->doc(), app.types());
            tree->Refresh();
            shown = treeShape(tree->root());
        });
        ASSERT_FALSE(shown.empty());
        roundTrip(*level, 5, steps);
        if (HasFatalFailure())
            return;
        while (level->doc().Undo()) {
        }
        onSmallStack([&] {
            tree->Refresh();
            EXPECT_TRUE(treeShape(tree->root()) == shown) << "the tree after every step was undone";
            tree.reset();
        });
    }
}

/// Confirms an action edit with the kind given.
struct KindChangingEditors : ScriptEditors {
    bool EditTrigger(CTrigger&) override { return false; }
    bool EditAction(CAction& a) override
    {
        a.setKind(kind);
        a.setParameters({});
        return true;
    }
    uint8_t kind = uint8_t(ActionKind::WinGame);
};

TEST_F(LevelHistoryTest, ACreateCreatureActionsCreatureGoesAndComesBackWithItsKind)
{
    auto level = sampleAt(root.path() / "Maps" / "Creatures.vwd");
    CWorldEditorDoc& doc = level->doc();
    LevelScript& script = *LevelScript::of(doc);
    ScriptTreeModel model(doc, app.types());
    const TilePoint tile{6, 6};
    int16_t actionId = 0;
    {
        EditStep step(doc, "Add Creature Action");
        auto trigger = script.makeTrigger();
        trigger->setOwnerObject(nullptr, TriggerOwnerKind::Level);
        ASSERT_NE(script.NewTriggerId(*trigger), 0);
        CTrigger* t = script.AddTrigger(std::move(trigger));
        CCreature* picked = doc.CreateCreature(doc.creatures().front()->type(), 3, tile, false);
        std::vector<CCreature*> creatures{picked};
        ASSERT_EQ(script.AddCreatureActions(*t, creatures), 1);
        actionId = t->child();
    }
    model.Refresh();
    auto previewAt = [&]() -> const CCreature* {
        for (const auto& c : doc.creatures())
            if (!c->isPlaced() && c->position() == tile)
                return c.get();
        return nullptr;
    };
    const size_t withPreview = doc.creatures().size();
    ASSERT_NE(previewAt(), nullptr);

    KindChangingEditors editors;
    {
        EditStep step(doc, "Edit Action Properties");
        ASSERT_TRUE(model.editAction(*model.findActionItem(actionId), editors));
    }
    EXPECT_EQ(script.FindAction(actionId)->kind(), uint8_t(ActionKind::WinGame));
    EXPECT_EQ(previewAt(), nullptr) << "the creature went with its action's kind";
    EXPECT_EQ(doc.creatures().size(), withPreview - 1);
    EXPECT_TRUE(model.findActionItem(actionId)->children().empty());

    ASSERT_TRUE(doc.Undo());
    ASSERT_NE(previewAt(), nullptr) << "undo brings it back";
    EXPECT_EQ(script.FindAction(actionId)->creature(), previewAt());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(previewAt(), nullptr);
    ASSERT_TRUE(doc.Undo());

    // Deleting the action takes its creature too, and undo brings both back.
    {
        EditStep step(doc, "Delete Action");
        script.DeleteAction(*script.FindAction(actionId));
    }
    EXPECT_EQ(previewAt(), nullptr);
    ASSERT_TRUE(doc.Undo());
    EXPECT_NE(previewAt(), nullptr);
}

TEST_F(LevelHistoryTest, UndoAndRedoKeepTheFlagAndTimerMarksOfEachStep)
{
    auto level = sampleAt(root.path() / "Maps" / "Marks.vwd");
    CWorldEditorDoc& doc = level->doc();
    LevelScript& script = *LevelScript::of(doc);
    doc.history().clear(false);
    constexpr uint8_t kFlag = 77, kTimer = 11;
    ASSERT_FALSE(script.usage().isFlagUsed(kFlag));
    CTrigger* owner = nullptr;
    {
        EditStep step(doc, "Add Trigger");
        auto trigger = script.makeTrigger();
        trigger->setOwnerObject(nullptr, TriggerOwnerKind::Level);
        ASSERT_NE(script.NewTriggerId(*trigger), 0);
        owner = script.AddTrigger(std::move(trigger));
    }
    auto addAction = [&](ActionKind kind, uint8_t target) {
        EditStep step(doc, "Add Action");
        auto a = script.makeAction();
        a->setOwnerTrigger(owner);
        a->setKind(uint8_t(kind));
        a->setA(0, target);
        EXPECT_NE(script.NewActionId(*a), 0);
        return script.AddAction(std::move(a))->id();
    };
    const int16_t flagAction = addAction(ActionKind::SetFlag, kFlag);
    const int16_t timerAction = addAction(ActionKind::SetTimer, kTimer);
    {
        EditStep step(doc, "Delete Action");
        script.DeleteAction(*script.FindAction(flagAction));
        script.DeleteAction(*script.FindAction(timerAction));
    }
    ASSERT_TRUE(script.usage().isFlagUsed(kFlag)) << "a deleted action leaves its mark";
    {
        MapEdit edit(doc, "Paint");
        edit.paintTile({5, 5}, 4, 3);
    }
    ASSERT_TRUE(doc.Undo()); // the paint
    EXPECT_TRUE(script.usage().isFlagUsed(kFlag)) << "the mark the deletion left is kept";
    EXPECT_TRUE(script.usage().isTimerUsed(kTimer));
    ASSERT_TRUE(doc.Undo()); // the deletion
    ASSERT_TRUE(doc.Undo()); // the timer action
    ASSERT_TRUE(doc.Undo()); // the flag action
    EXPECT_FALSE(script.usage().isFlagUsed(kFlag)) << "before any action wrote it";
    EXPECT_FALSE(script.usage().isTimerUsed(kTimer));
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Redo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_TRUE(script.usage().isFlagUsed(kFlag));
    EXPECT_TRUE(script.usage().isTimerUsed(kTimer));
}

TEST_F(LevelHistoryTest, StepsAreNamedNestAndLeaveNoTraceWhenNothingChanged)
{
    auto level = sampleAt(root.path() / "Maps" / "Steps.vwd");
    CWorldEditorDoc& doc = level->doc();
    doc.history().clear(false);
    {
        EditStep outer(doc, "Paint");
        MapEdit inner(doc, "Inner");
        inner.paintTile({5, 5}, 4, 3);
    }
    {
        EditStep nothing(doc, "Nothing");
    }
    EXPECT_EQ(doc.history().stepCount(), 1u);
    EXPECT_EQ(doc.history().undoName(), "Paint");
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.history().redoName(), "Paint");
    EXPECT_EQ(doc.history().undoName(), "");
}

TEST_F(LevelHistoryTest, ModifiedMarkFollowsTheSavedState)
{
    auto level = sampleAt(root.path() / "Maps" / "Marked.vwd");
    CWorldEditorDoc& doc = level->doc();
    ASSERT_TRUE(save(*level));
    ASSERT_FALSE(doc.isModified());
    auto paint = [&](TilePoint p) {
        MapEdit edit(doc, "Paint");
        edit.paintTile(p, 4, 3);
    };
    paint({4, 4});
    EXPECT_TRUE(doc.isModified());
    doc.Undo();
    EXPECT_FALSE(doc.isModified()) << "back at the saved state";
    doc.Redo();
    EXPECT_TRUE(doc.isModified());
    doc.Undo();
    paint({6, 6}); // cuts off the redo: the saved state is still the one before
    doc.Undo();
    EXPECT_FALSE(doc.isModified());

    // A failed save leaves both the mark and the history as they were.
    paint({7, 7});
    setWriteFaultHook([](const std::filesystem::path&) { return EROFS; });
    prompter.queueAnswer(Prompter::Answer::No);
    EXPECT_NE(level->files().SaveLevel(false), SaveResult::Saved);
    setWriteFaultHook({});
    EXPECT_TRUE(doc.isModified());
    EXPECT_TRUE(doc.history().canUndo());
    doc.Undo();
    EXPECT_FALSE(doc.isModified());
}

TEST_F(LevelHistoryTest, AStepCostsWhatItChangedAndTheHistoryIsBounded)
{
    auto level = newDocument();
    CWorldEditorDoc& doc = level->doc();
    doc.NewLevel({"Big", 128, 128, 2, PlayerId::Neutral});
    doc.history().setStepLimit(10);
    for (int i = 0; i < 25; ++i) {
        MapEdit edit(doc, "Paint");
        edit.paintTile({1 + i, 1 + i}, 4, 3);
    }
    EXPECT_EQ(doc.history().stepCount(), 10u);
    // Ten one-tile steps hold a few hundred bytes, not ten copies of a 16384-tile map.
    EXPECT_LT(doc.history().memoryUsed(), 10 * 1024u);
    while (doc.Undo()) {
    }
    EXPECT_EQ(doc.GetTerrain({16, 16}), 2) << "the oldest step kept, undone";
    EXPECT_EQ(doc.GetTerrain({15, 15}), 4) << "older than the limit: forgotten, so it stays";
}

} // namespace
} // namespace gr2
