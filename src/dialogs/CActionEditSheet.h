#pragma once
// "Edit Action": the property sheet in which the user chooses what an action does. One tab per
// page present for the action, each page's controls made from its form; OK writes the page that
// is showing, a refused value shows its message, stays open and puts the focus on the field, and
// Cancel leaves the action as it was.

#include "dialogs/CPropertySheet.h"
#include "forms/ActionSheet.h"

namespace gr2 {

class CAction;
class CTypeDatabase;
class CWorldEditorDoc;
class Prompter;
class ScriptUsage;

class CActionEditSheet : public CPropertySheet {
    Q_OBJECT
public:
    CActionEditSheet(CAction& action, CWorldEditorDoc& doc, const CTypeDatabase& db, ScriptUsage& usage,
                     Prompter& prompter, QWidget* parent = nullptr);
    ~CActionEditSheet() override;

    ActionSheet& sheet() { return m_sheet; }
    ActionPage pageAt(int tab) const { return m_sheet.pages().at(size_t(tab)); }
    /// The controls of a present page (none when it is absent).
    FormWidgets* controls(ActionPage page) const;

public slots:
    /// "OK": stores the showing page, or shows why not and stays open.
    void accept() override;
    void reject() override;

protected:
    std::optional<FormError> refusalOnLeaving(size_t index) override;
    std::optional<QString> summaryOf(size_t index) override;

private:
    size_t indexOf(ActionPage page) const;

    ActionSheet m_sheet;
    CWorldEditorDoc& m_doc;
};

} // namespace gr2
