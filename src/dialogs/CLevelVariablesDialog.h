#pragma once
// "Edit Level Variables [ Overrides Globals ]": the form of the level's properties and variable
// values, with the buttons that reset the values to the global ones, open the global experience
// and sacrifice editors, and open the level's text and speech ids on the same working copy (so
// they are kept or dropped with the rest of the dialog).

#include "dialogs/CFormDialog.h"
#include "forms/LevelVariablesForm.h"

#include <functional>

class QPushButton;

namespace gr2 {

class CTypeDatabase;

class CLevelVariablesDialog : public CFormDialog {
    Q_OBJECT
public:
    struct Editors {
        std::function<void()> experience; ///< "Creature Stats..."
        std::function<void()> sacrifices; ///< "&Sacrifices..."
    };

    CLevelVariablesDialog(FormSession& session, LevelVariablesEdit& edit, const LevelVariablesRows& rows,
                          const CTypeDatabase& types, Editors editors, Prompter& prompter,
                          QWidget* parent = nullptr);

    QPushButton* resetButton() const { return m_reset; }
    QPushButton* textIdsButton() const { return m_textIds; }

private:
    void resetToGlobals();
    void editTextIds();

    LevelVariablesEdit& m_edit;
    LevelVariablesRows m_rowIndexes;
    const CTypeDatabase& m_types;
    Editors m_editors;
    Prompter& m_prompter;
    QPushButton* m_reset = nullptr;
    QPushButton* m_textIds = nullptr;
};

} // namespace gr2
