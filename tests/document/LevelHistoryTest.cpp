// The level's history: random sequences of every kind of edit, then Undo back to the start and
// Redo to the end, comparing the saved level with the one saved at each point of the way; the
// cost of a step; naming, nesting, limits and the modified mark.

#include "level/EditStep.h"
#include "mapedit/FloodFill.h"
#include "mapedit/MapEdit.h"
#include "mapedit/MapTransforms.h"
#include "mapedit/RoomBrushes.h"
#include "mapedit/SelectionCommands.h"
#include "script/CTrigger.h"
#include "script/LevelScript.h"
#include "support/HostileLevel.h"
#include "support/LevelFileFixture.h"
#include "support/LevelFileTimes.h"
#include "worlddata/ByteOrder.h"

#include <functional>
#include <random>

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
