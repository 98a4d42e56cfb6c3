#include "typedb/CDoorType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Door", RecordSize::Door, DoorField::kTable};

} // namespace

const RecordLayout& CDoorType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
