#include "support/ReadOnlyScope.h"

#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <fcntl.h>

namespace gr2::test {

namespace {

/// Sets or clears the file-permission override capabilities in this thread's effective set;
/// answers whether they were set before.
bool setOverride(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    const uint32_t bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    const bool wasOn = (data[0].effective & bits) != 0;
    if (on)
        data[0].effective |= bits & data[0].permitted;
    else
        data[0].effective &= ~bits;
    syscall(SYS_capset, &header, data);
    return wasOn;
}

/// Whether a file can be created in a folder whose write bits are cleared.
bool canWriteReadOnlyFolder()
{
    char pattern[] = "/tmp/gr2-readonly-probe-XXXXXX";
    if (!mkdtemp(pattern))
        return true;
    chmod(pattern, 0555);
    const std::string probe = std::string(pattern) + "/probe";
    const int fd = ::open(probe.c_str(), O_CREAT | O_WRONLY, 0644);
    const bool wrote = fd >= 0;
    if (wrote) {
        ::close(fd);
        ::unlink(probe.c_str());
    }
    chmod(pattern, 0755);
    rmdir(pattern);
    return wrote;
}

} // namespace

ReadOnlyScope::ReadOnlyScope(std::vector<std::filesystem::path> paths)
{
    for (auto& path : paths) {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0)
            continue;
        m_modes.emplace_back(path, st.st_mode & 07777);
        chmod(path.c_str(), st.st_mode & 07777 & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH));
    }
    m_droppedOverride = setOverride(false);
    m_enforced = !canWriteReadOnlyFolder();
}

ReadOnlyScope::~ReadOnlyScope()
{
    if (m_droppedOverride)
        setOverride(true);
    for (const auto& [path, mode] : m_modes)
        chmod(path.c_str(), mode);
}

} // namespace gr2::test
