#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/ShotReference.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

/// "&Creature": unchecking it also takes away the spell's effect on a creature (the byte at 238,
/// which the editor does not show). The row writes only when the user changed it, so a spell
/// read without the bit keeps whatever the byte holds.
FieldAccess<CTypeRecord> creatureFlag()
{
    namespace F = CreatureSpellField;
    FieldAccess<CTypeRecord> access = recordFlag(F::Flags, CreatureSpellTypeFlag::Creature);
    access.write = [write = access.write](CTypeRecord& spell, const FieldValue& v) {
        write(spell, v);
        if (integerOf(v) == 0)
            spell.setIntValue(F::CreatureEffect, 0);
    };
    access.footprint.push_back({F::CreatureEffect.def().offset, 1, 0});
    return access;
}

} // namespace

FormDescription<CTypeRecord> creatureSpellTypeForm(const CTypeDatabase& types)
{
    namespace F = CreatureSpellField;
    namespace Flag = CreatureSpellTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Creature Spell Properties";
    form.add(realRow("Range:", 0, 1024), recordField(F::Range));
    form.add(realRow("Recharge Time:", 0, 1024), recordField(F::RechargeTime));
    // The data take whatever their fields hold.
    addShotReference(form, FormChoices::shots(types),
                     {"Shot Type:", F::ShotType, F::ShotData1, F::ShotData2, std::nullopt, ""});
    form.add(flagRow("A&ttacking"), recordFlag(F::Flags, Flag::Attacking));
    form.add(flagRow("D&efensive"), recordFlag(F::Flags, Flag::Defensive));
    form.add(flagRow("&Creature"), creatureFlag());
    form.add(flagRow("Cast On Self"), recordFlag(F::Flags, Flag::CastOnSelf));
    form.add(flagRow("Cast On Others"), recordFlag(F::Flags, Flag::CastOnOthers));
    form.add(flagRow("Cast Only On Creatures"), recordFlag(F::Flags, Flag::CastOnlyOnCreatures));
    return form;
}

} // namespace gr2
