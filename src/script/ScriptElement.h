#pragma once
// One element of a script chain, whichever of the two kinds it is: a trigger (id > 0) or an
// action (id < 0). Chains are joined by the elements' next links, so every walk needs both.

#include "script/CAction.h"
#include "script/CTrigger.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

namespace gr2 {

struct ScriptElement {
    CTrigger* trigger = nullptr;
    CAction* action = nullptr;

    explicit operator bool() const { return trigger || action; }
    bool operator==(const ScriptElement&) const = default;

    CLevelObject* object() const
    {
        return trigger ? static_cast<CLevelObject*>(trigger) : static_cast<CLevelObject*>(action);
    }
    int16_t id() const { return trigger ? trigger->id() : (action ? action->id() : 0); }
    int16_t next() const { return trigger ? trigger->next() : (action ? action->next() : 0); }
    void setNext(int16_t id) const
    {
        if (trigger)
            trigger->setNext(id);
        else if (action)
            action->setNext(id);
    }
};

/// The first trigger or action of each id, for walks over a whole level. Lookups by id are plain
/// scans of the arrays elsewhere; a walk that visits every element would make that quadratic, which
/// a large or hostile file turns into a hang. Valid only while no element is added, removed or
/// renumbered.
class ScriptElementIndex {
public:
    ScriptElementIndex(const std::vector<std::unique_ptr<CTrigger>>& triggers,
                       const std::vector<std::unique_ptr<CAction>>& actions);
    /// What FindTrigger or FindAction would answer for the id.
    ScriptElement find(int16_t id) const;

private:
    std::unordered_map<int16_t, ScriptElement> m_byId;
};

} // namespace gr2
