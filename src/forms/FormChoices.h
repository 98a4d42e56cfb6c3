#pragma once
// The lists the editors' drop-down boxes offer: fixed code lists (materials, trap triggers) and
// lists of types taken from the type tables when a form opens.

#include "forms/FormRow.h"
#include "typedb/TypeFamily.h"

namespace gr2 {

class CTypeDatabase;
class CTypeRecord;
class TypeTableBase;

namespace FormChoices {

inline constexpr const char* kNone = "<none>";

/// 0 "None", 1 "Flesh", 2 "Rock", 3 "Wood", 4 "Metal 1", 5 "Metal 2", 6 "Magic", 7 "Glass".
const ChoiceList& materials();
/// 0 "Null", 1 "Line Of Sight", 2 "Pressure", 3 "Trigger".
const ChoiceList& trapTriggers();
/// The kinds of damage, 0 "None" to 15 "Melee Scythe".
const ChoiceList& damageKinds();

/// Every type of the table by name in table order, standing for its id; "<none>" (0) first when
/// asked for. Only the types `accept` lets through, when given.
ChoiceList typesOf(const TypeTableBase& table, bool withNone,
                   const std::function<bool(const CTypeRecord&)>& accept = {});
/// "<none>", then every effect type.
ChoiceList effects(const CTypeDatabase& types);
/// "<none>", then every shot type.
ChoiceList shots(const CTypeDatabase& types);
/// "<none>", then every effect element type.
ChoiceList effectElements(const CTypeDatabase& types);
/// "<none>", then every object type.
ChoiceList objects(const CTypeDatabase& types);
/// The object types that are crates; no "<none>".
ChoiceList crateObjects(const CTypeDatabase& types);
/// "<none>", then the object types that are door keys.
ChoiceList doorKeyObjects(const CTypeDatabase& types);

/// Whether the terrain editor lists the terrain (and the "Becomes Type" lists offer it): every
/// terrain but the room floors and three ids the game keeps for itself.
bool isEditableTerrain(const CTypeRecord& terrain);
/// The terrains the terrain editor lists, by name, standing for their ids; no "<none>".
ChoiceList editableTerrains(const CTypeDatabase& types);

/// A source that always offers the same list.
ChoiceSource fixed(ChoiceList list);

} // namespace FormChoices

} // namespace gr2
