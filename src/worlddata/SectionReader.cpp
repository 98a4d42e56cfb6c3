#include "worlddata/SectionReader.h"

#include "worlddata/ByteOrder.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/DataStream.h"
#include "worlddata/Reporter.h"
#include "worlddata/SectionIds.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace gr2 {

namespace {

constexpr Reporter::Icon kErrorIcon = Reporter::Icon::Exclamation;

/// The messages of one standard record section, in the order the read meets them.
struct TypeSectionMessages {
    const char* shortHeader;   // header block could not be read
    const char* wrongHeaderId; // header block has another id
    const char* shortData;     // data block header could not be read
    const char* wrongDataId;   // data block header has another id
    const char* failedSkip;    // payload could not be skipped
    const char* shortRecord;   // a current-size record could not be read
    const char* shortOldRecord;
};

struct TypeSectionDesc {
    SectionId id;
    TypeSinkEntry RecordSink::*entry;
    int beginNotification; // 0: the section sends none
    TypeSectionMessages messages;
};

// clang-format off
const std::array<TypeSectionDesc, 13> kTypeSections = {{
    {SectionId::Terrain, &RecordSink::terrain, 7,
     {"Unable to read binary Terrain Header", "Expecting a Terrain Header block", "Unable to read binary Terrain",
      "Expecting a Terrain block", "Unable to skip binary Terrain Types", "Unable to read binary Terrain Type",
      "Unable to read old binary Terrain Type"}},
    {SectionId::Room, &RecordSink::room, 11,
     {"Unable to read binary Room Header", "Expecting a Room Header block", "Unable to read binary Room",
      "Expecting a Room block", "Unable to skip binary Room Types", "Unable to read binary Room Type",
      "Unable to read old binary Room Type"}},
    {SectionId::Trap, &RecordSink::trap, 17,
     {"Unable to read binary Trap Header", "Expecting a Trap Header block", "Unable to read binary Trap",
      "Expecting a Trap block", "Unable to skip binary Trap Types", "Unable to read binary Trap Type",
      "Unable to read old binary Trap Type"}},
    {SectionId::Door, &RecordSink::door, 19,
     {"Unable to read binary Door Header", "Expecting a Door Header block", "Unable to read binary Door",
      "Expecting a Door block", "Unable to skip binary Door Types", "Unable to read binary Door Type",
      "Unable to read old binary Door Type"}},
    {SectionId::VorlanSpell, &RecordSink::vorlanSpell, 23,
     {"Unable to read binary Vorlan Spell Header", "Expecting a Vorlan Spell Header block",
      "Unable to read binary Vorlan Spell", "Expecting a Vorlan Spell block", "Unable to skip binary Vorlan Spell Types",
      "Unable to read binary Vorlan Spell Type", "Unable to read old binary Vorlan Spell Type"}},
    {SectionId::CreatureSpell, &RecordSink::creatureSpell, 15,
     {"Unable to read binary Creature Spell Header", "Expecting a Creature Spell Header block",
      "Unable to read binary Creature Spell", "Expecting a Creature Spell block",
      "Unable to skip binary Creature Spell Types", "Unable to read binary Creature Spell Type",
      "Unable to read old binary Creature Spell Type"}},
    {SectionId::Creature, &RecordSink::creature, 13,
     {"Unable to read binary Creature Header", "Expecting a Creature Header block", "Unable to read binary Creature",
      "Expecting a Creature block", "Unable to skip binary Creature Types", "Unable to read binary Creature Type",
      "Unable to read old binary Creature Type"}},
    {SectionId::Player, &RecordSink::player, 25,
     {"Unable to read binary Player Header", "Expecting a Player Header block", "Unable to read binary Player",
      "Expecting a Player block", "Unable to skip binary Players", "Unable to read binary Player",
      "Unable to read old binary Player"}},
    {SectionId::Object, &RecordSink::object, 9,
     {"Unable to read binary Object Header", "Expecting a Object Header block", "Unable to read binary Object",
      "Expecting a Object block", "Unable to skip binary Object Types", "Unable to read binary Object Type",
      "Unable to read old binary Object Type"}},
    {SectionId::EffectElement, &RecordSink::effectElement, 0,
     {"Unable to read binary EffectElement Header", "Expecting a EffectElement Header block",
      "Unable to read binary EffectElement", "Expecting a EffectElement block",
      "Unable to skip binary EffectElement Types", "Unable to read binary Effect Element Type",
      "Unable to read old binary Effect Element Type"}},
    {SectionId::Shot, &RecordSink::shot, 21,
     {"Unable to read binary Shot Header", "Expecting a Shot Header block", "Unable to read binary Shot",
      "Expecting a Shot block", "Unable to skip binary Shot Types", "Unable to read binary Shot Type",
      "Unable to read old binary Shot Type"}},
    {SectionId::Effect, &RecordSink::effect, 0,
     {"Unable to read binary Effect Header", "Expecting a Effect Header block", "Unable to read binary Effect",
      "Expecting a Effect block", "Unable to skip binary Effect Types", "Unable to read binary Effect Type",
      "Unable to read old binary Effect Type"}},
    // The Variable section has one record size; an odd-sized record still reports the plain message.
    {SectionId::Variable, &RecordSink::variable, 0,
     {"Unable to read binary Variable Header", "Expecting a Variable Header block", "Unable to read binary Variable",
      "Expecting a Variable block", "Unable to skip binary Variable Types", "Unable to read binary Variable Type",
      "Unable to read binary Variable Type"}},
}};
// clang-format on

/// One read of one file. The scratch record is reused for every record of the read.
class Reader {
public:
    Reader(DataStream& stream, const RecordSink& sink, Reporter& reporter)
        : m_stream(stream), m_sink(sink), m_reporter(reporter)
    {
    }

