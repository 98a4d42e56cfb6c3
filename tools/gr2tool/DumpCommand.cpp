#include "DumpCommand.h"

#include "app/Prompter.h"
#include "level/LevelDescriptionRecord.h"
#include "level/PlayerRecord.h"
#include "level/ThingRecords.h"
#include "script/TriggerActionRecord.h"
#include "script/TriggerWhenRecord.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/TypeFamily.h"
#include "worlddata/SectionIds.h"
#include "worlddata/SectionReader.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace gr2 {

namespace {

// Insertion order, so records list their fields in file order.
using json = nlohmann::ordered_json;

std::string hex(std::span<const uint8_t> bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

json dateJson(const DateStamp& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u %02u:%02u:%02u", unsigned(d.year), unsigned(d.month),
                  unsigned(d.day), unsigned(d.hour), unsigned(d.minute), unsigned(d.second));
    return text;
}

json infoJson(const SectionInfo& info)
{
    return json{{"count", info.count},
                {"constant", info.constant},
                {"created", dateJson(info.created)},
                {"saved", dateJson(info.saved)}};
}

/// A record whose fields have no names yet: its sizes and its bytes.
json rawRecord(const FlaggedRecord& record)
{
    json j{{"size", record.size()}, {"bytes", hex(record.bytes())}};
    if (record.storedSize() != record.size())
        j["storedSize"] = record.storedSize();
    return j;
}

std::string utf8(std::u16string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

/// 8-bit text is shown as Latin-1, so any stored byte comes out as valid UTF-8.
std::string latin1(std::string_view text)
{
    std::u16string wide(text.begin(), text.end());
    for (size_t i = 0; i < text.size(); ++i)
        wide[i] = char16_t(uint8_t(text[i]));
    return utf8(wide);
}

/// One element of a field, shown by its kind.
json fieldElementJson(std::span<const uint8_t> record, const FieldDef& f, size_t element)
{
    size_t at = f.elementOffset(element);
    if (at + f.width > record.size())
        return nullptr;
    const uint8_t* p = record.data() + at;
    switch (f.kind) {
    case FieldKind::UInt:
    case FieldKind::Int:
    case FieldKind::Flags:
        return getIntField(record, f, element);
    case FieldKind::Real:
    case FieldKind::Real16x16:
    case FieldKind::PercentReal:
        return getRealField(record, f, element);
    case FieldKind::Text:
        return latin1(getTextField(record, f, element));
    case FieldKind::Text16:
        // Each element of a text array is a field of its own width.
        return utf8(getText16Field(record, FieldDef{f.name, uint32_t(at), f.width, FieldKind::Text16, 1}));
    case FieldKind::ArtResource:
        return json{{"name", latin1(getTextField(record, f, element))},
                    {"data", hex(std::span<const uint8_t>(p + 64, f.width - 64))}};
    case FieldKind::Light:
        if (f.width < 24)
            break;
        return json{{"x", fromFixed12(loadI32(p))},
                    {"y", fromFixed12(loadI32(p + 4))},
                    {"z", fromFixed12(loadI32(p + 8))},
                    {"radius", fromFixed12(loadI32(p + 12))},
                    {"flags", loadU32(p + 16)},
                    {"red", p[20]},
                    {"green", p[21]},
                    {"blue", p[22]}};
    case FieldKind::Raw:
        break;
    }
    return hex(std::span<const uint8_t>(p, f.width));
}

/// A record shown through its field table: every field by name, arrays as arrays.
json namedRecord(const RecordLayout& layout, const FlaggedRecord& record)
{
    json fields = json::object();
    for (const FieldDef& f : layout.fields) {
        if (f.count == 1) {
            fields[std::string(f.name)] = fieldElementJson(record.bytes(), f, 0);
            continue;
        }
        json values = json::array();
        for (size_t e = 0; e < f.count; ++e)
            values.push_back(fieldElementJson(record.bytes(), f, e));
        fields[std::string(f.name)] = std::move(values);
    }
    json j{{"size", record.size()}, {"fields", std::move(fields)}};
    if (record.storedSize() != record.size())
        j["storedSize"] = record.storedSize();
    return j;
}

/// The meaning of a variable record's three values for the ids that are not plain variables: the
/// level's own records (creature pools, availability, alliances, creature stats, rating and time)
/// and the global file's default availability, which shares id 2.
json levelVariableFields(uint32_t id, uint32_t a, uint32_t b, uint32_t c)
{
    switch (id) {
    case 1:
        return json{{"creatureType", a}, {"count", int32_t(b)}, {"player", c}};
    case 2:
        return json{{"player", a >> 16}, {"list", a & 0xFFFF}, {"type", b}, {"state", c}};
    case 66:
        return json{{"firstPlayer", a}, {"secondPlayer", b}};
    case 74:
        return json{{"goldPerTick", int32_t(a)}};
    case 77:
        return json{{"creatureType", a}, {"level", b}, {"value", int32_t(c)}};
    case 241:
        return json{{"rating", fromFixed12(int32_t(a))}};
    case 242:
        return json{{"averageTime", int32_t(a)}};
    default:
        return nullptr;
    }
}

const char* levelVariableName(uint32_t id)
{
    switch (id) {
    case 1:
        return "Creature Pool";
    case 2:
        return "Availability";
    case 66:
        return "Alliance";
    case 74:
        return "Gold Per Tick";
    case 77:
        return "Creature Stat Override";
    case 241:
        return "Level Rating";
    case 242:
        return "Average Time";
    default:
        return "";
    }
}

/// A variable record with the variable's name and, for a plain value, the value itself.
json variableRecord(const FlaggedRecord& record)
{
    std::span<const uint8_t> b = record.bytes();
    if (b.size() < RecordSize::Variable)
        return rawRecord(record);
    uint32_t id = loadU32(b.data());
    // Ids the global table has no name for are the records a level's Variables file keeps.
    std::string name = utf8(CGlobalVariables::name(id));
    if ((name.empty() || name == "<Non-Configurable>") && *levelVariableName(id))
        name = levelVariableName(id);
    json j{{"id", id}, {"name", name}};
    if (CGlobalVariables::isOverridable(id))
        j["value"] = CGlobalVariables::isRealVariable(id) ? json(fromFixed12(loadI32(b.data() + 4)))
                                                          : json(loadI32(b.data() + 4));
    json fields =
        levelVariableFields(id, loadU32(b.data() + 4), loadU32(b.data() + 8), loadU32(b.data() + 12));
    if (!fields.is_null())
        j["fields"] = std::move(fields);
    j["values"] = json::array({loadU32(b.data() + 4), loadU32(b.data() + 8), loadU32(b.data() + 12)});
    return j;
}

/// Collects every section of a file into a JSON array while the reader walks it.
class DumpSink {
public:
    RecordSink sink()
    {
        RecordSink s;
        auto typeEntry = [this](SectionId id) {
            TypeSinkEntry e;
            e.header = [this, id](const SectionInfo& info) {
                open(id)["info"] = infoJson(info);
                return true;
            };
            e.record = [this, id](const FlaggedRecord& r) {
                json record;
                if (std::optional<TypeFamily> family = familyOfSection(uint32_t(id)))
                    record = namedRecord(layoutOf(*family), r);
                else if (id == SectionId::Player)
                    record = namedRecord(PlayerRecord::layout(), r);
                else if (id == SectionId::Variable)
                    record = variableRecord(r);
                else
                    record = rawRecord(r);
                current()["records"].push_back(std::move(record));
                return true;
            };
            return e;
        };
        s.terrain = typeEntry(SectionId::Terrain);
        s.room = typeEntry(SectionId::Room);
        s.door = typeEntry(SectionId::Door);
        s.trap = typeEntry(SectionId::Trap);
        s.vorlanSpell = typeEntry(SectionId::VorlanSpell);
        s.creatureSpell = typeEntry(SectionId::CreatureSpell);
        s.creature = typeEntry(SectionId::Creature);
        s.player = typeEntry(SectionId::Player);
        s.variable = typeEntry(SectionId::Variable);
        s.object = typeEntry(SectionId::Object);
        s.effectElement = typeEntry(SectionId::EffectElement);
        s.effect = typeEntry(SectionId::Effect);
        s.shot = typeEntry(SectionId::Shot);

        s.map.header = [this](uint32_t w, uint32_t h) {
            json& m = open(SectionId::Map);
            m["width"] = w;
            m["height"] = h;
            m["elements"] = json::array();
            return true;
        };
        s.map.element = [this](uint32_t, uint32_t, const FlaggedRecord& r) {
            auto b = r.bytes();
            if (b.size() < RecordSize::MapElement)
                return true;
            current()["elements"].push_back(json{{"terrain", b[0]}, {"owner", b[1]}, {"bridgeBase", b[2]}});
            return true;
        };

        s.thing.header = [this](const SectionInfo& info) {
            json& t = open(SectionId::Thing);
            t["info"] = infoJson(info);
            t["items"] = json::array();
            return true;
        };
        auto thingEntry = [this](ThingKind kind) {
            return [this, kind](const FlaggedRecord& r) {
                const RecordLayout* layout = ThingRecords::layout(kind);
                json item = layout ? namedRecord(*layout, r) : rawRecord(r);
                item["kind"] = uint32_t(kind);
                item["name"] = thingKindName(uint32_t(kind));
                current()["items"].push_back(std::move(item));
                return true;
            };
        };
        s.thing.creatureNeutral = thingEntry(ThingKind::CreatureNeutral);
        s.thing.creatureGood = thingEntry(ThingKind::CreatureGood);
        s.thing.creatureEvil = thingEntry(ThingKind::CreatureEvil);
        s.thing.door = thingEntry(ThingKind::Door);
        s.thing.trap = thingEntry(ThingKind::Trap);
        s.thing.object = thingEntry(ThingKind::Object);
        s.thing.actionPoint = thingEntry(ThingKind::ActionPoint);
        s.thing.heroParty = thingEntry(ThingKind::HeroParty);
        s.thing.deadBody = thingEntry(ThingKind::DeadBody);
        s.thing.effectGenerator = thingEntry(ThingKind::EffectGenerator);
        s.thing.room = thingEntry(ThingKind::Room);
        s.thing.plinth = thingEntry(ThingKind::Plinth);
        s.thing.camera = thingEntry(ThingKind::Camera);
        s.thing.unknown = [this](uint32_t kind, std::span<const uint8_t> payload) {
            current()["items"].push_back(
                json{{"kind", kind}, {"name", "Unknown"}, {"size", payload.size()}, {"bytes", hex(payload)}});
            return true;
        };

        s.trigger.header = [this](const TriggerSectionInfo& info) {
            json& t = open(SectionId::Trigger);
            t["info"] = json{{"triggerCount", info.triggerCount},
                             {"actionCount", info.actionCount},
                             {"constant", info.constant},
                             {"created", dateJson(info.created)},
                             {"saved", dateJson(info.saved)}};
            t["items"] = json::array();
            return true;
        };
        auto triggerItem = [this](const char* name, uint32_t id, const RecordLayout& layout) {
            return [this, name, id, &layout](const FlaggedRecord& r) {
                json item = namedRecord(layout, r);
                item["kind"] = id;
                item["name"] = name;
                current()["items"].push_back(std::move(item));
                return true;
            };
        };
        s.trigger.when = triggerItem("Trigger When", kTriggerWhenItem, TriggerWhenRecord::layout());
        s.trigger.action = triggerItem("Trigger Action", kTriggerActionItem, TriggerActionRecord::layout());

        s.level.header = [this](const SectionInfo& info) {
            json& l = open(SectionId::Level);
            l["info"] = json{{"resourceCount", info.levelResourceCount()},
                             {"availableCreatureCount", info.levelAvailableCreatureCount()},
                             {"version", double(info.levelVersion()) / 4096.0},
                             {"created", dateJson(info.created)},
                             {"saved", dateJson(info.saved)}};
            l["resources"] = json::array();
            l["availableCreatures"] = json::array();
            return true;
        };
        s.level.description = [this](const FlaggedRecord& r) {
            current()["description"] = namedRecord(LevelDescriptionRecord::layout(), r);
            return true;
        };
        s.level.resource = [this](const FlaggedRecord& r) {
            auto b = r.bytes();
            current()["resources"].push_back(
                json{{"path", loadText(b.data(), 64)}, {"section", loadU32(b.data() + 64)}});
            return true;
        };
        s.level.availableCreature = [this](const FlaggedRecord& r) {
            current()["availableCreatures"].push_back(loadU32(r.bytes().data()));
            return true;
        };
        return s;
    }

    json take() { return std::move(m_sections); }

private:
    json& open(SectionId id)
    {
        m_sections.push_back(json{{"id", uint32_t(id)}, {"name", sectionName(id)}});
        return m_sections.back();
    }
    json& current() { return m_sections.back(); }

    json m_sections = json::array();
};

} // namespace

bool runDump(const std::string& file, std::ostream& out, Prompter& prompter)
{
    DumpSink dump;
    RecordSink sink = dump.sink();
    bool ok = ReadSectionFile(file, sink, prompter);
    json result{{"file", file}, {"sections", dump.take()}};
    if (!ok)
        result["error"] = true;
    out << result.dump(2) << '\n';
    return ok;
}

} // namespace gr2
