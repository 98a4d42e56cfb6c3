#include "level/LevelObjectStorage.h"

#include "level/CCreature.h"
#include "script/CAction.h"
#include "script/CTrigger.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace gr2 {
namespace {

struct Block {
    std::byte* at;
    size_t size;
};

/// Blocks of every size up to beyond the pooled ones, all alive at once, each filled with its own
/// byte: none may overlap another or be misaligned, and each must keep its bytes.
TEST(LevelObjectStorageTest, LiveBlocksOfEverySizeAreAlignedApartAndKeepTheirBytes)
{
    std::vector<Block> blocks;
    for (int round = 0; round < 3; ++round)
        for (size_t size : {1, 8, 16, 17, 48, 64, 100, 255, 256, 511, 512, 513, 2000})
            for (int i = 0; i < 300; ++i)
                blocks.push_back({static_cast<std::byte*>(LevelObjectStorage::allocate(size)), size});
    for (size_t i = 0; i < blocks.size(); ++i) {
        ASSERT_EQ(reinterpret_cast<uintptr_t>(blocks[i].at) % __STDCPP_DEFAULT_NEW_ALIGNMENT__, 0u);
        std::memset(blocks[i].at, int(i % 251), blocks[i].size);
    }
    std::vector<Block> sorted = blocks;
    std::sort(sorted.begin(), sorted.end(), [](const Block& a, const Block& b) { return a.at < b.at; });
    for (size_t i = 1; i < sorted.size(); ++i)
        ASSERT_LE(sorted[i - 1].at + sorted[i - 1].size, sorted[i].at) << "blocks overlap";
    for (size_t i = 0; i < blocks.size(); ++i)
        for (size_t b = 0; b < blocks[i].size; ++b)
            ASSERT_EQ(blocks[i].at[b], std::byte(i % 251)) << "block " << i << " byte " << b;
    for (const Block& b : blocks)
        LevelObjectStorage::release(b.at, b.size);
    LevelObjectStorage::release(nullptr, 64);
}

/// Level objects of every class are made and dropped through the storage, however they are held.
TEST(LevelObjectStorageTest, LevelObjectsOfEveryClassLiveAndDieThroughIt)
{
    for (int round = 0; round < 2; ++round) {
        std::vector<std::unique_ptr<CLevelObject>> objects;
        for (int i = 0; i < 500; ++i) {
            auto trigger = std::make_unique<CTrigger>(nullptr);
            trigger->setId(int16_t(i + 1));
            trigger->setValue(uint32_t(i));
            objects.push_back(std::move(trigger));
            auto action = std::make_unique<CAction>(nullptr);
            action->setId(int16_t(-i - 1));
            action->setB(uint32_t(i * 3));
            objects.push_back(std::move(action));
            objects.push_back(std::make_unique<CCreature>(nullptr, uint8_t(i % 20 + 1)));
        }
        for (int i = 0; i < 500; ++i) {
            EXPECT_EQ(static_cast<CTrigger&>(*objects[size_t(i) * 3]).value(), uint32_t(i));
            EXPECT_EQ(static_cast<CAction&>(*objects[size_t(i) * 3 + 1]).b(), uint32_t(i * 3));
            EXPECT_EQ(static_cast<CCreature&>(*objects[size_t(i) * 3 + 2]).type(), uint8_t(i % 20 + 1));
        }
    }
}

} // namespace
} // namespace gr2
