#include "forms/ThingDialogs.h"

#include "forms/CreatureForm.h"

namespace gr2 {

bool isThingDialogCommand(TreeCommand command)
{
    switch (command) {
    case TreeCommand::EditCreatureProperties:
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
    default:
        return nullptr;
    }
}

} // namespace gr2
