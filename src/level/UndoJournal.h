#pragma once
// The place where tile edits are announced before they happen. Nothing is recorded: the editor
// has no undo, and Undo and Redo leave a level as it is. Keeping the announcements in the code
// paths means an undo stack can be added here without touching the editing operations.

#include "level/TileGeometry.h"

#include <cstdint>

namespace gr2 {

class UndoJournal {
public:
    /// A tile is about to change from the given terrain and owner.
    void announceTile(TilePoint, uint8_t, uint8_t) {}
    /// The tiles announced since the last close form one user action.
    void closeGroup() {}

    bool canUndo() const { return false; }
    bool canRedo() const { return false; }
    /// Nothing to undo or redo; the level stays unchanged.
    bool undo() { return false; }
    bool redo() { return false; }
};

} // namespace gr2
