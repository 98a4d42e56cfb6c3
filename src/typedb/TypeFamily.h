#pragma once
// The eleven type families: their section ids, record sizes, field tables and the base names of
// the global type files they are saved to.

#include "worlddata/RecordLayout.h"
#include "worlddata/SectionIds.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace gr2 {

/// In the order of the database's tables (and of the type editors' Config commands).
enum class TypeFamily : uint8_t {
    Terrain,
    Room,
    Creature,
    Door,
    Trap,
    Object,
    VorlanSpell,
    CreatureSpell,
    Shot,
    Effect,
    EffectElement,
};
inline constexpr size_t kTypeFamilyCount = 11;

inline constexpr std::array<TypeFamily, kTypeFamilyCount> kAllTypeFamilies = {
    TypeFamily::Terrain, TypeFamily::Room,   TypeFamily::Creature,      TypeFamily::Door,
    TypeFamily::Trap,    TypeFamily::Object, TypeFamily::VorlanSpell,   TypeFamily::CreatureSpell,
    TypeFamily::Shot,    TypeFamily::Effect, TypeFamily::EffectElement,
};

/// The order in which Save Game Data writes the family files.
inline constexpr std::array<TypeFamily, kTypeFamilyCount> kSaveOrder = {
    TypeFamily::Terrain, TypeFamily::Room,   TypeFamily::Creature,      TypeFamily::Door,
    TypeFamily::Trap,    TypeFamily::Object, TypeFamily::CreatureSpell, TypeFamily::VorlanSpell,
    TypeFamily::Shot,    TypeFamily::Effect, TypeFamily::EffectElement,
};

SectionId sectionOf(TypeFamily family);
std::optional<TypeFamily> familyOfSection(uint32_t sectionId);
uint32_t recordSizeOf(TypeFamily family);
/// The one field table of the family's file record.
const RecordLayout& layoutOf(TypeFamily family);
/// "Terrain", "Rooms", ... "EffectElements": the global file is this name + ".vwd".
const char* fileBaseName(TypeFamily family);
/// A readable family name ("Vorlan Spell").
const char* familyName(TypeFamily family);

} // namespace gr2
