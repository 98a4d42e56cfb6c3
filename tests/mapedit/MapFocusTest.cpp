// What the map highlights and scrolls to for the item selected in the script tree.

#include "mapedit/MapFocus.h"

#include "script/ScriptTreeModel.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(MapFocusTest, ThingsMarkersAndPartiesShowWhereTheyAreOrWhereTheScriptSendsThem)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db);
    test::LevelBuilder level(20, 20);
    CWorldEditorDoc& doc = level.doc();
    test::ScriptBuilder sb(doc);
    CCreature* imp = doc.CreateCreature(test::TestCreature::Imp, 3, {4, 5}, true);
    CTrap* trap = doc.CreateTrap(1, 3, {6, 7});
    CActionPoint* point = doc.AddActionPoint({2, 3, 5, 6});
    CEffectGenerator* generator = doc.AddEffectGenerator({10, 11});
    generator->setExtent(3, 0);
    auto built = std::make_unique<CHeroParty>(&doc);
    auto knight = std::make_unique<CCreature>(&doc, test::TestCreature::Knight);
    built->addMember(knight);
    CHeroParty* party = doc.AddHeroParty(std::move(built));
    // A script that sends the party onto the map at the action point.
    CTrigger& trigger = sb.trigger(1, 0, -1);
    CAction& create = sb.action(-1, 0, uint8_t(ActionKind::CreateHeroParty));
    create.setA(0, party->id());
    create.setB(point->id());
    doc.loadedProperties().rootTrigger = trigger.id();
    ScriptTreeModel model(doc, db);
    const LevelScript* script = LevelScript::of(doc);

    auto focusOf = [&](const CLevelObject& object) {
        return mapFocusOf(*model.findItem(object), doc, script);
    };
    EXPECT_EQ(focusOf(*imp), (MapFocus{imp, {}, {}, TileRect{4, 5, 4, 5}}));
    EXPECT_EQ(focusOf(*trap), (MapFocus{trap, {}, {}, TileRect{6, 7, 6, 7}}));
    EXPECT_EQ(focusOf(*point), (MapFocus{nullptr, point->id(), {}, TileRect{2, 3, 5, 6}}));
    // A generator without height still covers its own row.
    EXPECT_EQ(focusOf(*generator), (MapFocus{nullptr, {}, generator->id(), TileRect{10, 11, 12, 11}}));
    const MapFocus atEntry{nullptr, point->id(), {}, TileRect{2, 3, 5, 6}};
    EXPECT_EQ(focusOf(*party), atEntry);
    EXPECT_EQ(focusOf(*party->member(0)), atEntry);
    // Players, the level, triggers and actions stand nowhere.
    EXPECT_EQ(focusOf(*doc.FindPlayer(3)), MapFocus{});
    EXPECT_EQ(mapFocusOf(model.root(), doc, script), MapFocus{});
    ASSERT_NE(model.findTriggerItem(1), nullptr);
    EXPECT_EQ(mapFocusOf(*model.findTriggerItem(1), doc, script), MapFocus{});

    // A party no script creates has no place on the map.
    create.setA(0, uint8_t(party->id() + 1));
    EXPECT_EQ(focusOf(*party), MapFocus{});
}

} // namespace
} // namespace gr2
