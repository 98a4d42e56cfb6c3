#include "support/TypeDataBuilder.h"

namespace gr2::test {

std::unique_ptr<CTypeRecord> makeType(TypeFamily family, uint16_t id, const std::string& name)
{
    std::unique_ptr<CTypeRecord> r = CTypeRecord::create(family);
    r->setId(id);
    r->setName(name);
    return r;
}

void buildSmallTypeData(CTypeDatabase& db)
{
    addType(db.terrains(), 1, "Rock").setFlag(TerrainTypeFlag::Solid, true);
    addType(db.terrains(), 2, "Path").setFlag(TerrainTypeFlag::Ownable, true);
    addType(db.terrains(), 10, "Treasury Floor").setFlag(TerrainTypeFlag::RoomLink, true);

    CRoomType& treasury = addType(db.rooms(), 1, "Treasury");
    treasury.setFlag(RoomTypeFlag::Buildable, true);
    treasury.setFloorTerrainId(10);
    addType(db.rooms(), 12, "Portal");
    addType(db.rooms(), 13, "Good Room").setFlag(RoomTypeFlag::IsGood, true);

    addType(db.creatures(), 1, "Imp").setFlags1(1u << CreatureFlag1::IsWorker);
    addType(db.creatures(), 2, "Knight").setFlags1(1u << CreatureFlag1::IsGood);
    addType(db.creatures(), 3, "Warlock").setFlags1(1u << CreatureFlag1::AvailableViaPortal);
    CCreatureType& elite = addType(db.creatures(), 20, "Elite Warlock");
    elite.setFlags1(1u << CreatureFlag1::IsUnique | 1u << CreatureFlag1::AvailableViaPortal);
    elite.setEliteBaseId(3);

    addType(db.doors(), 1, "Wooden");
    addType(db.doors(), 2, "Good Door").setFlag(7, true);

    addType(db.traps(), 1, "Sentry").setLinkedTypeId(1);
    addType(db.traps(), 2, "Door Trap").setFlag(13, true);
    addType(db.traps(), 3, "Good Trap").setFlag(15, true);

    addType(db.objects(), 1, "Gold");
    addType(db.vorlanSpells(), 1, "Lightning").setLinkedTypeId(1);
    addType(db.vorlanSpells(), 14, "Hidden");
    addType(db.creatureSpells(), 1, "Fireball").setLinkedTypeId(1);
    addType(db.shots(), 1, "Bolt");
    addType(db.effects(), 300, "Smoke");
    addType(db.effectElements(), 400, "Puff");
}

Bytes distinctFileRecord(TypeFamily family, uint8_t seed, uint8_t filler)
{
    const RecordLayout& layout = layoutOf(family);
    Bytes bytes(layout.size, filler);
    uint32_t counter = seed;
    auto next = [&counter]() {
        counter = counter % 251 + 1; // 1 to 251, never zero
        return uint8_t(counter);
    };
    for (const FieldDef& f : layout.fields) {
        for (size_t e = 0; e < f.count; ++e) {
            uint8_t* p = bytes.data() + f.elementOffset(e);
            if (f.kind == FieldKind::Text) {
                std::fill_n(p, f.width, uint8_t(0));
                for (size_t i = 0; i + 1 < f.width && i < 10; ++i)
                    p[i] = uint8_t('a' + next() % 26);
            } else {
                for (size_t i = 0; i < f.width; ++i)
                    p[i] = next();
            }
        }
    }
    return bytes;
}

} // namespace gr2::test
