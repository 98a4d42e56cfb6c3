#pragma once
// Conversions between the program's own text (titles, paths and messages: UTF-8, the system's
// encoding), the UTF-16 text of level records and the 8-bit text of record fields (Latin-1).

#include <string>
#include <string_view>

namespace gr2 {

/// Invalid UTF-8 sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
/// Unpaired surrogates become U+FFFD.
std::string utf16ToUtf8(std::u16string_view text);
/// 8-bit record text (type and player names, part-file paths) as the program's own text.
std::string latin1ToUtf8(std::string_view text);
/// Text for an 8-bit record field: Latin-1 where it can be, '?' for characters beyond it.
std::string utf8ToLatin1(std::string_view text);

} // namespace gr2
