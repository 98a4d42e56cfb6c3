#pragma once
// The consistency checks a level passes before the Save commands write it: every Vorlan has a
// Dungeon Heart, no Vorlan starts with more gold than its dungeon holds, and every objective or
// information action zooms to an action point that exists.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CAction;
class CWorldEditorDoc;
class Reporter;

/// One offender of a check: its message and the player or action it is about (0 for none).
struct LevelCheckFailure {
    std::string message;
    uint8_t playerId = 0;
    int16_t actionId = 0;
};

/// Every Vorlan that owns no tile of Dungeon Heart, in player order.
std::vector<LevelCheckFailure> heartCheckFailures(const CWorldEditorDoc& doc);
/// Every Vorlan whose starting gold exceeds what its heart and treasuries hold, in player order.
std::vector<LevelCheckFailure> goldCheckFailures(const CWorldEditorDoc& doc);
/// Every objective or information action that zooms to a missing action point, in action order.
std::vector<LevelCheckFailure> actionPointCheckFailures(const CWorldEditorDoc& doc);

/// "Action %d [ %s ] - Invalid Action Point ID" for an action that names a missing action point.
std::string invalidActionPointMessage(const CAction& action);

/// The message of the first check that fails; none when the level passes them all.
std::optional<std::string> firstFailedLevelCheck(const CWorldEditorDoc& doc);

/// Runs the checks; the first failure is shown (exclamation icon) and answers false.
bool CheckLevel(const CWorldEditorDoc& doc, Reporter& reporter);

} // namespace gr2
