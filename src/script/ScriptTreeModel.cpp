#include "script/ScriptTreeModel.h"

#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "script/ScriptDescriptions.h"
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

std::u16string pos(int32_t x, int32_t y)
{
    std::u16string text = u"[";
    text += decimal(uint32_t(x + 1));
    text += u", ";
    text += decimal(uint32_t(y + 1));
    text += u']';
    return text;
}

/// The objects a set of commands acts on.
struct Targets {
    CPlayer* player = nullptr;
    CCreature* creature = nullptr;
    CDoor* door = nullptr;
    CTrap* trap = nullptr;
    CObjectThing* object = nullptr;
    CActionPoint* actionPoint = nullptr;
    CHeroParty* party = nullptr;
    CEffectGenerator* generator = nullptr;
    CTrigger* trigger = nullptr;
    CAction* action = nullptr;
};

constexpr TreeMenuEntry kLevelMenu[] = {
    {C::Refresh, u"&Refresh Tree"},
    {C::CreateNewPlayer, u"Create New &Player"},
    {C::CreateNewHeroParty, u"Create New &Hero Party..."},
    {C::CreateNewActionPoint, u"Create New &Action Point..."},
    {C::CreateNewEffectGenerator, u"Create New Effect &Generator..."},
    {C::EditLevelVariables, u"Edit Level &Variables..."},
    {C::EditLevelProperties, u"Edit Level Properties..."},
    {C::Find, u"Find..."},
    {C::LevelAddTrigger, u"Add &Trigger..."},
    {C::ResetAllCreatureProperties, u"Reset All &Creature Properties..."},
};
constexpr TreeMenuEntry kPlayerMenu[] = {
    {C::EditVorlanProperties, u"&Edit Vorlan Properties..."},
    {C::EditVorlanAlliances, u"Edit Vorlan &Alliances..."},
    {C::EditStartingCameraPosition, u"Edit Starting &Camera Position"},
    {C::DefineBuildArea, u"Define &Build Area..."},
    {C::PlayerAddTrigger, u"Add &Trigger..."},
    {C::DeleteVorlan, u"&Delete Vorlan"},
};
constexpr TreeMenuEntry kCreatureMenu[] = {
    {C::EditCreatureProperties, u"&Edit Creature Properties..."},
    {C::EditCreatureType, u"Edit Creature &Type..."},
    {C::CreatureAddTrigger, u"Add &Trigger..."},
    {C::MoveCreature, u"&Move Creature"},
    {C::DeleteCreature, u"&Delete Creature"},
    {C::ForceFirstPerson, u"&Force First Person"},
};
constexpr TreeMenuEntry kDoorMenu[] = {
    {C::EditDoorProperties, u"&Edit Door Properties..."},
    {C::EditDoorType, u"Edit Door &Type..."},
    {C::DoorAddTrigger, u"Add &Trigger..."},
    {C::MoveDoor, u"&Move Door"},
    {C::DeleteDoor, u"&Delete Door"},
};
constexpr TreeMenuEntry kTrapMenu[] = {
    {C::EditTrapProperties, u"&Edit Trap Properties..."},
    {C::EditTrapType, u"Edit Trap &Type..."},
    {C::MoveTrap, u"&Move Trap"},
    {C::DeleteTrap, u"&Delete Trap"},
};
constexpr TreeMenuEntry kObjectMenu[] = {
    {C::EditObjectProperties, u"&Edit Object Properties..."},
    {C::EditObjectType, u"Edit Object &Type..."},
    {C::ObjectAddTrigger, u"Add &Trigger..."},
    {C::MoveObject, u"&Move Object"},
    {C::DeleteObject, u"&Delete Object"},
};
constexpr TreeMenuEntry kTriggerMenu[] = {
    {C::EditTriggerProperties, u"&Edit Trigger Properties..."},
    {C::TriggerAddTrigger, u"Add &Trigger..."},
    {C::AddAction, u"Add &Action..."},
    {C::AddCreatureAction, u"Add &Creature Action..."},
    {C::DeleteTrigger, u"&Delete Trigger"},
};
constexpr TreeMenuEntry kActionMenu[] = {
    {C::EditActionProperties, u"&Edit Action Properties..."},
    {C::EditTextMessages, u"Edit Text Messages..."},
    {C::DeleteAction, u"&Delete Action"},
};
constexpr TreeMenuEntry kActionPointMenu[] = {
    {C::EditActionPointProperties, u"Edit Action Point &Properties..."},
    {C::ActionPointAddTrigger, u"Add &Trigger..."},
    {C::MoveActionPoint, u"&Move Action Point"},
    {C::DeleteActionPoint, u"&Delete Action Point"},
};
constexpr TreeMenuEntry kHeroPartyMenu[] = {
    {C::AddMembers, u"Add &Members..."},
    {C::HeroPartyAddTrigger, u"Add &Trigger..."},
    {C::DeleteParty, u"&Delete Party"},
};
constexpr TreeMenuEntry kEffectGeneratorMenu[] = {
    {C::EditEffectGeneratorProperties, u"&Edit Effect Generator Properties..."},
    {C::MoveEffectGenerator, u"&Move Effect Generator"},
    {C::DeleteEffectGenerator, u"&Delete Effect Generator"},
};
constexpr TreeMenuEntry kEmptySpaceMenu[] = {
    {C::Refresh, u"&Refresh"}, {C::ExpandAll, u"Expand &All"}, {C::CollapseAll, u"&Collapse All"}};
