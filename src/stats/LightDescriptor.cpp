#include "stats/LightDescriptor.h"

namespace gr2 {

namespace {

constexpr FieldDef kFields[] = {
    LightField::X,     LightField::Y,   LightField::Z,     LightField::Radius,
    LightField::Flags, LightField::Red, LightField::Green, LightField::Blue,
};

constexpr RecordLayout kLayout{"Light", kLightDescriptorSize, kFields};

} // namespace

const RecordLayout& lightDescriptorLayout()
{
    return kLayout;
}

} // namespace gr2
