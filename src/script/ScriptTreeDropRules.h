#pragma once
// Which item of the script tree may be dragged and what a drop onto another item may do, from what
// the two items are; the model answers them for its items and runs the moves and copies.

#include "script/ScriptTreeItem.h"
#include "script/TriggerOwnerKind.h"

#include <cstdint>
#include <optional>

namespace gr2 {

/// What a drop onto an item may do.
enum class DropVerdict : uint8_t {
    None = 0,
    ChildOrSibling = 1,
    ChildOnly = 2,
    SiblingOnly = 3,
};

/// What the drop rules ask of an item.
struct DropSide {
    TreeItemKind kind = TreeItemKind::Level;
    /// For a thing: whether it stands on the map (a party's member or a script's creature does not).
    bool placed = true;
    /// Whether the item's object can keep triggers across a save (level/TriggerKeeping.h).
    bool keepsTriggers = true;
    /// For a trigger: what kind of owner its chain hangs from.
    std::optional<TriggerOwnerKind> triggerOwner;
    /// The forced-first-person trigger and its first action offer no commands and take no drops.
    bool noCommands = false;
};

/// Whether moving or copying an item of the kind changes the level. The order of players, action
/// points and hero parties is not the level's (the game finds them by id), so moving one would
/// only reorder the tree until its next refresh; players and hero parties are not copied.
bool offersMove(TreeItemKind kind);
bool offersCopy(TreeItemKind kind);

bool canDrag(const DropSide& item);
/// `targetInsideDragged`: the target is the dragged item or lies below it.
DropVerdict dropVerdictFor(const DropSide& dragged, const DropSide& target, bool targetInsideDragged);

inline bool allowsChild(DropVerdict v)
{
    return v == DropVerdict::ChildOrSibling || v == DropVerdict::ChildOnly;
}
inline bool allowsSibling(DropVerdict v)
{
    return v == DropVerdict::ChildOrSibling || v == DropVerdict::SiblingOnly;
}

} // namespace gr2
