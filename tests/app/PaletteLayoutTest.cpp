// What the palette pages offer and where their buttons go.

#include "app/PaletteLayout.h"
#include "document/SampleData.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

std::vector<int> idsOfRow(const PalettePageContents& c, int row, TypeKind kind)
{
    std::vector<int> ids;
    for (const PaletteItem& item : c.items)
        if (item.row == row && item.kind == kind)
            ids.push_back(item.id);
    return ids;
}

TEST(PaletteLayoutTest, ButtonSidesFollowTheScreenWidth)
{
    EXPECT_EQ(paletteButtonSide(1024, PalettePage::Creatures), 48);
    EXPECT_EQ(paletteButtonSide(1024, PalettePage::Objects), 50);
    EXPECT_EQ(paletteButtonSide(1024, PalettePage::Doors), 50);
    EXPECT_EQ(paletteButtonSide(1024, PalettePage::Terrain), 50);
    EXPECT_EQ(paletteButtonSide(1024, PalettePage::Rooms), 48);
    EXPECT_EQ(paletteButtonSide(100, PalettePage::Rooms), 16); // a tiny screen still gets usable buttons
}

TEST(PaletteLayoutTest, TerrainPageLeavesOutRoomFloorsAndFixedIdsAndSelectsTheSecond)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    const PalettePageContents c = buildPalettePage(types, PalettePage::Terrain);
    EXPECT_EQ(idsOfRow(c, 0, TypeKind::Terrain), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 32}));
    EXPECT_EQ(c.initialSelection, 1u);
    EXPECT_FALSE(c.deleteColumn);
    // The eleventh button wraps to the second row.
    PaletteItem eleventh{TypeKind::Terrain, 1, 0, 11};
    EXPECT_EQ(palettePosition(PalettePage::Terrain, eleventh, 40), (PalettePoint{7, 12 + 45}));
}

TEST(PaletteLayoutTest, RoomsPageStartsWithFiveAndThreeAndSkipsGoodAndGateRooms)
{
    CTypeDatabase types;
    for (int id = 1; id <= 8; ++id) {
        auto& room = test::addType(types.rooms(), uint16_t(id), "Room" + std::to_string(id));
        room.setFloorTerrainId(uint8_t(20 + id));
    }
    types.rooms().findById(6)->setFlag(RoomTypeFlag::IsGood, true);
    types.rooms().findById(7)->setFloorTerrainId(34); // a great gate floor has no button
    const PalettePageContents c = buildPalettePage(types, PalettePage::Rooms);
    EXPECT_EQ(idsOfRow(c, 0, TypeKind::Terrain), (std::vector<int>{25, 23, 24, 28}));
    EXPECT_EQ(c.initialSelection, 0u);
}

TEST(PaletteLayoutTest, CreaturePageSplitsEvilAndGoodAndDropsElitesAnd46)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    test::addType(types.creatures(), 46, "Forty-six").setFlags1(1u << CreatureFlag1::IsEvil);
    const PalettePageContents c = buildPalettePage(types, PalettePage::Creatures);
    EXPECT_EQ(idsOfRow(c, 0, TypeKind::Creature), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(idsOfRow(c, 1, TypeKind::Creature), (std::vector<int>{6, 7, 8}));
    EXPECT_EQ(c.deleteColumn, 5);
    EXPECT_EQ(paletteDeletePosition(c, 48), (PalettePoint{7 + 5 * 53, 12}));
    EXPECT_EQ(palettePosition(PalettePage::Creatures, c.items[5], 48), (PalettePoint{7, 48 + 17}));
}

TEST(PaletteLayoutTest, DoorAndTrapPagesPairEachTypeWithItsCrate)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    const PalettePageContents doors = buildPalettePage(types, PalettePage::Doors);
    EXPECT_EQ(idsOfRow(doors, 0, TypeKind::Door), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(idsOfRow(doors, 1, TypeKind::Object), (std::vector<int>{53, 56, 53}));
    EXPECT_EQ(doors.deleteColumn, 6);
    const PalettePageContents traps = buildPalettePage(types, PalettePage::Traps);
    EXPECT_EQ(idsOfRow(traps, 0, TypeKind::Trap), (std::vector<int>{1, 3}));
    EXPECT_EQ(idsOfRow(traps, 1, TypeKind::Object), (std::vector<int>{5, 42}));
    EXPECT_EQ(traps.deleteColumn, 12);
    EXPECT_EQ(paletteDeletePosition(traps, 20), (PalettePoint{7 + 12 * 25, 12}));
}

TEST(PaletteLayoutTest, ObjectPageTakesPlaceableNonCratesWithSpecialsBelow)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    const PalettePageContents c = buildPalettePage(types, PalettePage::Objects);
    EXPECT_EQ(idsOfRow(c, 0, TypeKind::Object), (std::vector<int>{1, 2, 3, 7, 8}));
    EXPECT_EQ(idsOfRow(c, 1, TypeKind::Object), (std::vector<int>{4, 9}));
    EXPECT_EQ(c.deleteColumn, 5);
}

TEST(PaletteLayoutTest, GoodPlayerDrawsTheHeroFloor)
{
    EXPECT_EQ(slabForOwner(26, true), 36);
    EXPECT_EQ(slabForOwner(36, false), 26);
    EXPECT_EQ(slabForOwner(26, false), 26);
    EXPECT_EQ(slabForOwner(36, true), 36);
    EXPECT_EQ(slabForOwner(2, true), 2);
}

} // namespace
} // namespace gr2
