#pragma once
// A level's own values of the global game variables and of creature stats. The level starts from
// the global values and may change only the variables the game lets a level override.

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace gr2 {

struct CreatureStatOverride {
    uint8_t creatureType = 0;
    uint32_t level = 0; ///< also the stat row the value applies to; the file keeps it below 32
    int32_t value = 0;
};

class VariableOverrides {
public:
    static constexpr size_t kVariableCount = 248;

    /// Copies the global values and the list of overridable ids (new level, level opened).
    void assign(std::span<const double> values, std::span<const uint32_t> overridableIds);
    /// Copies only the list of overridable ids.
    void assignOverridableIds(std::span<const uint32_t> ids);

    /// 0 for an id beyond the table.
    double GetVariable(uint32_t id) const { return id < kVariableCount ? m_values[id] : 0.0; }
    /// Ignored for an id beyond the table.
    void SetVariable(uint32_t id, double value);
    bool IsOverridableVariable(uint32_t id) const;
    const std::vector<uint32_t>& overridableIds() const { return m_ids; }
    bool hasValues() const { return m_hasValues; }

    /// Sets (present) or clears (not present) the override of one creature type at one level.
    void SetCreatureStatOverride(uint8_t type, uint32_t level, int32_t value, bool present);
    const CreatureStatOverride* findCreatureStatOverride(uint8_t type, uint32_t level) const;
    const std::vector<CreatureStatOverride>& creatureStatOverrides() const { return m_stats; }

private:
    std::array<double, kVariableCount> m_values{};
    std::vector<uint32_t> m_ids;
    std::array<bool, kVariableCount> m_overridable{}; ///< m_ids as a table, for the loader's lookups
    std::vector<CreatureStatOverride> m_stats;
    bool m_hasValues = false;
};

} // namespace gr2
