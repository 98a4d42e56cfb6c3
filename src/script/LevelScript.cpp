// The arrays, ids, linking, detaching and deleting of LevelScript.

#include "script/LevelScript.h"

#include "level/CCreature.h"
#include "level/CHeroParty.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/PointerSet.h"

#include <algorithm>

namespace gr2 {

namespace {

template <class T> T* findById(const std::vector<std::unique_ptr<T>>& list, int16_t id)
{
    for (const auto& item : list)
        if (item->id() == id)
            return item.get();
    return nullptr;
}

template <class T> T* at(const std::vector<std::unique_ptr<T>>& list, size_t index)
{
    return index < list.size() ? list[index].get() : nullptr;
}

} // namespace

LevelScript::LevelScript(CWorldEditorDoc& doc) : m_doc(doc)
{
    m_doc.setScriptHooks(this);
    m_doc.addObserver(this);
}

LevelScript::~LevelScript()
{
    m_doc.removeObserver(this);
    if (m_doc.scriptHooks() == this)
        m_doc.setScriptHooks(nullptr);
}

LevelScript* LevelScript::of(const CWorldEditorDoc& doc)
{
    return dynamic_cast<LevelScript*>(doc.scriptHooks());
}

// --- the arrays ----------------------------------------------------------------------------------

CTrigger* LevelScript::FindTrigger(int16_t id) const
{
    return id > 0 ? findById(m_triggers, id) : nullptr;
}

CTrigger* LevelScript::TriggerAt(size_t index) const
{
    return at(m_triggers, index);
}

CAction* LevelScript::FindAction(int16_t id) const
{
    return id < 0 ? findById(m_actions, id) : nullptr;
}

CAction* LevelScript::ActionAt(size_t index) const
{
    return at(m_actions, index);
}

ScriptElement LevelScript::element(int16_t id) const
{
    if (id > 0)
        return {FindTrigger(id), nullptr};
    if (id < 0)
        return {nullptr, FindAction(id)};
    return {};
}

std::unique_ptr<CTrigger> LevelScript::makeTrigger()
{
    return std::make_unique<CTrigger>(&m_doc);
}

std::unique_ptr<CAction> LevelScript::makeAction()
{
    return std::make_unique<CAction>(&m_doc);
}

void LevelScript::clear()
{
    m_triggers.clear();
    m_actions.clear();
    m_usage.clear();
    m_forcedTrigger.fill(0);
}

// --- ids -----------------------------------------------------------------------------------------

int16_t LevelScript::NewTriggerId(CTrigger& trigger)
{
    // One pass marking the ids in use gives the same smallest free id as rescanning the array
    // after every collision, without its quadratic cost.
    std::vector<bool> used(size_t(CTrigger::kMaxId) + 1, false);
    for (const auto& t : m_triggers)
        if (t->id() >= CTrigger::kMinId)
            used[size_t(t->id())] = true;
    for (int id = CTrigger::kMinId; id <= CTrigger::kMaxId; ++id) {
        if (!used[size_t(id)]) {
            trigger.setId(int16_t(id));
            return int16_t(id);
        }
    }
    return 0;
}

int16_t LevelScript::NewActionId(CAction& action)
{
    std::vector<bool> used(size_t(-int(CAction::kMinId)) + 1, false);
    for (const auto& a : m_actions)
        if (a->id() <= CAction::kMaxId)
            used[size_t(-int(a->id()))] = true;
    for (int id = CAction::kMaxId; id >= CAction::kMinId; --id) {
        if (!used[size_t(-id)]) {
            action.setId(int16_t(id));
            return int16_t(id);
        }
    }
    return 0;
}

// --- walking and appending -----------------------------------------------------------------------

int16_t LevelScript::LastInChain(int16_t head) const
{
    PointerSet<CLevelObject> seen;
    int16_t last = 0;
    for (int16_t id = head; id != 0;) {
        ScriptElement e = element(id);
        if (!e || !seen.insert(e.object()))
            break;
        last = id;
        id = e.next();
    }
    return last;
}

bool LevelScript::chainContains(int16_t head, int16_t wanted) const
{
    if (wanted == 0)
        return false;
    PointerSet<CLevelObject> seen;
    for (int16_t id = head; id != 0;) {
        if (id == wanted)
            return true;
        ScriptElement e = element(id);
        if (!e || !seen.insert(e.object()))
            return false;
        id = e.next();
    }
    return false;
}

template <class Get, class Set> void LevelScript::appendToChain(Get head, Set setHead, int16_t id)
{
    if (id == 0)
        return;
    PointerSet<CLevelObject> seen;
    ScriptElement last;
    for (int16_t cur = head(); cur != 0;) {
        if (cur == id)
            return; // already in the chain
        ScriptElement e = element(cur);
        // A dangling link, or one back into the chain, ends the walk: the new id replaces it.
        if (!e || !seen.insert(e.object()))
            break;
        last = e;
        cur = e.next();
    }
    if (last)
        last.setNext(id);
    else
        setHead(id);

    // The appended element may still carry a next link (a detached element does until its mover
    // sets it). If that leads back into the chain, the link that would close the loop is cut.
    ScriptElement walker = element(id);
    while (walker && seen.insert(walker.object())) {
        ScriptElement after = element(walker.next());
        if (after && seen.count(after.object())) {
            walker.setNext(0);
            break;
        }
        walker = after;
    }
}

int16_t LevelScript::LinkTrigger(CTrigger& trigger)
{
    const int16_t id = trigger.id();
    switch (trigger.ownerKind()) {
    case TriggerOwnerKind::Null:
        break;
    case TriggerOwnerKind::Level: {
        int16_t& root = m_doc.loadedProperties().rootTrigger;
        appendToChain([&] { return root; }, [&](int16_t v) { root = v; }, id);
        break;
    }
    case TriggerOwnerKind::Trigger:
        if (CTrigger* parent = trigger.parentTrigger())
            AppendToChildList(id, *parent);
        break;
    default:
        if (CLevelObject* owner = trigger.ownerObject())
            appendToChain([&] { return owner->firstTrigger(); },
                          [&](int16_t v) { owner->setFirstTrigger(v); }, id);
        break;
    }
    return id;
}

void LevelScript::AppendToChildList(int16_t id, CTrigger& parent)
{
    if (id == parent.id())
        return; // a trigger never heads its own child list
    appendToChain([&] { return parent.child(); }, [&](int16_t v) { parent.setChild(v); }, id);
}

int16_t LevelScript::LinkAction(CAction& action)
{
    const int16_t id = action.id();
    CTrigger* owner = action.ownerTrigger();
    if (!owner) {
        for (const auto& t : m_triggers) {
            if (chainContains(t->child(), id)) {
                owner = t.get();
                break;
            }
        }
    }
    if (!owner) {
        for (const auto& a : m_actions) {
            if (a.get() != &action && a->next() == id) {
                owner = a->ownerTrigger();
                break;
            }
        }
    }
    if (!owner)
        return id;
    action.setOwnerTrigger(owner);
    action.setOwnerById(owner->ownerId());
    AppendToChildList(id, *owner);
    return id;
}

void LevelScript::AttachUnownedActions()
{
    attachUnownedActions(ScriptElementIndex(m_triggers, m_actions));
}

void LevelScript::FinishReading()
{
    const ScriptElementIndex index(m_triggers, m_actions);
    attachUnownedActions(index);
    resolveScript(index);
}

void LevelScript::attachUnownedActions(const ScriptElementIndex& index)
{

    // The first trigger in array order whose child list reaches an element is its owner. A walk
    // stops at an element an earlier walk reached: everything after it was reached then too.
    // Per element slot of the index: the trigger whose list holds the action, and the first
    // action whose next names it. Only the first action of an id is ever found by a walk.
    std::vector<CTrigger*> listOwner(index.slotCount() + 1, nullptr);
    ScriptElementMarks reached(index);
    for (const auto& t : m_triggers) {
        for (int16_t id = t->child(); id != 0;) {
            ScriptElement e = index.find(id);
            if (!e || !reached.mark(id))
                break;
            if (e.action)
                listOwner[index.slotOf(id)] = t.get();
            id = e.next();
        }
    }
    std::vector<CAction*> firstPredecessor(index.slotCount() + 1, nullptr);
    for (const auto& a : m_actions) {
        CAction*& pred = firstPredecessor[index.slotOf(a->next())];
        if (a->next() < 0 && !pred)
            pred = a.get();
    }

    for (const auto& a : m_actions) {
        if (a->ownerTrigger() || a->id() >= 0)
            continue;
        const size_t slot = index.slotOf(a->id());
        if (CTrigger* owner = listOwner[slot]; owner && index.find(a->id()).action == a.get()) {
            a->setOwnerTrigger(owner);
            a->setOwnerById(owner->ownerId());
            continue; // already in that list
        }
        CAction* pred = firstPredecessor[slot];
        if (!pred || pred == a.get() || !pred->ownerTrigger())
            continue;
        // The predecessor's next already names the action, so the owner's list holds its id and
        // appending would change nothing; skipping the walk keeps a file full of repeated ids from
        // making this pass quadratic.
        CTrigger* owner = pred->ownerTrigger();
        a->setOwnerTrigger(owner);
        a->setOwnerById(owner->ownerId());
    }
}

// --- adding --------------------------------------------------------------------------------------

CTrigger* LevelScript::AddTrigger(std::unique_ptr<CTrigger> trigger)
{
    CTrigger* t = addLoadedTrigger(std::move(trigger));
    LinkTrigger(*t);
    return t;
}

CAction* LevelScript::AddAction(std::unique_ptr<CAction> action)
{
    CAction* a = addLoadedAction(std::move(action));
    LinkAction(*a);
    return a;
}

CTrigger* LevelScript::addLoadedTrigger(std::unique_ptr<CTrigger> trigger)
{
    CTrigger* t = trigger.get();
    m_triggers.push_back(std::move(trigger));
    m_doc.notifyObjectAdded(*t);
    return t;
}

CAction* LevelScript::addLoadedAction(std::unique_ptr<CAction> action)
{
    CAction* a = action.get();
    m_actions.push_back(std::move(action));
    m_usage.markAction(a->kind(), a->a(0));
    m_doc.notifyObjectAdded(*a);
    return a;
}

// --- deleting ------------------------------------------------------------------------------------

bool LevelScript::DeleteTrigger(int16_t id, bool withFollowing)
{
    if (id == 0)
        return true;
    const ScriptElementIndex index(m_triggers, m_actions);
    const ScriptElement start = index.find(id);
    if (!start)
        return false;

    // The element, its whole child list and, when asked, what follows it. Each element is taken
    // once, so a loop or a repeated link cannot make the walk endless.
    std::vector<ScriptElement> doomed;
    PointerSet<CLevelObject> seen;
    std::vector<int16_t> todo{id};
    while (!todo.empty()) {
        const int16_t cur = todo.back();
        todo.pop_back();
        ScriptElement e = index.find(cur);
        if (!e || !seen.insert(e.object()))
            continue; // a dangling link ends that walk
        doomed.push_back(e);
        if (e.next() != 0 && (e != start || withFollowing))
            todo.push_back(e.next());
        if (e.trigger && e.trigger->child() != 0)
            todo.push_back(e.trigger->child());
    }
    deleteElements(doomed, index);
    return true;
}

void LevelScript::deleteTriggerObject(CTrigger& trigger, bool withFollowing)
{
    const ScriptElementIndex index(m_triggers, m_actions);
    std::vector<ScriptElement> doomed{ScriptElement{&trigger, nullptr}};
    PointerSet<CLevelObject> seen;
    seen.insert(&trigger);
    std::vector<int16_t> todo;
    if (trigger.child() != 0)
        todo.push_back(trigger.child());
    if (withFollowing && trigger.next() != 0)
        todo.push_back(trigger.next());
    while (!todo.empty()) {
        ScriptElement e = index.find(todo.back());
        todo.pop_back();
        if (!e || !seen.insert(e.object()))
            continue;
        doomed.push_back(e);
        if (e.next() != 0)
            todo.push_back(e.next());
        if (e.trigger && e.trigger->child() != 0)
            todo.push_back(e.trigger->child());
    }
    deleteElements(doomed, index);
}

void LevelScript::DeleteAction(CAction& action)
{
    const ScriptElementIndex index(m_triggers, m_actions);
    deleteElements({ScriptElement{nullptr, &action}}, index);
}

void LevelScript::deleteElements(const std::vector<ScriptElement>& doomed, const ScriptElementIndex& index)
{
    if (doomed.empty())
        return;
    m_doc.SetModifiedFlag(true);

    PointerSet<CLevelObject> gone(doomed.size());
    for (const ScriptElement& e : doomed)
        gone.insert(e.object());
    auto isGone = [&](const CLevelObject* o) { return o && gone.count(o) != 0; };

    // A link to a deleted element moves on along the deleted elements' next links to the first
    // element that stays (0 when none does). A dangling link is left as it is.
    auto survivor = [&](int16_t v) -> int16_t {
        for (size_t steps = 0; v != 0; ++steps) {
            ScriptElement e = index.find(v);
            if (!e || !isGone(e.object()))
                return v;
            if (steps > doomed.size())
                return 0; // the deleted elements loop among themselves
            v = e.next();
        }
        return 0;
    };

    int16_t& root = m_doc.loadedProperties().rootTrigger;
    root = survivor(root);
    for (CLevelObject* holder : chainHolders()) {
        const int16_t first = holder->firstTrigger();
        const int16_t moved = survivor(first);
        if (moved != first)
            holder->setFirstTrigger(moved);
    }
    for (const auto& t : m_triggers) {
        if (isGone(t.get()))
            continue;
        t->setChild(survivor(t->child()));
        t->setNext(survivor(t->next()));
        if (isGone(t->ownerObject()))
            t->setOwnerObject(nullptr, TriggerOwnerKind::Null);
    }
    for (const auto& a : m_actions) {
        if (isGone(a.get()))
            continue;
        a->setNext(survivor(a->next()));
        if (isGone(a->ownerTrigger()))
            a->setOwnerTrigger(nullptr);
    }

    for (size_t pid = 0; pid < m_forcedTrigger.size(); ++pid) {
        if (m_forcedTrigger[pid] == 0)
            continue;
        ScriptElement forced = index.find(m_forcedTrigger[pid]);
        if (forced && isGone(forced.object()))
            clearForcedRecord(uint8_t(pid));
    }

    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        m_doc.notifyObjectRemoved(*it->object());
        CAction* a = it->action;
        if (a && a->kind() == uint8_t(ActionKind::CreateCreature) && a->creature()) {
            CCreature* c = a->creature();
            a->setCreature(nullptr);
            // The action answers only for its preview; a creature on the map is never its to delete.
            if (!c->isPlaced())
                m_doc.DeleteCreature(c, false);
        }
    }
    std::erase_if(m_triggers, [&](const auto& t) { return isGone(t.get()); });
    std::erase_if(m_actions, [&](const auto& a) { return isGone(a.get()); });
}

