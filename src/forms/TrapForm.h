#pragma once
// The trap dialog: type (no door traps), owner, the number of shots, and "Blueprint", which a trap
// without shots is and which sets the shots to 0.

#include "forms/ThingEditSession.h"

#include <memory>

namespace gr2 {

class CTrap;
class CTypeDatabase;

struct TrapEdit {
    uint8_t type = 0;
    uint8_t owner = 0;
    uint8_t shots = 0;
    bool blueprint = false; ///< shown only: a blueprint is a trap with 0 shots
};

struct TrapRows {
    size_t type, owner, shots, blueprint;
};

FormDescription<TrapEdit> trapForm(const CTrap& trap, const CTypeDatabase& types, TrapRows* rows = nullptr);
TrapEdit readTrap(const CTrap& trap);
/// Writes type, owner and shots, and tells the level's observers.
void writeTrap(CTrap& trap, const TrapEdit& edit);
std::unique_ptr<ThingSession> trapSession(CWorldEditorDoc& doc, CTrap& trap, const CTypeDatabase& types);

} // namespace gr2
