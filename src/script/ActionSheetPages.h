#pragma once
// Which pages the action editor shows for an action, which kinds each page offers there and which
// page owns each kind. A page is left out where it makes no sense for the place of the action's
// trigger in the script (its root owner, the owning player) or where the level lacks what its
// lists are made of (action points, hero parties, Vorlan players).

#include "script/TriggerOwnerKind.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace gr2 {

class CAction;
class CTrigger;
class CWorldEditorDoc;

/// The pages in tab order.
enum class ActionPage : uint8_t {
    Availability,
    Flag,
    Timer,
    Info,
    Game,
    Gui,
    ActionPoint,
    Party,
    Map,
    Creature
};

std::span<const ActionPage> actionPagesInOrder();
/// The tab title with its mnemonic: "&Availability", "&Flag", ...
std::u16string_view actionPageTitle(ActionPage page);

/// What the pages decide by: where the action's trigger stands and what the level holds.
struct ActionPlace {
    TriggerOwnerKind root = TriggerOwnerKind::Level;
    uint8_t ownerPlayer = 0;             ///< the owning player of the action's trigger (0: none)
    uint8_t rootPlayer = 0;              ///< the root owner's id when the root is a player
    bool rootCreatureIsGoodSide = false; ///< owned by Good, or by no one and in a hero party
    bool attachedToHeroParty = false;    ///< the trigger's own owner is a hero party
    bool hasActionPoints = false;
    bool hasHeroParties = false;
    bool hasVorlanPlayer = false;
    bool hasPortalGemObject = false;
    size_t playerCount = 0;
    uint16_t mapWidth = 0;
    uint16_t mapHeight = 0;
};
ActionPlace actionPlaceOf(const CTrigger& trigger, const CWorldEditorDoc& doc);

/// The page whose kind list holds the kind; none for kinds no page edits (0, 1, 39..41, past 51,
/// and 3 outside a hero party's trigger).
std::optional<ActionPage> pageOfActionKind(uint8_t kind, bool attachedToHeroParty);

bool isActionPagePresent(ActionPage page, const ActionPlace& place);
std::vector<ActionPage> presentActionPages(const ActionPlace& place);
/// The page that owns the kind when it is present, else the first.
ActionPage openingActionPage(const std::vector<ActionPage>& present, uint8_t kind, const ActionPlace& place);

/// The kinds a page's kind list offers at this place, in list order; a page without a kind
/// list answers its one kind (the Timer page its Set Timer kind).
std::vector<uint8_t> actionKindsOffered(ActionPage page, const ActionPlace& place);

} // namespace gr2
