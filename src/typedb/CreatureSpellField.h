#pragma once
// The field table of the creature spell record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace CreatureSpellField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"iconResource", 32, 84, K::ArtResource},
    {"resource", 116, 84, K::ArtResource},
    {"shotData1", 200, 4, K::Int},
    {"shotData2", 204, 4, K::Int},
    {"range", 208, 4, K::Real},
    {"flags", 212, 4, K::Flags},
    {"values216", 216, 2, K::Int, 7},
    {"id", 230, 1, K::UInt},
    {"shotType", 231, 1, K::UInt},
    {"value232", 232, 1, K::UInt},
    {"value233", 233, 1, K::UInt},
    {"rechargeTime", 234, 4, K::Real},
    {"creatureEffect", 238, 1, K::UInt},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::CreatureSpell, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 230);
inline constexpr TypeField Flags = named("flags", 212);
inline constexpr TypeField IconResource = named("iconResource", 32);
inline constexpr TypeField ShotData1 = named("shotData1", 200);
inline constexpr TypeField ShotType = named("shotType", 231);
inline constexpr TypeField ShotData2 = named("shotData2", 204);
inline constexpr TypeField Range = named("range", 208);
inline constexpr TypeField RechargeTime = named("rechargeTime", 234);
inline constexpr TypeField CreatureEffect = named("creatureEffect", 238);

} // namespace CreatureSpellField

} // namespace gr2
