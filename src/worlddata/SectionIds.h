#pragma once
// Section ids, thing item kinds and the current record sizes of the world-data container.

#include <cstdint>

namespace gr2 {

enum class SectionId : uint32_t {
    Map = 100,
    Terrain = 110,
    Room = 120,
    Trap = 130,
    Door = 140,
    VorlanSpell = 150,
    CreatureSpell = 160,
    Creature = 170,
    Player = 180,
    Thing = 190,
    Trigger = 210,
    Level = 220,
    Variable = 230,
    Object = 240,
    EffectElement = 250,
    Shot = 260,
    Effect = 270,
};

inline uint32_t headerBlockId(SectionId id)
{
    return uint32_t(id) + 1;
}
inline uint32_t dataBlockId(SectionId id)
{
    return uint32_t(id) + 2;
}

/// The name a section has in the reader's messages ("Unable to read Binary Vorlan Spell").
const char* sectionName(SectionId id);
/// Whether the id is one of the seventeen known sections.
bool isKnownSection(uint32_t id);

namespace RecordSize {
inline constexpr uint32_t MapElement = 4;
inline constexpr uint32_t Terrain = 552;
inline constexpr uint32_t Room = 1055;
inline constexpr uint32_t Trap = 579;
inline constexpr uint32_t Door = 616;
inline constexpr uint32_t VorlanSpell = 406;
inline constexpr uint32_t CreatureSpell = 266;
inline constexpr uint32_t Creature = 5537;
inline constexpr uint32_t Player = 205;
inline constexpr uint32_t Variable = 16;
inline constexpr uint32_t Object = 894;
inline constexpr uint32_t EffectElement = 182;
inline constexpr uint32_t Shot = 239;
inline constexpr uint32_t Effect = 246;
inline constexpr uint32_t TriggerItem = 16;
inline constexpr uint32_t LevelDescription = 25683;
inline constexpr uint32_t LevelResource = 72;
inline constexpr uint32_t AvailableCreature = 4;
} // namespace RecordSize

/// The current record size of a standard record section; 0 for Map, Thing, Trigger and Level.
uint32_t recordSize(SectionId id);

enum class ThingKind : uint32_t {
    Object = 194,
    Trap = 195,
    Door = 196,
    ActionPoint = 197,
    CreatureNeutral = 198,
    CreatureGood = 199,
    CreatureEvil = 200,
    HeroParty = 201,
    DeadBody = 202,
    EffectGenerator = 203,
    Room = 204,
    Camera = 205,
    Plinth = 206,
};

/// The current record size of a thing kind; 0 for an unknown kind.
uint32_t thingRecordSize(uint32_t kind);
/// The kind's name in messages ("Creature Neutral"); nullptr for an unknown kind.
const char* thingKindName(uint32_t kind);

// Stored sizes of the older Hero Party layouts.
namespace HeroPartySize {
inline constexpr uint32_t VeryOld = 264;
inline constexpr uint32_t Old = 268;
inline constexpr uint32_t OldNamed = 300;
} // namespace HeroPartySize

inline constexpr uint32_t kTriggerWhenItem = 213;
inline constexpr uint32_t kTriggerActionItem = 214;
inline constexpr uint32_t kLevelHeaderBlock = 221;
inline constexpr uint32_t kLevelBlock = 222;
inline constexpr uint32_t kLevelDescriptionBlock = 223;
/// The level format version written by every save: 3.0 in 20.12 fixed point.
inline constexpr uint32_t kLevelFormatVersion = 0x3000;

} // namespace gr2
