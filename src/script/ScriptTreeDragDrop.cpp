// Drag and drop on the script tree: the four drop commands (move or copy, as child or as sibling)
// on triggers, actions and things, under the verdicts of the drop rules.

#include "script/ScriptTreeModel.h"

#include "level/CWorldEditorDoc.h"
#include "level/TriggerKeeping.h"
#include "script/LevelScript.h"

#include <unordered_set>

namespace gr2 {

namespace {

using K = TreeItemKind;

bool isThingKind(K kind)
{
    return kind == K::Creature || kind == K::Door || kind == K::Trap || kind == K::Object;
}

/// Gives every element below the trigger its player and placed flag, as a child always takes its
/// parent's. Iterative, and each element once, however the links run.
void spreadOwner(LevelScript& script, CTrigger& top)
{
    std::unordered_set<const CLevelObject*> seen{&top};
    std::vector<CTrigger*> stack{&top};
    while (!stack.empty()) {
        CTrigger* parent = stack.back();
        stack.pop_back();
        for (int16_t id = parent->child(); id != 0;) {
            ScriptElement e = script.element(id);
            if (!e || !seen.insert(e.object()).second)
                break;
            e.object()->setOwnerById(parent->ownerId());
            e.object()->setPlaced(parent->isPlaced());
            if (e.trigger)
                stack.push_back(e.trigger);
            id = e.next();
        }
    }
}

} // namespace

DropSide ScriptTreeModel::dropSide(const ScriptTreeItem& item) const
{
    DropSide side;
    side.kind = item.kind();
    side.placed = !item.object() || item.object()->isPlaced();
    side.keepsTriggers = !item.object() || keepsTriggers(*item.object());
    if (const CTrigger* trigger = triggerOf(item))
        side.triggerOwner = trigger->ownerKind();
    side.noCommands = hasNoCommands(item);
    return side;
}

bool ScriptTreeModel::canDrag(const ScriptTreeItem& item) const
{
    return gr2::canDrag(dropSide(item));
}

DropVerdict ScriptTreeModel::dropVerdict(const ScriptTreeItem& dragged, const ScriptTreeItem& target) const
{
    return dropVerdictFor(dropSide(dragged), dropSide(target), dragged.contains(target));
}

bool ScriptTreeModel::offersDrop(const ScriptTreeItem& dragged, const ScriptTreeItem& target,
                                 TreeCommand command) const
{
    const DropVerdict verdict = dropVerdict(dragged, target);
    switch (command) {
    case TreeCommand::MoveAsChild:
        return allowsChild(verdict) && offersMove(dragged.kind());
    case TreeCommand::MoveAsSibling:
        return allowsSibling(verdict) && offersMove(dragged.kind());
    case TreeCommand::CopyAsChild:
        return allowsChild(verdict) && offersCopy(dragged.kind());
    case TreeCommand::CopyAsSibling:
        return allowsSibling(verdict) && offersCopy(dragged.kind());
    default:
        return false;
    }
}

bool ScriptTreeModel::leftDrop(ScriptTreeItem& dragged, ScriptTreeItem& target)
{
    return offersDrop(dragged, target, TreeCommand::MoveAsChild) && moveAsChild(dragged, target);
}

bool ScriptTreeModel::drop(ScriptTreeItem& dragged, ScriptTreeItem& target, TreeCommand command)
{
    if (!offersDrop(dragged, target, command))
        return false;
    switch (command) {
    case TreeCommand::MoveAsChild:
        return moveAsChild(dragged, target);
    case TreeCommand::MoveAsSibling:
        return moveAsSibling(dragged, target);
    case TreeCommand::CopyAsChild:
        return copyAsChild(dragged, target);
    case TreeCommand::CopyAsSibling:
        return copyAsSibling(dragged, target);
    default:
        return false;
    }
}

bool ScriptTreeModel::moveAsChild(ScriptTreeItem& dragged, ScriptTreeItem& target)
{
    if (!offersDrop(dragged, target, TreeCommand::MoveAsChild))
        return false;
    if (dragged.kind() == K::Trigger || dragged.kind() == K::Action)
        return moveScript(dragged, target, Placement::Child);
    return moveThing(dragged, target, Placement::Child);
}

bool ScriptTreeModel::moveAsSibling(ScriptTreeItem& dragged, ScriptTreeItem& target)
{
    if (!offersDrop(dragged, target, TreeCommand::MoveAsSibling))
        return false;
    if (dragged.kind() == K::Trigger || dragged.kind() == K::Action)
        return moveScript(dragged, target, Placement::Sibling);
    return moveThing(dragged, target, Placement::Sibling);
}

bool ScriptTreeModel::copyAsChild(ScriptTreeItem& dragged, ScriptTreeItem& target)
{
    if (!offersDrop(dragged, target, TreeCommand::CopyAsChild))
        return false;
    if (dragged.kind() == K::Trigger || dragged.kind() == K::Action)
        return copyScript(dragged, target, Placement::Child);
    return copyThing(dragged, target, Placement::Child);
}

bool ScriptTreeModel::copyAsSibling(ScriptTreeItem& dragged, ScriptTreeItem& target)
{
    if (!offersDrop(dragged, target, TreeCommand::CopyAsSibling))
        return false;
    if (dragged.kind() == K::Trigger || dragged.kind() == K::Action)
        return copyScript(dragged, target, Placement::Sibling);
    return copyThing(dragged, target, Placement::Sibling);
}

// --- triggers and actions ------------------------------------------------------------------------

namespace {

/// Where an element goes: its owner, owner kind, player and placed flag, and (for a sibling drop)
/// the element it follows.
struct Destination {
    CLevelObject* owner = nullptr;
    TriggerOwnerKind ownerKind = TriggerOwnerKind::Null;
    uint8_t playerId = 0;
    bool placed = false;
    ScriptElement after;
};

} // namespace

/// Attaches a detached (or new) element at the destination the target names.
static void attachElement(LevelScript& s, ScriptElement e, const Destination& d)
{
    if (e.trigger) {
        e.trigger->setOwnerObject(d.owner, d.ownerKind);
    } else {
        e.action->setOwnerTrigger(static_cast<CTrigger*>(d.owner));
    }
    e.object()->setOwnerById(d.playerId);
    e.object()->setPlaced(d.placed);
    if (d.after) {
        e.setNext(d.after.next());
        d.after.setNext(e.id());
    } else {
        e.setNext(0);
        if (e.trigger)
            s.LinkTrigger(*e.trigger);
        else
            s.AppendToChildList(e.id(), *static_cast<CTrigger*>(d.owner));
    }
    if (e.trigger)
        spreadOwner(s, *e.trigger);
}

bool ScriptTreeModel::moveScript(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement)
{
    LevelScript& s = script();
    ScriptElement e{triggerOf(dragged), actionOf(dragged)};
    if (!e)
        return false;
    Destination d;
    ScriptTreeItem* newParent = nullptr;
    if (placement == Placement::Child) {
        CLevelObject* o = target.object();
        switch (target.kind()) {
        case K::Level:
            d = {nullptr, TriggerOwnerKind::Level, 0, true, {}};
            break;
        case K::Player:
            d = {o, TriggerOwnerKind::Player, o->ownerId(), true, {}};
            break;
        case K::Trigger: {
            CTrigger* t = triggerOf(target);
            if (!t)
                return false;
            d = {t, TriggerOwnerKind::Trigger, t->ownerId(), t->isPlaced(), {}};
            break;
        }
        default:
            if (!o)
                return false;
            d = {o, TriggerOwnerKind(uint8_t(o->kind())), o->ownerId(), o->isPlaced(), {}};
            break;
        }
        newParent = &target;
    } else {
        ScriptElement t{triggerOf(target), actionOf(target)};
        if (!t)
            return false;
        if (t.trigger)
            d = {t.trigger->ownerObject(), t.trigger->ownerKind(), t.trigger->ownerId(),
                 t.trigger->isPlaced(), t};
        else
            d = {t.action->ownerTrigger(), TriggerOwnerKind::Trigger, t.action->ownerId(),
                 t.action->isPlaced(), t};
        if (e.action && d.ownerKind != TriggerOwnerKind::Trigger)
            return false; // an action never joins a chain of triggers only
        newParent = target.parent();
    }
    if (e.trigger)
        s.DetachTrigger(*e.trigger);
    else
        s.DetachAction(*e.action);
    attachElement(s, e, d);

    remove(dragged);
    std::unique_ptr<ScriptTreeItem> item =
        e.trigger ? makeTriggerItem(*e.trigger) : makeActionItem(*e.action);
    const size_t row = placement == Placement::Sibling ? target.row() + 1
                       : e.trigger                     ? triggerRow(*newParent)
                                                       : newParent->childCount();
    select(insert(*newParent, row, std::move(item)));
    m_doc.SetModifiedFlag(true);
    return true;
}

int16_t ScriptTreeModel::copyElement(int16_t sourceId)
{
    LevelScript& s = script();
    auto copyOne = [&](ScriptElement src) -> ScriptElement {
        if (src.trigger) {
            std::unique_ptr<CTrigger> t = s.makeTrigger();
            if (s.NewTriggerId(*t) == 0)
                return {};
            t->setKind(src.trigger->kind());
            t->setRepeat(src.trigger->repeat());
            t->setParameters(src.trigger->parameters());
            t->setValue(src.trigger->value());
            return {s.addLoadedTrigger(std::move(t)), nullptr};
        }
        std::unique_ptr<CAction> a = s.makeAction();
        if (s.NewActionId(*a) == 0)
            return {};
        a->setKind(src.action->kind());
        a->setParameters(src.action->parameters());
        CAction* added = s.addLoadedAction(std::move(a));
        // A Create Creature action answers for its own creature: the copy gets a creature of its own.
        if (const CCreature* c = src.action->creature()) {
            if (CCreature* copy = m_doc.CreateCreature(c->type(), c->ownerId(), c->position(), false)) {
                copy->setLevel(c->level());
                copy->setHealth(c->health());
                copy->setGoldHeld(c->goldHeld());
                copy->setFlags1(c->flags1());
                copy->setFlags2(c->flags2());
                copy->setElite(c->isElite());
                copy->setObjective(c->objective());
                copy->setObjectiveValue(c->objectiveValue());
                copy->setObjectiveTarget(c->objectiveTarget());
                copy->setPlaced(false);
                copy->setSourceAction(added->id());
                added->setCreature(copy);
            }
        }
        return {nullptr, added};
    };

    ScriptElement top = copyOne(s.element(sourceId));
    if (!top)
        return 0;
    struct Pending {
        const CTrigger* source;
        CTrigger* copy;
    };
    std::vector<Pending> stack;
    if (top.trigger)
        stack.push_back({s.FindTrigger(sourceId), top.trigger});
    std::unordered_set<const CLevelObject*> seen;
    while (!stack.empty()) {
        Pending p = stack.back();
        stack.pop_back();
        ScriptElement last;
        for (int16_t id = p.source->child(); id != 0;) {
            ScriptElement src = s.element(id);
            if (!src || !seen.insert(src.object()).second)
                break;
            id = src.next();
            ScriptElement copy = copyOne(src);
            if (!copy)
                break; // out of ids: the copy ends here, with its links whole
            if (copy.trigger)
                copy.trigger->setOwnerObject(p.copy, TriggerOwnerKind::Trigger);
            else
                copy.action->setOwnerTrigger(p.copy);
            if (last)
                last.setNext(copy.id());
            else
                p.copy->setChild(copy.id());
            last = copy;
            if (copy.trigger)
                stack.push_back({src.trigger, copy.trigger});
        }
    }
    return top.id();
}

bool ScriptTreeModel::copyScript(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement)
{
    if (!triggerOf(dragged) && !actionOf(dragged))
        return false;
    // Work out where the copy goes before making it, so that a refused drop makes nothing.
    Destination d;
    ScriptTreeItem* newParent = &target;
    if (placement == Placement::Child) {
        CLevelObject* o = target.object();
        switch (target.kind()) {
        case K::Level:
            d = {nullptr, TriggerOwnerKind::Level, 0, true, {}};
            break;
        case K::Player:
            d = {o, TriggerOwnerKind::Player, o->ownerId(), true, {}};
            break;
        case K::Trigger: {
            CTrigger* t = triggerOf(target);
            if (!t)
                return false;
            d = {t, TriggerOwnerKind::Trigger, t->ownerId(), t->isPlaced(), {}};
            break;
        }
        default:
            if (!o)
                return false;
            d = {o, TriggerOwnerKind(uint8_t(o->kind())), o->ownerId(), o->isPlaced(), {}};
            break;
        }
    } else {
        ScriptElement t{triggerOf(target), actionOf(target)};
        if (!t)
            return false;
        if (t.trigger)
            d = {t.trigger->ownerObject(), t.trigger->ownerKind(), t.trigger->ownerId(),
                 t.trigger->isPlaced(), t};
        else
            d = {t.action->ownerTrigger(), TriggerOwnerKind::Trigger, t.action->ownerId(),
                 t.action->isPlaced(), t};
        if (dragged.kind() == K::Action && d.ownerKind != TriggerOwnerKind::Trigger)
            return false;
        newParent = target.parent();
    }

    m_quiet = true;
    const int16_t id = copyElement(dragged.scriptId());
    m_quiet = false;
    ScriptElement copy = script().element(id);
    if (!copy)
        return false;
    attachElement(script(), copy, d);

    std::unique_ptr<ScriptTreeItem> item =
        copy.trigger ? makeTriggerItem(*copy.trigger) : makeActionItem(*copy.action);
    const size_t row = placement == Placement::Sibling ? target.row() + 1
                       : copy.trigger                  ? triggerRow(*newParent)
                                                       : newParent->childCount();
    select(insert(*newParent, row, std::move(item)));
    m_doc.SetModifiedFlag(true);
    return true;
}

// --- things --------------------------------------------------------------------------------------

namespace {

/// The player a thing dropped on the target goes to; none when the drop leaves it its own. Beside
/// a trigger of a player's chain it joins that player only when the trigger is the chain's first.
std::optional<uint8_t> playerOfDrop(const ScriptTreeItem& target, const LevelScript& script)
{
    if (target.kind() == K::Player)
        return static_cast<const CPlayer*>(target.object())->id();
    if (isThingKind(target.kind())) {
        const CPlayer* owner = target.object()->owner();
        return owner ? owner->id() : uint8_t(0);
    }
    if (target.kind() == K::Trigger)
        if (const CTrigger* t = script.FindTrigger(target.scriptId()))
            if (t->ownerKind() == TriggerOwnerKind::Player)
                if (const CLevelObject* player = t->ownerObject();
                    player && player->firstTrigger() == t->id())
                    return static_cast<const CPlayer*>(player)->id();
    return std::nullopt;
}

/// Gives the thing and every element of its chain the player.
void giveThingTo(LevelScript& script, CLevelObject& thing, uint8_t playerId)
{
    thing.setOwnerById(playerId);
    std::unordered_set<const CLevelObject*> seen;
    for (int16_t id = thing.firstTrigger(); id > 0;) {
        CTrigger* t = script.FindTrigger(id);
        if (!t || !seen.insert(t).second)
            break;
        t->setOwnerById(playerId);
        spreadOwner(script, *t);
        id = t->next();
    }
}

} // namespace

bool ScriptTreeModel::moveThing(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement)
{
    CLevelObject* o = dragged.object();
    if (!o)
        return false;
    if (isThingKind(dragged.kind())) {
        const std::optional<uint8_t> id = playerOfDrop(target, script());
        if (id && o->ownerId() != *id) {
            giveThingTo(script(), *o, *id);
            m_quiet = true;
            m_doc.notifyObjectChanged(*o);
            m_doc.notifyTilesChanged(TileRect::single(o->position()));
            m_quiet = false;
        }
        remove(dragged);
        // Beside another thing the item stays next to it; anywhere else it joins its player's things.
        ScriptTreeItem* parent = placement == Placement::Sibling && isThingKind(target.kind())
                                     ? target.parent()
                                     : &thingParent(*o);
        const size_t row = parent == target.parent() && isThingKind(target.kind()) ? target.row() + 1
                                                                                   : thingRow(*parent, *o);
        select(insert(*parent, row, makeThingItem(*o)));
        m_doc.SetModifiedFlag(true);
        return true;
    }
    return false; // players, action points and hero parties keep their places (offersMove)
}

bool ScriptTreeModel::copyThing(ScriptTreeItem& dragged, ScriptTreeItem& target, Placement placement)
{
    (void)placement;
    CLevelObject* o = dragged.object();
    if (!o)
        return false;
    CLevelObject* made = nullptr;
    const uint8_t owner = playerOfDrop(target, script()).value_or(o->ownerId());
    switch (dragged.kind()) {
    case K::Creature: {
        auto* c = static_cast<CCreature*>(o);
        CCreature* copy = m_doc.CreateCreature(c->type(), owner, c->position(), true);
        if (copy) {
            copy->setLevel(c->level());
            copy->setHealth(c->health());
            copy->setGoldHeld(c->goldHeld());
            copy->setExtraValue(c->extraValue());
            copy->setBehaviour(c->behaviour());
            copy->setObjective(c->objective());
            copy->setObjectiveValue(c->objectiveValue());
            copy->setObjectiveTarget(c->objectiveTarget());
            copy->setFlags1(c->flags1());
            copy->setFlags2(c->flags2());
            copy->setDeadBody(c->isDeadBody());
            copy->setElite(c->isElite());
        }
        made = copy;
        break;
    }
    case K::Door: {
        auto* d = static_cast<CDoor*>(o);
        CDoor* copy = m_doc.CreateDoor(d->type(), owner, d->position());
        if (copy)
            copy->setFlagByte(d->flagByte());
        made = copy;
        break;
    }
    case K::Trap: {
        auto* t = static_cast<CTrap*>(o);
        CTrap* copy = m_doc.CreateTrap(t->type(), owner, t->position());
        if (copy)
            copy->setShots(t->shots());
        made = copy;
        break;
    }
    case K::Object: {
        auto* src = static_cast<CObjectThing*>(o);
        CObjectThing* copy = m_doc.CreateObjectThing(src->type(), src->position());
        if (copy) {
            copy->setData1(src->storedData1());
            copy->setData2(src->data2());
            copy->setOwnerById(owner);
            m_doc.notifyObjectChanged(*copy);
        }
        made = copy;
        break;
    }
    case K::ActionPoint: {
        auto* src = static_cast<CActionPoint*>(o);
        CActionPoint* copy = m_doc.AddActionPoint(src->area());
        if (copy) {
            copy->setFlags(src->flags());
            copy->setWaitDelay(src->waitDelay());
            m_doc.notifyObjectChanged(*copy);
        }
        made = copy;
        break;
    }
    default:
        return false; // players and hero parties are not copied
    }
    if (!made)
        return false;
    if (ScriptTreeItem* item = findItem(*made))
        select(item);
    m_doc.SetModifiedFlag(true);
    if (m_listener)
        m_listener->placeCopiedThing(*made);
    return true;
}

} // namespace gr2
