#include "typedb/CRoomType.h"

#include <string>

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"iconResource", 116, 84, K::ArtResource},
    {"resources", 200, 84, K::ArtResource, 7},
    {"resource788", 788, 84, K::ArtResource},
    {"ceilingHeight", 872, 4, K::Real},
    {"value876", 876, 2, K::Int},
    {"torchIntensity", 878, 1, K::UInt},
    {"flags", 880, 4, K::Flags},
    {"value884", 884, 2, K::Int},
    {"value886", 886, 2, K::Int},
    {"cost", 888, 2, K::Int},
    {"fightEffect", 890, 2, K::Int},
    {"value892", 892, 2, K::Int},
    {"value894", 894, 2, K::Int},
    {"torchHeight", 896, 2, K::Real}, // 4.12 in sixteen bits
    {"effects", 898, 2, K::Int, 8},
    {"id", 914, 1, K::UInt},
    {"floorTerrain", 915, 1, K::UInt},
    {"value916", 916, 1, K::UInt},
    {"value917", 917, 1, K::UInt},
    {"value918", 918, 1, K::UInt},
    {"torchRed", 919, 1, K::UInt},
    {"torchGreen", 920, 1, K::UInt},
    {"torchBlue", 921, 1, K::UInt},
    {"objects", 922, 1, K::UInt, 8},
    {"soundCategory", 930, 32, K::Text},
    {"introductionIndex", 962, 1, K::UInt},
    {"torchRadius", 963, 4, K::Real},
    {"resource967", 967, 84, K::ArtResource},
    {"value1051", 1051, 1, K::UInt},
    {"value1052", 1052, 1, K::UInt},
    {"healthGain", 1053, 2, K::Int},
};

constexpr RecordLayout kLayout{"Room", RecordSize::Room, kFields};

} // namespace

const RecordLayout& CRoomType::fileLayout() { return kLayout; }

int CRoomType::iconIndex() const { return parseLeadingNumber(textValue("iconResource")); }

void CRoomType::setIconIndex(int index) { setTextValue("iconResource", std::to_string(index)); }

uint8_t CRoomType::floorTerrainId() const { return uint8_t(intValue("floorTerrain")); }

void CRoomType::setFloorTerrainId(uint8_t terrainId) { setIntValue("floorTerrain", terrainId); }

} // namespace gr2
