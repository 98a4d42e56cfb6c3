#pragma once
// The questions a level asks of the global type tables. The document reads types but never owns
// them; going through this narrow interface keeps the level rules independent of how the type
// database stores its records (TypeDatabaseLevelTypes answers them from CTypeDatabase).

#include "level/CPlayer.h"
#include "level/ComputerPlayerSettings.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gr2 {

/// Bits of a terrain type's flags word that the level rules use.
namespace TerrainFlag {
inline constexpr uint32_t Solid = 1u << 0;
inline constexpr uint32_t Impenetrable = 1u << 1; ///< cannot be dug
inline constexpr uint32_t Ownable = 1u << 2;
inline constexpr uint32_t RoomFloor = 1u << 4;
inline constexpr uint32_t Water = 1u << 7;
inline constexpr uint32_t Lava = 1u << 8;
} // namespace TerrainFlag

class LevelTypes {
public:
    virtual ~LevelTypes() = default;

    /// The flags word of the terrain type with this id; none when no terrain type has it.
    virtual std::optional<uint32_t> terrainFlags(uint8_t terrainId) const = 0;
    /// The flags word of the object type (0 when there is none).
    virtual uint32_t objectFlags(uint8_t objectType) const = 0;
    /// The number of shots a new trap of this type starts with (0 when there is no such type).
    virtual uint8_t trapDefaultShots(uint8_t trapType) const = 0;

    virtual bool creatureTypeExists(uint8_t type) const = 0;
    /// The elite variant of a creature type; 0 when it has none.
    virtual uint8_t eliteVariantOf(uint8_t type) const = 0;
    /// For an elite variant, the type it is the elite of; none for any other type.
    virtual std::optional<uint8_t> eliteBaseOf(uint8_t type) const = 0;
    /// Maximum health and gold of a creature type, used to turn absolute values into percent.
    virtual int32_t creatureMaxHealth(uint8_t type) const = 0;
    virtual int32_t creatureMaxGold(uint8_t type) const = 0;
    /// The creature types a player's creature pool offers, in table order.
    virtual std::vector<uint8_t> poolCreatureTypes() const = 0;

    /// The default availability list of one kind, as new players start with it.
    virtual std::vector<AvailabilityEntry> defaultAvailability(AvailabilityKind kind) const = 0;
    /// The room types in table order, as the computer player's default build order reads them.
    virtual std::vector<BuildOrderRoom> roomTypes() const = 0;
    /// The 248 global variable values, indexed by id.
    virtual std::vector<double> globalVariables() const = 0;
    /// The ids a level may override.
    virtual std::vector<uint32_t> overridableVariableIds() const = 0;
};

} // namespace gr2
