#include "document/JsonForm.h"

namespace gr2 {

std::string toHex(const uint8_t* data, size_t size)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(size * 2);
    for (size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

std::vector<uint8_t> fromHex(const Json& value, const std::string& path)
{
    const std::string& text = jsonString(value, path);
    if (text.size() % 2 != 0)
        throw JsonFormError(path, "hex bytes come in pairs of digits");
    auto digit = [&](char c) { return hexDigit(c, path, "hex bytes use the digits 0-9 and a-f only"); };
    std::vector<uint8_t> bytes(text.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = uint8_t(digit(text[2 * i]) << 4 | digit(text[2 * i + 1]));
    return bytes;
}

uint8_t hexDigit(char c, const std::string& path, const char* rule)
{
    if (c >= '0' && c <= '9')
        return uint8_t(c - '0');
    if (c >= 'a' && c <= 'f')
        return uint8_t(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return uint8_t(c - 'A' + 10);
    throw JsonFormError(path, rule);
}

std::string jsonKey(const std::string& path, const std::string& key)
{
    return path + "." + key;
}

std::string jsonIndex(const std::string& path, size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

int64_t jsonInteger(const Json& value, const std::string& path, int64_t lo, int64_t hi)
{
    int64_t n = 0;
    if (value.is_number_unsigned()) {
        const uint64_t u = value.get<uint64_t>();
        if (u > uint64_t(INT64_MAX))
            throw JsonFormError(path,
                                "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
        n = int64_t(u);
    } else if (value.is_number_integer()) {
        n = value.get<int64_t>();
    } else {
        throw JsonFormError(path, "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    }
    if (n < lo || n > hi)
        throw JsonFormError(path, "a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    return n;
}

const Json& jsonObject(const Json& value, const std::string& path)
{
    if (!value.is_object())
        throw JsonFormError(path, "an object ({ ... })");
    return value;
}

const Json& jsonArray(const Json& value, const std::string& path)
{
    if (!value.is_array())
        throw JsonFormError(path, "an array ([ ... ])");
    return value;
}

const std::string& jsonString(const Json& value, const std::string& path)
{
    if (!value.is_string())
        throw JsonFormError(path, "a string");
    return value.get_ref<const std::string&>();
}

const Json& jsonMember(const Json& object, const std::string& path, const char* key)
{
    auto it = jsonObject(object, path).find(key);
    if (it == object.end())
        throw JsonFormError(jsonKey(path, key), "required");
    return *it;
}

} // namespace gr2
