#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LightForm.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

#include <array>

namespace gr2 {

FormDescription<Bytes> effectTypesForm(const CTypeDatabase& types)
{
    namespace F = EffectField;
    FormDescription<Bytes> form;
    form.caption = "Modify Effect Types";
    const ChoiceSource effects = FormChoices::fixed(FormChoices::effects(types));
    form.add(typeListRow("&Next Effect:", effects), blockField(F::NextEffect.def()));
    form.add(typeListRow("&Death Effect:", effects), blockField(F::DeathEffect.def()));
    form.add(typeListRow("&Hit Solid Effect:", effects), blockField(F::HitSolidEffect.def()));
    form.add(typeListRow("Hit &Lava Effect:", effects), blockField(F::HitLavaEffect.def()));
    form.add(typeListRow("Hit &Water Effect:", effects), blockField(F::HitWaterEffect.def()));
    return form;
}

FormDescription<Bytes> generationTypesForm(const CTypeDatabase& types)
{
    namespace F = EffectField;
    namespace Flag = EffectTypeFlag;
    FormDescription<Bytes> form;
    form.caption = "Modify Generation Types";
    form.captionOf = captionNaming("Modify Generation Types for Effect ", F::Name.def());
    // One bit of each pair is set; a block with both, or neither, shows no option chosen and keeps
    // its bits until the user picks one.
    const size_t generates =
        form.add(radioRow("Generation",
                          FormChoices::fixed(
                              {{bitChoiceValue(Flag::GenerateEffects), "&Generate Effects"},
                               {bitChoiceValue(Flag::GenerateEffectElements), "Generate &Effect Elements"}})),
                 blockBitChoice(F::Flags.def(), {Flag::GenerateEffects, Flag::GenerateEffectElements}));
    form.add(
        radioRow("Distribution",
                 FormChoices::fixed({{bitChoiceValue(Flag::UniformDistribution), "&Uniform Distribution"},
                                     {bitChoiceValue(Flag::RandomDistribution), "&Random Distribution"}})),
        blockBitChoice(F::Flags.def(), {Flag::UniformDistribution, Flag::RandomDistribution}));

    // The eight boxes offer what the effect generates; switching the kind refills them. A block
    // that sets both kinds, or neither, is read as generating effects.
    ChoiceSource generated = [effects = FormChoices::effects(types),
                              elements = FormChoices::effectElements(types), generates](const FormState& s) {
        return s.value(generates) == bitChoiceValue(Flag::GenerateEffectElements) ? elements : effects;
    };
    for (size_t i = 0; i < 8; ++i) {
        const size_t row = form.add(typeListRow("Element &" + std::to_string(i) + ":", generated),
                                    blockField(F::Elements.def(), i));
        form.row(row).choicesFollow = generates;
        form.row(row).group = "Additional Effect Elements";
    }
    return form;
}

FormDescription<CTypeRecord> effectTypeForm(const CTypeDatabase& types)
{
    namespace F = EffectField;
    namespace Flag = EffectTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Effect Properties";
    form.add(integerRow("Min &Health:", 0, 32767), recordField(F::MinHealth));
    form.add(integerRow("Ma&x Health:", 0, 32767), recordField(F::MaxHealth));
    form.add(realRow("&Mass:", -32767, 32767), recordField(F::Mass));
    form.add(realRow("&Air Friction:", 0, 16000), recordField(F::AirFriction));
    form.add(realRow("&Elasticity:", 0, 16000), recordField(F::Elasticity));
    form.add(realRow("&Radius:", 0, 16000), recordField(F::Radius));
    form.add(realRow("Min Speed XY:", -16000, 16000), recordField(F::MinSpeedXY));
    form.add(realRow("Max Speed XY:", -16000, 16000), recordField(F::MaxSpeedXY));
    form.add(realRow("Min Speed YZ:", -16000, 16000), recordField(F::MinSpeedYZ));
    form.add(realRow("Max Speed YZ:", -16000, 16000), recordField(F::MaxSpeedYZ));
    form.add(realRow("Min &Scale:", 0, 16000), recordField(F::MinScale));
    form.add(realRow("Max S&cale:", 0, 16000), recordField(F::MaxScale));
    form.add(integerRow("&Fade Duration:", 0, 32000), recordField(F::FadeDuration));
    form.add(integerRow("Elements &Per Turn:", 0, 255), recordField(F::ElementsPerTurn));

    // Whole numbers each of its 16-bit field holds: nothing typed is cut down to fit.
    const std::array<const char*, 12> generation = {"Outer Origin Range:",
                                                    "Lower Height Limit:",
                                                    "Upper Height Limit:",
                                                    "Orientation Range:",
                                                    "Sprite Spin Rate Range:",
                                                    "Whirlpool Rate:",
                                                    "Directional Spread:",
                                                    "Circular Path Rate:",
                                                    "Inner Origin Range:",
                                                    "Generation Randomness:",
                                                    "Misc 2:",
                                                    "Misc 3:"};
    for (size_t i = 0; i < generation.size(); ++i)
        form.row(form.add(integerRow(generation[i]), recordField(F::GenerationData, i))).group =
            "Generation Data";

    // At most one scale and one fade mode: picking one leaves exactly that one set.
    form.add(radioRow("Scale",
                      FormChoices::fixed({{0, "None"},
                                          {bitChoiceValue(Flag::Expand), "Expand"},
                                          {bitChoiceValue(Flag::Shrink), "Shrink"},
                                          {bitChoiceValue(Flag::ExpandThenShrink), "Expand Then Shrink"}})),
             recordBitChoice(F::Flags, {Flag::Expand, Flag::Shrink, Flag::ExpandThenShrink}));
    form.add(radioRow("Fade", FormChoices::fixed({{0, "None"},
                                                  {bitChoiceValue(Flag::FadeIn), "Fade In"},
                                                  {bitChoiceValue(Flag::FadeOut), "Fade Out"},
                                                  {bitChoiceValue(Flag::FadeInOut), "Fade In Out"}})),
             recordBitChoice(F::Flags, {Flag::FadeIn, Flag::FadeOut, Flag::FadeInOut}));
    form.add(flagRow("Die When Hit Solid"), recordFlag(F::Flags, Flag::DieWhenHitSolid));
    form.add(flagRow("Directional Friction"), recordFlag(F::Flags, Flag::DirectionalFriction));
    form.add(flagRow("Pass On Velocity"), recordFlag(F::Flags, Flag::PassOnVelocity));
    form.add(flagRow("Use Generation Scale"), recordFlag(F::Flags, Flag::UseGenerationScale));
    form.add(flagRow("Always Trigger"), recordFlag(F::Flags, Flag::AlwaysTrigger));

    form.add(subFormRow("Light...", sharedLightForm()), recordField(F::Light));
    auto effects = std::make_shared<const FormDescription<Bytes>>(effectTypesForm(types));
    form.add(subFormRow("Effects...", effects), recordFieldsOf(*effects));
    auto generationTypes = std::make_shared<const FormDescription<Bytes>>(generationTypesForm(types));
    form.add(subFormRow("Generation Types...", generationTypes), recordFieldsOf(*generationTypes));
    return form;
}

} // namespace gr2
