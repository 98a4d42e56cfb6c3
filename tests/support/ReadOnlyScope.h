#pragma once
// Makes files and folders read-only for one scope, as they are for an ordinary user: the write
// bits are cleared, and a test process whose privileges ignore them (root in a container) drops
// that override from its effective capabilities until the scope ends, so the real refusal of the
// file system is what the code under test meets.

#include <sys/types.h>

#include <filesystem>
#include <utility>
#include <vector>

namespace gr2::test {

class ReadOnlyScope {
public:
    explicit ReadOnlyScope(std::vector<std::filesystem::path> paths);
    ~ReadOnlyScope();
    ReadOnlyScope(const ReadOnlyScope&) = delete;
    ReadOnlyScope& operator=(const ReadOnlyScope&) = delete;

    /// Whether creating a file in a read-only folder is really refused now; false only where
    /// the privileges could not be dropped.
    bool enforced() const { return m_enforced; }

private:
    std::vector<std::pair<std::filesystem::path, mode_t>> m_modes;
    bool m_droppedOverride = false;
    bool m_enforced = false;
};

} // namespace gr2::test
