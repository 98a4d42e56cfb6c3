#include "worlddata/DataStream.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace gr2 {
namespace {

TEST(DataPathTest, StoredPathsResolveAgainstTheBaseDirectory)
{
    const auto saved = baseDirectory();
    setBaseDirectory("/opt/gr2");
    EXPECT_EQ(resolveDataPath("Data\\Editor\\Maps\\x.vld"),
              std::filesystem::path("/opt/gr2/Data/Editor/Maps/x.vld"));
    EXPECT_EQ(resolveDataPath("\\Maps\\a.vwd"), std::filesystem::path("/Maps/a.vwd"));
    EXPECT_EQ(resolveDataPath("C:\\Maps\\a.vwd"), std::filesystem::path("C:/Maps/a.vwd"));
    EXPECT_EQ(resolveDataPath("/tmp/a.vwd"), std::filesystem::path("/tmp/a.vwd"));
    setBaseDirectory(saved);
}

TEST(DataStreamTest, ReadsSeeksAndReportsShortReads)
{
    test::TempDir dir;
    test::writeFile(dir / "f", Bytes{1, 2, 3, 4, 5});
    DataStream s;
    EXPECT_FALSE(s.open(dir / "absent"));
    EXPECT_FALSE(s.open(dir.path()));
    // Devices and pipes are no world files: refused at once, never read without end or waited on.
    EXPECT_FALSE(s.open("/dev/zero"));
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    EXPECT_FALSE(s.open(dir / "pipe"));
    EXPECT_FALSE(DataStream::canOpen(dir / "pipe"));
    ASSERT_TRUE(s.open(dir / "f"));
    EXPECT_EQ(s.size(), 5u);
    uint8_t b[8] = {};
    EXPECT_EQ(s.read(b, 2), 2u);
    EXPECT_EQ(s.seek(2), 4u);
    EXPECT_EQ(s.read(b, 8), 1u);
    EXPECT_EQ(b[0], 5);
    EXPECT_EQ(s.seek(-10), 5u); // before the start: stays put
    EXPECT_EQ(s.seek(-5), 0u);
    EXPECT_EQ(s.seek(100), 100u); // past the end: moves, and nothing more can be read
    EXPECT_EQ(s.read(b, 1), 0u);
    EXPECT_EQ(s.seek(-98), 2u);
    EXPECT_EQ(s.read(b, 1), 1u);
    EXPECT_EQ(b[0], 3);
}

} // namespace
} // namespace gr2
