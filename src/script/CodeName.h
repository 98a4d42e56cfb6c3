#pragma once
// A (code, name) pair of the small code lists the script's parameters refer to, in the order the
// editors list them. A stored code that a list does not hold selects the list's first entry.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace gr2 {

struct CodeName {
    uint8_t code;
    std::u16string_view name;
};

/// The entry with the code, or the list's first entry when none has it.
const CodeName& codeNameOrFirst(std::span<const CodeName> list, uint8_t code);
/// The position of the code in the list (for selecting it in an editor's list).
std::optional<size_t> codeNameIndex(std::span<const CodeName> list, uint8_t code);

} // namespace gr2
