#pragma once
// "Modify Vorlan Properties": the Vorlan chooser with "R&ename...", the starting gold and the
// computer-player flag (made from their form), "Computer P&layer Properties...", the creature
// pool with its count, and the four availability rows with their three-state boxes and
// "Apply To All". A refused value shows its message and focuses its field.

#include "forms/VorlanPropertiesSession.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace gr2 {

class FormWidgets;
class Prompter;

class CVorlanPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    CVorlanPropertiesDialog(VorlanPropertiesSession& session, Prompter& prompter, QWidget* parent = nullptr);

    QComboBox* playerBox() const { return m_players; }
    FormWidgets& values() const { return *m_values; }
    FormWidgets& poolCount() const { return *m_count; }
    QComboBox* poolBox() const { return m_pool; }
    QComboBox* availabilityBox(size_t row) const { return m_types.at(row); }
    QCheckBox* availabilityCheck(size_t row) const { return m_checks.at(row); }
    QPushButton* applyToAllButton(size_t row) const { return m_applyAll.at(row); }
    QPushButton* renameButton() const { return m_rename; }
    QPushButton* computerButton() const { return m_computer; }
    QPushButton* okButton() const { return m_ok; }

public slots:
    void accept() override;

private:
    void showPlayer();
    void fillPlayers();
    void showRefusal(const VorlanPropertiesSession::Refusal& refusal);
    void applyComputerRule();
    void rename();
    void editComputerPlayer();

    VorlanPropertiesSession& m_session;
    Prompter& m_prompter;
    QComboBox* m_players = nullptr;
    FormWidgets* m_values = nullptr;
    FormWidgets* m_count = nullptr;
    QComboBox* m_pool = nullptr;
    std::array<QComboBox*, VorlanPropertiesSession::kAvailabilityRows> m_types{};
    std::array<QCheckBox*, VorlanPropertiesSession::kAvailabilityRows> m_checks{};
    std::array<QPushButton*, VorlanPropertiesSession::kAvailabilityRows> m_applyAll{};
    QPushButton* m_rename = nullptr;
    QPushButton* m_computer = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace gr2
