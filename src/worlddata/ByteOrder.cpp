#include "worlddata/ByteOrder.h"

#include <cmath>
#include <limits>

namespace gr2 {

int32_t toFixed12(double value)
{
    double scaled = std::trunc(value * 4096.0);
    if (std::isnan(scaled))
        return 0;
    if (scaled >= double(std::numeric_limits<int32_t>::max()))
        return std::numeric_limits<int32_t>::max();
    if (scaled <= double(std::numeric_limits<int32_t>::min()))
        return std::numeric_limits<int32_t>::min();
    return int32_t(scaled);
}

std::string loadText(const uint8_t* p, size_t fieldSize)
{
    if (fieldSize == 0)
        return {};
    size_t len = 0;
    while (len + 1 < fieldSize && p[len] != 0)
        ++len;
    return std::string(reinterpret_cast<const char*>(p), len);
}

void storeText(uint8_t* p, size_t fieldSize, std::string_view text)
{
    if (fieldSize == 0)
        return;
    std::memset(p, 0, fieldSize);
    size_t n = std::min(text.size(), fieldSize - 1);
    std::memcpy(p, text.data(), n);
}

std::u16string loadText16(const uint8_t* p, size_t units)
{
    std::u16string out;
    for (size_t i = 0; i + 1 < units; ++i) {
        char16_t c = char16_t(loadU16(p + 2 * i));
        if (c == 0)
            break;
        out.push_back(c);
    }
    return out;
}

void storeText16(uint8_t* p, size_t units, std::u16string_view text)
{
    if (units == 0)
        return;
    std::memset(p, 0, units * 2);
    size_t n = std::min(text.size(), units - 1);
    for (size_t i = 0; i < n; ++i)
        storeU16(p + 2 * i, uint16_t(text[i]));
}

} // namespace gr2
