#pragma once
// A creature spell type (a spell a creature casts). Its icon index is the "#N" number in the name of
// its ArtResource at 32, and the shot it fires is its linked type.

#include "typedb/CTypeRecord.h"
#include "typedb/CreatureSpellField.h"

namespace gr2 {

namespace CreatureSpellTypeFlag {
inline constexpr int Attacking = 0;
inline constexpr int Defensive = 1;
/// The spell works on a creature; its effect on the creature is the byte at 238.
inline constexpr int Creature = 2;
inline constexpr int CastOnlyOnCreatures = 3;
inline constexpr int ImpTeleport = 5;
inline constexpr int ImpHaste = 6;
inline constexpr int CastOnSelf = 7;
inline constexpr int CastOnOthers = 8;
} // namespace CreatureSpellTypeFlag

class CCreatureSpellType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::CreatureSpell;
    static const RecordLayout& fileLayout();

    CCreatureSpellType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(CreatureSpellField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(CreatureSpellField::IconResource, index); }
    uint8_t linkedTypeId() const override { return uint8_t(intValue(CreatureSpellField::ShotType)); }
    void setLinkedTypeId(uint8_t id) override { setIntValue(CreatureSpellField::ShotType, id); }
    std::optional<TypeFamily> linkedFamily() const override { return TypeFamily::Shot; }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CCreatureSpellType>(*this);
    }
};

} // namespace gr2
