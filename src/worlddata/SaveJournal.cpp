#include "worlddata/SaveJournal.h"

#include <atomic>
#include <charconv>
#include <limits>
#include <random>
#include <unistd.h>

namespace gr2::SaveJournal {

namespace {

constexpr std::string_view kHeader = "GR2 save journal 1\n";
constexpr std::string_view kStagedSuffix = ".gr2new";
constexpr std::string_view kKeptOldSuffix = ".gr2old";
constexpr std::string_view kJournalPrefix = ".gr2save.";
constexpr std::string_view kJournalSuffix = ".journal";
constexpr size_t kTagRandomLength = 6;

const char* const kHexDigits = "0123456789abcdef";

std::string hex16(uint64_t value)
{
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i) {
        text[size_t(i)] = kHexDigits[value & 0xf];
        value >>= 4;
    }
    return text;
}

std::optional<uint64_t> parseHex16(std::string_view text)
{
    if (text.size() != 16)
        return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const char* digit = std::char_traits<char>::find(kHexDigits, 16, c);
        if (!digit)
            return std::nullopt;
        value = value << 4 | uint64_t(digit - kHexDigits);
    }
    return value;
}

std::optional<uint64_t> parseDecimal(std::string_view text)
{
    // No sign, no leading zeros but "0", at most 19 digits: the number is written one way only.
    if (text.empty() || text.size() > 19 || (text.size() > 1 && text[0] == '0'))
        return std::nullopt;
    uint64_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool needsEscape(unsigned char c)
{
    return c <= ' ' || c == '%' || c > '~';
}

std::string escapeName(std::string_view name)
{
    std::string out;
    for (unsigned char c : name) {
        if (needsEscape(c)) {
            out += '%';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xf];
        } else {
            out += char(c);
        }
    }
    return out;
}

std::optional<std::string> unescapeName(std::string_view text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const char* high = std::char_traits<char>::find(kHexDigits, 16, text[i + 1]);
            const char* low = std::char_traits<char>::find(kHexDigits, 16, text[i + 2]);
            if (!high || !low)
                return std::nullopt;
            const unsigned char decoded =
                static_cast<unsigned char>((high - kHexDigits) << 4 | (low - kHexDigits));
            if (!needsEscape(decoded))
                return std::nullopt;
            out += char(decoded);
            i += 2;
        } else if (needsEscape(c)) {
            return std::nullopt;
        } else {
            out += char(c);
        }
    }
    return out;
}

uint64_t hashOf(std::string_view text)
{
    return contentCheckOf(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())).hash;
}

bool isTag(std::string_view tag)
{
    const size_t dash = tag.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash > 10 || tag.size() - dash - 1 != kTagRandomLength)
        return false;
    for (size_t i = 0; i < tag.size(); ++i) {
        const char c = tag[i];
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (i < dash ? !digit : i > dash && !digit && !letter)
            return false;
    }
    return true;
}

/// Splits the next line (without its newline) off the text; none when no newline ends it.
std::optional<std::string_view> takeLine(std::string_view& text)
{
    const size_t end = text.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return line;
}

} // namespace

