#pragma once
// The few things the level model asks of the script (triggers and actions) without depending on
// it. The script model implements this interface and installs itself on the document; while none
// is installed a level has no triggers or actions, so there is no chain to follow or delete.

#include "level/TileGeometry.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace gr2 {

class CLevelObject;
class CCreature;

/// A script action whose tile a change of the map's size cut off: it was brought to the nearest
/// tile that stays, so the action and its place in the script survive; the user is told.
struct ScriptTileBroughtInside {
    int16_t actionId = 0;
    uint8_t kind = 0;
    TilePoint from; ///< the tile the action named, on the old map
    TilePoint to;   ///< the tile it names now
};

class ScriptHooks {
public:
    virtual ~ScriptHooks() = default;

    /// Deletes every trigger attached to `object`, each with its whole subtree, and clears the
    /// object's first trigger. Called before the object itself leaves the level.
    virtual void deleteTriggerChain(CLevelObject& object) = 0;

    /// The last link of the chain that starts with `firstTrigger`, following the next links of
    /// triggers (positive ids) and actions (negative ids); 0 for an empty chain.
    virtual int16_t lastTriggerOfChain(int16_t firstTrigger) const = 0;

    /// A creature that shows a Create Creature action moved; the action's position follows.
    virtual void sourceCreatureMoved(int16_t actionId, TilePoint to) = 0;

    /// The map moved under the script (flip, turn or resize): every tile a script action names
    /// that lay on the old map goes where `move` sends it, and a Create Creature action's preview
    /// creature goes with its tile. A tile sent outside `keep` is brought to the nearest tile of
    /// `keep`; those actions are answered so the user can be told. Tiles that already lay off the
    /// old map are left as they are.
    virtual std::vector<ScriptTileBroughtInside>
    moveScriptTiles(const std::function<TilePoint(TilePoint)>& move, const TileRect& oldMap,
                    const TileRect& keep)
    {
        (void)move;
        (void)oldMap;
        (void)keep;
        return {};
    }

    /// The user finished picking creatures for the Create Creature action `actionId`: make one
    /// new action per creature under the edited trigger and link each creature to it
    /// (setSourceAction). Returns false when no action could be made; the creatures are then
    /// deleted by the document.
    virtual bool createCreatureActions(int16_t actionId, std::span<CCreature* const> creatures) = 0;

    /// The level is being emptied (new level, level opened): every trigger and action goes, and
    /// nothing the script held of the level's objects may be used any more.
    virtual void levelCleared() {}
};

} // namespace gr2
