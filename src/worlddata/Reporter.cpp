#include "worlddata/Reporter.h"

#include <string_view>
#include <system_error>

namespace gr2 {

namespace {

// Replaces the conversions in order; the texts are fixed and use only %s and %d, so nothing here
// ever reads an argument that was not given.
std::string substitute(std::string_view format, const std::string* text, const std::string* number)
{
    std::string out;
    out.reserve(format.size() + (text ? text->size() : 0) + (number ? number->size() : 0));
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            char c = format[i + 1];
            if (c == 's' && text) {
                out += *text;
                text = nullptr;
                ++i;
                continue;
            }
            if (c == 'd' && number) {
                out += *number;
                number = nullptr;
                ++i;
                continue;
            }
            if (c == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

} // namespace

std::string formatMessage(const char* format, const std::string& text)
{
    return substitute(format, &text, nullptr);
}

std::string formatMessage(const char* format, const std::string& text, int number)
{
    const std::string digits = std::to_string(number);
    return substitute(format, &text, &digits);
}

std::string formatCauseMessage(const char* format, const std::string& text, int error)
{
    const std::string cause = describeSystemError(error);
    return substitute(format, &text, &cause);
}

std::string describeSystemError(int error)
{
    std::string text = std::to_string(error);
    if (error != 0)
        text += ": " + std::generic_category().message(error);
    return text;
}

} // namespace gr2
