#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

FormDescription<CTypeRecord> doorTypeForm(const CTypeDatabase& types)
{
    namespace F = DoorField;
    namespace C = FormChoices;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Door Properties";
    form.add(integerRow("Gold &Cost:", 0, 32767), recordField(F::GoldCost));
    form.add(integerRow("&Health:", 0, 32767), recordField(F::Health));
    form.add(integerRow("Health Gain:", 0, 32767), recordField(F::HealthGain));
    form.add(integerRow("&Mana Cost:", -32767, 32767), recordField(F::ManaCost));
    form.add(realRow("&Height:", 0, 1000), recordField(F::Height));
    form.add(integerRow("Manf. To &Build:", 0, 32767), recordField(F::ManufactureToBuild));
    form.add(choiceRow("Material Type:", C::fixed(C::materials())), recordField(F::MaterialType));
    form.add(typeListRow("Ma&nf. Crate Object:", C::fixed(C::crateObjects(types))),
             recordField(F::CrateObject));
    form.add(typeListRow("Key Object:", C::fixed(C::doorKeyObjects(types))), recordField(F::KeyObject));
    form.add(typeListRow("&Death Effect:", C::fixed(C::effects(types))), recordField(F::DeathEffect));
    return form;
}

} // namespace gr2
