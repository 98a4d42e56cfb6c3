#include "script/TriggerPageModels.h"

#include "level/LevelIds.h"
#include "script/CTrigger.h"
#include "script/CompareOp.h"
#include "script/TriggerKind.h"
#include "script/TriggerPageKinds.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

using O = TriggerOwnerKind;

constexpr uint8_t kEqual = uint8_t(CompareOp::Equal);
constexpr uint8_t kGreater = uint8_t(CompareOp::Greater);
/// How the flags byte says what a condition compares with.
constexpr uint8_t kCompareWithValue = 1;
constexpr uint8_t kCompareWithOther = 2;

bool holds(std::span<const uint8_t> kinds, uint8_t kind)
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

bool ownsKind(TriggerPage page, uint8_t kind)
{
    return holds(triggerKindsOwnedBy(page), kind);
}

/// Every page starts its store from a trigger without parameters.
void clearParameters(CTrigger& t, uint8_t kind)
{
    t.setParameters({});
    t.setValue(0);
    t.setKind(kind);
}

TriggerChoice subjectChoice(O kind)
{
    return {uint32_t(kind), u"This " + std::u16string(triggerOwnerKindName(kind))};
}

bool offers(const TriggerChoiceList& list, O kind)
{
    return triggerChoiceIndex(list, uint32_t(kind)).has_value();
}

} // namespace

uint8_t operatorOrDefault(uint8_t stored, bool withAvailable, uint8_t fallback)
{
    if ((withAvailable && stored == 0) || !compareOpName(stored).empty())
        return stored;
    return fallback;
}

// --- Attribute -----------------------------------------------------------------------------------

TriggerChoiceList attributeSubjects(const CTrigger& trigger)
{
    TriggerChoiceList list{subjectChoice(O::Level)};
    if (trigger.ownerKind() == O::Creature)
        list.push_back(subjectChoice(O::Creature));
    return list;
}

AttributePageModel loadAttributePage(const CTrigger& trigger)
{
    AttributePageModel page;
    page.op = kEqual;
    const uint8_t kind = trigger.kind();
    const O subject = triggerKindSubject(kind);
    if (ownsKind(TriggerPage::Attribute, kind) && offers(attributeSubjects(trigger), subject)) {
        page.subject = subject;
        page.kind = kind;
        page.op = operatorOrDefault(trigger.op(), false, kEqual);
        page.value = trigger.value();
    } else {
        page.kind = attributeKindsFor(O::Level).front();
    }
    return page;
}

void storeAttributePage(const AttributePageModel& page, CTrigger& trigger)
{
    clearParameters(trigger, page.kind);
    trigger.setOp(page.op);
    trigger.setValue(page.value);
}

// --- Event ---------------------------------------------------------------------------------------

TriggerChoiceList eventSubjects(const CTrigger& trigger)
{
    TriggerChoiceList list{subjectChoice(O::Level)};
    if (trigger.ownerId() != PlayerId::None)
        list.push_back(subjectChoice(O::Player));
    switch (trigger.ownerKind()) {
    case O::Creature:
    case O::Door:
    case O::Trap:
    case O::Object:
        list.push_back(subjectChoice(trigger.ownerKind()));
        break;
    default:
        break;
    }
    return list;
}

std::vector<uint8_t> eventKinds(TriggerOwnerKind subject, const CTrigger& trigger)
{
    const auto offered = eventKindsFor(subject);
    std::vector<uint8_t> kinds(offered.begin(), offered.end());
    const uint8_t own = trigger.kind();
    if (ownsKind(TriggerPage::Event, own) && triggerKindSubject(own) == subject && !holds(offered, own))
        kinds.push_back(own);
    return kinds;
}

EventPageModel loadEventPage(const CTrigger& trigger)
{
    const TriggerChoiceList subjects = eventSubjects(trigger);
    EventPageModel page;
    const uint8_t kind = trigger.kind();
    if (ownsKind(TriggerPage::Event, kind) && offers(subjects, triggerKindSubject(kind))) {
        page.subject = triggerKindSubject(kind);
        page.kind = kind;
        if (eventShowsByPlayer(kind))
            page.byPlayer = trigger.op();
        return page;
    }
    page.subject = offers(subjects, trigger.ownerKind()) ? trigger.ownerKind() : O::Level;
    const std::vector<uint8_t> kinds = eventKinds(page.subject, trigger);
    page.kind = kinds.empty() ? 0 : kinds.front();
    return page;
}

