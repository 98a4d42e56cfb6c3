#pragma once
// The trigger editor without its window: the pages present for one trigger, each a form over its
// page model loaded from the trigger, the page it opens on, and OK, which takes the repeat count
// and stores the page that is showing. Either everything is written or, when a value is refused,
// nothing: the trigger is exactly as it was and the sheet stays open on the refused field.

#include "forms/FormRow.h"
#include "script/TriggerSheetPages.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class FormState;
class ScriptUsage;

class TriggerSheet {
public:
    static constexpr const char* kCaption = "Edit Trigger";

    /// Builds the pages present for the trigger and loads each from it. The trigger, the level
    /// and the types outlive the sheet.
    TriggerSheet(CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                 const ScriptUsage& usage);
    ~TriggerSheet();
    TriggerSheet(const TriggerSheet&) = delete;
    TriggerSheet& operator=(const TriggerSheet&) = delete;

    const std::vector<TriggerPage>& pages() const { return m_pages; }
    bool hasPage(TriggerPage page) const;
    /// The page that owns the trigger's kind, else the first.
    TriggerPage openingPage() const;
    /// The shown values of a present page.
    FormState& state(TriggerPage page);

    struct Refusal {
        TriggerPage page;
        FormError error;
        bool operator==(const Refusal&) const = default;
    };
    /// The user turns to another page: a number typed on `page` outside its range keeps the
    /// sheet on it, as OK would.
    std::optional<Refusal> leave(TriggerPage page);
    /// OK while `active` shows: the repeat count and the active page's kind and parameters go
    /// into the trigger, or, when a value is refused, nothing does.
    std::optional<Refusal> confirm(TriggerPage active);
    /// The script tree's text of what OK on `active` would store ("When Gold >= 5000"), the trigger
    /// left as it is; none while a value would be refused.
    std::optional<std::u16string> preview(TriggerPage active);

private:
    class Page;
    template <class Model> class ModelPage;
    Page* page(TriggerPage page) const;

    /// What OK on `active` writes into the trigger; a refused value leaves part of it written.
    std::optional<Refusal> storeShowing(TriggerPage active);

    CTrigger& m_trigger;
    const CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_db;
    std::vector<TriggerPage> m_pages;
    std::vector<std::unique_ptr<Page>> m_forms; ///< one per present page, in the same order
};

} // namespace gr2
