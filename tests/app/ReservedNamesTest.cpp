#include "app/ReservedNames.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace gr2 {
namespace {

TEST(ReservedNamesTest, DataFileNamesMatchExactCaseWithOrWithoutVwd)
{
    struct Case {
        const char* name;
        bool reserved;
    };
    const Case cases[] = {
        {"NewTraps", true},
        {"NewTraps.vwd", true},
        {"NewTraps.txt", false},
        {"newtraps", false},
        {"NewTraps.VWD", false},
        {"GlobalVariables", true},
        {"Maps/EffectElements.vwd", true},
        {"Effect", false},
        {"", false},
        {"a", false},
        {".vwd", false},
        {"Rooms", true},
        {"xyz", false},
        {"Doorsx", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsReservedDataFileName(c.name), c.reserved) << c.name;
}

TEST(ReservedNamesTest, LevelNamesLoadFromTheRootAndMatchIgnoringCase)
{
    test::TempDir dir;
    ReservedLevelNames names;
    names.load(dir.path());
    EXPECT_TRUE(names.names().empty());

    const std::string text = "Level1\r\nFirst Blood\n\nlast";
    test::writeFile(dir / ReservedLevelNames::kFileName, Bytes(text.begin(), text.end()));
    names.load(dir.path());
    EXPECT_TRUE(names.contains("LEVEL1"));
    EXPECT_TRUE(names.contains("first blood"));
    EXPECT_TRUE(names.contains("Last"));
    EXPECT_FALSE(names.contains("Level10"));
    EXPECT_FALSE(names.contains("Level"));
    EXPECT_FALSE(names.contains(""));
}

} // namespace
} // namespace gr2
