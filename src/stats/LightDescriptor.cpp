#include "stats/LightDescriptor.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"x", LightPart::X, 4, K::Real},          {"y", LightPart::Y, 4, K::Real},
    {"z", LightPart::Z, 4, K::Real},          {"radius", LightPart::Radius, 4, K::Real},
    {"flags", LightPart::Flags, 4, K::Flags}, {"red", LightPart::Red, 1, K::UInt},
    {"green", LightPart::Green, 1, K::UInt},  {"blue", LightPart::Blue, 1, K::UInt},
};

constexpr RecordLayout kLayout{"Light", 24, kFields};

} // namespace

const RecordLayout& lightDescriptorLayout()
{
    return kLayout;
}

} // namespace gr2
