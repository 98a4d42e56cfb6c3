#include "level/PointerSet.h"

#include <gtest/gtest.h>

#include <memory>
#include <unordered_set>
#include <vector>

namespace gr2 {
namespace {

TEST(PointerSetTest, AgreesWithAStandardSetThroughGrowth)
{
    // Thousands of heap objects force several rehashes; every answer must match the plain set,
    // including for pointers never inserted and for the null pointer.
    std::vector<std::unique_ptr<int>> objects;
    for (int i = 0; i < 5000; ++i)
        objects.push_back(std::make_unique<int>(i));
    PointerSet<int> set(4);
    std::unordered_set<const int*> reference;
    for (size_t i = 0; i < objects.size(); i += 2) {
        EXPECT_EQ(set.insert(objects[i].get()), reference.insert(objects[i].get()).second);
        EXPECT_FALSE(set.insert(objects[i].get())) << "a second insert finds it";
    }
    for (const auto& o : objects)
        EXPECT_EQ(set.contains(o.get()), reference.count(o.get()) == 1);
    EXPECT_EQ(set.size(), reference.size());

    EXPECT_FALSE(set.contains(nullptr));
    EXPECT_TRUE(set.insert(nullptr));
    EXPECT_FALSE(set.insert(nullptr));
    EXPECT_TRUE(set.contains(nullptr));
    EXPECT_EQ(set.size(), reference.size() + 1);
}

} // namespace
} // namespace gr2
