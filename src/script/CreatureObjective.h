#pragma once
// What a creature sets out to do: the objective codes of creatures and of Set Creature Objective
// actions, with the names the editors show.

#include "script/CodeName.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace gr2 {

namespace CreatureObjective {
inline constexpr uint8_t Null = 0;
inline constexpr uint8_t DestroyRooms = 11;
inline constexpr uint8_t DestroyWalls = 12;
inline constexpr uint8_t StealGold = 13;
inline constexpr uint8_t StealSpells = 14;
inline constexpr uint8_t StealManufactureCrates = 17;
inline constexpr uint8_t KillCreatures = 18;
inline constexpr uint8_t KillPlayer = 19;
inline constexpr uint8_t Tunnelling = 20;
inline constexpr uint8_t Wait = 22;
inline constexpr uint8_t SendToActionPoint = 23;
inline constexpr uint8_t JailBreak = 27;
} // namespace CreatureObjective

/// The 28 objectives in code order; code 21 has no entry.
std::span<const CodeName> creatureObjectives();
/// The name shown for a stored objective code. The list is looked up by position, and above code
/// 20 one place earlier to step over the missing 21, so 21 itself shows "Tunnelling"; codes past
/// the list show the first entry.
std::u16string_view creatureObjectiveName(uint8_t code);

} // namespace gr2
