#pragma once
// The lists the property dialogs of placed things offer that come from the open level or from the
// type tables: its players, its action points, the creature types a creature may be.

#include "forms/FormRow.h"

#include <functional>

namespace gr2 {

class CPlayer;
class CTypeDatabase;
class CWorldEditorDoc;

namespace LevelChoices {

/// The level's players by name in the level's order, standing for their ids; only those `accept`
/// lets through, when given.
ChoiceList players(const CWorldEditorDoc& doc, const std::function<bool(const CPlayer&)>& accept = {});
/// "Action Point %u" for each action point of the level but `except`, standing for its id.
ChoiceList actionPoints(const CWorldEditorDoc& doc, uint8_t except = 0);
/// The creature types that exist, in table order, leaving out the elite variants and type 46
/// (which the game keeps for itself).
ChoiceList creatureTypes(const CTypeDatabase& types);

} // namespace LevelChoices

} // namespace gr2
