#include "typedb/CTrapType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Trap", RecordSize::Trap, TrapField::kTable};

} // namespace

const RecordLayout& CTrapType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
