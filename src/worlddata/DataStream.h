#pragma once
// A read-only byte stream over one existing file: the only way the reader touches the disk.
// Relative names are taken from the program's base directory, not the process's working folder.
// The file is read whole when opened: world files are small, and the reader's many short reads
// and skips then cost no system calls.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace gr2 {

/// The directory that relative data paths start from (the executable's folder unless set).
const std::filesystem::path& baseDirectory();
void setBaseDirectory(const std::filesystem::path& dir);

/// Applies the stored-path rules: "C:\..." and "\\..." stand as they are, a single leading
/// separator means the base directory's root, anything else is appended to the base directory.
/// Backslashes become the platform separator.
std::filesystem::path resolveDataPath(const std::string& name);

class DataStream {
public:
    DataStream() = default;
    DataStream(const DataStream&) = delete;
    DataStream& operator=(const DataStream&) = delete;

    /// Opens an existing file for reading; false when it cannot be opened (or is a folder).
    bool open(const std::filesystem::path& path);
    /// Reads from bytes held in memory instead of a file.
    void openBytes(std::vector<uint8_t> bytes)
    {
        close();
        m_held = std::move(bytes);
        m_bytes = m_held;
        m_open = true;
    }
    /// Whether open would succeed, without reading the file.
    static bool canOpen(const std::filesystem::path& path);
    bool isOpen() const { return m_open; }
    /// Reads up to n bytes; returns how many were read (short at the end of the file).
    size_t read(void* buffer, size_t n);
    /// The next n bytes as they lie in memory, without copying (fewer at the end of the file);
    /// the view stays valid until the stream is opened again or closed.
    std::span<const uint8_t> take(size_t n);
    uint64_t tell() const { return m_position; }
    uint64_t size() const { return m_bytes.size(); }
    uint64_t remaining() const { return m_position < size() ? size() - m_position : 0; }
    /// Moves by a signed distance; returns the new absolute position. A move before the start
    /// stays where it is; a move past the end is allowed, as with a file, and reads then fail.
    uint64_t seek(int64_t distance);
    void close();

private:
    /// A file's bytes, read into a buffer that is not zeroed first: every byte of it is read.
    std::unique_ptr<uint8_t[]> m_file;
    /// Bytes handed over by openBytes.
    std::vector<uint8_t> m_held;
    /// Whichever of the two is open.
    std::span<const uint8_t> m_bytes;
    bool m_open = false;
    uint64_t m_position = 0;
};

} // namespace gr2
