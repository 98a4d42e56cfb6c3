#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LightForm.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

FormDescription<CTypeRecord> objectTypeForm(const CTypeDatabase& types)
{
    namespace F = ObjectField;
    namespace C = FormChoices;
    namespace Flag = ObjectTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Configure Object Types";
    form.add(realRow("&Width:", 0, 8), recordField(F::Width));
    form.add(realRow("&Height:", 0, 16), recordField(F::Height));
    form.add(realRow("&Mass:", 0, 16000), recordField(F::Mass));
    form.add(integerRow("H&ealth:", 0, 32000), recordField(F::Health));
    form.add(integerRow("Room &Capacity:", 0, 255), recordField(F::RoomCapacity));
    form.add(typeListRow("Slap Effect:", C::fixed(C::effects(types))), recordField(F::SlapEffect));
    form.add(typeListRow("Death Effect:", C::fixed(C::effects(types))), recordField(F::DeathEffect));
    form.add(choiceRow("Material Type:", C::fixed(C::materials())), recordField(F::MaterialType));

    // The object's class is one of the seven kind bits, or none of them for a normal object. An
    // object read with several shows none and keeps them until the user picks its class.
    const ChoiceList kinds = {
        {0, "&Normal"},
        {bitChoiceValue(Flag::Special), "&Special"},
        {bitChoiceValue(Flag::SpellBook), "Spell &Book"},
        {bitChoiceValue(Flag::LevelGem), "Level Gem"},
        {bitChoiceValue(Flag::Crate), "Crate"},
        {bitChoiceValue(Flag::Lair), "&Lair"},
        {bitChoiceValue(Flag::Gold), "&Gold"},
        {bitChoiceValue(Flag::Food), "&Food"},
    };
    form.add(radioRow("Object Class", C::fixed(kinds)),
             recordBitChoice(F::Flags, {Flag::Special, Flag::SpellBook, Flag::LevelGem, Flag::Crate,
                                        Flag::Lair, Flag::Gold, Flag::Food}));

    form.add(flagRow("Die &Over Time"), recordFlag(F::Flags, Flag::DieOverTime));
    form.add(flagRow("Die Over &Time If Not In Room"), recordFlag(F::Flags, Flag::DieOverTimeIfNotInRoom));
    form.add(flagRow("Can Be Slapped"), recordFlag(F::Flags, Flag::CanBeSlapped));
    form.add(flagRow("Die When Slapped"), recordFlag(F::Flags, Flag::DieWhenSlapped));
    form.add(flagRow("Obstacle"), recordFlag(F::Flags, Flag::Obstacle));
    form.add(flagRow("Boulder Can Roll Through"), recordFlag(F::Flags, Flag::BoulderCanRollThrough));
    form.add(flagRow("Boulder Destroys"), recordFlag(F::Flags, Flag::BoulderDestroys));
    form.add(flagRow("Damageable"), recordFlag(F::Flags, Flag::Damageable));
    form.add(flagRow("1st Person Obstacle"), recordFlag(F::Flags, Flag::FirstPersonObstacle));
    form.add(flagRow("Solid Obstacle"), recordFlag(F::Flags, Flag::SolidObstacle));
    form.add(flagRow("Cast Shadow"), recordFlag(F::Flags, Flag::CastShadow));
    form.add(subFormRow("Light...", sharedLightForm()), recordField(F::Light));
    return form;
}

} // namespace gr2
