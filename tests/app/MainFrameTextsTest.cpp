// The rules behind the main window's panes, its stored placement and the zoom drop-down.

#include "app/StatusTexts.h"
#include "app/WindowPlacement.h"
#include "app/ZoomTable.h"
#include "document/SampleData.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelIds.h"
#include "level/TextConversion.h"
#include "mapedit/EditorState.h"
#include "support/TestLevelTypes.h"
#include "support/TypeDataBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(StatusTextsTest, PositionIsOneBasedAndEmptyOffTheMap)
{
    EXPECT_EQ(positionText(0, 0), "XPos = 1 : YPos = 1");
    EXPECT_EQ(positionText(63, 9), "XPos = 64 : YPos = 10");
    EXPECT_EQ(positionText(-1, -1), "");
    EXPECT_EQ(positionText(5, -1), "");
    EXPECT_EQ(positionText(-1, 5), "");
}

TEST(StatusTextsTest, MapSizeCountsBlocksAndIsEmptyForAZeroSide)
{
    EXPECT_EQ(mapSizeText(64, 64), "Size: 64 x 64 [ 4096 Blocks ]");
    EXPECT_EQ(mapSizeText(128, 7), "Size: 128 x 7 [ 896 Blocks ]");
    EXPECT_EQ(mapSizeText(0, 64), "");
    EXPECT_EQ(mapSizeText(64, 0), "");
}

TEST(StatusTextsTest, DrawItemNamesTheKindAndCallsRoomFloorsRooms)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    EXPECT_EQ(drawItemText(types, TypeKind::Terrain, 2), "Draw Item: Terrain [ Earth ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Terrain, 10), "Draw Item: Room [ Treasury Floor ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Creature, 1), "Draw Item: Creature [ Digger ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Door, 1), "Draw Item: Door [ Wooden Door ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Trap, 3), "Draw Item: Trap [ Fire Trap ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Object, 8), "Draw Item: Object [ Barrel ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Object, 200), "Draw Item: Object [  ]");
    EXPECT_EQ(drawItemText(types, TypeKind::Room, 10), "");
    EXPECT_EQ(drawItemText(types, TypeKind::VorlanSpell, 1), "");
}

TEST(StatusTextsTest, PaletteTipsNameWhatTheButtonPlacesWithItsId)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    const CRoomType* heart = types.roomWithFloor(TerrainId::DungeonHeart);
    ASSERT_TRUE(heart);
    EXPECT_EQ(paletteButtonTip(types, TypeKind::Terrain, TerrainId::DungeonHeart),
              latin1ToUtf8(heart->name()) + " (id 14)")
        << "the heart button names the room, not its floor";
    EXPECT_EQ(paletteButtonTip(types, TypeKind::Terrain, 2), "Earth (id 2)");
    EXPECT_EQ(paletteButtonTip(types, TypeKind::Creature, 1), "Digger (id 1)");
    EXPECT_EQ(paletteButtonTip(types, TypeKind::Object, 200), "");
}

TEST(StatusTextsTest, DrawItemFollowsTheToolThePlaceToolsTypeAndTheGoodSwaps)
{
    EditorState state;
    state.SetDrawTerrain(TerrainId::Bridge2, 3);
    EXPECT_EQ(currentDrawItem(state), (DrawItem{TypeKind::Terrain, TerrainId::Bridge2}));
    // Drawing for the Good player swaps the bridge; the pane follows the swapped slab.
    state.drawingPlayerChanged(true);
    EXPECT_EQ(currentDrawItem(state), (DrawItem{TypeKind::Terrain, TerrainId::Bridge3}));

    state.selectTool(ToolCode::PlaceTrap);
    state.setCurrentType(ThingFamily::Trap, 7);
    EXPECT_EQ(currentDrawItem(state), (DrawItem{TypeKind::Trap, 7}));
    state.selectTool(ToolCode::PlaceObject);
    state.setCurrentType(ThingFamily::Object, 9);
    EXPECT_EQ(currentDrawItem(state), (DrawItem{TypeKind::Object, 9}));
    // Remove mode has no type to show.
    state.setCurrentType(ThingFamily::Object, 0);
    EXPECT_EQ(currentDrawItem(state), std::nullopt);
    state.selectTool(ToolCode::RectangleSelect);
    EXPECT_EQ(currentDrawItem(state), (DrawItem{TypeKind::Terrain, TerrainId::Bridge3}));
}

TEST(StatusTextsTest, TileNamesTerrainAndTheLevelsPlayer)
{
    CTypeDatabase types;
    buildSampleTypes(types);
    test::TestLevelTypes levelTypes;
    CWorldEditorDoc doc(levelTypes);
    doc.NewLevel({"L", 10, 10, 2, PlayerId::Neutral});
    EXPECT_EQ(tileText(types, &doc, 2, 3), "Slab Type: Earth  Owner: Vorlan 1");
    EXPECT_EQ(tileText(types, &doc, 9, 1), "Slab Type: Claimed Wall  Owner: Good Player");
    EXPECT_EQ(tileText(types, &doc, 2, 99), "Slab Type: Earth  Owner: ");
    EXPECT_EQ(tileText(types, nullptr, 2, 3), "Slab Type: Earth  Owner: ");
    EXPECT_EQ(tileText(types, &doc, 0, 0), "");
}

