#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

namespace Spell {
using VorlanSpellField::named;
inline constexpr TypeField RechargeTime = named("rechargeTime", 204);
inline constexpr TypeField ShotData1 = named("shotData1", 208);
inline constexpr TypeField ShotData2 = named("shotData2", 212);
inline constexpr TypeField ManaDrain = named("manaDrain", 226);
inline constexpr TypeField BonusRechargeTime = named("bonusRechargeTime", 273);
inline constexpr TypeField BonusShotType = named("bonusShotType", 275);
inline constexpr TypeField BonusShotData1 = named("bonusShotData1", 276);
inline constexpr TypeField BonusShotData2 = named("bonusShotData2", 280);
inline constexpr TypeField HandAnimation = named("handAnimation", 404);
inline constexpr TypeField NoGoHandAnimation = named("noGoHandAnimation", 405);
inline constexpr int Attacking = 2;
inline constexpr int Defensive = 3;
} // namespace Spell

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

/// A shot type and its two data values: without a shot the data show and store 0, and choosing
/// a shot shows the record's own values again.
void addShotReference(FormDescription<CTypeRecord>& form, const ChoiceList& shots, TypeField type,
                      TypeField data1, TypeField data2, const std::string& group)
{
    const size_t shot = form.add(typeListRow("Shot Type:", FormChoices::fixed(shots)), recordField(type));
    form.row(shot).group = group;
    for (auto [label, field] : {std::pair{"Shot Data &1:", data1}, std::pair{"Shot Data &2:", data2}}) {
        const size_t data = form.add(integerRow(label, -32767, 32767), recordField(field));
        form.row(data).enabled = valueIsNot(shot, 0);
        form.row(data).whenInactive = InactiveRule::ShowZero;
        form.row(data).group = group;
    }
}

} // namespace

FormDescription<CTypeRecord> vorlanSpellTypeForm(const CTypeDatabase& types)
{
    namespace F = VorlanSpellField;
    namespace C = FormChoices;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Vorlan Spell Properties";
    // The mana cost is an unsigned 32-bit field: "0 or more" ends where the field does.
    form.add(integerRow("Mana Cost:"), recordField(F::ManaCost));
    form.add(integerRow("Mana Drain:", 0, 32767), recordField(Spell::ManaDrain));
    form.add(realRow("Recharge Time:", 0, 32767), recordField(Spell::RechargeTime));
    form.add(integerRow("Bonus R. Time:", 0, 32767), recordField(Spell::BonusRechargeTime));
    form.add(choiceRow("Cast Rule:", C::fixed(castRules())), recordField(F::CastRule));
    form.add(choiceRow("Target Rule:", C::fixed(targetRules())), recordField(F::TargetRule));
    form.add(choiceRow("Hand Anim ID:", C::fixed(handAnimations())), recordField(Spell::HandAnimation));
    form.add(choiceRow("No-Go Hand Anim ID:", C::fixed(handAnimations())),
             recordField(Spell::NoGoHandAnimation));
    const ChoiceList shots = C::shots(types);
    addShotReference(form, shots, F::ShotType, Spell::ShotData1, Spell::ShotData2, "");
    addShotReference(form, shots, Spell::BonusShotType, Spell::BonusShotData1, Spell::BonusShotData2,
                     "Bonus Upgrade");
    form.add(flagRow("Attacking"), recordFlag(F::Flags, Spell::Attacking));
    form.add(flagRow("Defensive"), recordFlag(F::Flags, Spell::Defensive));
    return form;
}

} // namespace gr2
