#include "document/LevelSaveRules.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace gr2::LevelSaveRules {

namespace {

constexpr uint32_t kVariablePool = 1;
constexpr uint32_t kVariableAvailability = 2;
constexpr uint32_t kVariableGoldPerTick = 74;
constexpr uint32_t kVariableAlliance = 66;
constexpr uint32_t kVariableCreatureStat = 77;
constexpr uint32_t kVariableRating = 241;
constexpr uint32_t kVariableAverageTime = 242;
constexpr uint8_t kGoldSeamTerrain = 6;
constexpr uint32_t kStatLevelLimit = 32;

/// The lists of the Variables file in the order it writes them: rooms, creatures, doors, traps,
/// Vorlan spells.
constexpr AvailabilityKind kWriteOrder[] = {AvailabilityKind::Rooms, AvailabilityKind::Creatures,
                                            AvailabilityKind::Doors, AvailabilityKind::Traps,
                                            AvailabilityKind::VorlanSpells};

bool isFixedPointVariable(uint32_t id)
{
    return id == 67 || id == 155 || id == 158 || id == 185 || id == 220 || id == 221;
}

int32_t truncated(double v)
{
    if (std::isnan(v))
        return 0;
    v = std::trunc(v);
    if (v >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (v <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return int32_t(v);
}

Bytes variableRecord(uint32_t id, int32_t a, int32_t b, int32_t c)
{
    Bytes r;
    r.reserve(RecordSize::Variable);
    appendU32(r, id);
    appendU32(r, uint32_t(a));
    appendU32(r, uint32_t(b));
    appendU32(r, uint32_t(c));
    return r;
}

std::vector<CAction*> actionsOfKind(const CWorldEditorDoc& doc, ActionKind kind)
{
    std::vector<CAction*> out;
    if (const LevelScript* script = LevelScript::of(doc))
        for (const auto& action : script->actions())
            if (action->kind() == uint8_t(kind))
                out.push_back(action.get());
    return out;
}

/// The plain entry of the type becomes 4; anything else, and a type not in the list, stays.
void markIfPlain(CPlayer& player, AvailabilityKind kind, uint8_t type)
{
    if (player.availabilityState(kind, type) == 1)
        player.setAvailabilityState(kind, type, kUsedButUnavailable);
}

/// Distinct ids in first-use order; 0 is no type.
class IdList {
public:
    void add(uint32_t id)
    {
        if (id != 0 && std::find(m_ids.begin(), m_ids.end(), id) == m_ids.end())
            m_ids.push_back(id);
    }
    void add(const std::vector<uint8_t>& ids)
    {
        for (uint8_t id : ids)
            add(id);
    }
    std::vector<uint32_t> take() { return std::move(m_ids); }

private:
    std::vector<uint32_t> m_ids;
};

} // namespace

uint8_t roomOfTerrain(const CTypeDatabase& db, uint8_t terrainId)
{
    const CTerrainType* terrain = db.terrains().findById(terrainId);
    if (!terrain || !terrain->isRoomFloor())
        return 0;
    const CRoomType* room = db.roomWithFloor(terrainId);
    return room ? uint8_t(room->id()) : 0;
}

std::vector<uint8_t> creaturesAttractedBy(const CTypeDatabase& db, uint8_t roomType)
{
    std::vector<uint8_t> out;
    if (roomType == 0)
        return out;
    constexpr uint32_t kRoomAttraction = 1;
    for (const CCreatureType& c : db.creatures()) {
        const bool first = c.intValue(CreatureField::Attraction1Kind) == kRoomAttraction &&
                           (c.intValue(CreatureField::Attraction1Value) & 0xFFFF) == roomType;
        const bool second = c.intValue(CreatureField::Attraction2Kind) == kRoomAttraction &&
                            (c.intValue(CreatureField::Attraction2Value) & 0xFFFF) == roomType;
        if (first || second)
            out.push_back(uint8_t(c.id()));
    }
    return out;
}

void markAvailability(CWorldEditorDoc& doc, const CTypeDatabase& db)
{
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        CPlayer& p = *doc.PlayerAt(i);
        for (AvailabilityKind kind : {AvailabilityKind::Rooms, AvailabilityKind::Creatures})
            for (AvailabilityEntry& e : p.availability(kind))
                if (e.state == kUsedButUnavailable)
                    e.state = 1;
    }

    // The room floors on the map, once each: marking is the same however many tiles show a room.
    std::array<bool, 256> roomOnMap{};
    std::array<int, 256> roomOfId;
    roomOfId.fill(-1);
    for (uint8_t terrain : doc.terrainTiles()) {
        if (roomOfId[terrain] < 0)
            roomOfId[terrain] = roomOfTerrain(db, terrain);
        if (roomOfId[terrain] > 0)
            roomOnMap[size_t(roomOfId[terrain])] = true;
    }
    const std::vector<CAction*> createActions = actionsOfKind(doc, ActionKind::CreateCreature);

    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        for (size_t j = 0; j < doc.PlayerCount(); ++j) {
            const CPlayer& r = *doc.PlayerAt(j);
            if (j == i || !r.isVorlan())
                continue;
            auto markAgainst = [&](AvailabilityKind kind, uint8_t type) {
                if (p.availabilityState(kind, type) == 1 && r.availabilityState(kind, type) != 1)
                    p.setAvailabilityState(kind, type, kUsedButUnavailable);
            };
            for (const CRoomType& room : db.rooms())
                markAgainst(AvailabilityKind::Rooms, uint8_t(room.id()));
            for (const CCreatureType& creature : db.creatures())
                markAgainst(AvailabilityKind::Creatures, uint8_t(creature.id()));
        }
        for (size_t room = 1; room < roomOnMap.size(); ++room)
            if (roomOnMap[room])
                markIfPlain(p, AvailabilityKind::Rooms, uint8_t(room));
        for (const auto& c : doc.creatures())
            markIfPlain(p, AvailabilityKind::Creatures, c->type());
        for (const CAction* a : createActions)
            markIfPlain(p, AvailabilityKind::Creatures, a->a(0));
    }

