#pragma once
// What the map shows of the item selected in the script tree: the thing, action point or effect
// generator it highlights and the tiles it scrolls into view. A hero party stands nowhere until a
// script creates it at an action point, so its focus is that point.

#include "level/TileGeometry.h"

#include <cstdint>
#include <optional>

namespace gr2 {

class CLevelObject;
class CWorldEditorDoc;
class LevelScript;
class ScriptTreeItem;

struct MapFocus {
    /// The creature, door, trap or object to mark on its tile.
    const CLevelObject* thing = nullptr;
    std::optional<uint8_t> actionPoint;
    std::optional<uint8_t> effectGenerator;
    /// The tiles to bring into view; none when the item has no place on the map.
    std::optional<TileRect> area;

    bool operator==(const MapFocus&) const = default;
};

/// The focus of a tree item: a thing on its tile (a creature a script will create included), an
/// action point or effect generator over its area, a hero party (or one of its members) at the
/// action point of the first Create Hero Party action that names it. Players, triggers, actions
/// and the level have none.
MapFocus mapFocusOf(const ScriptTreeItem& item, const CWorldEditorDoc& doc, const LevelScript* script);

} // namespace gr2
