#pragma once
// Level files compared apart from when they were made and saved: every level file has one
// section, and its header's two date stamps are zeroed (the Map section's header has none).

#include "support/TempDir.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/DateStamp.h"
#include "worlddata/SectionIds.h"

#include <algorithm>
#include <filesystem>

namespace gr2::test {

inline Bytes withoutTimes(const std::filesystem::path& path)
{
    Bytes b = readFile(path);
    if (b.size() < 52)
        return b;
    const uint32_t section = loadU32(b.data());
    if (section == uint32_t(SectionId::Map))
        return b;
    const size_t stamps = section == uint32_t(SectionId::Trigger) ? 32 : 28;
    std::fill(b.begin() + std::ptrdiff_t(stamps), b.begin() + std::ptrdiff_t(stamps + 2 * DateStamp::kSize),
              0);
    return b;
}

} // namespace gr2::test
