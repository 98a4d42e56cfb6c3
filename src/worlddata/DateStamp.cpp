#include "worlddata/DateStamp.h"

#include "worlddata/ByteOrder.h"

#include <ctime>

namespace gr2 {

DateStamp DateStamp::now()
{
    std::time_t t = std::time(nullptr);
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
