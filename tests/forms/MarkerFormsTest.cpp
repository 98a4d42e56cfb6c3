// The action point and effect generator dialogs without a window: titles, lists, what each control
// writes, and effects copied from another generator.

#include "forms/MarkerForms.h"
#include "level/CActionPoint.h"
#include "level/CEffectGenerator.h"
#include "support/LevelBuilder.h"
#include "support/ScriptBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(MarkerFormsTest, ActionPointWritesDelayWaypointAndFlags)
{
    test::LevelBuilder level;
    CWorldEditorDoc& doc = level.doc();
    CActionPoint& point = *doc.AddActionPoint({2, 3, 4, 6});
    ActionPointRows rows{};
    {
        auto alone = actionPointSession(doc, point);
        actionPointForm(point, &rows);
        EXPECT_EQ(alone->caption(), "Edit Action Point [ 3, 4 ] - [ 5, 7 ]");
        EXPECT_FALSE(alone->state().isEnabled(rows.nextWaypoint)) << "no other point to go to";
        EXPECT_EQ(alone->state().text(rows.id), "1");
        EXPECT_FALSE(alone->state().isEnabled(rows.id));
    }
    doc.AddActionPoint({7, 7, 8, 8});
    auto session = actionPointSession(doc, point);
    FormState& s = session->state();
    EXPECT_EQ(s.choices(rows.nextWaypoint), (ChoiceList{{0, "<none>"}, {2, "Action Point 2"}}));
    s.setValue(rows.nextWaypoint, 2);
    s.setText(rows.waitDelay, "32767");
    for (size_t row : {rows.reveal, rows.heroLair, rows.toolBox, rows.ignoreSolid})
        s.setChecked(row, true);
    ASSERT_EQ(session->accept(), std::nullopt);
    EXPECT_EQ(point.nextWaypoint(), 2);
    EXPECT_EQ(point.waitDelay(), 32767);
    EXPECT_EQ(point.flags(), ActionPointFlag::RevealThroughFog | ActionPointFlag::HeroLair |
                                 ActionPointFlag::ToolBox | ActionPointFlag::IgnoreSolid);
    auto refused = actionPointSession(doc, point);
    refused->state().setText(rows.waitDelay, "32768");
    ASSERT_TRUE(refused->accept());
}

TEST(MarkerFormsTest, EffectGeneratorTakesItsOwnOrAnotherGeneratorsEffects)
{
    test::LevelBuilder level;
    CWorldEditorDoc& doc = level.doc();
    test::ScriptBuilder script(doc);
    CTypeDatabase types;
    test::addType(types.effects(), 300, "Smoke");
    test::addType(types.effects(), 301, "Sparks");
    CEffectGenerator& generator = *doc.AddEffectGenerator({2, 3});
    generator.setExtent(2, 1);
    EffectGeneratorRows rows{};
    {
        auto alone = effectGeneratorSession(doc, generator, types);
        effectGeneratorForm(generator, types, &rows);
        EXPECT_EQ(alone->caption(), "Edit Effect Generator [ 3, 4 - 5, 5 ]");
        EXPECT_FALSE(alone->state().isVisible(rows.sameAs));
        EXPECT_EQ(alone->state().choices(rows.source).size(), 1u);
        EXPECT_EQ(alone->state().choices(rows.effects[0]),
                  (ChoiceList{{0, "<none>"}, {300, "Smoke"}, {301, "Sparks"}}));
    }
    CEffectGenerator& other = *doc.AddEffectGenerator({6, 6});
    other.setEffect(0, 301);
    other.setEffect(3, 300);
    {
        auto session = effectGeneratorSession(doc, generator, types);
        FormState& s = session->state();
        EXPECT_TRUE(s.isVisible(rows.sameAs));
        EXPECT_FALSE(s.isEnabled(rows.sameAs)) << "Use Effects is chosen on opening";
        s.setValue(rows.source, int64_t(EffectSource::SameAs));
        EXPECT_FALSE(s.isEnabled(rows.effects[0]));
        EXPECT_EQ(s.value(rows.effects[0]), 301);
        s.setText(rows.frequency, "200");
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(generator.frequency(), 200);
    EXPECT_EQ(generator.effect(0), 301);
    EXPECT_EQ(generator.effect(3), 300);
    {
        auto session = effectGeneratorSession(doc, generator, types);
        session->state().setValue(rows.effects[0], 0);
        session->state().setValue(rows.effects[1], 300);
        ASSERT_EQ(session->accept(), std::nullopt);
    }
    EXPECT_EQ(generator.effect(0), 0);
    EXPECT_EQ(generator.effect(1), 300);
}

} // namespace
} // namespace gr2
