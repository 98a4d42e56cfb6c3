#include "typedb/CCreatureSpellType.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"iconResource", 32, 84, K::ArtResource},
    {"resource", 116, 84, K::ArtResource},
    {"shotData1", 200, 4, K::Int},
    {"shotData2", 204, 4, K::Int},
    {"range", 208, 4, K::Real},
    {"flags", 212, 4, K::Flags},
    {"values216", 216, 2, K::Int, 7},
    {"id", 230, 1, K::UInt},
    {"shotType", 231, 1, K::UInt},
    {"value232", 232, 1, K::UInt},
    {"value233", 233, 1, K::UInt},
    {"rechargeTime", 234, 4, K::Real},
    {"creatureEffect", 238, 1, K::UInt},
};

constexpr RecordLayout kLayout{"Creature Spell", RecordSize::CreatureSpell, kFields};

} // namespace

const RecordLayout& CCreatureSpellType::fileLayout() { return kLayout; }

} // namespace gr2
