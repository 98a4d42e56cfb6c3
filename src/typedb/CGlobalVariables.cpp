#include "typedb/CGlobalVariables.h"

#include "typedb/VariableTables.h"
#include "worlddata/ByteOrder.h"

#include <algorithm>
#include <cmath>

namespace gr2 {

namespace {

constexpr uint32_t kRealIds[] = {67, 155, 158, 185, 220, 221};
/// Zero in an experience table is written as this value.
constexpr int16_t kZeroIncreaseWrittenAs = 100;
/// Experience levels 2 to 10 are stored as the column + 2.
constexpr uint32_t kFirstExperienceLevel = 2;

/// A value written as a whole number: truncated toward zero, saturated to 32 bits.
int32_t toWhole(double v)
{
    if (!(v == v))
        return 0;
    return int32_t(std::clamp(std::trunc(v), -2147483648.0, 2147483647.0));
}

size_t availabilityIndex(AvailabilityFamily family)
{
    return (size_t(family) - 1) % kAvailabilityFamilies;
}

} // namespace

bool SacrificeEntry::rewardHasType(uint8_t kind)
{
    switch (kind) {
    case 1: // creature
    case 2: // object
    case 5: // Vorlan spell
    case 6: // creatures happy
    case 7: // creatures unhappy
    case 8: // creatures angry
        return true;
    default:
        return false;
    }
}

CGlobalVariables::CGlobalVariables()
{
    resetValuesToDefaults();
}

void CGlobalVariables::setValue(uint32_t id, double value)
{
    if (id < kVariableCount)
        m_values[id] = value;
}

void CGlobalVariables::resetValuesToDefaults()
{
    for (uint32_t id = 0; id < kVariableCount; ++id)
        m_values[id] = defaultValue(id);
}

double CGlobalVariables::defaultValue(uint32_t id)
{
    for (size_t i = 0; i < VariableTables::kDefaultCount; ++i)
        if (VariableTables::kDefaults[i].id == id)
            return VariableTables::kDefaults[i].value;
    return 0.0;
}

bool CGlobalVariables::isRealVariable(uint32_t id)
{
    return std::find(std::begin(kRealIds), std::end(kRealIds), id) != std::end(kRealIds);
}

std::span<const uint32_t> CGlobalVariables::overridableIds()
{
    return VariableTables::kOverridable;
}

bool CGlobalVariables::isOverridable(uint32_t id)
{
    std::span<const uint32_t> ids = overridableIds();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::span<const VariableName> CGlobalVariables::nameTable()
{
    return {VariableTables::kNames, VariableTables::kNameCount};
}

std::u16string_view CGlobalVariables::name(uint32_t id)
{
    for (const VariableName& n : nameTable())
        if (n.id == id)
            return n.name;
    return {};
}

std::vector<uint32_t> CGlobalVariables::levelEditorIds()
{
    std::vector<uint32_t> ids;
    for (const VariableName& n : nameTable())
        if (n.id != 29 && isOverridable(n.id))
            ids.push_back(n.id);
    return ids;
}

std::vector<DefaultAvailabilityEntry>& CGlobalVariables::defaultAvailability(AvailabilityFamily family)
{
    return m_availability[availabilityIndex(family)];
}

const std::vector<DefaultAvailabilityEntry>&
CGlobalVariables::defaultAvailability(AvailabilityFamily family) const
{
    return m_availability[availabilityIndex(family)];
}

void CGlobalVariables::clearSacrifices()
{
    m_sacrifices.fill(SacrificeEntry{});
}

int16_t CGlobalVariables::experienceIncrease(size_t stat, size_t column) const
{
    return stat < kExperienceStats && column < kExperienceLevels ? m_experience[stat][column] : 0;
}

void CGlobalVariables::setExperienceIncrease(size_t stat, size_t column, int16_t value)
{
    if (stat < kExperienceStats && column < kExperienceLevels)
        m_experience[stat][column] = value;
}

int16_t CGlobalVariables::firstPersonIncrease(size_t stat) const
{
    return stat < kExperienceStats ? m_firstPerson[stat] : 0;
}

void CGlobalVariables::setFirstPersonIncrease(size_t stat, int16_t value)
{
    if (stat < kExperienceStats)
        m_firstPerson[stat] = value;
}

// --- records ------------------------------------------------------------------------------------

void CGlobalVariables::applyRecord(const VariableRecord& r, const TypeExists& typeExists)
{
    switch (r.id) {
    case VariableId::DefaultAvailability: {
        uint32_t family = r.a & 0xFFFF;
        if (family < 1 || family > kAvailabilityFamilies)
            return;
        for (DefaultAvailabilityEntry& e : defaultAvailability(AvailabilityFamily(family)))
            if (e.type == (r.b & 0xFF)) {
                e.state = r.c;
                return;
            }
        return;
    }
    case VariableId::TypeValueList: {
        uint8_t family = uint8_t(r.a & 0xFF);
        uint8_t type = uint8_t(r.b & 0xFF);
        if (family < 1 || family > 4 || !typeExists || !typeExists(family, type))
            return;
        m_typeValues.push_back({family, type, r.c});
        return;
    }
    case VariableId::Sacrifice: {
        auto slot = std::find_if(m_sacrifices.begin(), m_sacrifices.end(),
                                 [](const SacrificeEntry& e) { return e.empty(); });
        if (slot == m_sacrifices.end())
            return;
        SacrificeEntry e;
        for (size_t i = 0; i < 4; ++i)
            e.ingredients[i] = uint8_t(r.a >> (8 * i));
        e.ingredients[4] = uint8_t(r.b);
        e.ingredients[5] = uint8_t(r.b >> 8);
        e.rewardKind = uint8_t(r.b >> 16);
        e.speech = uint8_t(r.b >> 24);
        if (SacrificeEntry::rewardHasType(e.rewardKind))
            e.rewardType = uint8_t(r.c);
        else
            e.amount = r.c;
        *slot = e;
        return;
    }
    case VariableId::FourBitTable1:
    case VariableId::FourBitTable2:
    case VariableId::FourBitTable3: {
        std::array<uint8_t, kFourBitTableSize>& t = m_fourBit[r.id - VariableId::FourBitTable1];
        for (size_t i = 0; i < 8; ++i)
            t[i] = uint8_t((r.a >> (28 - 4 * i)) & 15);
        for (size_t i = 0; i < 6; ++i)
            t[8 + i] = uint8_t((r.b >> (28 - 4 * i)) & 15);
        return;
    }
    case VariableId::ExperienceIncrease: {
        // Row and column come from the file: anything outside the table is dropped.
        if (r.a >= kExperienceStats || r.c < kFirstExperienceLevel ||
            r.c - kFirstExperienceLevel >= kExperienceLevels)
            return;
        m_experience[r.a][r.c - kFirstExperienceLevel] = int16_t(r.b);
        return;
    }
    case VariableId::FirstPersonIncrease:
        if (r.a < kExperienceStats)
            m_firstPerson[r.a] = int16_t(r.b);
        return;
    default:
        break;
    }
    if (r.id < kVariableCount && isOverridable(r.id))
        m_values[r.id] = isRealVariable(r.id) ? fromFixed12(int32_t(r.a)) : double(int32_t(r.a));
}

std::vector<VariableRecord> CGlobalVariables::records() const
{
    std::vector<VariableRecord> out;
    constexpr AvailabilityFamily kOrder[] = {AvailabilityFamily::Rooms, AvailabilityFamily::Creatures,
                                             AvailabilityFamily::Doors, AvailabilityFamily::Traps,
                                             AvailabilityFamily::VorlanSpells};
    for (AvailabilityFamily family : kOrder)
        for (const DefaultAvailabilityEntry& e : defaultAvailability(family))
            if (e.state != 1)
                out.push_back({VariableId::DefaultAvailability, uint32_t(family), e.type, e.state});

    for (const TypeValueEntry& e : m_typeValues)
        out.push_back({VariableId::TypeValueList, e.family, e.type, e.value});

    for (uint32_t id : overridableIds()) {
        double v = m_values[id];
        int32_t stored = isRealVariable(id) ? toFixed12(v) : toWhole(v);
        out.push_back({id, uint32_t(stored), 0, 0});
    }

    for (const SacrificeEntry& e : m_sacrifices) {
        if (e.empty())
            continue;
        VariableRecord r{VariableId::Sacrifice, 0, 0, 0};
        for (size_t i = 0; i < 4; ++i)
            r.a |= uint32_t(e.ingredients[i]) << (8 * i);
        r.b = uint32_t(e.ingredients[4]) | uint32_t(e.ingredients[5]) << 8 | uint32_t(e.rewardKind) << 16 |
              uint32_t(e.speech) << 24;
        r.c = SacrificeEntry::rewardHasType(e.rewardKind) ? e.rewardType : e.amount;
        out.push_back(r);
    }

    for (size_t t = 0; t < 3; ++t) {
        VariableRecord r{VariableId::FourBitTable1 + uint32_t(t), 0, 0, 0};
        for (size_t i = 0; i < 8; ++i)
            r.a |= uint32_t(m_fourBit[t][i] & 15) << (28 - 4 * i);
        for (size_t i = 0; i < 6; ++i)
            r.b |= uint32_t(m_fourBit[t][8 + i] & 15) << (28 - 4 * i);
        out.push_back(r);
    }

    auto written = [](int16_t v) { return v == 0 ? kZeroIncreaseWrittenAs : v; };
    for (uint32_t stat = 0; stat < kExperienceStats; ++stat)
        for (uint32_t col = 0; col < kExperienceLevels; ++col)
            out.push_back({VariableId::ExperienceIncrease, stat,
                           uint32_t(int32_t(written(m_experience[stat][col]))), col + kFirstExperienceLevel});
    for (uint32_t stat = 0; stat < kExperienceStats; ++stat)
        out.push_back(
            {VariableId::FirstPersonIncrease, stat, uint32_t(int32_t(written(m_firstPerson[stat]))), 0});
    return out;
}

} // namespace gr2