    bool readFile();

private:
    bool readSection();
    bool readTypeSection(const TypeSectionDesc& desc);
    bool readMapSection();
    bool readThingSection();
    bool readThingItem(uint32_t kind, uint32_t payload);
    bool readTriggerSection();
    bool readLevelSection();

    void say(const char* text) { m_reporter.message(text, kErrorIcon); }
    bool fail(const char* text)
    {
        say(text);
        return false;
    }
    bool readExact(void* buffer, size_t n) { return m_stream.read(buffer, n) == n; }
    /// Skips n bytes; a skip that would land past the end of the file is a failed skip.
    bool skip(uint64_t n)
    {
        if (n > m_stream.remaining())
            return false;
        uint64_t target = m_stream.tell() + n;
        return m_stream.seek(int64_t(n)) == target;
    }
    /// Reads a record stored with `stored` bytes as a current-size record, left in m_record. A
    /// record stored at its current size or longer is taken where it lies in the file's bytes;
    /// a shorter one is copied into the zeroed scratch record. A stored record longer than the
    /// current layout is cut to the current size and the rest of it skipped, since no part of the
    /// program gives those extra bytes a meaning.
    bool readRecord(uint32_t current, uint64_t stored)
    {
        if (stored >= current) {
            m_record = m_stream.take(current);
            return m_record.size() == current && (stored == current || skip(stored - current));
        }
        m_scratch.assign(current, 0);
        m_record = m_scratch;
        return readExact(m_scratch.data(), size_t(stored));
    }
    bool readBlockHeader(uint32_t& id, uint32_t& length)
    {
        uint8_t b[8];
        if (!readExact(b, 8))
            return false;
        id = loadU32(b);
        length = loadU32(b + 4);
        return true;
    }
    void notify(int code, bool takes)
    {
        if (code && m_sink.notification)
            m_sink.notification(Notification(code), takes);
    }

