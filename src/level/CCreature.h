#pragma once
// A creature of a level: placed on the map, lying there as a dead body, waiting in a hero party,
// or shown as the preview of a script action that creates it.

#include "level/CLevelObject.h"
#include "level/LevelIds.h"

#include <cstdint>

namespace gr2 {

/// Bits of a creature's first flag byte.
namespace CreatureFlag1 {
inline constexpr uint8_t Fights = 0x01; ///< shown inverted as "Won't Fight"
inline constexpr uint8_t Leader = 0x02;
inline constexpr uint8_t Follower = 0x04;
inline constexpr uint8_t CanBeAttacked = 0x08; ///< shown inverted as "Won't Be Attacked"
inline constexpr uint8_t ReturnToHeroLair = 0x10;
inline constexpr uint8_t FreeFriendsOnJailBreak = 0x20;
inline constexpr uint8_t ActAsDropped = 0x40;
inline constexpr uint8_t StartAsDying = 0x80;
} // namespace CreatureFlag1

/// Bits of a creature's second flag byte.
namespace CreatureFlag2 {
inline constexpr uint8_t DestroyRooms = 0x01;
inline constexpr uint8_t IAmATool = 0x02;
inline constexpr uint8_t DiesInstantly = 0x04;
inline constexpr uint8_t IAmAMercenary = 0x08;
} // namespace CreatureFlag2

/// Mask bits of ResetProperties.
namespace ResetMask {
inline constexpr uint32_t Health = 2;
inline constexpr uint32_t Gold = 4;
inline constexpr uint32_t Objective = 8;
inline constexpr uint32_t Mood = 16;
inline constexpr uint32_t Level = 32;
inline constexpr uint32_t All = 64;
} // namespace ResetMask

class CCreature : public CLevelObject {
public:
    static constexpr uint8_t kDefaultObjective = 19;
    static constexpr uint8_t kDefaultObjectiveValue = 3;
    static constexpr uint8_t kDefaultFlags1 = CreatureFlag1::Fights | CreatureFlag1::CanBeAttacked;
    static constexpr uint8_t kDefaultFlags2 = CreatureFlag2::DestroyRooms;

    CCreature(CWorldEditorDoc* doc, uint8_t type) : CLevelObject(ObjectKind::Creature, doc), m_type(type) {}

    uint8_t type() const { return m_type; }
    void setType(uint8_t t) { m_type = t; }
    /// Experience level 1..10; 0 becomes 1.
    uint8_t level() const { return m_level; }
    void setLevel(uint8_t l) { m_level = l == 0 ? 1 : l; }
    /// Percent of the type's maximum, at most 100.
    uint8_t health() const { return m_health; }
    void setHealth(uint32_t h) { m_health = uint8_t(h > 100 ? 100 : h); }
    uint8_t goldHeld() const { return m_gold; }
    void setGoldHeld(uint32_t g) { m_gold = uint8_t(g > 100 ? 100 : g); }
    /// The creature's mood, carried through the Vorlan-creature record.
    int32_t extraValue() const { return m_extra; }
    void setExtraValue(int32_t v) { m_extra = v; }
    uint8_t behaviour() const { return m_behaviour; }
    void setBehaviour(uint8_t b) { m_behaviour = b; }
    uint8_t partyId() const { return m_partyId; }
    void setPartyId(uint8_t id) { m_partyId = id; }
    bool inParty() const { return m_partyId != kNoParty; }

    uint8_t objective() const { return m_objective; }
    void setObjective(uint8_t o) { m_objective = o; }
    uint8_t objectiveValue() const { return m_objectiveValue; }
    void setObjectiveValue(uint8_t v) { m_objectiveValue = v; }
    uint8_t objectiveTarget() const { return m_objectiveTarget; }
    void setObjectiveTarget(uint8_t t) { m_objectiveTarget = t; }

    uint8_t flags1() const { return m_flags1; }
    void setFlags1(uint8_t f) { m_flags1 = f; }
    bool hasFlag1(uint8_t bit) const { return (m_flags1 & bit) != 0; }
    void setFlag1(uint8_t bit, bool on) { m_flags1 = uint8_t(on ? m_flags1 | bit : m_flags1 & ~bit); }
    uint8_t flags2() const { return m_flags2; }
    void setFlags2(uint8_t f) { m_flags2 = f; }
    bool hasFlag2(uint8_t bit) const { return (m_flags2 & bit) != 0; }
    void setFlag2(uint8_t bit, bool on) { m_flags2 = uint8_t(on ? m_flags2 | bit : m_flags2 & ~bit); }

    bool isDeadBody() const { return m_deadBody; }
    void setDeadBody(bool on) { m_deadBody = on; }
    /// Saved under the type's elite variant; see the Things records.
    bool isElite() const { return m_elite; }
    void setElite(bool on) { m_elite = on; }

    /// The Create Creature action this creature previews (0 = none).
    int16_t sourceAction() const { return m_sourceAction; }
    void setSourceAction(int16_t actionId) { m_sourceAction = actionId; }
    /// The preview of a Create Creature action: not on the map, drawn where the script will
    /// create it.
    bool isActionPreview() const { return !isPlaced() && m_sourceAction != 0; }
    /// Moving a preview creature moves its action too.
    void setPosition(TilePoint p) override;

    /// Puts the properties selected by a ResetMask back to their defaults.
    void resetProperties(uint32_t mask);

private:
    uint8_t m_type;
    uint8_t m_level = 1;
    uint8_t m_health = 100;
    uint8_t m_gold = 0;
    int32_t m_extra = 0;
    uint8_t m_behaviour = 0;
    uint8_t m_partyId = kNoParty;
    uint8_t m_objective = kDefaultObjective;
    uint8_t m_objectiveValue = kDefaultObjectiveValue;
    uint8_t m_objectiveTarget = 0;
    uint8_t m_flags1 = kDefaultFlags1;
    uint8_t m_flags2 = kDefaultFlags2;
    bool m_deadBody = false;
    bool m_elite = false;
    int16_t m_sourceAction = 0;
};

} // namespace gr2
