#pragma once
// Where the global type files are in the root directory. The loader reads every "*.vwd" file by
// its first section whatever its name, and names there may differ from the standard ones only in
// letter case; Save Game Data writes each family back to the file the next start reads it from.

#include "typedb/TypeFamily.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace gr2 {

/// The "*.vwd" files of a folder (extension in any case) in the order the loader reads them:
/// names compared without case, as the folder listing of the data's home platform returns them,
/// and names that differ only in case in plain byte order.
std::vector<std::filesystem::path> worldFilesIn(const std::filesystem::path& dir);

/// The first section id of a file; none when the file cannot be opened or is shorter than a header.
std::optional<uint32_t> firstSectionId(const std::filesystem::path& path);

struct FamilyFileTarget {
    /// The file the family is written to: of the family's existing files whose name is the
    /// family's file name in any case, the one with the exact name, else the first the loader
    /// reads; the exact name when there is none.
    std::filesystem::path target;
    /// The family's other files whose names differ from the target's only in case. The loader
    /// reads each of them too, so they must not stay beside the target.
    std::vector<std::filesystem::path> caseTwins;
};

/// Where Save Game Data writes the family in root. Only files whose first section is the
/// family's count: a file of another family keeps its name and its contents.
FamilyFileTarget familyFileTarget(const std::filesystem::path& root, TypeFamily family);

/// A name beside `file` for moving it out of the loader's way ("<name>.old", "<name>.old2", ...);
/// none when every candidate is taken.
std::optional<std::filesystem::path> setAsideName(const std::filesystem::path& file);

} // namespace gr2
