#include "level/TextConversion.h"

#include <cstdint>

namespace gr2 {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf16(std::u16string& out, char32_t c)
{
    if (c >= 0x10000) {
        c -= 0x10000;
        out.push_back(char16_t(0xD800 + (c >> 10)));
        out.push_back(char16_t(0xDC00 + (c & 0x3FF)));
    } else {
        out.push_back(char16_t(c));
    }
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (c >> 18)));
        out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::u16string utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        uint8_t b = uint8_t(text[i]);
        size_t extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : 99;
        if (extra == 99 || i + extra >= text.size()) {
            appendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : char32_t(b & (0x3F >> extra));
        bool ok = true;
        for (size_t k = 1; k <= extra; ++k) {
            uint8_t cont = uint8_t(text[i + k]);
            if ((cont & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (cont & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            appendUtf16(out, kReplacement);
            ++i;
            continue;
        }
        appendUtf16(out, c);
        i += extra + 1;
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string latin1ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        appendUtf8(out, c);
    return out;
}

std::string utf8ToLatin1(std::string_view text)
{
    std::string out;
    for (char16_t c : utf8ToUtf16(text))
        out += c < 256 ? char(c) : '?';
    return out;
}

} // namespace gr2
