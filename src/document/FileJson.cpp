#include "document/FileJson.h"

#include "document/RecordJson.h"
#include "level/LevelDescriptionRecord.h"
#include "level/PlayerRecord.h"
#include "level/TextConversion.h"
#include "level/ThingRecords.h"
#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/TypeFamily.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/SectionIds.h"
#include "worlddata/SectionImage.h"

#include <cstring>

namespace gr2 {

namespace {

constexpr size_t kInfoSize = 28;
constexpr size_t kTriggerInfoSize = 32;

constexpr FieldDef kVariableFields[] = {
    {"id", 0, 4, FieldKind::UInt},
    {"value1", 4, 4, FieldKind::UInt},
    {"value2", 8, 4, FieldKind::UInt},
    {"value3", 12, 4, FieldKind::UInt},
};
constexpr RecordLayout kVariableLayout{"Variable", RecordSize::Variable, kVariableFields};

constexpr FieldDef kResourceFields[] = {
    {"path", 0, 64, FieldKind::Text},
    {"section", 64, 4, FieldKind::UInt},
};
constexpr RecordLayout kResourceLayout{"Level Resource", RecordSize::LevelResource, kResourceFields};

/// The layout of the records of a section of fixed-size records; none for the other sections.
const RecordLayout* recordLayoutOf(uint32_t section)
{
    if (std::optional<TypeFamily> family = familyOfSection(section))
        return &layoutOf(*family);
    if (section == uint32_t(SectionId::Player))
        return &PlayerRecord::layout();
    if (section == uint32_t(SectionId::Variable))
        return &kVariableLayout;
    return nullptr;
}

const RecordLayout* itemLayoutOf(uint32_t section, uint32_t kind)
{
    if (section == uint32_t(SectionId::Trigger))
        return kind == kTriggerWhenItem     ? &TriggerWhenRecord::layout()
               : kind == kTriggerActionItem ? &TriggerActionRecord::layout()
                                            : nullptr;
    return ThingRecords::layout(ThingKind(kind));
}

Json sectionName(uint32_t id)
{
    return isKnownSection(id) ? Json(gr2::sectionName(SectionId(id))) : Json("Unknown");
}

/// Whether the section is its header block of `infoSize` bytes and then exactly `blocks` more.
bool hasShape(const RawSection& s, size_t infoSize, std::initializer_list<uint32_t> blocks)
{
    if (!s.body.tail.empty() || s.body.blocks.size() != 1 + blocks.size())
        return false;
    if (s.body.blocks[0].id != s.id + 1 || s.body.blocks[0].payload.size() != infoSize)
        return false;
    size_t i = 1;
    for (uint32_t id : blocks)
        if (s.body.blocks[i++].id != id)
            return false;
    return true;
}

/// The creation and save times (and the constant when it is not the usual 1) of a 28-byte info.
void infoToJson(Json& out, const std::vector<uint8_t>& info, size_t constantAt, size_t datesAt)
{
    const uint32_t constant = loadU32(info.data() + constantAt);
    if (constant != 1)
        out["constant"] = constant;
    out["created"] = dateToJson(info.data() + datesAt);
    out["saved"] = dateToJson(info.data() + datesAt + 10);
}

void infoFromJson(const Json& in, std::vector<uint8_t>& info, size_t constantAt, size_t datesAt,
                  const std::string& path)
{
    const uint32_t constant =
        in.contains("constant")
            ? uint32_t(jsonInteger(in["constant"], jsonKey(path, "constant"), 0, UINT32_MAX))
            : 1;
    storeU32(info.data() + constantAt, constant);
    dateFromJson(jsonMember(in, path, "created"), info.data() + datesAt, jsonKey(path, "created"));
    dateFromJson(jsonMember(in, path, "saved"), info.data() + datesAt + 10, jsonKey(path, "saved"));
}

Json recordOrHex(const RecordLayout* layout, std::span<const uint8_t> bytes)
{
    if (layout && bytes.size() == layout->size)
        return recordToJson(*layout, bytes);
    return toHex(bytes.data(), bytes.size());
}

std::vector<uint8_t> recordOrHexFromJson(const RecordLayout* layout, const Json& json,
                                         const std::string& path)
{
    if (json.is_string())
        return fromHex(json, path);
    if (!layout)
        throw JsonFormError(path, "the bytes of an item of this kind, as hex");
    std::vector<uint8_t> bytes(layout->size, 0);
    recordFromJson(*layout, json, bytes, path);
    return bytes;
}

// --- the shapes ----------------------------------------------------------------------------------

Json genericToJson(const RawSection& s)
{
    Json out{{"section", s.id}, {"#name", sectionName(s.id)}};
    Json blocks = Json::array();
    for (const RawBlock& b : s.body.blocks)
        blocks.push_back(Json{{"block", b.id}, {"hex", toHex(b.payload.data(), b.payload.size())}});
    out["blocks"] = std::move(blocks);
    if (!s.body.tail.empty())
        out["tail"] = toHex(s.body.tail.data(), s.body.tail.size());
    return out;
}

std::optional<Json> recordsToJson(const RawSection& s, const RecordLayout& layout)
{
    if (!hasShape(s, kInfoSize, {s.id + 2}))
        return std::nullopt;
    const std::vector<uint8_t>& info = s.body.blocks[0].payload;
    const std::vector<uint8_t>& data = s.body.blocks[1].payload;
    const uint32_t count = loadU32(info.data());
    if (count == 0 ? !data.empty() : data.empty() || data.size() % count != 0)
        return std::nullopt;
    Json out{{"section", s.id}, {"#name", sectionName(s.id)}};
    infoToJson(out, info, 4, 8);
    const size_t size = count ? data.size() / count : layout.size;
    if (size != layout.size)
        out["recordSize"] = size;
    Json records = Json::array();
    for (size_t i = 0; i < count; ++i) {
        const std::span<const uint8_t> record(data.data() + i * size, size);
        Json r = recordOrHex(&layout, record);
        if (s.id == uint32_t(SectionId::Variable) && r.is_object()) {
            const std::u16string name(CGlobalVariables::name(loadU32(record.data())));
            if (!name.empty() && name != u"<Non-Configurable>")
                r["#name"] = utf16ToUtf8(name);
        }
        records.push_back(std::move(r));
    }
    out["records"] = std::move(records);
    return out;
}

RawSection recordsFromJson(uint32_t id, const RecordLayout& layout, const Json& in, const std::string& path)
{
    const Json& records = jsonArray(jsonMember(in, path, "records"), jsonKey(path, "records"));
    const size_t size = in.contains("recordSize")
                            ? size_t(jsonInteger(in["recordSize"], jsonKey(path, "recordSize"), 1, 1 << 24))
                            : layout.size;
    std::vector<uint8_t> info(kInfoSize, 0);
    storeU32(info.data(), uint32_t(records.size()));
    infoFromJson(in, info, 4, 8, path);
    std::vector<uint8_t> data;
    for (size_t i = 0; i < records.size(); ++i) {
        const std::string where = jsonIndex(jsonKey(path, "records"), i);
        std::vector<uint8_t> record =
            recordOrHexFromJson(size == layout.size ? &layout : nullptr, records[i], where);
        if (record.size() != size)
            throw JsonFormError(where, "a record of " + std::to_string(size) + " bytes");
        data.insert(data.end(), record.begin(), record.end());
    }
    RawSection s{id, {}};
    s.body.blocks = {RawBlock{id + 1, std::move(info)}, RawBlock{id + 2, std::move(data)}};
    return s;
}

// The map: one text row per map row, each tile "TTOB" (terrain in two hex digits, owner and the
// tile's bit set in one each) or, when the owner or the bits need two digits or the spare byte is
// set, "TT.OO.BB.UU".
constexpr const char* kTileRule = "a tile is four hex digits (terrain, terrain, owner, bits) or TT.OO.BB.UU";

std::string tileCode(const uint8_t* e)
{
    static const char digits[] = "0123456789abcdef";
    std::string code;
    code += digits[e[0] >> 4];
    code += digits[e[0] & 15];
    if (e[1] < 16 && e[2] < 16 && e[3] == 0) {
        code += digits[e[1]];
        code += digits[e[2]];
        return code;
    }
    for (int i = 1; i < 4; ++i) {
        code += '.';
        code += digits[e[i] >> 4];
        code += digits[e[i] & 15];
    }
    return code;
}

void tileFromCode(std::string_view code, uint8_t* e, const std::string& path)
{
    auto hex = [&](char c) { return hexDigit(c, path, kTileRule); };
    if (code.size() == 4) {
        e[0] = uint8_t(hex(code[0]) << 4 | hex(code[1]));
        e[1] = hex(code[2]);
        e[2] = hex(code[3]);
        e[3] = 0;
        return;
    }
    if (code.size() != 11 || code[2] != '.' || code[5] != '.' || code[8] != '.')
        throw JsonFormError(path, kTileRule);
    for (int i = 0; i < 4; ++i)
        e[i] = uint8_t(hex(code[size_t(3 * i)]) << 4 | hex(code[size_t(3 * i + 1)]));
}

std::optional<Json> mapToJson(const RawSection& s)
{
    if (!s.body.tail.empty() || s.body.blocks.size() != 2 || s.body.blocks[0].id != 101 ||
        s.body.blocks[0].payload.size() != 8 || s.body.blocks[1].id != 102)
        return std::nullopt;
    const uint32_t width = loadU32(s.body.blocks[0].payload.data());
    const uint32_t height = loadU32(s.body.blocks[0].payload.data() + 4);
    const std::vector<uint8_t>& data = s.body.blocks[1].payload;
    if (width == 0 || height == 0 || uint64_t(width) * height * 4 != data.size())
        return std::nullopt;
    Json out{{"section", s.id}, {"#name", "Map"}, {"width", width}, {"height", height}};
    out["#tiles"] = "each tile: terrain id, owner and bits in hex (\"0231\": terrain 2, player 3, bits 1), "
                    "or TT.OO.BB.UU for all four bytes; rows from the top, tiles from the left";
    Json rows = Json::array();
    for (uint32_t y = 0; y < height; ++y) {
        std::string row;
        for (uint32_t x = 0; x < width; ++x) {
            if (x)
                row += ' ';
            row += tileCode(data.data() + (size_t(y) * width + x) * 4);
        }
        rows.push_back(std::move(row));
    }
    out["rows"] = std::move(rows);
    return out;
}

RawSection mapFromJson(const Json& in, const std::string& path)
{
    const uint32_t width =
        uint32_t(jsonInteger(jsonMember(in, path, "width"), jsonKey(path, "width"), 1, 4096));
    const uint32_t height =
        uint32_t(jsonInteger(jsonMember(in, path, "height"), jsonKey(path, "height"), 1, 4096));
    const Json& rows = jsonArray(jsonMember(in, path, "rows"), jsonKey(path, "rows"));
    if (rows.size() != height)
        throw JsonFormError(jsonKey(path, "rows"),
                            "one row for each of the " + std::to_string(height) + " map rows");
    std::vector<uint8_t> data(size_t(width) * height * 4, 0);
    for (uint32_t y = 0; y < height; ++y) {
        const std::string where = jsonIndex(jsonKey(path, "rows"), y);
        const std::string& row = jsonString(rows[y], where);
        size_t at = 0;
        for (uint32_t x = 0; x < width; ++x) {
            while (at < row.size() && row[at] == ' ')
                ++at;
            size_t end = row.find(' ', at);
            if (end == std::string::npos)
                end = row.size();
            if (end == at)
                throw JsonFormError(where, "a row of " + std::to_string(width) + " tiles");
            tileFromCode(std::string_view(row).substr(at, end - at),
                         data.data() + (size_t(y) * width + x) * 4, where + " tile " + std::to_string(x));
            at = end;
        }
        if (row.find_first_not_of(' ', at) != std::string::npos)
            throw JsonFormError(where, "a row of " + std::to_string(width) + " tiles");
    }
    std::vector<uint8_t> header(8);
    storeU32(header.data(), width);
    storeU32(header.data() + 4, height);
    RawSection s{uint32_t(SectionId::Map), {}};
    s.body.blocks = {RawBlock{101, std::move(header)}, RawBlock{102, std::move(data)}};
    return s;
}

/// Things and script items: each item by kind with its record.
Json itemsToJson(uint32_t section, const BlockList& items)
{
    Json list = Json::array();
    for (const RawBlock& item : items.blocks) {
        Json j{{"kind", item.id}};
        if (section == uint32_t(SectionId::Thing)) {
            if (const char* name = thingKindName(item.id))
                j["#name"] = name;
        }
        const RecordLayout* layout = itemLayoutOf(section, item.id);
        if (layout && item.payload.size() == layout->size)
            j["record"] = recordToJson(*layout, item.payload);
        else
            j["hex"] = toHex(item.payload.data(), item.payload.size());
        list.push_back(std::move(j));
    }
    return list;
}

BlockList itemsFromJson(uint32_t section, const Json& in, const std::string& path)
{
    BlockList items;
    jsonArray(in, path);
    for (size_t i = 0; i < in.size(); ++i) {
        const std::string where = jsonIndex(path, i);
        const Json& item = jsonObject(in[i], where);
        const uint32_t kind =
            uint32_t(jsonInteger(jsonMember(item, where, "kind"), jsonKey(where, "kind"), 0, UINT32_MAX));
        for (const auto& [key, value] : item.items())
            if (key != "kind" && key != "record" && key != "hex" && (key.empty() || key[0] != '#'))
                throw JsonFormError(jsonKey(where, key), "an item has a kind and its record (or hex)");
        RawBlock block{kind, {}};
        if (item.contains("record")) {
            const RecordLayout* layout = itemLayoutOf(section, kind);
            if (!layout)
                throw JsonFormError(jsonKey(where, "record"),
                                    "items of kind " + std::to_string(kind) +
                                        " have no named fields: give their bytes as hex");
            block.payload.assign(layout->size, 0);
            recordFromJson(*layout, item["record"], block.payload, jsonKey(where, "record"));
        } else {
            block.payload = fromHex(jsonMember(item, where, "hex"), jsonKey(where, "hex"));
        }
        items.blocks.push_back(std::move(block));
    }
    return items;
}

std::optional<Json> thingsToJson(const RawSection& s)
{
    if (!hasShape(s, kInfoSize, {s.id + 2}))
        return std::nullopt;
    const BlockList items = BlockList::parse(s.body.blocks[1].payload);
    Json out{{"section", s.id}, {"#name", sectionName(s.id)}};
    const uint32_t count = loadU32(s.body.blocks[0].payload.data());
    if (count != items.blocks.size())
        out["count"] = count;
    infoToJson(out, s.body.blocks[0].payload, 4, 8);
    out["items"] = itemsToJson(s.id, items);
    if (!items.tail.empty())
        out["itemsTail"] = toHex(items.tail.data(), items.tail.size());
    return out;
}

std::vector<uint8_t> itemsPayload(const Json& in, uint32_t section, const std::string& path, BlockList& items)
{
    items = itemsFromJson(section, jsonMember(in, path, "items"), jsonKey(path, "items"));
    if (in.contains("itemsTail"))
        items.tail = fromHex(in["itemsTail"], jsonKey(path, "itemsTail"));
    std::vector<uint8_t> payload;
    items.appendTo(payload);
    return payload;
}

RawSection thingsFromJson(uint32_t id, const Json& in, const std::string& path)
{
    BlockList items;
    std::vector<uint8_t> payload = itemsPayload(in, id, path, items);
    std::vector<uint8_t> info(kInfoSize, 0);
    storeU32(info.data(), in.contains("count")
                              ? uint32_t(jsonInteger(in["count"], jsonKey(path, "count"), 0, UINT32_MAX))
                              : uint32_t(items.blocks.size()));
    infoFromJson(in, info, 4, 8, path);
    RawSection s{id, {}};
    s.body.blocks = {RawBlock{id + 1, std::move(info)}, RawBlock{id + 2, std::move(payload)}};
    return s;
}

// The Trigger section's data block states trigger count × 16 as its length whatever its items
// take, so its items are read from after the data block's header to the section's end.
constexpr size_t kTriggerItemsAt = 8 + kTriggerInfoSize + 8;

std::pair<uint32_t, uint32_t> countItems(const BlockList& items)
{
    uint32_t whens = 0, actions = 0;
    for (const RawBlock& b : items.blocks) {
        if (b.id == kTriggerWhenItem)
            ++whens;
        else if (b.id == kTriggerActionItem)
            ++actions;
    }
    return {whens, actions};
}

std::optional<Json> triggersToJson(const RawSection& s)
{
    std::vector<uint8_t> body;
    s.body.appendTo(body);
    if (body.size() < kTriggerItemsAt || loadU32(body.data()) != s.id + 1 ||
        loadU32(body.data() + 4) != kTriggerInfoSize ||
        loadU32(body.data() + 8 + kTriggerInfoSize) != s.id + 2)
        return std::nullopt;
    const uint8_t* info = body.data() + 8;
    const uint32_t dataLength = loadU32(body.data() + 8 + kTriggerInfoSize + 4);
    const BlockList items = BlockList::parse(std::span<const uint8_t>(body).subspan(kTriggerItemsAt));
    const auto [whens, actions] = countItems(items);
    Json out{{"section", s.id}, {"#name", sectionName(s.id)}};
    if (loadU32(info) != whens)
        out["triggerCount"] = loadU32(info);
    if (loadU32(info + 4) != actions)
        out["actionCount"] = loadU32(info + 4);
    if (dataLength != uint32_t(uint64_t(loadU32(info)) * RecordSize::TriggerItem))
        out["dataLength"] = dataLength;
    infoToJson(out, std::vector<uint8_t>(info, info + kTriggerInfoSize), 8, 12);
    out["items"] = itemsToJson(s.id, items);
    if (!items.tail.empty())
        out["itemsTail"] = toHex(items.tail.data(), items.tail.size());
    return out;
}

RawSection triggersFromJson(uint32_t id, const Json& in, const std::string& path)
{
    BlockList items;
    const std::vector<uint8_t> payload = itemsPayload(in, id, path, items);
    const auto [whens, actions] = countItems(items);
    auto count = [&](const char* key, uint32_t counted) {
        return in.contains(key) ? uint32_t(jsonInteger(in[key], jsonKey(path, key), 0, UINT32_MAX)) : counted;
    };
    std::vector<uint8_t> info(kTriggerInfoSize, 0);
    storeU32(info.data(), count("triggerCount", whens));
    storeU32(info.data() + 4, count("actionCount", actions));
    infoFromJson(in, info, 8, 12, path);
    const uint32_t dataLength =
        count("dataLength", uint32_t(uint64_t(loadU32(info.data())) * RecordSize::TriggerItem));
    std::vector<uint8_t> body;
    for (uint32_t v : {id + 1, uint32_t(kTriggerInfoSize)})
        for (int b = 0; b < 4; ++b)
            body.push_back(uint8_t(v >> (8 * b)));
    body.insert(body.end(), info.begin(), info.end());
    for (uint32_t v : {id + 2, dataLength})
        for (int b = 0; b < 4; ++b)
            body.push_back(uint8_t(v >> (8 * b)));
    body.insert(body.end(), payload.begin(), payload.end());
    return RawSection{id, BlockList::parse(body)};
}

std::optional<Json> levelToJson(const RawSection& s)
{
    if (!hasShape(s, kInfoSize, {223, 222}))
        return std::nullopt;
    const std::vector<uint8_t>& info = s.body.blocks[0].payload;
    const std::vector<uint8_t>& description = s.body.blocks[1].payload;
    const std::vector<uint8_t>& rest = s.body.blocks[2].payload;
    const uint16_t resources = loadU16(info.data());
    const uint16_t creatures = loadU16(info.data() + 2);
    if (rest.size() != size_t(resources) * RecordSize::LevelResource + size_t(creatures) * 4)
        return std::nullopt;
    Json out{{"section", s.id}, {"#name", sectionName(s.id)}};
    out["version"] = double(loadU32(info.data() + 4)) / 4096.0;
    out["created"] = dateToJson(info.data() + 8);
    out["saved"] = dateToJson(info.data() + 18);
    out["description"] = recordOrHex(&LevelDescriptionRecord::layout(), description);
    Json list = Json::array();
    for (size_t i = 0; i < resources; ++i)
        list.push_back(recordToJson(kResourceLayout, std::span<const uint8_t>(rest.data() + i * 72, 72)));
    out["resources"] = std::move(list);
    Json available = Json::array();
    const size_t at = size_t(resources) * 72;
    for (size_t i = 0; i < creatures; ++i)
        available.push_back(loadU32(rest.data() + at + 4 * i));
    out["availableCreatures"] = std::move(available);
    return out;
}

RawSection levelFromJson(const Json& in, const std::string& path)
{
    const Json& resources = jsonArray(jsonMember(in, path, "resources"), jsonKey(path, "resources"));
    const Json& creatures =
        jsonArray(jsonMember(in, path, "availableCreatures"), jsonKey(path, "availableCreatures"));
    if (resources.size() > 0xFFFF || creatures.size() > 0xFFFF)
        throw JsonFormError(path, "at most 65535 resources and 65535 available creatures");
    std::vector<uint8_t> info(kInfoSize, 0);
    storeU16(info.data(), uint16_t(resources.size()));
    storeU16(info.data() + 2, uint16_t(creatures.size()));
    const Json& version = jsonMember(in, path, "version");
    if (!version.is_number() || !(version.get<double>() >= 0) ||
        version.get<double>() * 4096.0 > 4294967295.0)
        throw JsonFormError(jsonKey(path, "version"), "a format version from 0 to 1048575.999");
    storeU32(info.data() + 4, uint32_t(std::llround(version.get<double>() * 4096.0)));
    dateFromJson(jsonMember(in, path, "created"), info.data() + 8, jsonKey(path, "created"));
    dateFromJson(jsonMember(in, path, "saved"), info.data() + 18, jsonKey(path, "saved"));
    std::vector<uint8_t> description = recordOrHexFromJson(
        &LevelDescriptionRecord::layout(), jsonMember(in, path, "description"), jsonKey(path, "description"));
    std::vector<uint8_t> rest(resources.size() * 72 + creatures.size() * 4, 0);
    for (size_t i = 0; i < resources.size(); ++i)
        recordFromJson(kResourceLayout, resources[i], std::span<uint8_t>(rest.data() + i * 72, 72),
                       jsonIndex(jsonKey(path, "resources"), i));
    for (size_t i = 0; i < creatures.size(); ++i)
        storeU32(rest.data() + resources.size() * 72 + 4 * i,
                 uint32_t(jsonInteger(creatures[i], jsonIndex(jsonKey(path, "availableCreatures"), i), 0,
                                      UINT32_MAX)));
    RawSection s{uint32_t(SectionId::Level), {}};
    s.body.blocks = {RawBlock{221, std::move(info)}, RawBlock{223, std::move(description)},
                     RawBlock{222, std::move(rest)}};
    return s;
}

Json sectionToJson(const RawSection& s)
{
    std::optional<Json> shaped;
    if (const RecordLayout* layout = recordLayoutOf(s.id))
        shaped = recordsToJson(s, *layout);
    else if (s.id == uint32_t(SectionId::Map))
        shaped = mapToJson(s);
    else if (s.id == uint32_t(SectionId::Thing))
        shaped = thingsToJson(s);
    else if (s.id == uint32_t(SectionId::Trigger))
        shaped = triggersToJson(s);
    else if (s.id == uint32_t(SectionId::Level))
        shaped = levelToJson(s);
    return shaped ? std::move(*shaped) : genericToJson(s);
}

RawSection sectionFromJson(const Json& in, const std::string& path)
{
    jsonObject(in, path);
    const uint32_t id =
        uint32_t(jsonInteger(jsonMember(in, path, "section"), jsonKey(path, "section"), 0, UINT32_MAX));
    if (in.contains("blocks")) {
        RawSection s{id, {}};
        const Json& blocks = jsonArray(in["blocks"], jsonKey(path, "blocks"));
        for (size_t i = 0; i < blocks.size(); ++i) {
            const std::string where = jsonIndex(jsonKey(path, "blocks"), i);
            const Json& b = jsonObject(blocks[i], where);
            s.body.blocks.push_back(RawBlock{
                uint32_t(jsonInteger(jsonMember(b, where, "block"), jsonKey(where, "block"), 0, UINT32_MAX)),
                fromHex(jsonMember(b, where, "hex"), jsonKey(where, "hex"))});
        }
        if (in.contains("tail"))
            s.body.tail = fromHex(in["tail"], jsonKey(path, "tail"));
        return s;
    }
    if (const RecordLayout* layout = recordLayoutOf(id))
        return recordsFromJson(id, *layout, in, path);
    switch (SectionId(id)) {
    case SectionId::Map:
        return mapFromJson(in, path);
    case SectionId::Thing:
        return thingsFromJson(id, in, path);
    case SectionId::Trigger:
        return triggersFromJson(id, in, path);
    case SectionId::Level:
        return levelFromJson(in, path);
    default:
        throw JsonFormError(path, "a section of an unknown id is given as its blocks");
    }
}

} // namespace

Json fileToJson(std::span<const uint8_t> bytes)
{
    const SectionImage image = SectionImage::parse(bytes);
    Json sections = Json::array();
    for (const RawSection& s : image.sections)
        sections.push_back(sectionToJson(s));
    Json out{{"sections", std::move(sections)}};
    if (!image.trailing.empty())
        out["trailing"] = toHex(image.trailing.data(), image.trailing.size());
    return out;
}

std::vector<uint8_t> fileFromJson(const Json& json, const std::string& path)
{
    jsonObject(json, path);
    SectionImage image;
    const Json& sections = jsonArray(jsonMember(json, path, "sections"), jsonKey(path, "sections"));
    for (size_t i = 0; i < sections.size(); ++i)
        image.sections.push_back(sectionFromJson(sections[i], jsonIndex(jsonKey(path, "sections"), i)));
    if (json.contains("trailing"))
        image.trailing = fromHex(json["trailing"], jsonKey(path, "trailing"));
    for (const RawSection& s : image.sections)
        if (s.body.byteSize() > UINT32_MAX - 12)
            throw JsonFormError(path, "a section of at most 4 GiB");
    return image.bytes();
}

} // namespace gr2
