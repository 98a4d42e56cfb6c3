#include "script/ActionSheetPages.h"

#include "level/CCreature.h"
#include "level/CObjectThing.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/LevelIds.h"
#include "script/CTrigger.h"
#include "script/TriggerSheetPages.h"

#include <algorithm>
#include <array>

namespace gr2 {

namespace {

using P = ActionPage;
using O = TriggerOwnerKind;

constexpr std::array kPages = {P::Availability, P::Flag,        P::Timer, P::Info, P::Game,
                               P::Gui,          P::ActionPoint, P::Party, P::Map,  P::Creature};

/// The object type whose placed objects are portal gems.
constexpr uint8_t kPortalGemObjectType = 28;

bool isVorlan(uint8_t playerId)
{
    return playerId >= PlayerId::FirstVorlan;
}

/// Level, action point and hero party scripts run for no player.
bool runsForNoPlayer(O root)
{
    return root == O::Level || root == O::ActionPoint || root == O::HeroParty;
}

bool guiPlace(const ActionPlace& p)
{
    return !runsForNoPlayer(p.root) && !(p.root == O::Player && !isVorlan(p.rootPlayer));
}

bool holds(std::span<const uint8_t> kinds, uint8_t kind)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace

std::span<const ActionPage> actionPagesInOrder()
{
    return kPages;
}

std::u16string_view actionPageTitle(ActionPage page)
{
    switch (page) {
    case P::Availability:
        return u"&Availability";
    case P::Flag:
        return u"&Flag";
    case P::Timer:
        return u"&Timer";
    case P::Info:
        return u"&Info";
    case P::Game:
        return u"&Game";
    case P::Gui:
        return u"G&UI";
    case P::ActionPoint:
        return u"A&P";
    case P::Party:
        return u"&Party";
    case P::Map:
        return u"&Map";
    case P::Creature:
        return u"&Creature";
    }
    return {};
}

ActionPlace actionPlaceOf(const CTrigger& trigger, const CWorldEditorDoc& doc)
{
    ActionPlace place;
    const TriggerRootOwner root = rootOwnerOf(trigger);
    place.root = root.kind;
    place.ownerPlayer = trigger.ownerId();
    if (root.kind == O::Player && root.object)
        place.rootPlayer = static_cast<const CPlayer*>(root.object)->id();
    if (root.kind == O::Creature && root.object) {
        const auto* creature = static_cast<const CCreature*>(root.object);
        place.rootCreatureIsGoodSide = creature->ownerId() == PlayerId::Good ||
                                       (creature->ownerId() == PlayerId::None && creature->inParty());
    }
    place.attachedToHeroParty = trigger.ownerKind() == O::HeroParty;
    place.hasActionPoints = !doc.actionPoints().empty();
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        place.hasHeroParties = place.hasHeroParties || doc.HeroPartyAt(slot) != nullptr;
    place.playerCount = doc.PlayerCount();
    for (size_t i = 0; i < doc.PlayerCount(); ++i)
        if (const CPlayer* p = doc.PlayerAt(i); p && isVorlan(p->id()))
            place.hasVorlanPlayer = true;
    place.hasPortalGemObject = std::any_of(doc.objects().begin(), doc.objects().end(), [](const auto& o) {
        return o && o->type() == kPortalGemObjectType;
    });
    place.mapWidth = uint16_t(std::min<uint32_t>(doc.width(), 0xFFFF));
    place.mapHeight = uint16_t(std::min<uint32_t>(doc.height(), 0xFFFF));
    return place;
}

std::optional<ActionPage> pageOfActionKind(uint8_t kind, bool attachedToHeroParty)
{
    static constexpr uint8_t kInfo[] = {4, 5, 24, 25, 38, 46, 47};
    static constexpr uint8_t kGame[] = {2, 10, 11, 12, 13, 18, 19, 34, 42, 44, 45, 50, 51};
    static constexpr uint8_t kMap[] = {22, 32, 48, 49};
    static constexpr uint8_t kCreature[] = {15, 20, 21, 28, 29, 30, 33, 35, 36, 37, 43};
    static constexpr uint8_t kGui[] = {9, 31};
    static constexpr uint8_t kAp[] = {16, 17, 26, 27};
    if (kind == 6)
        return P::Availability;
    if (kind == 7)
        return P::Flag;
    if (kind == 8 || kind == 23)
        return P::Timer;
    if (kind == 14 || (kind == 3 && attachedToHeroParty))
        return P::Party;
    if (holds(kInfo, kind))
        return P::Info;
    if (holds(kGame, kind))
        return P::Game;
    if (holds(kMap, kind))
        return P::Map;
    if (holds(kCreature, kind))
        return P::Creature;
    if (holds(kGui, kind))
        return P::Gui;
    if (holds(kAp, kind))
        return P::ActionPoint;
    return std::nullopt;
}

bool isActionPagePresent(ActionPage page, const ActionPlace& p)
{
    switch (page) {
    case P::Availability:
        // Its player list holds the Vorlan players only: a level read from a file may have none.
        return p.hasVorlanPlayer;
    case P::Flag:
    case P::Timer:
    case P::Game:
    case P::Map:
        return true;
    case P::Info:
        return !runsForNoPlayer(p.root);
    case P::Gui:
        return guiPlace(p);
    case P::ActionPoint:
        return guiPlace(p) && p.hasActionPoints;
    case P::Party:
        return p.hasActionPoints && p.hasHeroParties;
    case P::Creature:
        return (p.root == O::Player && isVorlan(p.rootPlayer)) || p.root == O::Creature;
    }
    return false;
}

std::vector<ActionPage> presentActionPages(const ActionPlace& place)
{
    std::vector<ActionPage> pages;
    for (ActionPage page : kPages)
        if (isActionPagePresent(page, place))
            pages.push_back(page);
    return pages;
}

ActionPage openingActionPage(const std::vector<ActionPage>& present, uint8_t kind, const ActionPlace& place)
{
    const std::optional<ActionPage> owner = pageOfActionKind(kind, place.attachedToHeroParty);
    if (owner && std::find(present.begin(), present.end(), *owner) != present.end())
        return *owner;
    return present.empty() ? P::Flag : present.front();
}

std::vector<uint8_t> actionKindsOffered(ActionPage page, const ActionPlace& p)
{
    const bool forPlayer = !runsForNoPlayer(p.root);
    switch (page) {
    case P::Availability:
        return {6};
    case P::Flag:
        return {7};
    case P::Timer:
        return {8, 23};
    case P::Info:
        return {46, 47, 4, 24, 25, 38};
    case P::Game: {
        std::vector<uint8_t> kinds;
        if (forPlayer && isVorlan(p.ownerPlayer)) {
            kinds.push_back(10);
            kinds.push_back(11);
        }
        // Its two lists hold the Vorlan players.
        if (p.playerCount > 3 && p.hasVorlanPlayer)
            kinds.push_back(18);
        if (p.hasPortalGemObject)
            kinds.push_back(2);
        if (forPlayer && (isVorlan(p.ownerPlayer) || p.root == O::Creature))
            kinds.push_back(42);
        kinds.insert(kinds.end(), {44, 45, 51, 50});
        return kinds;
    }
    case P::Gui:
        if (p.hasActionPoints)
            return {9, 31};
        return {9};
    case P::ActionPoint:
        return {16, 17, 26, 27};
    case P::Party:
        return {14};
    case P::Map:
        return {22, 32, 49};
    case P::Creature:
        if (p.root == O::Player)
            return {28, 37};
        if (p.rootCreatureIsGoodSide)
            return {20, 15, 29, 30, 33, 35, 36, 43};
        return {20, 29, 30, 33, 35, 36, 43};
    }
    return {};
}

} // namespace gr2
