#pragma once
// The texts of the main window's status panes (draw item, tile under the pointer, pointer
// position, map size) and the terrain the window shows as the first draw item. Texts are UTF-8;
// type names, stored as 8-bit Latin-1, are converted.

#include "app/TypeKind.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gr2 {

class CTypeDatabase;
class CWorldEditorDoc;
class EditorState;

struct StatusPane {
    static constexpr int Prompt = 0;
    static constexpr int DrawItem = 1;
    static constexpr int Tile = 2;
    static constexpr int Position = 3;
    static constexpr int MapSize = 4;
    static constexpr int Count = 5;
};

/// Initial pane widths in pixels; the prompt pane stretches.
inline constexpr int kStatusPaneWidths[StatusPane::Count] = {40, 210, 260, 115, 140};

/// "Draw Item: Terrain [ Earth ]": the kind word and the type's name. A terrain that belongs to a
/// room is called "Room". Empty for a kind without a word; a type that does not exist shows an
/// empty name.
std::string drawItemText(const CTypeDatabase& types, TypeKind kind, uint8_t typeId);
struct DrawItem {
    TypeKind kind = TypeKind::None;
    uint8_t typeId = 0;
    bool operator==(const DrawItem&) const = default;
};
/// The draw item of the editing state: the type a placing tool places, else the terrain the tools
/// paint (the slab). None for a placing tool in remove mode, which has no type.
std::optional<DrawItem> currentDrawItem(const EditorState& state);

/// A palette button's tooltip: the type's whole name and its id ("Dungeon Heart (id 14)"). A
/// terrain that is a room's floor is named by its room, which is what the button places. Empty
/// for a type that does not exist.
std::string paletteButtonTip(const CTypeDatabase& types, TypeKind kind, uint8_t typeId);

/// "Slab Type: Earth  Owner: Vorlan 1"; empty when both ids are 0. `level` names the owner (no
/// level or no such player: an empty owner name).
std::string tileText(const CTypeDatabase& types, const CWorldEditorDoc* level, uint8_t terrainId,
                     uint8_t playerId);
/// "XPos = 1 : YPos = 1" for tile (0, 0); empty when either coordinate is negative.
std::string positionText(int32_t x, int32_t y);
/// "Size: 64 x 64 [ 4096 Blocks ]"; empty when either side is 0.
std::string mapSizeText(uint32_t width, uint32_t height);

/// The terrain with the smallest id from 1 upward that exists; 0 when the table is empty.
uint8_t firstTerrainId(const CTypeDatabase& types);

} // namespace gr2
