#pragma once
// The file operations a save is made of, each counted by the fault injection (FaultInjection.h)
// and each answering an errno (0 when it went well), so the writers above read as their steps.

#include "worlddata/ByteOrder.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

namespace gr2 {

/// Writes all bytes to an open file (one "write" operation, however many calls it takes).
int writeAllTo(int fd, std::span<const uint8_t> bytes, const std::filesystem::path& file);
/// Flushes an open file to disk (one "fsync").
int syncFile(int fd, const std::filesystem::path& file);
/// Flushes a folder, so the names created, renamed or removed in it are on disk too (one "fsync").
int syncFolder(const std::filesystem::path& folder);
/// Renames within a folder, replacing the target (one "rename").
int renameFile(const std::filesystem::path& from, const std::filesystem::path& to);

/// What a save journal records of a file's contents: its size and a 64-bit FNV-1a hash.
struct ContentCheck {
    uint64_t size = 0;
    uint64_t hash = 0;
    bool operator==(const ContentCheck&) const = default;
};
ContentCheck contentCheckOf(std::span<const uint8_t> bytes);
/// Of a file on disk; none when it cannot be read (or is not a regular file).
std::optional<ContentCheck> contentCheckOfFile(const std::filesystem::path& file);

} // namespace gr2