void storeEventPage(const EventPageModel& page, CTrigger& trigger)
{
    clearParameters(trigger, page.kind);
    if (eventShowsByPlayer(page.kind))
        trigger.setOp(page.byPlayer);
}

// --- Player --------------------------------------------------------------------------------------

bool playerPageNarrowsByType(uint8_t kind)
{
    static constexpr uint8_t kNarrowed[] = {19, 20, 21, 24, 25, 26, 68, 27, 28, 29};
    return holds(kNarrowed, kind);
}

TriggerChoiceList playerPageTypes(const CTypeDatabase& db, uint8_t kind)
{
    switch (kind) {
    case 19:
    case 20:
    case 21:
        return TriggerLists::creatureTypes(db);
    case 24:
    case 25:
    case 26:
    case 68:
        return TriggerLists::roomTypes(db);
    case 27:
        return TriggerLists::doorTypes(db);
    case 28:
        return TriggerLists::trapTypes(db);
    case 29:
        return TriggerLists::vorlanSpellTypes(db);
    default:
        return {};
    }
}

bool playerPageOffersAvailable(uint8_t kind)
{
    return kind == 27 || kind == 28 || kind == 29;
}

bool playerPageShowsCounts(uint8_t kind, uint8_t op)
{
    return playerPageOffersAvailable(kind) && op != 0;
}

PlayerPageExtra playerPageExtra(uint8_t kind)
{
    switch (kind) {
    case 22:
        return PlayerPageExtra::By;
    case 23:
        return PlayerPageExtra::BelongingTo;
    case 52:
        return PlayerPageExtra::Level;
    default:
        return PlayerPageExtra::None;
    }
}

void setPlayerPageCount(PlayerPageModel& page, bool blueprints, bool checked)
{
    (blueprints ? page.countBlueprints : page.countBuilt) = checked;
    if (!checked)
        (blueprints ? page.countBuilt : page.countBlueprints) = true;
}

PlayerPageModel loadPlayerPage(const CTrigger& trigger)
{
    PlayerPageModel page;
    page.op = kEqual;
    const uint8_t kind = trigger.kind();
    if (!ownsKind(TriggerPage::Player, kind)) {
        page.kind = playerPageKinds().front();
        return page;
    }
    page.kind = kind;
    page.type = trigger.subject();
    page.op = operatorOrDefault(trigger.op(), playerPageOffersAvailable(kind), kEqual);
    page.value = trigger.value();
    const uint8_t flags = trigger.flags();
    page.comparePlayer = (flags & kCompareWithOther) != 0;
    page.countBuilt = (flags & TriggerFlag::CountBlueprints) == 0;
    page.countBlueprints = (flags & TriggerFlag::CountBuilt) == 0;
    if (!page.countBuilt && !page.countBlueprints)
        page.countBuilt = page.countBlueprints = true;
    switch (playerPageExtra(kind)) {
    case PlayerPageExtra::By:
    case PlayerPageExtra::BelongingTo:
        page.byPlayer = trigger.other();
        break;
    case PlayerPageExtra::Level:
        page.level = trigger.other();
        break;
    case PlayerPageExtra::None:
        page.otherPlayer = trigger.other();
        break;
    }
    return page;
}

std::optional<TriggerNumberRange> storePlayerPage(const PlayerPageModel& page, CTrigger& trigger)
{
    const PlayerPageExtra extra = playerPageExtra(page.kind);
    if (extra == PlayerPageExtra::Level && !kCreatureLevelRange.contains(page.level))
        return kCreatureLevelRange;
    clearParameters(trigger, page.kind);
    // A kind without a type list narrows its count by no type.
    trigger.setSubject(playerPageNarrowsByType(page.kind) ? page.type : 0);
    trigger.setOp(page.op);
    trigger.setValue(page.value);
    uint8_t flags = page.comparePlayer ? kCompareWithOther : kCompareWithValue;
    if ((page.kind == 27 || page.kind == 28) && playerPageShowsCounts(page.kind, page.op)) {
        if (!page.countBlueprints)
            flags |= TriggerFlag::CountBuilt;
        else if (!page.countBuilt)
            flags |= TriggerFlag::CountBlueprints;
    }
    trigger.setFlags(flags);
    switch (extra) {
    case PlayerPageExtra::By:
    case PlayerPageExtra::BelongingTo:
        trigger.setOther(page.byPlayer);
        break;
    case PlayerPageExtra::Level:
        trigger.setOther(uint8_t(page.level));
        break;
    case PlayerPageExtra::None:
        trigger.setOther(page.otherPlayer);
        break;
    }
    return std::nullopt;
}

