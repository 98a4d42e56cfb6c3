#pragma once
// The payload of a section's header block: how many records follow and when the data was made
// and last saved. The Level and Trigger sections read their first words differently.

#include "worlddata/DateStamp.h"

#include <cstddef>
#include <cstdint>

namespace gr2 {

struct SectionInfo {
    static constexpr size_t kSize = 28;

    uint32_t count = 0;
    uint32_t constant = 1; ///< written as 1; the Level section keeps its format version here
    DateStamp created;
    DateStamp saved;

    // Level section: two 16-bit counts in place of the record count, a 20.12 version.
    uint16_t levelResourceCount() const { return uint16_t(count & 0xFFFF); }
    uint16_t levelAvailableCreatureCount() const { return uint16_t(count >> 16); }
    uint32_t levelVersion() const { return constant; }
    static SectionInfo forLevel(uint16_t resources, uint16_t availableCreatures, uint32_t version,
                                const DateStamp& created, const DateStamp& saved);

    static SectionInfo unpack(const uint8_t* p);
    void pack(uint8_t* p) const;
};

/// The Trigger section's 32-byte header payload: two counts, the constant, then both times.
struct TriggerSectionInfo {
    static constexpr size_t kSize = 32;

    uint32_t triggerCount = 0;
    uint32_t actionCount = 0;
    uint32_t constant = 1;
    DateStamp created;
    DateStamp saved;

    static TriggerSectionInfo unpack(const uint8_t* p);
    void pack(uint8_t* p) const;
};

} // namespace gr2
