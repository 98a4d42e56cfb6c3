// gr2tool run as a separate process, the way scripts call it.

#include "support/TempDir.h"
#include "support/ToolProcess.h"
#include "worlddata/SectionWriter.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace gr2 {
namespace {

using RunResult = test::ToolRun;
using test::runTool;

std::string text(const std::filesystem::path& p)
{
    Bytes b = test::readFile(p);
    return std::string(b.begin(), b.end());
}

TEST(DumpToolTest, PrintsEverySectionKindAsJson)
{
    test::TempDir dir;
    Bytes file;
    SectionInfo info;
    info.created = DateStamp{2003, 4, 5, 6, 7, 8};
    writeRecordSection(file, SectionId::Shot, info, RecordSize::Shot,
                       std::vector<Bytes>{Bytes(RecordSize::Shot, 1)});
    writeMapSection(file, 2, 1, Bytes{30, 2, 0, 0, 31, 3, 0, 0});
    writeThingSection(file, info, std::vector<ThingItem>{{205, Bytes(84, 2)}, {999, Bytes{1, 2}}});
    writeTriggerSection(file, TriggerSectionInfo{}, std::vector<ThingItem>{{213, Bytes(16, 0)}});
    writeLevelSection(file, SectionInfo::forLevel(0, 0, kLevelFormatVersion, {}, {}), Bytes{}, {},
                      std::vector<uint32_t>{5});
    test::writeFile(dir / "all.vwd", file);

    RunResult r = runTool("dump " + (dir / "all.vwd").string(), dir / "err.txt");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(text(dir / "err.txt"), "");
    for (const char* expected :
         {"\"name\": \"Shot\"", "\"name\": \"Map\"", "\"width\": 2", "\"name\": \"Camera\"",
          "\"name\": \"Unknown\"", "\"bytes\": \"0102\"", "\"name\": \"Trigger When\"", "\"name\": \"Level\"",
          "\"version\": 3.0", "\"created\": \"2003-05-04 06:07:08\""})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected;
}

TEST(DumpToolTest, ARelativeNameIsTheCurrentFoldersWhateverTheRoot)
{
    test::TempDir dir;
    test::TempDir otherRoot;
    Bytes file;
    writeRecordSection(file, SectionId::Shot, SectionInfo{}, RecordSize::Shot,
                       std::vector<Bytes>{Bytes(RecordSize::Shot, 1)});
    test::writeFile(dir / "here.vwd", file);
    // The tool's runner has no folder of its own to start in; a shell "cd" gives it one.
    RunResult r =
        runTool("--root " + otherRoot.path().string() + " dump here.vwd", dir / "err.txt", dir.path());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(text(dir / "err.txt"), "");
    EXPECT_NE(r.out.find("\"name\": \"Shot\""), std::string::npos) << r.out;
}

TEST(DumpToolTest, FailedReadPrintsMessagesAndExitsOne)
{
    test::TempDir dir;
    Bytes file;
    writeRecordSection(file, SectionId::Terrain, SectionInfo{}, RecordSize::Terrain,
                       std::vector<Bytes>{Bytes(RecordSize::Terrain, 1)});
    file.resize(file.size() - 3);
    test::writeFile(dir / "bad.vwd", file);
    RunResult r = runTool("dump " + (dir / "bad.vwd").string(), dir / "err.txt");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(
        text(dir / "err.txt"),
        "Unable to read binary Terrain Type\nUnable to read Binary Terrain\nUnable to read Binary File\n");
}

TEST(DumpToolTest, UsageErrorsExitTwo)
{
    test::TempDir dir;
    EXPECT_EQ(runTool("", dir / "err.txt").status, 2);
    EXPECT_EQ(runTool("dump", dir / "err.txt").status, 2);
    EXPECT_EQ(runTool("--yes --no dump x", dir / "err.txt").status, 2);
    EXPECT_EQ(runTool("--help", dir / "err.txt").status, 0);
}

} // namespace
} // namespace gr2
