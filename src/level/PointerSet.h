#pragma once
// A set of object pointers in one flat table. The script walks mark every trigger and action they
// pass so that loops and shared chains end; a node-based set made each of those marks an
// allocation, which dominated opening a level with a large script.

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gr2 {

template <class T> class PointerSet {
public:
    explicit PointerSet(size_t expected = 0) { rehash(std::bit_ceil(std::max<size_t>(16, expected * 2))); }

    /// Adds the pointer; answers whether it was not there before.
    bool insert(const T* p)
    {
        if (!p) {
            const bool added = !m_hasNull;
            m_hasNull = true;
            return added;
        }
        if ((m_size + 1) * 2 > m_slots.size())
            rehash(m_slots.size() * 2);
        for (size_t i = slotOf(p);; i = (i + 1) & (m_slots.size() - 1)) {
            if (m_slots[i] == p)
                return false;
            if (!m_slots[i]) {
                m_slots[i] = p;
                ++m_size;
                return true;
            }
        }
    }

    bool contains(const T* p) const
    {
        if (!p)
            return m_hasNull;
        for (size_t i = slotOf(p);; i = (i + 1) & (m_slots.size() - 1)) {
            if (m_slots[i] == p)
                return true;
            if (!m_slots[i])
                return false;
        }
    }
    size_t count(const T* p) const { return contains(p) ? 1 : 0; }
    size_t size() const { return m_size + (m_hasNull ? 1 : 0); }

private:
    size_t slotOf(const T* p) const
    {
        // Fibonacci hashing of the address: objects are heap-aligned, so the low bits carry little.
        const uint64_t h = uint64_t(reinterpret_cast<uintptr_t>(p)) * 0x9E3779B97F4A7C15ull;
        return size_t(h >> (64 - m_shift));
    }

    void rehash(size_t capacity)
    {
        std::vector<const T*> old = std::move(m_slots);
        m_slots.assign(capacity, nullptr);
        m_shift = unsigned(std::countr_zero(capacity));
        m_size = 0;
        for (const T* p : old)
            if (p)
                insert(p);
    }

    std::vector<const T*> m_slots;
    unsigned m_shift = 0;
    size_t m_size = 0;
    bool m_hasNull = false;
};

} // namespace gr2
