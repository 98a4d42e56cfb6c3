#include "level/CHeroParty.h"

namespace gr2 {

void CHeroParty::setId(uint8_t id)
{
    m_id = id;
    for (auto& m : m_members)
        if (m)
            m->setPartyId(id);
}

CCreature* CHeroParty::member(int slot) const
{
    if (slot < 0 || slot >= kHeroPartyMembers)
        return nullptr;
    return m_members[size_t(slot)].get();
}

int CHeroParty::memberCount() const
{
    int n = 0;
    for (const auto& m : m_members)
        n += m ? 1 : 0;
    return n;
}

int CHeroParty::addMember(std::unique_ptr<CCreature>& creature)
{
    if (!creature)
        return -1;
    for (size_t i = 0; i < m_members.size(); ++i) {
        if (!m_members[i]) {
            creature->setPartyId(m_id);
            m_members[i] = std::move(creature);
            return int(i);
        }
    }
    return -1;
}

std::unique_ptr<CCreature> CHeroParty::takeMember(const CCreature* creature)
{
    int slot = slotOf(creature);
    if (slot < 0)
        return nullptr;
    return std::move(m_members[size_t(slot)]);
}

int CHeroParty::slotOf(const CCreature* creature) const
{
    if (!creature)
        return -1;
    for (size_t i = 0; i < m_members.size(); ++i)
        if (m_members[i].get() == creature)
            return int(i);
    return -1;
}

} // namespace gr2
