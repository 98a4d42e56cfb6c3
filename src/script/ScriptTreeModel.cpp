#include "script/ScriptTreeModel.h"

#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "level/TextConversion.h"
#include "level/TriggerKeeping.h"
#include "script/LevelScript.h"
#include "script/ScriptDescriptions.h"
#include "script/TriggerSection.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>
#include <unordered_set>

namespace gr2 {

namespace {

using C = TreeCommand;
using K = TreeItemKind;

bool isThingKind(K kind)
{
    return kind == K::Creature || kind == K::Door || kind == K::Trap || kind == K::Object;
}

K itemKindOf(const CLevelObject& object)
{
    switch (object.kind()) {
    case ObjectKind::Player:
        return K::Player;
    case ObjectKind::Creature:
        return K::Creature;
    case ObjectKind::Door:
        return K::Door;
    case ObjectKind::Trap:
        return K::Trap;
    case ObjectKind::Object:
        return K::Object;
    case ObjectKind::ActionPoint:
        return K::ActionPoint;
    case ObjectKind::HeroParty:
        return K::HeroParty;
    case ObjectKind::EffectGenerator:
        return K::EffectGenerator;
    case ObjectKind::Script:
        break;
    }
    return K::Level;
}

/// The order of the level item's children: root triggers, action points, effect generators, hero
/// parties, Vorlans, the Good and Neutral players, then things without a player.
int levelGroup(const ScriptTreeItem& item)
{
    switch (item.kind()) {
    case K::Trigger:
        return 0;
    case K::ActionPoint:
        return 1;
    case K::EffectGenerator:
        return 2;
    case K::HeroParty:
        return 3;
    case K::Player:
        return static_cast<const CPlayer*>(item.object())->isVorlan() ? 4 : 5;
    default:
        return 6;
    }
}

/// The order of a player's children: triggers, creatures, doors, traps, objects.
int playerGroup(K kind)
{
    switch (kind) {
    case K::Trigger:
        return 0;
    case K::Creature:
        return 1;
    case K::Door:
        return 2;
    case K::Trap:
        return 3;
    default:
        return 4;
    }
}

char16_t foldCase(char16_t c)
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return char16_t(c + 32);
    return c;
}

bool containsIgnoringCase(std::u16string_view text, std::u16string_view wanted)
{
    if (wanted.empty())
        return true;
    auto it = std::search(text.begin(), text.end(), wanted.begin(), wanted.end(),
                          [](char16_t a, char16_t b) { return foldCase(a) == foldCase(b); });
    return it != text.end();
}

} // namespace

// --- construction and filling --------------------------------------------------------------------

ScriptTreeModel::ScriptTreeModel(CWorldEditorDoc& doc, const CTypeDatabase& db)
    : m_doc(doc), m_db(db), m_texts(doc, db)
{
    m_doc.addObserver(this);
    Refresh();
}

ScriptTreeModel::~ScriptTreeModel()
{
    m_doc.removeObserver(this);
    if (m_listener)
        m_listener->modelDestroyed();
}

LevelScript& ScriptTreeModel::script() const
{
    LevelScript* s = LevelScript::of(m_doc);
    if (!s) {
        // The tree needs a script to show; a document without one gets one.
        auto made = std::make_unique<LevelScript>(m_doc);
        s = made.get();
        m_doc.adoptScript(std::move(made));
    }
    return *s;
}

