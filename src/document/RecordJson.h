#pragma once
// One record in the text form: every field of its layout by name (arrays as arrays), in table
// order, and the bytes no field names as "@offset" hex runs where they are not zero. A field whose
// bytes the named value would not give back exactly (text with bytes after its end, a date that
// is no date) is written as {"hex": ...}, so a record always comes back byte for byte.

#include "document/JsonForm.h"
#include "worlddata/RecordLayout.h"

#include <cstdint>
#include <span>
#include <string>

namespace gr2 {

Json recordToJson(const RecordLayout& layout, std::span<const uint8_t> bytes);

/// Fills `out` (the layout's size, zeroed by the caller) from the JSON; fields the JSON leaves
/// out stay zero, keys starting with "#" are notes and ignored. Throws JsonFormError.
void recordFromJson(const RecordLayout& layout, const Json& json, std::span<uint8_t> out,
                    const std::string& path);

/// A date stamp as "YYYY-MM-DD hh:mm:ss" when its 10 bytes are exactly that, else as {"hex"}.
Json dateToJson(const uint8_t* bytes);
void dateFromJson(const Json& json, uint8_t* out, const std::string& path);

} // namespace gr2
