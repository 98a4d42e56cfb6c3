#pragma once
// The application's Open command: the file dialog, then either the stats text import (after its
// warning) or opening each chosen file as a level.

#include "app/Prompter.h"

#include <filesystem>
#include <functional>

namespace gr2 {

struct OpenHandlers {
    std::function<void(const std::filesystem::path&)> importStats;
    std::function<void(const std::filesystem::path&)> openLevel;
};

/// The dialog as the Open command shows it: title, filters, the maps folder, several files.
FileDialogSpec openCommandDialog(const std::filesystem::path& rootDirectory);

/// What the user chose in the dialog is carried out: one name ending in "txt" (exact case) is a
/// stats file and is imported only when the warning is answered Yes; every other name is opened
/// as a level, in the order chosen.
void runOpenCommand(Prompter& prompter, const std::filesystem::path& rootDirectory,
                    const OpenHandlers& handlers);

/// The import warning, exactly as the user sees it.
extern const char* const kStatsImportWarning;

} // namespace gr2
