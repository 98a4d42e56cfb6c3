#include "typedb/CVorlanSpellType.h"

namespace gr2 {

namespace {

using K = FieldKind;

constexpr FieldDef kFields[] = {
    {"name", 0, 32, K::Text},
    {"resource", 32, 84, K::ArtResource},
    {"iconResource", 116, 84, K::ArtResource},
    {"value200", 200, 4, K::UInt},
    {"rechargeTime", 204, 4, K::Real},
    {"shotData1", 208, 4, K::Int},
    {"shotData2", 212, 4, K::Int},
    {"researchTime", 216, 2, K::Int},
    {"targetRule", 218, 1, K::UInt},
    {"value219", 219, 1, K::UInt},
    {"flags", 220, 4, K::Flags},
    {"manaDrain", 226, 2, K::Int},
    {"values228", 228, 2, K::Int, 5},
    {"id", 238, 1, K::UInt},
    {"castRule", 239, 1, K::UInt},
    {"shotType", 240, 1, K::UInt},
    {"text241", 241, 32, K::Text},
    {"bonusRechargeTime", 273, 2, K::Int},
    {"bonusShotType", 275, 1, K::UInt},
    {"bonusShotData1", 276, 4, K::Int},
    {"bonusShotData2", 280, 4, K::Int},
    {"manaCost", 284, 4, K::UInt},
    {"resource288", 288, 84, K::ArtResource},
    {"text372", 372, 32, K::Text},
    {"handAnimation", 404, 1, K::UInt},
    {"noGoHandAnimation", 405, 1, K::UInt},
};

constexpr RecordLayout kLayout{"Vorlan Spell", RecordSize::VorlanSpell, kFields};

} // namespace

const RecordLayout& CVorlanSpellType::fileLayout() { return kLayout; }

} // namespace gr2
