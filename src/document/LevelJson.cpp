#include "document/LevelJson.h"

#include "app/TypeFileLocations.h"
#include "document/FileJson.h"
#include "level/TextConversion.h"
#include "typedb/CTypeDatabase.h"
#include "worlddata/AtomicFile.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/Reporter.h"

#include <fstream>
#include <map>
#include <set>

namespace gr2 {

namespace {

constexpr uint64_t kMaxFileSize = uint64_t(1) << 30;

std::optional<std::vector<uint8_t>> readBytes(const std::filesystem::path& path, std::string& error)
{
    std::error_code ec;
    const uint64_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileSize) {
        error = "Cannot read " + path.string() +
                (ec ? " (" + describeSystemError(ec.value()) + ")" : " (too large)");
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> bytes(size);
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), std::streamsize(size))) {
        error = "Cannot read " + path.string();
        return std::nullopt;
    }
    return bytes;
}

std::filesystem::path basePath(const std::filesystem::path& master)
{
    std::filesystem::path base = master;
    base.replace_extension();
    return base;
}

/// Adds "#terrains" to each map section: the name of every terrain code its rows use.
void addMapLegend(Json& file, const CTypeDatabase& types)
{
    for (Json& section : file["sections"]) {
        if (!section.contains("rows"))
            continue;
        std::set<std::string> codes;
        for (const Json& row : section["rows"]) {
            const std::string& text = row.get_ref<const std::string&>();
            for (size_t at = 0; at + 2 <= text.size();) {
                codes.insert(text.substr(at, 2));
                const size_t space = text.find(' ', at);
                at = space == std::string::npos ? text.size() : space + 1;
            }
        }
        Json legend = Json::object();
        for (const std::string& code : codes)
            if (const CTypeRecord* terrain =
                    types.table(TypeFamily::Terrain).findRecordById(uint32_t(std::stoul(code, nullptr, 16))))
                legend[code] = latin1ToUtf8(terrain->name());
        section["#terrains"] = std::move(legend);
    }
}

void checkHeader(const Json& json, const char* format)
{
    jsonObject(json, "$");
    const std::string& f = jsonString(jsonMember(json, "$", "format"), "$.format");
    if (f != format)
        throw JsonFormError("$.format", std::string("\"") + format + "\" for this kind of document");
    jsonInteger(jsonMember(json, "$", "version"), "$.version", kJsonFormVersion, kJsonFormVersion);
}

} // namespace

JsonFormResult<Json> exportLevelJson(const std::filesystem::path& master, const CTypeDatabase* types)
{
    JsonFormResult<Json> result;
    const std::optional<std::filesystem::path> found = findFileIgnoringCase(master);
    if (!found) {
        result.error = "No level file " + master.string();
        return result;
    }
    std::optional<std::vector<uint8_t>> bytes = readBytes(*found, result.error);
    if (!bytes)
        return result;
    Json files = Json::object();
    files["level"] = fileToJson(*bytes);
    const std::string base = basePath(*found).string();
    for (const LevelPart& part : kLevelParts) {
        const std::optional<std::filesystem::path> path = findFileIgnoringCase(base + part.suffix);
        if (!path)
            continue;
        bytes = readBytes(*path, result.error);
        if (!bytes)
            return result;
        files[part.key] = fileToJson(*bytes);
        if (types && std::string_view(part.key) == "Map")
            addMapLegend(files[part.key], *types);
    }
    result.value =
        Json{{"format", kLevelJsonFormat}, {"version", kJsonFormVersion}, {"files", std::move(files)}};
    return result;
}

JsonFormResult<Json> exportGameDataJson(const std::filesystem::path& root)
{
    JsonFormResult<Json> result;
    Json files = Json::object();
    for (const std::filesystem::path& path : worldFilesIn(root)) {
        std::optional<std::vector<uint8_t>> bytes = readBytes(path, result.error);
        if (!bytes)
            return result;
        files[path.filename().string()] = fileToJson(*bytes);
    }
    if (files.empty()) {
        result.error = "No world-data files (*.vwd) in " + root.string();
        return result;
    }
    result.value =
        Json{{"format", kGameDataJsonFormat}, {"version", kJsonFormVersion}, {"files", std::move(files)}};
    return result;
}

