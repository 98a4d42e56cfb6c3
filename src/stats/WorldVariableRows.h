#pragma once
// The WORLD VARIABLES section numbers its rows in the designers' spreadsheet order; a fixed table
// says which global variable each row stands for.

#include <cstdint>
#include <optional>

namespace gr2 {

/// The global variable id a row of the WORLD VARIABLES section sets; none for rows that set
/// nothing (rows without a variable, 0, negative rows and rows above 204).
std::optional<uint32_t> worldVariableForRow(int64_t row);

} // namespace gr2
