#pragma once
// A game item lying on the map. Which of its two data values mean anything depends on its object
// type's class: a Spell Book carries a Vorlan spell id, a Crate a value the dialog sets, Gold an
// amount and a Special object a value.

#include "level/CLevelObject.h"

#include <cstdint>

namespace gr2 {

/// Class bits of an object type's flags word that decide the data rules.
namespace ObjectClass {
inline constexpr uint32_t Special = 1u << 2;
inline constexpr uint32_t SpellBook = 1u << 3;
inline constexpr uint32_t Crate = 1u << 4;
inline constexpr uint32_t Gold = 1u << 6;

inline bool holdsSpell(uint32_t flags)
{
    return (flags & SpellBook) && !(flags & Gold);
}
inline bool holdsData1(uint32_t flags)
{
    return (flags & (SpellBook | Crate)) && !(flags & Gold);
}
inline bool takesNumber(uint32_t flags)
{
    return (flags & (Gold | Special)) != 0;
}
} // namespace ObjectClass

class CObjectThing : public CLevelObject {
public:
    CObjectThing(CWorldEditorDoc* doc, uint8_t type) : CLevelObject(ObjectKind::Object, doc), m_type(type) {}

    uint8_t type() const { return m_type; }
    void setType(uint8_t t) { m_type = t; }

    /// The object type's flags word (0 when the type is unknown or the object is in no level).
    uint32_t typeFlags() const;

    /// The Vorlan spell of a Spell Book; 0 for every other class.
    uint8_t data1() const { return ObjectClass::holdsSpell(typeFlags()) ? m_data1 : 0; }
    /// Stores a spell only on a Spell Book.
    void setSpell(uint8_t spell);
    /// The setter of loading and the object dialog: Spell Books and Crates keep the value.
    void setData1(uint8_t value);
    /// What was last stored, whatever the class; the dialog shows a Crate's value from it.
    uint8_t storedData1() const { return m_data1; }

    /// The amount of Gold or the value of a Special object; 0 for other classes.
    int32_t data2() const { return ObjectClass::takesNumber(typeFlags()) ? m_data2 : 0; }
    void setData2(int32_t value);

private:
    uint8_t m_type;
    uint8_t m_data1 = 0;
    int32_t m_data2 = 0;
};

} // namespace gr2
