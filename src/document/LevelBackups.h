#pragma once
// The automatic backups of open levels: each level has its own backup master file and part files
// in the "Backups" folder under the root, named after the level with a short hash of its path, so
// two open levels never overwrite each other and the designer's own files are never touched. A
// small ".origin" file beside each backup names the level it belongs to, so that after a crash
// the editor can offer backups newer than their level and put each back under its own name.

#include <filesystem>
#include <string>
#include <vector>

namespace gr2 {

class Prompter;

namespace LevelBackups {

inline constexpr const char* kFolderName = "Backups";
inline constexpr const char* kOriginExtension = ".origin";

/// The backup folder under the root.
std::filesystem::path folder(const std::filesystem::path& root);

/// The backup master file of a level: of its path for a named level, else of its title.
std::filesystem::path masterPathFor(const std::filesystem::path& root, const std::string& levelPath,
                                    const std::string& title);

/// Writes the ".origin" file beside the backup master (atomically); false when it failed.
bool writeOrigin(const std::filesystem::path& master, const std::string& levelPath, const std::string& title);

/// Removes the backup master, its part files and its origin; missing files are no failure.
void remove(const std::filesystem::path& master);

/// A backup found in the folder.
struct Backup {
    std::filesystem::path master;
    /// The level's own master file; empty for a level that was never saved.
    std::string levelPath;
    /// The window title the level had.
    std::string title;
    std::filesystem::file_time_type writtenAt;
};

/// The backups that are newer than their level (or whose level has no file), oldest first. Those
/// older than their level hold nothing the level lacks and are removed; a backup whose origin or
/// master file is missing is skipped, and so is one whose lock a live editor holds.
std::vector<Backup> findNewerThanTheirLevels(const std::filesystem::path& root);

/// Asks, for each backup newer than its level, whether to open it as an unsaved level; a backup
/// the user declines is removed. Answers the backups to open.
std::vector<Backup> chooseBackupsToOpen(const std::filesystem::path& root, Prompter& prompter);

/// The question asked for one backup.
std::string recoveryQuestion(const Backup& backup);

} // namespace LevelBackups

} // namespace gr2
