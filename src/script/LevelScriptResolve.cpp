// Resolving the chains, Create Creature preview creatures, forced first person, and LevelScript's
// answers to the document (script hooks and observer calls).

#include "script/LevelScript.h"

#include "level/CCreature.h"
#include "level/CHeroParty.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/PointerSet.h"
#include "level/TriggerKeeping.h"
#include "script/CompareOp.h"

#include <algorithm>

namespace gr2 {

namespace {

/// Where a link is stored: the level's root id, an object's first trigger (a trigger's child list
/// too) or an element's next link.
struct LinkSlot {
    int16_t* root = nullptr;
    CLevelObject* holder = nullptr;
    ScriptElement element;

    int16_t get() const
    {
        if (root)
            return *root;
        if (holder)
            return holder->firstTrigger();
        return element.next();
    }
    void set(int16_t id) const
    {
        if (root)
            *root = id;
        else if (holder)
            holder->setFirstTrigger(id);
        else
            element.setNext(id);
    }
};

/// What the elements of one chain take from its head.
struct ChainContext {
    CLevelObject* owner = nullptr; ///< none for the level
    TriggerOwnerKind ownerKind = TriggerOwnerKind::Null;
    uint8_t playerId = 0;
    bool placed = false; ///< the placed flag is set; otherwise it is left as it is
};

} // namespace

struct LevelScript::ResolvePass {
    ResolvePass(const LevelScript& script, const ScriptElementIndex& elements)
        : index(elements), reached(index), held(script.actions().size())
    {
    }

