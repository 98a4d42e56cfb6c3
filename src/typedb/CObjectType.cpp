#include "typedb/CObjectType.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"resources", 32, 84, K::ArtResource, 2},
    {"iconResource", 200, 84, K::ArtResource},
    {"moreResources", 284, 84, K::ArtResource, 6},
    {"light", 788, 24, K::Light},
    {"width", 812, 4, K::Real},
    {"height", 816, 4, K::Real},
    {"mass", 820, 4, K::Real},
    {"value824", 824, 4, K::UInt},
    {"value828", 828, 4, K::UInt},
    {"materialType", 832, 1, K::UInt},
    {"flags", 836, 4, K::Flags},
    {"health", 840, 2, K::Int},
    {"value842", 842, 2, K::Int},
    {"values844", 844, 2, K::Int, 4},
    {"slapEffect", 852, 2, K::Int},
    {"deathEffect", 854, 2, K::Int},
    {"value856", 856, 2, K::Int},
    {"id", 858, 1, K::UInt},
    {"value859", 859, 1, K::UInt},
    {"roomCapacity", 860, 1, K::UInt},
    {"value861", 861, 1, K::UInt},
    {"text862", 862, 32, K::Text},
};

constexpr RecordLayout kLayout{"Object", RecordSize::Object, kFields};

} // namespace

const RecordLayout& CObjectType::fileLayout() { return kLayout; }

} // namespace gr2
