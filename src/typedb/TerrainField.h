#pragma once
// The field table of the terrain record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace TerrainField {

using K = FieldKind;

// Names follow the terrain editor and the stats codes; values that neither names keep their
// offset in the name and are carried as read.
inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resources", 32, 84, K::ArtResource, 4},
    {"light", 368, 24, K::Light},
    {"value392", 392, 4, K::Real},
    {"terrainLightHeight", 396, 4, K::Real},
    {"flags", 400, 4, K::Flags},
    {"damage", 404, 2, K::Int},
    {"iconIndex", 406, 2, K::Int},
    {"value408", 408, 2, K::Int},
    {"goldValue", 410, 2, K::Int},
    {"manaGain", 412, 2, K::Int},
    {"maxManaGain", 414, 2, K::Int},
    {"value416", 416, 2, K::Int},
    {"value418", 418, 2, K::Int},
    {"maxHealthEffect", 420, 2, K::Int},
    {"destroyedEffect", 422, 2, K::Int},
    {"value424", 424, 2, K::Int},
    {"value426", 426, 2, K::Int},
    {"value428", 428, 2, K::Int},
    {"values430", 430, 2, K::Int, 16},
    {"wibbleH", 462, 1, K::UInt},
    {"values463", 463, 1, K::UInt, 3},
    {"wibbleV", 466, 1, K::UInt},
    {"values467", 467, 1, K::UInt, 3},
    {"id", 470, 1, K::UInt},
    {"startingHealth", 471, 2, K::Int},
    {"maxHealthType", 473, 1, K::UInt},
    {"destroyedType", 474, 1, K::UInt},
    {"terrainLightRed", 475, 1, K::UInt},
    {"terrainLightGreen", 476, 1, K::UInt},
    {"terrainLightBlue", 477, 1, K::UInt},
    {"value478", 478, 1, K::UInt},
    {"text479", 479, 32, K::Text},
    {"maxHealth", 511, 2, K::Int},
    {"ambientLightRed", 513, 1, K::UInt},
    {"ambientLightGreen", 514, 1, K::UInt},
    {"ambientLightBlue", 515, 1, K::UInt},
    {"text516", 516, 32, K::Text},
    {"value548", 548, 4, K::Real},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Terrain, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 470);
inline constexpr TypeField Flags = named("flags", 400);
inline constexpr TypeField IconIndex = named("iconIndex", 406);
inline constexpr TypeField GoldValue = named("goldValue", 410);
inline constexpr TypeField StartingHealth = named("startingHealth", 471);
inline constexpr TypeField MaxHealth = named("maxHealth", 511);
inline constexpr TypeField MaxHealthType = named("maxHealthType", 473);
inline constexpr TypeField DestroyedType = named("destroyedType", 474);
inline constexpr TypeField MaxHealthEffect = named("maxHealthEffect", 420);
inline constexpr TypeField DestroyedEffect = named("destroyedEffect", 422);
inline constexpr TypeField Light = named("light", 368);
inline constexpr TypeField TerrainLightHeight = named("terrainLightHeight", 396);
inline constexpr TypeField Damage = named("damage", 404);
inline constexpr TypeField ManaGain = named("manaGain", 412);
inline constexpr TypeField MaxManaGain = named("maxManaGain", 414);
inline constexpr TypeField WibbleH = named("wibbleH", 462);
inline constexpr TypeField WibbleV = named("wibbleV", 466);
inline constexpr TypeField TerrainLightRed = named("terrainLightRed", 475);
inline constexpr TypeField TerrainLightGreen = named("terrainLightGreen", 476);
inline constexpr TypeField TerrainLightBlue = named("terrainLightBlue", 477);
inline constexpr TypeField AmbientLightRed = named("ambientLightRed", 513);
inline constexpr TypeField AmbientLightGreen = named("ambientLightGreen", 514);
inline constexpr TypeField AmbientLightBlue = named("ambientLightBlue", 515);

} // namespace TerrainField

} // namespace gr2
