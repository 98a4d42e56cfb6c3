#pragma once
// The stats text import: the designers' spreadsheet, exported as tab-separated text, overwrites
// the matching fields of the global type records and the global variables in memory. Nothing is
// written to disk here; Save Game Data does that.

#include "worlddata/Reporter.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

namespace gr2 {

class CTypeDatabase;
class StatsTextLines;
struct StatsSectionInfo;

class StatsImport {
public:
    enum class Result {
        Imported,    ///< the text was read to its end
        NoStatsData, ///< the text holds no tab at all and was not looked at (no message)
        LoadFailed,  ///< the file could not be read (reported)
        Aborted,     ///< stopped at a section of an unknown name (reported); earlier changes stay
    };

    /// Files larger than this are refused as if memory for them could not be had: no spreadsheet
    /// export comes near it.
    static constexpr uint64_t kMaxFileSize = uint64_t(256) << 20;

    StatsImport(CTypeDatabase& types, Reporter& reporter) : m_types(types), m_reporter(reporter) {}

    Result importText(std::string_view text);
    Result importText(std::span<const uint8_t> bytes)
    {
        return importText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    /// Reads the whole file, then imports it.
    Result importFile(const std::filesystem::path& path);
    /// The sections of a known name the last import read (none: the text was no stats text).
    size_t sectionsRead() const { return m_sectionsRead; }

    // The messages, exactly as the user sees them.
    static const char* const kCannotLoadStatsFile;
    static const char* const kCannotAllocateBuffer;
    static const char* const kCannotLoadFile;
    static const char* const kUnknownSection;

private:
    CTypeDatabase& m_types;
    Reporter& m_reporter;
    size_t m_sectionsRead = 0;

    /// Reads one section from the line after its start line. Returns a start line met before the
    /// section's end line (a section whose end line is missing ends there).
    struct ResolvedSection;

    std::optional<std::string_view> readSection(const StatsSectionInfo& section, StatsTextLines& lines);
    void readTypeLine(const ResolvedSection& section, std::string_view codeLine, std::string_view line);
    void readExperienceLine(int64_t typeId, std::string_view codeLine, std::string_view line);
    void readWorldVariableLine(std::string_view line);
};

} // namespace gr2
