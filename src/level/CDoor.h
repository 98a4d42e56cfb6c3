#pragma once
// A door placed on a level, possibly locked or only a blueprint the owner still has to build.

#include "level/CLevelObject.h"

namespace gr2 {

class CDoor : public CLevelObject {
public:
    CDoor(CWorldEditorDoc* doc, uint8_t type) : CLevelObject(ObjectKind::Door, doc), m_type(type) {}

    uint8_t type() const { return m_type; }
    void setType(uint8_t t) { m_type = t; }
    bool isLocked() const { return m_locked; }
    void setLocked(bool on) { m_locked = on; }
    bool isBlueprint() const { return m_blueprint; }
    void setBlueprint(bool on) { m_blueprint = on; }

    /// The stored flag byte: bit 0 locked, bit 1 blueprint.
    uint8_t flagByte() const { return uint8_t((m_locked ? 1 : 0) | (m_blueprint ? 2 : 0)); }
    void setFlagByte(uint8_t f)
    {
        m_locked = (f & 1) != 0;
        m_blueprint = (f & 2) != 0;
    }

private:
    uint8_t m_type;
    bool m_locked = false;
    bool m_blueprint = false;
};

} // namespace gr2
