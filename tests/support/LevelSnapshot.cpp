#include "support/LevelSnapshot.h"

#include <gtest/gtest.h>

namespace gr2::test {

namespace {

template <class T> std::vector<TilePoint> positions(const std::vector<std::unique_ptr<T>>& list)
{
    std::vector<TilePoint> out;
    for (const auto& t : list)
        out.push_back(t->position());
    return out;
}

} // namespace

LevelSnapshot snapshotOf(const CWorldEditorDoc& doc)
{
    LevelSnapshot s;
    s.width = doc.width();
    s.height = doc.height();
    s.terrain.assign(doc.terrainTiles().begin(), doc.terrainTiles().end());
    s.owner.assign(doc.ownerTiles().begin(), doc.ownerTiles().end());
    s.creatures = positions(doc.creatures());
    s.doors = positions(doc.doors());
    s.traps = positions(doc.traps());
    s.objects = positions(doc.objects());
    for (const auto& a : doc.actionPoints())
        s.actionPoints.push_back(a->area());
    for (const auto& g : doc.effectGenerators())
        s.generators.push_back({g->x(), g->y(), g->width(), g->height()});
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        PlayerPlaces places{p.id(), p.buildArea(), p.cameraStart(), p.heartPosition(), {}, {}, {}};
        for (const PortalEntry& portal : p.portals())
            places.portals.push_back(portal.centre);
        for (const HeroGateEntry& gate : p.heroGates()) {
            places.gateReferences.push_back(gate.reference);
            places.gateDirections.push_back(gate.direction);
        }
        s.players.push_back(places);
    }
    return s;
}

void expectSameLevel(const LevelSnapshot& actual, const LevelSnapshot& expected, bool withBuildAreas)
{
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_TRUE(actual.terrain == expected.terrain) << "terrain differs:\n"
                                                    << actual << "expected\n"
                                                    << expected;
    EXPECT_TRUE(actual.owner == expected.owner) << "owners differ";
    EXPECT_EQ(actual.creatures, expected.creatures);
    EXPECT_EQ(actual.doors, expected.doors);
    EXPECT_EQ(actual.traps, expected.traps);
    EXPECT_EQ(actual.objects, expected.objects);
    EXPECT_EQ(actual.actionPoints, expected.actionPoints);
    EXPECT_EQ(actual.generators, expected.generators);
    ASSERT_EQ(actual.players.size(), expected.players.size());
    for (size_t i = 0; i < actual.players.size(); ++i) {
        const PlayerPlaces& a = actual.players[i];
        const PlayerPlaces& e = expected.players[i];
        EXPECT_EQ(a.id, e.id);
        if (withBuildAreas) {
            EXPECT_TRUE(a.buildArea == e.buildArea) << "build area of player " << int(a.id);
        }
        EXPECT_EQ(a.camera, e.camera) << "player " << int(a.id);
        EXPECT_EQ(a.heart, e.heart) << "player " << int(a.id);
        EXPECT_EQ(a.portals, e.portals) << "player " << int(a.id);
        EXPECT_EQ(a.gateReferences, e.gateReferences) << "player " << int(a.id);
        EXPECT_EQ(a.gateDirections, e.gateDirections) << "player " << int(a.id);
    }
}

std::ostream& operator<<(std::ostream& os, const LevelSnapshot& s)
{
    os << s.width << " x " << s.height << "\n";
    for (uint32_t y = 0; y < s.height; ++y) {
        for (uint32_t x = 0; x < s.width; ++x) {
            size_t i = size_t(y) * s.width + x;
            os << int(s.terrain[i]) << "/" << int(s.owner[i]) << " ";
        }
        os << "\n";
    }
    os << s.creatures.size() << " creatures, " << s.actionPoints.size() << " action points\n";
    return os;
}

} // namespace gr2::test