    DataStream& m_stream;
    const RecordSink& m_sink;
    Reporter& m_reporter;
    Bytes m_scratch;
    std::span<const uint8_t> m_record;
};

bool Reader::readFile()
{
    while (m_stream.tell() < m_stream.size()) {
        if (!readSection()) {
            say("Unable to read Binary File");
            return false;
        }
    }
    return true;
}

bool Reader::readSection()
{
    const uint64_t sectionStart = m_stream.tell();
    uint8_t header[12];
    if (!readExact(header, sizeof header))
        return fail("Unable to read binary File");
    const uint32_t id = loadU32(header);
    const uint32_t total = loadU32(header + 8);

    if (!isKnownSection(id)) {
        say("Unknown Section");
        // A total length that cannot hold its own header, or reaches past the file, would send the
        // reader round the same bytes forever or off the end: both are a failed skip.
        uint64_t end = sectionStart + total;
        if (total < 12 || end > m_stream.size())
            return fail("Unable to skip unknown Binary Section");
        if (m_stream.seek(int64_t(end - m_stream.tell())) != end)
            return fail("Unable to skip unknown Binary Section");
        return true;
    }

    const SectionId section = SectionId(id);
    int begin = 0;
    bool takes = false;
    bool ok = false;
    switch (section) {
    case SectionId::Map:
        begin = 27;
        takes = bool(m_sink.map.row) || bool(m_sink.map.element);
        notify(begin, takes);
        ok = readMapSection();
        break;
    case SectionId::Thing:
        ok = readThingSection();
        break;
    case SectionId::Trigger:
        begin = 29;
        takes = bool(m_sink.trigger.when) || bool(m_sink.trigger.action);
        notify(begin, takes);
        ok = readTriggerSection();
        break;
    case SectionId::Level:
        begin = 31;
        takes = bool(m_sink.level.header);
        notify(begin, takes);
        ok = readLevelSection();
        break;
    default:
        for (const TypeSectionDesc& desc : kTypeSections) {
            if (desc.id != section)
                continue;
            begin = desc.beginNotification;
            takes = bool((m_sink.*desc.entry).record);
            notify(begin, takes);
            ok = readTypeSection(desc);
            break;
        }
        break;
    }
    if (!ok) {
        std::string text = "Unable to read Binary ";
        text += sectionName(section);
        m_reporter.message(text, kErrorIcon);
        return false;
    }
    notify(begin ? begin + 1 : 0, takes);
    return true;
}

bool Reader::readTypeSection(const TypeSectionDesc& desc)
{
    const TypeSectionMessages& msg = desc.messages;
    const TypeSinkEntry& entry = m_sink.*desc.entry;
    const uint32_t current = recordSize(desc.id);

    uint8_t hb[8 + SectionInfo::kSize];
    if (!readExact(hb, sizeof hb))
        return fail(msg.shortHeader);
    if (loadU32(hb) != headerBlockId(desc.id))
        return fail(msg.wrongHeaderId);
    const SectionInfo info = SectionInfo::unpack(hb + 8);
    if (entry.header && !entry.header(info))
        return false;

    uint32_t blockId = 0, payload = 0;
    if (!readBlockHeader(blockId, payload))
        return fail(msg.shortData);
    if (blockId != dataBlockId(desc.id))
        return fail(msg.wrongDataId);

    if (!entry.record) {
        if (!skip(payload))
            return fail(msg.failedSkip);
        return true;
    }
    // Bytes of the block that belong to no record (a block without records, or a length that does
    // not divide by the count) are passed over, so the next section starts where it really does.
    if (info.count == 0) {
        if (!skip(payload))
            return fail(msg.failedSkip);
        return true;
    }

    const uint64_t stored = payload / info.count;
    // A count larger than the payload (a stored size of 0) would hand out zeroed records without
    // end; the section is refused instead.
    if (stored == 0)
        return fail(msg.shortOldRecord);

    // Records are delivered as they are read, so a file cut short keeps every whole record before
    // the cut; the short record is reported as usual.
    for (uint32_t i = 0; i < info.count; ++i) {
        if (!readRecord(current, stored))
            return fail(stored == current ? msg.shortRecord : msg.shortOldRecord);
        FlaggedRecord record(m_record, uint32_t(std::min<uint64_t>(stored, UINT32_MAX)));
        if (!entry.record(record))
            return false;
    }
    if (!skip(payload - stored * info.count))
        return fail(msg.failedSkip);
    return true;
}

bool Reader::readMapSection()
{
    uint8_t hb[16];
    if (!readExact(hb, sizeof hb))
        return fail("Unable to read binary Map Header");
    if (loadU32(hb) != headerBlockId(SectionId::Map))
        return fail("Expecting a Map Header block");
    const uint32_t width = loadU32(hb + 8);
    const uint32_t height = loadU32(hb + 12);
    if (m_sink.map.header && !m_sink.map.header(width, height))
        return false;

    uint32_t blockId = 0, payload = 0;
    if (!readBlockHeader(blockId, payload))
        return fail("Unable to read binary Map");
    if (blockId != dataBlockId(SectionId::Map))
        return fail("Expecting a Map block");
    if (!m_sink.map.row && !m_sink.map.element) {
        if (!skip(payload))
            return fail("Unable to skip binary Map Elements");
        return true;
    }

    // width × height can overflow 32 bits; it must be exactly what the data block holds.
    const uint64_t elements = uint64_t(width) * uint64_t(height);
    if (elements * RecordSize::MapElement != payload || payload > m_stream.remaining())
        return fail("Unable to read binary Map Element(s)");

    // A map without elements has no rows to hand over, however many a zero width would count.
    if (elements == 0)
        return true;
    // The rows are handed over where they lie in the file's bytes: the check above makes every
    // row whole, and no row is longer than the file.
    const size_t rowBytes = size_t(width) * RecordSize::MapElement;
    for (uint32_t y = 0; y < height; ++y) {
        const std::span<const uint8_t> row = m_stream.take(rowBytes);
        if (row.size() != rowBytes)
            return fail("Unable to read binary Map Element(s)");
        if (m_sink.map.row) {
            if (!m_sink.map.row(y, row))
                return false;
            continue;
        }
        for (uint32_t x = 0; x < width; ++x) {
            const FlaggedRecord element(
                row.subspan(size_t(x) * RecordSize::MapElement, RecordSize::MapElement));
            if (!m_sink.map.element(x, y, element))
                return false;
        }
    }
    return true;
}

const RecordEntry* thingEntry(const RecordSink& sink, uint32_t kind)
{
    switch (ThingKind(kind)) {
    case ThingKind::Object:
        return &sink.thing.object;
    case ThingKind::Trap:
        return &sink.thing.trap;
    case ThingKind::Door:
        return &sink.thing.door;
    case ThingKind::ActionPoint:
        return &sink.thing.actionPoint;
    case ThingKind::CreatureNeutral:
        return &sink.thing.creatureNeutral;
    case ThingKind::CreatureGood:
        return &sink.thing.creatureGood;
    case ThingKind::CreatureEvil:
        return &sink.thing.creatureEvil;
    case ThingKind::HeroParty:
        return &sink.thing.heroParty;
    case ThingKind::DeadBody:
        return &sink.thing.deadBody;
    case ThingKind::EffectGenerator:
        return &sink.thing.effectGenerator;
    case ThingKind::Room:
        return &sink.thing.room;
    case ThingKind::Camera:
        return &sink.thing.camera;
    case ThingKind::Plinth:
        return &sink.thing.plinth;
    }
    return nullptr;
}

bool Reader::readThingSection()
{
    uint8_t hb[8 + SectionInfo::kSize];
    if (!readExact(hb, sizeof hb))
        return fail("Unable to read binary Thing Header");
    if (loadU32(hb) != headerBlockId(SectionId::Thing))
        return fail("Expecting a Thing Header block");
    const SectionInfo info = SectionInfo::unpack(hb + 8);
    if (m_sink.thing.header && !m_sink.thing.header(info))
        return false;

    uint32_t blockId = 0, payload = 0;
    if (!readBlockHeader(blockId, payload))
        return fail("Unable to read binary Thing");
    if (blockId != dataBlockId(SectionId::Thing))
        return fail("Expecting a Thing block");

    // Every item consumes at least its 8-byte header, so a huge count ends at the file's end.
    for (uint32_t i = 0; i < info.count; ++i) {
        uint32_t kind = 0, length = 0;
        if (!readBlockHeader(kind, length))
            return fail("Unable to read binary Thing Data Header");
        if (!readThingItem(kind, length)) {
            const char* name = thingKindName(kind);
            std::string text = "Unable to read Thing ";
            text += name ? name : "Unknown";
            m_reporter.message(text, kErrorIcon);
            return false;
        }
    }
    return true;
}

// Converts the three older Hero Party layouts in the scratch area to the current 555 bytes.
void convertOldHeroParty(const Bytes& old, uint32_t stored, Bytes& current)
{
    current.assign(thingRecordSize(uint32_t(ThingKind::HeroParty)), 0);
    std::memcpy(current.data() + 32, old.data(), 2);
    current[34] = old[2];
    const size_t members = stored == HeroPartySize::VeryOld ? 8 : 12;
    std::memcpy(current.data() + 43, old.data() + members, 256);
    if (stored == HeroPartySize::OldNamed)
        std::memcpy(current.data(), old.data() + 268, 32);
}

bool Reader::readThingItem(uint32_t kind, uint32_t payload)
{
    const char* name = thingKindName(kind);
    if (!name) {
        if (!m_sink.thing.unknown)
            return skip(payload);
        // The buffer is never larger than what the file still holds.
        if (payload > m_stream.remaining()) {
            say("Unable to read binary Thing Unknown");
            return false;
        }
        Bytes buffer;
        try {
            buffer.resize(payload);
        } catch (const std::bad_alloc&) {
            say("Unable to allocate memory for Unknown Thing Type load");
            return false;
        }
        if (!readExact(buffer.data(), payload)) {
            say("Unable to read binary Thing Unknown");
            return false;
        }
        return m_sink.thing.unknown(kind, buffer);
    }

    const RecordEntry* entry = thingEntry(m_sink, kind);
    if (!*entry) {
        if (!skip(payload)) {
            say(("Unable to skip binary Thing " + std::string(name)).c_str());
            return false;
        }
        return true;
    }

    const uint32_t current = thingRecordSize(kind);
    std::string readMessage = "Unable to read binary Thing " + std::string(name);
    if (ThingKind(kind) == ThingKind::ActionPoint && payload != current)
        readMessage = "Unable to read old binary Thing Action Point";

    if (ThingKind(kind) == ThingKind::HeroParty) {
        readMessage = payload == HeroPartySize::VeryOld ? "Unable to read very old binary Thing Hero Party"
                                                        : "Unable to read old binary Thing Hero Party";
        if (payload == HeroPartySize::VeryOld || payload == HeroPartySize::Old ||
            payload == HeroPartySize::OldNamed) {
            Bytes old(payload);
            if (!readExact(old.data(), payload)) {
                say(readMessage.c_str());
                return false;
            }
            convertOldHeroParty(old, payload, m_scratch);
            return (*entry)(FlaggedRecord(m_scratch, payload));
        }
    }

    // Every kind is read up to its current size and zero-filled when stored shorter, and the next
    // item starts where this item's stored payload ends.
    if (!readRecord(current, payload)) {
        say(readMessage.c_str());
        return false;
    }
    return (*entry)(FlaggedRecord(m_record, payload));
}

bool Reader::readTriggerSection()
{
    uint8_t hb[8 + TriggerSectionInfo::kSize];
    if (!readExact(hb, sizeof hb))
        return fail("Unable to read binary Trigger Header");
    if (loadU32(hb) != headerBlockId(SectionId::Trigger))
        return fail("Expecting a Trigger Header block");
    const TriggerSectionInfo info = TriggerSectionInfo::unpack(hb + 8);
    if (m_sink.trigger.header && !m_sink.trigger.header(info))
        return false;

    uint32_t blockId = 0, payload = 0;
    if (!readBlockHeader(blockId, payload))
        return fail("Unable to read binary Trigger");
    if (blockId != dataBlockId(SectionId::Trigger))
        return fail("Expecting a Trigger block");

    const uint64_t items = uint64_t(info.triggerCount) + info.actionCount;
    for (uint64_t i = 0; i < items; ++i) {
        uint32_t kind = 0, length = 0;
        if (!readBlockHeader(kind, length))
            return fail("Unable to read binary Trigger Data Header");
        const bool isWhen = kind == kTriggerWhenItem;
        if (!isWhen && kind != kTriggerActionItem) {
            // Files written by the editor hold no other items; one is passed over by its length.
            if (!skip(length))
                return fail("Unable to read binary Trigger Data Header");
            continue;
        }
        const RecordEntry& entry = isWhen ? m_sink.trigger.when : m_sink.trigger.action;
        const char* itemMessage = isWhen ? "Unable to read Trigger When" : "Unable to read Trigger Action";
        bool ok;
        if (!entry) {
            ok = skip(length);
            if (!ok)
                say(isWhen ? "Unable to skip binary Trigger When" : "Unable to skip binary Trigger Action");
        } else {
            ok = readRecord(RecordSize::TriggerItem, length);
            if (!ok)
                say(isWhen ? "Unable to read binary Trigger When" : "Unable to read binary Trigger Action");
            else
                ok = entry(FlaggedRecord(m_record, length));
        }
        if (!ok)
            return fail(itemMessage);
    }
    return true;
}

bool Reader::readLevelSection()
{
    uint8_t hb[8 + SectionInfo::kSize];
    if (!readExact(hb, sizeof hb))
        return fail("Unable to read binary Level Header");
    if (loadU32(hb) != kLevelHeaderBlock)
        return fail("Expecting a Level Header block");
    const SectionInfo info = SectionInfo::unpack(hb + 8);
    if (m_sink.level.header && !m_sink.level.header(info))
        return false;

    uint32_t blockId = 0, length = 0;
    if (!readBlockHeader(blockId, length))
        return fail("Unable to read binary Level Data Header");
    if (blockId != kLevelDescriptionBlock)
        return fail("Expecting a Level Description block");
    // An older description is read into a zeroed current record; a longer one is cut.
    if (!readRecord(RecordSize::LevelDescription, length))
        return fail("Unable to read binary Level Description");
    if (m_sink.level.description && !m_sink.level.description(FlaggedRecord(m_record, length)))
        return false;

    if (!readBlockHeader(blockId, length))
        return fail("Unable to read binary Level");
    if (blockId != kLevelBlock)
        return fail("Expecting a Level block");

    const uint32_t resources = info.levelResourceCount();
    if (!m_sink.level.resource) {
        if (!skip(uint64_t(resources) * RecordSize::LevelResource))
            return fail("Unable to skip binary Level Resources");
    } else {
        for (uint32_t i = 0; i < resources; ++i) {
            if (!readRecord(RecordSize::LevelResource, RecordSize::LevelResource))
                return fail("Unable to read binary Level Resource");
            if (!m_sink.level.resource(FlaggedRecord(m_record)))
                return false;
        }
    }

    const uint32_t creatures = info.levelAvailableCreatureCount();
    if (!m_sink.level.availableCreature) {
        if (!skip(uint64_t(creatures) * RecordSize::AvailableCreature))
            return fail("Unable to skip binary Level Available Creatures");
    } else {
        for (uint32_t i = 0; i < creatures; ++i) {
            if (!readRecord(RecordSize::AvailableCreature, RecordSize::AvailableCreature))
                return fail("Unable to read binary Available Creature");
            if (!m_sink.level.availableCreature(FlaggedRecord(m_record)))
                return false;
        }
    }
    return true;
}

bool hasThreeLetterExtension(const std::string& name)
{
    return name.size() >= 4 && name[name.size() - 4] == '.' &&
           name.find_first_of("\\/", name.size() - 3) == std::string::npos;
}

} // namespace

