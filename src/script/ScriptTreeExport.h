#pragma once
// Export To File: the whole script tree as indented text, one item a line, ids before triggers and
// actions and braces around every item's children, by default as "TreeOutput.txt" beside the level.

#include "worlddata/AtomicFile.h"

#include <filesystem>
#include <string>

namespace gr2 {

class ScriptTreeItem;

inline constexpr const char* kTreeOutputFileName = "TreeOutput.txt";

/// The export text of the tree below (and including) the item, in UTF-8 with "\r\n" line ends.
std::string exportTreeText(const ScriptTreeItem& top);
/// Writes the export to the file (replacing it whole, never half-written).
WriteResult writeTreeExport(const ScriptTreeItem& top, const std::filesystem::path& file);
/// Writes the export as "TreeOutput.txt" in the folder.
bool writeTreeOutput(const ScriptTreeItem& top, const std::filesystem::path& folder);
/// Where Export To File offers to write: "TreeOutput.txt" beside the level file, or in the
/// fallback folder for a level that was never saved.
std::filesystem::path defaultTreeExportPath(const std::filesystem::path& levelPath,
                                            const std::filesystem::path& fallbackFolder);

} // namespace gr2
