#pragma once
// The sections of the stats text and, for each type section, the table that says which record
// field the column of each code sets. Fields are named by their offset in the family's record and
// found through the family's own field table, so the import and the records agree on every field.

#include "typedb/TypeFamily.h"
#include "worlddata/RecordLayout.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace gr2 {

enum class StatsSection : uint8_t {
    WorldVariables,
    Terrain,
    Rooms,
    Creatures,
    Doors,
    Traps,
    Objects,
    CreatureSpells,
    VorlanSpells,
    CameraModes,
};

/// Which record a code's field lives in: the line's type, or the terrain that is a room's floor.
enum class StatsRecord : uint8_t { Type, FloorTerrain };

/// What a code does with its cell.
enum class StatsApply : uint8_t {
    Value,      ///< the number into the field: a real as it is, an integer truncated to the field
    Hundredths, ///< the number divided by 100, into a fixed-point field
    Flag,       ///< TRUE/FALSE (or a number, non-zero meaning yes) into `bit` of the flags word
    Colour,     ///< low eight bits into the byte; above 255 sets `bit` of the flags word at `flags`
    Word,       ///< a word of `words` gives the value; any other text leaves the field unchanged
    Ignored,    ///< the column is read and sets nothing
};

/// Where a field starts: its offset in the record, or for a part of a light descriptor the
/// descriptor's offset and the part's offset inside it.
struct StatsPlace {
    StatsRecord record = StatsRecord::Type;
    uint32_t offset = 0;
    int16_t lightPart = -1;
};

struct StatsWord {
    std::string_view word;
    uint8_t value;
};

struct StatsCode {
    uint16_t code = 0;
    StatsApply apply = StatsApply::Ignored;
    StatsPlace place{};
    int8_t bit = -1;    ///< Flag: the bit; Colour: the ninth bit
    StatsPlace flags{}; ///< Colour: the flags word that holds the ninth bit
    int8_t clears = -1; ///< Flag: a bit cleared whenever this one is set
    std::span<const StatsWord> words{};
};

struct StatsSectionInfo {
    StatsSection section;
    std::string_view name;            ///< as the start line names it
    std::optional<TypeFamily> family; ///< the family a type section sets
    const char* invalidFieldMessage;  ///< "#N/A" in this section (type id, type name)
    std::span<const StatsCode> codes; ///< by code; empty for sections without codes
};

/// The sections in the order a start line's cell is matched against their names.
std::span<const StatsSectionInfo> statsSections();
const StatsSectionInfo& statsSection(StatsSection section);
/// The entry of a code in a section's table; none for a code the table does not list.
const StatsCode* findStatsCode(const StatsSectionInfo& section, int64_t code);

/// The field a place names in a record of `layout` as one stand-alone field (array elements and
/// light parts resolved to their own offset); none when the table has no field starting there.
std::optional<FieldDef> resolveStatsPlace(const RecordLayout& layout, const StatsPlace& place);

/// Experience-level lines of the CREATURES section: the stat index (row of the increase tables)
/// that a code's column sets; none for codes these lines do not use.
std::optional<size_t> experienceStatForCode(int64_t code);

/// The message for "#N/A" in the WORLD VARIABLES section (the row number).
extern const char* const kInvalidWorldVariableMessage;

} // namespace gr2
