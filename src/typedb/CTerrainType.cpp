#include "typedb/CTerrainType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Terrain", RecordSize::Terrain, TerrainField::kTable};

} // namespace

const RecordLayout& CTerrainType::fileLayout()
{
    return kLayout;
}

void CTerrainType::markAsRoomFloor()
{
    setIntValue(TerrainField::MaxHealthType, id());
    setIntValue(TerrainField::DestroyedType, 8);
    setIntValue(TerrainField::MaxHealthEffect, 0);
    setIntValue(TerrainField::DestroyedEffect, 0);
}

} // namespace gr2
