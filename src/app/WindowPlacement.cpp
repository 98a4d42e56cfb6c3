#include "app/WindowPlacement.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

namespace gr2 {

namespace {

/// One number as a scanf conversion would read it: leading blanks, an optional sign, digits.
std::optional<int64_t> readNumber(std::string_view text, size_t& pos, bool isUnsigned)
{
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || !std::isdigit(static_cast<unsigned char>(text[pos])))
        return std::nullopt;
    int64_t value = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        value = value * 10 + (text[pos] - '0');
        if (value > int64_t(std::numeric_limits<uint32_t>::max()) + 1)
            return std::nullopt;
        ++pos;
    }
    if (negative)
        value = -value;
    if (isUnsigned && (value < 0 || value > int64_t(std::numeric_limits<uint32_t>::max())))
        return std::nullopt;
    if (!isUnsigned &&
        (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<WindowPlacement> parseWindowPlacement(std::string_view text)
{
    int64_t values[10];
    size_t pos = 0;
    for (int i = 0; i < 10; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != ',')
                return std::nullopt;
            ++pos;
        }
        auto value = readNumber(text, pos, i < 2);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    if (pos != text.size())
        return std::nullopt;
    WindowPlacement p;
    p.length = WindowPlacement::kRecordLength;
    p.flags = uint32_t(values[0]);
    p.showState = uint32_t(values[1]);
    p.minX = int32_t(values[2]);
    p.minY = int32_t(values[3]);
    p.maxX = int32_t(values[4]);
    p.maxY = int32_t(values[5]);
    p.left = int32_t(values[6]);
    p.top = int32_t(values[7]);
    p.right = int32_t(values[8]);
    p.bottom = int32_t(values[9]);
    return p;
}

std::string formatWindowPlacement(const WindowPlacement& p)
{
    char text[160];
    std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d", unsigned(p.flags),
                  unsigned(p.showState), int(p.minX), int(p.minY), int(p.maxX), int(p.maxY), int(p.left),
                  int(p.top), int(p.right), int(p.bottom));
    return text;
}

DesktopRect fitOntoScreens(const DesktopRect& window, const std::vector<DesktopRect>& screens)
{
    if (screens.empty())
        return window;
    auto overlap = [&](const DesktopRect& s) -> int64_t {
        const int64_t w = std::min(window.right, s.right) - std::max(window.left, s.left);
        const int64_t h = std::min(window.bottom, s.bottom) - std::max(window.top, s.top);
        return w > 0 && h > 0 ? w * h : 0;
    };
    const DesktopRect* screen = &screens.front();
    int64_t best = 0;
    for (const DesktopRect& s : screens)
        if (const int64_t area = overlap(s); area > best) {
            best = area;
            screen = &s;
        }
    if (screen->width() <= 0 || screen->height() <= 0)
        return window;
    const int32_t width = std::clamp(window.width(), 1, screen->width());
    const int32_t height = std::clamp(window.height(), 1, screen->height());
    const int32_t left = std::clamp(window.left, screen->left, screen->right - width);
    const int32_t top = std::clamp(window.top, screen->top, screen->bottom - height);
    return {left, top, left + width, top + height};
}

} // namespace gr2
