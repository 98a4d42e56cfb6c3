#pragma once
// Numbers as the form fields show and read them: whole numbers and reals parsed from what the user
// typed (leading and trailing blanks allowed, nothing else), and reals shown with the fewest
// decimals that still store the same fixed-point value, so "0.1" reads back as "0.1".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gr2 {

/// What a typed whole number turned out to be.
struct ParsedInteger {
    enum class Status { Ok, NotANumber, TooLarge } status = Status::NotANumber;
    int64_t value = 0;
    bool negative = false; ///< the text had a minus sign (also for TooLarge)
};
ParsedInteger parseInteger(std::string_view text);

/// A typed real: decimal digits with an optional sign, point and exponent; none when the text is
/// anything else (or not finite).
std::optional<double> parseReal(std::string_view text);

std::string formatInteger(int64_t value);
/// The shortest decimal text for `value` that stores the same unit as `value` in a fixed-point
/// field of `scale` units per 1.0 (truncated, as the record stores it); for scale 0 the shortest
/// text that reads back as the same double.
std::string formatReal(double value, double scale);

} // namespace gr2
