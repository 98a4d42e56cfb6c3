#include "script/ScriptElement.h"

#include <algorithm>

namespace gr2 {

ScriptElementIndex::ScriptElementIndex(const std::vector<std::unique_ptr<CTrigger>>& triggers,
                                       const std::vector<std::unique_ptr<CAction>>& actions)
{
    // Triggers have positive ids and actions negative ones; others are never found.
    int32_t lowest = 0, highest = 0;
    for (const auto& t : triggers)
        highest = std::max<int32_t>(highest, t->id());
    for (const auto& a : actions)
        lowest = std::min<int32_t>(lowest, a->id());
    m_lowestId = lowest;
    m_slots.assign(size_t(highest - lowest + 1), ScriptElement{});
    // The first element of a repeated id stays, as a scan of the array finds it.
    for (const auto& t : triggers)
        if (t->id() > 0 && !m_slots[size_t(t->id() - lowest)])
            m_slots[size_t(t->id() - lowest)] = ScriptElement{t.get(), nullptr};
    for (const auto& a : actions)
        if (a->id() < 0 && !m_slots[size_t(a->id() - lowest)])
            m_slots[size_t(a->id() - lowest)] = ScriptElement{nullptr, a.get()};
}

} // namespace gr2
