#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/ShotReference.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

const ChoiceList& castRules()
{
    static const ChoiceList list = {{0, "Null"},       {1, "Own Land"}, {2, "Own / Neutral Land"},
                                    {3, "Enemy Land"}, {4, "Any Land"}, {5, "Anywhere"}};
    return list;
}

const ChoiceList& targetRules()
{
    static const ChoiceList list = {{0, "Null"},          {1, "Own Creatures"}, {2, "Enemy Creatures"},
                                    {3, "All Creatures"}, {4, "Land"},          {5, "All"},
                                    {6, "Possession"}};
    return list;
}

const ChoiceList& handAnimations()
{
    static const ChoiceList list = {{0, "Null"},
                                    {1, "Point"},
                                    {2, "Small Point"},
                                    {3, "Idle"},
                                    {4, "Pick-Axe Hold"},
                                    {5, "Pick-Axe Tag"},
                                    {6, "Pick-Axe Hold Tagging"},
                                    {7, "Hold Thing"},
                                    {8, "Drop Thing"},
                                    {9, "Hold Gold"},
                                    {10, "Drop Gold"},
                                    {11, "Slap"},
                                    {12, "Spell Hold"},
                                    {13, "Spell Cast"}};
    return list;
}

} // namespace

FormDescription<CTypeRecord> vorlanSpellTypeForm(const CTypeDatabase& types)
{
    namespace F = VorlanSpellField;
    namespace C = FormChoices;
    namespace Flag = VorlanSpellTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Vorlan Spell Properties";
    // The mana cost is an unsigned 32-bit field: "0 or more" ends where the field does.
    form.add(integerRow("Mana Cost:"), recordField(F::ManaCost));
    form.add(integerRow("Mana Drain:", 0, 32767), recordField(F::ManaDrain));
    form.add(realRow("Recharge Time:", 0, 32767), recordField(F::RechargeTime));
    form.add(integerRow("Bonus R. Time:", 0, 32767), recordField(F::BonusRechargeTime));
    form.add(choiceRow("Cast Rule:", C::fixed(castRules())), recordField(F::CastRule));
    form.add(choiceRow("Target Rule:", C::fixed(targetRules())), recordField(F::TargetRule));
    form.add(choiceRow("Hand Anim ID:", C::fixed(handAnimations())), recordField(F::HandAnimation));
    form.add(choiceRow("No-Go Hand Anim ID:", C::fixed(handAnimations())), recordField(F::NoGoHandAnimation));
    const ChoiceList shots = C::shots(types);
    const NumberRange data{-32767, 32767};
    addShotReference(form, shots, {"Shot Type:", F::ShotType, F::ShotData1, F::ShotData2, data, ""});
    addShotReference(
        form, shots,
        {"Shot Type:", F::BonusShotType, F::BonusShotData1, F::BonusShotData2, data, "Bonus Upgrade"});
    form.add(flagRow("Attacking"), recordFlag(F::Flags, Flag::Attacking));
    form.add(flagRow("Defensive"), recordFlag(F::Flags, Flag::Defensive));
    return form;
}

} // namespace gr2
