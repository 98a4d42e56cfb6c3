#pragma once
// What each page of the trigger editor shows, as plain values, with how it loads them from a
// trigger and how it stores them. Storing clears every parameter byte and the value first and
// then writes the kind and the parameters the page sets, so a trigger never keeps bytes of the
// kind it had before. Which controls a page shows for a kind is decided here too, so the window
// and the tests ask the same rules.

#include "script/ButtonCategory.h"
#include "script/TriggerOwnerKind.h"
#include "script/TriggerPageLists.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace gr2 {

class CTrigger;
class CTypeDatabase;
class ScriptUsage;

/// Inclusive bounds of a number a page edits.
struct TriggerNumberRange {
    int64_t low = 0;
    int64_t high = 0;
    bool contains(int64_t v) const { return v >= low && v <= high; }
    bool operator==(const TriggerNumberRange&) const = default;
};

/// The value fields edit 0..32767. The value is stored in 32 bits, so a trigger read from a file
/// may hold more: the field then reaches up to that value, which is shown and kept unless changed.
TriggerNumberRange triggerValueRange(uint32_t loaded);
inline constexpr TriggerNumberRange kRepeatCountRange{0, 255};
inline constexpr TriggerNumberRange kCreatureLevelRange{1, 10};

/// The stored operator when the list holds it, else the page's default.
uint8_t operatorOrDefault(uint8_t stored, bool withAvailable, uint8_t fallback);

// --- Attribute -----------------------------------------------------------------------------------

struct AttributePageModel {
    TriggerOwnerKind subject = TriggerOwnerKind::Level;
    uint8_t kind = 0;
    uint8_t op = 0;
    uint32_t value = 0;
};
/// "This Level", and "This Creature" for a trigger on a creature.
TriggerChoiceList attributeSubjects(const CTrigger& trigger);
AttributePageModel loadAttributePage(const CTrigger& trigger);
void storeAttributePage(const AttributePageModel& page, CTrigger& trigger);

// --- Event ---------------------------------------------------------------------------------------

struct EventPageModel {
    TriggerOwnerKind subject = TriggerOwnerKind::Level;
    uint8_t kind = 0;
    uint8_t byPlayer = 0;
};
/// "This Level"; "This Player" with an owning player; the trigger's own thing kind.
TriggerChoiceList eventSubjects(const CTrigger& trigger);
/// The events about the subject; the trigger's own event joins them when it is about that
/// subject but no list offers it (kinds a file can hold), so opening it changes nothing.
std::vector<uint8_t> eventKinds(TriggerOwnerKind subject, const CTrigger& trigger);
inline bool eventShowsByPlayer(uint8_t kind)
{
    return kind == 47;
}
EventPageModel loadEventPage(const CTrigger& trigger);
void storeEventPage(const EventPageModel& page, CTrigger& trigger);

// --- Player --------------------------------------------------------------------------------------

struct PlayerPageModel {
    uint8_t kind = 0;
    uint8_t type = 0;
    uint8_t op = 0;
    bool comparePlayer = false; ///< "Player:" chosen rather than "Value:"
    uint32_t value = 0;
    uint8_t otherPlayer = 0; ///< the "Player:" list
    bool countBlueprints = true;
    bool countBuilt = true;
    uint8_t byPlayer = 0; ///< the "By" / "Belonging To" list
    int64_t level = 1;    ///< kind 52's creature level, as typed
};
/// Whether the kind counts only things of one type (creatures, rooms, doors, traps, spells).
bool playerPageNarrowsByType(uint8_t kind);
/// The type list of the kind ("<any type>" and the family's types); empty when the kind narrows
/// its count by no type, and then the list is hidden.
TriggerChoiceList playerPageTypes(const CTypeDatabase& db, uint8_t kind);
/// Doors, traps and Vorlan spells can be asked for as "Available" instead of counted.
bool playerPageOffersAvailable(uint8_t kind);
bool playerPageShowsCounts(uint8_t kind, uint8_t op);
/// What the player list after the comparison stands for.
enum class PlayerPageExtra : uint8_t { None, By, BelongingTo, Level };
PlayerPageExtra playerPageExtra(uint8_t kind);
/// At least one count stays checked: unchecking one checks the other.
void setPlayerPageCount(PlayerPageModel& page, bool blueprints, bool checked);
PlayerPageModel loadPlayerPage(const CTrigger& trigger);
/// Refuses a creature level outside 1..10 (answers the range, writing nothing).
std::optional<TriggerNumberRange> storePlayerPage(const PlayerPageModel& page, CTrigger& trigger);

