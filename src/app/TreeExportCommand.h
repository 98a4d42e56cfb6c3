#pragma once
// Export To File on the script tree's level item: asks where to write the tree's text, offering
// "TreeOutput.txt" beside the level, and writes it there.

#include <filesystem>
#include <optional>

namespace gr2 {

class Prompter;
class ScriptTreeItem;

/// Asks for the file (the level's folder, or `fallbackFolder` for a level never saved) and writes
/// the export of the tree below `top`; a failed write is told with the save-failure message.
/// Answers the file written; none when the user cancelled or the write failed.
std::optional<std::filesystem::path> runTreeExportCommand(const ScriptTreeItem& top,
                                                          const std::filesystem::path& levelPath,
                                                          const std::filesystem::path& fallbackFolder,
                                                          Prompter& prompter);

} // namespace gr2
