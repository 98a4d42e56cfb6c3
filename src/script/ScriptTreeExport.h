#pragma once
// Export To File: the whole script tree as indented text, one item a line, ids before triggers and
// actions and braces around every item's children, as "TreeOutput.txt".

#include <filesystem>
#include <string>

namespace gr2 {

class ScriptTreeItem;

inline constexpr const char* kTreeOutputFileName = "TreeOutput.txt";

/// The export text of the tree below (and including) the item, in UTF-8 with "\r\n" line ends.
std::string exportTreeText(const ScriptTreeItem& top);
/// Writes the export as "TreeOutput.txt" in the folder (replacing it whole, never half-written).
/// Answers whether the file was written.
bool writeTreeOutput(const ScriptTreeItem& top, const std::filesystem::path& folder);

} // namespace gr2
