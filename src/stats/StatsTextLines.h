#pragma once
// Cuts the spreadsheet's tab-separated text into lines and cells without copying or allocating:
// every line and cell is a view into the text, so a line of any length costs nothing extra.

#include <cstddef>
#include <optional>
#include <string_view>

namespace gr2 {

/// The lines of the text in order. A line ends at a line feed, at a carriage return followed by a
/// line feed, or at a carriage return standing alone (the line end of some spreadsheet exports);
/// the end of the text ends the last line.
class StatsTextLines {
public:
    explicit StatsTextLines(std::string_view text) : m_rest(text) {}

    /// The next line without its line end; none at the end of the text.
    std::optional<std::string_view> next();

private:
    std::string_view m_rest;
};

/// The cells of one line, one after the other; cells are separated by tabs, and a tab at the end
/// of the line opens no further cell.
class StatsCells {
public:
    explicit StatsCells(std::string_view line) : m_rest(line) {}

    /// The next cell; none when the line has no more cells. An empty line has one empty cell.
    std::optional<std::string_view> next();
    /// Passes over n cells; false when the line ran out first.
    bool skip(size_t n);

private:
    std::string_view m_rest;
    bool m_done = false;
};

/// The first cell of a line.
std::string_view firstCell(std::string_view line);

} // namespace gr2
