#include "typedb/CEffectType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Effect", RecordSize::Effect, EffectField::kTable};

} // namespace

const RecordLayout& CEffectType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
