#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/TerrainLightGroups.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTerrainType.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

FormDescription<CTypeRecord> terrainTypeForm(const CTypeDatabase& types)
{
    namespace F = TerrainField;
    namespace C = FormChoices;
    namespace Flag = TerrainTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Terrain Properties";
    form.add(integerRow("Max &Health:", 0, 32767), recordField(F::MaxHealth));
    form.add(integerRow("Starting Health:", 0, 32767), recordField(F::StartingHealth));
    form.add(integerRow("Mana Gain:", -32767, 32767), recordField(F::ManaGain));
    form.add(integerRow("&Max Mana Gain:", -32767, 32767), recordField(F::MaxManaGain));
    form.add(integerRow("&Gold Value:", 0, 32767), recordField(F::GoldValue));
    form.add(integerRow("Dama&ge:", -32767, 32767), recordField(F::Damage));
    form.add(integerRow("Wibble H:", 0, 255), recordField(F::WibbleH));
    form.add(integerRow("Wibble V:", 0, 255), recordField(F::WibbleV));

    // Not shown: whether the terrain is impenetrable, which fixes the four boxes below.
    const size_t impenetrable = form.add(flagRow("Im&penetrable"), recordFlag(F::Flags, Flag::Impenetrable));
    form.row(impenetrable).visible = never();

    const ChoiceList terrains = C::editableTerrains(types);
    const ChoiceList effects = C::effects(types);
    struct Change {
        const char* group;
        const char* typeLabel;
        TypeField type;
        const char* effectLabel;
        TypeField effect;
    };
    for (const Change& change :
         {Change{"When At Max Health", "&Becomes Type", F::MaxHealthType, "Uses &Effect", F::MaxHealthEffect},
          Change{"When Destroyed", "Be&comes Type", F::DestroyedType, "Uses Effect", F::DestroyedEffect}}) {
        // An impenetrable terrain is never changed into another, nor leaves an effect: the boxes
        // are greyed and show what the fields hold, which they keep.
        const size_t type =
            form.add(typeListRow(change.typeLabel, C::fixed(terrains)), recordField(change.type));
        const size_t effect =
            form.add(typeListRow(change.effectLabel, C::fixed(effects)), recordField(change.effect));
        for (size_t row : {type, effect}) {
            form.row(row).group = change.group;
            form.row(row).enabled = isNot(isChecked(impenetrable));
        }
    }

    form.add(flagRow("Reveal Through Fog Of War"), recordFlag(F::Flags, Flag::RevealThroughFogOfWar));
    const TerrainFieldRoute onTerrain = [](FieldAccess<CTypeRecord> field) { return field; };
    addTerrainLightGroup(form, onTerrain, "Height:", 16384);
    addAmbientLightGroup(form, onTerrain);

    // Not shown: the terrains this editor lists are not room floors; the bit is shown clear and
    // the field keeps what it holds.
    const size_t roomLink = form.add(flagRow("Room Floor"), recordFlag(F::Flags, Flag::RoomLink));
    form.row(roomLink).visible = never();
    form.row(roomLink).whenInactive = InactiveRule::ShowZero;
    return form;
}

} // namespace gr2
