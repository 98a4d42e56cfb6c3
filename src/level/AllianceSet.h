#pragma once
// The alliances of a level: unordered pairs of distinct player ids, each kept once, in the order
// they were made (the order the Variables file writes them in).

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace gr2 {

class AllianceSet {
public:
    using Pair = std::pair<uint8_t, uint8_t>;

    /// Adds (a, b) unless a player is paired with itself or the pair exists in either order.
    bool add(uint8_t a, uint8_t b);
    bool remove(uint8_t a, uint8_t b);
    bool contains(uint8_t a, uint8_t b) const;
    /// Removes every alliance that names the player.
    void removeAllOf(uint8_t id);
    void clear() { m_pairs.clear(); }

    const std::vector<Pair>& pairs() const { return m_pairs; }
    size_t size() const { return m_pairs.size(); }

private:
    std::vector<Pair> m_pairs;
};

} // namespace gr2
