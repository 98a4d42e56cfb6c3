#pragma once
// The tables of the action editor's pages: each page is a form over its page model, with the
// lists it offers for the action being edited and the rules that show and hide its controls as
// the chosen kind changes.

#include "forms/Form.h"
#include "script/ActionPageModels.h"

namespace gr2 {

class CTypeDatabase;
class CWorldEditorDoc;
class ScriptUsage;

/// What the pages' lists are made from; it outlives the forms made with it.
struct ActionPageContext {
    const ActionPlace& place;
    const CWorldEditorDoc& doc;
    const CTypeDatabase& db;
    const ScriptUsage& usage;
};

FormDescription<AvailabilityPageModel> availabilityPageForm(const ActionPageContext& context);
FormDescription<FlagActionPageModel> flagActionPageForm(const ActionPageContext& context);
FormDescription<TimerActionPageModel> timerActionPageForm();
FormDescription<InfoPageModel> infoPageForm(const ActionPageContext& context);
FormDescription<GamePageModel> gamePageForm(const ActionPageContext& context);
FormDescription<GuiActionPageModel> guiActionPageForm(const ActionPageContext& context);
FormDescription<ApActionPageModel> apActionPageForm(const ActionPageContext& context);
FormDescription<PartyActionPageModel> partyActionPageForm(const ActionPageContext& context);
FormDescription<MapPageModel> mapPageForm(const ActionPageContext& context);
FormDescription<CreaturePageModel> creaturePageForm(const ActionPageContext& context);

/// Whether the Flag page offers "Flag:" with the flags some action sets.
bool flagPageOffersOperand(const ScriptUsage& usage);

/// Rows the sheet and the window name.
namespace ActionPageRow {
inline constexpr size_t InfoKind = 0;
inline constexpr size_t InfoTextMessages = 4;
inline constexpr size_t FlagValue = 3;
} // namespace ActionPageRow

} // namespace gr2
