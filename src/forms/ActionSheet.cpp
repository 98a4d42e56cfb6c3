#include "forms/ActionSheet.h"

#include "forms/ActionPageForms.h"
#include "forms/Form.h"
#include "level/CWorldEditorDoc.h"
#include "script/ActionKind.h"
#include "script/CAction.h"
#include "script/LevelScript.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptUsage.h"

#include <algorithm>
#include <functional>

namespace gr2 {

/// One page: its form, the model it edits and how the model goes into the action.
class ActionSheet::Page {
public:
    virtual ~Page() = default;
    virtual FormState& state() = 0;
    /// A page of another kind than the action's loads bytes it does not own: a value its list does
    /// not hold shows the list's first entry, which is what OK on that page stores.
    void showFirstEntries()
    {
        FormState& s = state();
        for (size_t row = 0; row < s.rowCount(); ++row)
            if (s.row(row).isList() && !s.choices(row).empty() && !s.choiceIndex(row))
                s.choose(row, 0);
    }
    /// Stores the form into the model and the model into the action; a refusal writes nothing.
    virtual std::optional<FormError> store(CAction& action) = 0;
    /// Remembers what the page shows as the sheet opens, first entries shown for values no list
    /// holds included.
    void rememberOpened()
    {
        const FormState& s = state();
        m_opened.clear();
        for (size_t row = 0; row < s.rowCount(); ++row)
            m_opened.emplace_back(s.value(row), s.text(row));
    }
    /// Whether the user changed anything since the sheet opened.
    bool edited()
    {
        const FormState& s = state();
        for (size_t row = 0; row < s.rowCount(); ++row)
            if (s.value(row) != m_opened[row].first || s.text(row) != m_opened[row].second)
                return true;
        return false;
    }

private:
    std::vector<std::pair<int64_t, std::string>> m_opened;
};

template <class Model> class ActionSheet::ModelPage : public ActionSheet::Page {
public:
    using Write = std::function<void(const Model&, CAction&)>;

    ModelPage(const FormDescription<Model>& description, Model loaded, Write write)
        : m_form(description), m_model(loaded), m_write(std::move(write))
    {
        m_form.load(m_model);
    }

    FormState& state() override { return m_form.state(); }

    std::optional<FormError> store(CAction& action) override
    {
        Model model = m_model;
        if (auto error = m_form.store(model))
            return error;
        m_write(model, action);
        return std::nullopt;
    }

private:
    Form<Model> m_form;
    Model m_model;
    Write m_write;
};

namespace {

template <class Model> auto plain(void (*store)(const Model&, CAction&))
{
    return [store](const Model& m, CAction& a) { store(m, a); };
}

/// Whether an action other than `self` writes the flag (Set Flag) or timer (Set Timer) `index`.
bool writtenElsewhere(const CWorldEditorDoc& doc, const CAction& self, ActionKind kind, uint8_t index)
{
    const LevelScript* script = LevelScript::of(doc);
    if (!script)
        return false;
    return std::any_of(script->actions().begin(), script->actions().end(), [&](const auto& a) {
        return a && a.get() != &self && a->kind() == uint8_t(kind) && a->a(0) == index;
    });
}

} // namespace

ActionSheet::ActionSheet(CAction& action, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                         ScriptUsage& usage)
    : m_action(action), m_doc(doc), m_db(db), m_usage(usage),
      m_place(action.ownerTrigger() ? actionPlaceOf(*action.ownerTrigger(), doc) : ActionPlace{}),
      m_pages(presentActionPages(m_place))
{
    if (!action.ownerTrigger()) {
        m_place.mapWidth = uint16_t(std::min<uint32_t>(doc.width(), 0xFFFF));
        m_place.mapHeight = uint16_t(std::min<uint32_t>(doc.height(), 0xFFFF));
    }
    clearOwnMark(doc);
    const ActionPageContext context{m_place, doc, db, usage};
    const ActionPlace& place = m_place;
    for (ActionPage p : m_pages) {
        std::unique_ptr<Page> form;
        switch (p) {
        case ActionPage::Availability:
            form = std::make_unique<ModelPage<AvailabilityPageModel>>(
                availabilityPageForm(context), loadAvailabilityPage(action), plain(&storeAvailabilityPage));
            break;
        case ActionPage::Flag:
            form = std::make_unique<ModelPage<FlagActionPageModel>>(
                flagActionPageForm(context), loadFlagActionPage(action, flagPageOffersOperand(usage)),
                plain(&storeFlagActionPage));
            break;
        case ActionPage::Timer:
            form = std::make_unique<ModelPage<TimerActionPageModel>>(
                timerActionPageForm(), loadTimerActionPage(action), plain(&storeTimerActionPage));
            break;
        case ActionPage::Info:
            form = std::make_unique<ModelPage<InfoPageModel>>(
                infoPageForm(context), loadInfoPage(action, place), plain(&storeInfoPage));
            break;
        case ActionPage::Game:
            form = std::make_unique<ModelPage<GamePageModel>>(
                gamePageForm(context), loadGamePage(action, place),
                [&place](const GamePageModel& m, CAction& a) { storeGamePage(m, place, a); });
            break;
        case ActionPage::Gui:
            form = std::make_unique<ModelPage<GuiActionPageModel>>(
                guiActionPageForm(context), loadGuiActionPage(action, place), plain(&storeGuiActionPage));
            break;
        case ActionPage::ActionPoint:
            form = std::make_unique<ModelPage<ApActionPageModel>>(
                apActionPageForm(context), loadApActionPage(action), plain(&storeApActionPage));
            break;
        case ActionPage::Party:
            form = std::make_unique<ModelPage<PartyActionPageModel>>(
                partyActionPageForm(context), loadPartyActionPage(action), plain(&storePartyActionPage));
            break;
        case ActionPage::Map:
            form = std::make_unique<ModelPage<MapPageModel>>(
                mapPageForm(context), loadMapPage(action),
                [&db](const MapPageModel& m, CAction& a) { storeMapPage(m, db, a); });
            break;
        case ActionPage::Creature:
            form = std::make_unique<ModelPage<CreaturePageModel>>(
                creaturePageForm(context), loadCreaturePage(action, place), plain(&storeCreaturePage));
            break;
        }
        m_forms.push_back(std::move(form));
    }
    // The page that edits the action's kind shows what the action holds, values no list offers
    // included, and keeps them until the user changes them.
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (!ownsKind(m_pages[i]))
            m_forms[i]->showFirstEntries();
        m_forms[i]->rememberOpened();
    }
}

