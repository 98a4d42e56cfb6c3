#include "typedb/TypeFamily.h"

#include "typedb/CCreatureSpellType.h"
#include "typedb/CCreatureType.h"
#include "typedb/CDoorType.h"
#include "typedb/CEffectElementType.h"
#include "typedb/CEffectType.h"
#include "typedb/CObjectType.h"
#include "typedb/CRoomType.h"
#include "typedb/CShotType.h"
#include "typedb/CTerrainType.h"
#include "typedb/CTrapType.h"
#include "typedb/CVorlanSpellType.h"

namespace gr2 {

namespace {

struct FamilyInfo {
    SectionId section;
    const char* baseName;
    const char* name;
};

constexpr FamilyInfo kInfo[kTypeFamilyCount] = {
    {SectionId::Terrain, "Terrain", "Terrain"},
    {SectionId::Room, "Rooms", "Room"},
    {SectionId::Creature, "Creatures", "Creature"},
    {SectionId::Door, "Doors", "Door"},
    {SectionId::Trap, "Traps", "Trap"},
    {SectionId::Object, "Objects", "Object"},
    {SectionId::VorlanSpell, "VorlanSpells", "Vorlan Spell"},
    {SectionId::CreatureSpell, "CreatureSpells", "Creature Spell"},
    {SectionId::Shot, "Shots", "Shot"},
    {SectionId::Effect, "Effects", "Effect"},
    {SectionId::EffectElement, "EffectElements", "Effect Element"},
};

const FamilyInfo& info(TypeFamily family)
{
    return kInfo[size_t(family) % kTypeFamilyCount];
}

} // namespace

SectionId sectionOf(TypeFamily family)
{
    return info(family).section;
}

std::optional<TypeFamily> familyOfSection(uint32_t sectionId)
{
    for (TypeFamily f : kAllTypeFamilies)
        if (uint32_t(info(f).section) == sectionId)
            return f;
    return std::nullopt;
}

uint32_t recordSizeOf(TypeFamily family)
{
    return recordSize(sectionOf(family));
}

const RecordLayout& layoutOf(TypeFamily family)
{
    switch (family) {
    case TypeFamily::Terrain:
        return CTerrainType::fileLayout();
    case TypeFamily::Room:
        return CRoomType::fileLayout();
    case TypeFamily::Creature:
        return CCreatureType::fileLayout();
    case TypeFamily::Door:
        return CDoorType::fileLayout();
    case TypeFamily::Trap:
        return CTrapType::fileLayout();
    case TypeFamily::Object:
        return CObjectType::fileLayout();
    case TypeFamily::VorlanSpell:
        return CVorlanSpellType::fileLayout();
    case TypeFamily::CreatureSpell:
        return CCreatureSpellType::fileLayout();
    case TypeFamily::Shot:
        return CShotType::fileLayout();
    case TypeFamily::Effect:
        return CEffectType::fileLayout();
    case TypeFamily::EffectElement:
        break;
    }
    return CEffectElementType::fileLayout();
}

const char* fileBaseName(TypeFamily family)
{
    return info(family).baseName;
}

const char* familyName(TypeFamily family)
{
    return info(family).name;
}

} // namespace gr2
