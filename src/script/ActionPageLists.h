#pragma once
// The drop-down lists of the action editor's pages, built from the level and the type tables.
// Unlike the trigger editor's lists they have no "any" entry: an action always names one thing.

#include "script/ButtonCategory.h"
#include "script/TriggerPageLists.h"

namespace gr2 {

namespace ActionLists {

/// The players with id 3 or more, in the level's order. A level read from a file may have none.
TriggerChoiceList vorlanPlayers(const CWorldEditorDoc& doc);
TriggerChoiceList allPlayers(const CWorldEditorDoc& doc);
/// "Action Point %u" by id, in the level's order.
TriggerChoiceList actionPoints(const CWorldEditorDoc& doc);
/// "Hero Party %u" (id + 1) for each slot that holds a party; the value is the id.
TriggerChoiceList heroParties(const CWorldEditorDoc& doc);

/// Which room types a room list offers; every one leaves out the rooms whose floor is one of the
/// terrains that no action may name (29, 34, 39, 41).
enum class Rooms : uint8_t { All, Buildable, NotGood };
TriggerChoiceList roomTypes(const CTypeDatabase& db, Rooms which);
/// The terrain types without ids 27, 29, 30, 34, 38, 39 and 41.
TriggerChoiceList terrainTypes(const CTypeDatabase& db);
/// Every creature type but the one with id 46.
TriggerChoiceList creatureTypes(const CTypeDatabase& db);
/// The creature objectives an action may set; Send To Action Point only with action points.
TriggerChoiceList objectives(bool withActionPoints);

/// "Flag 1".."Flag 128", then "Level Score".
TriggerChoiceList flagTargets();
/// The flags some action sets, as "Flag %u"; never the Level Score.
TriggerChoiceList usedFlags(const ScriptUsage& usage);
/// "Timer 1".."Timer 16", then "Time Limit".
TriggerChoiceList timerTargets();

/// The categories an availability names: Room, Door, Trap, Vorlan Spell.
TriggerChoiceList availabilityCategories();
/// The things of a category an availability names.
TriggerChoiceList availabilityItems(const CTypeDatabase& db, ButtonCategory category);
/// The categories whose buttons flash: Misc Button, Room, Door, Trap, Vorlan Spell.
TriggerChoiceList flashCategories();
/// The buttons of a category that flash (rooms: those not flagged "Is Good").
TriggerChoiceList flashButtons(const CTypeDatabase& db, ButtonCategory category);

} // namespace ActionLists

} // namespace gr2
