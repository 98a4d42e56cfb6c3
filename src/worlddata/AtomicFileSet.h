#pragma once
// Replacing several files of one folder as one: after a commit either every file holds its new
// bytes or every file is as it was, even when the program is killed or the disk fills up at any
// step. The new files are written whole and flushed first; the files they replace are kept as hard
// links; a journal then names the set, and only then are the new files renamed over their
// targets (SaveJournal.h gives the names and the journal). A program that opens the folder after
// an interruption finishes or undoes the save from what it finds (SaveRecovery.h).

#include "worlddata/ByteOrder.h"
#include "worlddata/SaveJournal.h"

#include <filesystem>
#include <span>
#include <vector>

namespace gr2 {

struct WriteResult {
    bool ok = false;
    int error = 0; ///< errno of the failure, 0 on success
    /// The file the failure concerns (the target it was writing or replacing).
    std::filesystem::path file;
};

class AtomicFileSet {
public:
    AtomicFileSet();
    /// Whatever was added and not committed is removed; the targets are untouched.
    ~AtomicFileSet();
    AtomicFileSet(const AtomicFileSet&) = delete;
    AtomicFileSet& operator=(const AtomicFileSet&) = delete;

    /// Writes the bytes beside `target` and flushes them to disk; the target does not change yet.
    /// A target without any write permission bit is refused (EACCES), even for a privileged user,
    /// as a read-only file would be by the platform the files come from; so is a folder (EISDIR),
    /// one already added (EEXIST) and one outside the folder of the first target (EXDEV).
    WriteResult add(const std::filesystem::path& target, std::span<const uint8_t> bytes);

    /// Puts every added file in place, all or none. On failure every target is as it was before
    /// and nothing of the save is left in the folder. A set of one file needs no journal: its
    /// rename alone is atomic.
    WriteResult commit();

    /// Removes what was added; the targets are untouched.
    void discard();

    bool empty() const { return m_files.empty(); }

private:
    struct File {
        std::filesystem::path target;
        std::filesystem::path staged;
        std::filesystem::path keptOld; ///< empty while no copy of the old file is kept
        SaveJournal::Entry entry;
    };

    std::filesystem::path m_folder;
    std::string m_tag;
    std::vector<File> m_files;

    WriteResult keepOldFiles();
    WriteResult writeJournal(const std::filesystem::path& journal);
    /// Puts back the first `renamed` targets and removes everything the save made.
    void rollBack(size_t renamed, const std::filesystem::path& journal);
};

} // namespace gr2