void LevelScript::releasePreviewUnlessCreating(CAction& action)
{
    CCreature* c = action.creature();
    if (!c || action.kind() == uint8_t(ActionKind::CreateCreature))
        return;
    action.setCreature(nullptr);
    // The action answers only for its preview; a creature on the map is never its to delete.
    if (!c->isPlaced())
        m_doc.DeleteCreature(c, false);
}

void LevelScript::DeletePlayerScript(const CPlayer& player)
{
    const uint8_t id = player.id();
    // A deletion can take several triggers with it, so the size is read again at every step.
    for (size_t i = m_triggers.size(); i-- > 0;) {
        if (i >= m_triggers.size())
            continue;
        CTrigger& t = *m_triggers[i];
        if (t.ownerId() == id)
            deleteTriggerObject(t, false);
    }
}

void LevelScript::DeleteObjectScript(CLevelObject& object)
{
    const int16_t head = object.firstTrigger();
    if (head != 0)
        DeleteTrigger(head, true);
    object.setFirstTrigger(0);
}

// --- detaching -----------------------------------------------------------------------------------

void LevelScript::DetachTrigger(CTrigger& trigger)
{
    const int16_t id = trigger.id();
    const int16_t after = trigger.next();
    for (const auto& t : m_triggers) {
        if (t.get() != &trigger && t->next() == id) {
            t->setNext(after);
            return;
        }
    }
    for (const auto& a : m_actions) {
        if (a->next() == id) {
            a->setNext(after);
            return;
        }
    }
    // The trigger heads its chain. A head is changed only when it names the trigger, so detaching
    // a trigger that is in no chain leaves every chain alone.
    switch (trigger.ownerKind()) {
    case TriggerOwnerKind::Null:
        break;
    case TriggerOwnerKind::Level: {
        int16_t& root = m_doc.loadedProperties().rootTrigger;
        if (root == id)
            root = after;
        break;
    }
    default:
        if (CLevelObject* owner = trigger.ownerObject(); owner && owner->firstTrigger() == id)
            owner->setFirstTrigger(after);
        break;
    }
}

