#include "worlddata/DataStream.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace gr2 {

namespace {

std::filesystem::path& baseDirectoryStorage()
{
    static std::filesystem::path dir = [] {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        return ec ? std::filesystem::current_path(ec) : exe.parent_path();
    }();
    return dir;
}

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

} // namespace

const std::filesystem::path& baseDirectory()
{
    return baseDirectoryStorage();
}

void setBaseDirectory(const std::filesystem::path& dir)
{
    baseDirectoryStorage() = dir;
}

std::filesystem::path resolveDataPath(const std::string& name)
{
    std::string native = name;
    std::replace(native.begin(), native.end(), '\\', '/');
    bool driveLetter = name.size() >= 3 && std::isalpha(static_cast<unsigned char>(name[0])) &&
                       name[1] == ':' && isSeparator(name[2]);
    bool twoSeparators = name.size() >= 2 && isSeparator(name[0]) && isSeparator(name[1]);
    if (driveLetter || twoSeparators)
        return std::filesystem::path(native);
    if (!name.empty() && isSeparator(name[0]))
        return baseDirectory().root_path() / std::filesystem::path(native.substr(1));
    return baseDirectory() / std::filesystem::path(native);
}

namespace {

/// A descriptor of the path when it names a regular file, else -1. Folders, devices and pipes are
/// never world files, and a pipe or a device could block the open or never end; the open does not
/// wait for a pipe's writer.
int openRegularFile(const std::filesystem::path& path, struct stat& info)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

bool DataStream::canOpen(const std::filesystem::path& path)
{
    struct stat info {};
    const int fd = openRegularFile(path, info);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool DataStream::open(const std::filesystem::path& path)
{
    close();
    struct stat info {};
    const int fd = openRegularFile(path, info);
    if (fd < 0)
        return false;
    bool ok = true;
    try {
        // The size is a hint only: the file is read to its end, however long it turns out. One
        // byte more than the hint lets the read see the end without a second buffer.
        size_t capacity = size_t(info.st_size) + 1;
        auto buffer = std::make_unique_for_overwrite<uint8_t[]>(capacity);
        size_t filled = 0;
        while (ok) {
            if (filled == capacity) {
                auto larger = std::make_unique_for_overwrite<uint8_t[]>(capacity * 2);
                std::copy_n(buffer.get(), filled, larger.get());
                buffer = std::move(larger);
                capacity *= 2;
            }
            const ssize_t got = ::read(fd, buffer.get() + filled, capacity - filled);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0) {
                ok = got == 0;
                break;
            }
            filled += size_t(got);
        }
        m_file = std::move(buffer);
        m_bytes = std::span<const uint8_t>(m_file.get(), filled);
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    ::close(fd);
    if (!ok) {
        close();
        return false;
    }
    m_open = true;
    m_position = 0;
    return true;
}

size_t DataStream::read(void* buffer, size_t n)
{
    if (!m_open || n == 0 || m_position >= size())
        return 0;
    const std::span<const uint8_t> bytes = take(n);
    std::memcpy(buffer, bytes.data(), bytes.size());
    return bytes.size();
}

std::span<const uint8_t> DataStream::take(size_t n)
{
    if (!m_open || m_position >= size())
        return {};
    const size_t got = size_t(std::min<uint64_t>(n, size() - m_position));
    const std::span<const uint8_t> view(m_bytes.data() + m_position, got);
    m_position += got;
    return view;
}

uint64_t DataStream::seek(int64_t distance)
{
    if (!m_open)
        return m_position;
    if (distance < 0) {
        uint64_t back = uint64_t(-(distance + 1)) + 1;
        if (back > m_position)
            return m_position;
        m_position -= back;
        return m_position;
    }
    const uint64_t target = m_position + uint64_t(distance);
    // Past the end nothing can be read; only the position moves, so a caller sees the overshoot.
    if (target >= m_position) // a wrapped move stays put
        m_position = target;
    return m_position;
}

void DataStream::close()
{
    m_file.reset();
    m_held = {};
    m_bytes = {};
    m_open = false;
    m_position = 0;
}

} // namespace gr2
