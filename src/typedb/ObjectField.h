#pragma once
// The field table of the object record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace ObjectField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resources", 32, 84, K::ArtResource, 2},
    {"iconResource", 200, 84, K::ArtResource},
    {"moreResources", 284, 84, K::ArtResource, 6},
    {"light", 788, 24, K::Light},
    {"width", 812, 4, K::Real},
    {"height", 816, 4, K::Real},
    {"mass", 820, 4, K::Real},
    {"value824", 824, 4, K::UInt},
    {"value828", 828, 4, K::UInt},
    {"materialType", 832, 1, K::UInt},
    {"flags", 836, 4, K::Flags},
    {"health", 840, 2, K::Int},
    {"value842", 842, 2, K::Int},
    {"values844", 844, 2, K::Int, 4},
    {"slapEffect", 852, 2, K::Int},
    {"deathEffect", 854, 2, K::Int},
    {"value856", 856, 2, K::Int},
    {"id", 858, 1, K::UInt},
    {"value859", 859, 1, K::UInt},
    {"roomCapacity", 860, 1, K::UInt},
    {"value861", 861, 1, K::UInt},
    {"text862", 862, 32, K::Text},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Object, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 858);
inline constexpr TypeField Flags = named("flags", 836);
inline constexpr TypeField IconResource = named("iconResource", 200);
inline constexpr TypeField Light = named("light", 788);
inline constexpr TypeField Health = named("health", 840);
inline constexpr TypeField Width = named("width", 812);
inline constexpr TypeField Height = named("height", 816);
inline constexpr TypeField Mass = named("mass", 820);
inline constexpr TypeField RoomCapacity = named("roomCapacity", 860);
inline constexpr TypeField SlapEffect = named("slapEffect", 852);
inline constexpr TypeField DeathEffect = named("deathEffect", 854);
inline constexpr TypeField MaterialType = named("materialType", 832);

} // namespace ObjectField

} // namespace gr2
