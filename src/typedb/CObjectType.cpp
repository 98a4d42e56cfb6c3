#include "typedb/CObjectType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Object", RecordSize::Object, ObjectField::kTable};

} // namespace

const RecordLayout& CObjectType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
