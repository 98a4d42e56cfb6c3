#include "typedb/CTrapType.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"resources", 32, 84, K::ArtResource, 2},
    {"iconResource", 200, 84, K::ArtResource},
    {"moreResources", 284, 84, K::ArtResource, 2},
    {"height", 452, 4, K::Real},
    {"rechargeTime", 456, 4, K::Real},
    {"chargeTime", 460, 4, K::Real},
    {"threatDuration", 464, 4, K::Real},
    {"manaCostToFire", 468, 4, K::UInt},
    {"idleEffectDelay", 472, 4, K::Real},
    {"triggerData", 476, 4, K::Int},
    {"shotData1", 480, 4, K::Int},
    {"shotData2", 484, 4, K::Int},
    {"value488", 488, 2, K::Int},
    {"threat", 490, 2, K::Int},
    {"flags", 492, 4, K::Flags},
    {"health", 496, 2, K::Int},
    {"manaCost", 498, 2, K::Int},
    {"powerlessEffect", 500, 2, K::Int},
    {"idleEffect", 502, 2, K::Int},
    {"deathEffect", 504, 2, K::Int},
    {"manufactureToBuild", 506, 2, K::Int},
    {"value508", 508, 2, K::Int},
    {"value510", 510, 2, K::Int},
    {"value512", 512, 2, K::Int},
    {"manaUsage", 514, 2, K::Int},
    {"value516", 516, 2, K::Int},
    {"value518", 518, 2, K::Int},
    {"value520", 520, 2, K::Int},
    {"value522", 522, 1, K::UInt},
    {"triggerType", 523, 1, K::UInt},
    {"id", 524, 1, K::UInt},
    {"shotType", 525, 1, K::UInt},
    {"crateObject", 526, 1, K::UInt},
    {"text527", 527, 32, K::Text},
    {"materialType", 559, 1, K::UInt},
    {"value560", 560, 1, K::UInt},
    {"shotOffsetX", 561, 4, K::Real},
    {"shotOffsetY", 565, 4, K::Real},
    {"shotOffsetZ", 569, 4, K::Real},
    {"shotDelay", 573, 4, K::Real},
    {"healthGain", 577, 2, K::Int},
};

constexpr RecordLayout kLayout{"Trap", RecordSize::Trap, kFields};

} // namespace

const RecordLayout& CTrapType::fileLayout() { return kLayout; }

} // namespace gr2
