#pragma once
// The computer-player settings a Vorlan carries in its player record: a personality and the tuning
// values the game's computer opponent runs on. The 156-byte area is described once as a field
// table (personality first, then the packed 142-byte settings block, then ten bytes the editor does
// not interpret and carries as they are); the editor's pages, the defaults and the tests all reach
// the fields through the handles below. Also here: the defaults of each personality, the default
// build order and its moves, and the starting gold each personality brings.

#include "level/CPlayer.h"
#include "worlddata/RecordLayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gr2 {

namespace ComputerPlayerField {

using K = FieldKind;

/// Offsets within the 156-byte area: the settings block starts at 4, after the personality.
inline constexpr uint32_t kBlock = 4;

// clang-format off
inline constexpr FieldDef kTable[] = {
    {"personality", 0, 4, K::UInt},
    // Rooms
    {"minTimeBeforeResearchedRoom", kBlock + 0, 1, K::UInt},
    {"createEmptyAreasWhenIdle", kBlock + 1, 4, K::UInt},
    {"biggerLairAfterPortal", kBlock + 5, 4, K::UInt},
    {"defaultRoomSize", kBlock + 9, 1, K::UInt},
    {"tilesBetweenRooms", kBlock + 10, 1, K::UInt},
    {"sellCapturedRooms", kBlock + 11, 4, K::UInt},
    {"closeRoomDistance", kBlock + 15, 1, K::UInt},
    {"buildLostRoomAfter", kBlock + 16, 1, K::UInt},
    {"corridorStyle", kBlock + 17, 1, K::UInt},
    {"moreRoomSpace", kBlock + 18, 1, K::UInt},
    {"digToNeutralNearHeart", kBlock + 19, 1, K::UInt},
    {"digToNeutralNearClaimed", kBlock + 20, 1, K::UInt},
    {"flexibility", kBlock + 21, 1, K::UInt},
    {"buildOrder", kBlock + 22, 1, K::UInt, 15},
    // Doors and traps
    {"trapUseStyle", kBlock + 37, 1, K::UInt},
    {"trapDoorPreference", kBlock + 38, 1, K::UInt},
    {"doorUsage", kBlock + 39, 1, K::UInt},
    {"bouldersOnLongCorridors", kBlock + 40, 4, K::UInt},
    {"bouldersToBreachPoints", kBlock + 44, 4, K::UInt},
    {"chanceOfUsingTrapsDoors", kBlock + 48, 1, K::UInt},
    // Initial attack
    {"attackCreatureCount", kBlock + 49, 1, K::UInt},
    {"attackCreatureLevel", kBlock + 50, 1, K::UInt},
    {"attackOnLevel", kBlock + 51, 4, K::UInt},
    {"attackThreatPercent", kBlock + 55, 1, K::UInt},
    {"attackOnThreat", kBlock + 56, 4, K::UInt},
    {"attackAllRoomsPlaced", kBlock + 60, 4, K::UInt},
    {"attackAllSpellsResearched", kBlock + 64, 4, K::UInt},
    {"firstBreachTarget", kBlock + 68, 1, K::UInt},
    {"firstDigPoint", kBlock + 69, 1, K::UInt},
    {"breachPoints", kBlock + 70, 1, K::UInt},
    {"firstFightPercent", kBlock + 71, 1, K::UInt},
    {"onlyAttackAttackers", kBlock + 72, 4, K::UInt},
    {"neverAttack", kBlock + 76, 4, K::UInt},
    // Battles
    {"droppedThreatPercent", kBlock + 80, 1, K::UInt},
    {"battleSpellStyle", kBlock + 81, 1, K::UInt},
    {"callToArmsThreat", kBlock + 82, 2, K::UInt},
    {"imprisonPercent", kBlock + 84, 1, K::UInt},
    {"pullFromLostFight", kBlock + 85, 4, K::UInt},
    {"lairHealthPercent", kBlock + 89, 1, K::UInt},
    {"removeCallToArmsAfter", kBlock + 90, 2, K::UInt},
    {"removeCallToArmsEnemies", kBlock + 92, 1, K::UInt},
    {"removeCallToArmsTiles", kBlock + 93, 1, K::UInt},
    {"removeCallToArmsTotal", kBlock + 94, 1, K::UInt},
    {"waitBetweenAttacks", kBlock + 95, 2, K::UInt},
    // Creatures
    {"cheerUnhappy", kBlock + 97, 4, K::UInt},
    {"cheerAngry", kBlock + 101, 4, K::UInt},
    {"disposeAngry", kBlock + 105, 4, K::UInt},
    {"disposalMethod", kBlock + 109, 1, K::UInt},
    {"disposeRubbish", kBlock + 110, 4, K::UInt},
    {"maxImps", kBlock + 114, 1, K::UInt},
    {"slapBits", kBlock + 115, 1, K::UInt},
    // Spells
    {"sightOfEvil", kBlock + 116, 1, K::UInt},
    {"spellsInBattle", kBlock + 117, 1, K::UInt},
    {"lightningOnWater", kBlock + 118, 4, K::UInt},
    {"powerPreference", kBlock + 122, 1, K::UInt},
    {"callToArmsUse", kBlock + 123, 1, K::UInt},
    // Miscellaneous
    {"libraryLikelihood", kBlock + 124, 1, K::UInt},
    {"mineGoldUntil", kBlock + 125, 2, K::UInt},
    {"exploreTiles", kBlock + 127, 1, K::UInt},
    {"exploreChance", kBlock + 128, 1, K::UInt},
    {"findSpecialsChance", kBlock + 129, 1, K::UInt},
    {"impsToTilesRatio", kBlock + 130, 1, K::UInt},
    {"imprisonedFate", kBlock + 131, 1, K::UInt},
    {"startingMana", kBlock + 132, 4, K::UInt},
    {"speed", kBlock + 136, 1, K::UInt},
    {"openness", kBlock + 137, 1, K::UInt},
    {"manaValue", kBlock + 138, 2, K::UInt},
    {"goldValue", kBlock + 140, 2, K::UInt},
    // Bytes whose meaning is the game's own: carried as read.
    {"carried", kBlock + 142, 10, K::Raw},
};
// clang-format on

/// The handle of the field of the table called `name`, which must start at `offset`: a misspelt
/// name or a moved field stops the build.
consteval size_t named(std::string_view name, uint32_t offset)
{
    for (size_t i = 0; i < std::size(kTable); ++i) {
        if (kTable[i].name != name)
            continue;
        if (kTable[i].offset != offset)
            throw "the field does not start at the offset the handle names";
        return i;
    }
    throw "the table has no field of the name the handle names";
}

inline const FieldDef& def(size_t handle)
{
    return kTable[handle];
}

inline constexpr size_t Personality = named("personality", 0);
inline constexpr size_t BuildOrder = named("buildOrder", kBlock + 22);
inline constexpr size_t SlapBits = named("slapBits", kBlock + 115);
inline constexpr size_t MaxImps = named("maxImps", kBlock + 114);
inline constexpr size_t CallToArmsThreat = named("callToArmsThreat", kBlock + 82);
inline constexpr size_t MineGoldUntil = named("mineGoldUntil", kBlock + 125);
inline constexpr size_t StartingMana = named("startingMana", kBlock + 132);
inline constexpr size_t Carried = named("carried", kBlock + 142);

} // namespace ComputerPlayerField

