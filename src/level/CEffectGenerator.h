#pragma once
// A rectangle of the map where the game keeps playing up to four effects at a given frequency.

#include "level/CLevelObject.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace gr2 {

class CEffectGenerator : public CLevelObject {
public:
    explicit CEffectGenerator(CWorldEditorDoc* doc, uint8_t id = 0)
        : CLevelObject(ObjectKind::EffectGenerator, doc), m_id(id)
    {
    }

    uint8_t id() const { return m_id; }
    void setId(uint8_t id) { m_id = id; }
    uint16_t width() const { return m_width; }
    uint16_t height() const { return m_height; }
    void setExtent(uint16_t width, uint16_t height)
    {
        m_width = width;
        m_height = height;
    }
    /// The tiles the generator covers, at least its own tile (a generator without extent covers
    /// that one), as clicks and the map's highlight take it.
    TileRect area() const
    {
        return {x(), y(), x() + std::max<int32_t>(m_width, 1) - 1, y() + std::max<int32_t>(m_height, 1) - 1};
    }
    /// Keeps x + width and y + height inside a map of the given size. A generator standing on
    /// the last column or row (or beyond) gets no extent there rather than a wrapped-around one.
    void clampExtent(uint32_t mapWidth, uint32_t mapHeight);

    uint8_t frequency() const { return m_frequency; }
    void setFrequency(uint8_t f) { m_frequency = f; }
    /// Effect type ids; 0 = none.
    uint16_t effect(size_t i) const { return i < m_effects.size() ? m_effects[i] : 0; }
    void setEffect(size_t i, uint16_t id)
    {
        if (i < m_effects.size())
            m_effects[i] = id;
    }

private:
    uint8_t m_id;
    uint16_t m_width = 0;
    uint16_t m_height = 0;
    uint8_t m_frequency = 1;
    std::array<uint16_t, 4> m_effects{};
};

} // namespace gr2