bool isPlainName(std::string_view name)
{
    return !name.empty() && name.size() <= kMaxNameBytes && name != "." && name != ".." &&
           name.find('/') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::string encode(const std::vector<Entry>& entries)
{
    std::string text(kHeader);
    text += std::to_string(entries.size()) + "\n";
    for (const Entry& e : entries) {
        text += e.hadOld ? "1 " : "0 ";
        text +=
            std::to_string(e.content.size) + " " + hex16(e.content.hash) + " " + escapeName(e.target) + "\n";
    }
    text += "end " + hex16(hashOf(text)) + "\n";
    return text;
}

std::optional<std::vector<Entry>> parse(std::string_view text)
{
    if (text.size() > kMaxBytes || !text.starts_with(kHeader))
        return std::nullopt;
    const std::string_view whole = text;
    text.remove_prefix(kHeader.size());
    const auto countLine = takeLine(text);
    const auto count = countLine ? parseDecimal(*countLine) : std::nullopt;
    if (!count || *count == 0 || *count > kMaxFiles)
        return std::nullopt;
    std::vector<Entry> entries;
    for (uint64_t i = 0; i < *count; ++i) {
        const auto line = takeLine(text);
        if (!line || line->size() < 4 || (line->substr(0, 2) != "0 " && line->substr(0, 2) != "1 "))
            return std::nullopt;
        Entry entry;
        entry.hadOld = (*line)[0] == '1';
        std::string_view rest = line->substr(2);
        const size_t sizeEnd = rest.find(' ');
        if (sizeEnd == std::string_view::npos)
            return std::nullopt;
        const auto size = parseDecimal(rest.substr(0, sizeEnd));
        rest.remove_prefix(sizeEnd + 1);
        if (!size || rest.size() < 18 || rest[16] != ' ')
            return std::nullopt;
        const auto hash = parseHex16(rest.substr(0, 16));
        const auto target = unescapeName(rest.substr(17));
        if (!hash || !target || !isPlainName(*target))
            return std::nullopt;
        for (const Entry& earlier : entries)
            if (earlier.target == *target)
                return std::nullopt;
        entry.content = {*size, *hash};
        entry.target = *target;
        entries.push_back(std::move(entry));
    }
    const std::string_view body = whole.substr(0, whole.size() - text.size());
    const auto endLine = takeLine(text);
    if (!endLine || !text.empty() || !endLine->starts_with("end "))
        return std::nullopt;
    const auto sum = parseHex16(endLine->substr(4));
    if (!sum || *sum != hashOf(body))
        return std::nullopt;
    return entries;
}

std::string newTag()
{
    static std::atomic<uint64_t> counter{0};
    static const uint64_t seed = std::random_device{}();
    const char* const alphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
    uint64_t value = seed ^ (++counter * 0x9e3779b97f4a7c15ull);
    std::string tag = std::to_string(::getpid()) + "-";
    for (size_t i = 0; i < kTagRandomLength; ++i) {
        tag += alphabet[value % 36];
        value /= 36;
    }
    return tag;
}

std::string stagedName(const std::string& target, const std::string& tag)
{
    return "." + target + "." + tag + std::string(kStagedSuffix);
}

std::string keptOldName(const std::string& target, const std::string& tag)
{
    return "." + target + "." + tag + std::string(kKeptOldSuffix);
}

std::string journalName(const std::string& tag)
{
    return std::string(kJournalPrefix) + tag + std::string(kJournalSuffix);
}

std::optional<SaveFile> classify(std::string_view name)
{
    if (name.starts_with(kJournalPrefix) && name.ends_with(kJournalSuffix) &&
        name.size() > kJournalPrefix.size() + kJournalSuffix.size()) {
        const std::string_view tag =
            name.substr(kJournalPrefix.size(), name.size() - kJournalPrefix.size() - kJournalSuffix.size());
        if (isTag(tag))
            return SaveFile{SaveFile::Kind::Journal, {}, std::string(tag)};
        return std::nullopt;
    }
    SaveFile::Kind kind;
    if (name.ends_with(kStagedSuffix))
        kind = SaveFile::Kind::Staged;
    else if (name.ends_with(kKeptOldSuffix))
        kind = SaveFile::Kind::KeptOld;
    else
        return std::nullopt;
    if (!name.starts_with(".") || name.size() <= 1 + kStagedSuffix.size())
        return std::nullopt;
    static_assert(kStagedSuffix.size() == kKeptOldSuffix.size());
    const std::string_view stem = name.substr(1, name.size() - 1 - kStagedSuffix.size());
    const size_t dot = stem.rfind('.');
    if (dot == std::string_view::npos)
        return std::nullopt;
    const std::string_view target = stem.substr(0, dot);
    const std::string_view tag = stem.substr(dot + 1);
    if (!isTag(tag) || !isPlainName(target))
        return std::nullopt;
    return SaveFile{kind, std::string(target), std::string(tag)};
}

std::optional<pid_t> ownerOf(std::string_view tag)
{
    if (!isTag(tag))
        return std::nullopt;
    const auto pid = parseDecimal(tag.substr(0, tag.find('-')));
    if (!pid || *pid == 0 || *pid > uint64_t(std::numeric_limits<pid_t>::max()))
        return std::nullopt;
    return pid_t(*pid);
}

} // namespace gr2::SaveJournal
