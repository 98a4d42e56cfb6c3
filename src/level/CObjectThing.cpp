#include "level/CObjectThing.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelTypes.h"

namespace gr2 {

uint32_t CObjectThing::typeFlags() const
{
    return document() ? document()->types().objectFlags(m_type) : 0;
}

void CObjectThing::setSpell(uint8_t spell)
{
    if (ObjectClass::holdsSpell(typeFlags()))
        m_data1 = spell;
}

void CObjectThing::setData1(uint8_t value)
{
    if (ObjectClass::holdsData1(typeFlags()))
        m_data1 = value;
}

void CObjectThing::setData2(int32_t value)
{
    if (ObjectClass::takesNumber(typeFlags()))
        m_data2 = value;
}

} // namespace gr2
