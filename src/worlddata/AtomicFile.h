#pragma once
// Writing a whole file without ever destroying the previous one: the bytes go to a temporary file
// in the same folder, which replaces the target only once it is completely on disk. Several files
// that belong together are replaced as one through AtomicFileSet.

#include "worlddata/AtomicFileSet.h"
#include "worlddata/ByteOrder.h"

#include <filesystem>
#include <functional>
#include <span>

namespace gr2 {

/// Writes bytes to path through a temporary file and a rename. A target that exists without any
/// write permission bit is refused (EACCES), even for a privileged user, as a read-only file would
/// be by the platform the files come from.
WriteResult writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

/// Test hook: called before each file is written with its path; returning a nonzero errno makes
/// that write fail with it. Empty by default.
void setWriteFaultHook(std::function<int(const std::filesystem::path&)> hook);
/// What the hook answers for a file (0 without a hook); the writers call it.
int writeFaultHookError(const std::filesystem::path& path);

} // namespace gr2
