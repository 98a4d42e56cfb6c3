#include "worlddata/DateStamp.h"

#include "worlddata/ByteOrder.h"

#include <cstdlib>
#include <ctime>

namespace gr2 {

DateStamp DateStamp::now()
{
    // SOURCE_DATE_EPOCH (seconds since 1970) fixes the time written, so that the same save made
    // twice gives the same bytes: for files kept under version control, and for tests that compare
    // what a save left on disk with what it should have written.
    std::time_t t = std::time(nullptr);
    if (const char* fixed = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        const long long seconds = std::strtoll(fixed, &end, 10);
        if (end != fixed && *end == '\0' && seconds >= 0)
            t = std::time_t(seconds);
    }
    std::tm local{};
    localtime_r(&t, &local);
    DateStamp d;
    d.year = uint16_t(local.tm_year + 1900);
    d.day = uint8_t(local.tm_mday);
    d.month = uint8_t(local.tm_mon + 1);
    d.hour = uint8_t(local.tm_hour);
    d.minute = uint8_t(local.tm_min);
    d.second = uint8_t(local.tm_sec);
    return d;
}

DateStamp DateStamp::unpack(const uint8_t* p)
{
    DateStamp d;
    d.year = loadU16(p);
    d.day = p[2];
    d.month = p[3];
    d.hour = p[6];
    d.minute = p[7];
    d.second = p[8];
    return d;
}

void DateStamp::pack(uint8_t* p) const
{
    storeU16(p, year);
    p[2] = day;
    p[3] = month;
    p[4] = 0;
    p[5] = 0;
    p[6] = hour;
    p[7] = minute;
    p[8] = second;
    p[9] = 0;
}

} // namespace gr2
