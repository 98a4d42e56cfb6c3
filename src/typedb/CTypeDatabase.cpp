#include "typedb/CTypeDatabase.h"

#include <algorithm>
#include <utility>

namespace gr2 {

namespace {

constexpr uint8_t kAlwaysAvailableRooms[] = {12, 40};
constexpr uint8_t kUnavailableVorlanSpell = 14;

} // namespace

TypeTableBase& CTypeDatabase::table(TypeFamily family)
{
    return const_cast<TypeTableBase&>(std::as_const(*this).table(family));
}

const TypeTableBase& CTypeDatabase::table(TypeFamily family) const
{
    switch (family) {
    case TypeFamily::Terrain:
        return m_terrains;
    case TypeFamily::Room:
        return m_rooms;
    case TypeFamily::Creature:
        return m_creatures;
    case TypeFamily::Door:
        return m_doors;
    case TypeFamily::Trap:
        return m_traps;
    case TypeFamily::Object:
        return m_objects;
    case TypeFamily::VorlanSpell:
        return m_vorlanSpells;
    case TypeFamily::CreatureSpell:
        return m_creatureSpells;
    case TypeFamily::Shot:
        return m_shots;
    case TypeFamily::Effect:
        return m_effects;
    case TypeFamily::EffectElement:
        break;
    }
    return m_effectElements;
}

const std::optional<DateStamp>& CTypeDatabase::created(TypeFamily family) const
{
    return m_created[size_t(family) % kTypeFamilyCount];
}

void CTypeDatabase::setCreated(TypeFamily family, std::optional<DateStamp> stamp)
{
    m_created[size_t(family) % kTypeFamilyCount] = stamp;
}

const CCreatureType* CTypeDatabase::eliteVariantOf(uint8_t type) const
{
    if (type == 0)
        return nullptr;
    for (const CCreatureType& c : m_creatures)
        if (c.isEliteVariant() && c.eliteBaseId() == type)
            return &c;
    return nullptr;
}

std::vector<const CCreatureType*> CTypeDatabase::poolCreatureTypes() const
{
    std::vector<const CCreatureType*> out;
    for (const CCreatureType& c : m_creatures)
        if (c.isOfferedInPools())
            out.push_back(&c);
    return out;
}

const CRoomType* CTypeDatabase::roomWithFloor(uint8_t terrainId) const
{
    if (terrainId == 0)
        return nullptr;
    for (const CRoomType& r : m_rooms)
        if (r.floorTerrainId() == terrainId)
            return &r;
    return nullptr;
}

std::vector<uint8_t> CTypeDatabase::terrainToRoomTable() const
{
    std::vector<uint8_t> table;
    table.reserve(m_terrains.count());
    for (const CTerrainType& t : m_terrains) {
        const CRoomType* room = t.isRoomFloor() ? roomWithFloor(uint8_t(t.id())) : nullptr;
        table.push_back(room ? uint8_t(room->id()) : 0);
    }
    return table;
}

void CTypeDatabase::applyRoomFloorFixups()
{
    for (const CRoomType& room : m_rooms) {
        uint8_t floor = room.floorTerrainId();
        if (floor == 0)
            continue;
        if (CTerrainType* terrain = m_terrains.findById(floor))
            terrain->markAsRoomFloor();
    }
}

void CTypeDatabase::buildDefaultAvailability()
{
    auto& rooms = m_variables.defaultAvailability(AvailabilityFamily::Rooms);
    rooms.clear();
    for (const CRoomType& r : m_rooms) {
        uint8_t id = uint8_t(r.id());
        bool always = std::find(std::begin(kAlwaysAvailableRooms), std::end(kAlwaysAvailableRooms), id) !=
                      std::end(kAlwaysAvailableRooms);
        if (r.isBuildable() || always)
            rooms.push_back({id, 1});
    }

    auto& creatures = m_variables.defaultAvailability(AvailabilityFamily::Creatures);
    creatures.clear();
    for (const CCreatureType& c : m_creatures) {
        bool goodOnly = c.hasFlag1(CreatureFlag1::IsGood) && !c.hasFlag1(CreatureFlag1::SnbRandomInvader);
        if (!c.isEliteVariant() && !goodOnly)
            creatures.push_back({uint8_t(c.id()), 1});
    }

    auto& doors = m_variables.defaultAvailability(AvailabilityFamily::Doors);
    doors.clear();
    for (const CDoorType& d : m_doors)
        if (!d.isGood())
            doors.push_back({uint8_t(d.id()), 1});

    auto& traps = m_variables.defaultAvailability(AvailabilityFamily::Traps);
    traps.clear();
    for (const CTrapType& t : m_traps)
        if (!t.isDoorTrap() && !t.isGood())
            traps.push_back({uint8_t(t.id()), 1});

    auto& spells = m_variables.defaultAvailability(AvailabilityFamily::VorlanSpells);
    spells.clear();
    for (const CVorlanSpellType& s : m_vorlanSpells)
        if (s.id() != kUnavailableVorlanSpell)
            spells.push_back({uint8_t(s.id()), 1});
}

bool CTypeDatabase::typeValueTypeExists(uint8_t family, uint8_t type) const
{
    switch (TypeValueFamily(family)) {
    case TypeValueFamily::Room:
        return m_rooms.findById(type) != nullptr;
    case TypeValueFamily::Door:
        return m_doors.findById(type) != nullptr;
    case TypeValueFamily::Trap:
        return m_traps.findById(type) != nullptr;
    case TypeValueFamily::VorlanSpell:
        return m_vorlanSpells.findById(type) != nullptr;
    }
    return false;
}

void CTypeDatabase::applySaveRules()
{
    for (CCreatureType& c : m_creatures)
        c.applyVidadResourceRule();
}

void CTypeDatabase::clearTypeTables()
{
    for (TypeFamily f : kAllTypeFamilies) {
        table(f).deleteAll();
        setCreated(f, std::nullopt);
    }
}

} // namespace gr2
