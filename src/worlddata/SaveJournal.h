#pragma once
// What a save of several files leaves in their folder while it commits, so that a save cut off at
// any point can be finished or undone by the next program that opens the folder.
//
// A save of one set of files in one folder has a tag, "<pid>-<six letters or digits>". Each new
// file is first written whole as ".<target>.<tag>.gr2new"; each file it replaces is kept as a
// hard link ".<target>.<tag>.gr2old" until the save is done. When every new file is on disk, the
// journal ".gr2save.<tag>.journal" names the set, and only then are the new files renamed over
// their targets. The journal is text:
//
//     GR2 save journal 1
//     <number of files>
//     <1 if the target existed before, else 0> <size> <FNV-1a 64 of the new bytes, 16 hex> <target>
//     ...
//     end <FNV-1a 64 of every byte above this line, 16 hex>
//
// Targets are plain file names of the folder, bytes below "!", "%" and above "~" written as %XX.
// A journal cut short, altered or naming anything but a plain name of its own folder is refused.

#include "worlddata/DurableFileOps.h"

#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

namespace gr2::SaveJournal {

inline constexpr size_t kMaxFiles = 64;
inline constexpr size_t kMaxBytes = 64 * 1024;
inline constexpr size_t kMaxNameBytes = 255;

struct Entry {
    std::string target;
    bool hadOld = false;
    ContentCheck content;
    bool operator==(const Entry&) const = default;
};

std::string encode(const std::vector<Entry>& entries);
/// None for anything encode() did not write: a wrong header, count, line, name or checksum,
/// more than kMaxFiles entries or kMaxBytes bytes, or one target twice.
std::optional<std::vector<Entry>> parse(std::string_view text);

// --- the names of a save's files ----------------------------------------------------------------

/// A fresh tag of this process.
std::string newTag();
std::string stagedName(const std::string& target, const std::string& tag);
std::string keptOldName(const std::string& target, const std::string& tag);
std::string journalName(const std::string& tag);

/// What a file name of a folder is to a save, if anything.
struct SaveFile {
    enum class Kind { Staged, KeptOld, Journal };
    Kind kind;
    std::string target; ///< empty for a journal
    std::string tag;
};
std::optional<SaveFile> classify(std::string_view fileName);

/// The process a tag belongs to.
std::optional<pid_t> ownerOf(std::string_view tag);
/// Whether a plain name may be a target: not empty, no "/" or NUL, not "." or "..", not too long.
bool isPlainName(std::string_view name);

} // namespace gr2::SaveJournal
