#pragma once
// "Rename Vorlan": one field holding the player's name, as long as the player record's name field
// can hold it with its terminating NUL.

#include "forms/Form.h"

#include <string>

namespace gr2 {

class CPlayer;
class CWorldEditorDoc;

FormDescription<std::string> renameVorlanForm();

/// Renames the player as one step of the level's history.
void renameVorlan(CWorldEditorDoc& doc, CPlayer& player, const std::string& name);

} // namespace gr2
