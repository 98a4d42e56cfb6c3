#pragma once
// A terrain type: what a map tile is made of. Its icon index is the plain i16 at 406.

#include "typedb/CTypeRecord.h"
#include "typedb/TerrainField.h"

namespace gr2 {

namespace TerrainTypeFlag {
inline constexpr int Solid = 0;
inline constexpr int Impenetrable = 1;
inline constexpr int Ownable = 2;
inline constexpr int RoomLink = 4; ///< the terrain is a room's floor
inline constexpr int Water = 7;
inline constexpr int Lava = 8;
inline constexpr int TerrainLightRedNinthBit = 19;
inline constexpr int TerrainLightGreenNinthBit = 20;
inline constexpr int TerrainLightBlueNinthBit = 21;
inline constexpr int RevealThroughFogOfWar = 24;
inline constexpr int AmbientLightRedNinthBit = 25;
inline constexpr int AmbientLightGreenNinthBit = 26;
inline constexpr int AmbientLightBlueNinthBit = 27;
inline constexpr int TerrainLightOn = 28;
inline constexpr int AmbientLightOn = 29;
} // namespace TerrainTypeFlag

class CTerrainType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Terrain;
    static const RecordLayout& fileLayout();

    CTerrainType() : CTypeRecord(kFamily) {}

    int iconIndex() const override { return int(intValue(TerrainField::IconIndex)); }
    void setIconIndex(int index) override { setIntValue(TerrainField::IconIndex, index); }
    bool isRoomFloor() const { return hasFlag(TerrainTypeFlag::RoomLink); }
    /// What start-up does to a terrain named as a room's floor: the bytes at 473 and 474 become
    /// its own id and 8, the values at 420 and 422 zero.
    void markAsRoomFloor();

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override
    {
        return std::make_unique<CTerrainType>(*this);
    }
};

} // namespace gr2
