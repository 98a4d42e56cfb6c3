#include "level/TypeDatabaseLevelTypes.h"

#include "typedb/CTypeDatabase.h"

namespace gr2 {

std::optional<uint32_t> TypeDatabaseLevelTypes::terrainFlags(uint8_t terrainId) const
{
    if (const CTerrainType* t = m_db.terrains().findById(terrainId))
        return t->flags();
    return std::nullopt;
}

uint32_t TypeDatabaseLevelTypes::objectFlags(uint8_t objectType) const
{
    const CObjectType* o = m_db.objects().findById(objectType);
    return o ? o->flags() : 0;
}

uint8_t TypeDatabaseLevelTypes::trapDefaultShots(uint8_t trapType) const
{
    const CTrapType* t = m_db.traps().findById(trapType);
    return t ? uint8_t(t->intValue(TrapField::Value522)) : 0;
}

bool TypeDatabaseLevelTypes::creatureTypeExists(uint8_t type) const
{
    return type != 0 && m_db.creatures().findById(type) != nullptr;
}

uint8_t TypeDatabaseLevelTypes::eliteVariantOf(uint8_t type) const
{
    const CCreatureType* elite = m_db.eliteVariantOf(type);
    return elite ? uint8_t(elite->id()) : 0;
}

std::optional<uint8_t> TypeDatabaseLevelTypes::eliteBaseOf(uint8_t type) const
{
    const CCreatureType* c = m_db.creatures().findById(type);
    if (!c || !c->isEliteVariant())
        return std::nullopt;
    return c->eliteBaseId();
}

int32_t TypeDatabaseLevelTypes::creatureMaxHealth(uint8_t type) const
{
    const CCreatureType* c = m_db.creatures().findById(type);
    return c ? int32_t(c->health()) : 0;
}

int32_t TypeDatabaseLevelTypes::creatureMaxGold(uint8_t type) const
{
    const CCreatureType* c = m_db.creatures().findById(type);
    return c ? int32_t(c->maxGoldHeld()) : 0;
}

std::vector<uint8_t> TypeDatabaseLevelTypes::poolCreatureTypes() const
{
    std::vector<uint8_t> out;
    for (const CCreatureType* c : m_db.poolCreatureTypes())
        out.push_back(uint8_t(c->id()));
    return out;
}

std::vector<AvailabilityEntry> TypeDatabaseLevelTypes::defaultAvailability(AvailabilityKind kind) const
{
    std::vector<AvailabilityEntry> out;
    for (const DefaultAvailabilityEntry& e : m_db.variables().defaultAvailability(AvailabilityFamily(kind)))
        out.push_back({e.type, e.state});
    return out;
}

std::vector<BuildOrderRoom> TypeDatabaseLevelTypes::roomTypes() const
{
    std::vector<BuildOrderRoom> out;
    for (const CRoomType& room : m_db.rooms())
        out.push_back({uint8_t(room.id()), room.isBuildable()});
    return out;
}

std::vector<double> TypeDatabaseLevelTypes::globalVariables() const
{
    const auto& values = m_db.variables().values();
    return {values.begin(), values.end()};
}

std::vector<uint32_t> TypeDatabaseLevelTypes::overridableVariableIds() const
{
    std::span<const uint32_t> ids = CGlobalVariables::overridableIds();
    return {ids.begin(), ids.end()};
}

} // namespace gr2
