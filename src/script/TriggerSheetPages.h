#pragma once
// Which pages the trigger editor shows for a trigger, and which page owns each kind. A page is
// left out where its conditions make no sense for the trigger's place in the script: the pages
// decide by the trigger's root owner (the first owner above it that is not a trigger), its owning
// player and which flags and timers some action of the level sets.

#include "script/TriggerOwnerKind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gr2 {

class CLevelObject;
class CTrigger;
class CWorldEditorDoc;
class ScriptUsage;

/// The pages in tab order.
enum class TriggerPage : uint8_t { Attribute, Event, Player, Flag, ActionPoint, Timer, Party, Gui, Repeat };

/// Every page in tab order.
std::span<const TriggerPage> triggerPagesInOrder();
/// The tab title with its mnemonic: "Attri&bute", "&Event", ...
std::u16string_view triggerPageTitle(TriggerPage page);

/// What a trigger hangs under once its parent triggers are passed over.
struct TriggerRootOwner {
    TriggerOwnerKind kind = TriggerOwnerKind::Null;
    CLevelObject* object = nullptr; ///< none for the level
};
TriggerRootOwner rootOwnerOf(const CTrigger& trigger);

/// The page whose kind list holds the kind; none for the kinds no page edits (0, 50, 51, 75).
std::optional<TriggerPage> pageOfTriggerKind(uint8_t kind);

/// Whether the page is part of the sheet for the trigger. A Flag or Timer trigger counts its own
/// flag or timer as set, so that it can be edited where it stands even when no action sets it.
bool isTriggerPagePresent(TriggerPage page, const CTrigger& trigger, const CWorldEditorDoc& doc,
                          const ScriptUsage& usage);
/// The pages present, in tab order.
std::vector<TriggerPage> presentTriggerPages(const CTrigger& trigger, const CWorldEditorDoc& doc,
                                             const ScriptUsage& usage);
/// The page the sheet opens on: the one that owns the trigger's kind when it is present, else
/// the first.
TriggerPage openingTriggerPage(const std::vector<TriggerPage>& present, uint8_t kind);

} // namespace gr2
