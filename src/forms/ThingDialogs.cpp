#include "forms/ThingDialogs.h"

#include "forms/CreatureForm.h"
#include "forms/DoorForm.h"
#include "forms/MarkerForms.h"
#include "forms/ObjectForm.h"
#include "forms/TrapForm.h"

namespace gr2 {

bool isThingDialogCommand(TreeCommand command)
{
    switch (command) {
    case TreeCommand::EditCreatureProperties:
    case TreeCommand::EditDoorProperties:
    case TreeCommand::EditTrapProperties:
    case TreeCommand::EditObjectProperties:
    case TreeCommand::EditActionPointProperties:
    case TreeCommand::EditEffectGeneratorProperties:
        return true;
    default:
        return false;
    }
}

std::unique_ptr<ThingSession> thingSession(TreeCommand command, const TreeCommandTargets& targets,
                                           CWorldEditorDoc& doc, const CTypeDatabase& types,
                                           Prompter& prompter)
{
    switch (command) {
    case TreeCommand::EditCreatureProperties:
        if (targets.creature)
            return creatureSession(doc, *targets.creature, types, prompter);
        return nullptr;
    case TreeCommand::EditDoorProperties:
        return targets.door ? doorSession(doc, *targets.door, types) : nullptr;
    case TreeCommand::EditTrapProperties:
        return targets.trap ? trapSession(doc, *targets.trap, types) : nullptr;
    case TreeCommand::EditObjectProperties:
        return targets.object ? objectSession(doc, *targets.object, types) : nullptr;
    case TreeCommand::EditActionPointProperties:
        return targets.actionPoint ? actionPointSession(doc, *targets.actionPoint) : nullptr;
    case TreeCommand::EditEffectGeneratorProperties:
        return targets.generator ? effectGeneratorSession(doc, *targets.generator, types) : nullptr;
    default:
        return nullptr;
    }
}

} // namespace gr2
