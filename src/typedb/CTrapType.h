#pragma once
// A trap type. Its icon index is the "#N" number in the name of its ArtResource at 200, and the shot
// it fires is its linked type.

#include "typedb/CTypeRecord.h"
#include "typedb/TrapField.h"

namespace gr2 {

namespace TrapTypeFlag {
inline constexpr int DieWhenTriggered = 0;
inline constexpr int RevealWhenFired = 1;
inline constexpr int Disarmable = 4;
inline constexpr int Invisible = 5;
inline constexpr int TrackNearestTarget = 7;
inline constexpr int RequireMana = 8;
inline constexpr int LoopFireAnimation = 9;
inline constexpr int GuardPost = 11;
inline constexpr int Obstacle = 12;
inline constexpr int DoorTrap = 13;
inline constexpr int Good = 15;
inline constexpr int FirstPersonObstacle = 16;
inline constexpr int SolidObstacle = 17;
} // namespace TrapTypeFlag

class CTrapType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Trap;
    static const RecordLayout& fileLayout();

    CTrapType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(TrapField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(TrapField::IconResource, index); }
    uint8_t linkedTypeId() const override { return uint8_t(intValue(TrapField::ShotType)); }
    void setLinkedTypeId(uint8_t id) override { setIntValue(TrapField::ShotType, id); }
    std::optional<TypeFamily> linkedFamily() const override { return TypeFamily::Shot; }
    bool isDoorTrap() const { return hasFlag(TrapTypeFlag::DoorTrap); }
    bool isGood() const { return hasFlag(TrapTypeFlag::Good); }
    /// The object type a trap is boxed in before it is built; 0 = none.
    uint8_t crateObject() const { return uint8_t(intValue(TrapField::CrateObject)); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CTrapType>(*this); }
};

} // namespace gr2
