#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/ShotReference.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

FormDescription<CTypeRecord> trapTypeForm(const CTypeDatabase& types)
{
    namespace F = TrapField;
    namespace C = FormChoices;
    namespace Flag = TrapTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Trap Properties";
    form.add(integerRow("&Health:", 0, 32767), recordField(F::Health));
    form.add(integerRow("Health Gain:", 0, 32767), recordField(F::HealthGain));
    form.add(realRow("Charge &Time:", 0, 16000), recordField(F::ChargeTime));
    form.add(realRow("&Recharge Time:", 0, 16000), recordField(F::RechargeTime));
    form.add(integerRow("Mana &Cost:", 0, 32767), recordField(F::ManaCost));
    form.add(integerRow("Mana &Usage:", -32767, 32767), recordField(F::ManaUsage));
    const size_t manaToFire =
        form.add(integerRow("&Mana Cost To Fire:", 0, 16000), recordField(F::ManaCostToFire));
    form.add(integerRow("Threat:", 0, 32767), recordField(F::Threat));
    form.add(realRow("Threat &Duration:", 0, 16000), recordField(F::ThreatDuration));
    form.add(realRow("&Idle Effect Delay:", 0, 16000), recordField(F::IdleEffectDelay));
    form.add(realRow("Hei&ght:", 0, 1000), recordField(F::Height));
    form.add(integerRow("Manf. to &Build:", 0, 32767), recordField(F::ManufactureToBuild));
    form.add(realRow("Shot Delay:", 0, 32767), recordField(F::ShotDelay));
    form.add(choiceRow("Material Type:", C::fixed(C::materials())), recordField(F::MaterialType));
    form.add(typeListRow("&Powerless Effect:", C::fixed(C::effects(types))), recordField(F::PowerlessEffect));
    form.add(typeListRow("Idle &Effect:", C::fixed(C::effects(types))), recordField(F::IdleEffect));
    form.add(typeListRow("Death E&ffect:", C::fixed(C::effects(types))), recordField(F::DeathEffect));
    form.add(typeListRow("Manf. Crate &Object:", C::fixed(C::crateObjects(types))),
             recordField(F::CrateObject));
    addShotReference(form, C::shots(types), {"Shot T&ype:", F::ShotType, F::ShotData1, F::ShotData2, {}, ""});
    form.add(choiceRow("Trigger Type:", C::fixed(C::trapTriggers())), recordField(F::TriggerType));
    form.add(integerRow("Trigger Data:", -32767, 32767), recordField(F::TriggerData));
    form.add(flagRow("Reveal When Fired"), recordFlag(F::Flags, Flag::RevealWhenFired));
    form.add(flagRow("Disarmable"), recordFlag(F::Flags, Flag::Disarmable));
    form.add(flagRow("Invisible"), recordFlag(F::Flags, Flag::Invisible));
    const size_t requireMana = form.add(flagRow("Re&quire Mana"), recordFlag(F::Flags, Flag::RequireMana));
    form.add(flagRow("First Person Obstacle"), recordFlag(F::Flags, Flag::FirstPersonObstacle));
    form.add(flagRow("Solid Obstacle"), recordFlag(F::Flags, Flag::SolidObstacle));
    // Without "Require Mana" the trap costs nothing to fire: unchecking it shows and stores 0; a
    // trap stored without it shows its field greyed, as it holds it.
    form.row(manaToFire).enabled = isChecked(requireMana);
    form.row(manaToFire).whenInactive = InactiveRule::ShowZero;
    return form;
}

} // namespace gr2
