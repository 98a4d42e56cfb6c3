#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

/// "Fades": checking it also takes away the two bits fading replaces. The row writes only when
/// the user changed it, so an element read with all three keeps them.
FieldAccess<CTypeRecord> fadesFlag()
{
    namespace F = EffectElementField;
    namespace Flag = EffectElementTypeFlag;
    FieldAccess<CTypeRecord> access = recordFlag(F::Flags, Flag::Fades);
    access.write = [write = access.write](CTypeRecord& element, const FieldValue& v) {
        write(element, v);
        if (integerOf(v) != 0)
            element.setIntValue(F::Flags,
                                element.intValue(F::Flags) & ~(int64_t(1) << Flag::ClearedByFading1 |
                                                               int64_t(1) << Flag::ClearedByFading2));
    };
    access.footprint.front().bits |= 1u << Flag::ClearedByFading1 | 1u << Flag::ClearedByFading2;
    return access;
}

} // namespace

FormDescription<CTypeRecord> effectElementTypeForm(const CTypeDatabase& types)
{
    namespace F = EffectElementField;
    namespace C = FormChoices;
    namespace Flag = EffectElementTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Effect Element Properties";
    form.add(integerRow("&Min Health:", 0, 32767), recordField(F::MinHealth));
    form.add(integerRow("Max &Health:", 0, 32767), recordField(F::MaxHealth));
    form.add(realRow("Mass:", -32767, 32767), recordField(F::Mass));
    form.add(realRow("&Air Friction:", 0, 16000), recordField(F::AirFriction));
    form.add(realRow("Elasticity:", 0, 16000), recordField(F::Elasticity));
    form.add(realRow("Min Speed XY:", -16000, 16000), recordField(F::MinSpeedXY));
    form.add(realRow("Max Speed XY:", -16000, 16000), recordField(F::MaxSpeedXY));
    form.add(realRow("Min Speed YZ:", -16000, 16000), recordField(F::MinSpeedYZ));
    form.add(realRow("Max Speed YZ:", -16000, 16000), recordField(F::MaxSpeedYZ));
    form.add(realRow("Min &Scale:", 0, 16000), recordField(F::MinScale));
    form.add(realRow("Max S&cale:", 0, 16000), recordField(F::MaxScale));
    form.add(realRow("Scale Ratio:", 0, 100), recordField(F::ScaleRatio));
    form.add(integerRow("&Fade Percentage:", 0, 100), recordField(F::FadePercentage));
    form.add(integerRow("Red:", 0, 255), recordField(F::Red));
    form.add(integerRow("Green:", 0, 255), recordField(F::Green));
    form.add(integerRow("Blue:", 0, 255), recordField(F::Blue));
    form.add(integerRow("Rand. Colour Index:", 0, 15), recordField(F::RandomColourIndex));
    form.add(integerRow("Table Colour Index:", 0, 15), recordField(F::TableColourIndex));
    form.add(typeListRow("Next Effect:", C::fixed(C::effects(types))), recordField(F::NextEffect));
    const ChoiceSource elements = C::fixed(C::effectElements(types));
    form.add(typeListRow("Death Element:", elements), recordField(F::DeathElement));
    form.add(typeListRow("Hit Solid Element:", elements), recordField(F::HitSolidElement));
    form.add(typeListRow("Hit Water Element:", elements), recordField(F::HitWaterElement));
    form.add(typeListRow("Hit Lava Element:", elements), recordField(F::HitLavaElement));
    form.add(flagRow("Dies When Hits Solid"), recordFlag(F::Flags, Flag::DiesWhenHitsSolid));
    const size_t shrinks = form.add(flagRow("Shrinks"), recordFlag(F::Flags, Flag::Shrinks));
    const size_t expands = form.add(flagRow("Expands"), recordFlag(F::Flags, Flag::Expands));
    excludeEachOther(form.rows, {shrinks, expands});
    form.add(flagRow("Fades"), fadesFlag());
    form.add(flagRow("Directional Friction"), recordFlag(F::Flags, Flag::DirectionalFriction));
    form.add(flagRow("Can Be Disturbed"), recordFlag(F::Flags, Flag::CanBeDisturbed));
    form.add(flagRow("Rotate To Movement Direction"), recordFlag(F::Flags, Flag::RotateToMovementDirection));
    form.add(flagRow("Always Trigger"), recordFlag(F::Flags, Flag::AlwaysTrigger));
    return form;
}

} // namespace gr2
