#include "stats/StatsTextLines.h"

namespace gr2 {

std::optional<std::string_view> StatsTextLines::next()
{
    if (m_rest.empty())
        return std::nullopt;
    const size_t end = m_rest.find_first_of("\r\n");
    if (end == std::string_view::npos) {
        std::string_view line = m_rest;
        m_rest = {};
        return line;
    }
    std::string_view line = m_rest.substr(0, end);
    size_t after = end + 1;
    if (m_rest[end] == '\r') {
        // A run of carriage returns before a line feed is one line end, as a CR LF file would
        // have it after a stray CR; without the line feed the carriage returns end the line.
        size_t p = after;
        while (p < m_rest.size() && m_rest[p] == '\r')
            ++p;
        if (p < m_rest.size() && m_rest[p] == '\n')
            after = p + 1;
    }
    m_rest.remove_prefix(after);
    return line;
}

std::optional<std::string_view> StatsCells::next()
{
    if (m_done)
        return std::nullopt;
    const size_t tab = m_rest.find('\t');
    if (tab == std::string_view::npos) {
        m_done = true;
        return m_rest;
    }
    std::string_view cell = m_rest.substr(0, tab);
    m_rest.remove_prefix(tab + 1);
    // A tab that ends the line opens no further cell.
    if (m_rest.empty())
        m_done = true;
    return cell;
}

bool StatsCells::skip(size_t n)
{
    for (size_t i = 0; i < n; ++i)
        if (!next())
            return false;
    return true;
}

std::string_view firstCell(std::string_view line)
{
    return line.substr(0, line.find('\t'));
}

} // namespace gr2
