#pragma once
// "Edit Level Variables [ Overrides Globals ]": the level's properties, flags and rewards, and its
// own values of the global variables. The level's variables start as the global values; a value
// the level holds that differs from the global is an override, a value equal to it is none, and
// "Reset To Global Defaults" takes every override away.

#include "forms/Form.h"
#include "level/LevelProperties.h"
#include "level/VariableOverrides.h"

#include <array>

namespace gr2 {

class CGlobalVariables;
class CTypeDatabase;
class CWorldEditorDoc;

/// What the dialog edits: a copy of the properties and the working table of all variable values.
struct LevelVariablesEdit {
    LevelProperties properties;
    std::array<double, VariableOverrides::kVariableCount> values{};
};

LevelVariablesEdit levelVariablesOf(const CWorldEditorDoc& doc);
/// Puts the properties and every variable value into the level (the caller makes it one step).
void applyLevelVariables(CWorldEditorDoc& doc, const LevelVariablesEdit& edit);
/// Whether the level's value of the variable overrides the global one.
bool overridesGlobal(const CWorldEditorDoc& doc, const CGlobalVariables& globals, uint32_t id);

/// The reward lists: 52 rewards by id, and whether the lists offer each.
struct RewardEntry {
    uint8_t id;
    const char* name;
    bool offered;
};
const std::vector<RewardEntry>& rewardTable();
/// The text tables by id (59 entries; id 40 has none).
const ChoiceList& textTableList();

struct LevelVariablesRows {
    size_t variableList = 0;
    size_t firstValue = 0; ///< one value row per offered variable, in list order
    size_t valueCount = 0;
    size_t ticks = 0;
    size_t secretCheck = 0, secretNumber = 0, specialCheck = 0, specialNumber = 0;
    size_t textTable = 0;
    size_t firstPrevious = 0, firstNext = 0;
};

/// The dialog's table. `shown` is the level whose stored reward and text table ids the lists keep
/// (an id no list offers is shown as its number). `rows` (when given) names the rows.
FormDescription<LevelVariablesEdit> levelVariablesForm(const LevelProperties& shown,
                                                       LevelVariablesRows* rows = nullptr);

/// "Reset To Global Defaults": the whole working table takes the global values, those of the
/// variables the list does not offer included, and every value row shows the global value again.
/// The level takes them only with the dialog's "OK".
void showGlobalDefaults(FormState& state, const LevelVariablesRows& rows, LevelVariablesEdit& edit,
                        const CGlobalVariables& globals);

} // namespace gr2
