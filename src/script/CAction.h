#pragma once
// An effect of the level's script, performed when the trigger whose child list holds it fires.
// A Create Creature action shows the creature it makes as a preview creature: one of the level's
// creatures that is not placed on the map and that the action answers for.

#include "level/CLevelObject.h"
#include "script/ActionKind.h"

#include <cstdint>

namespace gr2 {

class CCreature;
class CTrigger;

class CAction : public CLevelObject {
public:
    static constexpr int16_t kMinId = -32768;
    static constexpr int16_t kMaxId = -1;

    explicit CAction(CWorldEditorDoc* doc) : CLevelObject(ObjectKind::Script, doc) { setPlaced(false); }

    uint8_t kind() const { return m_kind; }
    void setKind(uint8_t kind) { m_kind = kind; }
    int16_t id() const { return m_id; }
    void setId(int16_t id) { m_id = id; }

    /// The trigger whose child list holds the action; none until it is found.
    CTrigger* ownerTrigger() const { return m_owner; }
    void setOwnerTrigger(CTrigger* trigger) { m_owner = trigger; }

    /// The element after this one in its trigger's child list (0 end, > 0 trigger, < 0 action).
    int16_t next() const { return m_next; }
    void setNext(int16_t id) { m_next = id; }

    const ActionParameters& parameters() const { return m_params; }
    ActionParameters& parameters() { return m_params; }
    void setParameters(const ActionParameters& p) { m_params = p; }
    uint8_t a(int i) const { return m_params.a[size_t(i)]; }
    void setA(int i, uint8_t v) { m_params.a[size_t(i)] = v; }
    uint32_t b() const { return m_params.b; }
    void setB(uint32_t v) { m_params.b = v; }

    /// Create Creature actions: the preview creature. The level's creature collection holds it;
    /// the action decides its life (deleting the action deletes it).
    CCreature* creature() const { return m_creature; }
    void setCreature(CCreature* c) { m_creature = c; }
    bool hasCreature() const { return m_creature != nullptr; }

    // An action heads no chain.
    int16_t firstTrigger() const override { return 0; }
    void setFirstTrigger(int16_t) override {}

private:
    uint8_t m_kind = 0;
    int16_t m_id = 0;
    CTrigger* m_owner = nullptr;
    int16_t m_next = 0;
    ActionParameters m_params;
    CCreature* m_creature = nullptr;
};

} // namespace gr2
