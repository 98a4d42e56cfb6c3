// Field handles: each names the field it claims in its family's one table, reaches it by index,
// and a handle of one family leaves a record of another untouched.

#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>

namespace gr2 {
namespace {

struct FamilyTable {
    TypeFamily family;
    std::span<const FieldDef> table;
};

// The table each family's handles are made from must be the one its records are read through.
const FamilyTable kFamilyTables[] = {
    {TypeFamily::Terrain, TerrainField::kTable},
    {TypeFamily::Room, RoomField::kTable},
    {TypeFamily::Creature, CreatureField::kTable},
    {TypeFamily::Door, DoorField::kTable},
    {TypeFamily::Trap, TrapField::kTable},
    {TypeFamily::Object, ObjectField::kTable},
    {TypeFamily::VorlanSpell, VorlanSpellField::kTable},
    {TypeFamily::CreatureSpell, CreatureSpellField::kTable},
    {TypeFamily::Shot, ShotField::kTable},
    {TypeFamily::Effect, EffectField::kTable},
    {TypeFamily::EffectElement, EffectElementField::kTable},
};

TEST(TypeFieldTest, HandlesAreMadeFromTheTableTheFamilyIsReadThrough)
{
    ASSERT_EQ(std::size(kFamilyTables), kTypeFamilyCount);
    for (const FamilyTable& t : kFamilyTables) {
        SCOPED_TRACE(familyName(t.family));
        EXPECT_EQ(layoutOf(t.family).fields.data(), t.table.data());
        EXPECT_EQ(layoutOf(t.family).fields.size(), t.table.size());
    }
}

struct Claim {
    TypeField handle;
    TypeFamily family;
    std::string_view name;
    uint32_t offset;
};

// Every handle the families declare, with the field and offset it stands for.
const Claim kClaims[] = {
    {TerrainField::Name, TypeFamily::Terrain, "name", 0},
    {TerrainField::Id, TypeFamily::Terrain, "id", 470},
    {TerrainField::Flags, TypeFamily::Terrain, "flags", 400},
    {TerrainField::IconIndex, TypeFamily::Terrain, "iconIndex", 406},
    {TerrainField::GoldValue, TypeFamily::Terrain, "goldValue", 410},
    {TerrainField::StartingHealth, TypeFamily::Terrain, "startingHealth", 471},
    {TerrainField::MaxHealth, TypeFamily::Terrain, "maxHealth", 511},
    {TerrainField::MaxHealthType, TypeFamily::Terrain, "maxHealthType", 473},
    {TerrainField::DestroyedType, TypeFamily::Terrain, "destroyedType", 474},
    {TerrainField::MaxHealthEffect, TypeFamily::Terrain, "maxHealthEffect", 420},
    {TerrainField::DestroyedEffect, TypeFamily::Terrain, "destroyedEffect", 422},
    {TerrainField::Light, TypeFamily::Terrain, "light", 368},
    {RoomField::Name, TypeFamily::Room, "name", 0},
    {RoomField::Id, TypeFamily::Room, "id", 914},
    {RoomField::Flags, TypeFamily::Room, "flags", 880},
    {RoomField::IconResource, TypeFamily::Room, "iconResource", 116},
    {RoomField::FloorTerrain, TypeFamily::Room, "floorTerrain", 915},
    {RoomField::Cost, TypeFamily::Room, "cost", 888},
    {RoomField::TorchHeight, TypeFamily::Room, "torchHeight", 896},
    {RoomField::HealthGain, TypeFamily::Room, "healthGain", 1053},
    {CreatureField::Name, TypeFamily::Creature, "name", 0},
    {CreatureField::Id, TypeFamily::Creature, "id", 3915},
    {CreatureField::Flags1, TypeFamily::Creature, "flags1", 3836},
    {CreatureField::Flags2, TypeFamily::Creature, "flags2", 5529},
    {CreatureField::IconResource, TypeFamily::Creature, "iconResource", 3224},
    {CreatureField::AnimationResources, TypeFamily::Creature, "animationResources", 32},
    {CreatureField::AnimationResource37, TypeFamily::Creature, "animationResource37", 4049},
    {CreatureField::EliteBaseType, TypeFamily::Creature, "eliteBaseType", 3387},
    {CreatureField::Attraction1Kind, TypeFamily::Creature, "attraction1Kind", 3500},
    {CreatureField::Attraction1Value, TypeFamily::Creature, "attraction1Value", 3504},
    {CreatureField::Attraction2Kind, TypeFamily::Creature, "attraction2Kind", 3508},
    {CreatureField::Attraction2Value, TypeFamily::Creature, "attraction2Value", 3512},
    {CreatureField::Light, TypeFamily::Creature, "light", 3476},
    {CreatureField::HateJobs, TypeFamily::Creature, "hateJobs", 3700},
    {CreatureField::MoreHateJobs, TypeFamily::Creature, "moreHateJobs", 5345},
    {CreatureField::Speed, TypeFamily::Creature, "speed", 3764},
    {CreatureField::JobClass, TypeFamily::Creature, "jobClass", 3842},
    {CreatureField::FightStyle, TypeFamily::Creature, "fightStyle", 3843},
    {CreatureField::Health, TypeFamily::Creature, "health", 3852},
    {CreatureField::Fear, TypeFamily::Creature, "fear", 3856},
    {CreatureField::MaxGoldHeld, TypeFamily::Creature, "maxGoldHeld", 3870},
    {CreatureField::InitialGoldHeld, TypeFamily::Creature, "initialGoldHeld", 3892},
    {CreatureField::SpecialAbilities, TypeFamily::Creature, "specialAbilities", 3910},
    {CreatureField::SpecialAbilityValues, TypeFamily::Creature, "specialAbilityValues", 5353},
    {DoorField::Name, TypeFamily::Door, "name", 0},
    {DoorField::Id, TypeFamily::Door, "id", 580},
    {DoorField::Flags, TypeFamily::Door, "flags", 552},
    {DoorField::IconResource, TypeFamily::Door, "iconResource", 200},
    {DoorField::Health, TypeFamily::Door, "health", 556},
    {DoorField::GoldCost, TypeFamily::Door, "goldCost", 558},
    {DoorField::ManaCost, TypeFamily::Door, "manaCost", 568},
    {DoorField::CrateObject, TypeFamily::Door, "crateObject", 582},
    {TrapField::Name, TypeFamily::Trap, "name", 0},
    {TrapField::Id, TypeFamily::Trap, "id", 524},
    {TrapField::Flags, TypeFamily::Trap, "flags", 492},
    {TrapField::IconResource, TypeFamily::Trap, "iconResource", 200},
    {TrapField::ChargeTime, TypeFamily::Trap, "chargeTime", 460},
    {TrapField::Health, TypeFamily::Trap, "health", 496},
    {TrapField::ManaCost, TypeFamily::Trap, "manaCost", 498},
    {TrapField::Value522, TypeFamily::Trap, "value522", 522},
    {TrapField::TriggerType, TypeFamily::Trap, "triggerType", 523},
    {TrapField::ShotType, TypeFamily::Trap, "shotType", 525},
    {TrapField::CrateObject, TypeFamily::Trap, "crateObject", 526},
    {TrapField::ShotOffsetX, TypeFamily::Trap, "shotOffsetX", 561},
    {TrapField::ShotOffsetY, TypeFamily::Trap, "shotOffsetY", 565},
    {TrapField::ShotOffsetZ, TypeFamily::Trap, "shotOffsetZ", 569},
    {ObjectField::Name, TypeFamily::Object, "name", 0},
    {ObjectField::Id, TypeFamily::Object, "id", 858},
    {ObjectField::Flags, TypeFamily::Object, "flags", 836},
    {ObjectField::IconResource, TypeFamily::Object, "iconResource", 200},
    {ObjectField::Light, TypeFamily::Object, "light", 788},
    {ObjectField::Health, TypeFamily::Object, "health", 840},
    {VorlanSpellField::Name, TypeFamily::VorlanSpell, "name", 0},
    {VorlanSpellField::Id, TypeFamily::VorlanSpell, "id", 238},
    {VorlanSpellField::Flags, TypeFamily::VorlanSpell, "flags", 220},
    {VorlanSpellField::IconResource, TypeFamily::VorlanSpell, "iconResource", 116},
    {VorlanSpellField::TargetRule, TypeFamily::VorlanSpell, "targetRule", 218},
    {VorlanSpellField::CastRule, TypeFamily::VorlanSpell, "castRule", 239},
    {VorlanSpellField::ManaCost, TypeFamily::VorlanSpell, "manaCost", 284},
    {VorlanSpellField::ShotType, TypeFamily::VorlanSpell, "shotType", 240},
    {CreatureSpellField::Name, TypeFamily::CreatureSpell, "name", 0},
    {CreatureSpellField::Id, TypeFamily::CreatureSpell, "id", 230},
    {CreatureSpellField::Flags, TypeFamily::CreatureSpell, "flags", 212},
    {CreatureSpellField::IconResource, TypeFamily::CreatureSpell, "iconResource", 32},
    {CreatureSpellField::ShotData1, TypeFamily::CreatureSpell, "shotData1", 200},
    {CreatureSpellField::ShotType, TypeFamily::CreatureSpell, "shotType", 231},
    {ShotField::Name, TypeFamily::Shot, "name", 0},
    {ShotField::Id, TypeFamily::Shot, "id", 190},
    {ShotField::Flags, TypeFamily::Shot, "flags", 168},
    {ShotField::Light, TypeFamily::Shot, "light", 116},
    {ShotField::ProcessFlags, TypeFamily::Shot, "processFlags", 160},
    {ShotField::Health, TypeFamily::Shot, "health", 188},
    {EffectField::Name, TypeFamily::Effect, "name", 0},
    {EffectField::Id, TypeFamily::Effect, "id", 184},
    {EffectField::Flags, TypeFamily::Effect, "flags", 180},
    {EffectField::Light, TypeFamily::Effect, "light", 116},
    {EffectElementField::Name, TypeFamily::EffectElement, "name", 0},
    {EffectElementField::Id, TypeFamily::EffectElement, "id", 160},
    {EffectElementField::Flags, TypeFamily::EffectElement, "flags", 156},
};

TEST(TypeFieldTest, EveryHandleNamesItsFieldInItsFamilysTable)
{
    for (const Claim& c : kClaims) {
        SCOPED_TRACE(std::string(familyName(c.family)) + " " + std::string(c.name));
        ASSERT_EQ(c.handle.family, c.family);
        const RecordLayout& layout = layoutOf(c.family);
        ASSERT_LT(c.handle.index, layout.fields.size());
        EXPECT_EQ(&c.handle.def(), &layout.fields[c.handle.index]) << "resolved by index, in place";
        EXPECT_EQ(c.handle.name(), c.name);
        EXPECT_EQ(c.handle.def().offset, c.offset);
        EXPECT_EQ(layout.find(c.name), &c.handle.def()) << "the same field the name finds";
    }
}

TEST(TypeFieldTest, EveryFamilyHasNameIdAndFlagsHandlesTheCommonAccessorsUse)
{
    for (TypeFamily family : kAllTypeFamilies) {
        SCOPED_TRACE(familyName(family));
        std::unique_ptr<CTypeRecord> r = CTypeRecord::create(family);
        r->setName("Handle");
        r->setId(200);
        r->setFlags(0x80000001u);
        const RecordLayout& layout = r->layout();
        EXPECT_EQ(getTextField(r->bytes(), *layout.find("name")), "Handle");
        EXPECT_EQ(getIntField(r->bytes(), *layout.find("id")), 200);
        if (family == TypeFamily::Creature) {
            // Its flags are two words of its own; the common word is none and writes nothing.
            EXPECT_EQ(r->flags(), 0u);
            EXPECT_TRUE(std::ranges::all_of(r->bytes().subspan(3836, 4), [](uint8_t b) { return b == 0; }));
        } else {
            EXPECT_EQ(getIntField(r->bytes(), *layout.find("flags")), 0x80000001);
        }
    }
}

TEST(TypeFieldTest, AHandleOfAnotherFamilyReadsNothingAndWritesNothing)
{
    CDoorType door;
    door.setIntValue(DoorField::CrateObject, 53);
    const Bytes before(door.bytes().begin(), door.bytes().end());

    // The trap's crate field sits at 526, where a door keeps other data.
    EXPECT_EQ(door.field(TrapField::CrateObject), nullptr);
    door.setIntValue(TrapField::CrateObject, 9);
    door.setRealValue(TrapField::ChargeTime, 2.5);
    door.setTextValue(TrapField::IconResource, "Trap#1");
    door.setFieldBytes(TrapField::IconResource, Bytes(84, 0x5A));
    EXPECT_TRUE(std::ranges::equal(door.bytes(), before));
    EXPECT_EQ(door.intValue(TrapField::CrateObject), 0);
    EXPECT_EQ(door.realValue(TrapField::ChargeTime), 0.0);
    EXPECT_EQ(door.textValue(TrapField::IconResource), "");
    EXPECT_TRUE(door.fieldBytes(TrapField::IconResource).empty());

    EXPECT_EQ(door.crateObject(), 53);
    EXPECT_EQ(door.bytes()[582], 53);
}

TEST(TypeFieldTest, ElementsBeyondAnArrayFieldAreNeitherReadNorWritten)
{
    CCreatureType c;
    c.setHateJob(1, 7);
    c.setIntValue(CreatureField::HateJobs, 99, 2); // the list has two elements
    EXPECT_EQ(c.intValue(CreatureField::HateJobs, 2), 0);
    EXPECT_TRUE(c.fieldBytes(CreatureField::HateJobs, 2).empty());
    EXPECT_EQ(loadU32(c.bytes().data() + 3708), 0u) << "the field after the list is untouched";
    EXPECT_EQ(c.intValue(CreatureField::HateJobs, 1), 7);
}

} // namespace
} // namespace gr2
