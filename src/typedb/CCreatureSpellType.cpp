#include "typedb/CCreatureSpellType.h"

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Creature Spell", RecordSize::CreatureSpell, CreatureSpellField::kTable};

} // namespace

const RecordLayout& CCreatureSpellType::fileLayout()
{
    return kLayout;
}

} // namespace gr2
