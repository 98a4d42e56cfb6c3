#pragma once
// The mark of a live backup: the editor that writes a level's backup holds an advisory lock on a
// small file beside it for as long as the level is open. Another editor started on the same root
// sees the lock and leaves that backup alone (it is neither offered nor deleted); a crash releases
// the lock with the process, so the backup is offered at the next start.

#include <filesystem>

namespace gr2 {

class BackupLock {
public:
    BackupLock() = default;
    ~BackupLock();
    BackupLock(BackupLock&& other) noexcept;
    BackupLock& operator=(BackupLock&& other) noexcept;
    BackupLock(const BackupLock&) = delete;
    BackupLock& operator=(const BackupLock&) = delete;

    /// The lock file of a backup master file.
    static std::filesystem::path pathFor(const std::filesystem::path& master);

    /// Takes the lock of a backup; false when the file cannot be made or another holds the lock.
    /// Taking the lock already held by this object does nothing.
    bool take(const std::filesystem::path& master);
    /// Gives the lock up and removes its file.
    void release();
    bool held() const { return m_fd >= 0; }

    /// Whether another live editor (another process) holds the backup's lock.
    static bool isHeldElsewhere(const std::filesystem::path& master);

private:
    int m_fd = -1;
    std::filesystem::path m_path;
};

} // namespace gr2
