#pragma once
// The 76 kinds of trigger condition: each kind's name, the kind of object it is about, and which
// of the four parameter bytes it uses, which is also exactly what its file record keeps.

#include "script/TriggerOwnerKind.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace gr2 {

enum class TriggerKind : uint8_t {
    Null = 0,
    Flag = 1,
    Timer = 2,
    Created = 3,
    Killed = 4,
    Slapped = 5,
    Attacked = 6,
    Imprisoned = 7,
    Tortured = 8,
    Converted = 9,
    CreatureClaimed = 10,
    Angry = 11,
    Afraid = 12,
    Steals = 13,
    Leaves = 14,
    Stunned = 15,
    Dying = 16,
    DoorDestroyed = 17,
    ObjectClaimed = 18,
    PlayerCreatures = 19,
    HappyCreatures = 20,
    AngryCreatures = 21,
    CreaturesKilled = 22,
    KillsCreatures = 23,
    RoomSlabs = 24,
    Rooms = 25,
    RoomSize = 26,
    Doors = 27,
    Traps = 28,
    VorlanSpell = 29,
    Gold = 30,
    GoldMined = 31,
    Mana = 32,
    Destroys = 33,
    Time = 34,
    LevelCreatures = 35,
    Health = 36,
    GoldHeld = 37,
    NotUsed = 38, ///< obsolete; records of this kind are read as CongregateIn
    CongregateIn = 39,
    ClaimPartOf = 40,
    ClaimAllOf = 41,
    SlabTypes = 42,
    PartyCreated = 43,
    MembersKilled = 44,
    MembersCaptured = 45,
    PayDay = 46,
    PlayerKilled = 47,
    PortalGemInHand = 48,
    ExperienceLevel = 49,
    CreatureEntersActionPoint = 50,
    PartyEntersActionPoint = 51,
    CreaturesAtLevel = 52,
    ButtonPressed = 53,
    HungerSated = 54,
    PicksUpPortalGem = 55,
    DungeonBreached = 56,
    EnemyBreached = 57,
    CreaturePickedUp = 58,
    CreatureDropped = 59,
    CreatureSlapped = 60,
    CreatureSacked = 61,
    TagPartOf = 62,
    Sacked = 63,
    MembersIncapacitated = 64,
    PickedUp = 65,
    CreatureIntroduced = 66,
    Played = 67,
    RoomFurniture = 68,
    TagAllOf = 69,
    PossessedCreatureEnters = 70,
    Slaps = 71,
    TransitionEnds = 72,
    CreaturesGrouped = 73,
    CreaturesDying = 74,
    GemsCollected = 75,
};

inline constexpr int kTriggerKindCount = 76;

/// Bits of a trigger's flags byte (parameter byte 2) for the comparing kinds.
namespace TriggerFlag {
inline constexpr uint8_t CompareWithValue = 0x01; ///< clear: compare with the subject named by `other`
inline constexpr uint8_t CountBlueprints = 0x08;
inline constexpr uint8_t CountBuilt = 0x10;
} // namespace TriggerFlag

/// Which parameter bytes a kind uses. The record keeps these and no others, in both directions.
enum class TriggerParameterRule : uint8_t {
    None,
    Op,
    OpSubject,
    Subject,
    OpSubjectFlags,
    All,
    SubjectFlagsOther,
    /// Flag and Timer: `other` only while the comparison is with another flag or timer.
    FlagOrTimer,
    /// Player attributes: `other` is the player compared against, so it goes when bit 0 is set.
    PlayerAttribute,
    /// Counts whose `other` is part of the subject (the other player, the creature level): it stays,
    /// and with bit 0 set the flags byte is exactly 1.
    PlayerCount,
};

struct TriggerKindInfo {
    TriggerKind code;
    std::u16string_view name;
    TriggerOwnerKind subject; ///< the kind of object the condition is about
    TriggerParameterRule parameters;
};

/// The four parameter bytes of a trigger.
struct TriggerParameters {
    uint8_t op = 0;
    uint8_t subject = 0;
    uint8_t flags = 0;
    uint8_t other = 0;
    bool operator==(const TriggerParameters&) const = default;
};

/// All 76 kinds in code order.
std::span<const TriggerKindInfo> triggerKinds();
/// The kind of a stored code; none for a code past the table.
const TriggerKindInfo* findTriggerKind(uint8_t code);
/// A code past the table takes the first entry's name, as every code list does.
std::u16string_view triggerKindName(uint8_t code);
TriggerOwnerKind triggerKindSubject(uint8_t code);
/// The bytes a trigger of this kind keeps; every other byte becomes 0. A code past the table
/// keeps none.
TriggerParameters keptTriggerParameters(uint8_t kind, TriggerParameters bytes);

} // namespace gr2