void ScriptTreeModel::Refresh()
{
    LevelScript& s = script();
    s.ResolveScript();
    m_selected = nullptr;
    m_root = std::make_unique<ScriptTreeItem>(K::Level, nullptr, 0, m_texts.levelText());
    ScriptTreeItem& root = *m_root;
    appendChain(root, m_doc.properties().rootTrigger);
    for (const auto& ap : m_doc.actionPoints())
        root.insertChild(root.childCount(), makeThingItem(*ap));
    for (const auto& g : m_doc.effectGenerators())
        root.insertChild(root.childCount(), makeThingItem(*g));
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (CHeroParty* party = m_doc.HeroPartyAt(slot))
            root.insertChild(root.childCount(), makeThingItem(*party));
    std::vector<CPlayer*> players;
    for (size_t i = 0; i < m_doc.PlayerCount(); ++i)
        if (m_doc.PlayerAt(i)->isVorlan())
            players.push_back(m_doc.PlayerAt(i));
    for (uint8_t id : {PlayerId::Good, PlayerId::Neutral})
        if (CPlayer* p = m_doc.FindPlayer(id))
            players.push_back(p);
    for (CPlayer* p : players)
        root.insertChild(root.childCount(), makeThingItem(*p));

    auto addUnowned = [&](CLevelObject& thing) {
        if (thing.isPlaced() && !thing.owner())
            root.insertChild(root.childCount(), makeThingItem(thing));
    };
    for (const auto& c : m_doc.creatures())
        addUnowned(*c);
    for (const auto& d : m_doc.doors())
        addUnowned(*d);
    for (const auto& t : m_doc.traps())
        addUnowned(*t);
    for (const auto& o : m_doc.objects())
        addUnowned(*o);

    if (const CPlayer* current = m_doc.FindPlayer(m_currentPlayer))
        if (ScriptTreeItem* item = findItem(*current))
            item->m_bold = true;
    if (m_listener)
        m_listener->treeReset();
}

void ScriptTreeModel::appendChain(ScriptTreeItem& parent, int16_t head) const
{
    const LevelScript& s = script();
    const ScriptElementIndex index(s.triggers(), s.actions());
    std::unordered_set<const CLevelObject*> seen;
    struct Frame {
        ScriptTreeItem* parent;
        int16_t next;
    };
    std::vector<Frame> stack{{&parent, head}};
    while (!stack.empty()) {
        const int16_t id = stack.back().next;
        ScriptElement e = id != 0 ? index.find(id) : ScriptElement{};
        if (!e || !seen.insert(e.object()).second) {
            stack.pop_back();
            continue;
        }
        stack.back().next = e.next();
        ScriptTreeItem* p = stack.back().parent;
        if (e.action) {
            p->insertChild(p->childCount(), makeActionItem(*e.action));
            continue;
        }
        auto item = std::make_unique<ScriptTreeItem>(K::Trigger, nullptr, e.trigger->id(),
                                                     m_texts.triggerText(e.trigger));
        ScriptTreeItem* t = p->insertChild(p->childCount(), std::move(item));
        stack.push_back({t, e.trigger->child()});
    }
}

std::unique_ptr<ScriptTreeItem> ScriptTreeModel::makeTriggerItem(CTrigger& trigger) const
{
    auto item =
        std::make_unique<ScriptTreeItem>(K::Trigger, nullptr, trigger.id(), m_texts.triggerText(&trigger));
    appendChain(*item, trigger.child());
    return item;
}

std::unique_ptr<ScriptTreeItem> ScriptTreeModel::makeActionItem(CAction& action) const
{
    auto item =
        std::make_unique<ScriptTreeItem>(K::Action, nullptr, action.id(), m_texts.actionText(&action));
    if (action.kind() == uint8_t(ActionKind::CreateCreature) && action.creature())
        item->insertChild(0, makeThingItem(*action.creature()));
    return item;
}

std::unique_ptr<ScriptTreeItem> ScriptTreeModel::makeThingItem(CLevelObject& object) const
{
    const K kind = itemKindOf(object);
    auto item = std::make_unique<ScriptTreeItem>(kind, &object, 0, m_texts.textOf(kind, &object, 0));
    if (kind == K::HeroParty) {
        auto& party = static_cast<CHeroParty&>(object);
        for (int m = 0; m < kHeroPartyMembers; ++m)
            if (CCreature* member = party.member(m))
                item->insertChild(item->childCount(), makeThingItem(*member));
    }
    if (kind != K::EffectGenerator)
        appendChain(*item, object.firstTrigger());
    if (kind == K::Player) {
        const uint8_t id = static_cast<CPlayer&>(object).id();
        auto addOwned = [&](CLevelObject& thing) {
            if (thing.isPlaced() && thing.ownerId() == id && thing.owner())
                item->insertChild(item->childCount(), makeThingItem(thing));
        };
        for (const auto& c : m_doc.creatures())
            addOwned(*c);
        for (const auto& d : m_doc.doors())
            addOwned(*d);
        for (const auto& t : m_doc.traps())
            addOwned(*t);
        for (const auto& o : m_doc.objects())
            addOwned(*o);
        item->m_bold = id == m_currentPlayer;
    }
    return item;
}

