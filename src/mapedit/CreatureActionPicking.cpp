#include "mapedit/CreatureActionPicking.h"

#include "level/CCreature.h"
#include "level/CPlayer.h"
#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "script/CTrigger.h"
#include "script/ScriptDescriptions.h"
#include "typedb/TypeFamily.h"

namespace gr2 {

CreatureActionPicking::CreatureActionPicking(CWorldEditorDoc& doc, const CTypeDatabase& db)
    : m_doc(doc), m_db(db)
{
    m_doc.addObserver(this);
}

CreatureActionPicking::~CreatureActionPicking()
{
    if (isPicking())
        finish(false);
    m_doc.removeObserver(this);
}

bool CreatureActionPicking::begin(const CTrigger& trigger, std::string stepName)
{
    if (m_doc.isPickingCreaturesForAction() || trigger.id() <= 0)
        return false;
    m_step = std::make_unique<EditStep>(m_doc, std::move(stepName));
    m_doc.BeginCreatureActionPicking(trigger.id());
    return true;
}

bool CreatureActionPicking::isPicking() const
{
    return m_step && m_doc.isPickingCreaturesForAction();
}

std::vector<std::u16string> CreatureActionPicking::lines() const
{
    std::vector<std::u16string> out;
    // "Name (x, y) [ owner ]", the tile one-based.
    for (const CCreature* c : m_doc.pickedCreatures()) {
        const CPlayer* owner = c->owner();
        out.push_back(scriptTypeName(m_db, TypeFamily::Creature, c->type()) + u" (" +
                      decimal(c->position().x + 1u) + u", " + decimal(c->position().y + 1u) + u") [ " +
                      (owner ? latin1ToUtf16(owner->name()) : std::u16string()) + u" ]");
    }
    return out;
}

void CreatureActionPicking::finish(bool finished)
{
    if (!m_step)
        return;
    m_doc.FinishCreatureActionPicking(!finished);
    // The previews and the actions made of them are one step.
    m_step.reset();
}

void CreatureActionPicking::tilesChanged(const TileRect&)
{
    if (isPicking() && m_changed)
        m_changed();
}

void CreatureActionPicking::objectRemoved(CLevelObject&)
{
    if (isPicking() && m_changed)
        m_changed();
}

} // namespace gr2
