#pragma once
// The dialogs of the open level's own data, each run modally over a copy of what it edits; a
// confirmed change goes into the level as one step of its history.

#include "dialogs/CLevelVariablesDialog.h"

class QWidget;

namespace gr2 {

class CTypeDatabase;
class CWorldEditorDoc;
class Prompter;

/// "Level Information" ("Edit Level Properties...").
void editLevelInformation(CWorldEditorDoc& doc, Prompter& prompter, QWidget* parent);
/// "Edit Level Variables [ Overrides Globals ]"; `editors` open the global tables' editors.
void editLevelVariables(CWorldEditorDoc& doc, const CTypeDatabase& types,
                        const CLevelVariablesDialog::Editors& editors, Prompter& prompter, QWidget* parent);
/// "Modify Level Text / Speech Ids".
void editLevelTextIds(CWorldEditorDoc& doc, const CTypeDatabase& types, Prompter& prompter, QWidget* parent);

} // namespace gr2
