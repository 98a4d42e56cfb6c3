#pragma once
// The object dialog: type, owner and the data an object's class keeps — a Spell Book's spell, a
// Gold object's amount; a Crate's values are cleared. A newly chosen type goes into the object at
// once (the map shows it while the dialog is open); "Cancel" puts the old type back.

#include "forms/ThingEditSession.h"

#include <memory>

namespace gr2 {

class CObjectThing;
class CTypeDatabase;

struct ObjectEdit {
    uint8_t type = 0;
    uint8_t owner = 0;
    uint8_t spell = 0;
    int32_t data1 = 0;
    int32_t data2 = 0;
};

struct ObjectRows {
    size_t type, owner, spell, data1, data2;
};

/// `object` receives a chosen type at once.
FormDescription<ObjectEdit> objectForm(CObjectThing& object, const CTypeDatabase& types,
                                       ObjectRows* rows = nullptr);
ObjectEdit readObject(const CObjectThing& object);
/// Writes type, owner, spell, data 1 and data 2 as the object's class keeps them.
void writeObject(CObjectThing& object, const ObjectEdit& edit);
std::unique_ptr<ThingSession> objectSession(CWorldEditorDoc& doc, CObjectThing& object,
                                            const CTypeDatabase& types);

} // namespace gr2
