#pragma once
// Terrain and player ids that have a fixed meaning in a level; every other id is plain data of the
// type tables.

#include <cstdint>

namespace gr2 {

namespace TerrainId {
inline constexpr uint8_t BridgeBaseLow = 4;  ///< a bridge next to it is written with base 1
inline constexpr uint8_t BridgeBaseHigh = 5; ///< a bridge next to it is written with base 2
inline constexpr uint8_t ClaimedFloor = 8;   ///< what a dismantled heart, portal or gate leaves
inline constexpr uint8_t Treasury = 10;      ///< counted towards a player's gold capacity
inline constexpr uint8_t Portal = 12;
inline constexpr uint8_t DungeonHeart = 14;
inline constexpr uint8_t Bridge1 = 17;
inline constexpr uint8_t Bridge2 = 26;
inline constexpr uint8_t Border = 30;
inline constexpr uint8_t HeroGate = 33;
inline constexpr uint8_t HeroGateLarge = 34;
inline constexpr uint8_t Bridge3 = 36;
inline constexpr uint8_t HeroGateSmall = 37;
inline constexpr uint8_t PortalAlt = 40;

inline bool isPortal(uint8_t id)
{
    return id == Portal || id == PortalAlt;
}
inline bool isHeroGate(uint8_t id)
{
    return id == HeroGate || id == HeroGateLarge || id == HeroGateSmall;
}
inline bool isBridge(uint8_t id)
{
    return id == Bridge1 || id == Bridge2 || id == Bridge3;
}
} // namespace TerrainId

namespace PlayerId {
inline constexpr uint8_t None = 0;
inline constexpr uint8_t Good = 1;
inline constexpr uint8_t Neutral = 2;
inline constexpr uint8_t FirstVorlan = 3;
} // namespace PlayerId

/// Creatures outside any hero party carry this party id.
inline constexpr uint8_t kNoParty = 255;
inline constexpr int kHeroPartySlots = 24;
inline constexpr int kHeroPartyMembers = 16;

} // namespace gr2