TEST(StatusTextsTest, FirstTerrainIsTheLowestIdAndLatinOneNamesBecomeUtf8)
{
    CTypeDatabase types;
    EXPECT_EQ(firstTerrainId(types), 0);
    test::addType(types.terrains(), 7, "Seven");
    test::addType(types.terrains(), 3, "Caf\xE9");
    EXPECT_EQ(firstTerrainId(types), 3);
    EXPECT_EQ(drawItemText(types, TypeKind::Terrain, 3), "Draw Item: Terrain [ Caf\xC3\xA9 ]");
}

TEST(WindowPlacementTest, RoundTripsTheTenNumbers)
{
    WindowPlacement p;
    p.flags = WindowPlacement::kRestoreToMaximized;
    p.showState = WindowPlacement::kShowMaximized;
    p.minX = -1;
    p.minY = -1;
    p.maxX = -8;
    p.maxY = -31;
    p.left = 22;
    p.top = 29;
    p.right = 1046;
    p.bottom = 797;
    const std::string text = formatWindowPlacement(p);
    EXPECT_EQ(text, "2,3,-1,-1,-8,-31,22,29,1046,797");
    auto back = parseWindowPlacement(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p);
    EXPECT_EQ(back->length, 44u);
    EXPECT_TRUE(back->isMaximized());
}

TEST(WindowPlacementTest, RefusesAnythingButExactlyTenNumbers)
{
    EXPECT_TRUE(parseWindowPlacement("0,1, 0, 0,-1,-1,10,20,810,620"));
    for (const char* bad :
         {"", "0,1,0,0,-1,-1,10,20,810", "0,1,0,0,-1,-1,10,20,810,620,5", "0,1,0,0,-1,-1,10,20,810,x",
          "-1,1,0,0,-1,-1,10,20,810,620", "0;1;0;0;-1;-1;10;20;810;620",
          "0,1,0,0,-1,-1,10,20,810,99999999999", "0,1,0,0,-1,-1,10,20,810,620junk"})
        EXPECT_FALSE(parseWindowPlacement(bad)) << bad;
}

TEST(ZoomTableTest, PercentagesLabelsAndLookup)
{
    std::vector<std::string> labels;
    for (int i = 0; i < ZoomTable::count(); ++i)
        labels.push_back(ZoomTable::label(i));
    EXPECT_EQ(labels, (std::vector<std::string>{"200%", "150%", "100%", "75%", "50%", "25%"}));
    EXPECT_EQ(ZoomTable::indexOfTileSize(8), 5);
    EXPECT_EQ(ZoomTable::indexOfTileSize(64), 0);
    EXPECT_EQ(ZoomTable::indexOfTileSize(40), ZoomTable::kDefaultIndex);
    EXPECT_EQ(ZoomTable::tileSize(-1), 32);
    EXPECT_EQ(ZoomTable::tileSize(6), 32);
}

TEST(ZoomTableTest, ZoomStepsGoToTheNeighbouringSizeAndStopAtTheEnds)
{
    struct Case {
        int size, in, out;
    };
    for (const Case& c : {Case{32, 48, 24}, Case{64, 64, 48}, Case{8, 16, 8}, Case{40, 48, 32},
                          Case{200, 64, 64}, Case{1, 8, 8}})
        EXPECT_EQ(std::make_pair(ZoomTable::zoomedIn(c.size), ZoomTable::zoomedOut(c.size)),
                  std::make_pair(c.in, c.out))
            << c.size;
}

TEST(WindowPlacementTest, AStoredRectangleIsBroughtOntoTheScreenItOverlapsMost)
{
    const DesktopRect primary{0, 0, 1920, 1040};
    const DesktopRect right{1920, 0, 3200, 1024};
    const std::vector<DesktopRect> screens{primary, right};
    struct Case {
        DesktopRect stored, expected;
    };
    const Case cases[] = {
        {{100, 100, 900, 700}, {100, 100, 900, 700}},        // on screen: unchanged
        {{2000, 50, 2800, 650}, {2000, 50, 2800, 650}},      // on the second screen: unchanged
        {{5000, 3000, 5800, 3600}, {1120, 440, 1920, 1040}}, // off every screen: onto the primary
        {{1500, 500, 2300, 1100}, {1120, 440, 1920, 1040}},  // mostly on the primary, pulled in
        {{3000, -200, 3800, 400}, {2400, 0, 3200, 600}},     // mostly on the second one
        {{-100, -100, 5000, 4000}, {0, 0, 1920, 1040}},      // larger than the screen (a scale change)
    };
    for (const Case& c : cases) {
        const DesktopRect expected = c.expected;
        const DesktopRect got = fitOntoScreens(c.stored, screens);
        EXPECT_EQ(got, expected) << c.stored.left << "," << c.stored.top << " -> " << got.left << ","
                                 << got.top << "," << got.right << "," << got.bottom;
    }
    EXPECT_EQ(fitOntoScreens({10, 10, 50, 50}, {}), (DesktopRect{10, 10, 50, 50}));
}

} // namespace
} // namespace gr2