/// The layout of the area, for dumps and the form machinery.
const RecordLayout& computerPlayerLayout();

inline constexpr uint32_t kPersonalityCount = 9;
inline constexpr size_t kBuildOrderLength = 15;
/// The bit of the slap byte that lets the computer slap its creatures; the check box "Will Not
/// Slap Creatures" shows it inverted.
inline constexpr uint8_t kSlapAllowedBit = 0x20;

/// "Master Vorlan" ... "Paranoid"; empty for an index outside the table.
std::string_view personalityName(uint32_t personality);
/// The personality index stored in the area (any value the file held, not only 0 to 8).
uint32_t personalityOf(std::span<const uint8_t> area);

/// The default value of a field for a personality; none for a field without a default (the
/// personality, the build order, the carried bytes) or a personality outside the table.
std::optional<int64_t> personalityDefault(size_t field, uint32_t personality);

/// A room type as the build order sees it.
struct BuildOrderRoom {
    uint8_t id = 0;
    bool buildable = false;
};
using BuildOrder = std::array<uint8_t, kBuildOrderLength>;

/// The room types in table order that are buildable or have id 3 or 25, the first 15 of them;
/// with fewer, the remaining entries are 0.
BuildOrder defaultBuildOrder(std::span<const BuildOrderRoom> rooms);
BuildOrder buildOrderOf(std::span<const uint8_t> area);
void setBuildOrder(std::span<uint8_t> area, const BuildOrder& order);
/// When any entry is 0 the whole order is rebuilt by the default rule; answers whether it was.
bool ensureBuildOrder(std::span<uint8_t> area, std::span<const BuildOrderRoom> rooms);

enum class BuildOrderMove : uint8_t { Top, Up, Down, Bottom };
/// Whether the move does anything for the entry at `index`.
bool canMoveBuildOrderEntry(size_t index, BuildOrderMove move);
/// Moves the entry (the entries in between shift by one) and answers where it is now.
size_t moveBuildOrderEntry(BuildOrder& order, size_t index, BuildOrderMove move);

/// Stores the personality; with `applyDefaults` every field takes the personality's default and
/// the build order is rebuilt. A personality outside the table is stored and nothing else changes.
void setPersonality(std::span<uint8_t> area, uint32_t personality, bool applyDefaults,
                    std::span<const BuildOrderRoom> rooms);

/// The starting gold a personality brings when its defaults are set; none above 8.
std::optional<int32_t> personalityStartingGold(uint32_t personality);

} // namespace gr2
