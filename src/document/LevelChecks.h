#pragma once
// The consistency checks a level passes before the Save commands write it: every Vorlan has a
// Dungeon Heart, no Vorlan starts with more gold than its dungeon holds, and every objective or
// information action zooms to an action point that exists.

#include <optional>
#include <string>

namespace gr2 {

class CWorldEditorDoc;
class Reporter;

/// The message of the first check that fails; none when the level passes them all.
std::optional<std::string> firstFailedLevelCheck(const CWorldEditorDoc& doc);

/// Runs the checks; the first failure is shown (exclamation icon) and answers false.
bool CheckLevel(const CWorldEditorDoc& doc, Reporter& reporter);

} // namespace gr2
