#pragma once
// "Modify Player Alliances": two player choices, the alliances as two side-by-side lists whose
// rows select together, and "&Create Alliance" / "&Remove Alliance", which act on the level at
// once; "OK", "Cancel" and the close box only close.

#include "forms/AllianceEditor.h"

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

namespace gr2 {

class CAllianceDialog : public QDialog {
    Q_OBJECT
public:
    CAllianceDialog(AllianceEditor& editor, QWidget* parent = nullptr);

    QComboBox* firstPlayer() const { return m_first; }
    QComboBox* secondPlayer() const { return m_second; }
    QListWidget* firstList() const { return m_firstList; }
    QListWidget* secondList() const { return m_secondList; }
    QPushButton* createButton() const { return m_create; }
    QPushButton* removeButton() const { return m_remove; }

private:
    void fillLists();
    void applyButtonRule();

    AllianceEditor& m_editor;
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
    QListWidget* m_firstList = nullptr;
    QListWidget* m_secondList = nullptr;
    QPushButton* m_create = nullptr;
    QPushButton* m_remove = nullptr;
};

} // namespace gr2
