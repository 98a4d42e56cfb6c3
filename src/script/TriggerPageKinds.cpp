#include "script/TriggerPageKinds.h"

#include <array>

namespace gr2 {

namespace {

constexpr std::array<uint8_t, 6> kAttributeOwned = {34, 35, 36, 37, 49, 67};
constexpr std::array<uint8_t, 3> kAttributeLevel = {34, 35, 67};
constexpr std::array<uint8_t, 3> kAttributeCreature = {36, 37, 49};

constexpr std::array<uint8_t, 32> kEventOwned = {3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                                 14, 15, 16, 17, 18, 46, 47, 48, 50, 51, 54,
                                                 55, 56, 57, 58, 59, 60, 61, 63, 65, 66};
constexpr std::array<uint8_t, 1> kEventLevel = {46};
constexpr std::array<uint8_t, 7> kEventPlayer = {47, 56, 57, 58, 59, 60, 61};
constexpr std::array<uint8_t, 18> kEventCreature = {3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                    12, 13, 14, 15, 16, 63, 54, 65, 55};
constexpr std::array<uint8_t, 1> kEventDoor = {17};
constexpr std::array<uint8_t, 1> kEventObject = {18};

constexpr std::array<uint8_t, 20> kPlayer = {19, 20, 21, 52, 73, 74, 22, 23, 25, 24,
                                             26, 68, 27, 28, 29, 30, 31, 32, 71, 33};
constexpr std::array<uint8_t, 1> kFlag = {1};
constexpr std::array<uint8_t, 1> kTimer = {2};
constexpr std::array<uint8_t, 8> kActionPointOwned = {38, 39, 40, 41, 42, 62, 69, 70};
constexpr std::array<uint8_t, 7> kActionPoint = {42, 39, 70, 40, 41, 62, 69};
constexpr std::array<uint8_t, 4> kParty = {43, 44, 45, 64};
constexpr std::array<uint8_t, 2> kGui = {53, 72};
constexpr std::array<uint8_t, 1> kGuiSubTrigger = {72};

} // namespace

std::span<const uint8_t> triggerKindsOwnedBy(TriggerPage page)
{
    switch (page) {
    case TriggerPage::Attribute:
        return kAttributeOwned;
    case TriggerPage::Event:
        return kEventOwned;
    case TriggerPage::Player:
        return kPlayer;
    case TriggerPage::Flag:
        return kFlag;
    case TriggerPage::ActionPoint:
        return kActionPointOwned;
    case TriggerPage::Timer:
        return kTimer;
    case TriggerPage::Party:
        return kParty;
    case TriggerPage::Gui:
        return kGui;
    case TriggerPage::Repeat:
        break;
    }
    return {};
}

std::span<const uint8_t> attributeKindsFor(TriggerOwnerKind subject)
{
    switch (subject) {
    case TriggerOwnerKind::Level:
        return kAttributeLevel;
    case TriggerOwnerKind::Creature:
        return kAttributeCreature;
    default:
        return {};
    }
}

std::span<const uint8_t> eventKindsFor(TriggerOwnerKind subject)
{
    switch (subject) {
    case TriggerOwnerKind::Level:
        return kEventLevel;
    case TriggerOwnerKind::Player:
        return kEventPlayer;
    case TriggerOwnerKind::Creature:
        return kEventCreature;
    case TriggerOwnerKind::Door:
        return kEventDoor;
    case TriggerOwnerKind::Object:
        return kEventObject;
    default:
        return {};
    }
}

std::span<const uint8_t> playerPageKinds()
{
    return kPlayer;
}
std::span<const uint8_t> actionPointPageKinds()
{
    return kActionPoint;
}
std::span<const uint8_t> partyPageKinds()
{
    return kParty;
}
std::span<const uint8_t> guiPageKinds(bool subTrigger)
{
    if (subTrigger)
        return kGuiSubTrigger;
    return kGui;
}

} // namespace gr2
