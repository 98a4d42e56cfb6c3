#pragma once
// A trap placed on a level with the number of shots it starts with.

#include "level/CLevelObject.h"

namespace gr2 {

class CTrap : public CLevelObject {
public:
    CTrap(CWorldEditorDoc* doc, uint8_t type) : CLevelObject(ObjectKind::Trap, doc), m_type(type) {}

    uint8_t type() const { return m_type; }
    void setType(uint8_t t) { m_type = t; }
    uint8_t shots() const { return m_shots; }
    void setShots(uint8_t s) { m_shots = s; }

private:
    uint8_t m_type;
    uint8_t m_shots = 0;
};

} // namespace gr2
