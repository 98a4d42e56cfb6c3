#pragma once
// The field table of the door record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace DoorField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resources", 32, 84, K::ArtResource, 2},
    {"iconResource", 200, 84, K::ArtResource},
    {"moreResources", 284, 84, K::ArtResource, 3},
    {"height", 536, 4, K::Real},
    {"healthGain", 540, 2, K::Int},
    {"value548", 548, 2, K::Int},
    {"materialType", 550, 1, K::UInt},
    {"trapType", 551, 1, K::UInt},
    {"flags", 552, 4, K::Flags},
    {"health", 556, 2, K::Int},
    {"goldCost", 558, 2, K::Int},
    {"deathEffect", 562, 2, K::Int},
    {"manufactureToBuild", 564, 2, K::Int},
    {"value566", 566, 2, K::Int},
    {"manaCost", 568, 2, K::Int},
    {"value570", 570, 2, K::Int},
    {"value572", 572, 2, K::Int},
    {"value574", 574, 2, K::Int},
    {"value576", 576, 2, K::Int},
    {"value578", 578, 2, K::Int},
    {"id", 580, 1, K::UInt},
    {"value581", 581, 1, K::UInt},
    {"crateObject", 582, 1, K::UInt},
    {"keyObject", 583, 1, K::UInt},
    {"text584", 584, 32, K::Text},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Door, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 580);
inline constexpr TypeField Flags = named("flags", 552);
inline constexpr TypeField IconResource = named("iconResource", 200);
inline constexpr TypeField Health = named("health", 556);
inline constexpr TypeField GoldCost = named("goldCost", 558);
inline constexpr TypeField ManaCost = named("manaCost", 568);
inline constexpr TypeField CrateObject = named("crateObject", 582);
inline constexpr TypeField HealthGain = named("healthGain", 540);
inline constexpr TypeField Height = named("height", 536);
inline constexpr TypeField ManufactureToBuild = named("manufactureToBuild", 564);
inline constexpr TypeField MaterialType = named("materialType", 550);
inline constexpr TypeField KeyObject = named("keyObject", 583);
inline constexpr TypeField DeathEffect = named("deathEffect", 562);

} // namespace DoorField

} // namespace gr2
