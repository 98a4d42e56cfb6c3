#pragma once
// Which property dialog a command of the script tree or the map view opens, on which thing: the
// one place that turns "&Edit ... Properties..." into a session, so the tree's menus, its double
// clicks and the map view's double clicks open the same dialogs.

#include "forms/ThingEditSession.h"
#include "script/ScriptTreeCommands.h"

#include <memory>

namespace gr2 {

class CTypeDatabase;
class Prompter;

/// Whether the command opens a thing's property dialog.
bool isThingDialogCommand(TreeCommand command);

/// The session of the dialog the command opens on its target; none when the command opens no
/// thing dialog or its target is missing.
std::unique_ptr<ThingSession> thingSession(TreeCommand command, const TreeCommandTargets& targets,
                                           CWorldEditorDoc& doc, const CTypeDatabase& types,
                                           Prompter& prompter);

} // namespace gr2
