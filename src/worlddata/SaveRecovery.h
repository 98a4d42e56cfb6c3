#pragma once
// What the next program does with a save of several files that was cut off (AtomicFileSet.h):
// with the journal on disk and every new file complete, the save is finished; otherwise it is
// undone and the files are put back as they were. Either way the save's temporary files go, and
// the user is told which happened. Saves of a program still running are left alone.

#include "worlddata/Reporter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace gr2 {

struct RecoveredSave {
    enum class Outcome { Finished, RolledBack };
    Outcome outcome = Outcome::RolledBack;
    std::filesystem::path folder;
    /// The names of the files the save was replacing, in the folder.
    std::vector<std::string> files;
};

/// Settles every interrupted save in the folder (not its subfolders) and reports each one.
std::vector<RecoveredSave> recoverInterruptedSaves(const std::filesystem::path& folder, Reporter& reporter);

/// The message shown for a settled save.
std::string recoveryMessage(const RecoveredSave& save);

} // namespace gr2
