#include "document/RecordJson.h"

#include "level/TextConversion.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/DateStamp.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace gr2 {

namespace {

bool isReal(FieldKind kind)
{
    return kind == FieldKind::Real || kind == FieldKind::Real16x16 || kind == FieldKind::PercentReal;
}

bool isInteger(FieldKind kind)
{
    return kind == FieldKind::UInt || kind == FieldKind::Int || kind == FieldKind::Flags;
}

int64_t loadSized(const uint8_t* p, size_t width, bool isSigned)
{
    switch (width) {
    case 1:
        return isSigned ? int64_t(int8_t(p[0])) : int64_t(p[0]);
    case 2:
        return isSigned ? int64_t(loadI16(p)) : int64_t(loadU16(p));
    default:
        return isSigned ? int64_t(loadI32(p)) : int64_t(loadU32(p));
    }
}

void storeSized(uint8_t* p, size_t width, int64_t value)
{
    for (size_t i = 0; i < width; ++i)
        p[i] = uint8_t(uint64_t(value) >> (8 * i));
}

std::pair<int64_t, int64_t> rangeOf(size_t width, bool isSigned)
{
    const int bits = int(width * 8);
    if (isSigned)
        return {-(int64_t(1) << (bits - 1)), (int64_t(1) << (bits - 1)) - 1};
    return {0, (int64_t(1) << bits) - 1};
}

/// Text up to its first NUL as UTF-8 (the bytes are Latin-1).
std::string latin1Text(const uint8_t* p, size_t width)
{
    size_t n = 0;
    while (n < width && p[n] != 0)
        ++n;
    return latin1ToUtf8(std::string_view(reinterpret_cast<const char*>(p), n));
}

void storeLatin1Text(const Json& value, uint8_t* p, size_t width, const std::string& path)
{
    const std::u16string wide = utf8ToUtf16(jsonString(value, path));
    if (wide.size() > width)
        throw JsonFormError(path, "text of at most " + std::to_string(width) + " characters");
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] > 0xFF || wide[i] == 0)
            throw JsonFormError(path, "text of Latin-1 characters (no character beyond U+00FF)");
        p[i] = uint8_t(wide[i]);
    }
}

std::string utf16Text(const uint8_t* p, size_t width)
{
    std::u16string text;
    for (size_t i = 0; 2 * i + 1 < width; ++i) {
        const char16_t c = char16_t(loadU16(p + 2 * i));
        if (c == 0)
            break;
        text.push_back(c);
    }
    return utf16ToUtf8(text);
}

void storeUtf16Text(const Json& value, uint8_t* p, size_t width, const std::string& path)
{
    const std::u16string wide = utf8ToUtf16(jsonString(value, path));
    if (wide.size() * 2 > width)
        throw JsonFormError(path, "text of at most " + std::to_string(width / 2) + " UTF-16 units");
    for (size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == 0)
            throw JsonFormError(path, "text without NUL characters");
        storeU16(p + 2 * i, uint16_t(wide[i]));
    }
}

double fixed12(const uint8_t* p)
{
    return double(loadI32(p)) / 4096.0;
}

int64_t realToRaw(const Json& value, const std::string& path, double scale, size_t width)
{
    if (!value.is_number())
        throw JsonFormError(path, "a number");
    const double scaled = std::round(value.get<double>() * scale);
    const auto [lo, hi] = rangeOf(width, true);
    if (!(scaled >= double(lo) && scaled <= double(hi)))
        throw JsonFormError(path, "a number that fits the field (" + std::to_string(double(lo) / scale) +
                                      " to " + std::to_string(double(hi) / scale) + ")");
    return int64_t(scaled);
}

/// One element of a field as its kind shows it.
Json elementToJson(const FieldDef& f, const uint8_t* p)
{
    const bool isSigned = f.kind == FieldKind::Int || isReal(f.kind);
    if (isInteger(f.kind) && (f.width == 1 || f.width == 2 || f.width == 4))
        return loadSized(p, f.width, isSigned);
    if (isReal(f.kind) && (f.width == 2 || f.width == 4))
        return double(loadSized(p, f.width, true)) / fixedScale(f.kind);
    switch (f.kind) {
    case FieldKind::Text:
        return latin1Text(p, f.width);
    case FieldKind::Text16:
        return utf16Text(p, f.width);
    case FieldKind::ArtResource:
        if (f.width >= 64)
            return Json{{"name", latin1Text(p, 64)}, {"data", toHex(p + 64, f.width - 64u)}};
        break;
    case FieldKind::Light:
        if (f.width == 24) {
            Json light{{"x", fixed12(p)},          {"y", fixed12(p + 4)},
                       {"z", fixed12(p + 8)},      {"radius", fixed12(p + 12)},
                       {"flags", loadU32(p + 16)}, {"red", p[20]},
                       {"green", p[21]},           {"blue", p[22]}};
            if (p[23] != 0)
                light["spare"] = p[23];
            return light;
        }
        break;
    default:
        break;
    }
    return toHex(p, f.width);
}

