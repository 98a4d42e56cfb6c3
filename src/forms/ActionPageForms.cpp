#include "forms/ActionPageForms.h"

#include "forms/FormState.h"
#include "forms/ScriptPageRows.h"
#include "script/ActionKind.h"
#include "script/ActionPageLists.h"
#include "script/ScriptUsage.h"

#include <span>

namespace gr2 {

namespace {

ChoiceList kindChoices(const std::vector<uint8_t>& kinds)
{
    ChoiceList list;
    for (uint8_t k : kinds)
        list.push_back({k, scriptText(actionKindName(k))});
    return list;
}

FormRow kindRow(const ActionPageContext& context, ActionPage page, std::string label = {})
{
    return choiceRow(std::move(label),
                     FormChoices::fixed(kindChoices(actionKindsOffered(page, context.place))));
}

/// A number field; it is checked even while its kind does not show it, so an edit made for one
/// kind cannot slip through out of range under another.
FormRow numberRow(std::string label, TriggerNumberRange range)
{
    FormRow row = integerRow(std::move(label), double(range.low), double(range.high));
    row.whenInactive = InactiveRule::KeepEdits;
    return row;
}

FormRow labelAfter(FormRow row)
{
    row.labelAfter = true;
    return row;
}

FormRule kindIsOneOf(size_t kindRow, std::initializer_list<int64_t> kinds)
{
    return valueIsOneOf(kindRow, kinds);
}

TriggerChoiceList flashChoices(std::u16string_view untilText)
{
    return {{uint32_t(FlashMode::Until), std::u16string(untilText)},
            {uint32_t(FlashMode::For), u"For"},
            {uint32_t(FlashMode::Off), u"Off"}};
}

/// "For" with no seconds would be stored as the record of flashing until stopped, so the time of
/// a flash "For" a while is at least a second.
void startFlashTime(FormState& s, size_t seconds)
{
    if (s.text(seconds) == "0")
        s.assign(seconds, 1);
}

template <class Model> void flashForSeconds(FormDescription<Model>& d, size_t flash, size_t seconds)
{
    const double high = d.row(seconds).range ? d.row(seconds).range->high : double(kActionNumberRange.high);
    d.row(seconds).rangeRule = [flash, high](const FormState& s) {
        return NumberRange{s.value(flash) == int64_t(FlashMode::For) ? 1.0 : 0.0, high};
    };
    d.row(flash).onEdit = [flash, seconds](FormState& s) {
        if (s.value(flash) == int64_t(FlashMode::For))
            startFlashTime(s, seconds);
    };
}

} // namespace

bool flagPageOffersOperand(const ScriptUsage& usage)
{
    return !ActionLists::usedFlags(usage).empty();
}

FormDescription<AvailabilityPageModel> availabilityPageForm(const ActionPageContext& context)
{
    using M = AvailabilityPageModel;
    FormDescription<M> d;
    d.caption = "Availability";
    const CTypeDatabase& db = context.db;
    const size_t category =
        d.add(fixedList("Make ", ActionLists::availabilityCategories()), enumAccess(&M::category));
    const size_t item = d.add(onSameLine(typeListRow({},
                                                     [category, &db](const FormState& s) {
                                                         return triggerChoices(ActionLists::availabilityItems(
                                                             db, ButtonCategory(s.value(category))));
                                                     })),
                              memberAccess(&M::item));
    d.row(item).choicesFollow = category;
    d.add(radioRow({}, FormChoices::fixed({{0, "Available"}, {1, "Unavailable"}})),
          memberAccess(&M::unavailable));
    d.add(fixedList("To ", ActionLists::vorlanPlayers(context.doc)), memberAccess(&M::player));
    return d;
}

FormDescription<FlagActionPageModel> flagActionPageForm(const ActionPageContext& context)
{
    using M = FlagActionPageModel;
    FormDescription<M> d;
    d.caption = "Flag";
    d.add(fixedList("Set ", ActionLists::flagTargets()), memberAccess(&M::target));
    d.add(onSameLine(choiceRow({}, FormChoices::fixed({{SetFlagMode::SetEqual, "Equal"},
                                                       {SetFlagMode::Add, "Plus"},
                                                       {SetFlagMode::Subtract, "Minus"}}))),
          memberAccess(&M::op));
    const TriggerChoiceList operands = ActionLists::usedFlags(context.usage);
    const bool withOperand = !operands.empty();
    ChoiceList modes{{0, "Value:"}};
    if (withOperand)
        modes.push_back({1, "Flag:"});
    const size_t mode = d.add(radioRow({}, FormChoices::fixed(modes)), memberAccess(&M::useFlag));
    const size_t value =
        d.add(besideOption(numberRow({}, kActionNumberRange), mode, 0), memberAccess(&M::value));
    d.row(value).visible = valueIsOneOf(mode, {0});
    const size_t operand = d.add(besideOption(fixedList({}, operands), mode, 1), memberAccess(&M::operand));
    d.row(operand).visible = withOperand ? valueIsOneOf(mode, {1}) : never();
    return d;
}

FormDescription<TimerActionPageModel> timerActionPageForm()
{
    using M = TimerActionPageModel;
    FormDescription<M> d;
    d.caption = "Timer";
    const size_t timer =
        d.add(fixedList("Initialise ", ActionLists::timerTargets()), memberAccess(&M::timer));
    FormRow seconds = onSameLine(numberRow(" To ", kActionNumberRange));
    const size_t secondsRow = d.add(std::move(seconds), memberAccess(&M::seconds));
    d.row(secondsRow).visible = [timer](const FormState& s) {
        return timerShowsSeconds(uint32_t(s.value(timer)));
    };
    return d;
}

FormDescription<InfoPageModel> infoPageForm(const ActionPageContext& context)
{
    using M = InfoPageModel;
    FormDescription<M> d;
    d.caption = "Info";
    const bool withPoints = context.place.hasActionPoints;
    const size_t kind = d.add(kindRow(context, ActionPage::Info), memberAccess(&M::kind));
    const size_t number = d.add(onSameLine(numberRow({}, kActionNumberRange)), memberAccess(&M::number));
    d.row(number).visible = kindIsOneOf(kind, {4, 24, 25});
    const size_t zoom = d.add(flagRow("Zoom To"), memberAccess(&M::zoomTo));
    d.row(zoom).visible = withPoints ? kindIsOneOf(kind, {4}) : never();
    const size_t point =
        d.add(onSameLine(fixedList({}, ActionLists::actionPoints(context.doc))), memberAccess(&M::point));
    d.row(point).visible = [kind, zoom, withPoints](const FormState& s) {
        return withPoints && s.value(kind) == 4 && s.checked(zoom);
    };
    // A button rather than a field: the texts are the level's, edited in a dialog of their own.
    const size_t messages = d.add(onSameLine(subFormRow("Edit Text Messages...", nullptr)),
                                  unstoredField<M>(FieldValue(Bytes{})));
    d.row(messages).visible = kindIsOneOf(kind, {25});
    const size_t showText = d.add(flagRow("Show Text"), memberAccess(&M::showText));
    const size_t intro = d.add(flagRow("Introduction Speech:"), memberAccess(&M::introSpeech));
    const size_t path = d.add(onSameLine(numberRow({}, kActionNumberRange)), memberAccess(&M::path));
    for (size_t row : {showText, intro, path})
        d.row(row).visible = kindIsOneOf(kind, {24});
    const size_t widescreen =
        d.add(radioRow({}, FormChoices::fixed({{0, "On"}, {1, "Off"}})), memberAccess(&M::widescreenOff));
    d.row(widescreen).visible = kindIsOneOf(kind, {38});
    const size_t roomOff =
        d.add(radioRow({}, FormChoices::fixed({{0, "On:"}, {1, "Off"}})), memberAccess(&M::roomOff));
    d.row(roomOff).visible = kindIsOneOf(kind, {47});
    const size_t room =
        d.add(besideOption(fixedList({}, ActionLists::roomTypes(context.db, ActionLists::Rooms::Buildable)),
                           roomOff, 0),
              memberAccess(&M::room));
    d.row(room).visible = kindIsOneOf(kind, {47});
    d.row(room).enabled = valueIsOneOf(roomOff, {0});
    return d;
}

FormDescription<GamePageModel> gamePageForm(const ActionPageContext& context)
{
    using M = GamePageModel;
    FormDescription<M> d;
    d.caption = "Game";
    const ActionPlace& place = context.place;
    const TriggerChoiceList players = ActionLists::vorlanPlayers(context.doc);
    const size_t kind = d.add(kindRow(context, ActionPage::Game), memberAccess(&M::kind));
    const size_t p1 = d.add(fixedList("Between ", players), memberAccess(&M::player1));
    const size_t p2 = d.add(onSameLine(fixedList("And", players)), memberAccess(&M::player2));
    const size_t alliance = d.add(radioRow({}, FormChoices::fixed({{0, "Create"}, {1, "Break"}})),
                                  memberAccess(&M::breakAlliance));
    for (size_t row : {p1, p2, alliance})
        d.row(row).visible = kindIsOneOf(kind, {18});
    const size_t objective =
        d.add(radioRow({}, FormChoices::fixed({{0, "Kill"}, {1, "Imprison"}, {2, "Convert"}, {3, "Off"}})),
              enumAccess(&M::objective));
    d.row(objective).visible = kindIs(kind, [&place](uint8_t k) { return gameShowsObjective(k, place); });
    const size_t on = d.add(radioRow({}, FormChoices::fixed({{0, "Off"}, {1, "On"}})), memberAccess(&M::on));
    d.row(on).visible = kindIsOneOf(kind, {44, 45, 51});
    const size_t slapsMode =
        d.add(radioRow({}, FormChoices::fixed({{0, "Off"}, {1, "Value:"}})), memberAccess(&M::slapsValue));
    d.row(slapsMode).visible = kindIsOneOf(kind, {50});
    const size_t slaps =
        d.add(besideOption(numberRow({}, kActionNumberRange), slapsMode, 1), memberAccess(&M::slaps));
    d.row(slaps).visible = kindIsOneOf(kind, {50});
    d.row(slaps).enabled = valueIsOneOf(slapsMode, {1});
    return d;
}

FormDescription<GuiActionPageModel> guiActionPageForm(const ActionPageContext& context)
{
    using M = GuiActionPageModel;
    FormDescription<M> d;
    d.caption = "GUI";
    const CTypeDatabase& db = context.db;
    const size_t kind = d.add(kindRow(context, ActionPage::Gui), memberAccess(&M::kind));
    const size_t category =
        d.add(onSameLine(fixedList({}, ActionLists::flashCategories())), enumAccess(&M::category));
    const size_t button = d.add(onSameLine(choiceRow({},
                                                     [category, &db](const FormState& s) {
                                                         return triggerChoices(ActionLists::flashButtons(
                                                             db, ButtonCategory(s.value(category))));
                                                     })),
                                memberAccess(&M::button));
    d.row(button).choicesFollow = category;
    const size_t flash =
        d.add(radioRow({}, FormChoices::fixed(triggerChoices(flashChoices(u"Until Selected")))),
              enumAccess(&M::flash));
    const size_t seconds =
        d.add(labelAfter(onSameLine(numberRow("Seconds", kActionNumberRange))), memberAccess(&M::seconds));
    d.row(seconds).visible = bothOf(kindIsOneOf(kind, {9}), valueIsOneOf(flash, {int64_t(FlashMode::For)}));
    flashForSeconds(d, flash, seconds);
    // The gold and mana values have no "until selected": choosing one of them flashes it for a while.
    auto onlyForAWhile = [category, button](const FormState& s) {
        return flashesOnlyForAWhile(ButtonCategory(s.value(category)), uint32_t(s.value(button)));
    };
    d.row(flash).optionShown = [onlyForAWhile](const FormState& s, int64_t option) {
        return option != int64_t(FlashMode::Until) || !onlyForAWhile(s);
    };
    d.row(button).onEdit = [onlyForAWhile, flash, seconds](FormState& s) {
        if (onlyForAWhile(s) && s.value(flash) == int64_t(FlashMode::Until)) {
            s.assign(flash, int64_t(FlashMode::For));
            startFlashTime(s, seconds);
        }
    };
    for (size_t row : {category, button, flash})
        d.row(row).visible = kindIsOneOf(kind, {9});

    const size_t path = d.add(numberRow({}, kCameraPathRange), memberAccess(&M::path));
    const size_t point =
        d.add(onSameLine(fixedList({}, ActionLists::actionPoints(context.doc))), memberAccess(&M::point));
    const size_t ceiling = d.add(radioRow({}, FormChoices::fixed({{0, "Show Ceiling"}, {1, "Hide Ceiling"}})),
                                 memberAccess(&M::hideCeiling));
    for (size_t row : {path, point, ceiling})
        d.row(row).visible = kindIsOneOf(kind, {31});
    return d;
}

FormDescription<ApActionPageModel> apActionPageForm(const ActionPageContext& context)
{
    using M = ApActionPageModel;
    FormDescription<M> d;
    d.caption = "AP";
    const size_t kind = d.add(kindRow(context, ActionPage::ActionPoint), memberAccess(&M::kind));
    d.add(onSameLine(fixedList({}, ActionLists::actionPoints(context.doc))), memberAccess(&M::point));
    const size_t reveal =
        d.add(radioRow({}, FormChoices::fixed({{0, "Reveal"}, {1, "Conceal"}})), memberAccess(&M::conceal));
    d.row(reveal).visible = kindIsOneOf(kind, {17});
    const size_t flash =
        d.add(radioRow({}, FormChoices::fixed(triggerChoices(flashChoices(u"Until Switched Off")))),
              enumAccess(&M::flash));
    d.row(flash).visible = kindIsOneOf(kind, {16});
    const size_t flashSeconds = d.add(labelAfter(onSameLine(numberRow("Seconds", kActionPointSecondsRange))),
                                      memberAccess(&M::flashSeconds));
    d.row(flashSeconds).visible =
        bothOf(kindIsOneOf(kind, {16}), valueIsOneOf(flash, {int64_t(FlashMode::For)}));
    flashForSeconds(d, flash, flashSeconds);
    const size_t mode = d.add(choiceRow({}, FormChoices::fixed({{0, "Relative"}, {1, "Absolute"}})),
                              memberAccess(&M::rotateMode));
    const size_t seconds =
        d.add(onSameLine(numberRow("For ", kActionPointSecondsRange)), memberAccess(&M::rotateSeconds));
    const size_t angle =
        d.add(onSameLine(numberRow("Seconds At ", kRotateAngleRange)), memberAccess(&M::angle));
    for (size_t row : {mode, seconds, angle})
        d.row(row).visible = kindIsOneOf(kind, {27});
    return d;
}

FormDescription<PartyActionPageModel> partyActionPageForm(const ActionPageContext& context)
{
    using M = PartyActionPageModel;
    FormDescription<M> d;
    d.caption = "Party";
    d.add(fixedList({}, ActionLists::heroParties(context.doc)), memberAccess(&M::party));
    d.add(onSameLine(fixedList("At", ActionLists::actionPoints(context.doc))), memberAccess(&M::point));
    const size_t invasion = d.add(flagRow("Invasion Party"), memberAccess(&M::invasion));
    const size_t random = d.add(flagRow("Random Creature Types"), memberAccess(&M::randomTypes));
    d.row(random).visible = isChecked(invasion);
    return d;
}

FormDescription<MapPageModel> mapPageForm(const ActionPageContext& context)
{
    using M = MapPageModel;
    FormDescription<M> d;
    d.caption = "Map";
    const CTypeDatabase& db = context.db;
    const TriggerNumberRange columns = mapColumnRange(context.place);
    const TriggerNumberRange rows = mapRowRange(context.place);
    const size_t kind = d.add(kindRow(context, ActionPage::Map), memberAccess(&M::kind));
    d.add(onSameLine(numberRow("At", columns)), memberAccess(&M::x));
    d.add(onSameLine(numberRow({}, rows)), memberAccess(&M::y));
    const size_t terrain = d.add(fixedList("To ", ActionLists::terrainTypes(db)), memberAccess(&M::terrain));
    d.row(terrain).visible = kindIsOneOf(kind, {22});
    const TriggerChoiceList vorlans = ActionLists::vorlanPlayers(context.doc);
    const size_t owner = d.add(onSameLine(fixedList("Owned By ", vorlans)), memberAccess(&M::vorlanPlayer));
    // A level without Vorlan players has no owner to offer; the terrain then goes to Neutral.
    d.row(owner).visible = [kind, terrain, &db, any = !vorlans.empty()](const FormState& s) {
        return any && s.value(kind) == 22 && mapShowsOwner(db, uint32_t(s.value(terrain)));
    };
    d.row(owner).whenInactive = InactiveRule::StoreZero;
    const size_t anyPlayer = d.add(onSameLine(fixedList("Owned By ", ActionLists::allPlayers(context.doc))),
                                   memberAccess(&M::anyPlayer));
    d.row(anyPlayer).visible = kindIsOneOf(kind, {49});
    return d;
}

FormDescription<CreaturePageModel> creaturePageForm(const ActionPageContext& context)
{
    using M = CreaturePageModel;
    FormDescription<M> d;
    d.caption = "Creature";
    const size_t kind = d.add(kindRow(context, ActionPage::Creature), memberAccess(&M::kind));
    const size_t objective =
        d.add(onSameLine(fixedList({}, ActionLists::objectives(context.place.hasActionPoints))),
              memberAccess(&M::objective));
    d.row(objective).visible = kindIsOneOf(kind, {15});
    const TriggerChoiceList vorlans = ActionLists::vorlanPlayers(context.doc);
    const size_t player = d.add(onSameLine(fixedList({}, vorlans)), memberAccess(&M::player));
    d.row(player).visible = [kind, objective, any = !vorlans.empty()](const FormState& s) {
        return any && creatureShowsPlayer(uint8_t(s.value(kind)), uint32_t(s.value(objective)));
    };
    const size_t point =
        d.add(onSameLine(fixedList({}, ActionLists::actionPoints(context.doc))), memberAccess(&M::point));
    d.row(point).visible = [kind, objective](const FormState& s) {
        return creatureShowsPoint(uint8_t(s.value(kind)), uint32_t(s.value(objective)));
    };
    const size_t type =
        d.add(onSameLine(fixedList({}, ActionLists::creatureTypes(context.db))), memberAccess(&M::type));
    const size_t level =
        d.add(onSameLine(numberRow("At Level:", kCreatureLevelRange)), memberAccess(&M::level));
    for (size_t row : {type, level})
        d.row(row).visible = kindIsOneOf(kind, {28});
    const size_t seconds =
        d.add(onSameLine(numberRow("For ", kHealthFlowerSecondsRange)), memberAccess(&M::seconds));
    d.row(seconds).visible = kindIsOneOf(kind, {30});
    struct Pair {
        int64_t kind;
        const char* first;
        const char* second;
    };
    for (const Pair& pair :
         {Pair{33, "Walk", "Run"}, Pair{36, "Don't Fight", "Fight"}, Pair{37, "Closed", "Open"}}) {
        const size_t row = d.add(radioRow({}, FormChoices::fixed({{0, pair.first}, {1, pair.second}})),
                                 memberAccess(&M::second));
        d.row(row).visible = kindIsOneOf(kind, {pair.kind});
    }
    return d;
}

} // namespace gr2
