// The rules of the "Create New GR2 Level" dialog: names, base terrains, owner and the OK checks.

#include "app/NewLevelOptions.h"
#include "support/TypeDataBuilder.h"
#include "typedb/CTerrainType.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(NewLevelOptionsTest, WidthAndHeightOutsideSevenTo128AreRefusedWithTheRangeMessage)
{
    const std::string message = "Please enter a number between 7 and 128.";
    for (long long refused : {-1LL, 0LL, 6LL, 129LL, 100000LL})
        EXPECT_EQ(NewLevelOptions::sideError(refused), message) << refused;
    for (long long accepted : {7LL, 25LL, 128LL})
        EXPECT_FALSE(NewLevelOptions::sideError(accepted)) << accepted;
    EXPECT_EQ(NewLevelOptions::nameError(""), "Please give this level a name.");
    EXPECT_FALSE(NewLevelOptions::nameError("x"));
    EXPECT_EQ(NewLevelOptions::proposedName(1), "GR2Level1");
    EXPECT_EQ(NewLevelOptions::proposedName(12), "GR2Level12");
}

TEST(NewLevelOptionsTest, BaseTerrainsLeaveOutRoomFloorsAndTheReservedIdsAndOnlyOwnableTerrainHasAnOwner)
{
    CTypeDatabase db;
    test::buildSmallTypeData(db); // terrains 1, 2 and the room floor 10
    for (uint16_t id : {27, 30, 31, 38})
        test::addType(db.terrains(), id, std::string("T").append(std::to_string(id)));
    test::addType(db.terrains(), 8, "Claimed").setFlag(TerrainTypeFlag::Ownable, true);
    // 31 is offered here although the palette hides it; the order is the table's.
    EXPECT_EQ(NewLevelOptions::baseTerrains(db), (std::vector<uint8_t>{1, 2, 31, 8}));
    EXPECT_EQ(NewLevelOptions::defaultTerrainIndex(4), 1u);
    EXPECT_EQ(NewLevelOptions::defaultTerrainIndex(1), 0u);
    EXPECT_EQ(NewLevelOptions::defaultTerrainIndex(0), 0u);

    EXPECT_TRUE(NewLevelOptions::ownerSelectable(db, 8));
    EXPECT_FALSE(NewLevelOptions::ownerSelectable(db, 1));
    EXPECT_FALSE(NewLevelOptions::ownerSelectable(db, 99));
    const auto& owners = NewLevelOptions::owners();
    ASSERT_EQ(owners.size(), 3u);
    EXPECT_STREQ(owners[NewLevelOptions::kDefaultOwnerIndex].name, "Neutral Player");
    EXPECT_EQ(owners[2].playerId, 3);
}

} // namespace
} // namespace gr2
