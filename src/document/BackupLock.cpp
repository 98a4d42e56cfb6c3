#include "document/BackupLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <mutex>
#include <set>
#include <utility>

namespace gr2 {

namespace {

/// The lock files this process holds. A lock is about other editors: a second look from this
/// process through a new descriptor would meet its own lock and take it for another's.
struct HeldHere {
    std::mutex mutex;
    std::set<std::filesystem::path> paths;
};

HeldHere& heldHere()
{
    static HeldHere held;
    return held;
}

} // namespace

BackupLock::~BackupLock()
{
    release();
}

BackupLock::BackupLock(BackupLock&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path))
{
}

BackupLock& BackupLock::operator=(BackupLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

std::filesystem::path BackupLock::pathFor(const std::filesystem::path& master)
{
    std::filesystem::path lock = master;
    lock.replace_extension(".lock");
    return lock;
}

bool BackupLock::take(const std::filesystem::path& master)
{
    const std::filesystem::path path = pathFor(master);
    if (held() && path == m_path)
        return true;
    release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    std::lock_guard guard(heldHere().mutex);
    heldHere().paths.insert(path);
    return true;
}

void BackupLock::release()
{
    if (!held())
        return;
    // Removed while still held, so no other editor can take the file in between and lose it.
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
    {
        std::lock_guard guard(heldHere().mutex);
        heldHere().paths.erase(m_path);
    }
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool BackupLock::isHeldElsewhere(const std::filesystem::path& master)
{
    const std::filesystem::path path = pathFor(master);
    {
        std::lock_guard guard(heldHere().mutex);
        if (heldHere().paths.count(path))
            return false;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false; // no lock file: nobody holds it
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0;
    ::close(fd);
    return held;
}

} // namespace gr2