// --- lookup --------------------------------------------------------------------------------------

std::vector<ScriptTreeItem*> ScriptTreeModel::items() const
{
    std::vector<ScriptTreeItem*> out;
    std::vector<ScriptTreeItem*> stack{m_root.get()};
    while (!stack.empty()) {
        ScriptTreeItem* item = stack.back();
        stack.pop_back();
        out.push_back(item);
        for (size_t i = item->childCount(); i-- > 0;)
            stack.push_back(item->child(i));
    }
    return out;
}

ScriptTreeItem* ScriptTreeModel::findItem(const CLevelObject& object) const
{
    for (ScriptTreeItem* item : items())
        if (item->object() == &object)
            return item;
    return nullptr;
}

ScriptTreeItem* ScriptTreeModel::findTriggerItem(int16_t id) const
{
    for (ScriptTreeItem* item : items())
        if (item->kind() == K::Trigger && item->scriptId() == id)
            return item;
    return nullptr;
}

ScriptTreeItem* ScriptTreeModel::findActionItem(int16_t id) const
{
    for (ScriptTreeItem* item : items())
        if (item->kind() == K::Action && item->scriptId() == id)
            return item;
    return nullptr;
}

CTrigger* ScriptTreeModel::triggerOf(const ScriptTreeItem& item) const
{
    return item.kind() == K::Trigger ? script().FindTrigger(item.scriptId()) : nullptr;
}

CAction* ScriptTreeModel::actionOf(const ScriptTreeItem& item) const
{
    return item.kind() == K::Action ? script().FindAction(item.scriptId()) : nullptr;
}

ScriptTreeItem* ScriptTreeModel::ownerItemOf(const CTrigger& trigger) const
{
    switch (trigger.ownerKind()) {
    case TriggerOwnerKind::Null:
        return nullptr;
    case TriggerOwnerKind::Level:
        return m_root.get();
    case TriggerOwnerKind::Trigger: {
        const CTrigger* parent = trigger.parentTrigger();
        return parent ? findTriggerItem(parent->id()) : nullptr;
    }
    default:
        return trigger.ownerObject() ? findItem(*trigger.ownerObject()) : nullptr;
    }
}

// --- changing items ------------------------------------------------------------------------------

ScriptTreeItem* ScriptTreeModel::insert(ScriptTreeItem& parent, size_t row,
                                        std::unique_ptr<ScriptTreeItem> item)
{
    ScriptTreeItem* added = parent.insertChild(row, std::move(item));
    if (m_listener)
        m_listener->itemInserted(*added);
    return added;
}

void ScriptTreeModel::remove(ScriptTreeItem& item)
{
    ScriptTreeItem* parent = item.parent();
    if (!parent)
        return;
    if (m_listener)
        m_listener->itemRemoving(item);
    if (m_selected && item.contains(*m_selected))
        m_selected = nullptr;
    parent->takeChild(item.row());
}

void ScriptTreeModel::setText(ScriptTreeItem& item, std::u16string text)
{
    if (item.m_text == text)
        return;
    item.m_text = std::move(text);
    if (m_listener)
        m_listener->itemChanged(item);
}

size_t ScriptTreeModel::triggerRow(const ScriptTreeItem& parent) const
{
    if (parent.kind() == K::Trigger || parent.kind() == K::HeroParty)
        return parent.childCount();
    size_t row = 0;
    for (size_t i = 0; i < parent.childCount(); ++i)
        if (parent.child(i)->kind() == K::Trigger)
            row = i + 1;
    return row;
}

