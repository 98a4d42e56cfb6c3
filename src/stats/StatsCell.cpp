#include "stats/StatsCell.h"

#include "worlddata/CaseInsensitivePath.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace gr2 {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view trimStatsCell(std::string_view cell)
{
    while (!cell.empty() && cell.front() == ' ')
        cell.remove_prefix(1);
    while (!cell.empty() && cell.back() == ' ')
        cell.remove_suffix(1);
    return cell;
}

double readStatsNumber(std::string_view text)
{
    text = trimStatsCell(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    size_t end = 0;
    bool wholeDigits = false;
    bool nonZeroWhole = false;
    while (end < text.size() && isDigit(text[end])) {
        wholeDigits = true;
        nonZeroWhole = nonZeroWhole || text[end] != '0';
        ++end;
    }
    bool fractionDigits = false;
    if (end < text.size() && text[end] == '.') {
        size_t p = end + 1;
        while (p < text.size() && isDigit(text[p])) {
            fractionDigits = true;
            ++p;
        }
        if (fractionDigits || wholeDigits)
            end = p;
    }
    if (!wholeDigits && !fractionDigits)
        return 0.0;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + end, value, std::chars_format::fixed);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        value = nonZeroWhole ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

int64_t statsWholeNumber(double value)
{
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    // 2^63 is exactly representable; anything at or above it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (t >= kLimit)
        return std::numeric_limits<int64_t>::max();
    if (t < -kLimit)
        return std::numeric_limits<int64_t>::min();
    return int64_t(t);
}

StatsCellValue readStatsCell(std::string_view cell)
{
    StatsCellValue v;
    v.text = trimStatsCell(cell);
    if (equalsIgnoringCase(v.text, "TRUE")) {
        v.kind = StatsCellKind::True;
        return v;
    }
    if (equalsIgnoringCase(v.text, "FALSE")) {
        v.kind = StatsCellKind::False;
        return v;
    }
    if (equalsIgnoringCase(v.text, "#N/A")) {
        v.kind = StatsCellKind::NotAvailable;
        return v;
    }
    v.number = readStatsNumber(v.text);
    if (!v.text.empty() && v.text.front() == '-' && v.number == 0.0) {
        v.kind = StatsCellKind::Dash;
        v.number = 0.0;
    }
    return v;
}

} // namespace gr2
