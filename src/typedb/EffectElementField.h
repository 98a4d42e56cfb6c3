#pragma once
// The field table of the effect element record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace EffectElementField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"mass", 116, 4, K::Real},
    {"airFriction", 120, 4, K::Real},
    {"elasticity", 124, 4, K::Real},
    {"minSpeedXY", 128, 4, K::Real},
    {"maxSpeedXY", 132, 4, K::Real},
    {"minSpeedYZ", 136, 4, K::Real},
    {"maxSpeedYZ", 140, 4, K::Real},
    {"minScale", 144, 4, K::Real},
    {"maxScale", 148, 4, K::Real},
    {"scaleRatio", 152, 4, K::Real},
    {"flags", 156, 4, K::Flags},
    {"id", 160, 2, K::UInt},
    {"minHealth", 162, 2, K::Int},
    {"maxHealth", 164, 2, K::Int},
    {"deathElement", 166, 2, K::Int},
    {"hitSolidElement", 168, 2, K::Int},
    {"hitWaterElement", 170, 2, K::Int},
    {"hitLavaElement", 172, 2, K::Int},
    {"red", 174, 1, K::UInt},
    {"green", 175, 1, K::UInt},
    {"blue", 176, 1, K::UInt},
    {"randomColourIndex", 177, 1, K::UInt},
    {"tableColourIndex", 178, 1, K::UInt},
    {"fadePercentage", 179, 1, K::UInt},
    {"nextEffect", 180, 2, K::Int},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::EffectElement, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 160);
inline constexpr TypeField Flags = named("flags", 156);
inline constexpr TypeField Mass = named("mass", 116);
inline constexpr TypeField AirFriction = named("airFriction", 120);
inline constexpr TypeField Elasticity = named("elasticity", 124);
inline constexpr TypeField MinSpeedXY = named("minSpeedXY", 128);
inline constexpr TypeField MaxSpeedXY = named("maxSpeedXY", 132);
inline constexpr TypeField MinSpeedYZ = named("minSpeedYZ", 136);
inline constexpr TypeField MaxSpeedYZ = named("maxSpeedYZ", 140);
inline constexpr TypeField MinScale = named("minScale", 144);
inline constexpr TypeField MaxScale = named("maxScale", 148);
inline constexpr TypeField ScaleRatio = named("scaleRatio", 152);
inline constexpr TypeField MinHealth = named("minHealth", 162);
inline constexpr TypeField MaxHealth = named("maxHealth", 164);
inline constexpr TypeField DeathElement = named("deathElement", 166);
inline constexpr TypeField HitSolidElement = named("hitSolidElement", 168);
inline constexpr TypeField HitWaterElement = named("hitWaterElement", 170);
inline constexpr TypeField HitLavaElement = named("hitLavaElement", 172);
inline constexpr TypeField Red = named("red", 174);
inline constexpr TypeField Green = named("green", 175);
inline constexpr TypeField Blue = named("blue", 176);
inline constexpr TypeField RandomColourIndex = named("randomColourIndex", 177);
inline constexpr TypeField TableColourIndex = named("tableColourIndex", 178);
inline constexpr TypeField FadePercentage = named("fadePercentage", 179);
inline constexpr TypeField NextEffect = named("nextEffect", 180);

} // namespace EffectElementField

} // namespace gr2
