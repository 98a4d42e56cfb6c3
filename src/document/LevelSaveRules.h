#pragma once
// What a save derives from the level before it writes anything: the availability marks (state 4
// for types a player lacks but the level uses), the creature types the level uses, the records of
// the Variables file and the part-file entries of the master file.

#include "worlddata/ByteOrder.h"
#include "worlddata/SectionIds.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gr2 {

class CTypeDatabase;
class CWorldEditorDoc;

namespace LevelSaveRules {

/// The availability state that marks a type the player lacks but the level uses.
inline constexpr uint32_t kUsedButUnavailable = 4;

/// The room type whose floor the terrain is; 0 for a terrain that is not flagged as a room floor.
uint8_t roomOfTerrain(const CTypeDatabase& db, uint8_t terrainId);
/// The creature types a room attracts: those whose first attraction names the room, table order.
std::vector<uint8_t> creaturesAttractedBy(const CTypeDatabase& db, uint8_t roomType);

/// The marking every save runs first: state 4 in room and creature lists goes back to 1, then each
/// Vorlan's plain entries become 4 for the rooms and creatures another Vorlan has in another
/// state, for room floors on the map, for the level's creatures and for Create Creature actions,
/// and finally for what Set Availability actions make available. The action's category byte picks
/// the list by the Variables file's numbering, so door and trap actions mark each other's lists,
/// as stored levels expect. Entries are changed, never added.
void markAvailability(CWorldEditorDoc& doc, const CTypeDatabase& db);

/// The distinct creature type ids the level uses, in first-use order.
std::vector<uint32_t> usedCreatureTypes(const CWorldEditorDoc& doc, const CTypeDatabase& db);

/// Variable 74: the gold a tile of terrain 6 yields per game tick, from the level's variable 7;
/// 0 when terrain 6 is missing or a divisor is 0.
int32_t goldPerTickVariable(const CWorldEditorDoc& doc, const CTypeDatabase& db);

/// The 16-byte records of the Variables file in their write order: creature pools (1),
/// availability (2), the overridable variables, 74, alliances (66), creature stat overrides (77),
/// rating (241) and average time (242).
std::vector<Bytes> variableRecords(const CWorldEditorDoc& doc, const CTypeDatabase& db);

/// A 72-byte part-file entry. The path is stored as 8-bit text and cut to 63 bytes so the field
/// always ends with a zero.
Bytes partFileEntry(const std::string& path, uint32_t sectionId);

} // namespace LevelSaveRules

} // namespace gr2
