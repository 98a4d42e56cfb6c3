#pragma once
// One element of a script chain, whichever of the two kinds it is: a trigger (id > 0) or an
// action (id < 0). Chains are joined by the elements' next links, so every walk needs both.

#include "script/CAction.h"
#include "script/CTrigger.h"

#include <cstdint>
#include <memory>
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
///
/// Ids are 16-bit, so the index is a table over the range of ids the level uses; each id in that
/// range has a slot number, which walks use to keep a mark or a value per element in plain arrays.
class ScriptElementIndex {
public:
    ScriptElementIndex(const std::vector<std::unique_ptr<CTrigger>>& triggers,
                       const std::vector<std::unique_ptr<CAction>>& actions);
    /// What FindTrigger or FindAction would answer for the id.
    ScriptElement find(int16_t id) const
    {
        const size_t slot = slotOf(id);
        return slot < m_slots.size() ? m_slots[slot] : ScriptElement{};
    }
    /// Slots are numbered 0 .. slotCount() - 1; an id outside the level's range has slotCount().
    size_t slotCount() const { return m_slots.size(); }
    size_t slotOf(int16_t id) const
    {
        const int32_t slot = int32_t(id) - m_lowestId;
        return slot >= 0 && size_t(slot) < m_slots.size() ? size_t(slot) : m_slots.size();
    }

private:
    int32_t m_lowestId = 0;
    std::vector<ScriptElement> m_slots;
};

/// One mark per element of an index, for walks that must pass each element once.
class ScriptElementMarks {
public:
    explicit ScriptElementMarks(const ScriptElementIndex& index)
        : m_index(index), m_marked(index.slotCount() + 1, 0)
    {
    }
    /// Marks the element of the id; answers whether it was not marked before.
    bool mark(int16_t id)
    {
        uint8_t& m = m_marked[m_index.slotOf(id)];
        const bool fresh = m == 0;
        m = 1;
        return fresh;
    }

private:
    const ScriptElementIndex& m_index;
    std::vector<uint8_t> m_marked; ///< the last slot stands for every id outside the range
};

} // namespace gr2
