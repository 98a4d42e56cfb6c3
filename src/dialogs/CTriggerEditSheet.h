#pragma once
// "Edit Trigger": the property sheet in which the user chooses what a trigger waits for and how
// often it may fire. One tab per page present for the trigger, each page's controls made from its
// form; OK writes the repeat count and the page that is showing, and a refused value shows its
// message, stays open and puts the focus on the field.

#include "dialogs/CPropertySheet.h"
#include "forms/TriggerSheet.h"

namespace gr2 {

class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class Prompter;
class ScriptUsage;

class CTriggerEditSheet : public CPropertySheet {
    Q_OBJECT
public:
    CTriggerEditSheet(CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                      const ScriptUsage& usage, Prompter& prompter, QWidget* parent = nullptr);
    ~CTriggerEditSheet() override;

    TriggerSheet& sheet() { return m_sheet; }
    /// The page of a tab, and the controls of a present page (none when it is absent).
    TriggerPage pageAt(int tab) const { return m_sheet.pages().at(size_t(tab)); }
    FormWidgets* controls(TriggerPage page) const;

public slots:
    /// "OK": stores the showing page and the repeat count, or shows why not and stays open.
    void accept() override;

protected:
    std::optional<FormError> refusalOnLeaving(size_t index) override;
    std::optional<QString> summaryOf(size_t index) override;

private:
    size_t indexOf(TriggerPage page) const;

    TriggerSheet m_sheet;
};

} // namespace gr2
