#include "level/CWorldEditorDoc.h"
#include "level/DocumentObserver.h"
#include "support/LevelBuilder.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

using test::LevelBuilder;
using test::TestTerrain::Claimed;
using test::TestTerrain::Path;
using test::TestTerrain::Rock;

TEST(LevelMapTest, TinyMapsAreAllBorder)
{
    for (uint32_t side : {1u, 2u}) {
        LevelBuilder b(side, side);
        CWorldEditorDoc& doc = b.doc();
        for (int32_t y = 0; y < int32_t(side); ++y) {
            for (int32_t x = 0; x < int32_t(side); ++x) {
                EXPECT_EQ(doc.GetTerrain({x, y}), TerrainId::Border) << side;
                EXPECT_EQ(doc.GetOwner({x, y}), PlayerId::Neutral) << side;
                EXPECT_FALSE(doc.IsInterior({x, y})) << side;
            }
        }
    }
}

TEST(LevelMapTest, NewLevelFillsInteriorAndDrawsBorder)
{
    LevelBuilder b(7, 5, Path, 1);
    CWorldEditorDoc& doc = b.doc();
    EXPECT_EQ(doc.GetTerrain({3, 2}), Path);
    EXPECT_EQ(doc.GetOwner({3, 2}), 1);
    EXPECT_EQ(doc.GetTerrain({6, 2}), TerrainId::Border);
    EXPECT_EQ(doc.GetTerrain({3, 4}), TerrainId::Border);
    EXPECT_TRUE(doc.isModified());
    ASSERT_EQ(doc.PlayerCount(), 3u);
    EXPECT_EQ(doc.PlayerAt(2)->name(), "Vorlan 1");
    EXPECT_FALSE(doc.PlayerAt(2)->isComputer());
    EXPECT_EQ(doc.PlayerAt(0)->buildArea(), (BuildArea{1, 1, 5, 3}));
    EXPECT_EQ(doc.GetVariable(178), 1500);
    EXPECT_TRUE(doc.IsOverridableVariable(67));
}

TEST(LevelMapTest, InsideNeedsNonNegativeCoordinates)
{
    LevelBuilder b(5, 5);
    struct Case {
        TilePoint p;
        bool inside;
        bool interior;
    };
    const Case cases[] = {
        {{0, 0}, true, false},  {{4, 4}, true, false},   {{1, 1}, true, true},
        {{3, 3}, true, true},   {{-1, 2}, false, false}, {{2, -1}, false, false},
        {{5, 2}, false, false}, {{2, 5}, false, false},  {{INT32_MIN, 0}, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(b.doc().IsInside(c.p), c.inside) << c.p.x << "," << c.p.y;
        EXPECT_EQ(b.doc().IsInterior(c.p), c.interior) << c.p.x << "," << c.p.y;
    }
    EXPECT_FALSE(b.doc().SetTerrain({-1, 2}, Rock));
    EXPECT_FALSE(b.doc().SetOwner({2, -3}, 3));
}

TEST(LevelMapTest, SetTerrainReportsChangeOnly)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    EXPECT_TRUE(doc.SetTerrain({2, 2}, Rock));
    EXPECT_FALSE(doc.SetTerrain({2, 2}, Rock));
    EXPECT_EQ(doc.GetTerrain({2, 2}), Rock);
}

TEST(LevelMapTest, SolidTerrainIsRefusedUnderAThing)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    ASSERT_TRUE(doc.CreateDoor(1, 3, {4, 4}));
    EXPECT_FALSE(doc.SetTerrain({4, 4}, Rock));
    EXPECT_EQ(doc.GetTerrain({4, 4}), Path);
    EXPECT_TRUE(doc.SetTerrain({4, 4}, test::TestTerrain::Water));
}

TEST(LevelMapTest, PaintingAnyPortalTileRemovesTheWholePortal)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            LevelBuilder b;
            b.playersUpTo(3);
            ASSERT_TRUE(b.portal(3, {5, 5}));
            b.doc().StoreTile({5, 5}, TerrainId::Portal, 3);
            b.doc().StoreTile({4, 4}, TerrainId::Portal, 1); // a corner owned by someone else
            TilePoint hit{5 + dx, 5 + dy};
            EXPECT_TRUE(b.doc().SetTerrain(hit, Rock));
            EXPECT_TRUE(b.doc().FindPlayer(3)->portals().empty());
            for (int32_t y = 4; y <= 6; ++y) {
                for (int32_t x = 4; x <= 6; ++x) {
                    if (TilePoint{x, y} == hit)
                        continue;
                    EXPECT_EQ(b.doc().GetTerrain({x, y}), Claimed);
                    EXPECT_EQ(b.doc().GetOwner({x, y}), 3) << "owned as the centre was";
                }
            }
            EXPECT_EQ(b.doc().GetTerrain(hit), Rock);
        }
    }
}

