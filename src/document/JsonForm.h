#pragma once
// What the text (JSON) form of world data shares: the JSON type with keys kept in the order they
// were written, and the error an import stops at, naming where in the text it is and the rule it
// breaks ("$.files.Map.sections[0].rows[3]: a tile is three hex digits or four dot-separated
// pairs").

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>

namespace gr2 {

using Json = nlohmann::ordered_json;

/// Thrown inside the readers of the text form and caught at their entry points, which answer it
/// as a value: no exception leaves the import.
class JsonFormError : public std::runtime_error {
public:
    JsonFormError(std::string path, const std::string& rule)
        : std::runtime_error(path + ": " + rule), m_path(std::move(path))
    {
    }
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

/// Bytes as lower-case hex digits, and back (`what` names the place for the error).
std::string toHex(const uint8_t* data, size_t size);
std::vector<uint8_t> fromHex(const Json& value, const std::string& path);

/// The value of one hex digit (either case); `rule` is the error at `path` for any other character.
uint8_t hexDigit(char c, const std::string& path, const char* rule);

/// The JSON path of a key or an index below `path`.
std::string jsonKey(const std::string& path, const std::string& key);
std::string jsonIndex(const std::string& path, size_t index);

/// A whole number of the JSON value within [lo, hi].
int64_t jsonInteger(const Json& value, const std::string& path, int64_t lo, int64_t hi);
/// The object at `path`, or the error that it is not one.
const Json& jsonObject(const Json& value, const std::string& path);
const Json& jsonArray(const Json& value, const std::string& path);
const std::string& jsonString(const Json& value, const std::string& path);
/// The member `key` of an object, which must be there.
const Json& jsonMember(const Json& object, const std::string& path, const char* key);

} // namespace gr2
