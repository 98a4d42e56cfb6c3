#include "worlddata/CaseInsensitivePath.h"

#include <cctype>
#include <system_error>

namespace gr2 {

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view suffix)
{
    return text.size() >= suffix.size() &&
           equalsIgnoringCase(text.substr(text.size() - suffix.size()), suffix);
}

std::optional<std::filesystem::path> findFileIgnoringCase(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec))
        return path;
    std::filesystem::path dir = path.parent_path();
    if (dir.empty())
        dir = ".";
    const std::string wanted = path.filename().string();
    std::filesystem::directory_iterator it(dir, ec);
    if (ec)
        return std::nullopt;
    for (const auto& entry : it) {
        if (equalsIgnoringCase(entry.path().filename().string(), wanted) && entry.is_regular_file(ec))
            return path.parent_path() / entry.path().filename();
    }
    return std::nullopt;
}

} // namespace gr2
