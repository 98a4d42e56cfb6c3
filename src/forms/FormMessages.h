#pragma once
// The messages a form shows for a value it refuses, worded as the editors have always worded them.

#include <string>
#include <string_view>

namespace gr2::FormMessages {

inline constexpr const char* kIntegerRange = "Please enter an integer between %1 and %2.";
inline constexpr const char* kNumberRange = "Please enter a number between %1 and %2.";
inline constexpr const char* kInteger = "Please enter an integer.";
inline constexpr const char* kNumber = "Please enter a number.";
inline constexpr const char* kPositiveInteger = "Please enter a positive integer.";
/// "%1": the most characters the field takes.
inline constexpr const char* kTooLong = "Please enter no more than %1 characters.";

/// `format` with "%1" and "%2" replaced by the bounds (a printf-style "%d" pair is taken too, for
/// dialogs whose message is worded that way).
std::string withBounds(std::string_view format, std::string_view low, std::string_view high);

} // namespace gr2::FormMessages
