#pragma once
// An object type (gold, spell books, crates, lairs, ...). Its icon index is the "#N" number in the
// name of its ArtResource at 200.

#include "typedb/CTypeRecord.h"
#include "typedb/ObjectField.h"

namespace gr2 {

/// Bits of the object flags word. The object's kind is at most one of the seven kind bits; an
/// object with none is a normal object.
namespace ObjectTypeFlag {
inline constexpr int DieOverTime = 0;
inline constexpr int DieOverTimeIfNotInRoom = 1;
inline constexpr int Special = 2;
inline constexpr int SpellBook = 3;
inline constexpr int Crate = 4;
inline constexpr int Lair = 5;
inline constexpr int Gold = 6;
inline constexpr int Food = 7;
inline constexpr int CanBePickedUp = 8;
inline constexpr int CanBeSlapped = 9;
inline constexpr int DieWhenSlapped = 10;
inline constexpr int LevelGem = 12;
inline constexpr int CanBeDroppedOnAnyLand = 13;
inline constexpr int Obstacle = 14;
inline constexpr int Bounce = 15;
inline constexpr int BoulderCanRollThrough = 16;
inline constexpr int BoulderDestroys = 17;
inline constexpr int Pillar = 18;
inline constexpr int DoorKey = 20;
inline constexpr int Damageable = 21;
inline constexpr int Highlightable = 22;
inline constexpr int Placeable = 23;
inline constexpr int FirstPersonObstacle = 24;
inline constexpr int SolidObstacle = 25;
inline constexpr int CastShadow = 26;
} // namespace ObjectTypeFlag

class CObjectType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Object;
    static const RecordLayout& fileLayout();

    CObjectType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return iconFromHashName(ObjectField::IconResource); }
    void setIconIndex(int index) override { setIconInHashName(ObjectField::IconResource, index); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CObjectType>(*this); }
};

} // namespace gr2
