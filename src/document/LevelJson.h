#pragma once
// A whole level, or the whole global data, as one JSON document for version control and review:
// every file with its sections in the text form, so an export read back writes the very bytes it
// came from. A level is its master file and the part files beside it; the global data is every
// world-data file of the root. An import checks the whole document before it writes any file, and
// writes each through a temporary file, so a bad document leaves the files as they were.

#include "document/JsonForm.h"

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gr2 {

/// The value of "format" in each kind of document.
inline constexpr const char* kLevelJsonFormat = "gr2-level";
inline constexpr const char* kGameDataJsonFormat = "gr2-game-data";
inline constexpr int kJsonFormVersion = 1;

/// The part files of a level: the JSON key and the suffix after the level's base name.
struct LevelPart {
    const char* key;
    const char* suffix;
};
inline constexpr LevelPart kLevelParts[] = {
    {"Triggers", "Triggers.vld"}, {"Players", "Players.vld"},     {"Map", "Map.vld"},
    {"Things", "Things.vld"},     {"Variables", "Variables.vld"}, {"Globals", "Globals.vld"},
};

/// A file to write: its path and its bytes.
using FileBytes = std::pair<std::filesystem::path, std::vector<uint8_t>>;

/// What an export or import answers: the document or the files, or why it could not.
template <typename T> struct JsonFormResult {
    std::optional<T> value;
    std::string error;
};

class CTypeDatabase;

/// With type data at hand, the map gets a legend of the terrain codes it uses (a note: an import
/// ignores it).
JsonFormResult<Json> exportLevelJson(const std::filesystem::path& master,
                                     const CTypeDatabase* types = nullptr);
JsonFormResult<Json> exportGameDataJson(const std::filesystem::path& root);

/// The files a document makes, checked whole, without writing anything.
JsonFormResult<std::vector<FileBytes>> levelFilesFromJson(const Json& json,
                                                          const std::filesystem::path& master);
JsonFormResult<std::vector<FileBytes>> gameDataFilesFromJson(const Json& json,
                                                             const std::filesystem::path& root);

/// Parses JSON text; the error names the line and column.
JsonFormResult<Json> parseJsonText(std::string_view text);
/// Reads a JSON file (at most 1 GiB) and parses it.
JsonFormResult<Json> readJsonFile(const std::filesystem::path& path);
/// Writes the files, those of one folder replaced as one (AtomicFileSet); answers the first
/// failure, after which no file of the failed folder was replaced.
std::string writeFiles(const std::vector<FileBytes>& files);

/// The text of a document: two-space indentation, keys in the order written, UTF-8.
std::string jsonText(const Json& json);

} // namespace gr2
