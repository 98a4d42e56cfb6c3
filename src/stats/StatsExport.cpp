#include "stats/StatsExport.h"

#include "stats/StatsCell.h"
#include "stats/StatsCodeTables.h"
#include "stats/WorldVariableRows.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/CRoomType.h"
#include "typedb/CTypeDatabase.h"
#include "worlddata/ByteOrder.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace gr2 {

namespace {

constexpr const char* kKeep = "-";

bool isReal(FieldKind kind)
{
    return kind == FieldKind::Real || kind == FieldKind::Real16x16 || kind == FieldKind::PercentReal;
}

std::string decimal(double value, int digits)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, value);
    // Trailing zeros of the fraction say nothing.
    std::string s = text;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    return s == "-0" ? "0" : s;
}

/// A real field's value as text that the import stores back into exactly the same bytes, through
/// `divisor` (100 for the hundredths codes); "-" when no text does.
std::string exactReal(std::span<const uint8_t> record, const FieldDef& field, double divisor)
{
    const double value = getRealField(record, field) * divisor;
    const int64_t stored = getIntField(record, field);
    std::vector<uint8_t> scratch(record.begin(), record.end());
    for (int digits : {6, 12, 17}) {
        const std::string text = decimal(value, digits);
        const double read = readStatsNumber(text);
        // A cell that starts with "-" and reads as 0 is passed over by the import.
        if (text.front() == '-' && read == 0.0)
            continue;
        setRealField(scratch, field, read / divisor);
        if (getIntField(scratch, field) == stored)
            return text;
    }
    return kKeep;
}

bool bitOf(std::span<const uint8_t> record, const FieldDef& flags, int bit)
{
    return bit >= 0 && bit < 32 && (uint64_t(getIntField(record, flags)) >> bit & 1) != 0;
}

/// One cell of a type line.
std::string cellOf(const StatsCode& code, const RecordLayout& layout, std::span<const uint8_t> record,
                   const RecordLayout* flagsLayout, std::span<const uint8_t> flagsRecord)
{
    if (code.apply == StatsApply::Ignored)
        return kKeep;
    const std::optional<FieldDef> field = resolveStatsPlace(layout, code.place);
    if (!field)
        return kKeep;
    switch (code.apply) {
    case StatsApply::Value:
        if (isReal(field->kind))
            return exactReal(record, *field, 1.0);
        return std::to_string(getIntField(record, *field));
    case StatsApply::Hundredths:
        return exactReal(record, *field, 100.0);
    case StatsApply::Flag: {
        const bool on = bitOf(record, *field, code.bit);
        // With both bits of a pair set, TRUE in one column would clear the other's bit.
        if (on && code.clears >= 0 && bitOf(record, *field, code.clears))
            return kKeep;
        return on ? "TRUE" : "FALSE";
    }
    case StatsApply::Colour: {
        if (!flagsLayout)
            return kKeep;
        const std::optional<FieldDef> flags = resolveStatsPlace(*flagsLayout, code.flags);
        if (!flags)
            return kKeep;
        const int64_t colour = getIntField(record, *field) & 0xFF;
        return std::to_string(colour + (bitOf(flagsRecord, *flags, code.bit) ? 256 : 0));
    }
    case StatsApply::Word: {
        const int64_t value = getIntField(record, *field);
        for (const StatsWord& w : code.words)
            if (w.value == value)
                return std::string(w.word);
        return kKeep;
    }
    case StatsApply::Ignored:
        break;
    }
    return kKeep;
}

class Writer {
public:
    void cell(const std::string& text)
    {
        if (!m_lineStarted)
            m_lineStarted = true;
        else
            m_text += '\t';
        m_text += text;
    }
    void endLine()
    {
        m_text += "\r\n";
        m_lineStarted = false;
    }
    void line(std::initializer_list<std::string> cells)
    {
        for (const std::string& c : cells)
            cell(c);
        endLine();
    }
    std::string take() { return std::move(m_text); }

private:
    std::string m_text;
    bool m_lineStarted = false;
};

/// Names go out as their stored bytes; a tab or line break in one would split the line.
std::string nameCell(const std::string& name)
{
    std::string out = name;
    for (char& c : out)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return out;
}

