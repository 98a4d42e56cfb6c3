#include "script/ScriptTreeTexts.h"

#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "script/ScriptDescriptions.h"
#include "typedb/CTypeDatabase.h"

#include <algorithm>

namespace gr2 {

namespace {

using K = TreeItemKind;

/// A tile as the tree shows it: counted from 1.
std::u16string pos(int32_t x, int32_t y)
{
    std::u16string text = u"[";
    text += decimal(uint32_t(x + 1));
    text += u", ";
    text += decimal(uint32_t(y + 1));
    text += u']';
    return text;
}

} // namespace

ScriptTreeTexts::ScriptTreeTexts(const CWorldEditorDoc& doc, const CTypeDatabase& db) : m_doc(doc), m_db(db)
{
}

LevelScript& ScriptTreeTexts::script() const
{
    return *LevelScript::of(m_doc);
}

std::u16string ScriptTreeTexts::levelText() const
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

std::u16string ScriptTreeTexts::creatureText(const CCreature& c) const
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

std::u16string ScriptTreeTexts::textOf(TreeItemKind kind, CLevelObject* object, int16_t scriptId) const
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

std::u16string ScriptTreeTexts::triggerText(const CTrigger* trigger) const
{
    return trigger ? u"When " + describeTrigger(*trigger, m_doc, m_db) : std::u16string();
}

std::u16string ScriptTreeTexts::actionText(const CAction* action) const
{
    return action ? describeAction(*action, m_doc, m_db) : std::u16string();
}

} // namespace gr2
