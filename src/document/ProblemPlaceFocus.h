#pragma once
// Where the editor goes for a problem of the validation report: the script tree item of the
// player, thing, action point, hero party, effect generator, trigger or action it is about, and
// what the map shows of it. A report may be older than the level, so every lookup is by id or
// bounds-checked index and answers none for what has gone since.

#include "document/LevelProblems.h"
#include "mapedit/MapFocus.h"

namespace gr2 {

class CLevelObject;
class CWorldEditorDoc;
class ScriptTreeItem;
class ScriptTreeModel;

/// The level object the place names; none for the level, a tile, a trigger or an action, and for
/// an object that no longer exists.
const CLevelObject* objectOfPlace(const ProblemPlace& place, const CWorldEditorDoc& doc);

/// The tree item to select; none when the tree does not show the place.
ScriptTreeItem* treeItemOfPlace(const ProblemPlace& place, const CWorldEditorDoc& doc,
                                const ScriptTreeModel& tree);

/// What the map marks and scrolls to: the thing, action point or effect generator with its tiles,
/// or the tile alone. Players, triggers, actions and the level have no place on the map.
MapFocus mapFocusOfPlace(const ProblemPlace& place, const CWorldEditorDoc& doc);

} // namespace gr2