JsonFormResult<std::vector<FileBytes>> levelFilesFromJson(const Json& json,
                                                          const std::filesystem::path& master)
{
    JsonFormResult<std::vector<FileBytes>> result;
    try {
        checkHeader(json, kLevelJsonFormat);
        const Json& files = jsonObject(jsonMember(json, "$", "files"), "$.files");
        std::vector<FileBytes> out;
        out.emplace_back(master, fileFromJson(jsonMember(files, "$.files", "level"), "$.files.level"));
        const std::string base = basePath(master).string();
        for (const auto& [key, value] : files.items()) {
            if (key == "level" || (!key.empty() && key[0] == '#'))
                continue;
            const LevelPart* part = nullptr;
            for (const LevelPart& p : kLevelParts)
                if (key == p.key)
                    part = &p;
            if (!part)
                throw JsonFormError(
                    jsonKey("$.files", key),
                    "a level's files are level, Triggers, Players, Map, Things, Variables and Globals");
            out.emplace_back(base + part->suffix, fileFromJson(value, jsonKey("$.files", key)));
        }
        result.value = std::move(out);
    } catch (const JsonFormError& e) {
        result.error = e.what();
    }
    return result;
}

JsonFormResult<std::vector<FileBytes>> gameDataFilesFromJson(const Json& json,
                                                             const std::filesystem::path& root)
{
    JsonFormResult<std::vector<FileBytes>> result;
    try {
        checkHeader(json, kGameDataJsonFormat);
        const Json& files = jsonObject(jsonMember(json, "$", "files"), "$.files");
        std::vector<FileBytes> out;
        std::set<std::string> seen;
        for (const auto& [name, value] : files.items()) {
            if (!name.empty() && name[0] == '#')
                continue;
            const std::string where = jsonKey("$.files", name);
            std::string lower = name;
            for (char& c : lower)
                c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
            // Only plain names of world-data files: a document never writes outside the root.
            if (name.size() < 5 || lower.substr(name.size() - 4) != ".vwd" ||
                name.find_first_of("/\\:") != std::string::npos || name[0] == '.')
                throw JsonFormError(where, "a file name of the root ending in .vwd, without folders");
            if (!seen.insert(lower).second)
                throw JsonFormError(where,
                                    "one file of this name (names differing only in case are one file)");
            out.emplace_back(root / name, fileFromJson(value, where));
        }
        if (out.empty())
            throw JsonFormError("$.files", "at least one file");
        result.value = std::move(out);
    } catch (const JsonFormError& e) {
        result.error = e.what();
    }
    return result;
}

JsonFormResult<Json> parseJsonText(std::string_view text)
{
    JsonFormResult<Json> result;
    // Nesting deeper than any document of ours has is refused before it can exhaust the stack.
    size_t depth = 0, deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            deepest = std::max(deepest, ++depth);
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        }
    }
    if (deepest > 64) {
        result.error = "$: nested deeper than 64 levels";
        return result;
    }
    Json json = Json::parse(text.begin(), text.end(), nullptr, false);
    if (json.is_discarded()) {
        // Parse again with exceptions for the message, which names the line and column.
        try {
            const Json unused = Json::parse(text.begin(), text.end());
            (void)unused;
        } catch (const std::exception& e) {
            result.error = std::string("not valid JSON: ") + e.what();
            return result;
        }
        result.error = "not valid JSON";
        return result;
    }
    result.value = std::move(json);
    return result;
}

JsonFormResult<Json> readJsonFile(const std::filesystem::path& path)
{
    JsonFormResult<Json> result;
    std::optional<std::vector<uint8_t>> bytes = readBytes(path, result.error);
    if (!bytes)
        return result;
    return parseJsonText(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

std::string writeFiles(const std::vector<FileBytes>& files)
{
    // The files of a level, or of the game data, lie in one folder and are replaced as one there:
    // an import cut off anywhere leaves all of the old files or all of the new ones.
    std::map<std::filesystem::path, AtomicFileSet> sets;
    std::string error;
    for (const auto& [path, bytes] : files) {
        const WriteResult written = sets[path.parent_path().lexically_normal()].add(path, bytes);
        if (!written.ok && error.empty())
            error = "Cannot write " + path.string() + " (" + describeSystemError(written.error) + ")";
    }
    if (!error.empty())
        return error;
    for (auto& [folder, set] : sets) {
        const WriteResult written = set.commit();
        if (!written.ok)
            return "Cannot write " + written.file.string() + " (" + describeSystemError(written.error) + ")";
    }
    return error;
}

std::string jsonText(const Json& json)
{
    // Every string was made from the files' bytes by conversions that give valid UTF-8; should one
    // not be, it is replaced rather than the export failing.
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace gr2