ScriptTreeItem& ScriptTreeModel::thingParent(const CLevelObject& object) const
{
    if (const CPlayer* p = object.owner())
        if (ScriptTreeItem* item = findItem(*p))
            return *item;
    return *m_root;
}

size_t ScriptTreeModel::thingRow(const ScriptTreeItem& parent, const CLevelObject& object) const
{
    const K kind = itemKindOf(object);
    size_t row = 0;
    for (size_t i = 0; i < parent.childCount(); ++i) {
        const ScriptTreeItem& c = *parent.child(i);
        const bool before =
            parent.kind() == K::Level
                ? levelGroup(c) <= (kind == K::Player
                                        ? (static_cast<const CPlayer&>(object).isVorlan() ? 4 : 5)
                                    : kind == K::ActionPoint     ? 1
                                    : kind == K::EffectGenerator ? 2
                                    : kind == K::HeroParty       ? 3
                                                                 : 6)
                : playerGroup(c.kind()) <= playerGroup(kind);
        if (before)
            row = i + 1;
    }
    return row;
}

ScriptTreeItem* ScriptTreeModel::reinsert(ScriptTreeItem& item)
{
    ScriptTreeItem* parent = item.parent();
    if (!parent)
        return nullptr;
    std::unique_ptr<ScriptTreeItem> fresh;
    if (CTrigger* t = triggerOf(item))
        fresh = makeTriggerItem(*t);
    else if (CAction* a = actionOf(item))
        fresh = makeActionItem(*a);
    else if (item.object())
        fresh = makeThingItem(*item.object());
    if (!fresh)
        return nullptr;
    const size_t row = item.row();
    remove(item);
    ScriptTreeItem* added = insert(*parent, row, std::move(fresh));
    select(added);
    return added;
}

// --- selection -----------------------------------------------------------------------------------

void ScriptTreeModel::select(ScriptTreeItem* item)
{
    m_selected = item;
    if (item) {
        CLevelObject* o = item->object();
        switch (item->kind()) {
        case K::Player:
            // Through the level, so that its map views draw for the player too; the model hears
            // it back as one of the level's observers.
            m_doc.chooseCurrentPlayer(static_cast<CPlayer*>(o)->id());
            break;
        case K::Creature:
            m_currentCreature = o;
            break;
        case K::Door:
            m_currentDoor = o;
            break;
        case K::Trap:
            m_currentTrap = o;
            break;
        case K::Object:
            m_currentObject = o;
            break;
        case K::ActionPoint:
            m_currentActionPoint = o;
            break;
        case K::HeroParty:
            m_currentHeroParty = o;
            break;
        case K::EffectGenerator:
            m_currentEffectGenerator = o;
            break;
        case K::Trigger:
            m_currentTrigger = item->scriptId();
            break;
        case K::Action:
            m_currentAction = item->scriptId();
            break;
        case K::Level:
            break;
        }
    }
    if (m_listener)
        m_listener->selectionChanged(item);
}

void ScriptTreeModel::setCurrentPlayer(uint8_t playerId)
{
    if (playerId == m_currentPlayer)
        return;
    auto setBold = [&](uint8_t id, bool bold) {
        const CPlayer* p = m_doc.FindPlayer(id);
        ScriptTreeItem* item = p ? findItem(*p) : nullptr;
        if (item && item->m_bold != bold) {
            item->m_bold = bold;
            if (m_listener)
                m_listener->itemChanged(*item);
        }
    };
    setBold(m_currentPlayer, false);
    m_currentPlayer = playerId;
    setBold(playerId, true);
    if (m_listener)
        m_listener->currentPlayerChanged(playerId);
}

