#include "forms/TriggerSheet.h"

#include "forms/FormMessages.h"
#include "forms/NumberText.h"
#include "forms/TriggerPageForms.h"
#include "level/CHeroParty.h"
#include "script/CTrigger.h"
#include "script/ScriptDescriptions.h"
#include "script/TriggerKind.h"

#include <algorithm>
#include <functional>

namespace gr2 {

/// One page: its form, the model it edits and how the model goes into the trigger.
class TriggerSheet::Page {
public:
    virtual ~Page() = default;
    virtual FormState& state() = 0;
    /// Stores the form into the model and the model into the trigger; a refusal writes nothing.
    virtual std::optional<FormError> store(CTrigger& trigger) = 0;
};

template <class Model> class TriggerSheet::ModelPage : public TriggerSheet::Page {
public:
    /// Writes the model; answers the range of a refused value.
    using Write = std::function<std::optional<TriggerNumberRange>(const Model&, CTrigger&)>;

    ModelPage(const FormDescription<Model>& description, Model loaded, Write write, size_t refusedRow = 0)
        : m_form(description), m_model(loaded), m_write(std::move(write)), m_refusedRow(refusedRow)
    {
        m_form.load(m_model);
    }

    FormState& state() override { return m_form.state(); }

    std::optional<FormError> store(CTrigger& trigger) override
    {
        Model model = m_model;
        if (auto error = m_form.store(model))
            return error;
        if (const std::optional<TriggerNumberRange> range = m_write(model, trigger))
            return FormError{m_refusedRow,
                             FormMessages::withBounds(FormMessages::kIntegerRange, formatInteger(range->low),
                                                      formatInteger(range->high))};
        return std::nullopt;
    }

private:
    Form<Model> m_form;
    Model m_model;
    Write m_write;
    size_t m_refusedRow;
};

namespace {

/// A page store that refuses nothing.
template <class Model> auto always(void (*store)(const Model&, CTrigger&))
{
    return [store](const Model& m, CTrigger& t) -> std::optional<TriggerNumberRange> {
        store(m, t);
        return std::nullopt;
    };
}

/// What OK may change in a trigger, to put back when a page refuses a value.
struct TriggerSnapshot {
    uint8_t kind;
    TriggerParameters parameters;
    uint32_t value;
    uint8_t repeat;

