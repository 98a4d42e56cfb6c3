#include "mapedit/HeroPartyPicking.h"

#include "level/CWorldEditorDoc.h"
#include "level/EditStep.h"
#include "script/ScriptDescriptions.h"
#include "script/ScriptTreeCommands.h"
#include "typedb/TypeFamily.h"

#include <algorithm>
#include <optional>

namespace gr2 {

PromptColumns promptColumns(const std::vector<std::u16string>& lines)
{
    PromptColumns columns;
    const size_t split =
        lines.size() <= PromptColumns::kLinesPerColumn ? lines.size() : PromptColumns::kLinesPerColumn;
    columns.left.assign(lines.begin(), lines.begin() + std::ptrdiff_t(split));
    columns.right.assign(lines.begin() + std::ptrdiff_t(split), lines.end());
    return columns;
}

std::string HeroPartyPicking::promptText()
{
    return "Select Party members from Creature Panel [ " + std::to_string(kHeroPartyMembers) + " max ]";
}

HeroPartyPicking::HeroPartyPicking(CWorldEditorDoc& doc, const CTypeDatabase& db) : m_doc(doc), m_db(db)
{
    m_doc.addObserver(this);
}

HeroPartyPicking::~HeroPartyPicking()
{
    m_doc.removeObserver(this);
}

bool HeroPartyPicking::beginNewParty()
{
    if (m_picking)
        finish(true);
    size_t parties = 0;
    for (size_t slot = 0; slot < size_t(kHeroPartySlots); ++slot)
        parties += m_doc.HeroPartyAt(slot) != nullptr;
    if (parties >= size_t(kHeroPartySlots))
        return false;
    m_doc.BeginNewHeroParty();
    m_picking = true;
    m_newParty = true;
    m_added.clear();
    return true;
}

bool HeroPartyPicking::beginAddingMembers(CHeroParty& party)
{
    if (m_picking && m_doc.heroPartyBeingBuilt() == &party && !m_newParty)
        return true; // already being filled: the prompt just shows again
    if (m_picking)
        finish(true);
    if (party.isFull())
        return false;
    m_doc.BeginAddingMembers(&party);
    if (m_doc.heroPartyBeingBuilt() != &party)
        return false;
    m_picking = true;
    m_newParty = false;
    m_added.clear();
    return true;
}

bool HeroPartyPicking::isPicking() const
{
    return m_picking && m_doc.heroPartyBeingBuilt() != nullptr;
}

CHeroParty* HeroPartyPicking::party() const
{
    return m_picking ? m_doc.heroPartyBeingBuilt() : nullptr;
}

CCreature* HeroPartyPicking::addMember(uint8_t creatureType)
{
    CHeroParty* p = party();
    if (!p || p->isFull())
        return nullptr;
    // Members of a party of the level change the level at once; a new party's members join it
    // with the party (its own step, when it is finished).
    std::optional<EditStep> step;
    if (!m_newParty)
        step.emplace(m_doc, treeCommandName(TreeCommand::AddMembers));
    const bool first = p->memberCount() == 0;
    CCreature* member = m_doc.AddPickedMember(creatureType);
    if (!member)
        return nullptr;
    if (first && m_newParty)
        member->setFlag1(CreatureFlag1::Leader, true);
    m_added.push_back(member);
    return member;
}

std::vector<std::u16string> HeroPartyPicking::memberLines() const
{
    std::vector<std::u16string> lines;
    const CHeroParty* p = party();
    if (!p)
        return lines;
    for (int slot = 0; slot < kHeroPartyMembers; ++slot) {
        const CCreature* c = p->member(slot);
        if (!c)
            continue;
        lines.push_back((c->hasFlag1(CreatureFlag1::Leader) ? u"[L] " : u"") +
                        scriptTypeName(m_db, TypeFamily::Creature, c->type()) + u" [" + decimal(c->level()) +
                        u"]");
    }
    return lines;
}

CHeroParty* HeroPartyPicking::finish(bool finished)
{
    if (!m_picking)
        return nullptr;
    const bool newParty = m_newParty;
    std::vector<CCreature*> added = std::move(m_added);
    m_added.clear();
    m_picking = false;
    m_newParty = false;
    if (!finished && !newParty) {
        EditStep step(m_doc, treeCommandName(TreeCommand::AddMembers));
        for (CCreature* c : added)
            m_doc.DeleteCreature(c, true);
    }
    if (!finished && newParty) {
        // The new party is not in the level: taking its members out drops it on finishing.
        CHeroParty* party = m_doc.heroPartyBeingBuilt();
        for (CCreature* c : added)
            if (party && party->slotOf(c) >= 0)
                m_doc.DeleteCreature(c, true);
    }
    std::optional<EditStep> step;
    if (newParty && finished)
        step.emplace(m_doc, treeCommandName(TreeCommand::CreateNewHeroParty));
    return m_doc.FinishHeroPartyBuild();
}

void HeroPartyPicking::objectRemoved(CLevelObject& object)
{
    if (!m_picking)
        return;
    std::erase(m_added, &object);
    if (&object == m_doc.heroPartyBeingBuilt() && !m_newParty) {
        // The party was deleted while it was being filled: there is nothing left to fill.
        m_picking = false;
        m_added.clear();
        m_doc.FinishHeroPartyBuild();
        if (m_ended)
            m_ended();
    }
}

void HeroPartyPicking::levelReset()
{
    if (!m_picking)
        return;
    m_picking = false;
    m_newParty = false;
    m_added.clear();
    if (m_ended)
        m_ended();
}

} // namespace gr2
