#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "forms/LightForm.h"
#include "forms/RecordFields.h"
#include "forms/TypeEditorForms.h"
#include "typedb/CTypeDatabase.h"

#include <array>

namespace gr2 {

namespace {

const ChoiceList& damageTypes()
{
    static const ChoiceList list = {{0, "None"},   {1, "Constant"},      {2, "Range From Origin"},
                                    {3, "Time"},   {4, "Ring Constant"}, {5, "At Start"},
                                    {6, "At End"}, {7, "Hit Thing"},     {8, "Constant For Tremor"}};
    return list;
}

const ChoiceList& collideTypes()
{
    static const ChoiceList list = {
        {0, "None"}, {1, "Own Creatures"}, {2, "Enemy Creatures"}, {3, "All Creatures"}, {4, "Dead Bodies"}};
    return list;
}

const ChoiceList& processTypes()
{
    static const ChoiceList list = {
        {0, "None"},
        {1, "Create Creature"},
        {2, "Create Object"},
        {3, "Modify Health"},
        {4, "Modify Speed"},
        {5, "Modify Armour"},
        {6, "Modify Mana"},
        {7, "Modify Experience Level"},
        {8, "Modify Hunger"},
        {9, "Lightning"},
        {10, "Invulnerable"},
        {11, "Freeze"},
        {12, "Alarm"},
        {13, "Turncoat"},
        {14, "Conceal"},
        {15, "Chicken"},
        {16, "Scapegoat"},
        {17, "Wind"},
        {18, "Raise Dead"},
        {19, "Obey"},
        {20, "Invisible"},
        {21, "Fear"},
        {22, "Boulder"},
        {23, "Alert"},
        {24, "Mesmerise"},
        {25, "Sight Of Evil"},
        {26, "Possess Creature"},
        {27, "Tremor"},
        {28, "Guided"},
        {29, "Deckem"},
        {30, "Inferno"},
        {31, "Gas"},
        {32, "Trigger"},
        {33, "Summon Reaper"},
        {34, "Instantaneous Hit"},
        {35, "Drain"},
        {36, "Create Single Creature"},
        {37, "Web Area Effect"},
        {38, "Poison Spit"},
        {39, "Jack In The Box"},
    };
    return list;
}

/// The damage kinds a shot attacks with: "Fire" to "Melee Scythe".
ChoiceList attackCategories()
{
    const ChoiceList& kinds = FormChoices::damageKinds();
    return ChoiceList(kinds.begin() + 4, kinds.end());
}

} // namespace

FormDescription<Bytes> shotEffectTypesForm(const CTypeDatabase& types)
{
    namespace F = ShotField;
    namespace C = FormChoices;
    FormDescription<Bytes> form;
    form.caption = "Modify Shot & Effect Types";
    form.captionOf = captionNaming("Modify Shot & Effect Types for ", F::Name.def());
    const ChoiceSource effects = C::fixed(C::effects(types));
    const ChoiceSource shots = C::fixed(C::shots(types));
    form.add(typeListRow("&General Effect:", effects), blockField(F::GeneralEffect.def()));
    const size_t creation =
        form.add(typeListRow("&Creation Effect:", effects), blockField(F::CreationEffect.def()));
    // Without a creation effect there is nothing to pass the shot's velocity on to.
    const size_t passOn = form.add(flagRow("&Pass On Shot Velocity To Creation Effect"),
                                   blockFlag(F::Flags.def(), ShotTypeFlag::PassOnVelocityToCreationEffect));
    form.row(passOn).enabled = valueIsNot(creation, 0);
    form.row(passOn).whenInactive = InactiveRule::ShowZero;
    form.add(typeListRow("&Death Effect:", effects), blockField(F::DeathEffect.def()));
    form.row(form.add(typeListRow("Death &Shot:", shots), blockField(F::DeathShot.def()))).sameLine = true;
    form.add(typeListRow("Timed &Effect:", effects), blockField(F::TimedEffect.def()));
    form.row(form.add(integerRow("Ti&med Delay:", 0, 255), blockField(F::TimedDelay.def()))).sameLine = true;
    const std::array<std::pair<const char*, const char*>, 4> hits = {
        {{"&Hit Solid Effect:", "H&it Solid Shot:"},
         {"Hit &Lava Effect:", "Hit L&ava Shot:"},
         {"Hit &Water Effect:", "Hi&t Water Shot:"},
         {"Hit Thing E&ffect:", "Hit Thi&ng Shot:"}}};
    for (size_t i = 0; i < hits.size(); ++i) {
        form.add(typeListRow(hits[i].first, effects), blockField(F::HitEffects.def(), i));
        form.row(form.add(typeListRow(hits[i].second, shots), blockField(F::HitShots.def(), i))).sameLine =
            true;
    }
    return form;
}

FormDescription<CTypeRecord> shotTypeForm(const CTypeDatabase& types)
{
    namespace F = ShotField;
    namespace C = FormChoices;
    namespace Process = ShotProcessFlag;
    namespace Flag = ShotTypeFlag;
    FormDescription<CTypeRecord> form;
    form.caption = "Modify Shot Properties";
    form.add(integerRow("&Health:", 0, 32767), recordField(F::Health));
    form.add(realRow("&Air Friction:", 0, 16000), recordField(F::AirFriction));
    form.add(realRow("&Mass:", 0, 16000), recordField(F::Mass));
    form.add(realRow("S&peed:", 0, 16000), recordField(F::Speed));
    form.add(realRow("Radius:", 0, 16000), recordField(F::Radius));
    form.add(integerRow("Threat:", 0, 32767), recordField(F::Threat));
    form.add(realRow("Burn Duration:", 0, 16000), recordField(F::BurnDuration));
    // The data are signed 32-bit fields: the range lies well inside them.
    form.add(integerRow("Data &1:", -32767, 32767), recordField(F::Data1));
    form.add(integerRow("Data &2:", -32767, 32767), recordField(F::Data2));
    form.add(choiceRow("Damage &Type:", C::fixed(damageTypes())), recordField(F::DamageType));
    form.add(choiceRow("Collide Type:", C::fixed(collideTypes())), recordField(F::CollideType));
    form.add(choiceRow("Process Type:", C::fixed(processTypes())), recordField(F::ProcessType));
    form.add(choiceRow("Attack Category:", C::fixed(attackCategories())), recordField(F::AttackCategory));

    const std::array<std::pair<const char*, int>, 8> process = {
        {{"Constant", Process::Constant},
         {"Hit Collide Thing", Process::HitCollideThing},
         {"Hit Solid", Process::HitSolid},
         {"Hit Water", Process::HitWater},
         {"Hit Lava", Process::HitLava},
         {"At Start", Process::AtStart},
         {"At End", Process::AtEnd},
         {"Hit Thing", Process::HitThing}}};
    for (auto [label, bit] : process)
        form.row(form.add(flagRow(label), recordFlag(F::ProcessFlags, bit))).group = "Shot Process Flags";
    form.add(flagRow("Die When Hit Solid"), recordFlag(F::Flags, Flag::DieWhenHitSolid));
    form.add(flagRow("Die When Hit Thing"), recordFlag(F::Flags, Flag::DieWhenHitThing));
    form.add(flagRow("Die Over Time"), recordFlag(F::Flags, Flag::DieOverTime));
    form.add(flagRow("Move Towards Target"), recordFlag(F::Flags, Flag::MoveTowardsTarget));
    form.add(flagRow("Kill Effects When Dead"), recordFlag(F::Flags, Flag::KillEffectsWhenDead));
    form.add(subFormRow("Light...", sharedLightForm()), recordField(F::Light));
    auto effects = std::make_shared<const FormDescription<Bytes>>(shotEffectTypesForm(types));
    form.add(subFormRow("Effects\n  and\n&Shots...", effects), recordFieldsOf(*effects));
    return form;
}

} // namespace gr2
