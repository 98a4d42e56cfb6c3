#pragma once
// Which level objects can keep a chain of triggers. Only a record that stores a first trigger id
// keeps one across a save, a reopen or an undo: a trap's, a dead body's and an effect generator's
// records have no such field, and a creature off the map (a hero party's member, a Create
// Creature action's preview) has no record of its own. A trigger attached to any of them would
// show in the tree and be gone after the next save.

namespace gr2 {

class CLevelObject;

bool keepsTriggers(const CLevelObject& object);

} // namespace gr2