CPlayer* ScriptTreeModel::currentPlayer() const
{
    return m_doc.FindPlayer(m_currentPlayer);
}
CCreature* ScriptTreeModel::currentCreature() const
{
    return static_cast<CCreature*>(m_currentCreature);
}
CDoor* ScriptTreeModel::currentDoor() const
{
    return static_cast<CDoor*>(m_currentDoor);
}
CTrap* ScriptTreeModel::currentTrap() const
{
    return static_cast<CTrap*>(m_currentTrap);
}
CObjectThing* ScriptTreeModel::currentObject() const
{
    return static_cast<CObjectThing*>(m_currentObject);
}
CActionPoint* ScriptTreeModel::currentActionPoint() const
{
    return static_cast<CActionPoint*>(m_currentActionPoint);
}
CHeroParty* ScriptTreeModel::currentHeroParty() const
{
    return static_cast<CHeroParty*>(m_currentHeroParty);
}
CEffectGenerator* ScriptTreeModel::currentEffectGenerator() const
{
    return static_cast<CEffectGenerator*>(m_currentEffectGenerator);
}
CTrigger* ScriptTreeModel::currentTrigger() const
{
    return script().FindTrigger(m_currentTrigger);
}
CAction* ScriptTreeModel::currentAction() const
{
    return script().FindAction(m_currentAction);
}

// --- commands ------------------------------------------------------------------------------------

bool ScriptTreeModel::hasNoCommands(const ScriptTreeItem& item) const
{
    if (const CTrigger* t = triggerOf(item))
        return script().isForcedFirstPersonTrigger(*t);
    if (const CAction* a = actionOf(item))
        return script().isForcedFirstPersonAction(*a);
    return false;
}

std::vector<TreeMenuEntry> ScriptTreeModel::menu(const ScriptTreeItem& item) const
{
    if (hasNoCommands(item))
        return {};
    return menuFor(item.kind());
}

TreeCommandTargets ScriptTreeModel::currentTargets() const
{
    return TreeCommandTargets{currentPlayer(),    currentCreature(),        currentDoor(),
                              currentTrap(),      currentObject(),          currentActionPoint(),
                              currentHeroParty(), currentEffectGenerator(), currentTrigger(),
                              currentAction()};
}

bool ScriptTreeModel::isEnabled(TreeCommand command) const
{
    return isTreeCommandEnabled(m_doc, &script(), currentTargets(), command);
}

bool ScriptTreeModel::isChecked(TreeCommand command) const
{
    if (command != C::ForceFirstPerson)
        return false;
    const CCreature* c = currentCreature();
    const CPlayer* p = c ? c->owner() : nullptr;
    return p && p->forcedFirstPerson() == c;
}

bool ScriptTreeModel::doubleClickCommand(const ScriptTreeItem& item, TreeCommand& command) const
{
    return offeredCommand(item, doubleClickCommandOf(item.kind()), command);
}

bool ScriptTreeModel::deleteCommand(const ScriptTreeItem& item, TreeCommand& command) const
{
    return offeredCommand(item, deleteCommandOf(item.kind()), command);
}

bool ScriptTreeModel::offeredCommand(const ScriptTreeItem& item, std::optional<TreeCommand> wanted,
                                     TreeCommand& command) const
{
    if (!wanted || hasNoCommands(item) ||
        !isTreeCommandEnabled(m_doc, &script(), targetsOf(item, triggerOf(item), actionOf(item)), *wanted))
        return false;
    command = *wanted;
    return true;
}

bool ScriptTreeModel::deleteSelected()
{
    TreeCommand command;
    if (!m_selected || !deleteCommand(*m_selected, command))
        return false;
    // The selected item's object is the current one of its kind, which the command acts on.
    select(m_selected);
    return run(command);
}

bool ScriptTreeModel::run(TreeCommand command)
{
    if (command == C::Refresh) {
        Refresh();
        return true;
    }
    if (!isEnabled(command))
        return false;
    EditStep step(m_doc, treeCommandName(command));
    if (const ScriptTreeItem* doomed = itemDeletedBy(command)) {
        const std::u16string summary = deletionSummary(*doomed);
        const bool done = runDeletion(command);
        if (done && m_listener)
            m_listener->deleted(summary);
        return done;
    }
    switch (command) {
    case C::CreateNewPlayer:
        return m_doc.CreateNewPlayer() != nullptr;
    case C::ForceFirstPerson:
        return script().ForceFirstPerson(*currentCreature(), !isChecked(command));
    default:
        return false;
    }
}

