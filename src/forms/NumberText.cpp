#include "forms/NumberText.h"

#include <array>
#include <charconv>
#include <cmath>

namespace gr2 {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

ParsedInteger parseInteger(std::string_view text)
{
    text = trimmed(text);
    ParsedInteger result;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        result.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return result;
    for (char c : text)
        if (c < '0' || c > '9')
            return result;
    uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    constexpr uint64_t kLargest = uint64_t(INT64_MAX);
    if (error == std::errc::result_out_of_range || end != text.data() + text.size() ||
        magnitude > kLargest + (result.negative ? 1 : 0)) {
        result.status = ParsedInteger::Status::TooLarge;
        return result;
    }
    result.status = ParsedInteger::Status::Ok;
    result.value = result.negative ? int64_t(0 - magnitude) : int64_t(magnitude);
    return result;
}

std::optional<double> parseReal(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    // Only plain decimal notation: no "inf", "nan" or hexadecimal forms.
    if (text.empty())
        return std::nullopt;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string formatInteger(int64_t value)
{
    return std::to_string(value);
}

std::string formatReal(double value, double scale)
{
    std::array<char, 64> buffer{};
    auto shortest = [&buffer](double v) {
        const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v);
        return error == std::errc() ? std::string(buffer.data(), end) : std::string("0");
    };
    if (scale <= 0 || !std::isfinite(value))
        return shortest(value);
    // The field stores trunc(value × scale): every number of the same magnitude interval stores
    // the same unit, and the one with the fewest decimals is shown.
    const double stored = std::trunc(value * scale);
    const double lowest = std::fabs(stored) / scale;
    const char* sign = stored < 0 ? "-" : "";
    for (int decimals = 0; decimals <= 15; ++decimals) {
        const double step = std::pow(10.0, decimals);
        const double first = std::ceil(lowest * step);
        for (double k : {first - 1, first, first + 1}) {
            if (k < 0)
                continue;
            const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), k / step,
                                                    std::chars_format::fixed, decimals);
            if (error != std::errc())
                continue;
            std::string text = std::string(sign) + std::string(buffer.data(), end);
            const std::optional<double> back = parseReal(text);
            if (back && std::trunc(*back * scale) == stored)
                return text == "-0" ? std::string("0") : text;
        }
    }
    return shortest(value);
}

} // namespace gr2
