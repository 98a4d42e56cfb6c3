#include "script/TriggerSheetPages.h"

#include "level/CWorldEditorDoc.h"
#include "level/LevelIds.h"
#include "script/CTrigger.h"
#include "script/ScriptUsage.h"
#include "script/TriggerPageKinds.h"

#include <algorithm>
#include <array>

namespace gr2 {

namespace {

using P = TriggerPage;
using O = TriggerOwnerKind;

constexpr std::array kPages = {P::Attribute, P::Event, P::Player, P::Flag,  P::ActionPoint,
                               P::Timer,     P::Party, P::Gui,    P::Repeat};

bool anyFlagUsed(const ScriptUsage& usage)
{
    if (usage.isLevelScoreUsed())
        return true;
    for (int i = 0; i < ScriptFlagIndex::kCount; ++i)
        if (usage.isFlagUsed(uint8_t(i)))
            return true;
    return false;
}

bool anyTimerUsed(const ScriptUsage& usage)
{
    if (usage.isTimeLimitUsed())
        return true;
    for (int i = 0; i < ScriptTimerIndex::kCount; ++i)
        if (usage.isTimerUsed(uint8_t(i)))
            return true;
    return false;
}

bool hasOwningPlayer(const CTrigger& t)
{
    return t.ownerId() != PlayerId::None;
}

} // namespace

std::span<const TriggerPage> triggerPagesInOrder()
{
    return kPages;
}

std::u16string_view triggerPageTitle(TriggerPage page)
{
    switch (page) {
    case P::Attribute:
        return u"Attri&bute";
    case P::Event:
        return u"&Event";
    case P::Player:
        return u"P&layer";
    case P::Flag:
        return u"&Flag";
    case P::ActionPoint:
        return u"&AP";
    case P::Timer:
        return u"&Timer";
    case P::Party:
        return u"&Party";
    case P::Gui:
        return u"&GUI";
    case P::Repeat:
        return u"&Repeat";
    }
    return {};
}

TriggerRootOwner rootOwnerOf(const CTrigger& trigger)
{
    const CTrigger* t = &trigger;
    // The parent links come from resolved chains, which hold no cycle; the bound keeps a damaged
    // script from hanging the editor all the same.
    for (int depth = 0; depth <= CTrigger::kMaxId; ++depth) {
        const CTrigger* parent = t->parentTrigger();
        if (!parent)
            return {t->ownerKind(), t->ownerObject()};
        t = parent;
    }
    return {};
}

std::optional<TriggerPage> pageOfTriggerKind(uint8_t kind)
{
    for (TriggerPage page : kPages) {
        const auto kinds = triggerKindsOwnedBy(page);
        if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end())
            return page;
    }
    return std::nullopt;
}

bool isTriggerPagePresent(TriggerPage page, const CTrigger& trigger, const CWorldEditorDoc& doc,
                          const ScriptUsage& usage)
{
    const O root = rootOwnerOf(trigger).kind;
    const bool sub = trigger.ownerKind() == O::Trigger;
    switch (page) {
    case P::Attribute:
    case P::Repeat:
        return true;
    case P::Event:
        return !sub && root != O::ActionPoint && root != O::HeroParty && !eventKindsFor(root).empty();
    case P::Player:
        return hasOwningPlayer(trigger);
    case P::Flag:
        return anyFlagUsed(usage) || trigger.kind() == uint8_t(TriggerKind::Flag);
    case P::ActionPoint:
        return root == O::ActionPoint && !doc.actionPoints().empty();
    case P::Timer:
        return anyTimerUsed(usage) || trigger.kind() == uint8_t(TriggerKind::Timer);
    case P::Party:
        return root == O::HeroParty;
    case P::Gui:
        return trigger.ownerId() > PlayerId::Neutral && root != O::Level && root != O::ActionPoint &&
               root != O::HeroParty;
    }
    return false;
}

std::vector<TriggerPage> presentTriggerPages(const CTrigger& trigger, const CWorldEditorDoc& doc,
                                             const ScriptUsage& usage)
{
    std::vector<TriggerPage> pages;
    for (TriggerPage page : kPages)
        if (isTriggerPagePresent(page, trigger, doc, usage))
            pages.push_back(page);
    return pages;
}

TriggerPage openingTriggerPage(const std::vector<TriggerPage>& present, uint8_t kind)
{
    const std::optional<TriggerPage> owner = pageOfTriggerKind(kind);
    if (owner && std::find(present.begin(), present.end(), *owner) != present.end())
        return *owner;
    return present.empty() ? P::Attribute : present.front();
}

} // namespace gr2
