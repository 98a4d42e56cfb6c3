// The field tables: each lies inside its record without overlaps, and the fields that rules and
// other modules depend on sit where the file format puts them.

#include "typedb/CTypeDatabase.h"

#include <gtest/gtest.h>

#include <set>

namespace gr2 {
namespace {

TEST(TypeLayoutTest, FieldsAreOrderedInsideTheRecordWithoutOverlapOrDuplicateNames)
{
    for (TypeFamily family : kAllTypeFamilies) {
        const RecordLayout& layout = layoutOf(family);
        SCOPED_TRACE(familyName(family));
        EXPECT_EQ(layout.size, recordSizeOf(family));
        uint32_t end = 0;
        std::set<std::string_view> names;
        for (const FieldDef& f : layout.fields) {
            EXPECT_GE(f.offset, end) << f.name;
            EXPECT_LE(f.end(), layout.size) << f.name;
            EXPECT_TRUE(names.insert(f.name).second) << f.name;
            end = f.end();
        }
        ASSERT_NE(layout.find("name"), nullptr);
        ASSERT_NE(layout.find("id"), nullptr);
        ASSERT_NE(layout.find("flags") ? layout.find("flags") : layout.find("flags1"), nullptr);
    }
}

struct Anchor {
    TypeFamily family;
    std::string_view field;
    uint32_t offset;
    uint16_t width;
    FieldKind kind;
};

// Offsets and encodings that ids, flags, icons, links and save rules rely on.
const Anchor kAnchors[] = {
    {TypeFamily::Terrain, "id", 470, 1, FieldKind::UInt},
    {TypeFamily::Terrain, "flags", 400, 4, FieldKind::Flags},
    {TypeFamily::Terrain, "iconIndex", 406, 2, FieldKind::Int},
    {TypeFamily::Terrain, "maxHealthType", 473, 1, FieldKind::UInt},
    {TypeFamily::Terrain, "maxHealthEffect", 420, 2, FieldKind::Int},
    {TypeFamily::Room, "id", 914, 1, FieldKind::UInt},
    {TypeFamily::Room, "flags", 880, 4, FieldKind::Flags},
    {TypeFamily::Room, "iconResource", 116, 84, FieldKind::ArtResource},
    {TypeFamily::Room, "floorTerrain", 915, 1, FieldKind::UInt},
    {TypeFamily::Room, "torchHeight", 896, 2, FieldKind::Real},
    {TypeFamily::Creature, "id", 3915, 1, FieldKind::UInt},
    {TypeFamily::Creature, "flags1", 3836, 4, FieldKind::Flags},
    {TypeFamily::Creature, "flags2", 5529, 4, FieldKind::Flags},
    {TypeFamily::Creature, "iconResource", 3224, 84, FieldKind::ArtResource},
    {TypeFamily::Creature, "eliteBaseType", 3387, 1, FieldKind::UInt},
    {TypeFamily::Creature, "value3756", 3756, 4, FieldKind::Real16x16},
    {TypeFamily::Creature, "value4045", 4045, 4, FieldKind::PercentReal},
    {TypeFamily::Door, "id", 580, 1, FieldKind::UInt},
    {TypeFamily::Door, "flags", 552, 4, FieldKind::Flags},
    {TypeFamily::Door, "iconResource", 200, 84, FieldKind::ArtResource},
    {TypeFamily::Trap, "id", 524, 1, FieldKind::UInt},
    {TypeFamily::Trap, "flags", 492, 4, FieldKind::Flags},
    {TypeFamily::Trap, "iconResource", 200, 84, FieldKind::ArtResource},
    {TypeFamily::Trap, "shotType", 525, 1, FieldKind::UInt},
    {TypeFamily::Trap, "shotOffsetX", 561, 4, FieldKind::Real},
    {TypeFamily::Trap, "healthGain", 577, 2, FieldKind::Int},
    {TypeFamily::Object, "id", 858, 1, FieldKind::UInt},
    {TypeFamily::Object, "flags", 836, 4, FieldKind::Flags},
    {TypeFamily::Object, "iconResource", 200, 84, FieldKind::ArtResource},
    {TypeFamily::Object, "light", 788, 24, FieldKind::Light},
    {TypeFamily::VorlanSpell, "id", 238, 1, FieldKind::UInt},
    {TypeFamily::VorlanSpell, "flags", 220, 4, FieldKind::Flags},
    {TypeFamily::VorlanSpell, "iconResource", 116, 84, FieldKind::ArtResource},
    {TypeFamily::VorlanSpell, "shotType", 240, 1, FieldKind::UInt},
    {TypeFamily::CreatureSpell, "id", 230, 1, FieldKind::UInt},
    {TypeFamily::CreatureSpell, "flags", 212, 4, FieldKind::Flags},
    {TypeFamily::CreatureSpell, "iconResource", 32, 84, FieldKind::ArtResource},
    {TypeFamily::CreatureSpell, "shotType", 231, 1, FieldKind::UInt},
    {TypeFamily::Shot, "id", 190, 1, FieldKind::UInt},
    {TypeFamily::Shot, "flags", 168, 4, FieldKind::Flags},
    {TypeFamily::Shot, "processFlags", 160, 4, FieldKind::Flags},
    {TypeFamily::Shot, "burnDuration", 235, 4, FieldKind::Real},
    {TypeFamily::Effect, "id", 184, 2, FieldKind::UInt},
    {TypeFamily::Effect, "flags", 180, 4, FieldKind::Flags},
    {TypeFamily::EffectElement, "id", 160, 2, FieldKind::UInt},
    {TypeFamily::EffectElement, "flags", 156, 4, FieldKind::Flags},
};

TEST(TypeLayoutTest, AnchorFieldsSitWhereTheFileFormatPutsThem)
{
    for (const Anchor& a : kAnchors) {
        const FieldDef* f = layoutOf(a.family).find(a.field);
        ASSERT_NE(f, nullptr) << familyName(a.family) << " " << a.field;
        EXPECT_EQ(f->offset, a.offset) << familyName(a.family) << " " << a.field;
        EXPECT_EQ(f->width, a.width) << familyName(a.family) << " " << a.field;
        EXPECT_EQ(f->kind, a.kind) << familyName(a.family) << " " << a.field;
    }
}

TEST(TypeLayoutTest, CreatureRecordLeavesExactlyTheReservedBytesUnlisted)
{
    const RecordLayout& layout = CCreatureType::fileLayout();
    std::vector<bool> listed(layout.size, false);
    for (const FieldDef& f : layout.fields)
        for (uint32_t i = f.offset; i < f.end(); ++i)
            listed[i] = true;

    std::set<uint32_t> reserved = {3391};
    for (uint32_t i = 5445; i <= 5528; ++i)
        reserved.insert(i);
    for (uint32_t i = 5533; i <= 5536; ++i)
        reserved.insert(i);
    for (uint32_t k = 0; k < 3; ++k) // spell entries: bytes 14, 15, 20 and 21 are zero
        for (uint32_t b : {14u, 15u, 20u, 21u})
            reserved.insert(3524 + 24 * k + b);
    for (uint32_t list : {3604u, 3616u, 3628u, 3640u, 3652u, 3664u, 3676u, 3688u}) // job entries' tail
        for (uint32_t b : {9u, 10u, 11u})
            reserved.insert(list + b);

    for (uint32_t i = 0; i < layout.size; ++i)
        EXPECT_EQ(listed[i], !reserved.count(i)) << "creature byte " << i;
}

TEST(TypeLayoutTest, FieldsAreFoundByTheOffsetWhereTheyStart)
{
    const RecordLayout& room = CRoomType::fileLayout();
    std::optional<FieldRef> effect = findFieldAt(room, 902);
    ASSERT_TRUE(effect);
    EXPECT_EQ(effect->field->name, "effects");
    EXPECT_EQ(effect->element, 2u);
    EXPECT_FALSE(findFieldAt(room, 903));  // inside an element
    EXPECT_FALSE(findFieldAt(room, 879));  // an unlisted byte
    EXPECT_FALSE(findFieldAt(room, 5000)); // beyond the record
    std::optional<FieldRef> anger = findFieldAt(CCreatureType::fileLayout(), 3884);
    ASSERT_TRUE(anger);
    EXPECT_EQ(anger->field->name, "angerNoPay");
}

TEST(TypeLayoutTest, SectionIdsAndFileNamesMatchTheirFamilies)
{
    EXPECT_EQ(familyOfSection(170), TypeFamily::Creature);
    EXPECT_EQ(familyOfSection(250), TypeFamily::EffectElement);
    EXPECT_EQ(familyOfSection(230), std::nullopt); // the Variable section is no type family
    EXPECT_STREQ(fileBaseName(TypeFamily::VorlanSpell), "VorlanSpells");
    EXPECT_STREQ(fileBaseName(TypeFamily::Terrain), "Terrain");
    for (TypeFamily f : kAllTypeFamilies)
        EXPECT_EQ(familyOfSection(uint32_t(sectionOf(f))), f);
}

} // namespace
} // namespace gr2
