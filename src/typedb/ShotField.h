#pragma once
// The field table of the shot record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace ShotField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},           {"resource", 32, 84, K::ArtResource},
    {"light", 116, 24, K::Light},       {"airFriction", 140, 4, K::Real},
    {"mass", 144, 4, K::Real},          {"speed", 148, 4, K::Real},
    {"data1", 152, 4, K::Int},          {"data2", 156, 4, K::Int},
    {"processFlags", 160, 4, K::Flags}, {"radius", 164, 4, K::Real},
    {"flags", 168, 4, K::Flags},        {"generalEffect", 172, 2, K::Int},
    {"creationEffect", 174, 2, K::Int}, {"deathEffect", 176, 2, K::Int},
    {"timedEffect", 178, 2, K::Int},    {"hitEffects", 180, 2, K::Int, 4}, // solid, lava, water, thing
    {"health", 188, 2, K::Int},         {"id", 190, 1, K::UInt},
    {"deathShot", 191, 1, K::UInt},     {"timedDelay", 192, 1, K::UInt},
    {"hitShots", 193, 1, K::UInt, 4}, // solid, lava, water, thing
    {"damageType", 197, 1, K::UInt},    {"collideType", 198, 1, K::UInt},
    {"processType", 199, 1, K::UInt},   {"attackCategory", 200, 1, K::UInt},
    {"text201", 201, 32, K::Text},      {"threat", 233, 2, K::Int},
    {"burnDuration", 235, 4, K::Real},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Shot, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 190);
inline constexpr TypeField Flags = named("flags", 168);
inline constexpr TypeField Light = named("light", 116);
inline constexpr TypeField ProcessFlags = named("processFlags", 160);
inline constexpr TypeField Health = named("health", 188);
inline constexpr TypeField AirFriction = named("airFriction", 140);
inline constexpr TypeField Mass = named("mass", 144);
inline constexpr TypeField Speed = named("speed", 148);
inline constexpr TypeField Data1 = named("data1", 152);
inline constexpr TypeField Data2 = named("data2", 156);
inline constexpr TypeField Radius = named("radius", 164);
inline constexpr TypeField GeneralEffect = named("generalEffect", 172);
inline constexpr TypeField CreationEffect = named("creationEffect", 174);
inline constexpr TypeField DeathEffect = named("deathEffect", 176);
inline constexpr TypeField TimedEffect = named("timedEffect", 178);
/// Solid, lava, water, thing.
inline constexpr TypeField HitEffects = named("hitEffects", 180);
inline constexpr TypeField DeathShot = named("deathShot", 191);
inline constexpr TypeField TimedDelay = named("timedDelay", 192);
/// Solid, lava, water, thing.
inline constexpr TypeField HitShots = named("hitShots", 193);
inline constexpr TypeField DamageType = named("damageType", 197);
inline constexpr TypeField CollideType = named("collideType", 198);
inline constexpr TypeField ProcessType = named("processType", 199);
inline constexpr TypeField AttackCategory = named("attackCategory", 200);
inline constexpr TypeField Threat = named("threat", 233);
inline constexpr TypeField BurnDuration = named("burnDuration", 235);

} // namespace ShotField

} // namespace gr2
