#pragma once
// The full validation of a level: every problem at once, each with a severity, a message and the
// place it is about, so a designer can walk the list and fix each. The save's own checks
// (LevelChecks) are part of it with their messages, for every offender rather than the first.

#include "level/TileGeometry.h"

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

class CWorldEditorDoc;

enum class ProblemSeverity : uint8_t {
    /// The game would refuse the level or misbehave.
    Error,
    /// Allowed, but probably not what the designer meant.
    Warning,
};

/// What a problem's place names. Creatures, doors, traps and objects have no id of their own:
/// their place is their index in the level's collection and their tile.
enum class ProblemPlaceKind : uint8_t {
    Level,
    Tile,
    Player,
    Creature,
    Door,
    Trap,
    Object,
    ActionPoint,
    HeroParty,
    EffectGenerator,
    Trigger,
    Action,
};

struct ProblemPlace {
    ProblemPlaceKind kind = ProblemPlaceKind::Level;
    /// Player id, action point id, hero party slot, effect generator id, trigger or action id, or
    /// the thing's index in its collection.
    int32_t id = 0;
    /// The tile to show; valid for tiles, things, action points and effect generators.
    TilePoint tile{};
    bool hasTile = false;

    bool operator==(const ProblemPlace&) const = default;
};

struct LevelProblem {
    ProblemSeverity severity = ProblemSeverity::Error;
    /// A short stable name of the rule ("missing-heart"), for scripts reading the tool's output.
    std::string code;
    std::string message;
    ProblemPlace place;
};

/// Every problem of the level, errors and warnings, grouped by rule in a fixed order. Warnings of
/// the rules a designer switched off (by code) are left out; errors always count.
std::vector<LevelProblem> validateLevel(const CWorldEditorDoc& doc,
                                        const std::set<std::string>& switchedOff = {});

/// The warnings' rules a designer may switch off, by code, with a line saying what each finds.
struct WarningRule {
    const char* code;
    const char* description;
};
std::span<const WarningRule> warningRules();

/// "error" or "warning".
std::string_view severityName(ProblemSeverity severity);
/// The kind as a lowerCamel word ("actionPoint"), for machine-readable output.
std::string_view placeKindName(ProblemPlaceKind kind);
/// "Level", "Tile (3, 4)", "Player 3", "Creature 2 at (5, 6)", "Trigger 12", "Action -3", ...
std::string describePlace(const ProblemPlace& place);
/// Whether any problem of the list is an error.
bool hasErrors(const std::vector<LevelProblem>& problems);

} // namespace gr2
