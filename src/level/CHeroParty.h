#pragma once
// A band of up to sixteen Good creatures that scripts send onto the map together. Its members are
// not on the map; the party owns them. Its id is its slot in the level's table of 24 parties.

#include "level/CCreature.h"
#include "level/CLevelObject.h"
#include "level/LevelIds.h"

#include <array>
#include <memory>
#include <string>

namespace gr2 {

class CHeroParty : public CLevelObject {
public:
    explicit CHeroParty(CWorldEditorDoc* doc, uint8_t id = kNoParty)
        : CLevelObject(ObjectKind::HeroParty, doc), m_id(id)
    {
    }

    uint8_t id() const { return m_id; }
    /// Sets the id and the party id of every member with it.
    void setId(uint8_t id);
    /// "Hero Party %u" with id + 1.
    std::string name() const { return "Hero Party " + std::to_string(unsigned(m_id) + 1); }

    /// The member in a slot, or none for an empty slot or an index out of range.
    CCreature* member(int slot) const;
    int memberCount() const;
    bool isFull() const { return memberCount() == kHeroPartyMembers; }
    /// Puts the creature into the first empty slot and gives it the party's id; answers the slot,
    /// or -1 (and destroys nothing: the creature is handed back untouched) when the party is full.
    int addMember(std::unique_ptr<CCreature>& creature);
    /// Takes a member out of its slot; the caller owns it then. None when it is not a member.
    std::unique_ptr<CCreature> takeMember(const CCreature* creature);
    int slotOf(const CCreature* creature) const;

private:
    uint8_t m_id;
    std::array<std::unique_ptr<CCreature>, kHeroPartyMembers> m_members;
};

} // namespace gr2