bool ReadSectionFile(const std::filesystem::path& path, const RecordSink& sink, Reporter& reporter)
{
    DataStream stream;
    // The name as given first; only when that fails is the folder searched for another case.
    const std::filesystem::path resolved = resolveDataPath(path.string());
    bool opened = stream.open(resolved);
    if (!opened) {
        if (auto found = findFileIgnoringCase(resolved))
            opened = stream.open(*found);
    }
    if (!opened) {
        reporter.message(formatMessage("Unable to open Binary File '%s'", path.string()), kErrorIcon);
        return false;
    }
    Reader reader(stream, sink, reporter);
    const bool ok = reader.readFile();
    stream.close();
    return ok;
}

bool ReadSectionBytes(std::vector<uint8_t> bytes, const RecordSink& sink, Reporter& reporter)
{
    DataStream stream;
    stream.openBytes(std::move(bytes));
    Reader reader(stream, sink, reporter);
    return reader.readFile();
}

bool OpenWorldFile(const std::string& name, const RecordSink& sink, Reporter& reporter)
{
    std::string path;
    if (hasThreeLetterExtension(name)) {
        path = name;
    } else {
        static const char* const kCandidates[] = {"VWD", "VLF", "VLD"};
        for (const char* extension : kCandidates) {
            std::string candidate = name + "." + extension;
            std::filesystem::path resolved = resolveDataPath(candidate);
            if (auto found = findFileIgnoringCase(resolved); found && DataStream::canOpen(*found)) {
                path = candidate;
                break;
            }
        }
        if (path.empty()) {
            reporter.message("Cannot open file", kErrorIcon);
            return false;
        }
    }
    if (!endsWithIgnoringCase(path, ".VWD") && !endsWithIgnoringCase(path, ".VLD"))
        return false;
    return ReadSectionFile(path, sink, reporter);
}

} // namespace gr2
