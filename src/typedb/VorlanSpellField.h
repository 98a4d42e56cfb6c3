#pragma once
// The field table of the Vorlan spell record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace VorlanSpellField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"iconResource", 116, 84, K::ArtResource},
    {"value200", 200, 4, K::UInt},
    {"rechargeTime", 204, 4, K::Real},
    {"shotData1", 208, 4, K::Int},
    {"shotData2", 212, 4, K::Int},
    {"researchTime", 216, 2, K::Int},
    {"targetRule", 218, 1, K::UInt},
    {"value219", 219, 1, K::UInt},
    {"flags", 220, 4, K::Flags},
    {"manaDrain", 226, 2, K::Int},
    {"values228", 228, 2, K::Int, 5},
    {"id", 238, 1, K::UInt},
    {"castRule", 239, 1, K::UInt},
    {"shotType", 240, 1, K::UInt},
    {"text241", 241, 32, K::Text},
    {"bonusRechargeTime", 273, 2, K::Int},
    {"bonusShotType", 275, 1, K::UInt},
    {"bonusShotData1", 276, 4, K::Int},
    {"bonusShotData2", 280, 4, K::Int},
    {"manaCost", 284, 4, K::UInt},
    {"resource288", 288, 84, K::ArtResource},
    {"text372", 372, 32, K::Text},
    {"handAnimation", 404, 1, K::UInt},
    {"noGoHandAnimation", 405, 1, K::UInt},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::VorlanSpell, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 238);
inline constexpr TypeField Flags = named("flags", 220);
inline constexpr TypeField IconResource = named("iconResource", 116);
inline constexpr TypeField TargetRule = named("targetRule", 218);
inline constexpr TypeField CastRule = named("castRule", 239);
inline constexpr TypeField ManaCost = named("manaCost", 284);
inline constexpr TypeField ShotType = named("shotType", 240);
inline constexpr TypeField RechargeTime = named("rechargeTime", 204);
inline constexpr TypeField ShotData1 = named("shotData1", 208);
inline constexpr TypeField ShotData2 = named("shotData2", 212);
inline constexpr TypeField ManaDrain = named("manaDrain", 226);
inline constexpr TypeField BonusRechargeTime = named("bonusRechargeTime", 273);
inline constexpr TypeField BonusShotType = named("bonusShotType", 275);
inline constexpr TypeField BonusShotData1 = named("bonusShotData1", 276);
inline constexpr TypeField BonusShotData2 = named("bonusShotData2", 280);
inline constexpr TypeField HandAnimation = named("handAnimation", 404);
inline constexpr TypeField NoGoHandAnimation = named("noGoHandAnimation", 405);

} // namespace VorlanSpellField

} // namespace gr2
