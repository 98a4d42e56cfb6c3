#include "dialogs/CLevelVariablesDialog.h"

#include "dialogs/FormDialogRun.h"
#include "forms/LevelForms.h"
#include "typedb/CTypeDatabase.h"
#include "ui/FormWidgets.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace gr2 {

CLevelVariablesDialog::CLevelVariablesDialog(FormSession& session, LevelVariablesEdit& edit,
                                             const LevelVariablesRows& rows, const CTypeDatabase& types,
                                             Editors editors, Prompter& prompter, QWidget* parent)
    : CFormDialog(session, prompter, parent), m_edit(edit), m_rowIndexes(rows), m_types(types),
      m_editors(std::move(editors)), m_prompter(prompter)
{
    auto button = [this](const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setAutoDefault(false);
        headerLayout()->addWidget(b);
        return b;
    };
    m_reset = button(tr("Reset To Global Defaults"));
    connect(m_reset, &QPushButton::clicked, this, &CLevelVariablesDialog::resetToGlobals);
    QPushButton* stats = button(tr("Creature Stats..."));
    stats->setEnabled(bool(m_editors.experience));
    connect(stats, &QPushButton::clicked, this, [this] { m_editors.experience(); });
    QPushButton* sacrifices = button(tr("&Sacrifices..."));
    sacrifices->setEnabled(bool(m_editors.sacrifices));
    connect(sacrifices, &QPushButton::clicked, this, [this] { m_editors.sacrifices(); });
    m_textIds = button(tr("Text / String IDs..."));
    connect(m_textIds, &QPushButton::clicked, this, &CLevelVariablesDialog::editTextIds);
}

void CLevelVariablesDialog::resetToGlobals()
{
    showGlobalDefaults(session().state(), m_rowIndexes, m_edit, m_types.variables());
    rows().showState();
}

void CLevelVariablesDialog::editTextIds()
{
    // The ids go into this dialog's copy of the properties: the level takes them with "OK".
    runFormDialog(levelTextIdsForm(m_types), m_edit.properties, m_prompter, this);
}

} // namespace gr2