    explicit TriggerSnapshot(const CTrigger& t)
        : kind(t.kind()), parameters(t.parameters()), value(t.value()), repeat(t.repeat())
    {
    }
    void restore(CTrigger& t) const
    {
        t.setKind(kind);
        t.setParameters(parameters);
        t.setValue(value);
        t.setRepeat(repeat);
    }
};

} // namespace

TriggerSheet::TriggerSheet(CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                           const ScriptUsage& usage)
    : m_trigger(trigger), m_doc(doc), m_db(db), m_pages(presentTriggerPages(trigger, doc, usage))
{
    const TriggerPageContext context{trigger, doc, db, usage};
    for (TriggerPage p : m_pages) {
        std::unique_ptr<Page> form;
        switch (p) {
        case TriggerPage::Attribute:
            form = std::make_unique<ModelPage<AttributePageModel>>(
                attributePageForm(context), loadAttributePage(trigger), always(&storeAttributePage));
            break;
        case TriggerPage::Event:
            form = std::make_unique<ModelPage<EventPageModel>>(eventPageForm(context), loadEventPage(trigger),
                                                               always(&storeEventPage));
            break;
        case TriggerPage::Player:
            form =
                std::make_unique<ModelPage<PlayerPageModel>>(playerPageForm(context), loadPlayerPage(trigger),
                                                             &storePlayerPage, TriggerPageRow::PlayerLevel);
            break;
        case TriggerPage::Flag:
        case TriggerPage::Timer: {
            const uint8_t kind = uint8_t(p == TriggerPage::Flag ? TriggerKind::Flag : TriggerKind::Timer);
            form = std::make_unique<ModelPage<ComparePageModel>>(
                comparePageForm(context, kind),
                loadComparePage(trigger, kind, compareSubjects(trigger, usage, kind)),
                [kind](const ComparePageModel& m, CTrigger& t) -> std::optional<TriggerNumberRange> {
                    storeComparePage(m, kind, t);
                    return std::nullopt;
                });
            break;
        }
        case TriggerPage::ActionPoint:
            form = std::make_unique<ModelPage<ActionPointPageModel>>(
                actionPointPageForm(context), loadActionPointPage(trigger),
                [&db](const ActionPointPageModel& m, CTrigger& t) -> std::optional<TriggerNumberRange> {
                    storeActionPointPage(m, db, t);
                    return std::nullopt;
                });
            break;
        case TriggerPage::Party: {
            const TriggerRootOwner root = rootOwnerOf(trigger);
            const uint8_t party = root.object ? static_cast<const CHeroParty*>(root.object)->id() : 0;
            form = std::make_unique<ModelPage<PartyPageModel>>(
                partyPageForm(context), loadPartyPage(trigger),
                [party](const PartyPageModel& m, CTrigger& t) -> std::optional<TriggerNumberRange> {
                    storePartyPage(m, party, t);
                    return std::nullopt;
                });
            break;
        }
        case TriggerPage::Gui:
            form = std::make_unique<ModelPage<GuiPageModel>>(
                guiPageForm(context), loadGuiPage(trigger, trigger.ownerKind() == TriggerOwnerKind::Trigger),
                always(&storeGuiPage));
            break;
        case TriggerPage::Repeat:
            form = std::make_unique<ModelPage<RepeatPageModel>>(
                repeatPageForm(), loadRepeatPage(trigger), &storeRepeatPage, TriggerPageRow::RepeatCount);
            break;
        }
        m_forms.push_back(std::move(form));
    }
}

TriggerSheet::~TriggerSheet() = default;

bool TriggerSheet::hasPage(TriggerPage p) const
{
    return std::find(m_pages.begin(), m_pages.end(), p) != m_pages.end();
}

TriggerPage TriggerSheet::openingPage() const
{
    return openingTriggerPage(m_pages, m_trigger.kind());
}

TriggerSheet::Page* TriggerSheet::page(TriggerPage p) const
{
    const auto it = std::find(m_pages.begin(), m_pages.end(), p);
    return it == m_pages.end() ? nullptr : m_forms[size_t(it - m_pages.begin())].get();
}

FormState& TriggerSheet::state(TriggerPage p)
{
    Page* found = page(p);
    // Every sheet has the Repeat page, so a page that is not present falls back to it.
    return (found ? found : page(TriggerPage::Repeat))->state();
}

std::optional<TriggerSheet::Refusal> TriggerSheet::leave(TriggerPage p)
{
    if (!page(p))
        return std::nullopt;
    if (std::optional<FormError> error = state(p).validate())
        return Refusal{p, *error};
    return std::nullopt;
}

std::optional<TriggerSheet::Refusal> TriggerSheet::confirm(TriggerPage active)
{
    const TriggerSnapshot before(m_trigger);
    std::optional<Refusal> refusal = storeShowing(active);
    if (refusal)
        before.restore(m_trigger);
    return refusal;
}

std::optional<std::u16string> TriggerSheet::preview(TriggerPage active)
{
    const TriggerSnapshot before(m_trigger);
    std::optional<std::u16string> text;
    if (!storeShowing(active))
        text = u"When " + describeTrigger(m_trigger, m_doc, m_db);
    before.restore(m_trigger);
    return text;
}

std::optional<TriggerSheet::Refusal> TriggerSheet::storeShowing(TriggerPage active)
{
    // A page the user left as loaded writes nothing, so the kind, parameters, value and repeat
    // count stay as the trigger holds them even where no list offers them; a page the user
    // switched to writes its kind, and a new trigger (kind 0) takes the page's condition.
    std::vector<TriggerPage> storing;
    if (page(TriggerPage::Repeat)->state().isChanged())
        storing.push_back(TriggerPage::Repeat);
    if (active != TriggerPage::Repeat && page(active) &&
        (active != openingPage() || m_trigger.kind() == 0 || page(active)->state().isChanged()))
        storing.push_back(active);
    for (TriggerPage p : storing)
        if (std::optional<FormError> error = page(p)->store(m_trigger))
            return Refusal{p, *error};
    return std::nullopt;
}

} // namespace gr2