TEST(LevelMapTest, PaintingAHeartTileRemovesTheHeart)
{
    LevelBuilder b;
    b.playersUpTo(3);
    b.heart(3, {5, 5});
    CPlayer* p = b.doc().FindPlayer(3);
    p->setCameraStart({5, 5});
    EXPECT_TRUE(b.doc().SetTerrain({7, 3}, Rock));
    EXPECT_FALSE(p->hasHeart());
    EXPECT_EQ(p->cameraStart(), TilePoint{});
    EXPECT_EQ(b.doc().GetTerrain({3, 7}), Claimed);
    EXPECT_EQ(b.doc().GetOwner({3, 7}), 3);
    EXPECT_EQ(b.doc().GetTerrain({7, 3}), Rock);
}

TEST(LevelMapTest, HeartAtTheEdgeIsClippedAndTheBorderRestored)
{
    LevelBuilder b(8, 8);
    b.playersUpTo(3);
    b.heart(3, {1, 1}); // its block reaches past the map's top-left corner
    EXPECT_TRUE(b.doc().SetTerrain({2, 2}, Rock));
    EXPECT_EQ(b.doc().GetTerrain({0, 0}), TerrainId::Border);
    EXPECT_EQ(b.doc().GetOwner({0, 3}), PlayerId::Neutral);
    EXPECT_EQ(b.doc().GetTerrain({3, 3}), Claimed);
}

TEST(LevelMapTest, HeartTileOfAPlayerWithoutHeartLeavesTheCornerAlone)
{
    LevelBuilder b;
    b.playersUpTo(3);
    b.paint({4, 4, 4, 4}, TerrainId::DungeonHeart, 3); // painted, but no heart recorded
    b.doc().StoreTile({1, 1}, Path, 1);
    EXPECT_TRUE(b.doc().SetTerrain({4, 4}, Rock));
    EXPECT_EQ(b.doc().GetTerrain({1, 1}), Path);
    EXPECT_EQ(b.doc().GetOwner({1, 1}), 1);
}

TEST(LevelMapTest, HeroGatesAreRemovedByTheirFootprint)
{
    struct Case {
        uint8_t terrain;
        uint8_t direction;
        TileRect footprint;
    };
    const TilePoint ref{10, 10};
    const Case cases[] = {
        {TerrainId::HeroGate, 0, {10, 10, 11, 11}},     {TerrainId::HeroGate, 2, {10, 10, 11, 11}},
        {TerrainId::HeroGateLarge, 0, {8, 8, 13, 15}},  {TerrainId::HeroGateLarge, 4, {8, 8, 13, 15}},
        {TerrainId::HeroGateLarge, 1, {8, 8, 15, 13}},  {TerrainId::HeroGateSmall, 4, {9, 10, 11, 10}},
        {TerrainId::HeroGateSmall, 2, {10, 9, 10, 11}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(heroGateFootprint(c.terrain, c.direction, ref), c.footprint);
        LevelBuilder b(20, 20);
        ASSERT_TRUE(b.gate(PlayerId::Good, ref, c.terrain, c.direction));
        TilePoint corner{c.footprint.right, c.footprint.bottom};
        EXPECT_TRUE(b.doc().SetTerrain(corner, Rock));
        EXPECT_TRUE(b.doc().FindPlayer(PlayerId::Good)->heroGates().empty()) << int(c.terrain);
        EXPECT_EQ(b.doc().GetTerrain({c.footprint.left, c.footprint.top}), Claimed) << int(c.terrain);
        EXPECT_EQ(b.doc().GetOwner({c.footprint.left, c.footprint.top}), PlayerId::Good);
    }
}

TEST(LevelMapTest, PlacementRulesFollowTerrainFlags)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    struct Case {
        uint8_t terrain;
        bool creature;
        bool door;
    };
    const Case cases[] = {
        {Path, true, true},
        {Rock, false, false},
        {test::TestTerrain::Earth, false, false},
        {test::TestTerrain::Water, true, false},
        {test::TestTerrain::Treasury, true, false},
        {99, false, false}, // a terrain no type describes
    };
    for (const Case& c : cases) {
        doc.StoreTile({3, 3}, c.terrain, 3);
        EXPECT_EQ(doc.CanPlaceCreature({3, 3}), c.creature) << int(c.terrain);
        EXPECT_EQ(doc.CanPlaceDoor({3, 3}), c.door) << int(c.terrain);
    }
    EXPECT_FALSE(doc.CanPlaceCreature({0, 3}));
}