// --- Flag and Timer ------------------------------------------------------------------------------

std::vector<uint8_t> ownCompareSubjects(const CTrigger& trigger, uint8_t kind)
{
    if (trigger.kind() != kind)
        return {};
    std::vector<uint8_t> own{trigger.subject()};
    if (trigger.flags() & kCompareWithOther)
        own.push_back(trigger.other());
    return own;
}

TriggerChoiceList compareSubjects(const CTrigger& trigger, const ScriptUsage& usage, uint8_t kind)
{
    const std::vector<uint8_t> own = ownCompareSubjects(trigger, kind);
    return kind == uint8_t(TriggerKind::Flag) ? TriggerLists::flags(usage, own)
                                              : TriggerLists::timers(usage, own);
}

ComparePageModel loadComparePage(const CTrigger& trigger, uint8_t kind, const TriggerChoiceList& list)
{
    ComparePageModel page;
    page.op = kEqual;
    if (trigger.kind() != kind) {
        const uint8_t first = list.empty() ? 0 : uint8_t(list.front().value);
        page.subject = page.other = first;
        return page;
    }
    page.subject = trigger.subject();
    page.op = operatorOrDefault(trigger.op(), false, kEqual);
    page.compareOther = (trigger.flags() & kCompareWithOther) != 0;
    page.other = page.compareOther ? trigger.other() : page.subject;
    page.value = trigger.value();
    return page;
}

void storeComparePage(const ComparePageModel& page, uint8_t kind, CTrigger& trigger)
{
    clearParameters(trigger, kind);
    trigger.setSubject(page.subject);
    trigger.setOp(page.op);
    trigger.setFlags(page.compareOther ? kCompareWithOther : kCompareWithValue);
    trigger.setOther(page.other);
    trigger.setValue(page.value);
}

// --- AP ------------------------------------------------------------------------------------------

TriggerChoiceList actionPointCategories()
{
    return {{uint32_t(O::Creature), u"Creature"}, {uint32_t(O::Object), u"Object"}};
}

bool actionPointShowsCategory(uint8_t kind)
{
    return kind == 39 || kind == 70;
}

bool actionPointShowsCompare(uint8_t kind)
{
    return kind != 41 && kind != 69 && kind != 70;
}

bool actionPointShowsType(uint8_t kind)
{
    return kind != 62 && kind != 69;
}

std::u16string_view actionPointPlayerLabel(uint8_t kind)
{
    switch (kind) {
    case 40:
    case 41:
        return u"Claimed By";
    case 62:
    case 69:
        return u"Tagged By";
    default:
        return u"Owned By";
    }
}

bool actionPointShowsPlayer(const CTypeDatabase& db, uint8_t kind, uint8_t type)
{
    if (kind != 42)
        return true;
    const CTerrainType* terrain = db.terrains().findById(type);
    return terrain && terrain->hasFlag(TerrainTypeFlag::Ownable);
}

TriggerChoiceList actionPointTypes(const CTypeDatabase& db, uint8_t kind, uint8_t category)
{
    if (!actionPointShowsType(kind))
        return {};
    if (actionPointShowsCategory(kind))
        return category == uint8_t(O::Object) ? TriggerLists::objectTypes(db)
                                              : TriggerLists::creatureTypesWithoutElites(db);
    return TriggerLists::terrainTypes(db);
}

ActionPointPageModel loadActionPointPage(const CTrigger& trigger)
{
    ActionPointPageModel page;
    page.op = kGreater;
    uint8_t kind = trigger.kind();
    if (!ownsKind(TriggerPage::ActionPoint, kind)) {
        page.kind = actionPointPageKinds().front();
        return page;
    }
    if (kind == uint8_t(TriggerKind::NotUsed))
        kind = uint8_t(TriggerKind::CongregateIn);
    page.kind = kind;
    page.op = operatorOrDefault(trigger.op(), false, kGreater);
    page.value = trigger.value();
    page.player = trigger.subject();
    page.type = trigger.flags();
    if (trigger.other() == uint8_t(O::Object))
        page.category = uint8_t(O::Object);
    return page;
}

