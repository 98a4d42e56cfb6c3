#include "forms/TypeEditorForms.h"

#include "forms/FormChoices.h"
#include "typedb/CTypeDatabase.h"

namespace gr2 {

bool hasTypeEditor(TypeFamily family)
{
    switch (family) {
    case TypeFamily::Terrain:
    case TypeFamily::Room:
    case TypeFamily::Creature:
    case TypeFamily::Door:
    case TypeFamily::Trap:
    case TypeFamily::Object:
    case TypeFamily::VorlanSpell:
    case TypeFamily::CreatureSpell:
    case TypeFamily::Shot:
    case TypeFamily::Effect:
    case TypeFamily::EffectElement:
        return true;
    default:
        return false;
    }
}

std::vector<size_t> typeEditorListing(TypeFamily family, const CTypeDatabase& types)
{
    const TypeTableBase& table = types.table(family);
    std::vector<size_t> positions;
    if (family == TypeFamily::Room) {
        for (size_t n = 1; n <= table.count(); ++n)
            for (size_t i = 0; i < table.count(); ++i) {
                const CTypeRecord& room = *table.recordAt(i);
                const int64_t floor = room.intValue(RoomField::FloorTerrain);
                if (room.intValue(RoomField::IntroductionIndex) == int64_t(n) && floor != 29 && floor != 34 &&
                    floor != 39 && floor != 41)
                    positions.push_back(i);
            }
        return positions;
    }
    for (size_t i = 0; i < table.count(); ++i)
        if (family != TypeFamily::Terrain || FormChoices::isEditableTerrain(*table.recordAt(i)))
            positions.push_back(i);
    return positions;
}

std::optional<FormDescription<CTypeRecord>> typeEditorForm(TypeFamily family, CTypeDatabase& types)
{
    switch (family) {
    case TypeFamily::Terrain:
        return terrainTypeForm(types);
    case TypeFamily::Room:
        return roomTypeForm(types);
    case TypeFamily::Creature:
        return creatureTypeForm(types);
    case TypeFamily::Door:
        return doorTypeForm(types);
    case TypeFamily::Trap:
        return trapTypeForm(types);
    case TypeFamily::Object:
        return objectTypeForm(types);
    case TypeFamily::VorlanSpell:
        return vorlanSpellTypeForm(types);
    case TypeFamily::CreatureSpell:
        return creatureSpellTypeForm(types);
    case TypeFamily::Shot:
        return shotTypeForm(types);
    case TypeFamily::Effect:
        return effectTypeForm(types);
    case TypeFamily::EffectElement:
        return effectElementTypeForm(types);
    default:
        return std::nullopt;
    }
}

} // namespace gr2
