#include "forms/SacrificeForm.h"

#include "forms/FormChoices.h"
#include "forms/FormRows.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

namespace {

namespace IngredientKind {
constexpr int64_t None = 0;
constexpr int64_t Creature = 1;
constexpr int64_t Object = 2;
constexpr int64_t VorlanSpell = 3;
} // namespace IngredientKind

namespace RewardKind {
constexpr int64_t Creature = 1;
constexpr int64_t Object = 2;
constexpr int64_t Gold = 3;
constexpr int64_t Mana = 4;
constexpr int64_t VorlanSpell = 5;
constexpr int64_t CreaturesHappy = 6;
constexpr int64_t CreaturesUnhappy = 7;
constexpr int64_t CreaturesAngry = 8;
} // namespace RewardKind

FieldAccess<SacrificeEntry> ingredientByte(size_t index)
{
    return integerAccess<SacrificeEntry, uint8_t>(
        [index](const SacrificeEntry& e) { return e.ingredients[index]; },
        [index](SacrificeEntry& e, uint8_t v) { e.ingredients[index] = v; });
}

} // namespace

const ChoiceList& sacrificeRewardKinds()
{
    static const ChoiceList list = {{0, "<none>"},
                                    {1, "Creature"},
                                    {2, "Object"},
                                    {3, "Gold"},
                                    {4, "Mana"},
                                    {5, "Vorlan Spell"},
                                    {6, "Creatures Happy"},
                                    {7, "Creatures Unhappy"},
                                    {8, "Creatures Angry"},
                                    {9, "Easter Egg"}};
    return list;
}

const ChoiceList& sacrificeSpeeches()
{
    static const ChoiceList list = [] {
        const char* const names[] = {
            "Accepted",
            "Happy",
            "Angered",
            "Neutral",
            "Bad",
            "Really Bad",
            "Money",
            "Received Gift",
            "Rewarded Your Offer",
            "Additional Mana",
            "Magic Item",
            "Chicken Productivity",
            "Chicken Virus",
            "Chicken Metamorphosis",
            "Rusted Doors",
            "Anger Of Gods",
            "Reinforced Walls",
            "Blessed With Vidad",
            "Blessed With Imp",
            "Blessed With Bile Demon",
            "Blessed With Mistress",
            "Blessed With Warlock",
            "Blessed With Dark Elf",
            "Blessed With Troll",
            "Blessed With Vampire",
            "Blessed With Skeleton",
            "Blessed With Goblin",
            "Blessed With Salamander",
            "Blessed With Firefly",
            "Blessed With Dark Angel",
            "Blessed With Black Knight",
            "Blessed With Rogue",
            "Blessed With Knight",
            "Blessed With Dwarf",
            "Blessed With Giant",
            "Blessed With Wizard",
            "Blessed With Elven Archer",
            "Blessed With Thief",
            "Blessed With Monk",
            "Blessed With Fairy",
            "Blessed With King",
            "Blessed With Guard",
            "Blessed With Stone Knight",
            "Blessed With Lord",
            "Blessed With Royal Guard",
            "Blessed With Creature",
        };
        ChoiceList speeches;
        int64_t value = 1;
        for (const char* name : names)
            speeches.push_back({value++, name});
        return speeches;
    }();
    return list;
}

