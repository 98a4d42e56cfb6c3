#pragma once
// A named rectangle of tiles that scripts refer to by id: where heroes gather, where the camera
// zooms, and the stops of waypoint paths.

#include "level/CLevelObject.h"

#include <cstdint>
#include <string>

namespace gr2 {

namespace ActionPointFlag {
inline constexpr uint8_t HeroLair = 0x01;
inline constexpr uint8_t Waypoint = 0x04; ///< part of waypoint paths
inline constexpr uint8_t RevealThroughFog = 0x10;
inline constexpr uint8_t ToolBox = 0x20;
inline constexpr uint8_t IgnoreSolid = 0x40;
} // namespace ActionPointFlag

class CActionPoint : public CLevelObject {
public:
    static constexpr uint8_t kMaxId = 80;
    static constexpr uint16_t kMaxWaitDelay = 32767;

    explicit CActionPoint(CWorldEditorDoc* doc, uint8_t id = 0)
        : CLevelObject(ObjectKind::ActionPoint, doc), m_id(id)
    {
    }

    uint8_t id() const { return m_id; }
    void setId(uint8_t id) { m_id = id; }
    /// "Action Point %u" with the id.
    std::string name() const { return "Action Point " + std::to_string(unsigned(m_id)); }

    /// Inclusive tile rectangle.
    const TileRect& area() const { return m_area; }
    void setArea(const TileRect& r) { m_area = r; }

    uint8_t nextWaypoint() const { return m_next; }
    void setNextWaypoint(uint8_t id) { m_next = id; }
    uint16_t waitDelay() const { return m_wait; }
    void setWaitDelay(uint16_t d) { m_wait = d > kMaxWaitDelay ? kMaxWaitDelay : d; }
    uint8_t flags() const { return m_flags; }
    void setFlags(uint8_t f) { m_flags = f; }
    bool hasFlag(uint8_t bit) const { return (m_flags & bit) != 0; }
    void setFlag(uint8_t bit, bool on) { m_flags = uint8_t(on ? m_flags | bit : m_flags & ~bit); }

private:
    uint8_t m_id;
    TileRect m_area{0, 0, 0, 0};
    uint8_t m_next = 0;
    uint16_t m_wait = 0;
    uint8_t m_flags = 0;
};

} // namespace gr2
