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

} // namespace

std::vector<LevelCheckFailure> heartCheckFailures(const CWorldEditorDoc& doc)
{
    std::vector<LevelCheckFailure> failures;
    const auto terrain = doc.terrainTiles();
    const auto owner = doc.ownerTiles();
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        bool hasHeart = false;
        for (size_t t = 0; t < terrain.size() && t < owner.size() && !hasHeart; ++t)
            hasHeart = terrain[t] == TerrainId::DungeonHeart && owner[t] == p.id();
        if (!hasHeart)
            failures.push_back(
                {formatMessage("%s must have a Dungeon Heart!", latin1ToUtf8(p.name())), p.id(), 0});
    }
    return failures;
}

std::vector<LevelCheckFailure> goldCheckFailures(const CWorldEditorDoc& doc)
{
    std::vector<LevelCheckFailure> failures;
    const double perHeart = doc.GetVariable(kHeartGoldVariable);
    const int64_t heartPart = std::isfinite(perHeart)
                                  ? int64_t(std::clamp(std::trunc(perHeart), -1e12, 1e12)) * kGoldPerHeartUnit
                                  : 0;
    const auto terrain = doc.terrainTiles();
    const auto owner = doc.ownerTiles();
    for (size_t i = 0; i < doc.PlayerCount(); ++i) {
        const CPlayer& p = *doc.PlayerAt(i);
        if (!p.isVorlan())
            continue;
        int64_t treasury = 0;
        for (size_t t = 0; t < terrain.size() && t < owner.size(); ++t)
            if (terrain[t] == TerrainId::Treasury && owner[t] == p.id())
                ++treasury;
        const int64_t capacity = heartPart + kGoldPerTreasuryTile * treasury;
        if (capacity < p.startingGold())
            failures.push_back({"Starting Gold [ " + std::to_string(p.startingGold()) + " ] for " +
                                    latin1ToUtf8(p.name()) + " exceeds Dungeon capacity [ " +
                                    std::to_string(asInt(capacity)) + " ]!",
                                p.id(), 0});
    }
    return failures;
}

std::vector<LevelCheckFailure> actionPointCheckFailures(const CWorldEditorDoc& doc)
{
    std::vector<LevelCheckFailure> failures;
    const LevelScript* script = LevelScript::of(doc);
    if (!script)
        return failures;
    for (const auto& action : script->actions()) {
        const uint8_t kind = action->kind();
        if (kind != uint8_t(ActionKind::DisplayObjective) && kind != uint8_t(ActionKind::DisplayInformation))
            continue;
        const uint8_t point = action->parameters().b0();
        if (point == 0 || doc.FindActionPoint(point))
            continue;
        failures.push_back({invalidActionPointMessage(*action), 0, action->id()});
    }
    return failures;
}

std::string invalidActionPointMessage(const CAction& action)
{
    return "Action " + std::to_string(action.id()) + " [ " + utf16ToUtf8(actionKindName(action.kind())) +
           " ] - Invalid Action Point ID";
}

std::optional<std::string> firstFailedLevelCheck(const CWorldEditorDoc& doc)
{
    if (auto failures = heartCheckFailures(doc); !failures.empty())
        return failures.front().message;
    if (auto failures = goldCheckFailures(doc); !failures.empty())
        return failures.front().message;
    // Every invalid action is looked at; the message names the last one in the list.
    if (auto failures = actionPointCheckFailures(doc); !failures.empty())
        return failures.back().message;
    return std::nullopt;
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
