#pragma once
// The computer-player editor: eight tabs, each page's controls made from its form, the build
// order list with its four moves on "&General", and "OK", "Cancel" and "Set Defaults". A page whose
// values are refused keeps the focus when the user tries to leave it; "OK" that meets a refused
// value shows it on its page and stays open.

#include "forms/ComputerPlayerSheet.h"

#include <QDialog>

#include <array>
#include <vector>

class QListWidget;
class QPushButton;
class QTabWidget;

namespace gr2 {

class FormWidgets;
class Prompter;

class CComputerPlayerSheet : public QDialog {
    Q_OBJECT
public:
    CComputerPlayerSheet(ComputerPlayerSheet& sheet, Prompter& prompter, QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }
    FormWidgets* controls(ComputerPlayerPage page) const { return m_controls.at(size_t(page)); }
    QListWidget* buildOrderList() const { return m_buildOrder; }
    QPushButton* moveButton(BuildOrderMove move) const { return m_moves.at(size_t(move)); }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* setDefaultsButton() const { return m_setDefaults; }

public slots:
    void accept() override;

private:
    QWidget* makeGeneralPage();
    void pageChosen(int index);
    void showRefusal(ComputerPlayerPage page, const FormError& error);
    void refresh();
    void fillBuildOrder();

    ComputerPlayerSheet& m_sheet;
    Prompter& m_prompter;
    QTabWidget* m_tabs = nullptr;
    std::vector<FormWidgets*> m_controls;
    QListWidget* m_buildOrder = nullptr;
    std::array<QPushButton*, 4> m_moves{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_setDefaults = nullptr;
    int m_current = 0;
};

} // namespace gr2