constexpr TreeMenuEntry kDropMenu[] = {
    {C::MoveAsChild, u"Move As Child"},
    {C::MoveAsSibling, u"Move As Sibling"},
    {C::CopyAsChild, u"Copy As Child"},
    {C::CopyAsSibling, u"Copy As Sibling"},
};

template <size_t N> std::vector<TreeMenuEntry> entries(const TreeMenuEntry (&list)[N])
{
    return std::vector<TreeMenuEntry>(std::begin(list), std::end(list));
}

size_t partyCount(const CWorldEditorDoc& doc)
{
    size_t n = 0;
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        if (doc.HeroPartyAt(slot))
            ++n;
    return n;
}

bool enabledOn(const CWorldEditorDoc& doc, const LevelScript* script, const Targets& t, TreeCommand command)
{
    switch (command) {
    case C::CreateNewPlayer:
        return doc.PlayerCount() < ScriptTreeModel::kMaxPlayers;
    case C::CreateNewHeroParty:
        return partyCount(doc) < size_t(kHeroPartySlots);
    case C::CreateNewActionPoint:
        return doc.actionPoints().size() < ScriptTreeModel::kMaxActionPoints;
    case C::EditVorlanProperties:
    case C::EditStartingCameraPosition:
        return t.player && t.player->isVorlan();
    case C::EditVorlanAlliances:
        return t.player && doc.PlayerCount() > 3;
    case C::DefineBuildArea:
        return t.player && t.player->isComputer();
    case C::PlayerAddTrigger:
        return t.player != nullptr;
    case C::DeleteVorlan:
        return t.player && t.player->isVorlan() && doc.PlayerCount() > 3;
    case C::EditCreatureProperties:
    case C::EditCreatureType:
    case C::MoveCreature:
        return t.creature != nullptr;
    case C::CreatureAddTrigger:
    case C::DeleteCreature:
    case C::ForceFirstPerson:
        return t.creature && t.creature->isPlaced();
    case C::EditDoorProperties:
    case C::EditDoorType:
    case C::DoorAddTrigger:
    case C::MoveDoor:
    case C::DeleteDoor:
        return t.door != nullptr;
    case C::EditTrapProperties:
    case C::EditTrapType:
    case C::MoveTrap:
    case C::DeleteTrap:
        return t.trap != nullptr;
    case C::EditObjectProperties:
    case C::EditObjectType:
    case C::ObjectAddTrigger:
    case C::MoveObject:
    case C::DeleteObject:
        return t.object != nullptr;
    case C::EditTriggerProperties:
    case C::TriggerAddTrigger:
    case C::AddAction:
    case C::AddCreatureAction:
    case C::DeleteTrigger:
        return t.trigger && !(script && script->isForcedFirstPersonTrigger(*t.trigger));
    case C::EditActionProperties:
    case C::DeleteAction:
        return t.action && !(script && script->isForcedFirstPersonAction(*t.action));
    case C::EditTextMessages:
        return t.action && t.action->kind() == uint8_t(ActionKind::DisplayTextString) &&
               !(script && script->isForcedFirstPersonAction(*t.action));
    case C::EditActionPointProperties:
    case C::ActionPointAddTrigger:
    case C::MoveActionPoint:
    case C::DeleteActionPoint:
        return t.actionPoint != nullptr;
    case C::AddMembers:
        return t.party && !t.party->isFull();
    case C::HeroPartyAddTrigger:
    case C::DeleteParty:
        return t.party != nullptr;
    case C::EditEffectGeneratorProperties:
    case C::MoveEffectGenerator:
    case C::DeleteEffectGenerator:
        return t.generator != nullptr;
    case C::MoveAsChild:
    case C::MoveAsSibling:
    case C::CopyAsChild:
    case C::CopyAsSibling:
        return false; // decided by the drop verdict
    default:
        return true;
    }
}

} // namespace

