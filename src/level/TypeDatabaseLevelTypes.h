#pragma once
// The level's questions about types, answered from the application's type database. The adapter
// holds the database by reference and reads it on every call, so a level sees the tables as they
// are now, also after a type editor, the stats import or a level's own global data changed them.

#include "level/LevelTypes.h"

namespace gr2 {

class CTypeDatabase;

class TypeDatabaseLevelTypes : public LevelTypes {
public:
    explicit TypeDatabaseLevelTypes(const CTypeDatabase& db) : m_db(db) {}

    std::optional<uint32_t> terrainFlags(uint8_t terrainId) const override;
    uint32_t objectFlags(uint8_t objectType) const override;
    /// The trap record's byte at 522, the number of shots a trap of the type is placed with.
    uint8_t trapDefaultShots(uint8_t trapType) const override;
    bool creatureTypeExists(uint8_t type) const override;
    uint8_t eliteVariantOf(uint8_t type) const override;
    std::optional<uint8_t> eliteBaseOf(uint8_t type) const override;
    /// The creature record's health (u16 at 3852) and maximum gold held.
    int32_t creatureMaxHealth(uint8_t type) const override;
    int32_t creatureMaxGold(uint8_t type) const override;
    std::vector<uint8_t> poolCreatureTypes() const override;
    std::vector<AvailabilityEntry> defaultAvailability(AvailabilityKind kind) const override;
    std::vector<BuildOrderRoom> roomTypes() const override;
    std::vector<double> globalVariables() const override;
    std::vector<uint32_t> overridableVariableIds() const override;

private:
    const CTypeDatabase& m_db;
};

} // namespace gr2
