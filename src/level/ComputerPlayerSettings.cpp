#include "level/ComputerPlayerSettings.h"

#include <algorithm>

namespace gr2 {

namespace {

namespace F = ComputerPlayerField;

constexpr std::string_view kPersonalityNames[kPersonalityCount] = {
    "Master Vorlan", "Conqueror", "Psychotic",     "Stalwart", "Greyman",
    "Idiot",         "Guardian",  "Thick Skinned", "Paranoid",
};

struct DefaultRow {
    size_t field;
    std::array<int32_t, kPersonalityCount> values;
};

consteval size_t field(std::string_view name, uint32_t blockOffset)
{
    return F::named(name, F::kBlock + blockOffset);
}

// One row per field, one column per personality.
// clang-format off
const DefaultRow kDefaults[] = {
    {field("minTimeBeforeResearchedRoom", 0),  {0, 15, 30, 0, 15, 30, 0, 15, 30}},
    {field("createEmptyAreasWhenIdle", 1),     {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("biggerLairAfterPortal", 5),        {1, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("defaultRoomSize", 9),              {25, 16, 9, 25, 16, 12, 25, 16, 12}},
    {field("tilesBetweenRooms", 10),           {2, 1, 0, 1, 1, 1, 1, 1, 1}},
    {field("sellCapturedRooms", 11),           {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("closeRoomDistance", 15),           {0, 0, 1, 0, 0, 1, 0, 1, 1}},
    {field("buildLostRoomAfter", 16),          {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("corridorStyle", 17),               {1, 0, 0, 1, 0, 2, 2, 2, 0}},
    {field("moreRoomSpace", 18),               {0, 0, 1, 0, 0, 1, 0, 0, 1}},
    {field("digToNeutralNearHeart", 19),       {25, 20, 40, 25, 20, 15, 15, 14, 13}},
    {field("digToNeutralNearClaimed", 20),     {4, 3, 5, 3, 3, 3, 2, 2, 1}},
    {field("flexibility", 21),                 {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("trapUseStyle", 37),                {2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {field("trapDoorPreference", 38),          {2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {field("doorUsage", 39),                   {0, 0, 1, 0, 0, 1, 0, 2, 1}},
    {field("bouldersOnLongCorridors", 40),     {1, 1, 0, 1, 1, 0, 1, 1, 0}},
    {field("bouldersToBreachPoints", 44),      {1, 1, 0, 1, 0, 0, 1, 1, 0}},
    {field("chanceOfUsingTrapsDoors", 48),     {99, 70, 30, 99, 50, 25, 99, 50, 25}},
    {field("attackCreatureCount", 49),         {15, 10, 5, 15, 15, 15, 4, 4, 4}},
    {field("attackCreatureLevel", 50),         {8, 5, 0, 8, 5, 2, 0, 0, 0}},
    {field("attackOnLevel", 51),               {1, 1, 0, 1, 1, 1, 1, 1, 1}},
    {field("attackThreatPercent", 55),         {20, 125, 0, 100, 100, 100, 200, 200, 200}},
    {field("attackOnThreat", 56),              {1, 1, 0, 1, 1, 1, 1, 1, 1}},
    {field("attackAllRoomsPlaced", 60),        {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("attackAllSpellsResearched", 64),   {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("firstBreachTarget", 68),           {2, 0, 3, 2, 1, 3, 2, 1, 3}},
    {field("firstDigPoint", 69),               {3, 3, 2, 0, 1, 2, 0, 3, 2}},
    {field("breachPoints", 70),                {2, 1, 1, 2, 1, 1, 1, 1, 1}},
    {field("firstFightPercent", 71),           {50, 75, 100, 50, 40, 30, 40, 20, 10}},
    {field("onlyAttackAttackers", 72),         {0, 0, 0, 0, 0, 1, 1, 1, 1}},
    {field("neverAttack", 76),                 {0, 0, 0, 0, 0, 0, 0, 1, 1}},
    {field("droppedThreatPercent", 80),        {125, 100, 50, 125, 110, 90, 150, 150, 150}},
    {field("battleSpellStyle", 81),            {2, 2, 0, 2, 2, 2, 2, 2, 2}},
    {field("callToArmsThreat", 82),            {2000, 1500, 1000, 2150, 2000, 2500, 2000, 2500, 3500}},
    {field("imprisonPercent", 84),             {5, 5, 0, 15, 8, 25, 15, 20, 25}},
    {field("pullFromLostFight", 85),           {1, 1, 0, 1, 1, 0, 1, 1, 1}},
    {field("lairHealthPercent", 89),           {10, 10, 10, 20, 20, 20, 30, 30, 30}},
    {field("removeCallToArmsAfter", 90),       {240, 240, 240, 240, 240, 240, 240, 240, 240}},
    {field("removeCallToArmsEnemies", 92),     {1, 1, 1, 2, 2, 2, 5, 5, 5}},
    {field("removeCallToArmsTiles", 93),       {5, 5, 5, 5, 5, 5, 5, 5, 5}},
    {field("removeCallToArmsTotal", 94),       {10, 5, 1, 10, 10, 10, 4, 4, 4}},
    {field("waitBetweenAttacks", 95),          {90, 90, 90, 90, 90, 90, 90, 90, 90}},
    {field("cheerUnhappy", 97),                {1, 0, 0, 1, 0, 0, 1, 0, 0}},
    {field("cheerAngry", 101),                 {1, 1, 0, 1, 1, 0, 1, 1, 0}},
    {field("disposeAngry", 105),               {0, 0, 1, 0, 0, 1, 0, 0, 1}},
    {field("disposalMethod", 109),             {1, 1, 0, 1, 1, 0, 1, 1, 0}},
    {field("disposeRubbish", 110),             {1, 0, 0, 1, 0, 0, 1, 0, 0}},
    {field("maxImps", 114),                    {20, 15, 10, 15, 10, 5, 12, 8, 4}},
    {field("slapBits", 115),                   {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("sightOfEvil", 116),                {2, 1, 2, 2, 1, 2, 2, 1, 1}},
    {field("spellsInBattle", 117),             {2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {field("lightningOnWater", 118),           {1, 0, 0, 1, 0, 0, 1, 0, 0}},
    {field("powerPreference", 122),            {2, 2, 2, 2, 2, 2, 2, 2, 2}},
    {field("callToArmsUse", 123),              {1, 1, 2, 0, 0, 2, 0, 1, 2}},
    {field("libraryLikelihood", 124),          {0, 1, 2, 0, 1, 2, 0, 1, 2}},
    {field("mineGoldUntil", 125),              {9000, 6000, 6000, 9000, 6000, 6000, 9000, 6000, 6000}},
    {field("exploreTiles", 127),               {10, 8, 15, 8, 5, 2, 5, 4, 3}},
    {field("exploreChance", 128),              {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    {field("findSpecialsChance", 129),         {90, 50, 20, 90, 50, 20, 90, 50, 20}},
    {field("impsToTilesRatio", 130),           {15, 25, 35, 15, 20, 25, 15, 15, 15}},
    {field("imprisonedFate", 131),             {0, 2, 1, 0, 2, 1, 0, 3, 1}},
    {field("startingMana", 132),               {100, 100, 100, 100, 100, 100, 100, 100, 100}},
    {field("speed", 136),                      {1, 1, 1, 1, 1, 1, 1, 1, 1}},
    {field("openness", 137),                   {50, 50, 50, 20, 20, 20, 15, 15, 15}},
    {field("manaValue", 138),                  {100, 100, 100, 100, 100, 100, 100, 100, 100}},
    {field("goldValue", 140),                  {100, 100, 100, 100, 100, 100, 100, 100, 100}},
};
// clang-format on

const RecordLayout kLayout{"ComputerPlayer", uint32_t(kComputerSettingsSize), F::kTable};

// The room types that head the default build order even when not flagged buildable.
constexpr uint8_t kAlwaysBuiltRooms[] = {3, 25};

} // namespace

const RecordLayout& computerPlayerLayout()
{
    return kLayout;
}

std::string_view personalityName(uint32_t personality)
{
    return personality < kPersonalityCount ? kPersonalityNames[personality] : std::string_view{};
}

uint32_t personalityOf(std::span<const uint8_t> area)
{
    return uint32_t(getIntField(area, F::def(F::Personality)));
}

std::optional<int64_t> personalityDefault(size_t fieldHandle, uint32_t personality)
{
    if (personality >= kPersonalityCount)
        return std::nullopt;
    for (const DefaultRow& row : kDefaults)
        if (row.field == fieldHandle)
            return row.values[personality];
    return std::nullopt;
}

BuildOrder defaultBuildOrder(std::span<const BuildOrderRoom> rooms)
{
    BuildOrder order{};
    size_t taken = 0;
    for (const BuildOrderRoom& room : rooms) {
        if (taken == order.size())
            break;
        const bool always = std::find(std::begin(kAlwaysBuiltRooms), std::end(kAlwaysBuiltRooms), room.id) !=
                            std::end(kAlwaysBuiltRooms);
        if (room.buildable || always)
            order[taken++] = room.id;
    }
    return order;
}

BuildOrder buildOrderOf(std::span<const uint8_t> area)
{
    BuildOrder order{};
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = uint8_t(getIntField(area, F::def(F::BuildOrder), i));
    return order;
}

void setBuildOrder(std::span<uint8_t> area, const BuildOrder& order)
{
    for (size_t i = 0; i < order.size(); ++i)
        setIntField(area, F::def(F::BuildOrder), order[i], i);
}

bool ensureBuildOrder(std::span<uint8_t> area, std::span<const BuildOrderRoom> rooms)
{
    const BuildOrder order = buildOrderOf(area);
    if (std::find(order.begin(), order.end(), 0) == order.end())
        return false;
    setBuildOrder(area, defaultBuildOrder(rooms));
    return true;
}

bool canMoveBuildOrderEntry(size_t index, BuildOrderMove move)
{
    if (index >= kBuildOrderLength)
        return false;
    if (move == BuildOrderMove::Top || move == BuildOrderMove::Up)
        return index > 0;
    return index + 1 < kBuildOrderLength;
}

size_t moveBuildOrderEntry(BuildOrder& order, size_t index, BuildOrderMove move)
{
    if (!canMoveBuildOrderEntry(index, move))
        return index;
    const auto at = order.begin() + std::ptrdiff_t(index);
    switch (move) {
    case BuildOrderMove::Top:
        std::rotate(order.begin(), at, at + 1);
        return 0;
    case BuildOrderMove::Up:
        std::iter_swap(at, at - 1);
        return index - 1;
    case BuildOrderMove::Down:
        std::iter_swap(at, at + 1);
        return index + 1;
    case BuildOrderMove::Bottom:
        std::rotate(at, at + 1, order.end());
        return order.size() - 1;
    }
    return index;
}

void setPersonality(std::span<uint8_t> area, uint32_t personality, bool applyDefaults,
                    std::span<const BuildOrderRoom> rooms)
{
    setIntField(area, F::def(F::Personality), personality);
    if (!applyDefaults || personality >= kPersonalityCount)
        return;
    for (const DefaultRow& row : kDefaults)
        setIntField(area, F::def(row.field), row.values[personality]);
    setBuildOrder(area, defaultBuildOrder(rooms));
}

std::optional<int32_t> personalityStartingGold(uint32_t personality)
{
    constexpr int32_t kGold[kPersonalityCount] = {150000, 100000, 50000, 100000, 50000,
                                                  30000,  80000,  30000, 10000};
    if (personality >= kPersonalityCount)
        return std::nullopt;
    return kGold[personality];
}

} // namespace gr2
