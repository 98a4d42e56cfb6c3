#pragma once
// Conversions between the UTF-8 text of titles and paths and the UTF-16 text of level records.

#include <string>
#include <string_view>

namespace gr2 {

/// Invalid UTF-8 sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
/// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);

} // namespace gr2
