#pragma once
// The dialogs of the special rooms a player holds: a portal (owner and health), the Dungeon Heart
// (health; its owner is shown but fixed, as a heart belongs to its player) and a hero gate (the
// direction it faces). Each room is found again by its tile when "OK" writes it.

#include "forms/ThingEditSession.h"
#include "script/ScriptTreeCommands.h"

#include <memory>

namespace gr2 {

class CPlayer;
class CTypeDatabase;

/// "%% [ %u Health ]": the percentage of a full health, in whole units.
std::string healthLabel(int64_t fullHealth, int64_t percent);

/// A portal's or a Dungeon Heart's values (a heart's owner is shown only).
struct RoomHealthEdit {
    uint8_t owner = 0;
    int32_t health = 100;   ///< percent
    std::string healthText; ///< shown only
};
struct HeroGateEdit {
    uint8_t owner = 0; ///< shown only
    uint8_t direction = 0;
};

/// The rows of each dialog, in order: owner, health (or direction), health label.
struct RoomRows {
    size_t owner = 0, value = 0, label = 0;
};

/// None when no portal, heart or gate of that kind covers the tile.
std::unique_ptr<ThingSession> portalSession(CWorldEditorDoc& doc, TilePoint tile, const CTypeDatabase& types,
                                            RoomRows* rows = nullptr);
std::unique_ptr<ThingSession> heartSession(CWorldEditorDoc& doc, CPlayer& player, RoomRows* rows = nullptr);
std::unique_ptr<ThingSession> heroGateSession(CWorldEditorDoc& doc, TilePoint tile, RoomRows* rows = nullptr);

/// The dialog of the special room under a tile, for the map view's room menus.
std::unique_ptr<ThingSession> specialRoomSession(SpecialRoom room, TilePoint tile, CPlayer* player,
                                                 CWorldEditorDoc& doc, const CTypeDatabase& types);

} // namespace gr2