std::vector<TreeMenuEntry> emptySpaceMenu()
{
    return entries(kEmptySpaceMenu);
}
std::vector<TreeMenuEntry> dropMenu()
{
    return entries(kDropMenu);
}

// --- construction and filling --------------------------------------------------------------------

ScriptTreeModel::ScriptTreeModel(CWorldEditorDoc& doc, const CTypeDatabase& db) : m_doc(doc), m_db(db)
{
    m_doc.addObserver(this);
    Refresh();
}

ScriptTreeModel::~ScriptTreeModel()
{
    m_doc.removeObserver(this);
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
    m_root = std::make_unique<ScriptTreeItem>(K::Level, nullptr, 0, levelText());
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
        auto item =
            std::make_unique<ScriptTreeItem>(K::Trigger, nullptr, e.trigger->id(), triggerText(e.trigger));
        ScriptTreeItem* t = p->insertChild(p->childCount(), std::move(item));
        stack.push_back({t, e.trigger->child()});
    }
}

std::unique_ptr<ScriptTreeItem> ScriptTreeModel::makeTriggerItem(CTrigger& trigger) const
{
    auto item = std::make_unique<ScriptTreeItem>(K::Trigger, nullptr, trigger.id(), triggerText(&trigger));
    appendChain(*item, trigger.child());
    return item;
}

std::unique_ptr<ScriptTreeItem> ScriptTreeModel::makeActionItem(CAction& action) const
{
    auto item = std::make_unique<ScriptTreeItem>(K::Action, nullptr, action.id(), actionText(&action));
    if (action.kind() == uint8_t(ActionKind::CreateCreature) && action.creature())
        item->insertChild(0, makeThingItem(*action.creature()));
    return item;
}

