#pragma once
// A condition of the level's script. It is attached to the level, a player, a placed thing or a
// parent trigger, and heads a child list of the actions it performs and the sub-triggers tested
// under it. Everything refers to everything else by id; the owner pointer is re-established from
// the links whenever the script is resolved.

#include "level/CLevelObject.h"
#include "script/TriggerKind.h"
#include "script/TriggerOwnerKind.h"

#include <cstdint>

namespace gr2 {

class CTrigger : public CLevelObject {
public:
    static constexpr int16_t kMinId = 1;
    static constexpr int16_t kMaxId = 32767;
    /// How often a trigger may fire: once is what a new trigger starts with, 255 means always.
    static constexpr uint8_t kRepeatOnce = 1;
    static constexpr uint8_t kRepeatAlways = 255;

    explicit CTrigger(CWorldEditorDoc* doc) : CLevelObject(ObjectKind::Script, doc) { setPlaced(false); }

    uint8_t kind() const { return m_kind; }
    void setKind(uint8_t kind) { m_kind = kind; }
    int16_t id() const { return m_id; }
    void setId(int16_t id) { m_id = id; }

    /// What the trigger is attached to: a player, a thing or the parent trigger; none for a level
    /// trigger (ownerKind Level) and for a trigger whose owner is not known yet (ownerKind Null).
    CLevelObject* ownerObject() const { return m_owner; }
    TriggerOwnerKind ownerKind() const { return m_ownerKind; }
    void setOwnerObject(CLevelObject* owner, TriggerOwnerKind kind)
    {
        m_owner = owner;
        m_ownerKind = kind;
    }
    bool hasOwner() const { return m_ownerKind != TriggerOwnerKind::Null; }
    /// The parent trigger of a sub-trigger; none otherwise.
    CTrigger* parentTrigger() const;

    /// The first element of the child list: 0 none, > 0 a trigger, < 0 an action.
    int16_t child() const { return m_child; }
    void setChild(int16_t id) { m_child = id; }
    /// The element after this one in its list: 0 end, > 0 a trigger, < 0 an action.
    int16_t next() const { return m_next; }
    void setNext(int16_t id) { m_next = id; }

    uint8_t repeat() const { return m_repeat; }
    void setRepeat(uint8_t r) { m_repeat = r; }

    const TriggerParameters& parameters() const { return m_params; }
    void setParameters(const TriggerParameters& p) { m_params = p; }
    uint8_t op() const { return m_params.op; }
    void setOp(uint8_t v) { m_params.op = v; }
    uint8_t subject() const { return m_params.subject; }
    void setSubject(uint8_t v) { m_params.subject = v; }
    uint8_t flags() const { return m_params.flags; }
    void setFlags(uint8_t v) { m_params.flags = v; }
    uint8_t other() const { return m_params.other; }
    void setOther(uint8_t v) { m_params.other = v; }
    uint32_t value() const { return m_value; }
    void setValue(uint32_t v) { m_value = v; }

    // A trigger's "attached triggers" are its child list.
    int16_t firstTrigger() const override { return m_child; }
    void setFirstTrigger(int16_t id) override { m_child = id; }

private:
    uint8_t m_kind = 0;
    int16_t m_id = 0;
    CLevelObject* m_owner = nullptr;
    TriggerOwnerKind m_ownerKind = TriggerOwnerKind::Null;
    int16_t m_child = 0;
    int16_t m_next = 0;
    uint8_t m_repeat = kRepeatOnce;
    TriggerParameters m_params;
    uint32_t m_value = 0;
};

} // namespace gr2
