#pragma once
// A room type. Its icon index is the leading decimal number of the name of its ArtResource at 116,
// and it names its floor terrain by the terrain id in the byte at 915.

#include "typedb/CTypeRecord.h"
#include "typedb/RoomField.h"

namespace gr2 {

namespace RoomTypeFlag {
inline constexpr int OnWater = 0;
inline constexpr int OnLava = 1;
inline constexpr int OnLand = 2;
inline constexpr int HasWalls = 3;
inline constexpr int Buildable = 7;
inline constexpr int TorchRedNinthBit = 9;
inline constexpr int TorchGreenNinthBit = 10;
inline constexpr int TorchBlueNinthBit = 11;
inline constexpr int IsGood = 13;
} // namespace RoomTypeFlag

class CRoomType : public CTypeRecord {
public:
    static constexpr TypeFamily kFamily = TypeFamily::Room;
    static const RecordLayout& fileLayout();

    CRoomType() : CTypeRecord(kFamily) {}

    /// The leading number of the icon resource's name (0 when there is none).
    int iconIndex() const override;
    /// Writes the index in decimal as the whole name of the icon resource.
    void setIconIndex(int index) override;

    /// The terrain type id of the room's floor; 0 when the room names none. The one place that
    /// says where the floor terrain lives: every user (start-up fix-ups, the terrain-to-room
    /// table, palette, editors, sample data) goes through these two.
    uint8_t floorTerrainId() const;
    void setFloorTerrainId(uint8_t terrainId);

    bool isBuildable() const { return hasFlag(RoomTypeFlag::Buildable); }

protected:
    std::unique_ptr<CTypeRecord> cloneRecord() const override { return std::make_unique<CRoomType>(*this); }
};

} // namespace gr2
