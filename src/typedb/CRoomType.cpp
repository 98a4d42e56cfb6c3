#include "typedb/CRoomType.h"

#include <string>

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Room", RecordSize::Room, RoomField::kTable};

} // namespace

const RecordLayout& CRoomType::fileLayout()
{
    return kLayout;
}

int CRoomType::iconIndex() const
{
    return parseLeadingNumber(textValue(RoomField::IconResource));
}

void CRoomType::setIconIndex(int index)
{
    setTextValue(RoomField::IconResource, std::to_string(index));
}

uint8_t CRoomType::floorTerrainId() const
{
    return uint8_t(intValue(RoomField::FloorTerrain));
}

void CRoomType::setFloorTerrainId(uint8_t terrainId)
{
    setIntValue(RoomField::FloorTerrain, terrainId);
}

} // namespace gr2