FormDescription<SacrificeEntry> sacrificeForm(const CTypeDatabase& types)
{
    namespace C = FormChoices;
    FormDescription<SacrificeEntry> form;
    form.caption = "Edit Sacrifice Combinations";

    // The lists are taken once, when the editor opens; each kind picks its own.
    const ChoiceList creatures = C::typesOf(types.creatures(), false);
    const ChoiceList objects = C::typesOf(types.objects(), false);
    const ChoiceList spells = C::typesOf(types.vorlanSpells(), false);

    const ChoiceList ingredientKinds = {{IngredientKind::None, "<none>"},
                                        {IngredientKind::Creature, "Creature"},
                                        {IngredientKind::Object, "Object"},
                                        {IngredientKind::VorlanSpell, "Vorlan Spell"}};
    static const char* const kIngredientLabels[3] = {"&1:", "&2:", "&3:"};
    for (size_t i = 0; i < 3; ++i) {
        const size_t kind =
            form.add(choiceRow(kIngredientLabels[i], C::fixed(ingredientKinds)), ingredientByte(2 * i));
        const size_t type = form.add(typeListRow("",
                                                 [=](const FormState& s) {
                                                     switch (s.value(kind)) {
                                                     case IngredientKind::Creature:
                                                         return creatures;
                                                     case IngredientKind::Object:
                                                         return objects;
                                                     case IngredientKind::VorlanSpell:
                                                         return spells;
                                                     default:
                                                         return ChoiceList();
                                                     }
                                                 }),
                                     ingredientByte(2 * i + 1));
        FormRow& row = form.row(type);
        row.choicesFollow = kind;
        row.enabled = valueIsNot(kind, IngredientKind::None);
        row.whenInactive = InactiveRule::ShowZero;
        row.sameLine = true;
        form.row(kind).group = row.group = "Sacrifices";
    }

    const size_t rewardKind = form.add(choiceRow("Re&ward:", C::fixed(sacrificeRewardKinds())),
                                       memberAccess(&SacrificeEntry::rewardKind));
    const size_t rewardType = form.add(typeListRow("",
                                                   [=](const FormState& s) {
                                                       switch (s.value(rewardKind)) {
                                                       case RewardKind::Creature:
                                                       case RewardKind::CreaturesHappy:
                                                       case RewardKind::CreaturesUnhappy:
                                                       case RewardKind::CreaturesAngry:
                                                           return creatures;
                                                       case RewardKind::Object:
                                                           return objects;
                                                       case RewardKind::VorlanSpell:
                                                           return spells;
                                                       default:
                                                           return ChoiceList();
                                                       }
                                                   }),
                                       memberAccess(&SacrificeEntry::rewardType));
    // Gold and mana rewards are an amount, which takes the place of the type list.
    const size_t amount = form.add(
        integerRow("&Amount:", -32767, 32767),
        integerAccess<SacrificeEntry, int32_t>([](const SacrificeEntry& e) { return int32_t(e.amount); },
                                               [](SacrificeEntry& e, int32_t v) { e.amount = uint32_t(v); }));
    const size_t speech = form.add(choiceRow("Speech ID:", C::fixed(sacrificeSpeeches())),
                                   memberAccess(&SacrificeEntry::speech));
    FormRow& type = form.row(rewardType);
    type.choicesFollow = rewardKind;
    type.visible = isNot(valueIsOneOf(rewardKind, {RewardKind::Gold, RewardKind::Mana}));
    // "<none>" and "Easter Egg" reward no type: their list is empty and greyed.
    type.enabled = valueIsOneOf(rewardKind, {RewardKind::Creature, RewardKind::Object,
                                             RewardKind::VorlanSpell, RewardKind::CreaturesHappy,
                                             RewardKind::CreaturesUnhappy, RewardKind::CreaturesAngry});
    type.whenInactive = InactiveRule::StoreZero;
    type.sameLine = true;
    FormRow& money = form.row(amount);
    money.visible = valueIsOneOf(rewardKind, {RewardKind::Gold, RewardKind::Mana});
    money.whenInactive = InactiveRule::StoreZero;
    money.sameLine = true;
    for (size_t row : {rewardKind, rewardType, amount, speech})
        form.row(row).group = "Reward";
    return form;
}

std::vector<std::string> SacrificeSession::entryNames()
{
    std::vector<std::string> names;
    for (size_t i = 1; i <= kSacrificeEntryCount; ++i)
        names.push_back("Sacrifice " + std::to_string(i));
    return names;
}

SacrificeSession::SacrificeSession(CGlobalVariables& variables, const CTypeDatabase& types)
    : SelectorSession<SacrificeEntry>(
          sacrificeForm(types), entryNames(),
          [&variables](size_t position) {
              return position < kSacrificeEntryCount ? &variables.sacrifices()[position] : nullptr;
          },
          0)
{
}

} // namespace gr2