void writeTypeSection(Writer& out, const StatsSectionInfo& section, const CTypeDatabase& types)
{
    const TypeFamily family = *section.family;
    const TypeTableBase& table = types.table(family);
    out.line({"[START: " + std::string(section.name) + "]"});
    out.cell("Code");
    out.cell("");
    for (const StatsCode& code : section.codes)
        out.cell(std::to_string(code.code));
    out.endLine();
    out.cell("Type ID");
    out.cell("Name");
    for (const StatsCode& code : section.codes)
        out.cell("Code " + std::to_string(code.code));
    out.endLine();

    for (size_t i = 0; i < table.count(); ++i) {
        const CTypeRecord& record = *table.recordAt(i);
        // The import finds a type by its id: only the first record of an id can be reached.
        if (record.id() == 0 || table.findRecordById(record.id()) != &record)
            continue;
        const CTypeRecord* floor = nullptr;
        if (family == TypeFamily::Room)
            if (const uint8_t floorId = static_cast<const CRoomType&>(record).floorTerrainId())
                floor = types.table(TypeFamily::Terrain).findRecordById(floorId);
        out.cell(std::to_string(record.id()));
        out.cell(nameCell(record.name()));
        for (const StatsCode& code : section.codes) {
            const CTypeRecord* target = code.place.record == StatsRecord::FloorTerrain ? floor : &record;
            const CTypeRecord* flagsTarget = code.flags.record == StatsRecord::FloorTerrain ? floor : &record;
            if (!target) {
                out.cell(kKeep);
                continue;
            }
            out.cell(cellOf(code, target->layout(), target->bytes(),
                            flagsTarget ? &flagsTarget->layout() : nullptr,
                            flagsTarget ? flagsTarget->bytes() : std::span<const uint8_t>()));
        }
        out.endLine();
    }

    if (section.section == StatsSection::Creatures) {
        // The experience-level increases: -2 to -10 the levels of the level table, -11 the
        // first-person table. A negative entry cannot be imported (a cell starting with "-" is
        // passed over), so it is left out.
        const CGlobalVariables& variables = types.variables();
        for (int line = 2; line <= 11; ++line) {
            out.cell(std::to_string(-line));
            out.cell(line == 11 ? "First Person" : "Level " + std::to_string(line));
            for (const StatsCode& code : section.codes) {
                const std::optional<size_t> stat = experienceStatForCode(code.code);
                if (!stat) {
                    out.cell(kKeep);
                    continue;
                }
                const int16_t value = line == 11 ? variables.firstPersonIncrease(*stat)
                                                 : variables.experienceIncrease(*stat, size_t(line - 2));
                out.cell(value < 0 ? std::string(kKeep) : std::to_string(value));
            }
            out.endLine();
        }
    }
    out.line({"[END: " + std::string(section.name) + "]"});
}

void writeWorldVariables(Writer& out, const StatsSectionInfo& section, const CTypeDatabase& types)
{
    out.line({"[START: " + std::string(section.name) + "]"});
    out.line({"Row", "Variable", "Value"});
    const CGlobalVariables& variables = types.variables();
    for (int64_t row = 1; row <= 204; ++row) {
        const std::optional<uint32_t> id = worldVariableForRow(row);
        if (!id)
            continue;
        const double value = variables.value(*id);
        std::string text;
        if (CGlobalVariables::isRealVariable(*id)) {
            text = decimal(value, 12);
            if (text.front() == '-' && readStatsNumber(text) == 0.0)
                text = "0";
        } else {
            text = std::to_string(int64_t(value));
        }
        std::string name;
        for (char16_t c : CGlobalVariables::name(*id))
            name += c < 0x100 ? char(c) : '?';
        out.line({std::to_string(row), nameCell(name), text});
    }
    out.line({"[END: " + std::string(section.name) + "]"});
}

} // namespace

std::string exportStatsText(const CTypeDatabase& types)
{
    Writer out;
    for (const StatsSectionInfo& section : statsSections()) {
        if (section.section == StatsSection::WorldVariables)
            writeWorldVariables(out, section, types);
        else if (section.family && !section.codes.empty())
            writeTypeSection(out, section, types);
    }
    return out.take();
}

} // namespace gr2
