#include "level/AllianceSet.h"

#include <algorithm>

namespace gr2 {

namespace {

bool same(const AllianceSet::Pair& p, uint8_t a, uint8_t b)
{
    return (p.first == a && p.second == b) || (p.first == b && p.second == a);
}

} // namespace

bool AllianceSet::add(uint8_t a, uint8_t b)
{
    if (a == b || contains(a, b))
        return false;
    m_pairs.emplace_back(a, b);
    return true;
}

bool AllianceSet::remove(uint8_t a, uint8_t b)
{
    auto it = std::find_if(m_pairs.begin(), m_pairs.end(), [&](const Pair& p) { return same(p, a, b); });
    if (it == m_pairs.end())
        return false;
    m_pairs.erase(it);
    return true;
}

bool AllianceSet::contains(uint8_t a, uint8_t b) const
{
    return std::any_of(m_pairs.begin(), m_pairs.end(), [&](const Pair& p) { return same(p, a, b); });
}

void AllianceSet::removeAllOf(uint8_t id)
{
    std::erase_if(m_pairs, [&](const Pair& p) { return p.first == id || p.second == id; });
}

} // namespace gr2
