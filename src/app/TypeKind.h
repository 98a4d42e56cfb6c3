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

} // namespace gr2
