#pragma once
// The field table of the room record and the handles code and editors name its fields by.

#include "typedb/TypeField.h"

namespace gr2 {

namespace RoomField {

using K = FieldKind;

inline constexpr FieldDef kTable[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"iconResource", 116, 84, K::ArtResource},
    {"resources", 200, 84, K::ArtResource, 7},
    {"resource788", 788, 84, K::ArtResource},
    {"ceilingHeight", 872, 4, K::Real},
    {"value876", 876, 2, K::Int},
    {"torchIntensity", 878, 1, K::UInt},
    {"flags", 880, 4, K::Flags},
    {"value884", 884, 2, K::Int},
    {"value886", 886, 2, K::Int},
    {"cost", 888, 2, K::Int},
    {"fightEffect", 890, 2, K::Int},
    {"value892", 892, 2, K::Int},
    {"value894", 894, 2, K::Int},
    {"torchHeight", 896, 2, K::Real}, // 4.12 in sixteen bits
    {"effects", 898, 2, K::Int, 8},
    {"id", 914, 1, K::UInt},
    {"floorTerrain", 915, 1, K::UInt},
    {"value916", 916, 1, K::UInt},
    {"value917", 917, 1, K::UInt},
    {"value918", 918, 1, K::UInt},
    {"torchRed", 919, 1, K::UInt},
    {"torchGreen", 920, 1, K::UInt},
    {"torchBlue", 921, 1, K::UInt},
    {"objects", 922, 1, K::UInt, 8},
    {"soundCategory", 930, 32, K::Text},
    {"introductionIndex", 962, 1, K::UInt},
    {"torchRadius", 963, 4, K::Real},
    {"resource967", 967, 84, K::ArtResource},
    {"value1051", 1051, 1, K::UInt},
    {"value1052", 1052, 1, K::UInt},
    {"healthGain", 1053, 2, K::Int},
};

/// The handle of a field of the table; a name it lacks, or an offset it disagrees with, stops the build.
consteval TypeField named(std::string_view name, uint32_t offset)
{
    return makeTypeField(TypeFamily::Room, kTable, name, offset);
}

// The fields code names; an editor row or new code adds its field with one more line like these.
inline constexpr TypeField Name = named("name", 0);
inline constexpr TypeField Id = named("id", 914);
inline constexpr TypeField Flags = named("flags", 880);
inline constexpr TypeField IconResource = named("iconResource", 116);
inline constexpr TypeField FloorTerrain = named("floorTerrain", 915);
inline constexpr TypeField Cost = named("cost", 888);
inline constexpr TypeField TorchHeight = named("torchHeight", 896);
inline constexpr TypeField HealthGain = named("healthGain", 1053);
inline constexpr TypeField CeilingHeight = named("ceilingHeight", 872);
inline constexpr TypeField TorchIntensity = named("torchIntensity", 878);
inline constexpr TypeField FightEffect = named("fightEffect", 890);
inline constexpr TypeField TorchRed = named("torchRed", 919);
inline constexpr TypeField TorchGreen = named("torchGreen", 920);
inline constexpr TypeField TorchBlue = named("torchBlue", 921);
inline constexpr TypeField IntroductionIndex = named("introductionIndex", 962);
inline constexpr TypeField TorchRadius = named("torchRadius", 963);
/// The effects and objects of the room, eight of each.
inline constexpr TypeField Effects = named("effects", 898);
inline constexpr TypeField Objects = named("objects", 922);

} // namespace RoomField

} // namespace gr2
