#pragma once
// "Modify Creature Properties": the creature record has far more numbers than fit on a page, so
// its editor shows them through an attribute chooser (one list of names, one value field), the
// lists and check boxes of the record, and five buttons for the sub-editors (attacks, resistances,
// first person, job preferences, light). The sub-editors edit the same working values as the
// editor itself, so what they change is stored by the editor's "OK" and dropped by its "Cancel".

#include "forms/Form.h"
#include "typedb/CTypeRecord.h"

#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;

/// One entry of the attribute chooser: its name and the record field it shows.
struct CreatureAttribute {
    const char* name;
    TypeField field;
};

/// The 43 attributes in the chooser's order.
const std::vector<CreatureAttribute>& creatureAttributes();

/// The sub-editors' tables; each edits a copy of the whole record and stores only its own fields.
FormDescription<Bytes> creatureAttacksForm(const CTypeDatabase& types);
FormDescription<Bytes> creatureResistancesForm();
FormDescription<Bytes> creatureFirstPersonForm();
FormDescription<Bytes> creatureJobsForm();

/// The job names, standing for job ids 1, 2, ... ("Research", "Train", ...).
const ChoiceList& creatureJobs();
/// 0 "None", 1 "Melee Blade", ... 15 "Melee Scythe".
const ChoiceList& damageKinds();

} // namespace gr2
