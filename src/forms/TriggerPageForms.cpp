#include "forms/TriggerPageForms.h"

#include "forms/ScriptPageRows.h"
#include "script/CTrigger.h"
#include "script/TriggerKind.h"
#include "script/TriggerPageKinds.h"

#include <span>

namespace gr2 {

namespace {

using O = TriggerOwnerKind;

ChoiceList kindChoices(std::span<const uint8_t> kinds)
{
    ChoiceList list;
    for (uint8_t k : kinds)
        list.push_back({k, scriptText(triggerKindName(k))});
    return list;
}

FormRow valueRow(std::string label = {})
{
    return integerRow(std::move(label), double(kTriggerValueRange.low), double(kTriggerValueRange.high));
}

} // namespace

ChoiceList triggerChoices(const TriggerChoiceList& list)
{
    ChoiceList out;
    for (const TriggerChoice& c : list)
        out.push_back({int64_t(c.value), scriptText(c.text)});
    return out;
}

FormDescription<AttributePageModel> attributePageForm(const TriggerPageContext& context)
{
    using M = AttributePageModel;
    FormDescription<M> d;
    d.caption = "Attribute";
    const size_t subject =
        d.add(fixedList("When", attributeSubjects(context.trigger)), enumAccess(&M::subject));
    const size_t kind =
        d.add(onSameLine(choiceRow("'s",
                                   [subject](const FormState& s) {
                                       return kindChoices(attributeKindsFor(O(s.value(subject))));
                                   })),
              memberAccess(&M::kind));
    d.row(kind).choicesFollow = subject;
    d.add(onSameLine(fixedList("Is", TriggerLists::operators(false))), memberAccess(&M::op));
    d.add(onSameLine(valueRow()), memberAccess(&M::value));
    return d;
}

FormDescription<EventPageModel> eventPageForm(const TriggerPageContext& context)
{
    using M = EventPageModel;
    FormDescription<M> d;
    d.caption = "Event";
    const size_t subject = d.add(fixedList("When", eventSubjects(context.trigger)), enumAccess(&M::subject));
    const CTrigger& trigger = context.trigger;
    const size_t kind =
        d.add(onSameLine(choiceRow({},
                                   [subject, &trigger](const FormState& s) {
                                       return kindChoices(eventKinds(O(s.value(subject)), trigger));
                                   })),
              memberAccess(&M::kind));
    d.row(kind).choicesFollow = subject;
    const size_t by =
        d.add(onSameLine(fixedList("By", TriggerLists::players(context.doc))), memberAccess(&M::byPlayer));
    d.row(by).visible = kindIs(kind, eventShowsByPlayer);
    return d;
}

FormDescription<PlayerPageModel> playerPageForm(const TriggerPageContext& context)
{
    using M = PlayerPageModel;
    FormDescription<M> d;
    d.caption = "Player";
    const CTypeDatabase& db = context.db;
    const TriggerChoiceList players = TriggerLists::players(context.doc);

    const size_t kind =
        d.add(choiceRow("When", FormChoices::fixed(kindChoices(playerPageKinds()))), memberAccess(&M::kind));
    const size_t type =
        d.add(onSameLine(typeListRow("Of Type",
                                     [kind, &db](const FormState& s) {
                                         return triggerChoices(playerPageTypes(db, uint8_t(s.value(kind))));
                                     })),
              memberAccess(&M::type));
    d.row(type).choicesFollow = kind;
    d.row(type).visible = kindIs(kind, playerPageNarrowsByType);

    const size_t op = d.add(onSameLine(choiceRow({},
                                                 [kind](const FormState& s) {
                                                     return triggerChoices(TriggerLists::operators(
                                                         playerPageOffersAvailable(uint8_t(s.value(kind)))));
                                                 })),
                            memberAccess(&M::op));
    d.row(op).choicesFollow = kind;
    d.row(op).keepsChoiceOnRefill = true;

    const size_t compareWith = d.add(radioRow({}, FormChoices::fixed({{0, "Value:"}, {1, "Player:"}})),
                                     memberAccess(&M::comparePlayer));
    const size_t value = d.add(besideOption(valueRow(), compareWith, 0), memberAccess(&M::value));
    d.row(value).enabled = valueIsOneOf(compareWith, {0});
    const size_t otherPlayer =
        d.add(besideOption(fixedList({}, players), compareWith, 1), memberAccess(&M::otherPlayer));
    d.row(otherPlayer).enabled = valueIsOneOf(compareWith, {1});

    auto countsShown = [kind, op](const FormState& s) {
        return playerPageShowsCounts(uint8_t(s.value(kind)), uint8_t(s.value(op)));
    };
    const size_t blueprints = d.add(flagRow("Count Blueprints"), memberAccess(&M::countBlueprints));
    const size_t built = d.add(flagRow("Count Built Items"), memberAccess(&M::countBuilt));
    for (size_t row : {blueprints, built})
        d.row(row).visible = countsShown;
    d.row(blueprints).checksWhenUnchecked = built;
    d.row(built).checksWhenUnchecked = blueprints;

    const size_t by = d.add(fixedList("By", players), memberAccess(&M::byPlayer));
    d.row(by).visible = kindIs(kind, [](uint8_t k) { return playerPageExtra(k) == PlayerPageExtra::By; });
    const size_t belongingTo = d.add(fixedList("Belonging To", players), memberAccess(&M::byPlayer));
    d.row(belongingTo).visible =
        kindIs(kind, [](uint8_t k) { return playerPageExtra(k) == PlayerPageExtra::BelongingTo; });
    const size_t level =
        d.add(integerRow({}, double(kCreatureLevelRange.low), double(kCreatureLevelRange.high)),
              memberAccess(&M::level));
    d.row(level).visible =
        kindIs(kind, [](uint8_t k) { return playerPageExtra(k) == PlayerPageExtra::Level; });
    return d;
}

FormDescription<ComparePageModel> comparePageForm(const TriggerPageContext& context, uint8_t kind)
{
    using M = ComparePageModel;
    const bool flag = kind == uint8_t(TriggerKind::Flag);
    const TriggerChoiceList list = compareSubjects(context.trigger, context.usage, kind);
    FormDescription<M> d;
    d.caption = flag ? "Flag" : "Timer";
    d.add(fixedList("When", list), memberAccess(&M::subject));
    d.add(onSameLine(fixedList("Is", TriggerLists::operators(false))), memberAccess(&M::op));
    const char* otherLabel = flag ? "Flag:" : "Timer:";
    const size_t compareWith = d.add(radioRow({}, FormChoices::fixed({{0, "Value:"}, {1, otherLabel}})),
                                     memberAccess(&M::compareOther));
    const size_t value = d.add(besideOption(valueRow(), compareWith, 0), memberAccess(&M::value));
    d.row(value).enabled = valueIsOneOf(compareWith, {0});
    const size_t other = d.add(besideOption(fixedList({}, list), compareWith, 1), memberAccess(&M::other));
    d.row(other).enabled = valueIsOneOf(compareWith, {1});
    return d;
}

FormDescription<ActionPointPageModel> actionPointPageForm(const TriggerPageContext& context)
{
    using M = ActionPointPageModel;
    FormDescription<M> d;
    d.caption = "AP";
    const CTypeDatabase& db = context.db;
    const TriggerChoiceList players = TriggerLists::players(context.doc);

    const size_t kind =
        d.add(choiceRow({}, FormChoices::fixed(kindChoices(actionPointPageKinds()))), memberAccess(&M::kind));
    const size_t op = d.add(onSameLine(fixedList({}, TriggerLists::operators(false))), memberAccess(&M::op));
    const size_t value = d.add(onSameLine(valueRow()), memberAccess(&M::value));
    for (size_t row : {op, value})
        d.row(row).visible = kindIs(kind, actionPointShowsCompare);

    const size_t category =
        d.add(choiceRow({}, [](const FormState&) { return triggerChoices(actionPointCategories()); }),
              memberAccess(&M::category));
    d.row(category).visible = kindIs(kind, actionPointShowsCategory);
    // Refilled with the kind only so that the type list follows the kind through it.
    d.row(category).choicesFollow = kind;
    d.row(category).keepsChoiceOnRefill = true;
    const size_t type =
        d.add(onSameLine(typeListRow({},
                                     [kind, category, &db](const FormState& s) {
                                         return triggerChoices(actionPointTypes(db, uint8_t(s.value(kind)),
                                                                                uint8_t(s.value(category))));
                                     })),
              memberAccess(&M::type));
    d.row(type).choicesFollow = category;
    d.row(type).visible = kindIs(kind, actionPointShowsType);

    for (const uint8_t labelKind : {uint8_t(42), uint8_t(40), uint8_t(62)}) {
        const std::u16string_view label = actionPointPlayerLabel(labelKind);
        const size_t player =
            d.add(onSameLine(fixedList(scriptText(label), players)), memberAccess(&M::player));
        d.row(player).visible = [kind, type, label, &db](const FormState& s) {
            const auto k = uint8_t(s.value(kind));
            return actionPointPlayerLabel(k) == label &&
                   actionPointShowsPlayer(db, k, uint8_t(s.value(type)));
        };
    }
    return d;
}

FormDescription<PartyPageModel> partyPageForm(const TriggerPageContext&)
{
    using M = PartyPageModel;
    FormDescription<M> d;
    d.caption = "Party";
    const size_t kind =
        d.add(choiceRow("When", FormChoices::fixed(kindChoices(partyPageKinds()))), memberAccess(&M::kind));
    const size_t op = d.add(onSameLine(fixedList({}, TriggerLists::operators(false))), memberAccess(&M::op));
    const size_t value = d.add(onSameLine(valueRow()), memberAccess(&M::value));
    for (size_t row : {op, value})
        d.row(row).visible = kindIs(kind, partyShowsCompare);
    return d;
}

FormDescription<GuiPageModel> guiPageForm(const TriggerPageContext& context)
{
    using M = GuiPageModel;
    FormDescription<M> d;
    d.caption = "GUI";
    const CTypeDatabase& db = context.db;
    const bool sub = context.trigger.ownerKind() == O::Trigger;
    const size_t kind =
        d.add(choiceRow("When", FormChoices::fixed(kindChoices(guiPageKinds(sub)))), memberAccess(&M::kind));
    const size_t category =
        d.add(onSameLine(fixedList({}, TriggerLists::buttonCategories())), enumAccess(&M::category));
    const size_t button = d.add(onSameLine(choiceRow({},
                                                     [category, &db](const FormState& s) {
                                                         return triggerChoices(TriggerLists::buttons(
                                                             db, ButtonCategory(s.value(category))));
                                                     })),
                                memberAccess(&M::button));
    d.row(button).choicesFollow = category;
    for (size_t row : {category, button})
        d.row(row).visible = kindIs(kind, guiShowsButtons);
    return d;
}

FormDescription<RepeatPageModel> repeatPageForm()
{
    using M = RepeatPageModel;
    FormDescription<M> d;
    d.caption = "Repeat";
    const size_t mode = d.add(radioRow({}, FormChoices::fixed({{0, "Once"}, {1, "Always"}, {2, "Repeat"}})),
                              enumAccess(&M::mode));
    FormRow countRow = besideOption(
        integerRow(" Times", double(kRepeatCountRange.low), double(kRepeatCountRange.high)), mode, 2);
    countRow.labelAfter = true;
    const size_t count = d.add(std::move(countRow), memberAccess(&M::count));
    d.row(count).enabled = valueIsOneOf(mode, {int64_t(RepeatPageModel::Mode::Times)});
    return d;
}

} // namespace gr2