void elementFromJson(const FieldDef& f, const Json& value, uint8_t* p, const std::string& path)
{
    if (value.is_object() && value.contains("hex") && f.kind != FieldKind::Raw) {
        const std::vector<uint8_t> bytes = fromHex(jsonMember(value, path, "hex"), jsonKey(path, "hex"));
        if (bytes.size() != f.width)
            throw JsonFormError(jsonKey(path, "hex"), "exactly " + std::to_string(f.width) + " bytes");
        std::memcpy(p, bytes.data(), bytes.size());
        return;
    }
    const bool isSigned = f.kind == FieldKind::Int || isReal(f.kind);
    if (isInteger(f.kind) && (f.width == 1 || f.width == 2 || f.width == 4)) {
        const auto [lo, hi] = rangeOf(f.width, isSigned);
        storeSized(p, f.width, jsonInteger(value, path, lo, hi));
        return;
    }
    if (isReal(f.kind) && (f.width == 2 || f.width == 4)) {
        storeSized(p, f.width, realToRaw(value, path, fixedScale(f.kind), f.width));
        return;
    }
    switch (f.kind) {
    case FieldKind::Text:
        storeLatin1Text(value, p, f.width, path);
        return;
    case FieldKind::Text16:
        storeUtf16Text(value, p, f.width, path);
        return;
    case FieldKind::ArtResource:
        if (f.width >= 64) {
            jsonObject(value, path);
            storeLatin1Text(jsonMember(value, path, "name"), p, 64, jsonKey(path, "name"));
            const std::vector<uint8_t> data = fromHex(jsonMember(value, path, "data"), jsonKey(path, "data"));
            if (data.size() != f.width - 64u)
                throw JsonFormError(jsonKey(path, "data"),
                                    "exactly " + std::to_string(f.width - 64) + " bytes");
            std::memcpy(p + 64, data.data(), data.size());
            return;
        }
        break;
    case FieldKind::Light:
        if (f.width == 24) {
            jsonObject(value, path);
            const char* fixed[] = {"x", "y", "z", "radius"};
            for (int i = 0; i < 4; ++i)
                storeSized(p + 4 * i, 4,
                           realToRaw(jsonMember(value, path, fixed[i]), jsonKey(path, fixed[i]), 4096.0, 4));
            storeSized(p + 16, 4,
                       jsonInteger(jsonMember(value, path, "flags"), jsonKey(path, "flags"), 0, UINT32_MAX));
            const char* colours[] = {"red", "green", "blue"};
            for (int i = 0; i < 3; ++i)
                p[20 + i] = uint8_t(
                    jsonInteger(jsonMember(value, path, colours[i]), jsonKey(path, colours[i]), 0, 255));
            p[23] = value.contains("spare")
                        ? uint8_t(jsonInteger(value["spare"], jsonKey(path, "spare"), 0, 255))
                        : 0;
            for (const auto& [key, member] : value.items())
                if (key != "x" && key != "y" && key != "z" && key != "radius" && key != "flags" &&
                    key != "red" && key != "green" && key != "blue" && key != "spare")
                    throw JsonFormError(jsonKey(path, key), "not a part of a light");
            return;
        }
        break;
    default:
        break;
    }
    const std::vector<uint8_t> bytes = fromHex(value, path);
    if (bytes.size() != f.width)
        throw JsonFormError(path, "exactly " + std::to_string(f.width) + " bytes as hex");
    std::memcpy(p, bytes.data(), bytes.size());
}

/// The element as JSON when that gives its bytes back exactly, else its bytes.
Json exactElement(const FieldDef& f, const uint8_t* p)
{
    Json value = elementToJson(f, p);
    std::vector<uint8_t> again(f.width, 0);
    try {
        elementFromJson(f, value, again.data(), "$");
    } catch (const JsonFormError&) {
        again.clear();
    }
    if (again.size() == f.width && std::memcmp(again.data(), p, f.width) == 0)
        return value;
    return Json{{"hex", toHex(p, f.width)}};
}

} // namespace

