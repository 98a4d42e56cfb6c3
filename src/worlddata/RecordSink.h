#pragma once
// The table of callbacks the reader hands records to. An empty entry means the caller does not
// take that kind, and the reader skips it. Each callback returns true to go on and false to stop
// the whole read. Records and headers are valid only during the call; the sink copies what it
// keeps. What a caller would pass as a "user value" is captured state of its callbacks.

#include "worlddata/RecordLayout.h"
#include "worlddata/SectionInfo.h"

#include <cstdint>
#include <functional>
#include <span>

namespace gr2 {

/// Sent before a section (odd begin code) and after it was read completely (even end code).
enum class Notification : int {
    TerrainBegin = 7,
    TerrainEnd = 8,
    ObjectBegin = 9,
    ObjectEnd = 10,
    RoomBegin = 11,
    RoomEnd = 12,
    CreatureBegin = 13,
    CreatureEnd = 14,
    CreatureSpellBegin = 15,
    CreatureSpellEnd = 16,
    TrapBegin = 17,
    TrapEnd = 18,
    DoorBegin = 19,
    DoorEnd = 20,
    ShotBegin = 21,
    ShotEnd = 22,
    VorlanSpellBegin = 23,
    VorlanSpellEnd = 24,
    PlayerBegin = 25,
    PlayerEnd = 26,
    MapBegin = 27,
    MapEnd = 28,
    TriggerBegin = 29,
    TriggerEnd = 30,
    LevelBegin = 31,
    LevelEnd = 32,
};

using HeaderEntry = std::function<bool(const SectionInfo&)>;
using RecordEntry = std::function<bool(const FlaggedRecord&)>;

struct TypeSinkEntry {
    HeaderEntry header;
    RecordEntry record;
};

struct RecordSink {
    /// Code and whether the sink takes that section's records.
    std::function<void(Notification, bool)> notification;

    TypeSinkEntry terrain;
    struct {
        std::function<bool(uint32_t width, uint32_t height)> header;
        /// One whole row of the map: `width` elements of RecordSize::MapElement bytes each, rows
        /// top to bottom. When set it is used instead of `element`: a map is most of a level's
        /// records, and one call per row keeps opening a large level close to reading its bytes.
        std::function<bool(uint32_t y, std::span<const uint8_t> elements)> row;
        std::function<bool(uint32_t x, uint32_t y, const FlaggedRecord&)> element;
    } map;
    TypeSinkEntry room;
    TypeSinkEntry door;
    TypeSinkEntry trap;
    TypeSinkEntry vorlanSpell;
    TypeSinkEntry creatureSpell;
    TypeSinkEntry creature;
    TypeSinkEntry player;
    struct {
        HeaderEntry header;
        RecordEntry creatureNeutral;
        RecordEntry creatureGood;
        RecordEntry creatureEvil;
        RecordEntry door;
        RecordEntry trap;
        RecordEntry object;
        RecordEntry actionPoint;
        RecordEntry heroParty;
        RecordEntry deadBody;
        RecordEntry effectGenerator;
        RecordEntry room;
        RecordEntry plinth;
        RecordEntry camera;
        /// An item of a kind the reader does not know: its id and raw payload.
        std::function<bool(uint32_t kind, std::span<const uint8_t> payload)> unknown;
    } thing;
    struct {
        std::function<bool(const TriggerSectionInfo&)> header;
        RecordEntry when;   ///< trigger-condition items (213)
        RecordEntry action; ///< action items (214)
    } trigger;
    struct {
        HeaderEntry header;
        RecordEntry description;
        RecordEntry resource;
        RecordEntry availableCreature;
    } level;
    TypeSinkEntry variable;
    TypeSinkEntry object;
    TypeSinkEntry effectElement;
    TypeSinkEntry effect;
    TypeSinkEntry shot;
};

} // namespace gr2
