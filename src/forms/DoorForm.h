#pragma once
// The door dialog: type, owner, "Locked" (never for a barricade, cleared by "Blueprint") and
// "Blueprint".

#include "forms/ThingEditSession.h"

#include <memory>

namespace gr2 {

class CDoor;
class CTypeDatabase;

struct DoorEdit {
    uint8_t type = 0;
    uint8_t owner = 0;
    bool locked = false;
    bool blueprint = false;
};

struct DoorRows {
    size_t type, owner, locked, blueprint;
};

FormDescription<DoorEdit> doorForm(const CDoor& door, const CTypeDatabase& types, DoorRows* rows = nullptr);
DoorEdit readDoor(const CDoor& door);
/// Writes owner, type, locked and blueprint, and tells the level's observers.
void writeDoor(CDoor& door, const DoorEdit& edit);
std::unique_ptr<ThingSession> doorSession(CWorldEditorDoc& doc, CDoor& door, const CTypeDatabase& types);

} // namespace gr2
