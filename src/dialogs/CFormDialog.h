#pragma once
// The dialog every form shares, with the rules every editor keeps: the selector (for editors that
// page through several targets) above the rows the factory built from the form's table, "OK" that
// stores and closes, "Cancel" that closes without storing the shown target, the close box that
// acts as "OK", Escape that acts as "Cancel", and Enter that presses the default "OK" (or the
// focused button) — except in the type and global table editors, where Enter closes nothing. A
// refused value shows its message, and its field gets the focus with its text selected.

#include "forms/FormSession.h"

#include <QDialog>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;

namespace gr2 {

class FormWidgets;
class Prompter;

class CFormDialog : public QDialog {
    Q_OBJECT
public:
    /// What Enter does outside a button: press "OK" as in any desktop dialog, or nothing, for the
    /// editors of the game's tables (and their sub-editors), where a stray Enter would store edits
    /// to global data.
    enum class EnterKey { PressesOk, ClosesNothing };

    CFormDialog(FormSession& session, Prompter& prompter, QWidget* parent = nullptr,
                EnterKey enter = EnterKey::PressesOk);

    FormSession& session() { return m_session; }
    FormWidgets& rows() { return *m_rows; }
    /// None for a form without a selector.
    QComboBox* selector() const { return m_selector; }
    QLabel* selectorLabel() const { return m_selectorLabel; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    /// "OK": stores the shown target and closes; a refused value keeps the dialog open.
    void accept() override;
    /// "Cancel" and Escape.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// Room right of the selector for what an editor adds there.
    QHBoxLayout* headerLayout() const { return m_header; }
    /// Another target is shown (after the selector changed).
    virtual void targetShown() {}
    void showRefusal(const FormError& error);

private:
    void selectorChosen(int index);
    void openSubForm(size_t row);

    FormSession& m_session;
    Prompter& m_prompter;
    EnterKey m_enter;
    FormWidgets* m_rows = nullptr;
    QComboBox* m_selector = nullptr;
    QLabel* m_selectorLabel = nullptr;
    QHBoxLayout* m_header = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace gr2
