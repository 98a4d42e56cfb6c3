#include "forms/FormMessages.h"

namespace gr2::FormMessages {

std::string withBounds(std::string_view format, std::string_view low, std::string_view high)
{
    std::string text;
    int printfArgument = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            const char next = format[i + 1];
            if (next == '1' || next == '2' || next == 'd') {
                const bool first = next == '1' || (next == 'd' && printfArgument++ == 0);
                text += first ? low : high;
                ++i;
                continue;
            }
        }
        text += format[i];
    }
    return text;
}

} // namespace gr2::FormMessages
