#pragma once
// The action editor without its window: the pages present for one action, each a form over its
// page model loaded from the action, the page it opens on, OK, which stores the page that is
// showing, and Cancel. Either the page's kind and parameters are written or, when a value is
// refused, nothing is: the action is exactly as it was and the sheet stays open on the field.
// The sheet also keeps the flag and timer usage marks true while the action is edited.

#include "forms/FormRow.h"
#include "script/ActionSheetPages.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CAction;
class CTypeDatabase;
class CWorldEditorDoc;
class FormState;
class ScriptUsage;

class ActionSheet {
public:
    static constexpr const char* kCaption = "Edit Action";

    /// Builds the pages present for the action and loads each from it. The action, the level,
    /// the types and the marks outlive the sheet.
    ActionSheet(CAction& action, const CWorldEditorDoc& doc, const CTypeDatabase& db, ScriptUsage& usage);
    ~ActionSheet();
    ActionSheet(const ActionSheet&) = delete;
    ActionSheet& operator=(const ActionSheet&) = delete;

    const ActionPlace& place() const { return m_place; }
    const std::vector<ActionPage>& pages() const { return m_pages; }
    bool hasPage(ActionPage page) const;
    /// The page that owns the action's kind, else the first.
    ActionPage openingPage() const;
    /// The shown values of a present page (the first page's for an absent one).
    FormState& state(ActionPage page);

    struct Refusal {
        ActionPage page;
        FormError error;
        bool operator==(const Refusal&) const = default;
    };
    /// The user turns to another page: a number typed on `page` outside its range keeps the
    /// sheet on it, as OK would.
    std::optional<Refusal> leave(ActionPage page);
    /// OK while `active` shows: its kind and parameters go into the action and its flag or timer
    /// is marked used, or, when a value is refused, nothing changes.
    std::optional<Refusal> confirm(ActionPage active);
    /// The script tree's text of what OK on `active` would store, the action left as it is; none
    /// while a value would be refused.
    std::optional<std::u16string> preview(ActionPage active);
    /// Cancel: the marks the sheet cleared are set again.
    void cancel();

private:
    class Page;
    template <class Model> class ModelPage;
    Page* page(ActionPage page) const;
    /// Whether the page's kind list offers the action's kind.
    bool ownsKind(ActionPage page) const;
    /// The Flag and Timer pages stop counting the action's own flag or timer as used while it is
    /// edited, unless another action of the level writes it too.
    void clearOwnMark(const CWorldEditorDoc& doc);

    /// What OK on `active` writes into the action (nothing when the page is untouched).
    std::optional<Refusal> storeShowing(ActionPage active);

    CAction& m_action;
    const CWorldEditorDoc& m_doc;
    const CTypeDatabase& m_db;
    ScriptUsage& m_usage;
    ActionPlace m_place;
    std::vector<ActionPage> m_pages;
    std::vector<std::unique_ptr<Page>> m_forms; ///< one per present page, in the same order
    std::optional<uint8_t> m_clearedFlag;
    std::optional<uint8_t> m_clearedTimer;
};

} // namespace gr2
