#include "typedb/CEffectElementType.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"mass", 116, 4, K::Real},
    {"airFriction", 120, 4, K::Real},
    {"elasticity", 124, 4, K::Real},
    {"minSpeedXY", 128, 4, K::Real},
    {"maxSpeedXY", 132, 4, K::Real},
    {"minSpeedYZ", 136, 4, K::Real},
    {"maxSpeedYZ", 140, 4, K::Real},
    {"minScale", 144, 4, K::Real},
    {"maxScale", 148, 4, K::Real},
    {"scaleRatio", 152, 4, K::Real},
    {"flags", 156, 4, K::Flags},
    {"id", 160, 2, K::UInt},
    {"minHealth", 162, 2, K::Int},
    {"maxHealth", 164, 2, K::Int},
    {"deathElement", 166, 2, K::Int},
    {"hitSolidElement", 168, 2, K::Int},
    {"hitWaterElement", 170, 2, K::Int},
    {"hitLavaElement", 172, 2, K::Int},
    {"red", 174, 1, K::UInt},
    {"green", 175, 1, K::UInt},
    {"blue", 176, 1, K::UInt},
    {"randomColourIndex", 177, 1, K::UInt},
    {"tableColourIndex", 178, 1, K::UInt},
    {"fadePercentage", 179, 1, K::UInt},
    {"nextEffect", 180, 2, K::Int},
};

constexpr RecordLayout kLayout{"Effect Element", RecordSize::EffectElement, kFields};

} // namespace

const RecordLayout& CEffectElementType::fileLayout() { return kLayout; }

} // namespace gr2
