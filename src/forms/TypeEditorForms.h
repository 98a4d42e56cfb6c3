#pragma once
// The type editors' tables: for each family whose editor exists, its caption and its rows, each
// row the label, the field handle, the range or list and the rules of one control. The editors'
// dialogs, the tests and gr2tool all work from these.

#include "forms/Form.h"
#include "typedb/CTypeRecord.h"

#include <optional>

namespace gr2 {

class CTypeDatabase;

/// "Modify Door Properties".
FormDescription<CTypeRecord> doorTypeForm(const CTypeDatabase& types);
/// "Modify Trap Properties".
FormDescription<CTypeRecord> trapTypeForm(const CTypeDatabase& types);
/// "Configure Object Types".
FormDescription<CTypeRecord> objectTypeForm(const CTypeDatabase& types);

/// Whether the family's type editor exists.
bool hasTypeEditor(TypeFamily family);
/// The family's table, with its lists filled from `types`; none while the family has no editor.
std::optional<FormDescription<CTypeRecord>> typeEditorForm(TypeFamily family, const CTypeDatabase& types);

} // namespace gr2
