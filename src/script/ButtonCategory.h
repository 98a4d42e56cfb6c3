#pragma once
// The family of an interface button that Button Pressed triggers and Flash Button and Set
// Availability actions name: a miscellaneous button, or the button of a type by its type id.

#include "script/CodeName.h"

#include <cstdint>
#include <span>

namespace gr2 {

enum class ButtonCategory : uint8_t {
    Misc = 0, ///< the button id is a MiscButtonId
    Room = 1,
    Creature = 2,
    Door = 3,
    Trap = 4,
    VorlanSpell = 5,
};

/// "Misc Button", "Room", "Creature", "Door", "Trap", "Vorlan Spell".
std::span<const CodeName> buttonCategories();

} // namespace gr2
