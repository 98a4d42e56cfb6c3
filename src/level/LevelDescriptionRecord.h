#pragma once
// The level description record of a level's master file: identity texts, properties, text
// messages and flags in one 25683-byte record, described by its field table.

#include "level/LevelProperties.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/RecordLayout.h"

namespace gr2 {

class Reporter;

namespace LevelDescriptionRecord {

const RecordLayout& layout();

/// The record a save writes; `playerCount` fills the stored number of players − 2.
Bytes pack(const LevelProperties& properties, size_t playerCount);

/// Applies every present field to the properties, with the load-time corrections: rewards the
/// game does not know are dropped with a warning, a ticks value of 0 or above 50 becomes 4, flags
/// are merged into those already set, and levels older than 2.50 lose the Secret and Special
/// Level flags.
void unpack(const FlaggedRecord& record, const LevelVersion& version, LevelProperties& properties,
            Reporter& reporter);

/// Whether a stored reward byte names a reward the game knows.
bool isValidReward(uint8_t reward);

} // namespace LevelDescriptionRecord

} // namespace gr2
