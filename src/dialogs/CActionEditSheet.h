#pragma once
// "Edit Action": the property sheet in which the user chooses what an action does. One tab per
// page present for the action, each page's controls made from its form; OK writes the page that
// is showing, a refused value shows its message, stays open and puts the focus on the field, and
// Cancel leaves the action as it was.

#include "forms/ActionSheet.h"

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace gr2 {

class CAction;
class CTypeDatabase;
class CWorldEditorDoc;
class FormWidgets;
class Prompter;
class ScriptUsage;

class CActionEditSheet : public QDialog {
    Q_OBJECT
public:
    CActionEditSheet(CAction& action, CWorldEditorDoc& doc, const CTypeDatabase& db, ScriptUsage& usage,
                     Prompter& prompter, QWidget* parent = nullptr);
    ~CActionEditSheet() override;

    ActionSheet& sheet() { return m_sheet; }
    QTabWidget* tabs() const { return m_tabs; }
    ActionPage pageAt(int tab) const { return m_sheet.pages().at(size_t(tab)); }
    /// The controls of a present page (none when it is absent).
    FormWidgets* controls(ActionPage page) const;
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    /// "OK": stores the showing page, or shows why not and stays open.
    void accept() override;
    void reject() override;

private:
    ActionSheet m_sheet;
    CWorldEditorDoc& m_doc;
    Prompter& m_prompter;
    QTabWidget* m_tabs = nullptr;
    std::vector<FormWidgets*> m_controls; ///< one per tab
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gr2
