#include "worlddata/SaveRecovery.h"

#include "worlddata/DurableFileOps.h"
#include "worlddata/SaveJournal.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <map>
#include <set>
#include <unistd.h>

namespace gr2 {

namespace {

/// What one save left in the folder.
struct LeftOver {
    bool hasJournal = false;
    std::set<std::string> staged;  ///< targets with a new file beside them
    std::set<std::string> keptOld; ///< targets with their old file kept beside them
};

bool ownerIsRunning(const std::string& tag)
{
    const auto pid = SaveJournal::ownerOf(tag);
    if (!pid)
        return false;
    // This process commits its saves before it opens anything, so a save of its own left here was
    // not cut off by it; it is one of an earlier process that had the same id.
    if (*pid == ::getpid())
        return false;
    return ::kill(*pid, 0) == 0 || errno == EPERM;
}

std::optional<std::string> readJournal(const std::filesystem::path& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > SaveJournal::kMaxBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string text(size_t(size), '\0');
    if (!in.read(text.data(), std::streamsize(text.size())))
        return std::nullopt;
    return text;
}

bool holds(const std::filesystem::path& file, const ContentCheck& content)
{
    const auto check = contentCheckOfFile(file);
    return check && *check == content;
}

bool isRegularFile(const std::filesystem::path& file)
{
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error));
}

/// Puts the old files back and removes the new ones, following the journal.
void undo(const std::filesystem::path& folder, const std::string& tag,
          const std::vector<SaveJournal::Entry>& entries)
{
    for (const SaveJournal::Entry& e : entries) {
        const std::filesystem::path target = folder / e.target;
        const std::filesystem::path kept = folder / SaveJournal::keptOldName(e.target, tag);
        if (isRegularFile(kept)) {
            renameFile(kept, target);
            // A target not replaced yet is the kept file itself (two links of one file), which a
            // rename leaves as it is.
            ::unlink(kept.c_str());
        } else if (!e.hadOld && holds(target, e.content)) {
            ::unlink(target.c_str()); // made by the save that is undone
        }
        ::unlink((folder / SaveJournal::stagedName(e.target, tag)).c_str());
    }
}

/// Without a journal no target was replaced yet: the new files go, and a kept old file whose
/// target has vanished is put back.
void undoWithoutJournal(const std::filesystem::path& folder, const std::string& tag, const LeftOver& left)
{
    for (const std::string& target : left.staged)
        ::unlink((folder / SaveJournal::stagedName(target, tag)).c_str());
    for (const std::string& target : left.keptOld) {
        const std::filesystem::path kept = folder / SaveJournal::keptOldName(target, tag);
        if (isRegularFile(folder / target))
            ::unlink(kept.c_str());
        else
            renameFile(kept, folder / target);
    }
}

/// True when every new file is on disk whole, beside its target or already in its place.
bool canFinish(const std::filesystem::path& folder, const std::string& tag,
               const std::vector<SaveJournal::Entry>& entries)
{
    return std::all_of(entries.begin(), entries.end(), [&](const SaveJournal::Entry& e) {
        const std::filesystem::path staged = folder / SaveJournal::stagedName(e.target, tag);
        return isRegularFile(staged) ? holds(staged, e.content) : holds(folder / e.target, e.content);
    });
}

/// Renames the new files still waiting; 0 or the errno of the rename that failed.
int finish(const std::filesystem::path& folder, const std::string& tag,
           const std::vector<SaveJournal::Entry>& entries)
{
    for (const SaveJournal::Entry& e : entries) {
        const std::filesystem::path staged = folder / SaveJournal::stagedName(e.target, tag);
        if (isRegularFile(staged))
            if (int error = renameFile(staged, folder / e.target))
                return error;
    }
    if (int error = syncFolder(folder))
        return error;
    for (const SaveJournal::Entry& e : entries)
        ::unlink((folder / SaveJournal::keptOldName(e.target, tag)).c_str());
    return 0;
}

std::string quotedList(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

} // namespace

std::string recoveryMessage(const RecoveredSave& save)
{
    const std::string where = "\"" + save.folder.string() + "\"";
    if (save.outcome == RecoveredSave::Outcome::Finished)
        return "An interrupted save was finished in " + where +
               ": every file of it had been written, so the files now hold what was saved (" +
               quotedList(save.files) + ").";
    return "An interrupted save was undone in " + where +
           ": it had not written all of its files, so the files are as they were before it (" +
           quotedList(save.files) + ").";
}

std::vector<RecoveredSave> recoverInterruptedSaves(const std::filesystem::path& folder, Reporter& reporter)
{
    std::map<std::string, LeftOver> saves;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const auto file = SaveJournal::classify(it->path().filename().string());
        if (!file)
            continue;
        LeftOver& left = saves[file->tag];
        switch (file->kind) {
        case SaveJournal::SaveFile::Kind::Journal:
            left.hasJournal = true;
            break;
        case SaveJournal::SaveFile::Kind::Staged:
            left.staged.insert(file->target);
            break;
        case SaveJournal::SaveFile::Kind::KeptOld:
            left.keptOld.insert(file->target);
            break;
        }
    }

    std::vector<RecoveredSave> settled;
    for (const auto& [tag, left] : saves) {
        if (ownerIsRunning(tag))
            continue;
        RecoveredSave save;
        save.folder = folder;
        const std::filesystem::path journalPath = folder / SaveJournal::journalName(tag);
        const auto text = left.hasJournal ? readJournal(journalPath) : std::nullopt;
        const auto entries = text ? SaveJournal::parse(*text) : std::nullopt;
        if (entries) {
            for (const SaveJournal::Entry& e : *entries)
                save.files.push_back(e.target);
            if (canFinish(folder, tag, *entries)) {
                if (int failed = finish(folder, tag, *entries)) {
                    // Left as it is: the next start tries again, and the files are not mixed
                    // further by an undo that would take back what was already renamed.
                    reporter.message(formatCauseMessage("An interrupted save in %s could not be finished "
                                                        "(cause = %d); it is tried again at the next start.",
                                                        "\"" + folder.string() + "\"", failed),
                                     Reporter::Icon::Exclamation);
                    continue;
                }
                save.outcome = RecoveredSave::Outcome::Finished;
            } else {
                undo(folder, tag, *entries);
                save.outcome = RecoveredSave::Outcome::RolledBack;
            }
        } else {
            // No journal, or one cut short before it was complete: no target was replaced yet.
            undoWithoutJournal(folder, tag, left);
            std::set<std::string> names(left.staged);
            names.insert(left.keptOld.begin(), left.keptOld.end());
            save.files.assign(names.begin(), names.end());
            save.outcome = RecoveredSave::Outcome::RolledBack;
        }
        if (left.hasJournal)
            ::unlink(journalPath.c_str());
        syncFolder(folder);
        reporter.message(recoveryMessage(save), save.outcome == RecoveredSave::Outcome::Finished
                                                    ? Reporter::Icon::Information
                                                    : Reporter::Icon::Exclamation);
        settled.push_back(std::move(save));
    }
    return settled;
}

} // namespace gr2
