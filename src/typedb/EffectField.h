#pragma once
// The field table of the effect record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace EffectField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"light", 116, 24, K::Light},
    {"mass", 140, 4, K::Real},
    {"airFriction", 144, 4, K::Real},
    {"elasticity", 148, 4, K::Real},
    {"radius", 152, 4, K::Real},
    {"minSpeedXY", 156, 4, K::Real},
    {"maxSpeedXY", 160, 4, K::Real},
    {"minSpeedYZ", 164, 4, K::Real},
    {"maxSpeedYZ", 168, 4, K::Real},
    {"minScale", 172, 4, K::Real},
    {"maxScale", 176, 4, K::Real},
    {"flags", 180, 4, K::Flags},
    {"id", 184, 2, K::UInt},
    {"minHealth", 186, 2, K::Int},
    {"maxHealth", 188, 2, K::Int},
    {"fadeDuration", 190, 2, K::Int},
    {"nextEffect", 192, 2, K::Int},
    {"deathEffect", 194, 2, K::Int},
    {"hitSolidEffect", 196, 2, K::Int},
    {"hitLavaEffect", 198, 2, K::Int},
    {"hitWaterEffect", 200, 2, K::Int},
    {"elements", 202, 2, K::Int, 8},
    {"generationData", 218, 2, K::Int, 12},
    {"value242", 242, 1, K::UInt},
    {"elementsPerTurn", 243, 1, K::UInt},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Effect, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 184);
inline constexpr TypeField Flags = named("flags", 180);
inline constexpr TypeField Light = named("light", 116);
inline constexpr TypeField Mass = named("mass", 140);
inline constexpr TypeField AirFriction = named("airFriction", 144);
inline constexpr TypeField Elasticity = named("elasticity", 148);
inline constexpr TypeField Radius = named("radius", 152);
inline constexpr TypeField MinSpeedXY = named("minSpeedXY", 156);
inline constexpr TypeField MaxSpeedXY = named("maxSpeedXY", 160);
inline constexpr TypeField MinSpeedYZ = named("minSpeedYZ", 164);
inline constexpr TypeField MaxSpeedYZ = named("maxSpeedYZ", 168);
inline constexpr TypeField MinScale = named("minScale", 172);
inline constexpr TypeField MaxScale = named("maxScale", 176);
inline constexpr TypeField MinHealth = named("minHealth", 186);
inline constexpr TypeField MaxHealth = named("maxHealth", 188);
inline constexpr TypeField FadeDuration = named("fadeDuration", 190);
inline constexpr TypeField NextEffect = named("nextEffect", 192);
inline constexpr TypeField DeathEffect = named("deathEffect", 194);
inline constexpr TypeField HitSolidEffect = named("hitSolidEffect", 196);
inline constexpr TypeField HitLavaEffect = named("hitLavaEffect", 198);
inline constexpr TypeField HitWaterEffect = named("hitWaterEffect", 200);
/// The eight effects or effect elements the effect generates.
inline constexpr TypeField Elements = named("elements", 202);
inline constexpr TypeField GenerationData = named("generationData", 218);
inline constexpr TypeField ElementsPerTurn = named("elementsPerTurn", 243);

} // namespace EffectField

} // namespace gr2
