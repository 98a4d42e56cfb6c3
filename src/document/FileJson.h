#pragma once
// One world-data file in the text form: its sections in file order, each in the shape its kind
// has (records by named fields, the map as rows of tile codes, things and script items as
// lists), and anything that is not in that shape as its blocks in hex. Reading the text back
// gives the file's bytes exactly.

#include "document/JsonForm.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gr2 {

Json fileToJson(std::span<const uint8_t> bytes);
/// The file's bytes; throws JsonFormError naming the first value that breaks a rule.
std::vector<uint8_t> fileFromJson(const Json& json, const std::string& path);

} // namespace gr2
