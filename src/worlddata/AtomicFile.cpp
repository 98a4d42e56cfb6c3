#include "worlddata/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gr2 {

namespace {

std::function<int(const std::filesystem::path&)>& faultHook()
{
    static std::function<int(const std::filesystem::path&)> hook;
    return hook;
}

WriteResult failure(int error)
{
    return WriteResult{false, error ? error : EIO};
}

bool writeAll(int fd, const uint8_t* data, size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= size_t(n);
    }
    return true;
}

} // namespace

void setWriteFaultHook(std::function<int(const std::filesystem::path&)> hook)
{
    faultHook() = std::move(hook);
}

WriteResult writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes)
{
    if (faultHook()) {
        if (int error = faultHook()(path))
            return failure(error);
    }

    struct stat existing {};
    bool exists = ::stat(path.c_str(), &existing) == 0;
    if (exists && (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return failure(EACCES);
    if (exists && S_ISDIR(existing.st_mode))
        return failure(EISDIR);

    std::filesystem::path dir = path.parent_path();
    if (dir.empty())
        dir = ".";
    std::string hidden = ".";
    hidden += path.filename().string();
    hidden += ".XXXXXX";
    std::string pattern = (dir / hidden).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return failure(errno);

    auto discard = [&](int error) {
        ::close(fd);
        ::unlink(pattern.c_str());
        return failure(error);
    };
    if (!writeAll(fd, bytes.data(), bytes.size()))
        return discard(errno);
    if (::fsync(fd) != 0)
        return discard(errno);
    // Keep the permissions a user gave the file they are replacing; new files get the usual ones.
    mode_t mode = exists ? (existing.st_mode & 07777) : 0666 & ~[] {
        mode_t mask = ::umask(0);
        ::umask(mask);
        return mask;
    }();
    ::fchmod(fd, mode);
    if (::close(fd) != 0) {
        int error = errno;
        ::unlink(pattern.c_str());
        return failure(error);
    }
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        int error = errno;
        ::unlink(pattern.c_str());
        return failure(error);
    }
    return WriteResult{true, 0};
}

} // namespace gr2
