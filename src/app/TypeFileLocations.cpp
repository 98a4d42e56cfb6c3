#include "app/TypeFileLocations.h"

#include "worlddata/ByteOrder.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/DataStream.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace gr2 {

namespace {

std::string lowered(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

} // namespace

std::vector<std::filesystem::path> worldFilesIn(const std::filesystem::path& dir)
{
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (endsWithIgnoringCase(name, ".vwd") && it->is_regular_file(ec))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        const std::string nameA = a.filename().string(), nameB = b.filename().string();
        const std::string lowerA = lowered(nameA), lowerB = lowered(nameB);
        return lowerA != lowerB ? lowerA < lowerB : nameA < nameB;
    });
    return files;
}

std::optional<uint32_t> firstSectionId(const std::filesystem::path& path)
{
    DataStream stream;
    if (!stream.open(path))
        return std::nullopt;
    uint8_t header[12];
    if (stream.read(header, sizeof header) != sizeof header)
        return std::nullopt;
    return loadU32(header);
}

FamilyFileTarget familyFileTarget(const std::filesystem::path& root, TypeFamily family)
{
    const std::string fileName = std::string(fileBaseName(family)) + ".vwd";
    std::vector<std::filesystem::path> matches;
    for (const std::filesystem::path& file : worldFilesIn(root))
        if (equalsIgnoringCase(file.filename().string(), fileName) &&
            firstSectionId(file) == uint32_t(sectionOf(family)))
            matches.push_back(file);

    FamilyFileTarget result;
    result.target = root / fileName;
    if (matches.empty())
        return result;
    auto exact = std::find_if(matches.begin(), matches.end(),
                              [&](const auto& file) { return file.filename() == fileName; });
    auto chosen = exact != matches.end() ? exact : matches.begin();
    result.target = *chosen;
    matches.erase(chosen);
    result.caseTwins = std::move(matches);
    return result;
}

std::optional<std::filesystem::path> setAsideName(const std::filesystem::path& file)
{
    constexpr int kMaxCandidates = 100;
    for (int n = 1; n <= kMaxCandidates; ++n) {
        std::filesystem::path candidate = file;
        candidate += n == 1 ? std::string(".old") : ".old" + std::to_string(n);
        std::error_code ec;
        if (!std::filesystem::exists(candidate, ec) && !ec)
            return candidate;
    }
    return std::nullopt;
}

} // namespace gr2
