// gr2tool's global-data commands run as a separate process.

#include "support/TempDir.h"
#include "worlddata/SectionIds.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace gr2 {
namespace {

int run(const std::string& args)
{
    int status = std::system((std::string(GR2TOOL_PATH) + " " + args + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GlobalDataToolTest, SampleDataThenSaveGameDataKeepsEveryFile)
{
    test::TempDir dir;
    ASSERT_EQ(run("sample-data " + dir.path().string()), 0);
    for (const char* name :
         {"Terrain.vwd", "Rooms.vwd", "Creatures.vwd", "Doors.vwd", "Traps.vwd", "Objects.vwd",
          "VorlanSpells.vwd", "CreatureSpells.vwd", "Shots.vwd", "Effects.vwd", "EffectElements.vwd",
          "GlobalVariables.vwd", "Graphics/TerrainIcons.bmp", "Graphics/CreatureSpellIcons.bmp",
          "Maps/Thumbnails/MapColours.png", "ReservedLevelNames.txt"})
        EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
    const auto size = std::filesystem::file_size(dir / "Creatures.vwd");
    EXPECT_EQ(run("--root " + dir.path().string() + " save-game-data"), 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "Creatures.vwd"), size);
    // --if-missing leaves data that is already there alone.
    std::filesystem::remove(dir / "Graphics/TerrainIcons.bmp");
    EXPECT_EQ(run("sample-data --if-missing " + dir.path().string()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "Graphics/TerrainIcons.bmp"));
}

TEST(GlobalDataToolTest, DamagedTypeFileKeepsItsWholeRecordsThroughSaveGameData)
{
    test::TempDir dir;
    ASSERT_EQ(run("sample-data " + dir.path().string()), 0);
    const auto size = std::filesystem::file_size(dir / "Terrain.vwd");
    // Cut inside the last terrain record: every record before it stays.
    std::filesystem::resize_file(dir / "Terrain.vwd", size - RecordSize::Terrain / 2);
    EXPECT_EQ(run("--root " + dir.path().string() + " save-game-data"), 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "Terrain.vwd"), size - RecordSize::Terrain);
}

TEST(GlobalDataToolTest, TypeFilesNamedInAnotherCaseAreNotDoubledBySaveGameData)
{
    test::TempDir dir;
    ASSERT_EQ(run("sample-data " + dir.path().string()), 0);
    const auto doors = std::filesystem::file_size(dir / "Doors.vwd");
    std::filesystem::rename(dir / "Doors.vwd", dir / "doors.VWD");
    for (int save = 0; save < 2; ++save) {
        EXPECT_EQ(run("--root " + dir.path().string() + " save-game-data"), 0);
        EXPECT_FALSE(std::filesystem::exists(dir / "Doors.vwd"));
        EXPECT_EQ(std::filesystem::file_size(dir / "doors.VWD"), doors);
    }

    // Two files of the family: saved once into the standard name, the other set aside.
    std::filesystem::copy_file(dir / "doors.VWD", dir / "Doors.vwd");
    EXPECT_EQ(run("--root " + dir.path().string() + " save-game-data"), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "doors.VWD"));
    EXPECT_TRUE(std::filesystem::exists(dir / "doors.VWD.old"));
    const auto both = std::filesystem::file_size(dir / "Doors.vwd");
    EXPECT_EQ(run("--root " + dir.path().string() + " save-game-data"), 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "Doors.vwd"), both);
}

} // namespace
} // namespace gr2
