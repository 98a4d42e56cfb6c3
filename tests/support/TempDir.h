#pragma once
// A fresh folder per test, removed afterwards, plus small file helpers.

#include "worlddata/ByteOrder.h"

#include <filesystem>

namespace gr2::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

void writeFile(const std::filesystem::path& path, std::span<const uint8_t> bytes);
Bytes readFile(const std::filesystem::path& path);

} // namespace gr2::test
