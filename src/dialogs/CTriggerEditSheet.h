#pragma once
// "Edit Trigger": the property sheet in which the user chooses what a trigger waits for and how
// often it may fire. One tab per page present for the trigger, each page's controls made from its
// form; OK writes the repeat count and the page that is showing, and a refused value shows its
// message, stays open and puts the focus on the field.

#include "forms/TriggerSheet.h"

#include <QDialog>

#include <memory>

class QPushButton;
class QTabWidget;

namespace gr2 {

class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class FormWidgets;
class Prompter;
class ScriptUsage;

class CTriggerEditSheet : public QDialog {
    Q_OBJECT
public:
    CTriggerEditSheet(CTrigger& trigger, const CWorldEditorDoc& doc, const CTypeDatabase& db,
                      const ScriptUsage& usage, Prompter& prompter, QWidget* parent = nullptr);
    ~CTriggerEditSheet() override;

    TriggerSheet& sheet() { return m_sheet; }
    QTabWidget* tabs() const { return m_tabs; }
    /// The page of a tab, and the controls of a present page (none when it is absent).
    TriggerPage pageAt(int tab) const { return m_sheet.pages().at(size_t(tab)); }
    FormWidgets* controls(TriggerPage page) const;
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    /// "OK": stores the showing page and the repeat count, or shows why not and stays open.
    void accept() override;

private:
    TriggerSheet m_sheet;
    Prompter& m_prompter;
    QTabWidget* m_tabs = nullptr;
    std::vector<FormWidgets*> m_controls; ///< one per tab
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gr2