std::unique_ptr<ScriptTreeItem> ScriptTreeModel::makeThingItem(CLevelObject& object) const
{
    const K kind = itemKindOf(object);
    auto item = std::make_unique<ScriptTreeItem>(kind, &object, 0, textOf(kind, &object, 0));
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

// --- texts ---------------------------------------------------------------------------------------

std::u16string ScriptTreeModel::levelText() const
{
    std::string name = m_doc.path().empty() ? m_doc.title() : m_doc.path();
    const size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    if (name.size() >= 4) {
        std::string ending = name.substr(name.size() - 4);
        std::transform(ending.begin(), ending.end(), ending.begin(),
                       [](char c) { return char(c >= 'A' && c <= 'Z' ? c + 32 : c); });
        if (ending == ".vwd")
            name.erase(name.size() - 4);
    }
    return utf8ToUtf16(name);
}

std::u16string ScriptTreeModel::creatureText(const CCreature& c) const
{
    const std::u16string type = scriptTypeName(m_db, TypeFamily::Creature, c.type());
    std::u16string text;
    const CAction* source =
        !c.isPlaced() && c.sourceAction() != 0 ? script().FindAction(c.sourceAction()) : nullptr;
    if (m_doc.PartyOf(&c)) {
        text = (c.hasFlag1(CreatureFlag1::Leader) ? u"[L] " : u"") + type + u" [" + decimal(c.level()) + u"]";
    } else if (source && source->creature() == &c) {
        text = type + u" [" + decimal(source->a(2)) + u"] " + pos(c.x(), c.y()) + u" [" +
               scriptPlayerName(m_doc, source->a(1)) + u"]";
    } else {
        text = type + (c.isDeadBody() ? u" [DB] [" : u" [") + decimal(c.level()) + u"] " + pos(c.x(), c.y());
    }
    if (c.isElite())
        return u"[E] " + text;
    if (c.hasFlag2(CreatureFlag2::IAmAMercenary))
        return u"[M] " + text;
    return text;
}

std::u16string ScriptTreeModel::textOf(TreeItemKind kind, CLevelObject* object, int16_t scriptId) const
{
    switch (kind) {
    case K::Level:
        return levelText();
    case K::Player:
        return latin1ToUtf16(static_cast<CPlayer*>(object)->name());
    case K::Creature:
        return creatureText(*static_cast<CCreature*>(object));
    case K::Door: {
        auto* d = static_cast<CDoor*>(object);
        const char16_t* marker = d->isLocked() ? u"[L] " : d->isBlueprint() ? u"[B] " : u"";
        return scriptTypeName(m_db, TypeFamily::Door, d->type()) + u" " + marker + pos(d->x(), d->y());
    }
    case K::Trap: {
        auto* t = static_cast<CTrap*>(object);
        return scriptTypeName(m_db, TypeFamily::Trap, t->type()) + u" " + (t->shots() == 0 ? u"[B] " : u"") +
               pos(t->x(), t->y());
    }
    case K::Object: {
        auto* o = static_cast<CObjectThing*>(object);
        const uint32_t flags = o->typeFlags();
        std::u16string marker;
        if (flags & ObjectClass::Gold) {
            marker = u"[" + decimal(uint32_t(o->data2())) + u"] ";
        } else if (flags & ObjectClass::Special) {
            if (o->data1() == 0)
                o->setSpell(2);
            if (o->data2() != 0)
                marker = u"[" + decimal(uint32_t(o->data2())) + u"] ";
        } else if (flags & ObjectClass::SpellBook) {
            if (o->data1() == 0)
                o->setSpell(1);
            if (m_db.vorlanSpells().findById(o->data1()))
                marker = u"[" + scriptTypeName(m_db, TypeFamily::VorlanSpell, o->data1()) + u"] ";
        }
        return scriptTypeName(m_db, TypeFamily::Object, o->type()) + u" " + marker + pos(o->x(), o->y());
    }
    case K::ActionPoint: {
        auto* a = static_cast<CActionPoint*>(object);
        const TileRect& r = a->area();
        return u"[ID " + decimal(a->id()) + u"] " + ascii(a->name()) + u" " + pos(r.left, r.top) + u" - " +
               pos(r.right, r.bottom);
    }
    case K::HeroParty:
        return u"Hero Party " + decimal(static_cast<CHeroParty*>(object)->id() + 1u);
    case K::EffectGenerator: {
        auto* g = static_cast<CEffectGenerator*>(object);
        return u"Effect Generator " + decimal(g->id()) + u" " + pos(g->x(), g->y()) + u" - " +
               pos(g->x() + g->width(), g->y() + g->height());
    }
    case K::Trigger:
        return triggerText(script().FindTrigger(scriptId));
    case K::Action:
        return actionText(script().FindAction(scriptId));
    }
    return {};
}

std::u16string ScriptTreeModel::triggerText(const CTrigger* trigger) const
{
    return trigger ? u"When " + describeTrigger(*trigger, m_doc, m_db) : std::u16string();
}

std::u16string ScriptTreeModel::actionText(const CAction* action) const
{
    return action ? describeAction(*action, m_doc, m_db) : std::u16string();
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
            setCurrentPlayer(static_cast<CPlayer*>(o)->id());
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
    switch (item.kind()) {
    case K::Level:
        return entries(kLevelMenu);
    case K::Player:
        return entries(kPlayerMenu);
    case K::Creature:
        return entries(kCreatureMenu);
    case K::Door:
        return entries(kDoorMenu);
    case K::Trap:
        return entries(kTrapMenu);
    case K::Object:
        return entries(kObjectMenu);
    case K::Trigger:
        return entries(kTriggerMenu);
    case K::Action:
        return entries(kActionMenu);
    case K::ActionPoint:
        return entries(kActionPointMenu);
    case K::HeroParty:
        return entries(kHeroPartyMenu);
    case K::EffectGenerator:
        return entries(kEffectGeneratorMenu);
    }
    return {};
}

bool ScriptTreeModel::isEnabled(TreeCommand command) const
{
    Targets t{currentPlayer(),  currentCreature(),    currentDoor(),      currentTrap(),
              currentObject(),  currentActionPoint(), currentHeroParty(), currentEffectGenerator(),
              currentTrigger(), currentAction()};
    return enabledOn(m_doc, &script(), t, command);
}

bool ScriptTreeModel::isChecked(TreeCommand command) const
{
    if (command != C::ForceFirstPerson)
        return false;
    const CCreature* c = currentCreature();
    const CPlayer* p = c ? c->owner() : nullptr;
    return p && p->forcedFirstPerson() == c;
}

namespace {

Targets targetsOf(const ScriptTreeItem& item, CTrigger* trigger, CAction* action)
{
    Targets t;
    CLevelObject* o = item.object();
    switch (item.kind()) {
    case K::Player:
        t.player = static_cast<CPlayer*>(o);
        break;
    case K::Creature:
        t.creature = static_cast<CCreature*>(o);
        break;
    case K::Door:
        t.door = static_cast<CDoor*>(o);
        break;
    case K::Trap:
        t.trap = static_cast<CTrap*>(o);
        break;
    case K::Object:
        t.object = static_cast<CObjectThing*>(o);
        break;
    case K::ActionPoint:
        t.actionPoint = static_cast<CActionPoint*>(o);
        break;
    case K::HeroParty:
        t.party = static_cast<CHeroParty*>(o);
        break;
    case K::EffectGenerator:
        t.generator = static_cast<CEffectGenerator*>(o);
        break;
    default:
        break;
    }
    t.trigger = trigger;
    t.action = action;
    return t;
}

} // namespace

bool ScriptTreeModel::doubleClickCommand(const ScriptTreeItem& item, TreeCommand& command) const
{
    static constexpr std::pair<K, C> kMain[] = {
        {K::Level, C::EditLevelProperties},
        {K::Player, C::EditVorlanProperties},
        {K::Creature, C::EditCreatureProperties},
        {K::Door, C::EditDoorProperties},
        {K::Trap, C::EditTrapProperties},
        {K::Object, C::EditObjectProperties},
        {K::ActionPoint, C::EditActionPointProperties},
        {K::EffectGenerator, C::EditEffectGeneratorProperties},
        {K::Trigger, C::EditTriggerProperties},
        {K::Action, C::EditActionProperties},
        {K::HeroParty, C::AddMembers},
    };
    if (hasNoCommands(item))
        return false;
    for (const auto& [kind, main] : kMain) {
        if (kind != item.kind())
            continue;
        if (!enabledOn(m_doc, &script(), targetsOf(item, triggerOf(item), actionOf(item)), main))
            return false;
        command = main;
        return true;
    }
    return false;
}

bool ScriptTreeModel::deleteCommand(const ScriptTreeItem& item, TreeCommand& command) const
{
    static constexpr std::pair<K, C> kDelete[] = {
        {K::Player, C::DeleteVorlan},
        {K::Creature, C::DeleteCreature},
        {K::Door, C::DeleteDoor},
        {K::Trap, C::DeleteTrap},
        {K::Object, C::DeleteObject},
        {K::Trigger, C::DeleteTrigger},
        {K::ActionPoint, C::DeleteActionPoint},
        {K::HeroParty, C::DeleteParty},
        {K::EffectGenerator, C::DeleteEffectGenerator},
        {K::Action, C::DeleteAction},
    };
    if (hasNoCommands(item))
        return false;
    for (const auto& [kind, del] : kDelete) {
        if (kind != item.kind())
            continue;
        if (!enabledOn(m_doc, &script(), targetsOf(item, triggerOf(item), actionOf(item)), del))
            return false;
        command = del;
        return true;
    }
    return false;
}

bool ScriptTreeModel::deleteSelected()
{
    TreeCommand command;
    if (!m_selected || !deleteCommand(*m_selected, command))
        return false;
    ScriptTreeItem& item = *m_selected;
    CLevelObject* o = item.object();
    switch (item.kind()) {
    case K::Player:
        m_doc.DeletePlayer(static_cast<CPlayer*>(o));
        break;
    case K::Creature:
        m_doc.DeleteCreature(static_cast<CCreature*>(o), true);
        break;
    case K::Door:
        m_doc.DeleteDoor(static_cast<CDoor*>(o), true);
        break;
    case K::Trap:
        m_doc.DeleteTrap(static_cast<CTrap*>(o), true);
        break;
    case K::Object:
        m_doc.DeleteObjectThing(static_cast<CObjectThing*>(o), true);
        break;
    case K::ActionPoint:
        m_doc.DeleteActionPoint(static_cast<CActionPoint*>(o), true);
        break;
    case K::HeroParty:
        m_doc.DeleteHeroParty(static_cast<CHeroParty*>(o), true);
        break;
    case K::EffectGenerator:
        m_doc.DeleteEffectGenerator(static_cast<CEffectGenerator*>(o));
        break;
    case K::Trigger:
        script().DeleteTrigger(item.scriptId(), false);
        break;
    case K::Action:
        if (CAction* a = actionOf(item))
            script().DeleteAction(*a);
        break;
    case K::Level:
        return false;
    }
    return true;
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
        if (!o->isPlaced())
            return nullptr;
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
    if (!t || hasNoCommands(item) || !editors.EditTrigger(*t))
        return false;
    m_doc.SetModifiedFlag(true);
    reinsert(item);
    return true;
}

bool ScriptTreeModel::editAction(ScriptTreeItem& item, ScriptEditors& editors)
{
    CAction* a = actionOf(item);
    if (!a || hasNoCommands(item) || !editors.EditAction(*a))
        return false;
    m_doc.SetModifiedFlag(true);
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
    setText(*item, textOf(kind, &object, 0));
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
