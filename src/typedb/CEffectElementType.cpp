#include "typedb/CEffectElementType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Effect Element", RecordSize::EffectElement, EffectElementField::kTable};

} // namespace

const RecordLayout& CEffectElementType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