ActionSheet::~ActionSheet() = default;

void ActionSheet::clearOwnMark(const CWorldEditorDoc& doc)
{
    const uint8_t target = m_action.a(0);
    if (m_action.kind() == uint8_t(ActionKind::SetFlag) && target < ScriptFlagIndex::kCount &&
        m_usage.isFlagUsed(target) && !writtenElsewhere(doc, m_action, ActionKind::SetFlag, target)) {
        m_usage.clearFlag(target);
        m_clearedFlag = target;
    }
    if (m_action.kind() == uint8_t(ActionKind::SetTimer) && target < ScriptTimerIndex::kCount &&
        m_usage.isTimerUsed(target) && !writtenElsewhere(doc, m_action, ActionKind::SetTimer, target)) {
        m_usage.clearTimer(target);
        m_clearedTimer = target;
    }
}

bool ActionSheet::hasPage(ActionPage p) const
{
    return std::find(m_pages.begin(), m_pages.end(), p) != m_pages.end();
}

bool ActionSheet::ownsKind(ActionPage p) const
{
    const std::vector<uint8_t> kinds = actionKindsOffered(p, m_place);
    return std::find(kinds.begin(), kinds.end(), m_action.kind()) != kinds.end();
}

ActionPage ActionSheet::openingPage() const
{
    return openingActionPage(m_pages, m_action.kind(), m_place);
}

ActionSheet::Page* ActionSheet::page(ActionPage p) const
{
    const auto it = std::find(m_pages.begin(), m_pages.end(), p);
    return it == m_pages.end() ? nullptr : m_forms[size_t(it - m_pages.begin())].get();
}

FormState& ActionSheet::state(ActionPage p)
{
    Page* found = page(p);
    // The Flag page is always present, so an absent page falls back to it.
    return (found ? found : page(ActionPage::Flag))->state();
}

std::optional<ActionSheet::Refusal> ActionSheet::leave(ActionPage p)
{
    if (!page(p))
        return std::nullopt;
    if (std::optional<FormError> error = state(p).validate())
        return Refusal{p, *error};
    return std::nullopt;
}

std::optional<ActionSheet::Refusal> ActionSheet::confirm(ActionPage active)
{
    if (!page(active))
        return std::nullopt;
    const uint8_t kindBefore = m_action.kind();
    const ActionParameters before = m_action.parameters();
    if (std::optional<Refusal> refusal = storeShowing(active)) {
        m_action.setKind(kindBefore);
        m_action.setParameters(before);
        return refusal;
    }
    if (active == ActionPage::Flag || active == ActionPage::Timer)
        m_usage.markAction(m_action.kind(), m_action.a(0));
    return std::nullopt;
}

std::optional<std::u16string> ActionSheet::preview(ActionPage active)
{
    if (!page(active))
        return std::nullopt;
    const uint8_t kindBefore = m_action.kind();
    const ActionParameters before = m_action.parameters();
    std::optional<std::u16string> text;
    if (!storeShowing(active))
        text = describeAction(m_action, m_doc, m_db);
    m_action.setKind(kindBefore);
    m_action.setParameters(before);
    return text;
}

std::optional<ActionSheet::Refusal> ActionSheet::storeShowing(ActionPage active)
{
    Page* form = page(active);
    // OK on the page of the action's kind, or on the page the sheet opened on, untouched, writes
    // nothing: the bytes stay as loaded even where no list offers them, and a kind no page offers
    // stays too. Another page the user switched to, and a new action (kind 0), write what it shows.
    const bool untouched = m_action.kind() != uint8_t(ActionKind::Null) &&
                           (ownsKind(active) || active == openingPage()) && !form->edited();
    if (!untouched)
        if (std::optional<FormError> error = form->store(m_action))
            return Refusal{active, *error};
    return std::nullopt;
}

void ActionSheet::cancel()
{
    if (m_clearedFlag)
        m_usage.markFlag(*m_clearedFlag);
    if (m_clearedTimer)
        m_usage.markTimer(*m_clearedTimer);
    m_clearedFlag.reset();
    m_clearedTimer.reset();
}

} // namespace gr2
