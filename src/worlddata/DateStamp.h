#pragma once
// The 10-byte date and time record of every section header: when the data was created and when
// it was last saved.

#include <cstddef>
#include <cstdint>

namespace gr2 {

struct DateStamp {
    static constexpr size_t kSize = 10;

    uint16_t year = 0;
    uint8_t day = 0;
    uint8_t month = 0;
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;

    /// The local time now, or the time SOURCE_DATE_EPOCH names when it is set.
    static DateStamp now();
    static DateStamp unpack(const uint8_t* p);
    /// Writes the 10 bytes with the unused ones as zero.
    void pack(uint8_t* p) const;

    bool operator==(const DateStamp&) const = default;
};

} // namespace gr2
