#include "worlddata/DataStream.h"

#include <algorithm>
#include <cctype>
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

bool isSeparator(char c) { return c == '\\' || c == '/'; }

} // namespace

const std::filesystem::path& baseDirectory() { return baseDirectoryStorage(); }

void setBaseDirectory(const std::filesystem::path& dir) { baseDirectoryStorage() = dir; }

std::filesystem::path resolveDataPath(const std::string& name)
{
    std::string native = name;
    std::replace(native.begin(), native.end(), '\\', '/');
    bool driveLetter = name.size() >= 3 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':' &&
                       isSeparator(name[2]);
    bool twoSeparators = name.size() >= 2 && isSeparator(name[0]) && isSeparator(name[1]);
    if (driveLetter || twoSeparators)
        return std::filesystem::path(native);
    if (!name.empty() && isSeparator(name[0]))
        return baseDirectory().root_path() / std::filesystem::path(native.substr(1));
    return baseDirectory() / std::filesystem::path(native);
}

bool DataStream::open(const std::filesystem::path& path)
{
    close();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return false;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    m_file.reset(f);
    if (std::fseek(f, 0, SEEK_END) != 0) {
        close();
        return false;
    }
    long end = std::ftell(f);
    if (end < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        close();
        return false;
    }
    m_size = uint64_t(end);
    m_position = 0;
    return true;
}

size_t DataStream::read(void* buffer, size_t n)
{
    if (!m_file || n == 0 || m_position >= m_size)
        return 0;
    size_t want = size_t(std::min<uint64_t>(n, m_size - m_position));
    size_t got = std::fread(buffer, 1, want, m_file.get());
    m_position += got;
    return got;
}

uint64_t DataStream::seek(int64_t distance)
{
    if (!m_file)
        return m_position;
    uint64_t target;
    if (distance < 0) {
        uint64_t back = uint64_t(-(distance + 1)) + 1;
        if (back > m_position)
            return m_position;
        target = m_position - back;
    } else {
        target = m_position + uint64_t(distance);
        if (target < m_position) // wrapped: stays put
            return m_position;
    }
    // Past the end nothing can be read; only the position moves, so a caller sees the overshoot.
    if (target <= m_size) {
        if (fseeko(m_file.get(), off_t(target), SEEK_SET) != 0)
            return m_position;
    }
    m_position = target;
    return m_position;
}

void DataStream::close()
{
    m_file.reset();
    m_position = 0;
    m_size = 0;
}

} // namespace gr2
