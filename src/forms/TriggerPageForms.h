#pragma once
// The tables of the trigger editor's pages: each page is a form over its page model, with the
// lists it offers for the trigger being edited and the rules that show and hide its controls as
// the chosen kind changes.

#include "forms/Form.h"
#include "forms/ScriptPageRows.h"
#include "script/TriggerPageModels.h"

namespace gr2 {

class CTrigger;
class CTypeDatabase;
class CWorldEditorDoc;
class ScriptUsage;

/// What the pages' lists are made from; it outlives the forms made with it.
struct TriggerPageContext {
    const CTrigger& trigger;
    const CWorldEditorDoc& doc;
    const CTypeDatabase& db;
    const ScriptUsage& usage;
};

FormDescription<AttributePageModel> attributePageForm(const TriggerPageContext& context);
FormDescription<EventPageModel> eventPageForm(const TriggerPageContext& context);
FormDescription<PlayerPageModel> playerPageForm(const TriggerPageContext& context);
/// The Flag page for kind 1, the Timer page for kind 2.
FormDescription<ComparePageModel> comparePageForm(const TriggerPageContext& context, uint8_t kind);
FormDescription<ActionPointPageModel> actionPointPageForm(const TriggerPageContext& context);
FormDescription<PartyPageModel> partyPageForm(const TriggerPageContext& context);
FormDescription<GuiPageModel> guiPageForm(const TriggerPageContext& context);
FormDescription<RepeatPageModel> repeatPageForm();

/// The rows that refuse a value on storing, for the sheet to focus.
namespace TriggerPageRow {
inline constexpr size_t PlayerLevel = 10;
inline constexpr size_t RepeatCount = 1;
} // namespace TriggerPageRow

} // namespace gr2
