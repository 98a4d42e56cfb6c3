#pragma once
// A shot type: a projectile or area attack that traps, spells and creatures fire.

#include "typedb/CTypeRecord.h"
#include "typedb/ShotField.h"

namespace gr2 {

/// Bits of the first flag word (160): when the shot does its work.
namespace ShotProcessFlag {
inline constexpr int Constant = 1;
inline constexpr int HitCollideThing = 2;
inline constexpr int HitSolid = 3;
inline constexpr int HitWater = 4;
inline constexpr int HitLava = 5;
inline constexpr int AtStart = 6;
inline constexpr int AtEnd = 7;
inline constexpr int HitThing = 8;
} // namespace ShotProcessFlag

/// Bits of the second flag word (168).
namespace ShotTypeFlag {
inline constexpr int DieWhenHitSolid = 0;
inline constexpr int DieWhenHitThing = 1;
inline constexpr int DieOverTime = 2;
inline constexpr int Bounce = 3;
inline constexpr int ThrownProjectile = 4;
inline constexpr int MoveTowardsTarget = 5;
inline constexpr int KillEffectsWhenDead = 6;
inline constexpr int PassOnVelocityToCreationEffect = 7;
inline constexpr int Recoil = 8;
} // namespace ShotTypeFlag

class CShotType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Shot;
    static const RecordLayout& fileLayout();

    CShotType() : CTypeRecord(kFamily) {}

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CShotType>(*this); }
};

} // namespace gr2
