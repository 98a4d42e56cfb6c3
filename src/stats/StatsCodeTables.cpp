#include "stats/StatsCodeTables.h"

#include "stats/LightDescriptor.h"
#include "typedb/CTypeRecord.h"

#include <array>

namespace gr2 {

const char* const kInvalidWorldVariableMessage = "Invalid World Variable Field [ ID %d ]";

namespace {

using A = StatsApply;
using R = StatsRecord;

constexpr StatsPlace at(uint32_t offset)
{
    return {R::Type, offset, -1};
}
constexpr StatsPlace floorAt(uint32_t offset)
{
    return {R::FloorTerrain, offset, -1};
}
constexpr StatsPlace lightAt(uint32_t light, uint32_t part)
{
    return {R::Type, light, int16_t(part)};
}

constexpr StatsCode value(uint16_t code, StatsPlace place)
{
    return {code, A::Value, place};
}
constexpr StatsCode value(uint16_t code, uint32_t offset)
{
    return value(code, at(offset));
}
constexpr StatsCode flag(uint16_t code, StatsPlace flags, int bit, int clears = -1)
{
    return {code, A::Flag, flags, int8_t(bit), {}, int8_t(clears)};
}
constexpr StatsCode colour(uint16_t code, StatsPlace byte, StatsPlace flags, int ninthBit)
{
    return {code, A::Colour, byte, int8_t(ninthBit), flags};
}
constexpr StatsCode word(uint16_t code, uint32_t offset, std::span<const StatsWord> words)
{
    return {code, A::Word, at(offset), -1, {}, -1, words};
}
constexpr StatsCode ignored(uint16_t code)
{
    return {code, A::Ignored};
}

// Flags words and light descriptors of the records, by offset.
constexpr uint32_t kTerrainFlags = 400;
constexpr uint32_t kRoomFlags = 880;
constexpr uint32_t kTrapFlags = 492;
constexpr uint32_t kCreatureFlags1 = 3836;
constexpr uint32_t kObjectLight = 788;
constexpr uint32_t kCreatureLight = 3476;

// Terrain colours: the first colour's ninth bits are flags bits 19-21, the second's 25-27.
constexpr StatsCode kTerrainCodes[] = {
    value(1, 511),
    value(2, 471),
    value(3, 410),
    colour(4, at(475), at(kTerrainFlags), 19),
    colour(5, at(476), at(kTerrainFlags), 20),
    colour(6, at(477), at(kTerrainFlags), 21),
    value(7, 396),
    flag(8, at(kTerrainFlags), 6),
    value(10, 414),
    value(11, 412),
    colour(12, at(513), at(kTerrainFlags), 25),
    colour(13, at(514), at(kTerrainFlags), 26),
    colour(14, at(515), at(kTerrainFlags), 27),
    flag(15, at(kTerrainFlags), 28),
    flag(16, at(kTerrainFlags), 29),
    value(17, 404),
    flag(18, at(kTerrainFlags), 24),
    value(19, 548),
};

constexpr StatsCode kRoomCodes[] = {
    value(1, 888),
    value(2, floorAt(511)),
    value(3, floorAt(471)),
    flag(4, at(kRoomFlags), 2),
    flag(5, at(kRoomFlags), 0),
    flag(6, at(kRoomFlags), 1),
    flag(7, floorAt(kTerrainFlags), 5),
    colour(8, floorAt(475), floorAt(kTerrainFlags), 19),
    colour(9, floorAt(476), floorAt(kTerrainFlags), 20),
    colour(10, floorAt(477), floorAt(kTerrainFlags), 21),
    value(11, floorAt(396)),
    colour(12, at(919), at(kRoomFlags), 9),
    colour(13, at(920), at(kRoomFlags), 10),
    colour(14, at(921), at(kRoomFlags), 11),
    value(15, 896), // 4.12 in sixteen bits: the value × 4096, held to what sixteen bits take
    flag(16, floorAt(kTerrainFlags), 28),
    flag(17, floorAt(kTerrainFlags), 29),
    colour(18, floorAt(513), floorAt(kTerrainFlags), 25),
    colour(19, floorAt(514), floorAt(kTerrainFlags), 26),
    colour(20, floorAt(515), floorAt(kTerrainFlags), 27),
    value(21, 878),
    value(22, 963),
    value(23, floorAt(548)),
    value(24, 1053),
};

constexpr StatsCode kDoorCodes[] = {
    value(1, 558), value(2, 556), value(3, 566), value(4, 564), value(5, 551), value(6, 540),
};

constexpr StatsWord kTrapTriggerWords[] = {{"Line Of Sight", 1}, {"Pressure", 2}, {"Trigger", 3}};

constexpr StatsCode kTrapCodes[] = {
    value(1, 496),
    value(2, 460),
    value(3, 498),
    value(4, 456),
    value(5, 514),
    value(6, 468),
    value(7, 464),
    value(8, 522),
    value(9, 506),
    value(10, 480),
    word(11, 523, kTrapTriggerWords),
    value(12, 476),
    flag(13, at(kTrapFlags), 1),
    flag(14, at(kTrapFlags), 2),
    flag(15, at(kTrapFlags), 3),
    flag(16, at(kTrapFlags), 4),
    flag(17, at(kTrapFlags), 5),
    flag(18, at(kTrapFlags), 10),
    value(19, 490),
    value(20, 484),
    value(21, 577),
    ignored(22),
    value(23, 573),
    value(24, 561),
    value(25, 565),
    value(26, 569),
};

constexpr StatsCode kObjectCodes[] = {
    value(1, 840),
    value(2, lightAt(kObjectLight, LightPart::X)),
    value(3, lightAt(kObjectLight, LightPart::Y)),
    value(4, lightAt(kObjectLight, LightPart::Z)),
    value(5, lightAt(kObjectLight, LightPart::Radius)),
    colour(6, lightAt(kObjectLight, LightPart::Red), lightAt(kObjectLight, LightPart::Flags),
           LightFlag::RedNinthBit),
    colour(7, lightAt(kObjectLight, LightPart::Green), lightAt(kObjectLight, LightPart::Flags),
           LightFlag::GreenNinthBit),
    colour(8, lightAt(kObjectLight, LightPart::Blue), lightAt(kObjectLight, LightPart::Flags),
           LightFlag::BlueNinthBit),
    flag(9, lightAt(kObjectLight, LightPart::Flags), LightFlag::Flicker),
    flag(10, lightAt(kObjectLight, LightPart::Flags), LightFlag::Pulse),
    flag(11, lightAt(kObjectLight, LightPart::Flags), LightFlag::PlayerColoured),
};

constexpr StatsCode kCreatureSpellCodes[] = {value(1, 200), value(2, 204), ignored(3), ignored(4)};

constexpr StatsWord kCastRuleWords[] = {
    {"Own Land", 1}, {"Own/Neutral Land", 2}, {"Enemy Land", 3}, {"Any Land", 4}, {"Anywhere", 5},
};
constexpr StatsWord kTargetRuleWords[] = {
    {"Own Creature", 1}, {"Enemy Creature", 2}, {"All Creatures", 3}, {"Land", 4},
    {"All", 5},          {"Possession", 6},
};

constexpr StatsCode kVorlanSpellCodes[] = {
    value(1, 284),
    value(2, 226),
    value(3, 204),
    word(4, 239, kCastRuleWords),
    value(5, 208),
    value(6, 212),
    word(7, 218, kTargetRuleWords),
    value(8, 276),
    value(9, 280),
    value(10, 216),
    value(11, 273),
};

constexpr StatsWord kFightStyleWords[] = {
    {"Non-Fighter", 0}, {"Blitzer", 1}, {"Blocker", 2}, {"Flanker", 3}, {"Support", 4},
};
constexpr StatsWord kJobClassWords[] = {{"Artisan", 0}, {"Thinker", 1}, {"Fighter", 2}, {"Scout", 3}};

constexpr StatsCode kCreatureCodes[] = {
    value(1, 3852),
    value(2, 3832),
    value(3, 3820),
    value(4, 3860),
    word(5, 3843, kFightStyleWords),
    word(6, 3842, kJobClassWords),
    value(7, 3764),
    value(8, 3768),
    value(9, 3856),
    value(10, 3858),
    value(11, 3840),
    value(12, 3844),
    value(13, 3846),
    value(14, 3848),
    value(15, 3850),
    value(16, 3868),
    value(17, 3870),
    value(18, 3828),
    value(19, 3892),
    value(20, 3752),
    value(21, 3864),
    value(22, 3816),
    ignored(23), // a value the creature record has no place for
    value(24, 3923),
    value(25, 3916),
    value(26, 3917),
    value(27, 3872),
    value(28, 3784),
    value(29, 3788),
    value(30, 3862),
    ignored(31),
    value(32, 3772),
    value(33, 3918),
    value(34, 3854),
    {35, A::Hundredths, at(3756)},
    value(36, 3776),
    value(37, 3780),
    value(38, 3919),
    value(39, 3874),
    value(40, 3921),
    value(41, 3880),
    value(42, 3882),
    value(43, 3884),
    value(44, 3886),
    value(45, 3888),
    flag(46, at(kCreatureFlags1), 13),
    flag(47, at(kCreatureFlags1), 17),
    flag(48, at(kCreatureFlags1), 18),
    flag(49, at(kCreatureFlags1), 5),
    flag(50, at(kCreatureFlags1), 4),
    flag(51, at(kCreatureFlags1), 16),
    flag(52, at(kCreatureFlags1), 6),
    flag(53, at(kCreatureFlags1), 10),
    ignored(54),
    ignored(55),
    ignored(56),
    flag(57, at(kCreatureFlags1), 1),
    flag(58, at(kCreatureFlags1), 2),
    flag(59, at(kCreatureFlags1), 7, 8), // evil and good exclude each other
    flag(60, at(kCreatureFlags1), 8, 7),
    flag(61, at(kCreatureFlags1), 9),
    ignored(62),
    flag(63, at(kCreatureFlags1), 15),
    ignored(64),
    value(65, 3812),
    value(66, 3804),
    flag(67, at(kCreatureFlags1), 0),
    value(68, 3818),
    value(69, 3890),
    value(70, 4043),
    value(71, lightAt(kCreatureLight, LightPart::X)),
    value(72, lightAt(kCreatureLight, LightPart::Y)),
    value(73, lightAt(kCreatureLight, LightPart::Z)),
    value(74, lightAt(kCreatureLight, LightPart::Radius)),
    colour(75, lightAt(kCreatureLight, LightPart::Red), lightAt(kCreatureLight, LightPart::Flags),
           LightFlag::RedNinthBit),
    colour(76, lightAt(kCreatureLight, LightPart::Green), lightAt(kCreatureLight, LightPart::Flags),
           LightFlag::GreenNinthBit),
    colour(77, lightAt(kCreatureLight, LightPart::Blue), lightAt(kCreatureLight, LightPart::Flags),
           LightFlag::BlueNinthBit),
    flag(78, lightAt(kCreatureLight, LightPart::Flags), LightFlag::Flicker),
    flag(79, lightAt(kCreatureLight, LightPart::Flags), LightFlag::Pulse),
    flag(80, lightAt(kCreatureLight, LightPart::Flags), LightFlag::PlayerColoured),
    value(81, 4219),
    value(82, 4223),
    value(83, 4225),
    value(84, 4045),
    value(85, 3329),
    value(86, 3540),
    value(87, 3524),
    value(88, 3528),
    value(89, 3532),
    value(90, 3564),
    value(91, 3548),
    value(92, 3552),
    value(93, 3556),
    value(94, 3588),
    value(95, 3572),
    value(96, 3576),
    value(97, 3580),
    value(98, 3321),
    flag(99, at(kCreatureFlags1), 25),
    flag(100, at(kCreatureFlags1), 26),
};

// Longer names that contain shorter ones would have to come first; none of these do.
const StatsSectionInfo kSections[] = {
    {StatsSection::WorldVariables, "WORLD VARIABLES", std::nullopt, kInvalidWorldVariableMessage, {}},
    {StatsSection::Terrain, "TERRAIN", TypeFamily::Terrain, "Invalid Field - Terrain [ Type ID %d [ %s ] ]",
     kTerrainCodes},
    {StatsSection::Rooms, "ROOMS", TypeFamily::Room, "Invalid Field - Room [ Type ID %d [ %s ] ]",
     kRoomCodes},
    {StatsSection::Creatures, "CREATURES", TypeFamily::Creature,
     "Invalid Field - Creature [ Type ID %d [ %s ] ]", kCreatureCodes},
    {StatsSection::Doors, "DOORS", TypeFamily::Door, "Invalid Field - Door [ Type ID %d [ %s ] ]",
     kDoorCodes},
    {StatsSection::Traps, "TRAPS", TypeFamily::Trap, "Invalid Field - Trap [ Type ID %d [ %s ] ]",
     kTrapCodes},
    {StatsSection::Objects, "OBJECTS", TypeFamily::Object, "Invalid Field - Object [ Type ID %d [ %s ] ]",
     kObjectCodes},
    {StatsSection::CreatureSpells, "CREATURE SPELLS", TypeFamily::CreatureSpell,
     "Invalid Field - Creature Spell [ Type ID %d [ %s ] ]", kCreatureSpellCodes},
    {StatsSection::VorlanSpells, "VORLAN SPELLS", TypeFamily::VorlanSpell,
     "Invalid Field - Vorlan Spell [ Type ID %d [ %s ] ]", kVorlanSpellCodes},
    {StatsSection::CameraModes, "CAMERA MODES", std::nullopt, "", {}},
};

struct ExperienceStat {
    uint16_t code;
    uint8_t stat;
};

constexpr ExperienceStat kExperienceStats[] = {
    {1, 1},   {2, 31},  {4, 4},  {7, 21}, {8, 22},  {9, 2},   {10, 3},  {11, 13}, {12, 15}, {13, 16},
    {14, 17}, {15, 18}, {16, 5}, {17, 6}, {18, 24}, {25, 12}, {29, 30}, {65, 26}, {84, 29},
};

} // namespace

std::span<const StatsSectionInfo> statsSections()
{
    return kSections;
}

const StatsSectionInfo& statsSection(StatsSection section)
{
    for (const StatsSectionInfo& s : kSections)
        if (s.section == section)
            return s;
    return kSections[0];
}

const StatsCode* findStatsCode(const StatsSectionInfo& section, int64_t code)
{
    for (const StatsCode& c : section.codes)
        if (c.code == code)
            return &c;
    return nullptr;
}

std::optional<FieldDef> resolveStatsPlace(const RecordLayout& layout, const StatsPlace& place)
{
    const std::optional<FieldRef> ref = findFieldAt(layout, place.offset);
    if (!ref)
        return std::nullopt;
    const FieldDef& f = *ref->field;
    const uint32_t start = f.elementOffset(ref->element);
    if (place.lightPart < 0)
        return FieldDef{f.name, start, f.width, f.kind, 1};
    if (f.kind != FieldKind::Light)
        return std::nullopt;
    const std::optional<FieldRef> part = findFieldAt(lightDescriptorLayout(), uint32_t(place.lightPart));
    if (!part)
        return std::nullopt;
    const FieldDef& p = *part->field;
    return FieldDef{p.name, start + p.elementOffset(part->element), p.width, p.kind, 1};
}

std::optional<size_t> experienceStatForCode(int64_t code)
{
    for (const ExperienceStat& e : kExperienceStats)
        if (e.code == code)
            return e.stat;
    return std::nullopt;
}

} // namespace gr2