    const ScriptElementIndex& index;
    /// Every element reached so far, from any head: each may be reached once.
    ScriptElementMarks reached;
    /// Creatures that an action already shows; no second action may take one of them.
    PointerSet<CCreature> held;
};

void LevelScript::ResolveScript()
{
    resolveScript(ScriptElementIndex(m_triggers, m_actions));
}

void LevelScript::resolveScript(const ScriptElementIndex& index)
{
    ResolvePass pass(*this, index);
    for (const auto& t : m_triggers)
        t->setOwnerObject(nullptr, TriggerOwnerKind::Null);
    for (const auto& a : m_actions) {
        a->setOwnerTrigger(nullptr);
        if (a->creature())
            pass.held.insert(a->creature());
    }

    struct Frame {
        LinkSlot link;      ///< the link that names the next element to visit
        LinkSlot chainHead; ///< the head of a top-level chain
        ChainContext context;
        bool topLevel = false;
    };

    // One stack serves every chain: most chains are short, and there is one per thing with a
    // script.
    std::vector<Frame> stack;
    auto resolve = [&](LinkSlot head, ChainContext context) {
        stack.assign(1, Frame{head, head, context, true});
        while (!stack.empty()) {
            // By reference: a copy of the frame each step cost more than the rest of the step.
            // Nothing below reads it after a push.
            Frame& frame = stack.back();
            const int16_t id = frame.link.get();
            if (id == 0) {
                stack.pop_back();
                continue;
            }
            ScriptElement e = pass.index.find(id);
            if (!e) {
                // A chain of the level, a player or a thing is detached as a whole; in a child
                // list only the link that names the missing element goes.
                (frame.topLevel ? frame.chainHead : frame.link).set(0);
                stack.pop_back();
                continue;
            }
            // Actions belong in child lists only; and an element reached before closes a loop or
            // is claimed by a second head. Either way the link is cut.
            if ((frame.topLevel && e.action) || !pass.reached.mark(id)) {
                frame.link.set(0);
                stack.pop_back();
                continue;
            }

            const ChainContext& c = frame.context;
            CLevelObject& object = *e.object();
            object.setOwnerById(c.playerId);
            if (c.placed)
                object.setPlaced(true);
            frame.link = LinkSlot{nullptr, nullptr, e};
            if (e.action) {
                e.action->setOwnerTrigger(static_cast<CTrigger*>(c.owner));
                if (e.action->kind() == uint8_t(ActionKind::CreateCreature))
                    giveCreature(*e.action, pass);
                continue;
            }
            CTrigger& t = *e.trigger;
            t.setOwnerObject(c.owner, c.ownerKind);
            // The child list is resolved before the elements that follow the trigger.
            ChainContext child{&t, TriggerOwnerKind::Trigger, t.ownerId(), t.isPlaced()};
            stack.push_back({LinkSlot{nullptr, &t, {}}, LinkSlot{nullptr, &t, {}}, child, false});
        }
    };

    resolve(LinkSlot{&m_doc.loadedProperties().rootTrigger, nullptr, {}},
            ChainContext{nullptr, TriggerOwnerKind::Level, 0, true});
    for (CLevelObject* holder : chainHolders()) {
        // Effect generators carry no trigger chain in any file; they are holders only for deletion.
        if (holder->firstTrigger() == 0 || holder->kind() == ObjectKind::EffectGenerator)
            continue;
        const bool isPlayer = holder->kind() == ObjectKind::Player;
        ChainContext context{holder, TriggerOwnerKind(uint8_t(holder->kind())), holder->ownerId(),
                             isPlayer || holder->isPlaced()};
        resolve(LinkSlot{nullptr, holder, {}}, context);
    }
    restoreForcedFirstPerson();
}

void LevelScript::giveCreature(CAction& action, ResolvePass& pass)
{
    const TilePoint tile{action.parameters().bx(), action.parameters().by()};
    CCreature* creature = action.creature();
    bool isNew = false;
    if (creature && creature->isPlaced())
        creature = nullptr; // a creature on the map is never an action's preview
    if (!creature) {
        // Its own preview again (the action's id is on it): never a creature on the map, which
        // would vanish from the Things file and be owned twice, nor one another action shows.
        for (const auto& c : m_doc.creatures()) {
            if (!c->isPlaced() && c->sourceAction() == action.id() && c->position() == tile &&
                !pass.held.count(c.get())) {
                creature = c.get();
                break;
            }
        }
    }
    if (!creature && !m_doc.isPickingCreaturesForAction()) {
        // While creatures are being picked for an action, a new creature would join the picked
        // ones; the next refresh makes it instead.
        const uint8_t ownerId = m_doc.FindPlayer(action.a(1)) ? action.a(1) : action.ownerId();
        const bool wasModified = m_doc.isModified();
        creature = m_doc.CreateCreature(action.a(0), ownerId, tile, false);
        if (!wasModified)
            m_doc.SetModifiedFlag(false); // showing the script changes nothing of the level
        isNew = creature != nullptr;
    }
    if (!creature)
        return;
    creature->setPlaced(false);
    creature->setSourceAction(action.id());
    creature->setLevel(action.a(2));
    // The creature's own flags are the truth once it exists: the creature dialog edits them and
    // saving copies them back into the action.
    if (isNew)
        creature->setFlags1(action.a(3));
    action.setCreature(creature);
    pass.held.insert(creature);
}

// --- forced first person -------------------------------------------------------------------------

void LevelScript::clearForcedRecord(uint8_t playerId)
{
    m_forcedTrigger[playerId] = 0;
    if (CPlayer* p = m_doc.FindPlayer(playerId))
        p->setForcedFirstPerson(nullptr);
}

void LevelScript::restoreForcedFirstPerson()
{
    m_forcedTrigger.fill(0);
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        m_doc.PlayerAt(i)->setForcedFirstPerson(nullptr);
    // Each player's first Force First Person action on one of its placed creatures names it, so a
    // level with several Vorlans keeps all of their forced creatures.
    for (const auto& a : m_actions) {
        if (a->kind() != uint8_t(ActionKind::ForceFirstPerson) || !a->ownerTrigger())
            continue;
        CTrigger& t = *a->ownerTrigger();
        if (t.ownerKind() != TriggerOwnerKind::Creature || !t.ownerObject() || !t.ownerObject()->isPlaced())
            continue;
        auto* creature = static_cast<CCreature*>(t.ownerObject());
        CPlayer* player = creature->owner();
        if (!player || m_forcedTrigger[player->id()] != 0)
            continue;
        player->setForcedFirstPerson(creature);
        m_forcedTrigger[player->id()] = t.id();
    }
}

int16_t LevelScript::forcedFirstPersonTrigger(uint8_t playerId) const
{
    return m_forcedTrigger[playerId];
}

bool LevelScript::isForcedFirstPersonTrigger(const CTrigger& trigger) const
{
    if (trigger.id() <= 0)
        return false;
    return std::find(m_forcedTrigger.begin(), m_forcedTrigger.end(), trigger.id()) != m_forcedTrigger.end() &&
           FindTrigger(trigger.id()) == &trigger;
}

bool LevelScript::isForcedFirstPersonAction(const CAction& action) const
{
    const CTrigger* owner = action.ownerTrigger();
    if (!owner || !isForcedFirstPersonTrigger(*owner))
        return false;
    PointerSet<CLevelObject> seen;
    for (int16_t id = owner->child(); id != 0;) {
        ScriptElement e = element(id);
        if (!e || !seen.insert(e.object()))
            return false;
        if (e.action)
            return e.action == &action;
        id = e.next();
    }
    return false;
}

bool LevelScript::ForceFirstPerson(CCreature& creature, bool on)
{
    CPlayer* player = creature.owner();
    if (!player)
        return false;
    const uint8_t pid = player->id();
    if (!on) {
        if (player->forcedFirstPerson() != &creature)
            return false;
        const int16_t trigger = m_forcedTrigger[pid];
        clearForcedRecord(pid);
        DeleteTrigger(trigger, false);
        return true;
    }
    if (!keepsTriggers(creature))
        return false;
    if (player->forcedFirstPerson() == &creature && m_forcedTrigger[pid] != 0)
        return true;
    if (m_forcedTrigger[pid] != 0 || player->forcedFirstPerson()) {
        const int16_t previous = m_forcedTrigger[pid];
        clearForcedRecord(pid);
        DeleteTrigger(previous, false);
    }

    std::unique_ptr<CTrigger> trigger = makeTrigger();
    std::unique_ptr<CAction> action = makeAction();
    if (NewTriggerId(*trigger) == 0 || NewActionId(*action) == 0)
        return false;
    trigger->setOwner(player);
    trigger->setOwnerObject(&creature, TriggerOwnerKind::Creature);
    trigger->setPlaced(true);
    trigger->setKind(uint8_t(TriggerKind::Time));
    trigger->setOp(uint8_t(CompareOp::Greater));
    trigger->setValue(0);
    CTrigger* t = AddTrigger(std::move(trigger));

    action->setOwner(player);
    action->setOwnerTrigger(t);
    action->setPlaced(true);
    action->setKind(uint8_t(ActionKind::ForceFirstPerson));
    AddAction(std::move(action));

    player->setForcedFirstPerson(&creature);
    m_forcedTrigger[pid] = t->id();
    m_doc.SetModifiedFlag(true);
    return true;
}

// --- Create Creature actions ---------------------------------------------------------------------

int LevelScript::AddCreatureActions(CTrigger& trigger, std::span<CCreature* const> creatures)
{
    int made = 0;
    for (size_t i = 0; i < creatures.size(); ++i) {
        CCreature* creature = creatures[i];
        std::unique_ptr<CAction> action = makeAction();
        if (NewActionId(*action) == 0) {
            // Out of ids. Creatures without an action would be previews of nothing; when none
            // could be made at all, the caller deletes them as for a cancelled pick.
            if (made > 0)
                for (size_t j = i; j < creatures.size(); ++j)
                    m_doc.DeleteCreature(creatures[j], false);
            break;
        }
        action->setKind(uint8_t(ActionKind::CreateCreature));
        action->setOwnerTrigger(&trigger);
        action->setOwnerById(trigger.ownerId());
        action->setPlaced(trigger.isPlaced());
        ActionParameters& p = action->parameters();
        p.a = {creature->type(), creature->ownerId(), 1, creature->flags1()};
        p.setB(uint16_t(creature->x()), uint16_t(creature->y()));
        action->setCreature(creature);
        creature->setSourceAction(action->id());
        creature->setPlaced(false);
        AddAction(std::move(action));
        ++made;
    }
    if (made > 0)
        m_doc.SetModifiedFlag(true);
    return made;
}

// --- ScriptHooks ---------------------------------------------------------------------------------

void LevelScript::deleteTriggerChain(CLevelObject& object)
{
    DeleteObjectScript(object);
}

int16_t LevelScript::lastTriggerOfChain(int16_t firstTrigger) const
{
    return LastInChain(firstTrigger);
}

void LevelScript::sourceCreatureMoved(int16_t actionId, TilePoint to)
{
    CAction* action = FindAction(actionId);
    if (action && action->kind() == uint8_t(ActionKind::CreateCreature))
        action->parameters().setB(uint16_t(to.x), uint16_t(to.y));
}

std::vector<ScriptTileBroughtInside>
LevelScript::moveScriptTiles(const std::function<TilePoint(TilePoint)>& move, const TileRect& oldMap,
                             const TileRect& keep)
{
    std::vector<ScriptTileBroughtInside> broughtInside;
    if (keep.empty())
        return broughtInside;
    auto kept = [&](TilePoint p) {
        return TilePoint{std::clamp(p.x, keep.left, keep.right), std::clamp(p.y, keep.top, keep.bottom)};
    };
    PointerSet<CCreature> previewsMoved;
    for (const auto& a : m_actions) {
        if (actionTileOf(a->kind()) != ActionTile::B)
            continue;
        ActionParameters& p = a->parameters();
        const TilePoint from{p.bx(), p.by()};
        if (!oldMap.contains(from))
            continue;
        const TilePoint moved = move(from);
        const TilePoint to = kept(moved);
        if (to != moved)
            broughtInside.push_back({a->id(), a->kind(), from, to});
        p.setB(uint16_t(to.x), uint16_t(to.y));
        // The preview stands where the script will create the creature.
        if (CCreature* c = a->creature(); c && a->kind() == uint8_t(ActionKind::CreateCreature)) {
            c->setPosition(to);
            previewsMoved.insert(c);
            m_doc.notifyObjectChanged(*c);
        }
        m_doc.notifyObjectChanged(*a);
    }
    // A preview no action holds any more still stands on the map and must stay on it; it moves
    // alone, since the action its id names shows another creature.
    for (const auto& c : m_doc.creatures()) {
        if (c->isActionPreview() && !previewsMoved.contains(c.get()) && oldMap.contains(c->position())) {
            c->CLevelObject::setPosition(kept(move(c->position())));
            m_doc.notifyObjectChanged(*c);
        }
    }
    return broughtInside;
}

bool LevelScript::createCreatureActions(int16_t id, std::span<CCreature* const> creatures)
{
    CTrigger* trigger = nullptr;
    if (id > 0)
        trigger = FindTrigger(id);
    else if (CAction* action = FindAction(id))
        trigger = action->ownerTrigger();
    return trigger && AddCreatureActions(*trigger, creatures) > 0;
}

void LevelScript::levelCleared()
{
    clear();
}

// --- DocumentObserver ----------------------------------------------------------------------------

void LevelScript::objectRemoved(CLevelObject& object)
{
    if (object.kind() == ObjectKind::Script)
        return; // announced by this script itself
    for (const auto& t : m_triggers)
        if (t->ownerObject() == &object)
            t->setOwnerObject(nullptr, TriggerOwnerKind::Null);
    if (object.kind() == ObjectKind::Creature) {
        for (const auto& a : m_actions)
            if (a->creature() == &object)
                a->setCreature(nullptr);
        for (size_t i = 0; i < m_doc.PlayerCount(); ++i) {
            CPlayer* p = m_doc.PlayerAt(i);
            if (p->forcedFirstPerson() == &object)
                clearForcedRecord(p->id());
        }
    }
    if (object.kind() == ObjectKind::Player)
        m_forcedTrigger[static_cast<CPlayer&>(object).id()] = 0;
}

void LevelScript::levelReset()
{
    // The level's objects may have been replaced wholesale: keep only pointers to objects it holds.
    PointerSet<CLevelObject> alive(m_triggers.size() + m_doc.creatures().size());
    for (CLevelObject* o : chainHolders())
        alive.insert(o);
    for (const auto& t : m_triggers)
        alive.insert(t.get());
    for (const auto& t : m_triggers)
        if (t->ownerObject() && !alive.count(t->ownerObject()))
            t->setOwnerObject(nullptr, TriggerOwnerKind::Null);
    for (const auto& a : m_actions)
        if (a->creature() && !alive.count(a->creature()))
            a->setCreature(nullptr);
    for (size_t pid = 0; pid < m_forcedTrigger.size(); ++pid) {
        CPlayer* p = m_doc.FindPlayer(uint8_t(pid));
        const int16_t forced = m_forcedTrigger[pid];
        if (forced != 0 && (!p || !p->forcedFirstPerson() || !FindTrigger(forced)))
            clearForcedRecord(uint8_t(pid));
    }
}

} // namespace gr2
