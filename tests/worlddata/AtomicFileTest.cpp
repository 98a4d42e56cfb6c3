#include "worlddata/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace gr2 {
namespace {

using test::TempDir;

TEST(AtomicFileTest, WritesAndReplacesWithoutLeavingTemporaries)
{
    TempDir dir;
    auto path = dir / "a.vwd";
    ASSERT_TRUE(writeFileAtomically(path, Bytes{1, 2, 3}).ok);
    ASSERT_TRUE(writeFileAtomically(path, Bytes{4, 5}).ok);
    EXPECT_EQ(test::readFile(path), (Bytes{4, 5}));
    size_t files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

TEST(AtomicFileTest, FailuresLeaveThePreviousFileIntact)
{
    TempDir dir;
    auto path = dir / "keep.vwd";
    test::writeFile(path, Bytes{9, 9, 9});

    chmod(path.c_str(), 0444);
    WriteResult readOnly = writeFileAtomically(path, Bytes{1});
    EXPECT_FALSE(readOnly.ok);
    EXPECT_EQ(readOnly.error, EACCES);
    EXPECT_EQ(test::readFile(path), (Bytes{9, 9, 9}));
    chmod(path.c_str(), 0644);

    setWriteFaultHook([](const std::filesystem::path&) { return ENOSPC; });
    WriteResult full = writeFileAtomically(path, Bytes{1});
    setWriteFaultHook(nullptr);
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(full.error, ENOSPC);
    EXPECT_EQ(test::readFile(path), (Bytes{9, 9, 9}));

    WriteResult noFolder = writeFileAtomically(dir / "missing" / "x.vwd", Bytes{1});
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.error, ENOENT);
}

} // namespace
} // namespace gr2
