#pragma once
// The names a level may not be saved under: the global data files beside the program, and the
// official levels listed in the root directory's "ReservedLevelNames.txt".

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gr2 {

/// True when the name (without or with a ".vwd" extension) ends with one of the twelve global file
/// base names, compared with exact case: "NewTraps" and "NewTraps.vwd" are reserved, "NewTraps.txt"
/// and "newtraps" are not.
bool IsReservedDataFileName(std::string_view name);

/// The official level names, one per line; a missing file means there are none.
class ReservedLevelNames {
public:
    static constexpr const char* kFileName = "ReservedLevelNames.txt";

    void load(const std::filesystem::path& rootDirectory);
    void setNames(std::vector<std::string> names) { m_names = std::move(names); }
    const std::vector<std::string>& names() const { return m_names; }
    /// Case-insensitive and of equal length.
    bool contains(std::string_view levelName) const;

private:
    std::vector<std::string> m_names;
};

} // namespace gr2
