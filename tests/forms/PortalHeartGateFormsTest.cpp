// The portal, Dungeon Heart and hero gate dialogs without a window: their titles, the health label
// arithmetic, the ranges they refuse with their messages, the heart's owner that is only shown, and
// the directions a gate may turn to.

#include "forms/PortalHeartGateForms.h"
#include "level/CPlayer.h"
#include "level/LevelIds.h"
#include "support/LevelBuilder.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"
#include "typedb/TerrainField.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(PortalHeartGateFormsTest, HealthLabelIsThePercentageOfTheFullHealth)
{
    struct Case {
        int64_t full, percent;
        const char* text;
    } cases[] = {{450, 100, "% [ 450 Health ]"},
                 {450, 33, "% [ 148 Health ]"},
                 {10000, 1000, "% [ 100000 Health ]"},
                 {0, 50, "% [ 0 Health ]"},
                 {294903, INT64_MAX, "% [ 2949030000000 Health ]"}};
    for (const Case& c : cases)
        EXPECT_EQ(healthLabel(c.full, c.percent), c.text);
}

TEST(PortalHeartGateFormsTest, PortalRefusesWhatItCannotStoreAndFollowsItsNewOwner)
{
    test::LevelBuilder level(20, 20);
    level.playersUpTo(4);
    CWorldEditorDoc& doc = level.doc();
    CTypeDatabase types;
    test::addType(types.terrains(), TerrainId::Portal, "Portal").setIntValue(TerrainField::MaxHealth, 50);
    level.portal(3, {5, 5});
    RoomRows rows;
    auto session = portalSession(doc, {5, 5}, types, &rows);
    ASSERT_TRUE(session);
    FormState& s = session->state();
    EXPECT_EQ(session->caption(), "Edit Portal [ 6, 6 ]");
    EXPECT_EQ(s.text(rows.label), "% [ 450 Health ]");
    for (const Choice& c : s.choices(rows.owner))
        EXPECT_NE(c.value, PlayerId::Good);
    struct Case {
        const char* text;
        bool refused;
    } cases[] = {{"0", true}, {"101", true}, {"1", false}, {"100", false}};
    for (const Case& c : cases) {
        s.setText(rows.value, c.text);
        const std::optional<FormError> error = s.validate();
        EXPECT_EQ(bool(error), c.refused) << c.text;
        if (error) {
            EXPECT_EQ(error->message, "Please enter a number between 1 and 100.");
        }
    }
    s.setText(rows.value, "40");
    EXPECT_EQ(s.text(rows.label), "% [ 180 Health ]");
    s.setValue(rows.owner, 4);
    ASSERT_EQ(session->accept(), std::nullopt);
    const FoundRoom<PortalEntry> portal = doc.FindPortal({5, 5});
    ASSERT_TRUE(portal);
    EXPECT_EQ(portal.entry->health, 40);
    EXPECT_EQ(portal.player->id(), 4);
    EXPECT_EQ(doc.GetOwner({4, 4}), 4);
    EXPECT_TRUE(doc.FindPlayer(3)->portals().empty());
}

TEST(PortalHeartGateFormsTest, HeartWritesItsHealthAndKeepsItsOwner)
{
    test::LevelBuilder level(20, 20);
    level.heart(3, {8, 8});
    CWorldEditorDoc& doc = level.doc();
    doc.SetVariable(174, 10000);
    RoomRows rows;
    auto session = heartSession(doc, *doc.FindPlayer(3), &rows);
    ASSERT_TRUE(session);
    FormState& s = session->state();
    EXPECT_EQ(session->caption(), "Edit Dungeon Heart [ 9, 9 ]");
    EXPECT_FALSE(s.isEnabled(rows.owner));
    s.setText(rows.value, "1001");
    ASSERT_TRUE(s.validate());
    EXPECT_EQ(s.validate()->message, "Please enter a number between 0 and 1000.");
    s.setText(rows.value, "1000");
    EXPECT_EQ(s.text(rows.label), "% [ 100000 Health ]");
    ASSERT_EQ(session->accept(), std::nullopt);
    EXPECT_EQ(doc.FindPlayer(3)->heartHealth(), 1000);
}

TEST(PortalHeartGateFormsTest, HeroGateTurnsAlongItsAxis)
{
    struct Case {
        uint8_t terrain, direction;
        ChoiceList offered;
    } cases[] = {
        {TerrainId::HeroGate, 2, {{0, "North"}, {2, "East"}, {4, "South"}, {6, "West"}}},
        {TerrainId::HeroGateLarge, 2, {{2, "East"}, {6, "West"}}},
        {TerrainId::HeroGateSmall, 4, {{0, "North"}, {4, "South"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.terrain));
        test::LevelBuilder level(30, 30);
        CWorldEditorDoc& doc = level.doc();
        level.gate(PlayerId::Good, {10, 10}, c.terrain, c.direction);
        RoomRows rows;
        auto session = heroGateSession(doc, {10, 10}, &rows);
        ASSERT_TRUE(session);
        EXPECT_EQ(session->caption(), "Edit Hero Gate [ 11, 11 ]");
        EXPECT_FALSE(session->state().isEnabled(rows.owner));
        EXPECT_EQ(session->state().choices(rows.value), c.offered);
        session->state().setValue(rows.value, c.offered.back().value);
        ASSERT_EQ(session->accept(), std::nullopt);
        ASSERT_TRUE(doc.FindHeroGate({10, 10}));
        EXPECT_EQ(doc.FindHeroGate({10, 10}).entry->direction, c.offered.back().value);
    }
}

} // namespace
} // namespace gr2
