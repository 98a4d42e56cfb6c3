#include "stats/StatsImport.h"

#include "level/TextConversion.h"
#include "stats/StatsCell.h"
#include "stats/StatsCodeTables.h"
#include "stats/StatsTextLines.h"
#include "stats/WorldVariableRows.h"
#include "typedb/CTypeDatabase.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/CaseInsensitivePath.h"
#include "worlddata/DataStream.h"

#include <algorithm>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace gr2 {

const char* const StatsImport::kCannotLoadStatsFile = "Cannot load Stats file (%s)";
const char* const StatsImport::kCannotAllocateBuffer = "Cannot allocatate buffer to load Stats file";
const char* const StatsImport::kCannotLoadFile = "Cannot load XLS file (%s)";
const char* const StatsImport::kUnknownSection = "Unknown Stat Data \"%s\" - Aborting Load";

namespace {

constexpr std::string_view kStartMark = "[START:";
constexpr std::string_view kEndMark = "[END:";

bool isStartLine(std::string_view line)
{
    return firstCell(line).find(kStartMark) != std::string_view::npos;
}
bool isEndLine(std::string_view line)
{
    return firstCell(line).find(kEndMark) != std::string_view::npos;
}

/// A whole number for a message's "%d".
int messageNumber(int64_t n)
{
    return int(std::clamp<int64_t>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

bool isRealKind(FieldKind kind)
{
    return kind == FieldKind::Real || kind == FieldKind::Real16x16 || kind == FieldKind::PercentReal;
}

const RecordLayout& layoutOfRecord(StatsRecord record, TypeFamily family)
{
    return layoutOf(record == StatsRecord::FloorTerrain ? TypeFamily::Terrain : family);
}

} // namespace

/// A section's codes with their fields found once, indexed by code number.
struct StatsImport::ResolvedSection {
    struct Code {
        const StatsCode* code = nullptr;
        std::optional<FieldDef> field;
        std::optional<FieldDef> flags;
    };

    const StatsSectionInfo& info;
    std::vector<Code> codes;

    explicit ResolvedSection(const StatsSectionInfo& section) : info(section)
    {
        if (!section.family)
            return;
        uint16_t highest = 0;
        for (const StatsCode& c : section.codes)
            highest = std::max(highest, c.code);
        codes.resize(size_t(highest) + 1);
        for (const StatsCode& c : section.codes) {
            Code& r = codes[c.code];
            r.code = &c;
            if (c.apply == StatsApply::Ignored)
                continue;
            r.field = resolveStatsPlace(layoutOfRecord(c.place.record, *section.family), c.place);
            if (c.apply == StatsApply::Colour)
                r.flags = resolveStatsPlace(layoutOfRecord(c.flags.record, *section.family), c.flags);
        }
    }

    const Code* find(int64_t code) const
    {
        if (code < 0 || uint64_t(code) >= codes.size() || !codes[size_t(code)].code)
            return nullptr;
        return &codes[size_t(code)];
    }
};

namespace {

void setFlagBit(CTypeRecord& record, const FieldDef& flags, int bit, bool on)
{
    if (bit < 0 || bit >= 32)
        return;
    uint32_t word = uint32_t(record.intValue(flags));
    word = on ? word | (1u << bit) : word & ~(1u << bit);
    record.setIntValue(flags, word);
}

/// What one cell does to one record field.
void applyCell(CTypeRecord& record, const StatsCode& code, const FieldDef& field, const FieldDef* flags,
               const StatsCellValue& cell)
{
    switch (code.apply) {
    case StatsApply::Value:
        if (isRealKind(field.kind))
            record.setRealValue(field, cell.number);
        else
            record.setIntValue(field, statsWholeNumber(cell.number));
        break;
    case StatsApply::Hundredths:
        record.setRealValue(field, cell.number / 100.0);
        break;
    case StatsApply::Flag: {
        const bool on =
            cell.kind == StatsCellKind::True || (cell.kind == StatsCellKind::Number && cell.number != 0);
        setFlagBit(record, field, code.bit, on);
        if (on && code.clears >= 0)
            setFlagBit(record, field, code.clears, false);
        break;
    }
    case StatsApply::Colour: {
        const int64_t colour = statsWholeNumber(cell.number);
        record.setIntValue(field, colour & 0xFF);
        if (flags)
            setFlagBit(record, *flags, code.bit, colour > 255);
        break;
    }
    case StatsApply::Word:
        for (const StatsWord& w : code.words)
            if (equalsIgnoringCase(cell.text, w.word)) {
                record.setIntValue(field, w.value);
                break;
            }
        break;
    case StatsApply::Ignored:
        break;
    }
}

} // namespace

StatsImport::Result StatsImport::importText(std::string_view text)
{
    m_sectionsRead = 0;
    if (text.find('\t') == std::string_view::npos)
        return Result::NoStatsData;
    StatsTextLines lines(text);
    std::optional<std::string_view> line = lines.next();
    while (line) {
        if (!isStartLine(*line)) {
            line = lines.next();
            continue;
        }
        const std::string_view start = firstCell(*line);
        const StatsSectionInfo* section = nullptr;
        for (const StatsSectionInfo& s : statsSections())
            if (start.find(s.name) != std::string_view::npos) {
                section = &s;
                break;
            }
        if (!section) {
            m_reporter.message(formatMessage(kUnknownSection, latin1ToUtf8(start)),
                               Reporter::Icon::Exclamation);
            return Result::Aborted;
        }
        std::optional<std::string_view> next = readSection(*section, lines);
        ++m_sectionsRead;
        line = next ? next : lines.next();
    }
    return Result::Imported;
}

std::optional<std::string_view> StatsImport::readSection(const StatsSectionInfo& section,
                                                         StatsTextLines& lines)
{
    // Every line of a section, from the code line on, may be its end; a start line also ends a
    // section whose end line is missing, so that the next section is not read as this one's data.
    std::optional<std::string_view> line;
    auto nextInSection = [&]() -> bool {
        line = lines.next();
        return line && !isEndLine(*line) && !isStartLine(*line);
    };
    auto pendingStart = [&]() -> std::optional<std::string_view> {
        if (line && isStartLine(*line) && !isEndLine(*line))
            return line;
        return std::nullopt;
    };

    switch (section.section) {
    case StatsSection::CameraModes:
        while (nextInSection()) {
        }
        return pendingStart();
    case StatsSection::WorldVariables:
        if (!nextInSection()) // the column titles
            return pendingStart();
        while (nextInSection())
            readWorldVariableLine(*line);
        return pendingStart();
    default:
        break;
    }

    if (!nextInSection())
        return pendingStart();
    const std::string_view codeLine = *line;
    if (!nextInSection()) // the column titles
        return pendingStart();
    const ResolvedSection resolved(section);
    while (nextInSection())
        readTypeLine(resolved, codeLine, *line);
    return pendingStart();
}

void StatsImport::readTypeLine(const ResolvedSection& section, std::string_view codeLine,
                               std::string_view line)
{
    StatsCells cells(line);
    const std::optional<std::string_view> idCell = cells.next();
    if (!idCell)
        return;
    const int64_t id = statsWholeNumber(readStatsNumber(*idCell));
    if (id < 0 && section.info.section == StatsSection::Creatures) {
        readExperienceLine(id, codeLine, line);
        return;
    }
    if (id <= 0 || id > std::numeric_limits<uint16_t>::max() || !section.info.family)
        return;
    CTypeRecord* record = m_types.table(*section.info.family).findRecordById(uint32_t(id));
    if (!record)
        return;
    // A room's floor codes change the terrain it names; a room whose floor terrain does not exist
    // still takes its own codes.
    CTypeRecord* floor = nullptr;
    if (section.info.section == StatsSection::Rooms)
        if (uint8_t floorId = static_cast<CRoomType*>(record)->floorTerrainId())
            floor = m_types.terrains().findById(floorId);

    StatsCells codes(codeLine);
    codes.skip(2);
    cells.skip(1); // the type's name
    for (;;) {
        const std::optional<std::string_view> codeCell = codes.next();
        if (!codeCell)
            break;
        const std::optional<std::string_view> cell = cells.next();
        if (!cell)
            break;
        const ResolvedSection::Code* code = section.find(statsWholeNumber(readStatsNumber(*codeCell)));
        if (!code)
            continue;
        const StatsCellValue value = readStatsCell(*cell);
        if (value.kind == StatsCellKind::NotAvailable) {
            m_reporter.message(
                formatMessage(section.info.invalidFieldMessage, latin1ToUtf8(record->name()), int(id)),
                Reporter::Icon::Exclamation);
            if (code->code->apply == StatsApply::Word)
                continue; // no word: the field stays as it is
        }
        if (value.kind == StatsCellKind::Dash || code->code->apply == StatsApply::Ignored || !code->field)
            continue;
        CTypeRecord* target = code->code->place.record == StatsRecord::FloorTerrain ? floor : record;
        if (!target)
            continue;
        applyCell(*target, *code->code, *code->field, code->flags ? &*code->flags : nullptr, value);
    }
}

void StatsImport::readExperienceLine(int64_t typeId, std::string_view codeLine, std::string_view line)
{
    // -2 to -10 are experience levels 2 to 10 of the level table, -11 the first-person table. The
    // id is held to that range before it is negated: the smallest id has no negation.
    if (typeId > -2 || typeId < -11)
        return;
    const int level = int(-typeId);
    CGlobalVariables& variables = m_types.variables();
    StatsCells codes(codeLine);
    codes.skip(2);
    StatsCells cells(line);
    cells.skip(2);
    for (;;) {
        const std::optional<std::string_view> codeCell = codes.next();
        if (!codeCell)
            break;
        const std::optional<std::string_view> cell = cells.next();
        if (!cell)
            break;
        const std::optional<size_t> stat =
            experienceStatForCode(statsWholeNumber(readStatsNumber(*codeCell)));
        const std::string_view text = trimStatsCell(*cell);
        if (!stat || (!text.empty() && text.front() == '-'))
            continue;
        const int16_t value = int16_t(uint16_t(statsWholeNumber(readStatsNumber(text)) & 0xFFFF));
        if (level == 11)
            variables.setFirstPersonIncrease(*stat, value);
        else
            variables.setExperienceIncrease(*stat, size_t(level - 2), value);
    }
}

void StatsImport::readWorldVariableLine(std::string_view line)
{
    StatsCells cells(line);
    const std::optional<std::string_view> rowCell = cells.next();
    if (!rowCell)
        return;
    const int64_t row = statsWholeNumber(readStatsNumber(*rowCell));
    if (row == 0 || !cells.skip(1))
        return;
    const std::optional<std::string_view> cell = cells.next();
    if (!cell)
        return;
    const StatsCellValue value = readStatsCell(*cell);
    if (value.kind == StatsCellKind::NotAvailable)
        m_reporter.message(formatMessage(kInvalidWorldVariableMessage, std::string(), messageNumber(row)),
                           Reporter::Icon::Exclamation);
    const std::optional<uint32_t> id = worldVariableForRow(row);
    if (!id || value.kind == StatsCellKind::Dash)
        return;
    double number = value.kind == StatsCellKind::True ? 1.0 : value.number;
    // Kept within what the variables file can hold, so memory and the saved file agree.
    if (CGlobalVariables::isRealVariable(*id))
        number = fromFixed12(toFixed12(number));
    else
        number = double(std::clamp<int64_t>(statsWholeNumber(number), std::numeric_limits<int32_t>::min(),
                                            std::numeric_limits<int32_t>::max()));
    m_types.variables().setValue(*id, number);
}

StatsImport::Result StatsImport::importFile(const std::filesystem::path& path)
{
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0) {
        m_reporter.message(formatMessage(kCannotLoadStatsFile, path.string()), Reporter::Icon::Exclamation);
        return Result::LoadFailed;
    }
    std::string text;
    try {
        if (size > kMaxFileSize)
            throw std::bad_alloc();
        text.resize(size_t(size));
    } catch (const std::bad_alloc&) {
        m_reporter.message(kCannotAllocateBuffer, Reporter::Icon::Exclamation);
        return Result::LoadFailed;
    }
    DataStream stream;
    if (!stream.open(path) || stream.read(text.data(), text.size()) != text.size()) {
        m_reporter.message(formatMessage(kCannotLoadFile, path.string()), Reporter::Icon::Exclamation);
        return Result::LoadFailed;
    }
    stream.close();
    return importText(std::string_view(text));
}

} // namespace gr2
