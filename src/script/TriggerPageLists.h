#pragma once
// The drop-down lists of the trigger editor's pages, built from the level and the type tables:
// each entry is the value a page stores and the text the user reads.

#include "script/ButtonCategory.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;
class CTypeRecord;
class TypeTableBase;
class CWorldEditorDoc;
class ScriptUsage;

struct TriggerChoice {
    uint32_t value = 0;
    std::u16string text;
    bool operator==(const TriggerChoice&) const = default;
};
using TriggerChoiceList = std::vector<TriggerChoice>;

/// The position of a value in a list; none when the list does not hold it.
std::optional<size_t> triggerChoiceIndex(const TriggerChoiceList& list, uint32_t value);

namespace TriggerLists {

/// The records of a type table by name, in table order, after `first` (with id 0) when it is not
/// empty; `accept`, when given, picks the records listed.
TriggerChoiceList typesOf(const TypeTableBase& table, std::u16string_view first,
                          const std::function<bool(const CTypeRecord&)>& accept = {});

/// "<any player>" (0), then the level's players by name.
TriggerChoiceList players(const CWorldEditorDoc& doc);
/// The six operators by their long names; "Available" (0) first when asked for.
TriggerChoiceList operators(bool withAvailable);

/// The type lists start with "<any type>" (0).
/// Creature types without the one with id 46, which no list of the script offers.
TriggerChoiceList creatureTypes(const CTypeDatabase& db);
/// Creature types as the placed-thing lists offer them: also without the elite variants.
TriggerChoiceList creatureTypesWithoutElites(const CTypeDatabase& db);
TriggerChoiceList roomTypes(const CTypeDatabase& db);
TriggerChoiceList doorTypes(const CTypeDatabase& db);
TriggerChoiceList trapTypes(const CTypeDatabase& db);
TriggerChoiceList vorlanSpellTypes(const CTypeDatabase& db);
TriggerChoiceList objectTypes(const CTypeDatabase& db);
/// "Slabs" (0), then every terrain type.
TriggerChoiceList terrainTypes(const CTypeDatabase& db);

/// The flags some action sets, as "Flag %d", then "Level Score" when it is set. The flags in
/// `alsoShow` join the list even when nothing sets them, so that a trigger on such a flag shows
/// its own flag rather than another one.
TriggerChoiceList flags(const ScriptUsage& usage, const std::vector<uint8_t>& alsoShow);
/// The same for timers: "Timer %u", then "Time Limit".
TriggerChoiceList timers(const ScriptUsage& usage, const std::vector<uint8_t>& alsoShow);

/// The categories of the Button Pressed list.
TriggerChoiceList buttonCategories();
/// The interface buttons with their ids, without the unused ones.
TriggerChoiceList miscButtons();
/// The buttons of a category: the interface buttons with their ids for Misc, else the types of
/// the family (creature types without id 46, trap types without the door traps).
TriggerChoiceList buttons(const CTypeDatabase& db, ButtonCategory category);

} // namespace TriggerLists

} // namespace gr2