const ScriptTreeItem* ScriptTreeModel::itemDeletedBy(TreeCommand command) const
{
    auto itemOf = [this](const CLevelObject* object) { return object ? findItem(*object) : nullptr; };
    switch (command) {
    case C::DeleteVorlan:
        return itemOf(currentPlayer());
    case C::DeleteCreature:
        return itemOf(currentCreature());
    case C::DeleteDoor:
        return itemOf(currentDoor());
    case C::DeleteTrap:
        return itemOf(currentTrap());
    case C::DeleteObject:
        return itemOf(currentObject());
    case C::DeleteActionPoint:
        return itemOf(currentActionPoint());
    case C::DeleteParty:
        return itemOf(currentHeroParty());
    case C::DeleteEffectGenerator:
        return itemOf(currentEffectGenerator());
    case C::DeleteTrigger:
        return findTriggerItem(m_currentTrigger);
    case C::DeleteAction:
        return currentAction() ? findActionItem(currentAction()->id()) : nullptr;
    default:
        return nullptr;
    }
}

bool ScriptTreeModel::runDeletion(TreeCommand command)
{
    switch (command) {
    case C::DeleteVorlan:
        m_doc.DeletePlayer(currentPlayer());
        return true;
    case C::DeleteCreature:
        m_doc.DeleteCreature(currentCreature(), true);
        return true;
    case C::DeleteDoor:
        m_doc.DeleteDoor(currentDoor(), true);
        return true;
    case C::DeleteTrap:
        m_doc.DeleteTrap(currentTrap(), true);
        return true;
    case C::DeleteObject:
        m_doc.DeleteObjectThing(currentObject(), true);
        return true;
    case C::DeleteActionPoint:
        m_doc.DeleteActionPoint(currentActionPoint(), true);
        return true;
    case C::DeleteParty:
        m_doc.DeleteHeroParty(currentHeroParty(), true);
        return true;
    case C::DeleteEffectGenerator:
        m_doc.DeleteEffectGenerator(currentEffectGenerator());
        return true;
    case C::DeleteTrigger:
        return script().DeleteTrigger(m_currentTrigger, false);
    case C::DeleteAction:
        script().DeleteAction(*currentAction());
        return true;
    default:
        return false;
    }
}

std::u16string deletionSummary(const ScriptTreeItem& item)
{
    size_t things = 0, triggers = 0, actions = 0;
    std::vector<const ScriptTreeItem*> below;
    for (const auto& c : item.children())
        below.push_back(c.get());
    while (!below.empty()) {
        const ScriptTreeItem* i = below.back();
        below.pop_back();
        switch (i->kind()) {
        case K::Creature:
        case K::Door:
        case K::Trap:
        case K::Object:
            ++things;
            break;
        case K::Trigger:
            ++triggers;
            break;
        case K::Action:
            ++actions;
            break;
        default:
            break;
        }
        for (const auto& c : i->children())
            below.push_back(c.get());
    }
    std::vector<std::u16string> parts;
    auto count = [&parts](size_t n, std::u16string_view one, std::u16string_view many) {
        if (n != 0)
            parts.push_back(decimal(uint32_t(n)) + u" " + std::u16string(n == 1 ? one : many));
    };
    count(things, u"thing", u"things");
    count(triggers, u"trigger", u"triggers");
    count(actions, u"action", u"actions");
    std::u16string text = u"Deleted " + item.text();
    for (size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? u" with " : i + 1 == parts.size() ? u" and " : u", ") + parts[i];
    return text + u" \u2014 Ctrl+Z undoes";
}

// --- adding and editing --------------------------------------------------------------------------

