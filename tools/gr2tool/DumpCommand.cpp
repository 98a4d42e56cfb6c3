#include "DumpCommand.h"

#include "app/Prompter.h"
#include "worlddata/SectionIds.h"
#include "worlddata/SectionReader.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace gr2 {

namespace {

using nlohmann::json;

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
    return json{{"count", info.count}, {"constant", info.constant}, {"created", dateJson(info.created)},
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
            e.record = [this](const FlaggedRecord& r) {
                current()["records"].push_back(rawRecord(r));
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
            current()["elements"].push_back(json::array({b[0], b[1], b[2], b[3]}));
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
                json item = rawRecord(r);
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
            current()["items"].push_back(json{{"kind", kind}, {"name", "Unknown"}, {"size", payload.size()},
                                              {"bytes", hex(payload)}});
            return true;
        };

        s.trigger.header = [this](const TriggerSectionInfo& info) {
            json& t = open(SectionId::Trigger);
            t["info"] = json{{"triggerCount", info.triggerCount}, {"actionCount", info.actionCount},
                             {"constant", info.constant}, {"created", dateJson(info.created)},
                             {"saved", dateJson(info.saved)}};
            t["items"] = json::array();
            return true;
        };
        auto triggerItem = [this](const char* name, uint32_t id) {
            return [this, name, id](const FlaggedRecord& r) {
                json item = rawRecord(r);
                item["kind"] = id;
                item["name"] = name;
                current()["items"].push_back(std::move(item));
                return true;
            };
        };
        s.trigger.when = triggerItem("Trigger When", kTriggerWhenItem);
        s.trigger.action = triggerItem("Trigger Action", kTriggerActionItem);

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
            current()["description"] = rawRecord(r);
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
