#pragma once
// The type editors' tables: for each family whose editor exists, its caption and its rows, each
// row the label, the field handle, the range or list and the rules of one control. The editors'
// dialogs, the tests and gr2tool all work from these.

#include "forms/Form.h"
#include "typedb/CTypeRecord.h"

#include <optional>
#include <vector>

namespace gr2 {

class CTypeDatabase;

/// "Modify Terrain Properties".
FormDescription<CTypeRecord> terrainTypeForm(const CTypeDatabase& types);
/// "Modify Room Properties": the room and, for its health, damage and lights, its floor terrain,
/// which storing brings into the fixed form of a room floor. The rows reach the floor through
/// `types`, which must outlive the form.
FormDescription<CTypeRecord> roomTypeForm(CTypeDatabase& types);
/// The room's "Objects && Effects..." sub-editor over a copy of the room record.
FormDescription<Bytes> roomObjectsAndEffectsForm(const CTypeDatabase& types);
/// "Modify Vorlan Spell Properties".
FormDescription<CTypeRecord> vorlanSpellTypeForm(const CTypeDatabase& types);
/// "Modify Creature Spell Properties".
FormDescription<CTypeRecord> creatureSpellTypeForm(const CTypeDatabase& types);
/// "Modify Shot Properties".
FormDescription<CTypeRecord> shotTypeForm(const CTypeDatabase& types);
/// The shot's "Effects and Shots..." sub-editor over a copy of the shot record: the effects and
/// shots it makes at its start, over time, at its death and on each kind of hit.
FormDescription<Bytes> shotEffectTypesForm(const CTypeDatabase& types);
/// "Modify Effect Properties".
FormDescription<CTypeRecord> effectTypeForm(const CTypeDatabase& types);
/// The effect's "Effects..." sub-editor: the effects that follow it, end it and its hits.
FormDescription<Bytes> effectTypesForm(const CTypeDatabase& types);
/// The effect's "Generation Types..." sub-editor over a copy of the effect record: what it
/// generates, how it spreads them, and the eight effects or effect elements.
FormDescription<Bytes> generationTypesForm(const CTypeDatabase& types);
/// "Modify Effect Element Properties".
FormDescription<CTypeRecord> effectElementTypeForm(const CTypeDatabase& types);
/// "Modify Door Properties".
FormDescription<CTypeRecord> doorTypeForm(const CTypeDatabase& types);
/// "Modify Trap Properties".
FormDescription<CTypeRecord> trapTypeForm(const CTypeDatabase& types);
/// "Modify Creature Properties" (see CreatureTypeForm.h).
FormDescription<CTypeRecord> creatureTypeForm(const CTypeDatabase& types);
/// "Configure Object Types".
FormDescription<CTypeRecord> objectTypeForm(const CTypeDatabase& types);

/// Whether the family's type editor exists.
bool hasTypeEditor(TypeFamily family);
/// The table positions of the types the family's editor lists, in the selector's order: for the
/// room editor the rooms by their introduction index 1, 2, ... (those of other indices, and four
/// floors the game keeps for itself, are left out), for the terrain editor the terrains it edits,
/// for the others every type in table order.
std::vector<size_t> typeEditorListing(TypeFamily family, const CTypeDatabase& types);
/// The family's table, with its lists filled from `types`; none while the family has no editor.
std::optional<FormDescription<CTypeRecord>> typeEditorForm(TypeFamily family, CTypeDatabase& types);

} // namespace gr2
