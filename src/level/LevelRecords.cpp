#include "level/LevelRecords.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelDescriptionRecord.h"
#include "level/LevelTypes.h"
#include "level/PlayerRecord.h"
#include "level/ThingRecords.h"

#include <algorithm>

namespace gr2::LevelRecords {

uint8_t bridgeBase(const CWorldEditorDoc& doc, TilePoint p)
{
    if (!TerrainId::isBridge(doc.GetTerrain(p)))
        return 1;
    static constexpr TilePoint kSteps[] = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};
    for (TilePoint step : kSteps) {
        TilePoint n{p.x + step.x, p.y + step.y};
        if (doc.IsInside(n) && doc.GetTerrain(n) == TerrainId::BridgeBaseHigh)
            return 2;
    }
    return 1;
}

Bytes packMapElements(const CWorldEditorDoc& doc)
{
    Bytes out;
    out.reserve(doc.cellCount() * 4);
    for (uint32_t y = 0; y < doc.height(); ++y) {
        for (uint32_t x = 0; x < doc.width(); ++x) {
            TilePoint p{int32_t(x), int32_t(y)};
            out.push_back(doc.GetTerrain(p));
            out.push_back(doc.GetOwner(p));
            out.push_back(bridgeBase(doc, p));
            out.push_back(0);
        }
    }
    return out;
}

std::vector<Bytes> packPlayers(const CWorldEditorDoc& doc)
{
    std::vector<Bytes> out;
    for (size_t i = 0; i < doc.PlayerCount(); ++i)
        out.push_back(PlayerRecord::pack(*doc.PlayerAt(i)));
    return out;
}

std::vector<ThingItem> collectThingItems(CWorldEditorDoc& doc)
{
    const LevelTypes& types = doc.types();
    std::vector<ThingItem> items;
    auto add = [&](ThingKind kind, Bytes record) { items.push_back({uint32_t(kind), std::move(record)}); };

    for (const auto& c : doc.creatures()) {
        if (!c->isPlaced() || c->isDeadBody())
            continue;
        if (c->ownerId() == PlayerId::Good)
            add(ThingKind::CreatureGood, ThingRecords::packCreatureGood(*c, types));
        else if (c->ownerId() == PlayerId::Neutral)
            add(ThingKind::CreatureNeutral, ThingRecords::packCreatureNeutral(*c, types));
        else
            add(ThingKind::CreatureEvil, ThingRecords::packCreatureEvil(*c, types));
    }
    for (const auto& d : doc.doors())
        if (d->isPlaced())
            add(ThingKind::Door, ThingRecords::packDoor(*d));
    for (const auto& t : doc.traps())
        if (t->isPlaced())
            add(ThingKind::Trap, ThingRecords::packTrap(*t));
    for (const auto& o : doc.objects())
        if (o->isPlaced())
            add(ThingKind::Object, ThingRecords::packObject(*o));

    const auto& points = doc.actionPoints();
    if (std::any_of(points.begin(), points.end(), [](const auto& a) { return a->nextWaypoint() != 0; }))
        for (const auto& a : points)
            a->setFlag(ActionPointFlag::Waypoint, true);
    for (const auto& a : points)
        add(ThingKind::ActionPoint, ThingRecords::packActionPoint(*a));

    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (const CHeroParty* party = doc.HeroPartyAt(slot))
            add(ThingKind::HeroParty, ThingRecords::packHeroParty(*party, types));

    for (const auto& c : doc.creatures())
        if (c->isPlaced() && c->isDeadBody())
            add(ThingKind::DeadBody, ThingRecords::packDeadBody(*c, types));

    for (const auto& g : doc.effectGenerators())
        add(ThingKind::EffectGenerator, ThingRecords::packEffectGenerator(*g));

    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& player = *doc.PlayerAt(i);
        // A Vorlan without a heart has nothing to write; a record at (0, 0) would only be
        // dropped again when the level is read.
        if (player.isVorlan() && player.hasHeart())
            add(ThingKind::Room,
                ThingRecords::packRoom({player.heartPosition(), 0, uint16_t(player.heartHealth()),
                                        TerrainId::DungeonHeart, player.id()}));
        for (const PortalEntry& portal : player.portals())
            add(ThingKind::Room,
                ThingRecords::packRoom({portal.centre, 0, uint16_t(portal.health == 0 ? 100 : portal.health),
                                        portal.terrain, portal.ownerId}));
        for (const HeroGateEntry& gate : player.heroGates())
            add(ThingKind::Room, ThingRecords::packRoom({gate.reference, gate.direction, gate.health,
                                                         gate.terrain, gate.ownerId}));
    }

    for (const ThingItem& kept : doc.keptThingItems())
        items.push_back(kept);
    return items;
}

Bytes packLevelDescription(CWorldEditorDoc& doc)
{
    return packLevelDescription(doc, doc.properties().name);
}

Bytes packLevelDescription(CWorldEditorDoc& doc, std::u16string_view levelName)
{
    bool vorlanWithout = false;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (p.isVorlan() && !p.forcedFirstPerson())
            vorlanWithout = true;
    }
    LevelProperties& props = doc.loadedProperties();
    props.setFlag(LevelFlag::VorlanWithoutFirstPerson, vorlanWithout);
    if (levelName == props.name)
        return LevelDescriptionRecord::pack(props, doc.PlayerCount());
    LevelProperties renamed = props;
    renamed.name = levelName;
    return LevelDescriptionRecord::pack(renamed, doc.PlayerCount());
}

} // namespace gr2::LevelRecords