CTrigger* ScriptTreeModel::addTrigger(ScriptTreeItem& ownerItem, ScriptEditors& editors)
{
    LevelScript& s = script();
    std::unique_ptr<CTrigger> t = s.makeTrigger();
    CLevelObject* o = ownerItem.object();
    switch (ownerItem.kind()) {
    case K::Level:
        t->setOwnerObject(nullptr, TriggerOwnerKind::Level);
        t->setPlaced(true);
        break;
    case K::Player:
        t->setOwnerObject(o, TriggerOwnerKind::Player);
        t->setOwnerById(static_cast<CPlayer*>(o)->id());
        t->setPlaced(true);
        break;
    case K::Creature:
        if (!keepsTriggers(*o))
            return nullptr; // a dead body or a creature off the map keeps no triggers
        [[fallthrough]];
    case K::Door:
    case K::Object:
        t->setOwnerObject(o, TriggerOwnerKind(uint8_t(o->kind())));
        t->setOwnerById(o->ownerId());
        t->setPlaced(o->isPlaced());
        break;
    case K::ActionPoint:
    case K::HeroParty:
        t->setOwnerObject(o, TriggerOwnerKind(uint8_t(o->kind())));
        t->setPlaced(o->isPlaced());
        break;
    case K::Trigger: {
        CTrigger* parent = triggerOf(ownerItem);
        if (!parent || s.isForcedFirstPersonTrigger(*parent))
            return nullptr;
        t->setOwnerObject(parent, TriggerOwnerKind::Trigger);
        t->setOwnerById(parent->ownerId());
        t->setPlaced(parent->isPlaced());
        break;
    }
    default:
        return nullptr; // traps and effect generators take no triggers
    }
    if (s.NewTriggerId(*t) == 0 || !editors.EditTrigger(*t))
        return nullptr;
    CTrigger* added = s.AddTrigger(std::move(t));
    m_doc.SetModifiedFlag(true);
    select(findTriggerItem(added->id()));
    return added;
}

CAction* ScriptTreeModel::addAction(ScriptTreeItem& triggerItem, ScriptEditors& editors)
{
    LevelScript& s = script();
    CTrigger* owner = triggerOf(triggerItem);
    if (!owner || s.isForcedFirstPersonTrigger(*owner))
        return nullptr;
    std::unique_ptr<CAction> a = s.makeAction();
    a->setOwnerTrigger(owner);
    a->setOwnerById(owner->ownerId());
    a->setPlaced(owner->isPlaced());
    if (s.NewActionId(*a) == 0 || !editors.EditAction(*a))
        return nullptr;
    CAction* added = s.AddAction(std::move(a));
    m_doc.SetModifiedFlag(true);
    select(findActionItem(added->id()));
    return added;
}

bool ScriptTreeModel::editTrigger(ScriptTreeItem& item, ScriptEditors& editors)
{
    CTrigger* t = triggerOf(item);
    if (!t || hasNoCommands(item))
        return false;
    const Bytes before = TriggerSection::packTrigger(*t);
    if (!editors.EditTrigger(*t))
        return false;
    // A sheet confirmed without a change leaves the level as it was, unmarked.
    if (TriggerSection::packTrigger(*t) == before)
        return true;
    m_doc.SetModifiedFlag(true);
    reinsert(item);
    return true;
}

bool ScriptTreeModel::editAction(ScriptTreeItem& item, ScriptEditors& editors)
{
    CAction* a = actionOf(item);
    if (!a || hasNoCommands(item))
        return false;
    const uint8_t kindBefore = a->kind();
    const ActionParameters before = a->parameters();
    if (!editors.EditAction(*a))
        return false;
    if (a->kind() == kindBefore && a->parameters() == before)
        return true;
    m_doc.SetModifiedFlag(true);
    // Removing the preview creature removes its item under the action; the action's item is
    // made again just after.
    script().releasePreviewUnlessCreating(*a);
    reinsert(item);
    return true;
}

// --- Find ----------------------------------------------------------------------------------------

ScriptTreeItem* ScriptTreeModel::findNext(std::u16string_view text, bool down)
{
    const std::vector<ScriptTreeItem*> all = items();
    const size_t n = all.size();
    size_t start = n; // none selected: every item is a candidate
    for (size_t i = 0; i < n && m_selected; ++i)
        if (all[i] == m_selected)
            start = i;
    const size_t tries = start == n ? n : n - 1;
    for (size_t k = 0; k < tries; ++k) {
        size_t i;
        if (start == n)
            i = down ? k : n - 1 - k;
        else
            i = down ? (start + 1 + k) % n : (start + n - 1 - k) % n;
        if (containsIgnoringCase(all[i]->text(), text)) {
            select(all[i]);
            return all[i];
        }
    }
    return nullptr;
}

