#include "forms/FormChoices.h"

#include "typedb/CTypeDatabase.h"

namespace gr2::FormChoices {

const ChoiceList& materials()
{
    static const ChoiceList list = {{0, "None"},    {1, "Flesh"},   {2, "Rock"},  {3, "Wood"},
                                    {4, "Metal 1"}, {5, "Metal 2"}, {6, "Magic"}, {7, "Glass"}};
    return list;
}

const ChoiceList& trapTriggers()
{
    static const ChoiceList list = {{0, "Null"}, {1, "Line Of Sight"}, {2, "Pressure"}, {3, "Trigger"}};
    return list;
}

const ChoiceList& damageKinds()
{
    static const ChoiceList list = {
        {0, "None"},        {1, "Melee Blade"},    {2, "Melee Blunt"},      {3, "Melee Body"},
        {4, "Fire"},        {5, "Movement"},       {6, "Lightning"},        {7, "Gas"},
        {8, "Projectile"},  {9, "Enhance Other"},  {10, "Enhance Self"},    {11, "Close Combat"},
        {12, "Generation"}, {13, "Physical Trap"}, {14, "Non-Lethal Trap"}, {15, "Melee Scythe"}};
    return list;
}

ChoiceList typesOf(const TypeTableBase& table, bool withNone,
                   const std::function<bool(const CTypeRecord&)>& accept)
{
    ChoiceList list;
    if (withNone)
        list.push_back({0, kNone});
    for (size_t i = 0; i < table.count(); ++i) {
        const CTypeRecord& record = *table.recordAt(i);
        if (!accept || accept(record))
            list.push_back({record.id(), record.name()});
    }
    return list;
}

ChoiceList effects(const CTypeDatabase& types)
{
    return typesOf(types.effects(), true);
}

ChoiceList shots(const CTypeDatabase& types)
{
    return typesOf(types.shots(), true);
}

ChoiceList effectElements(const CTypeDatabase& types)
{
    return typesOf(types.effectElements(), true);
}

ChoiceList objects(const CTypeDatabase& types)
{
    return typesOf(types.objects(), true);
}

ChoiceList crateObjects(const CTypeDatabase& types)
{
    return typesOf(types.objects(), false,
                   [](const CTypeRecord& o) { return o.hasFlag(ObjectTypeFlag::Crate); });
}

ChoiceList doorKeyObjects(const CTypeDatabase& types)
{
    return typesOf(types.objects(), true,
                   [](const CTypeRecord& o) { return o.hasFlag(ObjectTypeFlag::DoorKey); });
}

bool isEditableTerrain(const CTypeRecord& terrain)
{
    const uint32_t id = terrain.id();
    return id != 27 && id != 30 && id != 38 && !terrain.hasFlag(TerrainTypeFlag::RoomLink);
}

ChoiceList editableTerrains(const CTypeDatabase& types)
{
    return typesOf(types.terrains(), false, isEditableTerrain);
}

ChoiceSource fixed(ChoiceList list)
{
    return [list = std::move(list)](const FormState&) { return list; };
}

} // namespace gr2::FormChoices