void storeActionPointPage(const ActionPointPageModel& page, const CTypeDatabase& db, CTrigger& trigger)
{
    clearParameters(trigger, page.kind);
    // Claim All Of shows no operator, yet its record keeps the page's one as the others do.
    if (actionPointShowsCompare(page.kind) || page.kind == uint8_t(TriggerKind::ClaimAllOf))
        trigger.setOp(page.op);
    if (actionPointShowsCompare(page.kind))
        trigger.setValue(page.value);
    trigger.setSubject(actionPointShowsPlayer(db, page.kind, page.type) ? page.player : PlayerId::Neutral);
    if (actionPointShowsCategory(page.kind)) {
        trigger.setOther(page.category);
        trigger.setFlags(page.type);
    } else if (actionPointShowsType(page.kind)) {
        trigger.setFlags(page.type);
    }
}

// --- Party ---------------------------------------------------------------------------------------

PartyPageModel loadPartyPage(const CTrigger& trigger)
{
    PartyPageModel page;
    page.op = kEqual;
    if (!ownsKind(TriggerPage::Party, trigger.kind())) {
        page.kind = partyPageKinds().front();
        return page;
    }
    page.kind = trigger.kind();
    page.op = operatorOrDefault(trigger.op(), false, kEqual);
    page.value = trigger.value();
    return page;
}

void storePartyPage(const PartyPageModel& page, uint8_t partyNumber, CTrigger& trigger)
{
    clearParameters(trigger, page.kind);
    if (partyShowsCompare(page.kind)) {
        trigger.setOp(page.op);
        trigger.setValue(page.value);
    }
    trigger.setSubject(partyNumber);
}

// --- GUI -----------------------------------------------------------------------------------------

GuiPageModel loadGuiPage(const CTrigger& trigger, bool subTrigger)
{
    GuiPageModel page;
    const auto kinds = guiPageKinds(subTrigger);
    page.kind = holds(kinds, trigger.kind()) ? trigger.kind() : kinds.front();
    if (page.kind == trigger.kind() && guiShowsButtons(page.kind)) {
        if (trigger.op() <= uint8_t(ButtonCategory::VorlanSpell))
            page.category = ButtonCategory(trigger.op());
        page.button = trigger.subject();
    } else {
        // A page opened for another kind shows the first interface button, not an empty list.
        page.button = uint8_t(TriggerLists::miscButtons().front().value);
    }
    return page;
}

void storeGuiPage(const GuiPageModel& page, CTrigger& trigger)
{
    clearParameters(trigger, page.kind);
    if (guiShowsButtons(page.kind)) {
        trigger.setOp(uint8_t(page.category));
        trigger.setSubject(page.button);
    }
}

// --- Repeat --------------------------------------------------------------------------------------

RepeatPageModel loadRepeatPage(const CTrigger& trigger)
{
    RepeatPageModel page;
    page.count = trigger.repeat();
    if (trigger.repeat() == CTrigger::kRepeatOnce)
        page.mode = RepeatPageModel::Mode::Once;
    else if (trigger.repeat() == CTrigger::kRepeatAlways)
        page.mode = RepeatPageModel::Mode::Always;
    else
        page.mode = RepeatPageModel::Mode::Times;
    return page;
}

std::optional<TriggerNumberRange> storeRepeatPage(const RepeatPageModel& page, CTrigger& trigger)
{
    switch (page.mode) {
    case RepeatPageModel::Mode::Once:
        trigger.setRepeat(CTrigger::kRepeatOnce);
        break;
    case RepeatPageModel::Mode::Always:
        trigger.setRepeat(CTrigger::kRepeatAlways);
        break;
    case RepeatPageModel::Mode::Times:
        if (!kRepeatCountRange.contains(page.count))
            return kRepeatCountRange;
        trigger.setRepeat(uint8_t(page.count));
        break;
    }
    return std::nullopt;
}

} // namespace gr2
