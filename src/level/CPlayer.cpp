#include "level/CPlayer.h"

#include "level/LevelIds.h"

#include <algorithm>
#include <cmath>

namespace gr2 {

CPlayer::CPlayer(CWorldEditorDoc* doc, uint8_t id)
    : CLevelObject(ObjectKind::Player, doc), m_name(defaultName(id)), m_id(id), m_colour(defaultColour(id))
{
}

std::string CPlayer::defaultName(uint8_t id)
{
    if (id == PlayerId::Good)
        return "Good Player";
    if (id == PlayerId::Neutral)
        return "Neutral Player";
    // Id 0 never names a player; the wrap keeps the text the unsigned arithmetic would give.
    return "Vorlan " + std::to_string(unsigned(id) - 2u);
}

Rgb CPlayer::defaultColour(uint8_t id)
{
    static constexpr Rgb kTable[] = {{154, 171, 181}, {255, 255, 255}, {150, 0, 0},
                                     {0, 25, 160},    {0, 160, 1},     {157, 160, 0}};
    if (id >= 1 && id <= 6)
        return kTable[id - 1];
    // Golden-angle steps around the hue circle at full saturation keep neighbouring ids distinct.
    double hue = std::fmod(double(id) * 137.508, 360.0);
    double c = 200.0;
    double h = hue / 60.0;
    double xPart = c * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    switch (int(h)) {
    case 0:
        r = c, g = xPart;
        break;
    case 1:
        r = xPart, g = c;
        break;
    case 2:
        g = c, b = xPart;
        break;
    case 3:
        g = xPart, b = c;
        break;
    case 4:
        r = xPart, b = c;
        break;
    default:
        r = c, b = xPart;
        break;
    }
    return {uint8_t(r + 40), uint8_t(g + 40), uint8_t(b + 40)};
}

int32_t CPlayer::poolCount(uint8_t type) const
{
    for (const CreaturePoolEntry& e : m_pool)
        if (e.type == type)
            return e.count;
    return 0;
}

void CPlayer::setPoolCount(uint8_t type, int32_t count)
{
    for (CreaturePoolEntry& e : m_pool) {
        if (e.type == type) {
            e.count = count;
            return;
        }
    }
    m_pool.push_back({type, count});
}

namespace {

size_t kindIndex(AvailabilityKind kind)
{
    size_t i = size_t(kind) - 1;
    return i < kAvailabilityKinds ? i : 0;
}

} // namespace

std::vector<AvailabilityEntry>& CPlayer::availability(AvailabilityKind kind)
{
    return m_availability[kindIndex(kind)];
}

const std::vector<AvailabilityEntry>& CPlayer::availability(AvailabilityKind kind) const
{
    return m_availability[kindIndex(kind)];
}

uint32_t CPlayer::availabilityState(AvailabilityKind kind, uint8_t type) const
{
    for (const AvailabilityEntry& e : availability(kind))
        if (e.type == type)
            return e.state;
    return 1;
}

bool CPlayer::setAvailabilityState(AvailabilityKind kind, uint8_t type, uint32_t state)
{
    for (AvailabilityEntry& e : availability(kind)) {
        if (e.type == type) {
            e.state = state;
            return true;
        }
    }
    return false;
}

} // namespace gr2
