#include "support/TestLevelTypes.h"

#include "level/CObjectThing.h"
#include "level/LevelIds.h"

namespace gr2::test {

TestLevelTypes::TestLevelTypes()
{
    using namespace TerrainFlag;
    terrains = {
        {TestTerrain::Rock, Solid},
        {TestTerrain::Earth, Solid | Ownable},
        {TestTerrain::Path, Ownable},
        {TestTerrain::Lava, Lava},
        {TestTerrain::Water, 0},
        {TestTerrain::Claimed, Ownable},
        {TestTerrain::Treasury, Ownable | RoomFloor},
        {TerrainId::Portal, Ownable | RoomFloor},
        {TerrainId::DungeonHeart, Ownable | RoomFloor},
        {TestTerrain::Bridge, 0},
        {TerrainId::Border, Solid},
        {TerrainId::HeroGate, RoomFloor},
        {TerrainId::HeroGateLarge, RoomFloor},
        {TerrainId::HeroGateSmall, RoomFloor},
        {TerrainId::PortalAlt, Ownable | RoomFloor},
    };
    objects = {
        {TestObject::Gold, ObjectClass::Gold},
        {TestObject::SmallGold, ObjectClass::Gold},
        {TestObject::SpellBook, ObjectClass::SpellBook},
        {TestObject::Crate, ObjectClass::Crate},
        {TestObject::Special, ObjectClass::Special},
        {TestObject::Plain, 0},
        {130, 0},
    };
    trapShots = {{1, 5}, {2, 0}};
    // Ids 3 and 25 are built without the flag; 7 is neither.
    rooms = {{3, false}, {5, true}, {7, false}, {25, false}, {11, true}};
    creatures = {
        {TestCreature::Imp, {}},
        {TestCreature::Knight, {300, 1000, true, 0}},
        {TestCreature::Warlock, {}},
        {TestCreature::EliteWarlock, {250, 600, false, TestCreature::Warlock}},
    };
    availability[AvailabilityKind::Rooms] = {{10, 1}, {12, 1}};
    availability[AvailabilityKind::Creatures] = {{TestCreature::Imp, 1}, {TestCreature::Warlock, 1}};
    availability[AvailabilityKind::Traps] = {{1, 1}};
    availability[AvailabilityKind::Doors] = {{1, 1}, {2, 1}};
    availability[AvailabilityKind::VorlanSpells] = {{3, 1}};
    variables.assign(248, 0.0);
    variables[3] = 180;
    variables[67] = 2;
    variables[178] = 1500;
    overridable = {3, 4, 67, 155, 178};
}

std::optional<uint32_t> TestLevelTypes::terrainFlags(uint8_t id) const
{
    auto it = terrains.find(id);
    return it == terrains.end() ? std::nullopt : std::optional<uint32_t>(it->second);
}

uint32_t TestLevelTypes::objectFlags(uint8_t type) const
{
    auto it = objects.find(type);
    return it == objects.end() ? 0 : it->second;
}

uint8_t TestLevelTypes::trapDefaultShots(uint8_t type) const
{
    auto it = trapShots.find(type);
    return it == trapShots.end() ? 0 : it->second;
}

bool TestLevelTypes::creatureTypeExists(uint8_t type) const
{
    return creatures.count(type) != 0;
}

uint8_t TestLevelTypes::eliteVariantOf(uint8_t type) const
{
    for (const auto& [id, c] : creatures)
        if (c.eliteOf == type)
            return id;
    return 0;
}

std::optional<uint8_t> TestLevelTypes::eliteBaseOf(uint8_t type) const
{
    auto it = creatures.find(type);
    if (it == creatures.end() || it->second.eliteOf == 0)
        return std::nullopt;
    return it->second.eliteOf;
}

int32_t TestLevelTypes::creatureMaxHealth(uint8_t type) const
{
    auto it = creatures.find(type);
    return it == creatures.end() ? 0 : it->second.maxHealth;
}

int32_t TestLevelTypes::creatureMaxGold(uint8_t type) const
{
    auto it = creatures.find(type);
    return it == creatures.end() ? 0 : it->second.maxGold;
}

std::vector<uint8_t> TestLevelTypes::poolCreatureTypes() const
{
    std::vector<uint8_t> out;
    for (const auto& [id, c] : creatures)
        if (c.inPool && c.eliteOf == 0)
            out.push_back(id);
    return out;
}

std::vector<AvailabilityEntry> TestLevelTypes::defaultAvailability(AvailabilityKind kind) const
{
    auto it = availability.find(kind);
    return it == availability.end() ? std::vector<AvailabilityEntry>{} : it->second;
}

std::vector<BuildOrderRoom> TestLevelTypes::roomTypes() const
{
    return rooms;
}

std::vector<double> TestLevelTypes::globalVariables() const
{
    return variables;
}

std::vector<uint32_t> TestLevelTypes::overridableVariableIds() const
{
    return overridable;
}

} // namespace gr2::test
