#pragma once
// A property sheet: one tab per page, each page's controls made from its form, and OK and Cancel
// under them. The trigger and action editors build on it; each keeps its own sheet model and says
// what OK stores, while the tabs, the buttons and the way a refused value is shown are this
// class's.

#include "forms/FormRow.h"

#include <QDialog>

#include <cstddef>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;
class QVBoxLayout;

namespace gr2 {

class FormState;
class FormWidgets;
class Prompter;

class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    QTabWidget* tabs() const { return m_tabs; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    /// Above OK: the script tree's text of what OK stores now, following every edit and tab.
    QLabel* summary() const { return m_summary; }

protected:
    CPropertySheet(const QString& caption, Prompter& prompter, QWidget* parent);

    /// Appends a tab with the controls of `state`.
    FormWidgets* addPage(FormState& state, const QString& title);
    /// Once every page is added: shows the tab `opening` and puts OK and Cancel under the tabs.
    void finishPages(size_t opening);
    /// The controls of the tab at `index` (none past the last).
    FormWidgets* controlsAt(size_t index) const;
    /// A value OK refused: its message, then its page in front with the focus on the field, so
    /// that the user can mend it.
    void showRefusal(size_t index, const FormError& error);
    Prompter& prompter() const { return m_prompter; }
    /// Why the page at `index` may not be left now (a number typed out of its range), if it may not.
    virtual std::optional<FormError> refusalOnLeaving(size_t index) = 0;
    /// What OK with the tab at `index` showing would store, in the tree's words; none while a
    /// value would be refused.
    virtual std::optional<QString> summaryOf(size_t index) = 0;
    /// Shows the summary of the tab that is showing.
    void refreshSummary();

private:
    /// A tab the user turned to: the page left is checked first, and a refusal brings it back.
    void tabChanged(int index);

    Prompter& m_prompter;
    QVBoxLayout* m_layout = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::vector<FormWidgets*> m_controls; ///< one per tab
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QLabel* m_summary = nullptr;
    int m_shownTab = -1;
    bool m_turningBack = false;
};

} // namespace gr2