// --- Flag and Timer ------------------------------------------------------------------------------

struct ComparePageModel {
    uint8_t subject = 0;
    uint8_t op = 0;
    bool compareOther = false; ///< "Flag:" / "Timer:" chosen rather than "Value:"
    uint8_t other = 0;
    uint32_t value = 0;
};
/// The flags (or timers) a trigger of the kind names itself, which its lists must show.
std::vector<uint8_t> ownCompareSubjects(const CTrigger& trigger, uint8_t kind);
/// The flags (kind 1) or timers (kind 2) some action sets, with the trigger's own.
TriggerChoiceList compareSubjects(const CTrigger& trigger, const ScriptUsage& usage, uint8_t kind);
/// Loads a Flag or Timer trigger; another kind loads the first entries of the lists.
ComparePageModel loadComparePage(const CTrigger& trigger, uint8_t kind, const TriggerChoiceList& list);
/// Stores kind 1 (Flag) or 2 (Timer).
void storeComparePage(const ComparePageModel& page, uint8_t kind, CTrigger& trigger);

// --- AP ------------------------------------------------------------------------------------------

struct ActionPointPageModel {
    uint8_t kind = 0;
    uint8_t op = 0;
    uint32_t value = 0;
    uint8_t category = 3; ///< TriggerOwnerKind of the counted things: 3 creatures, 6 objects
    uint8_t type = 0;
    uint8_t player = 0;
};
TriggerChoiceList actionPointCategories();
bool actionPointShowsCategory(uint8_t kind);
bool actionPointShowsCompare(uint8_t kind);
/// Tag Part Of and Tag All Of keep no type in their record, so they offer none.
bool actionPointShowsType(uint8_t kind);
/// "Owned By", "Claimed By" or "Tagged By".
std::u16string_view actionPointPlayerLabel(uint8_t kind);
/// Slab Types names a player only for a terrain that can be owned.
bool actionPointShowsPlayer(const CTypeDatabase& db, uint8_t kind, uint8_t type);
TriggerChoiceList actionPointTypes(const CTypeDatabase& db, uint8_t kind, uint8_t category);
ActionPointPageModel loadActionPointPage(const CTrigger& trigger);
void storeActionPointPage(const ActionPointPageModel& page, const CTypeDatabase& db, CTrigger& trigger);

// --- Party ---------------------------------------------------------------------------------------

struct PartyPageModel {
    uint8_t kind = 0;
    uint8_t op = 0;
    uint32_t value = 0;
};
inline bool partyShowsCompare(uint8_t kind)
{
    return kind != 43;
}
PartyPageModel loadPartyPage(const CTrigger& trigger);
/// The subject is the number of the hero party the trigger hangs under.
void storePartyPage(const PartyPageModel& page, uint8_t partyNumber, CTrigger& trigger);

// --- GUI -----------------------------------------------------------------------------------------

struct GuiPageModel {
    uint8_t kind = 0;
    ButtonCategory category = ButtonCategory::Misc;
    uint8_t button = 0;
};
inline bool guiShowsButtons(uint8_t kind)
{
    return kind == 53;
}
GuiPageModel loadGuiPage(const CTrigger& trigger, bool subTrigger);
void storeGuiPage(const GuiPageModel& page, CTrigger& trigger);

// --- Repeat --------------------------------------------------------------------------------------

struct RepeatPageModel {
    enum class Mode : uint8_t { Once, Always, Times };
    Mode mode = Mode::Once;
    int64_t count = 1; ///< as typed, for Times
};
RepeatPageModel loadRepeatPage(const CTrigger& trigger);
/// Refuses a count outside 0..255 (answers the range, writing nothing).
std::optional<TriggerNumberRange> storeRepeatPage(const RepeatPageModel& page, CTrigger& trigger);

} // namespace gr2