TEST(LevelMapTest, HeartPositionsAreDerivedFromTheFirstHeartTile)
{
    LevelBuilder b;
    b.playersUpTo(4);
    b.paint({3, 2, 7, 6}, TerrainId::DungeonHeart, 3);
    b.paint({2, 8, 2, 8}, TerrainId::DungeonHeart, 4);
    b.doc().FindPlayer(4)->setHeartPosition({9, 9});
    b.doc().DeriveHeartPositions();
    EXPECT_EQ(b.doc().FindPlayer(3)->heartPosition(), (TilePoint{5, 4}));
    EXPECT_EQ(b.doc().FindPlayer(4)->heartPosition(), (TilePoint{9, 9})) << "a known heart stays";
}

struct RecordingObserver : DocumentObserver {
    std::vector<TileRect> tiles;
    std::vector<bool> modified;
    std::vector<std::string> titles;
    std::vector<CLevelObject*> added, removed;
    int resets = 0;
    void tilesChanged(const TileRect& r) override { tiles.push_back(r); }
    void modifiedChanged(bool m) override { modified.push_back(m); }
    void titleChanged(const std::string& t) override { titles.push_back(t); }
    void objectAdded(CLevelObject& o) override { added.push_back(&o); }
    void objectRemoved(CLevelObject& o) override { removed.push_back(&o); }
    void levelReset() override { ++resets; }
};

TEST(LevelMapTest, ObserversHearTilesModifiedFlagAndTitle)
{
    LevelBuilder b;
    CWorldEditorDoc& doc = b.doc();
    doc.SetModifiedFlag(false);
    RecordingObserver o;
    doc.addObserver(&o);
    doc.SetTerrain({2, 3}, Rock);
    ASSERT_FALSE(o.tiles.empty());
    EXPECT_EQ(o.tiles.back(), (TileRect{2, 3, 2, 3}));
    EXPECT_EQ(o.modified, std::vector<bool>{true});
    doc.SetTitle("C:\\Levels\\My Level.vwd");
    EXPECT_EQ(o.titles.back(), "C:\\Levels\\My Level.vwd");
    EXPECT_EQ(doc.properties().name, u"My Level");
    doc.removeObserver(&o);
    doc.SetTerrain({2, 4}, Rock);
    EXPECT_EQ(o.tiles.size(), 1u);
}

TEST(LevelMapTest, LevelNameDropsFoldersAndExtension)
{
    EXPECT_EQ(CWorldEditorDoc::levelNameFromTitle("Maps\\Level1.vwd"), "Level1");
    EXPECT_EQ(CWorldEditorDoc::levelNameFromTitle("/home/me/maps/Level2.vwd"), "Level2");
    EXPECT_EQ(CWorldEditorDoc::levelNameFromTitle("Name.long"), "Name.long");
    EXPECT_EQ(CWorldEditorDoc::levelNameFromTitle("New Level"), "New Level");
}

TEST(LevelMapTest, OpeningStepsFinishUnmodifiedNamedWithHearts)
{
    test::TestLevelTypes types;
    CWorldEditorDoc doc(types);
    RecordingObserver o;
    doc.addObserver(&o);
    doc.beginOpen("/tmp/Level.vwd");
    EXPECT_TRUE(doc.isOpening());
    doc.SetMapSize(6, 6);
    doc.AllocateMap();
    doc.CreatePlayer("Good Player", 1);
    doc.CreatePlayer("Neutral Player", 2);
    doc.CreatePlayer("Vorlan 1", 3);
    doc.StoreTile({1, 1}, TerrainId::DungeonHeart, 3);
    ASSERT_NE(doc.CreateCreature(1, 3, {2, 2}, true), nullptr);
    const int resetsWhileOpening = o.resets;
    doc.finishOpen();
    EXPECT_TRUE(o.added.empty()) << "what was read is announced by the reset that ends the opening";
    EXPECT_TRUE(o.tiles.empty());
    EXPECT_EQ(o.resets, resetsWhileOpening + 1);
    EXPECT_FALSE(doc.isOpening());
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.isNamed());
    EXPECT_EQ(doc.FindPlayer(3)->heartPosition(), (TilePoint{3, 3}));
    EXPECT_EQ(doc.GetTerrain({5, 0}), TerrainId::Border);
    EXPECT_EQ(doc.properties().name, u"Level");
    EXPECT_GE(o.resets, 1);
}

} // namespace
} // namespace gr2
