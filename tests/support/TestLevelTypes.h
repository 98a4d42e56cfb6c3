#pragma once
// A small, editable set of type answers for level tests: a handful of terrains, objects, traps and
// creatures with the properties the level rules look at. Tests change the tables they need.

#include "level/LevelTypes.h"

#include <map>

namespace gr2::test {

namespace TestTerrain {
inline constexpr uint8_t Rock = 1;  ///< Solid
inline constexpr uint8_t Earth = 2; ///< Solid, Ownable
inline constexpr uint8_t Path = 3;  ///< Ownable
inline constexpr uint8_t Lava = 4;
inline constexpr uint8_t Water = 5;
inline constexpr uint8_t Claimed = 8;   ///< Ownable
inline constexpr uint8_t Treasury = 10; ///< Ownable room floor
inline constexpr uint8_t Bridge = 17;
} // namespace TestTerrain

namespace TestObject {
inline constexpr uint8_t Gold = 1;
inline constexpr uint8_t SmallGold = 2;
inline constexpr uint8_t SpellBook = 5;
inline constexpr uint8_t Crate = 6;
inline constexpr uint8_t Special = 7;
inline constexpr uint8_t Plain = 9;
} // namespace TestObject

namespace TestCreature {
inline constexpr uint8_t Imp = 1;
inline constexpr uint8_t Knight = 2;
inline constexpr uint8_t Warlock = 3;
inline constexpr uint8_t EliteWarlock = 20; ///< the elite variant of Warlock
} // namespace TestCreature

class TestLevelTypes : public LevelTypes {
public:
    TestLevelTypes();

    std::optional<uint32_t> terrainFlags(uint8_t terrainId) const override;
    uint32_t objectFlags(uint8_t objectType) const override;
    uint8_t trapDefaultShots(uint8_t trapType) const override;
    bool creatureTypeExists(uint8_t type) const override;
    uint8_t eliteVariantOf(uint8_t type) const override;
    std::optional<uint8_t> eliteBaseOf(uint8_t type) const override;
    int32_t creatureMaxHealth(uint8_t type) const override;
    int32_t creatureMaxGold(uint8_t type) const override;
    std::vector<uint8_t> poolCreatureTypes() const override;
    std::vector<AvailabilityEntry> defaultAvailability(AvailabilityKind kind) const override;
    std::vector<BuildOrderRoom> roomTypes() const override;
    std::vector<double> globalVariables() const override;
    std::vector<uint32_t> overridableVariableIds() const override;

    std::map<uint8_t, uint32_t> terrains;
    std::map<uint8_t, uint32_t> objects;
    std::map<uint8_t, uint8_t> trapShots;
    struct Creature {
        int32_t maxHealth = 200;
        int32_t maxGold = 500;
        bool inPool = true;
        uint8_t eliteOf = 0; ///< nonzero: this type is the elite variant of that type
    };
    std::map<uint8_t, Creature> creatures;
    std::map<AvailabilityKind, std::vector<AvailabilityEntry>> availability;
    std::vector<BuildOrderRoom> rooms;
    std::vector<double> variables;
    std::vector<uint32_t> overridable;
};

} // namespace gr2::test
