#pragma once
// Stored names and extensions come from a system whose file names ignore case; on this file system
// a name is matched against the folder's entries without regard to ASCII case.

#include <filesystem>
#include <optional>
#include <string_view>

namespace gr2 {

bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool endsWithIgnoringCase(std::string_view text, std::string_view suffix);

/// The existing file whose name matches path's last component ignoring case (the exact name
/// first); nothing when the folder holds no such regular file.
std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& path);

} // namespace gr2
