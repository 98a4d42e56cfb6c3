#pragma once
// The kind of a type as the palette, the draw-item pane and the type buttons name it. The numbers
// are the ones the editor has always used for these kinds, so they are kept.

#include "typedb/TypeFamily.h"

#include <cstdint>
#include <optional>

namespace gr2 {

enum class TypeKind : uint8_t {
    None = 0,
    Terrain = 2,
    Room = 3,
    Creature = 4,
    Door = 5,
    Trap = 6,
    Object = 7,
    VorlanSpell = 8,
    CreatureSpell = 9,
};

/// The family whose table and icon sheet serve the kind; none for TypeKind::None.
inline std::optional<TypeFamily> familyOfKind(TypeKind kind)
{
    switch (kind) {
    case TypeKind::Terrain:
        return TypeFamily::Terrain;
    case TypeKind::Room:
        return TypeFamily::Room;
    case TypeKind::Creature:
        return TypeFamily::Creature;
    case TypeKind::Door:
        return TypeFamily::Door;
    case TypeKind::Trap:
        return TypeFamily::Trap;
    case TypeKind::Object:
        return TypeFamily::Object;
    case TypeKind::VorlanSpell:
        return TypeFamily::VorlanSpell;
    case TypeKind::CreatureSpell:
        return TypeFamily::CreatureSpell;
    case TypeKind::None:
        break;
    }
    return std::nullopt;
}

/// The kind that draws a family's types; None for the families without icons.
inline TypeKind kindOfFamily(TypeFamily family)
{
    switch (family) {
    case TypeFamily::Terrain:
        return TypeKind::Terrain;
    case TypeFamily::Room:
        return TypeKind::Room;
    case TypeFamily::Creature:
        return TypeKind::Creature;
    case TypeFamily::Door:
        return TypeKind::Door;
    case TypeFamily::Trap:
        return TypeKind::Trap;
    case TypeFamily::Object:
        return TypeKind::Object;
    case TypeFamily::VorlanSpell:
        return TypeKind::VorlanSpell;
    case TypeFamily::CreatureSpell:
        return TypeKind::CreatureSpell;
    default:
        return TypeKind::None;
    }
}

} // namespace gr2
