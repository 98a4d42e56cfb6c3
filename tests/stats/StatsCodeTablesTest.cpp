// The code tables of the stats import against the families' field tables: every code must name a
// field that exists, of a kind its use can take.

#include "stats/StatsCodeTables.h"
#include "stats/LightDescriptor.h"
#include "stats/WorldVariableRows.h"
#include "typedb/CGlobalVariables.h"
#include "typedb/CTypeRecord.h"

#include <gtest/gtest.h>

#include <set>

namespace gr2 {
namespace {

const RecordLayout& layoutFor(const StatsSectionInfo& s, const StatsPlace& place)
{
    return layoutOf(place.record == StatsRecord::FloorTerrain ? TypeFamily::Terrain : *s.family);
}

TEST(StatsCodeTablesTest, EveryCodeNamesAFieldItsUseCanTake)
{
    for (const StatsSectionInfo& s : statsSections()) {
        std::set<uint16_t> seen;
        for (const StatsCode& c : s.codes) {
            SCOPED_TRACE(std::string(s.name) + " code " + std::to_string(c.code));
            EXPECT_TRUE(seen.insert(c.code).second) << "listed twice";
            if (c.apply == StatsApply::Ignored)
                continue;
            ASSERT_TRUE(s.family);
            const std::optional<FieldDef> f = resolveStatsPlace(layoutFor(s, c.place), c.place);
            ASSERT_TRUE(f) << "offset " << c.place.offset;
            switch (c.apply) {
            case StatsApply::Flag:
                EXPECT_EQ(f->kind, FieldKind::Flags);
                EXPECT_TRUE(c.bit >= 0 && c.bit < 32);
                break;
            case StatsApply::Colour: {
                EXPECT_EQ(f->width, 1);
                const std::optional<FieldDef> flags = resolveStatsPlace(layoutFor(s, c.flags), c.flags);
                ASSERT_TRUE(flags);
                EXPECT_EQ(flags->kind, FieldKind::Flags);
                break;
            }
            case StatsApply::Word:
                EXPECT_EQ(f->width, 1);
                EXPECT_FALSE(c.words.empty());
                break;
            case StatsApply::Hundredths:
                EXPECT_EQ(f->kind, FieldKind::Real16x16);
                break;
            default:
                EXPECT_NE(f->kind, FieldKind::Flags);
                EXPECT_NE(f->kind, FieldKind::Text);
                EXPECT_NE(f->kind, FieldKind::ArtResource);
                EXPECT_NE(f->kind, FieldKind::Light);
                break;
            }
        }
    }
}

TEST(StatsCodeTablesTest, CodesPerSection)
{
    // The code ranges each section knows; the read-and-ignored columns are listed too.
    EXPECT_EQ(statsSection(StatsSection::Terrain).codes.size(), 18u);
    EXPECT_EQ(findStatsCode(statsSection(StatsSection::Terrain), 9), nullptr);
    EXPECT_EQ(statsSection(StatsSection::Rooms).codes.size(), 24u);
    EXPECT_EQ(statsSection(StatsSection::Doors).codes.size(), 6u);
    EXPECT_EQ(statsSection(StatsSection::Traps).codes.size(), 26u);
    EXPECT_EQ(statsSection(StatsSection::Objects).codes.size(), 11u);
    EXPECT_EQ(statsSection(StatsSection::CreatureSpells).codes.size(), 4u);
    EXPECT_EQ(statsSection(StatsSection::VorlanSpells).codes.size(), 11u);
    EXPECT_EQ(statsSection(StatsSection::Creatures).codes.size(), 100u);
    EXPECT_TRUE(statsSection(StatsSection::WorldVariables).codes.empty());
    EXPECT_TRUE(statsSection(StatsSection::CameraModes).codes.empty());
}

TEST(StatsCodeTablesTest, LightPartsResolveInsideTheDescriptor)
{
    const StatsPlace blue{StatsRecord::Type, 788, int16_t(LightPart::Blue)};
    const std::optional<FieldDef> f = resolveStatsPlace(layoutOf(TypeFamily::Object), blue);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->offset, 810u);
    EXPECT_EQ(f->width, 1);
    // A light part of a field that is no light, and an offset inside a field, name nothing.
    EXPECT_FALSE(resolveStatsPlace(layoutOf(TypeFamily::Object), StatsPlace{StatsRecord::Type, 840, 0}));
    EXPECT_FALSE(resolveStatsPlace(layoutOf(TypeFamily::Object), StatsPlace{StatsRecord::Type, 789, -1}));
}

TEST(StatsCodeTablesTest, WorldVariableRowsNameKnownVariables)
{
    int mapped = 0;
    for (int64_t row = -5; row <= 300; ++row) {
        const std::optional<uint32_t> id = worldVariableForRow(row);
        if (!id)
            continue;
        ++mapped;
        EXPECT_TRUE(row >= 1 && row <= 204) << row;
        const std::u16string_view name = CGlobalVariables::name(*id);
        EXPECT_TRUE(!name.empty() && name.front() != u'<') << row << " -> " << *id;
    }
    EXPECT_EQ(mapped, 144);
    EXPECT_EQ(worldVariableForRow(12), 136u);
    EXPECT_EQ(worldVariableForRow(188), 208u);
    EXPECT_EQ(worldVariableForRow(189), 207u);
    EXPECT_FALSE(worldVariableForRow(7));
    EXPECT_FALSE(worldVariableForRow(0));
}

} // namespace
} // namespace gr2
