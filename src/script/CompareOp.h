#pragma once
// The comparison a trigger makes between its subject and a constant or a second subject.

#include <cstdint>
#include <span>
#include <string_view>

namespace gr2 {

enum class CompareOp : uint8_t {
    Less = 1,
    LessOrEqual = 2,
    Equal = 3,
    Greater = 4,
    GreaterOrEqual = 5,
    NotEqual = 6,
};

struct CompareOpInfo {
    CompareOp code;
    std::u16string_view symbol;   ///< as descriptions show it: "<="
    std::u16string_view longName; ///< as the editors list it: "Less / Equal To"
};

/// The six operators in code order.
std::span<const CompareOpInfo> compareOps();
/// The symbol of a stored code; empty for a code that names no operator.
std::u16string_view compareOpSymbol(uint8_t code);
/// The long name of a stored code; empty for a code that names no operator.
std::u16string_view compareOpName(uint8_t code);

} // namespace gr2
