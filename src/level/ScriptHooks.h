#pragma once
// The few things the level model asks of the script (triggers and actions) without depending on
// it. The script model implements this interface and installs itself on the document; while none
// is installed a level has no triggers or actions, so there is no chain to follow or delete.

#include "level/TileGeometry.h"

#include <cstdint>
#include <span>

namespace gr2 {

class CLevelObject;
class CCreature;

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
