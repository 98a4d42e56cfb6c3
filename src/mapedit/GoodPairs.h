#pragma once
// The door and trap types that come as an evil and a Good variant of one crate, so that drawing
// for the Good player places the Good variant. Found once from the type tables.

#include <cstdint>
#include <vector>

namespace gr2 {

class CTypeDatabase;

struct GoodPair {
    uint8_t evil = 0;
    uint8_t good = 0;
};

class GoodPairs {
public:
    /// Doors made from crate objects 53 and 56, traps from crate objects 5 and 42: for each crate
    /// the first type in table order without the Good flag and the first with it. A crate without
    /// both variants makes no pair.
    static GoodPairs fromTypes(const CTypeDatabase& types);

    std::vector<GoodPair> doors;
    std::vector<GoodPair> traps;

    /// The variant of a door type for the drawing player; a type in no pair stays.
    uint8_t door(uint8_t type, bool forGood) const { return swap(doors, type, forGood); }
    uint8_t trap(uint8_t type, bool forGood) const { return swap(traps, type, forGood); }

private:
    static uint8_t swap(const std::vector<GoodPair>& pairs, uint8_t type, bool forGood);
};

} // namespace gr2