Json recordToJson(const RecordLayout& layout, std::span<const uint8_t> bytes)
{
    Json out = Json::object();
    std::vector<bool> covered(bytes.size(), false);
    for (const FieldDef& f : layout.fields) {
        if (f.end() > bytes.size() || f.width == 0)
            continue;
        for (uint32_t i = f.offset; i < f.end(); ++i)
            covered[i] = true;
        if (f.count == 1) {
            out[std::string(f.name)] = exactElement(f, bytes.data() + f.offset);
        } else {
            Json values = Json::array();
            for (size_t e = 0; e < f.count; ++e)
                values.push_back(exactElement(f, bytes.data() + f.elementOffset(e)));
            out[std::string(f.name)] = std::move(values);
        }
    }
    // Runs of bytes no field names, where they hold anything.
    for (size_t i = 0; i < bytes.size();) {
        if (covered[i] || bytes[i] == 0) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < bytes.size() && !covered[end] && bytes[end] != 0)
            ++end;
        out["@" + std::to_string(i)] = toHex(bytes.data() + i, end - i);
        i = end;
    }
    return out;
}

void recordFromJson(const RecordLayout& layout, const Json& json, std::span<uint8_t> out,
                    const std::string& path)
{
    jsonObject(json, path);
    for (const auto& [key, value] : json.items()) {
        const std::string where = jsonKey(path, key);
        if (key.empty() || key[0] == '#')
            continue;
        if (key[0] == '@') {
            const std::string digits = key.substr(1);
            if (digits.empty() || digits.size() > 9 ||
                digits.find_first_not_of("0123456789") != std::string::npos)
                throw JsonFormError(where, "an unnamed run is keyed \"@\" and its byte offset");
            const size_t offset = std::stoul(digits);
            const std::vector<uint8_t> bytes = fromHex(value, where);
            if (offset > out.size() || bytes.size() > out.size() - offset)
                throw JsonFormError(where, "bytes inside the " + std::to_string(out.size()) + "-byte record");
            std::memcpy(out.data() + offset, bytes.data(), bytes.size());
            continue;
        }
        const FieldDef* f = layout.find(key);
        if (!f)
            throw JsonFormError(where, "not a field of " + std::string(layout.name));
        if (f->end() > out.size() || f->width == 0)
            continue;
        if (f->count == 1) {
            elementFromJson(*f, value, out.data() + f->offset, where);
            continue;
        }
        jsonArray(value, where);
        if (value.size() > f->count)
            throw JsonFormError(where, "at most " + std::to_string(f->count) + " elements");
        for (size_t e = 0; e < value.size(); ++e)
            elementFromJson(*f, value[e], out.data() + f->elementOffset(e), jsonIndex(where, e));
    }
}

Json dateToJson(const uint8_t* bytes)
{
    const DateStamp d = DateStamp::unpack(bytes);
    char text[40];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned(d.year), unsigned(d.month),
                  unsigned(d.day), unsigned(d.hour), unsigned(d.minute), unsigned(d.second));
    uint8_t again[DateStamp::kSize];
    try {
        dateFromJson(std::string(text), again, "$");
        if (std::memcmp(again, bytes, DateStamp::kSize) == 0)
            return std::string(text);
    } catch (const JsonFormError&) {
    }
    return Json{{"hex", toHex(bytes, DateStamp::kSize)}};
}

void dateFromJson(const Json& json, uint8_t* out, const std::string& path)
{
    if (json.is_object()) {
        const std::vector<uint8_t> bytes = fromHex(jsonMember(json, path, "hex"), jsonKey(path, "hex"));
        if (bytes.size() != DateStamp::kSize)
            throw JsonFormError(jsonKey(path, "hex"), "exactly 10 bytes");
        std::memcpy(out, bytes.data(), bytes.size());
        return;
    }
    const std::string& text = jsonString(json, path);
    unsigned year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    char tail = 0;
    if (text.size() != 19 ||
        std::sscanf(text.c_str(), "%4u-%2u-%2u %2u:%2u:%2u%c", &year, &month, &day, &hour, &minute, &second,
                    &tail) != 6 ||
        month > 255 || day > 255 || hour > 255 || minute > 255 || second > 255)
        throw JsonFormError(path, "a date \"YYYY-MM-DD hh:mm:ss\" or {\"hex\": ...}");
    DateStamp d;
    d.year = uint16_t(year);
    d.month = uint8_t(month);
    d.day = uint8_t(day);
    d.hour = uint8_t(hour);
    d.minute = uint8_t(minute);
    d.second = uint8_t(second);
    d.pack(out);
}

} // namespace gr2
