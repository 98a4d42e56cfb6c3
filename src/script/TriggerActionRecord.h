#pragma once
// The 16-byte record of one action in the Trigger section (item 214). The parameter words cross
// the file boundary only as far as the action's kind uses them, in both directions.

#include "script/ActionKind.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/RecordLayout.h"

#include <cstdint>

namespace gr2 {

struct TriggerActionRecord {
    enum Field : size_t { A0, A1, A2, A3, B, Id, Next, Reserved16, Kind, Reserved8 };

    ActionParameters parameters;
    int16_t id = 0;
    int16_t next = 0;
    uint8_t kind = 0;

    static const RecordLayout& layout();

    /// The stored bytes; the parts of the words the kind does not use, and the reserved fields,
    /// are written as 0.
    Bytes pack() const;
    /// Reads a record as stored, taking the words through the kind's selection. A Set Creature
    /// Objective without an objective becomes Kill Player against player 3, the objective a
    /// creature has by default.
    static TriggerActionRecord read(const FlaggedRecord& record);
};

} // namespace gr2
