// Where a problem of the validation report takes the designer: its script tree item and what the
// map marks, also for a report older than the level.

#include "document/ProblemPlaceFocus.h"

#include "level/CWorldEditorDoc.h"
#include "script/ScriptTreeModel.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(ProblemPlaceFocusTest, EachPlaceFindsItsItemAndMapFocusAndGonePlacesFindNothing)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    test::LevelBuilder level(20, 20);
    CWorldEditorDoc& doc = level.doc();
    test::ScriptBuilder sb(doc);
    doc.CreateCreature(test::TestCreature::Imp, 3, {4, 5}, true);
    CCreature* knight = doc.CreateCreature(test::TestCreature::Knight, 3, {6, 5}, true);
    CActionPoint* point = doc.AddActionPoint({2, 3, 5, 6});
    sb.trigger(1, 0, -1);
    sb.action(-1);
    sb.trigger(9); // attached to nothing: not in the tree
    doc.loadedProperties().rootTrigger = 1;
    ScriptTreeModel tree(doc, db);

    struct Case {
        const char* name;
        ProblemPlace place;
        const CLevelObject* object; ///< the object whose item is selected; none for script items
        int16_t scriptId;           ///< the trigger or action whose item is selected
        MapFocus focus;
    };
    const std::vector<Case> cases{
        {"second creature",
         {ProblemPlaceKind::Creature, 1, {6, 5}, true},
         knight,
         0,
         MapFocus{knight, {}, {}, TileRect{6, 5, 6, 5}}},
        {"action point",
         {ProblemPlaceKind::ActionPoint, 1, {2, 3}, true},
         point,
         0,
         MapFocus{nullptr, point->id(), {}, TileRect{2, 3, 5, 6}}},
        {"player", {ProblemPlaceKind::Player, 3, {}, false}, doc.FindPlayer(3), 0, MapFocus{}},
        {"trigger", {ProblemPlaceKind::Trigger, 1, {}, false}, nullptr, 1, MapFocus{}},
        {"action", {ProblemPlaceKind::Action, -1, {}, false}, nullptr, -1, MapFocus{}},
        {"tile",
         {ProblemPlaceKind::Tile, 0, {7, 8}, true},
         nullptr,
         0,
         MapFocus{{}, {}, {}, TileRect{7, 8, 7, 8}}},
        {"trigger not in the tree", {ProblemPlaceKind::Trigger, 9, {}, false}, nullptr, 0, MapFocus{}},
        {"creature gone since", {ProblemPlaceKind::Creature, 5, {1, 1}, true}, nullptr, 0, MapFocus{}},
        {"player gone since", {ProblemPlaceKind::Player, 9, {}, false}, nullptr, 0, MapFocus{}},
        {"hostile party slot", {ProblemPlaceKind::HeroParty, 400, {}, false}, nullptr, 0, MapFocus{}},
        {"tile outside the map", {ProblemPlaceKind::Tile, 0, {40, 8}, true}, nullptr, 0, MapFocus{}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptTreeItem* item = treeItemOfPlace(c.place, doc, tree);
        if (c.object) {
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->object(), c.object);
        } else if (c.scriptId) {
            ASSERT_NE(item, nullptr);
            EXPECT_EQ(item->scriptId(), c.scriptId);
        } else {
            EXPECT_EQ(item, nullptr);
        }
        EXPECT_EQ(mapFocusOfPlace(c.place, doc), c.focus);
    }
}

} // namespace
} // namespace gr2
