#pragma once
// What the "Create New GR2 Level" dialog offers and accepts: the proposed names, the base
// terrains, the owners and when the owner may be chosen, and the checks made on "OK".

#include "level/LevelProperties.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;

namespace NewLevelOptions {

inline constexpr uint32_t kMinSide = 7;
inline constexpr uint32_t kMaxSide = 128;
inline constexpr uint32_t kDefaultSide = 25;
/// The spin buttons reach below the accepted minimum; "OK" refuses what they allow too much.
inline constexpr int kSpinMin = 1;
inline constexpr int kSpinMax = 128;
/// The name field takes no more than the level stores of its name.
inline constexpr int kMaxNameLength = int(LevelProperties::kNameLength);

inline constexpr const char* kRangeMessageFormat = "Please enter a number between %d and %d.";
inline constexpr const char* kNameRequiredMessage = "Please give this level a name.";

/// "GR2Level%u" with the counter's value after the opening that proposes it.
std::string proposedName(unsigned counter);

/// The base terrains in table order: no room floor and none of the ids 27, 30 and 38.
std::vector<uint8_t> baseTerrains(const CTypeDatabase& types);
/// The entry selected when the dialog is first shown: the second, or the only one.
size_t defaultTerrainIndex(size_t count);

struct OwnerChoice {
    uint8_t playerId;
    const char* name;
};
/// "Good Player", "Neutral Player" and "Vorlan 1", in this order.
const std::vector<OwnerChoice>& owners();
inline constexpr size_t kDefaultOwnerIndex = 1;

/// Whether the owner may be chosen for the terrain: only for Ownable terrain; any other terrain
/// belongs to the Neutral player.
bool ownerSelectable(const CTypeDatabase& types, uint8_t terrainId);

/// The range message for a width or height, or none when it lies in 7 to 128.
std::optional<std::string> sideError(long long value);
/// The message for an empty name, or none.
std::optional<std::string> nameError(const std::string& name);

} // namespace NewLevelOptions

} // namespace gr2
