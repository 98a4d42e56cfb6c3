#pragma once
// The stats import as the Open command and the command-line tool run it: on the application's
// type tables, followed by what depends on them.

#include "stats/StatsImport.h"

#include <cstddef>
#include <filesystem>

namespace gr2 {

class EditorApp;

/// The Open command's import on the application's data: imports the file and, when anything may
/// have changed, rebuilds what is derived from the type tables. The result as StatsImport gives it;
/// `sectionsRead` (when given) receives how many stats sections the text held.
StatsImport::Result importStatsFile(EditorApp& app, const std::filesystem::path& path,
                                    size_t* sectionsRead = nullptr);

} // namespace gr2
