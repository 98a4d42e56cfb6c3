#include "typedb/CEffectType.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"light", 116, 24, K::Light},
    {"mass", 140, 4, K::Real},
    {"airFriction", 144, 4, K::Real},
    {"elasticity", 148, 4, K::Real},
    {"radius", 152, 4, K::Real},
    {"minSpeedXY", 156, 4, K::Real},
    {"maxSpeedXY", 160, 4, K::Real},
    {"minSpeedYZ", 164, 4, K::Real},
    {"maxSpeedYZ", 168, 4, K::Real},
    {"minScale", 172, 4, K::Real},
    {"maxScale", 176, 4, K::Real},
    {"flags", 180, 4, K::Flags},
    {"id", 184, 2, K::UInt},
    {"minHealth", 186, 2, K::Int},
    {"maxHealth", 188, 2, K::Int},
    {"fadeDuration", 190, 2, K::Int},
    {"nextEffect", 192, 2, K::Int},
    {"deathEffect", 194, 2, K::Int},
    {"hitSolidEffect", 196, 2, K::Int},
    {"hitLavaEffect", 198, 2, K::Int},
    {"hitWaterEffect", 200, 2, K::Int},
    {"elements", 202, 2, K::Int, 8},
    {"generationData", 218, 2, K::Int, 12},
    {"value242", 242, 1, K::UInt},
    {"elementsPerTurn", 243, 1, K::UInt},
};

constexpr RecordLayout kLayout{"Effect", RecordSize::Effect, kFields};

} // namespace

const RecordLayout& CEffectType::fileLayout() { return kLayout; }

} // namespace gr2
