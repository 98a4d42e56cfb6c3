#include "worlddata/AtomicFileSet.h"

#include "worlddata/AtomicFile.h"
#include "worlddata/DurableFileOps.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gr2 {

namespace {

WriteResult failure(int error, const std::filesystem::path& file)
{
    return WriteResult{false, error ? error : EIO, file};
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

/// Writes a new file under a name nobody uses, flushed to disk; 0 or the errno.
int writeNewFile(const std::filesystem::path& file, std::span<const uint8_t> bytes, mode_t mode,
                 const std::filesystem::path& reportedAs)
{
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    int error = writeAllTo(fd, bytes, reportedAs);
    if (!error && ::fchmod(fd, mode) != 0)
        error = errno;
    if (!error)
        error = syncFile(fd, reportedAs);
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error)
        ::unlink(file.c_str());
    return error;
}

Bytes readWholeFile(const std::filesystem::path& file, int& error)
{
    Bytes bytes;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return bytes;
    }
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    ::close(fd);
    return bytes;
}

} // namespace

AtomicFileSet::AtomicFileSet() : m_tag(SaveJournal::newTag()) {}

AtomicFileSet::~AtomicFileSet()
{
    discard();
}

void AtomicFileSet::discard()
{
    for (const File& f : m_files) {
        ::unlink(f.staged.c_str());
        if (!f.keptOld.empty())
            ::unlink(f.keptOld.c_str());
    }
    m_files.clear();
}

WriteResult AtomicFileSet::add(const std::filesystem::path& target, std::span<const uint8_t> bytes)
{
    if (int error = writeFaultHookError(target))
        return failure(error, target);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return failure(EACCES, target);
    if (exists && S_ISDIR(existing.st_mode))
        return failure(EISDIR, target);

    std::filesystem::path folder = target.parent_path();
    if (folder.empty())
        folder = ".";
    const std::string name = target.filename().string();
    if (!SaveJournal::isPlainName(name))
        return failure(EINVAL, target);
    if (m_files.empty())
        m_folder = folder;
    else if (folder.lexically_normal() != m_folder.lexically_normal())
        return failure(EXDEV, target);
    for (const File& f : m_files)
        if (f.entry.target == name)
            return failure(EEXIST, target);

    File file;
    file.target = target;
    file.staged = m_folder / SaveJournal::stagedName(name, m_tag);
    // Keep the permissions a user gave the file they are replacing; new files get the usual ones.
    const mode_t mode = exists ? (existing.st_mode & 07777) : newFileMode();
    if (int error = writeNewFile(file.staged, bytes, mode, target))
        return failure(error, target);
    file.entry.target = name;
    file.entry.hadOld = exists;
    file.entry.content = contentCheckOf(bytes);
    m_files.push_back(std::move(file));
    return WriteResult{true, 0, target};
}

WriteResult AtomicFileSet::keepOldFiles()
{
    for (File& f : m_files) {
        if (!f.entry.hadOld)
            continue;
        const std::filesystem::path kept = m_folder / SaveJournal::keptOldName(f.entry.target, m_tag);
        if (::link(f.target.c_str(), kept.c_str()) != 0) {
            // A file system without hard links gets a copy instead.
            int error = 0;
            const Bytes old = readWholeFile(f.target, error);
            if (error)
                return failure(error, f.target);
            struct stat st {};
            const mode_t mode = ::stat(f.target.c_str(), &st) == 0 ? (st.st_mode & 07777) : newFileMode();
            if (int copyError = writeNewFile(kept, old, mode, f.target))
                return failure(copyError, f.target);
        }
        f.keptOld = kept;
    }
    return WriteResult{true, 0, {}};
}

WriteResult AtomicFileSet::writeJournal(const std::filesystem::path& journal)
{
    std::vector<SaveJournal::Entry> entries;
    for (const File& f : m_files)
        entries.push_back(f.entry);
    const std::string text = SaveJournal::encode(entries);
    if (int error =
            writeNewFile(journal, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
                         newFileMode(), journal))
        return failure(error, journal);
    // The journal counts only once its name is on disk.
    if (int error = syncFolder(m_folder))
        return failure(error, journal);
    return WriteResult{true, 0, {}};
}

void AtomicFileSet::rollBack(size_t renamed, const std::filesystem::path& journal)
{
    for (size_t i = 0; i < renamed; ++i) {
        const File& f = m_files[i];
        if (!f.keptOld.empty())
            ::rename(f.keptOld.c_str(), f.target.c_str());
        else if (!f.entry.hadOld)
            ::unlink(f.target.c_str());
    }
    discard();
    if (!journal.empty())
        ::unlink(journal.c_str());
    syncFolder(m_folder);
}

WriteResult AtomicFileSet::commit()
{
    if (m_files.empty())
        return WriteResult{true, 0, {}};
    if (m_files.size() == 1) {
        const File& f = m_files.front();
        if (int error = renameFile(f.staged, f.target)) {
            const WriteResult result = failure(error, f.target);
            discard();
            return result;
        }
        m_files.clear();
        // The new bytes are in place either way; a folder that cannot be flushed only leaves the
        // rename to the system's own writing back.
        syncFolder(m_folder);
        return WriteResult{true, 0, {}};
    }

    const std::filesystem::path journal = m_folder / SaveJournal::journalName(m_tag);
    WriteResult step = keepOldFiles();
    if (step.ok) {
        // The new files and the kept ones must be on disk before the journal says they are.
        if (int error = syncFolder(m_folder))
            step = failure(error, m_files.front().target);
    }
    if (step.ok)
        step = writeJournal(journal);
    if (!step.ok) {
        ::unlink(journal.c_str());
        discard();
        return step;
    }
    for (size_t i = 0; i < m_files.size(); ++i) {
        if (int error = renameFile(m_files[i].staged, m_files[i].target)) {
            const WriteResult result = failure(error, m_files[i].target);
            rollBack(i, journal);
            return result;
        }
    }
    if (int error = syncFolder(m_folder)) {
        const WriteResult result = failure(error, m_files.front().target);
        rollBack(m_files.size(), journal);
        return result;
    }
    // Done: what is left only served an interruption.
    for (const File& f : m_files)
        if (!f.keptOld.empty())
            ::unlink(f.keptOld.c_str());
    ::unlink(journal.c_str());
    m_files.clear();
    syncFolder(m_folder);
    return WriteResult{true, 0, {}};
}

} // namespace gr2