// --- DocumentObserver ----------------------------------------------------------------------------

void ScriptTreeModel::objectAdded(CLevelObject& object)
{
    if (m_quiet || m_doc.isOpening() || !m_root)
        return;
    if (object.kind() == ObjectKind::Script) {
        if (auto* t = dynamic_cast<CTrigger*>(&object)) {
            ScriptTreeItem* owner = ownerItemOf(*t);
            if (owner && !findTriggerItem(t->id()))
                insert(*owner, triggerRow(*owner), makeTriggerItem(*t));
        } else if (auto* a = dynamic_cast<CAction*>(&object)) {
            ScriptTreeItem* owner = a->ownerTrigger() ? findTriggerItem(a->ownerTrigger()->id()) : nullptr;
            if (owner && !findActionItem(a->id()))
                insert(*owner, owner->childCount(), makeActionItem(*a));
        }
        return;
    }
    if (findItem(object))
        return;
    const K kind = itemKindOf(object);
    if (isThingKind(kind) && !object.isPlaced())
        return; // previews and party members show under their action or party
    ScriptTreeItem& parent = isThingKind(kind) ? thingParent(object) : *m_root;
    insert(parent, thingRow(parent, object), makeThingItem(object));
}

void ScriptTreeModel::objectRemoved(CLevelObject& object)
{
    auto forget = [&](CLevelObject*& current) {
        if (current == &object)
            current = nullptr;
    };
    for (CLevelObject** c : {&m_currentCreature, &m_currentDoor, &m_currentTrap, &m_currentObject,
                             &m_currentActionPoint, &m_currentHeroParty, &m_currentEffectGenerator})
        forget(*c);
    if (!m_root)
        return;
    ScriptTreeItem* item = nullptr;
    if (object.kind() == ObjectKind::Script) {
        if (auto* t = dynamic_cast<CTrigger*>(&object))
            item = findTriggerItem(t->id());
        else if (auto* a = dynamic_cast<CAction*>(&object))
            item = findActionItem(a->id());
    } else {
        item = findItem(object);
    }
    if (item)
        remove(*item);
    // The current player is deleted: the tree follows the map views to the player they now draw
    // for.
    if (object.kind() == ObjectKind::Player && static_cast<CPlayer&>(object).id() == m_currentPlayer)
        setCurrentPlayer(m_doc.drawingPlayerAfterDeleting(m_currentPlayer));
}

void ScriptTreeModel::objectChanged(CLevelObject& object)
{
    if (m_quiet || !m_root)
        return;
    ScriptTreeItem* item = findItem(object);
    const K kind = itemKindOf(object);
    const bool member = kind == K::Creature && m_doc.PartyOf(static_cast<CCreature*>(&object));
    if (isThingKind(kind) && object.isPlaced() && !member) {
        // The owner may have changed: the item goes to its player's things.
        ScriptTreeItem& parent = thingParent(object);
        if (!item || item->parent() != &parent) {
            if (item)
                remove(*item);
            insert(parent, thingRow(parent, object), makeThingItem(object));
            return;
        }
    }
    if (!item)
        return;
    if (kind == K::HeroParty) {
        const bool wasSelected = m_selected == item;
        ScriptTreeItem* parent = item->parent();
        const size_t row = item->row();
        remove(*item);
        ScriptTreeItem* fresh = insert(*parent, row, makeThingItem(object));
        if (wasSelected)
            select(fresh);
        return;
    }
    setText(*item, m_texts.textOf(kind, &object, 0));
}

void ScriptTreeModel::levelReset()
{
    Refresh();
}

void ScriptTreeModel::currentPlayerSuggested(uint8_t playerId)
{
    setCurrentPlayer(playerId);
}

} // namespace gr2
