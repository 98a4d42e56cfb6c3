#pragma once
// What one cell of the stats text says: a number, TRUE or FALSE, the spreadsheet's "#N/A" error, or
// a lone dash that leaves its field as it is. Words are the cell's trimmed text.

#include <cstdint>
#include <string_view>

namespace gr2 {

enum class StatsCellKind : uint8_t {
    Number,       ///< a decimal number (text that is not a number reads as 0)
    True,         ///< "TRUE" in any case
    False,        ///< "FALSE" in any case
    NotAvailable, ///< "#N/A": reported, then taken as 0
    Dash,         ///< begins with "-" and reads as 0: the field stays unchanged
};

struct StatsCellValue {
    StatsCellKind kind = StatsCellKind::Number;
    double number = 0.0;   ///< 0 for every kind but Number
    std::string_view text; ///< the cell without surrounding spaces, for word columns
};

StatsCellValue readStatsCell(std::string_view cell);

/// The leading decimal number of a text after any spaces: an optional sign, digits and an optional
/// fraction; 0 when the text does not start with a number. Numbers too large for a double read as
/// an infinity of their sign, so callers clamp them to their field.
double readStatsNumber(std::string_view text);

/// A number as a whole number: the fraction dropped, clamped to the 64-bit range (NaN reads as 0),
/// so that a field can then keep its low bits.
int64_t statsWholeNumber(double value);

std::string_view trimStatsCell(std::string_view cell);

} // namespace gr2
