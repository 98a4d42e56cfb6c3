#include "script/ScriptElement.h"

namespace gr2 {

ScriptElementIndex::ScriptElementIndex(const std::vector<std::unique_ptr<CTrigger>>& triggers,
                                       const std::vector<std::unique_ptr<CAction>>& actions)
{
    m_byId.reserve(triggers.size() + actions.size());
    // try_emplace keeps the first element of a repeated id, as a scan of the array finds it.
    for (const auto& t : triggers)
        if (t->id() > 0)
            m_byId.try_emplace(t->id(), ScriptElement{t.get(), nullptr});
    for (const auto& a : actions)
        if (a->id() < 0)
            m_byId.try_emplace(a->id(), ScriptElement{nullptr, a.get()});
}

ScriptElement ScriptElementIndex::find(int16_t id) const
{
    auto it = m_byId.find(id);
    return it == m_byId.end() ? ScriptElement{} : it->second;
}

} // namespace gr2
