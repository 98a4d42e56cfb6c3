#pragma once
// The trigger kinds of each page of the trigger editor: those a page's kind list offers, in the
// order the user reads them, and those a page owns (the page the editor opens on for a trigger of
// that kind, which also takes in obsolete kinds and kinds only a file can hold).

#include "script/TriggerOwnerKind.h"
#include "script/TriggerSheetPages.h"

#include <cstdint>
#include <span>

namespace gr2 {

/// The kinds whose triggers the page edits, for choosing the page a trigger opens on.
std::span<const uint8_t> triggerKindsOwnedBy(TriggerPage page);

/// Attribute page: Time, Creatures, Played for the Level; Health, Gold Held, Experience Level for
/// a Creature; nothing for other subjects.
std::span<const uint8_t> attributeKindsFor(TriggerOwnerKind subject);
/// Event page: the events about the subject (none for a trap).
std::span<const uint8_t> eventKindsFor(TriggerOwnerKind subject);
/// The kind lists of the pages with a single list.
std::span<const uint8_t> playerPageKinds();
std::span<const uint8_t> actionPointPageKinds();
std::span<const uint8_t> partyPageKinds();
std::span<const uint8_t> guiPageKinds(bool subTrigger);

} // namespace gr2
