#include "document/LevelChecks.h"

#include "level/CWorldEditorDoc.h"
#include "level/TextConversion.h"
#include "script/LevelScript.h"
#include "worlddata/Reporter.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace gr2 {

namespace {

constexpr uint32_t kHeartGoldVariable = 178;
constexpr int64_t kGoldPerHeartUnit = 16;
constexpr int64_t kGoldPerTreasuryTile = 24;

int asInt(int64_t v)
{
    return int(std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::optional<std::string> heartCheck(const CWorldEditorDoc& doc)
{
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        bool hasHeart = false;
        const auto terrain = doc.terrainTiles();
        const auto owner = doc.ownerTiles();
        for (size_t t = 0; t < terrain.size() && !hasHeart; ++t)
            hasHeart = terrain[t] == TerrainId::DungeonHeart && owner[t] == p.id();
        if (!hasHeart)
            return formatMessage("%s must have a Dungeon Heart!", latin1ToUtf8(p.name()));
    }
    return std::nullopt;
}

std::optional<std::string> goldCheck(const CWorldEditorDoc& doc)
{
    const double perHeart = doc.GetVariable(kHeartGoldVariable);
    const int64_t heartPart = std::isfinite(perHeart)
                                  ? int64_t(std::clamp(std::trunc(perHeart), -1e12, 1e12)) * kGoldPerHeartUnit
                                  : 0;
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        int64_t treasury = 0;
        const auto terrain = doc.terrainTiles();
        const auto owner = doc.ownerTiles();
        for (size_t t = 0; t < terrain.size(); ++t)
            if (terrain[t] == TerrainId::Treasury && owner[t] == p.id())
                ++treasury;
        const int64_t capacity = heartPart + kGoldPerTreasuryTile * treasury;
        if (capacity < p.startingGold())
            return "Starting Gold [ " + std::to_string(p.startingGold()) + " ] for " +
                   latin1ToUtf8(p.name()) + " exceeds Dungeon capacity [ " + std::to_string(asInt(capacity)) +
                   " ]!";
    }
    return std::nullopt;
}

std::optional<std::string> actionPointCheck(const CWorldEditorDoc& doc)
{
    const LevelScript* script = LevelScript::of(doc);
    if (!script)
        return std::nullopt;
    // Every invalid action is looked at; the message names the last one in the list.
    std::optional<std::string> message;
    for (const auto& action : script->actions()) {
        const uint8_t kind = action->kind();
        if (kind != uint8_t(ActionKind::DisplayObjective) && kind != uint8_t(ActionKind::DisplayInformation))
            continue;
        const uint8_t point = action->parameters().b0();
        if (point == 0 || doc.FindActionPoint(point))
            continue;
        message = "Action " + std::to_string(action->id()) + " [ " + utf16ToUtf8(actionKindName(kind)) +
                  " ] - Invalid Action Point ID";
    }
    return message;
}

} // namespace

std::optional<std::string> firstFailedLevelCheck(const CWorldEditorDoc& doc)
{
    if (auto m = heartCheck(doc))
        return m;
    if (auto m = goldCheck(doc))
        return m;
    return actionPointCheck(doc);
}

bool CheckLevel(const CWorldEditorDoc& doc, Reporter& reporter)
{
    if (std::optional<std::string> message = firstFailedLevelCheck(doc)) {
        reporter.message(*message, Reporter::Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace gr2
