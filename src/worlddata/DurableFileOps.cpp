#include "worlddata/DurableFileOps.h"

#include "worlddata/FaultInjection.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gr2 {

namespace {

constexpr uint64_t kFnvOffset = 1469598103934665603ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

uint64_t fnvAdd(uint64_t hash, std::span<const uint8_t> bytes)
{
    for (uint8_t b : bytes) {
        hash ^= b;
        hash *= kFnvPrime;
    }
    return hash;
}

/// Closes a descriptor at the end of a scope.
struct FdCloser {
    int fd;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

int writeAllTo(int fd, std::span<const uint8_t> bytes, const std::filesystem::path& file)
{
    if (int error = faultBefore(FaultOp::Write, file))
        return error;
    const uint8_t* data = bytes.data();
    size_t size = bytes.size();
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= size_t(n);
    }
    return 0;
}

int syncFile(int fd, const std::filesystem::path& file)
{
    if (int error = faultBefore(FaultOp::Fsync, file))
        return error;
    return ::fsync(fd) == 0 ? 0 : errno;
}

int syncFolder(const std::filesystem::path& folder)
{
    if (int error = faultBefore(FaultOp::Fsync, folder))
        return error;
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
    const FdCloser fd{::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (fd.fd < 0)
        return errno;
    // Some file systems cannot flush a folder; the names are then as safe as they can be made.
    if (::fsync(fd.fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return errno;
    return 0;
}

int renameFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (int error = faultBefore(FaultOp::Rename, to))
        return error;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

ContentCheck contentCheckOf(std::span<const uint8_t> bytes)
{
    return ContentCheck{bytes.size(), fnvAdd(kFnvOffset, bytes)};
}

std::optional<ContentCheck> contentCheckOfFile(const std::filesystem::path& file)
{
    const FdCloser fd{::open(file.c_str(), O_RDONLY | O_CLOEXEC)};
    if (fd.fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    ContentCheck check{0, kFnvOffset};
    std::array<uint8_t, 65536> buffer;
    for (;;) {
        const ssize_t n = ::read(fd.fd, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        check.size += uint64_t(n);
        check.hash = fnvAdd(check.hash, std::span(buffer.data(), size_t(n)));
    }
    return check;
}

} // namespace gr2
