#pragma once
// The 16-byte record of one trigger in the Trigger section (item 213). The parameter bytes cross
// the file boundary only as far as the trigger's kind uses them, in both directions.

#include "script/TriggerKind.h"
#include "worlddata/ByteOrder.h"
#include "worlddata/RecordLayout.h"

#include <cstdint>

namespace gr2 {

struct TriggerWhenRecord {
    enum Field : size_t { Op, Subject, Flags, Other, Value, Id, Next, Child, Kind, Repeat };

    TriggerParameters parameters;
    uint32_t value = 0;
    int16_t id = 0;
    int16_t next = 0;
    int16_t child = 0;
    uint8_t kind = 0;
    uint8_t repeat = 0;

    static const RecordLayout& layout();

    /// The stored bytes; parameter bytes the kind does not use are written as 0.
    Bytes pack() const;
    /// Reads a record as stored: the obsolete kind 38 becomes 39 first, then the parameter bytes
    /// are taken through the kind's selection. In a level of major version 1, Health and Gold Held
    /// conditions compare with 100, whatever the record says.
    static TriggerWhenRecord read(const FlaggedRecord& record, int levelMajorVersion);
};

} // namespace gr2
