#pragma once
// The field table of the trap record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace TrapField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resources", 32, 84, K::ArtResource, 2},
    {"iconResource", 200, 84, K::ArtResource},
    {"moreResources", 284, 84, K::ArtResource, 2},
    {"height", 452, 4, K::Real},
    {"rechargeTime", 456, 4, K::Real},
    {"chargeTime", 460, 4, K::Real},
    {"threatDuration", 464, 4, K::Real},
    {"manaCostToFire", 468, 4, K::UInt},
    {"idleEffectDelay", 472, 4, K::Real},
    {"triggerData", 476, 4, K::Int},
    {"shotData1", 480, 4, K::Int},
    {"shotData2", 484, 4, K::Int},
    {"value488", 488, 2, K::Int},
    {"threat", 490, 2, K::Int},
    {"flags", 492, 4, K::Flags},
    {"health", 496, 2, K::Int},
    {"manaCost", 498, 2, K::Int},
    {"powerlessEffect", 500, 2, K::Int},
    {"idleEffect", 502, 2, K::Int},
    {"deathEffect", 504, 2, K::Int},
    {"manufactureToBuild", 506, 2, K::Int},
    {"value508", 508, 2, K::Int},
    {"value510", 510, 2, K::Int},
    {"value512", 512, 2, K::Int},
    {"manaUsage", 514, 2, K::Int},
    {"value516", 516, 2, K::Int},
    {"value518", 518, 2, K::Int},
    {"value520", 520, 2, K::Int},
    {"value522", 522, 1, K::UInt},
    {"triggerType", 523, 1, K::UInt},
    {"id", 524, 1, K::UInt},
    {"shotType", 525, 1, K::UInt},
    {"crateObject", 526, 1, K::UInt},
    {"text527", 527, 32, K::Text},
    {"materialType", 559, 1, K::UInt},
    {"value560", 560, 1, K::UInt},
    {"shotOffsetX", 561, 4, K::Real},
    {"shotOffsetY", 565, 4, K::Real},
    {"shotOffsetZ", 569, 4, K::Real},
    {"shotDelay", 573, 4, K::Real},
    {"healthGain", 577, 2, K::Int},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Trap, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 524);
inline constexpr TypeField Flags = named("flags", 492);
inline constexpr TypeField IconResource = named("iconResource", 200);
inline constexpr TypeField ChargeTime = named("chargeTime", 460);
inline constexpr TypeField Health = named("health", 496);
inline constexpr TypeField ManaCost = named("manaCost", 498);
inline constexpr TypeField Value522 = named("value522", 522);
inline constexpr TypeField TriggerType = named("triggerType", 523);
inline constexpr TypeField ShotType = named("shotType", 525);
inline constexpr TypeField CrateObject = named("crateObject", 526);
inline constexpr TypeField ShotOffsetX = named("shotOffsetX", 561);
inline constexpr TypeField ShotOffsetY = named("shotOffsetY", 565);
inline constexpr TypeField ShotOffsetZ = named("shotOffsetZ", 569);
inline constexpr TypeField HealthGain = named("healthGain", 577);
inline constexpr TypeField RechargeTime = named("rechargeTime", 456);
inline constexpr TypeField ManaUsage = named("manaUsage", 514);
inline constexpr TypeField ManaCostToFire = named("manaCostToFire", 468);
inline constexpr TypeField Threat = named("threat", 490);
inline constexpr TypeField ThreatDuration = named("threatDuration", 464);
inline constexpr TypeField IdleEffectDelay = named("idleEffectDelay", 472);
inline constexpr TypeField Height = named("height", 452);
inline constexpr TypeField ManufactureToBuild = named("manufactureToBuild", 506);
inline constexpr TypeField ShotDelay = named("shotDelay", 573);
inline constexpr TypeField MaterialType = named("materialType", 559);
inline constexpr TypeField PowerlessEffect = named("powerlessEffect", 500);
inline constexpr TypeField IdleEffect = named("idleEffect", 502);
inline constexpr TypeField DeathEffect = named("deathEffect", 504);
inline constexpr TypeField ShotData1 = named("shotData1", 480);
inline constexpr TypeField ShotData2 = named("shotData2", 484);
inline constexpr TypeField TriggerData = named("triggerData", 476);

} // namespace TrapField

} // namespace gr2
