#include "typedb/CVorlanSpellType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Vorlan Spell", RecordSize::VorlanSpell, VorlanSpellField::kTable};

} // namespace

const RecordLayout& CVorlanSpellType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
