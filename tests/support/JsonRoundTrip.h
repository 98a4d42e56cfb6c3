#pragma once
// The text form's promise on any input, for the fuzz target and the corpus test: a JSON document
// is imported without writing, and every file it makes goes to JSON and back to the same bytes;
// any other input is taken as a world-data file and must come back from its JSON exactly.
// Header-only, so the fuzz build (which has no test libraries) includes it as well.

#include "document/FileJson.h"
#include "document/LevelJson.h"

#include <span>
#include <string_view>

namespace gr2::test {

/// False when some bytes did not come back: the text form lost or changed something.
inline bool fileComesBack(std::span<const uint8_t> bytes)
{
    const JsonFormResult<Json> parsed = parseJsonText(jsonText(fileToJson(bytes)));
    if (!parsed.value)
        return false;
    try {
        const std::vector<uint8_t> back = fileFromJson(*parsed.value, "$");
        return std::equal(back.begin(), back.end(), bytes.begin(), bytes.end());
    } catch (const JsonFormError&) {
        return false;
    }
}

inline bool jsonInputHolds(std::span<const uint8_t> input)
{
    const std::string_view text(reinterpret_cast<const char*>(input.data()), input.size());
    if (text.empty() || text.front() != '{')
        return fileComesBack(input);
    const JsonFormResult<Json> json = parseJsonText(text);
    if (!json.value)
        return true;
    bool holds = true;
    const JsonFormResult<std::vector<FileBytes>> level =
        levelFilesFromJson(*json.value, "/nonexistent/Fuzz.vwd");
    const JsonFormResult<std::vector<FileBytes>> data = gameDataFilesFromJson(*json.value, "/nonexistent");
    for (const auto* files : {&level, &data})
        if (files->value)
            for (const auto& [path, bytes] : *files->value)
                holds = fileComesBack(bytes) && holds;
    return holds;
}

} // namespace gr2::test
