#pragma once
// The pages of the computer-player editor as form tables over a player's 156-byte settings area:
// every control with its field, width, choices, slider ends and the range it accepts. The ranges
// are those of the stored fields: a byte accepts at most 255, a 16-bit value at most 65535 (or the
// smaller range the game reads), so nothing typed can wrap when it is stored.

#include "forms/Form.h"

#include <array>
#include <string_view>

namespace gr2 {

enum class ComputerPlayerPage : uint8_t {
    General,
    Rooms,
    DoorsTraps,
    InitialAttack,
    Battles,
    Creatures,
    Spells,
    Misc
};
inline constexpr size_t kComputerPlayerPageCount = 8;

/// "&General" ... "&Misc".
std::string_view computerPlayerPageTitle(ComputerPlayerPage page);

/// The form of a page. The "&General" page's form holds "&Type:" only; its build order is a list
/// the sheet keeps (ComputerPlayerSheet). `personality` is the value the player holds: a value
/// outside the nine personalities is offered as its number, so it is shown and kept as it is.
FormDescription<Bytes> computerPlayerPageForm(ComputerPlayerPage page, uint32_t personality);

/// The row of "&Type:" in the General page's form.
inline constexpr size_t kPersonalityRow = 0;

} // namespace gr2
