#pragma once
// What the palette's six pages hold and where their buttons lie: the types each page offers (in
// order, one or two rows), the side of a button for a screen width, button and delete-button
// positions, and the Good player's room-floor swap. The palette widgets only draw this.

#include "app/TypeKind.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;

enum class PalettePage : uint8_t { Terrain, Rooms, Creatures, Doors, Traps, Objects };
inline constexpr std::array<PalettePage, 6> kPalettePages = {PalettePage::Terrain,   PalettePage::Rooms,
                                                             PalettePage::Creatures, PalettePage::Doors,
                                                             PalettePage::Traps,     PalettePage::Objects};

/// "Terrain", "Rooms", "Creatures", "Doors", "Traps", "Objects".
const char* palettePageTitle(PalettePage page);
/// The kind the page is host of (terrain page 2 ... objects page 7).
TypeKind paletteHostKind(PalettePage page);
/// "Delete Creature", "Delete Door", "Delete Trap", "Delete Object"; none for terrain and rooms.
const char* paletteDeleteText(PalettePage page);
/// "&Show Creatures" ...; none for terrain and rooms.
const char* paletteShowText(PalettePage page);

struct PaletteItem {
    TypeKind kind = TypeKind::None;
    uint8_t id = 0;
    int row = 0;    ///< 0 or 1
    int column = 0; ///< within the row (single-grid pages: the index; see palettePosition)
    bool operator==(const PaletteItem&) const = default;
};

struct PalettePageContents {
    PalettePage page = PalettePage::Terrain;
    /// In creation order: the first row, then the second.
    std::vector<PaletteItem> items;
    /// Index into items of the initially selected button; none for an empty page.
    std::optional<size_t> initialSelection;
    /// Where the delete button starts, in button columns; none when the page has no delete button.
    std::optional<int> deleteColumn;
};

/// The page's buttons from the type tables as they are now. Families looked up "by id" take the
/// ids that exist in ascending order, which is ids 1 to n for a table without gaps.
PalettePageContents buildPalettePage(const CTypeDatabase& types, PalettePage page);

/// Side of a square button for a screen width: width / divisor − 5, at most 50, at least 16.
int paletteButtonSide(int screenWidth, PalettePage page);
/// Single-grid pages wrap after this many columns (terrain 11, rooms 18); two-row pages 0.
int paletteColumns(PalettePage page);

struct PalettePoint {
    int x = 0;
    int y = 0;
    bool operator==(const PalettePoint&) const = default;
};
/// Top-left pixel of a button.
PalettePoint palettePosition(PalettePage page, const PaletteItem& item, int side);
/// Top-left of the delete button; its size is (2 × side + 5) × side.
PalettePoint paletteDeletePosition(const PalettePageContents& contents, int side);

/// The slab a Good player draws instead of 26 (and the other way round).
uint8_t slabForOwner(uint8_t slab, bool goodOwner);

} // namespace gr2