void LevelScript::DetachAction(CAction& action)
{
    const int16_t id = action.id();
    const int16_t after = action.next();
    for (const auto& a : m_actions) {
        if (a.get() != &action && a->next() == id) {
            a->setNext(after);
            return;
        }
    }
    for (const auto& t : m_triggers) {
        if (t->next() == id) {
            t->setNext(after);
            return;
        }
    }
    if (CTrigger* owner = action.ownerTrigger(); owner && owner->child() == id)
        owner->setChild(after);
}

// --- chain holders -------------------------------------------------------------------------------

std::vector<CLevelObject*> LevelScript::chainHolders() const
{
    std::vector<CLevelObject*> holders;
    for (const auto& p : m_doc.actionPoints())
        holders.push_back(p.get());
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot) {
        CHeroParty* party = m_doc.HeroPartyAt(slot);
        if (!party)
            continue;
        holders.push_back(party);
        for (int m = 0; m < kHeroPartyMembers; ++m)
            if (CCreature* member = party->member(m))
                holders.push_back(member);
    }
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        holders.push_back(m_doc.PlayerAt(i));
    for (const auto& c : m_doc.creatures())
        holders.push_back(c.get());
    for (const auto& d : m_doc.doors())
        holders.push_back(d.get());
    for (const auto& t : m_doc.traps())
        holders.push_back(t.get());
    for (const auto& o : m_doc.objects())
        holders.push_back(o.get());
    for (const auto& g : m_doc.effectGenerators())
        holders.push_back(g.get());
    return holders;
}

} // namespace gr2