    for (const CAction* a : actionsOfKind(doc, ActionKind::SetAvailability)) {
        if (a->a(3) != 1)
            continue;
        // The category byte is taken as a list kind as it stands (see the header).
        const uint8_t list = a->a(1);
        CPlayer* player = doc.FindPlayer(a->a(0));
        if (player && list >= 1 && list <= kAvailabilityKinds)
            markIfPlain(*player, AvailabilityKind(list), a->a(2));
    }
}

std::vector<uint32_t> usedCreatureTypes(const CWorldEditorDoc& doc, const CTypeDatabase& db)
{
    IdList used;
    for (const auto& c : doc.creatures())
        used.add(c->type());
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        for (const CreaturePoolEntry& e : p.creaturePool())
            if (e.count != 0)
                used.add(e.type);
    }
    for (const CAction* a : actionsOfKind(doc, ActionKind::CreateCreature))
        used.add(a->a(0));
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (const CHeroParty* party = doc.HeroPartyAt(slot))
            for (int m = 0; m < kHeroPartyMembers; ++m)
                if (const CCreature* member = party->member(m))
                    used.add(member->type());

    std::array<bool, 256> seen{};
    for (uint8_t terrain : doc.terrainTiles()) {
        if (seen[terrain])
            continue;
        seen[terrain] = true;
        used.add(creaturesAttractedBy(db, roomOfTerrain(db, terrain)));
    }
    for (const CRoomType& room : db.rooms()) {
        bool held = false;
        for (size_t i = 0; i < doc.PlayerCount() && !held; ++i)
            for (const AvailabilityEntry& e : doc.PlayerAt(i)->availability(AvailabilityKind::Rooms))
                if (e.type == room.id() && e.state != 1)
                    held = true;
        if (held)
            used.add(creaturesAttractedBy(db, uint8_t(room.id())));
    }
    return used.take();
}

int32_t goldPerTickVariable(const CWorldEditorDoc& doc, const CTypeDatabase& db)
{
    const CTerrainType* seam = db.terrains().findById(kGoldSeamTerrain);
    if (!seam)
        return 0;
    const int64_t gold = seam->intValue(TerrainField::GoldValue);
    const int64_t health = seam->intValue(TerrainField::MaxHealth);
    const int64_t ticks = doc.properties().ticksPerSecond;
    if (health == 0 || ticks == 0)
        return 0;
    const int64_t mined = std::llabs(int64_t(truncated(doc.GetVariable(7))));
    const int64_t value = gold * mined / health / ticks;
    return int32_t(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

std::vector<Bytes> variableRecords(const CWorldEditorDoc& doc, const CTypeDatabase& db)
{
    std::vector<Bytes> out;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        for (const CreaturePoolEntry& e : p.creaturePool())
            if (e.count != 0)
                out.push_back(variableRecord(kVariablePool, e.type, e.count, p.id()));
    }

    std::array<std::vector<AvailabilityEntry>, kAvailabilityKinds> defaults;
    for (int k = 1; k <= kAvailabilityKinds; ++k)
        defaults[size_t(k - 1)] = doc.types().defaultAvailability(AvailabilityKind(k));
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        for (AvailabilityKind kind : kWriteOrder) {
            const auto& globalList = defaults[size_t(kind) - 1];
            for (const AvailabilityEntry& e : p.availability(kind)) {
                uint32_t global = 1;
                for (const AvailabilityEntry& g : globalList)
                    if (g.type == e.type) {
                        global = g.state;
                        break;
                    }
                if (e.state != global)
                    out.push_back(variableRecord(kVariableAvailability,
                                                 int32_t(uint32_t(p.id()) << 16 | uint32_t(kind)), e.type,
                                                 int32_t(e.state)));
            }
        }
    }

    for (uint32_t id : doc.variables().overridableIds()) {
        const double v = doc.GetVariable(id);
        out.push_back(variableRecord(id, isFixedPointVariable(id) ? toFixed12(v) : truncated(v), 0, 0));
    }
    out.push_back(variableRecord(kVariableGoldPerTick, goldPerTickVariable(doc, db), 0, 0));
    for (const auto& [a, b] : doc.alliances().pairs())
        out.push_back(variableRecord(kVariableAlliance, a, b, 0));
    for (const CreatureStatOverride& s : doc.variables().creatureStatOverrides())
        if (s.level < kStatLevelLimit && doc.types().creatureTypeExists(s.creatureType))
            out.push_back(variableRecord(kVariableCreatureStat, s.creatureType, int32_t(s.level), s.value));
    out.push_back(variableRecord(kVariableRating, toFixed12(doc.properties().rating), 0, 0));
    out.push_back(variableRecord(kVariableAverageTime, doc.properties().averageTime, 0, 0));
    return out;
}

Bytes partFileEntry(const std::string& path, uint32_t sectionId)
{
    constexpr size_t kPathField = 64;
    Bytes entry(RecordSize::LevelResource, 0);
    storeText(entry.data(), kPathField, utf8ToLatin1(path));
    storeU32(entry.data() + kPathField, sectionId);
    return entry;
}

} // namespace gr2::LevelSaveRules
