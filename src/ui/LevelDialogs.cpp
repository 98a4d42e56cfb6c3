#include "ui/LevelDialogs.h"

#include "dialogs/FormDialogRun.h"
#include "forms/LevelForms.h"
#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"

namespace gr2 {

namespace {

void editProperties(CWorldEditorDoc& doc, const FormDescription<LevelProperties>& form, const char* stepName,
                    Prompter& prompter, QWidget* parent)
{
    LevelProperties edited = doc.properties();
    bool changed = false;
    if (!runFormDialog(form, edited, prompter, parent, &changed) || !changed)
        return;
    EditStep step(doc, stepName);
    doc.setProperties(edited);
}

} // namespace

void editLevelInformation(CWorldEditorDoc& doc, Prompter& prompter, QWidget* parent)
{
    editProperties(doc, levelInformationForm(), "Edit Level Properties", prompter, parent);
}

void editLevelVariables(CWorldEditorDoc& doc, const CTypeDatabase& types,
                        const CLevelVariablesDialog::Editors& editors, Prompter& prompter, QWidget* parent)
{
    LevelVariablesEdit edit = levelVariablesOf(doc);
    LevelVariablesRows rows;
    SingleFormSession<LevelVariablesEdit> session(levelVariablesForm(edit.properties, &rows), edit);
    CLevelVariablesDialog dialog(session, edit, rows, types, editors, prompter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const LevelVariablesEdit before = levelVariablesOf(doc);
    if (before.values == edit.values && before.properties == edit.properties)
        return;
    EditStep step(doc, "Edit Level Variables");
    applyLevelVariables(doc, edit);
}

void editLevelTextIds(CWorldEditorDoc& doc, const CTypeDatabase& types, Prompter& prompter, QWidget* parent)
{
    editProperties(doc, levelTextIdsForm(types), "Modify Level Text / Speech Ids", prompter, parent);
}

} // namespace gr2
