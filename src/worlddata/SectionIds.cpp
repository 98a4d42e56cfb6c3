#include "worlddata/SectionIds.h"

namespace gr2 {

const char* sectionName(SectionId id)
{
    switch (id) {
    case SectionId::Map:
        return "Map";
    case SectionId::Terrain:
        return "Terrain";
    case SectionId::Room:
        return "Room";
    case SectionId::Trap:
        return "Trap";
    case SectionId::Door:
        return "Door";
    case SectionId::VorlanSpell:
        return "Vorlan Spell";
    case SectionId::CreatureSpell:
        return "Creature Spell";
    case SectionId::Creature:
        return "Creature";
    case SectionId::Player:
        return "Player";
    case SectionId::Thing:
        return "Thing";
    case SectionId::Trigger:
        return "Trigger";
    case SectionId::Level:
        return "Level";
    case SectionId::Variable:
        return "Variable";
    case SectionId::Object:
        return "Object";
    case SectionId::EffectElement:
        return "Effect Element";
    case SectionId::Shot:
        return "Shot";
    case SectionId::Effect:
        return "Effect";
    }
    return "Unknown";
}

bool isKnownSection(uint32_t id)
{
    switch (SectionId(id)) {
    case SectionId::Map:
    case SectionId::Terrain:
    case SectionId::Room:
    case SectionId::Trap:
    case SectionId::Door:
    case SectionId::VorlanSpell:
    case SectionId::CreatureSpell:
    case SectionId::Creature:
    case SectionId::Player:
    case SectionId::Thing:
    case SectionId::Trigger:
    case SectionId::Level:
    case SectionId::Variable:
    case SectionId::Object:
    case SectionId::EffectElement:
    case SectionId::Shot:
    case SectionId::Effect:
        return true;
    }
    return false;
}

uint32_t recordSize(SectionId id)
{
    switch (id) {
    case SectionId::Terrain:
        return RecordSize::Terrain;
    case SectionId::Room:
        return RecordSize::Room;
    case SectionId::Trap:
        return RecordSize::Trap;
    case SectionId::Door:
        return RecordSize::Door;
    case SectionId::VorlanSpell:
        return RecordSize::VorlanSpell;
    case SectionId::CreatureSpell:
        return RecordSize::CreatureSpell;
    case SectionId::Creature:
        return RecordSize::Creature;
    case SectionId::Player:
        return RecordSize::Player;
    case SectionId::Variable:
        return RecordSize::Variable;
    case SectionId::Object:
        return RecordSize::Object;
    case SectionId::EffectElement:
        return RecordSize::EffectElement;
    case SectionId::Shot:
        return RecordSize::Shot;
    case SectionId::Effect:
        return RecordSize::Effect;
    default:
        return 0;
    }
}

uint32_t thingRecordSize(uint32_t kind)
{
    switch (ThingKind(kind)) {
    case ThingKind::Object:
        return 24;
    case ThingKind::Trap:
        return 16;
    case ThingKind::Door:
        return 20;
    case ThingKind::ActionPoint:
        return 56;
    case ThingKind::CreatureNeutral:
        return 24;
    case ThingKind::CreatureGood:
        return 32;
    case ThingKind::CreatureEvil:
        return 28;
    case ThingKind::HeroParty:
        return 555;
    case ThingKind::DeadBody:
        return 16;
    case ThingKind::EffectGenerator:
        return 36;
    case ThingKind::Room:
        return 20;
    case ThingKind::Camera:
        return 84;
    case ThingKind::Plinth:
        return 25;
    }
    return 0;
}

const char* thingKindName(uint32_t kind)
{
    switch (ThingKind(kind)) {
    case ThingKind::Object:
        return "Object";
    case ThingKind::Trap:
        return "Trap";
    case ThingKind::Door:
        return "Door";
    case ThingKind::ActionPoint:
        return "Action Point";
    case ThingKind::CreatureNeutral:
        return "Creature Neutral";
    case ThingKind::CreatureGood:
        return "Creature Good";
    case ThingKind::CreatureEvil:
        return "Creature Evil";
    case ThingKind::HeroParty:
        return "Hero Party";
    case ThingKind::DeadBody:
        return "Dead Body";
    case ThingKind::EffectGenerator:
        return "Effect Generator";
    case ThingKind::Room:
        return "Room";
    case ThingKind::Camera:
        return "Camera";
    case ThingKind::Plinth:
        return "Plinth";
    }
    return nullptr;
}

} // namespace gr2
