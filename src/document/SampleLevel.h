#pragma once
// A small level built in code over the sample type data: two Vorlans with Dungeon Hearts and
// treasuries, a portal, a hero gate, creatures, a door, a trap, gold, action points with a
// waypoint, a hero party, an effect generator and a short script. New users open it to have
// something to look at; tests use it as a level that holds a bit of everything.

#include <filesystem>
#include <string>

namespace gr2 {

class CWorldEditorDoc;

/// The level's name as the sample data writes it under "Maps/".
inline constexpr const char* kSampleLevelName = "FirstSteps";

/// Makes `doc` the sample level (the document must have a LevelScript). The result passes the
/// level checks.
void buildSampleLevel(CWorldEditorDoc& doc, const std::string& title = kSampleLevelName);

/// Builds the sample level over the global data in `rootDirectory` and saves it as
/// "Maps/FirstSteps.vwd" with its part files and thumbnail, as the Save command writes them.
/// Answers whether every file was written.
bool writeSampleLevel(const std::filesystem::path& rootDirectory);

} // namespace gr2
