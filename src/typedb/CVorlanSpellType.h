#pragma once
// A Vorlan spell type (a spell the overlord casts). Its icon index is the "#N" number in the name
// of its ArtResource at 116, and the shot it fires is its linked type.

#include "typedb/CTypeRecord.h"
#include "typedb/VorlanSpellField.h"

namespace gr2 {

namespace VorlanSpellTypeFlag {
inline constexpr int CreateWorker = 1;
inline constexpr int Attacking = 2;
inline constexpr int Defensive = 3;
inline constexpr int DontCastOnCreatures = 4;
} // namespace VorlanSpellTypeFlag

class CVorlanSpellType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::VorlanSpell;
    static const RecordLayout& fileLayout();

    CVorlanSpellType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(VorlanSpellField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(VorlanSpellField::IconResource, index); }
    uint8_t linkedTypeId() const override { return uint8_t(intValue(VorlanSpellField::ShotType)); }
    void setLinkedTypeId(uint8_t id) override { setIntValue(VorlanSpellField::ShotType, id); }
    std::optional<TypeFamily> linkedFamily() const override { return TypeFamily::Shot; }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CVorlanSpellType>(*this);
    }
};

} // namespace gr2
