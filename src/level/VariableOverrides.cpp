#include "level/VariableOverrides.h"

namespace gr2 {

void VariableOverrides::assign(std::span<const double> values, std::span<const uint32_t> overridableIds)
{
    m_values.fill(0.0);
    std::copy_n(values.begin(), std::min(values.size(), m_values.size()), m_values.begin());
    m_hasValues = true;
    assignOverridableIds(overridableIds);
}

void VariableOverrides::assignOverridableIds(std::span<const uint32_t> ids)
{
    m_ids.assign(ids.begin(), ids.end());
    m_overridable.fill(false);
    for (uint32_t id : m_ids)
        if (id < kVariableCount)
            m_overridable[id] = true;
}

void VariableOverrides::SetVariable(uint32_t id, double value)
{
    if (id < kVariableCount)
        m_values[id] = value;
}

bool VariableOverrides::IsOverridableVariable(uint32_t id) const
{
    return id < kVariableCount && m_overridable[id];
}

void VariableOverrides::SetCreatureStatOverride(uint8_t type, uint32_t level, int32_t value, bool present)
{
    auto it = std::find_if(m_stats.begin(), m_stats.end(), [&](const CreatureStatOverride& o) {
        return o.creatureType == type && o.level == level;
    });
    if (!present) {
        if (it != m_stats.end())
            m_stats.erase(it);
        return;
    }
    if (it != m_stats.end())
        it->value = value;
    else
        m_stats.push_back({type, level, value});
}

const CreatureStatOverride* VariableOverrides::findCreatureStatOverride(uint8_t type, uint32_t level) const
{
    for (const CreatureStatOverride& o : m_stats)
        if (o.creatureType == type && o.level == level)
            return &o;
    return nullptr;
}

} // namespace gr2
