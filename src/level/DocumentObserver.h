#pragma once
// What map views and the script tree hear from a level document. The document never knows a
// widget: every change it makes to "the views" or "the script tree" is one of these calls, made
// after the change (removals are announced before the object is destroyed, so observers can drop
// what they hold of it).

#include "level/TileGeometry.h"

#include <cstdint>
#include <string>

namespace gr2 {

class CLevelObject;

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;

    /// Tiles inside the rectangle (clipped to the map) changed terrain or owner.
    virtual void tilesChanged(const TileRect& rect) { (void)rect; }
    /// The map got a new size and new tile arrays; everything shown of it is stale.
    virtual void mapResized(uint32_t width, uint32_t height)
    {
        (void)width;
        (void)height;
    }
    /// A player, thing, action point, hero party or effect generator joined the level.
    virtual void objectAdded(CLevelObject& object) { (void)object; }
    /// The object is about to be destroyed; drop every reference to it.
    virtual void objectRemoved(CLevelObject& object) { (void)object; }
    /// Properties shown for the object (name, position, owner, members) changed.
    virtual void objectChanged(CLevelObject& object) { (void)object; }
    /// Waypoint links between action points changed; paths drawn between them are stale.
    virtual void waypointsChanged() {}
    /// The whole content was replaced (new level, level opened): rebuild everything shown.
    virtual void levelReset() {}
    virtual void modifiedChanged(bool modified) { (void)modified; }
    virtual void titleChanged(const std::string& title) { (void)title; }
    /// The player that tools should draw for: player 3 after opening, then the one the user chooses
    /// in the script tree.
    virtual void currentPlayerSuggested(uint8_t playerId) { (void)playerId; }
};

} // namespace gr2
