#include "typedb/CShotType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Shot", RecordSize::Shot, ShotField::kTable};

} // namespace

const RecordLayout& CShotType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
