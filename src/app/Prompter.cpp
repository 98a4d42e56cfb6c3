#include "app/Prompter.h"

#include <string_view>

namespace gr2 {

Prompter::Answer cautiousAnswer(Prompter::Buttons buttons)
{
    switch (buttons) {
    case Prompter::Buttons::Ok:
        return Prompter::Answer::Ok;
    case Prompter::Buttons::OkCancel:
    case Prompter::Buttons::YesNoCancel:
        return Prompter::Answer::Cancel;
    case Prompter::Buttons::YesNo:
        return Prompter::Answer::No;
    }
    return Prompter::Answer::Cancel;
}

namespace {

// Replaces the conversions in order; the texts are fixed and use only %s and %d, so nothing here
// ever reads an argument that was not given.
std::string substitute(std::string_view format, const std::string* text, const int* number)
{
    std::string out;
    out.reserve(format.size() + (text ? text->size() : 0) + 12);
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
                out += std::to_string(*number);
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
    return substitute(format, &text, &number);
}

} // namespace gr2
