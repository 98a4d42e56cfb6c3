#pragma once
// What a trigger is attached to, and for each trigger kind what object the condition is about.
// Codes 2..9 equal the ObjectKind of the owning object, so a thing's kind converts directly.

#include <cstdint>
#include <string_view>

namespace gr2 {

enum class TriggerOwnerKind : uint8_t {
    Null = 0, ///< never an owner
    Level = 1,
    Player = 2,
    Creature = 3,
    Door = 4,
    Trap = 5,
    Object = 6,
    Trigger = 7,
    ActionPoint = 8,
    HeroParty = 9,
};

/// "Level", "Player", ... "Hero Party"; "Null" for 0 and for codes outside the list.
std::u16string_view triggerOwnerKindName(TriggerOwnerKind kind);

} // namespace gr2
