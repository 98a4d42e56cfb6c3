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

} // namespace EffectElementField

} // namespace gr2
