#pragma once
// The records a level writes: its map elements, player records, Things file items in their write
// order and its level description. The file layer frames them into sections.

#include "level/TileGeometry.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/SectionWriter.h"

#include <string_view>
#include <vector>

namespace gr2 {

class CWorldEditorDoc;

namespace LevelRecords {

/// The bridge base byte of a map element: 2 for a bridge next to terrain 5, else 1.
uint8_t bridgeBase(const CWorldEditorDoc& doc, TilePoint p);
/// Width × height 4-byte map elements, row by row.
Bytes packMapElements(const CWorldEditorDoc& doc);
/// One record per player, in array order.
std::vector<Bytes> packPlayers(const CWorldEditorDoc& doc);

/// The Things file items in write order: placed creatures (Good 199, Neutral 198, others 200),
/// placed doors, traps and objects, action points, hero parties, dead bodies, effect generators,
/// each player's heart, portals and hero gates, then the items kept as read. Sets the waypoint bit
/// on every action point when any of them has a next waypoint, as the game expects.
std::vector<ThingItem> collectThingItems(CWorldEditorDoc& doc);

/// The level description record; flag 4 is recomputed first (set when some Vorlan has no
/// forced first-person creature) and stays set on the level.
Bytes packLevelDescription(CWorldEditorDoc& doc);
/// The same record for the level saved under another name: a Save As writes the new name before
/// the level takes it.
Bytes packLevelDescription(CWorldEditorDoc& doc, std::u16string_view levelName);

} // namespace LevelRecords

} // namespace gr2
