#include "level/TriggerKeeping.h"

#include "level/CCreature.h"

namespace gr2 {

bool keepsTriggers(const CLevelObject& object)
{
    switch (object.kind()) {
    case ObjectKind::Creature: {
        const auto& creature = static_cast<const CCreature&>(object);
        return creature.isPlaced() && !creature.isDeadBody();
    }
    case ObjectKind::Trap:
    case ObjectKind::EffectGenerator:
        return false;
    default:
        return true;
    }
}

} // namespace gr2
