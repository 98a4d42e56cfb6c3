#include "worlddata/SectionInfo.h"

#include "worlddata/ByteOrder.h"

namespace gr2 {

SectionInfo SectionInfo::forLevel(uint16_t resources, uint16_t availableCreatures, uint32_t version,
                                  const DateStamp& created, const DateStamp& saved)
{
    SectionInfo info;
    info.count = uint32_t(resources) | (uint32_t(availableCreatures) << 16);
    info.constant = version;
    info.created = created;
    info.saved = saved;
    return info;
}

SectionInfo SectionInfo::unpack(const uint8_t* p)
{
    SectionInfo info;
    info.count = loadU32(p);
    info.constant = loadU32(p + 4);
    info.created = DateStamp::unpack(p + 8);
    info.saved = DateStamp::unpack(p + 18);
    return info;
}

void SectionInfo::pack(uint8_t* p) const
{
    storeU32(p, count);
    storeU32(p + 4, constant);
    created.pack(p + 8);
    saved.pack(p + 18);
}

TriggerSectionInfo TriggerSectionInfo::unpack(const uint8_t* p)
{
    TriggerSectionInfo info;
    info.triggerCount = loadU32(p);
    info.actionCount = loadU32(p + 4);
    info.constant = loadU32(p + 8);
    info.created = DateStamp::unpack(p + 12);
    info.saved = DateStamp::unpack(p + 22);
    return info;
}

void TriggerSectionInfo::pack(uint8_t* p) const
{
    storeU32(p, triggerCount);
    storeU32(p + 4, actionCount);
    storeU32(p + 8, constant);
    created.pack(p + 12);
    saved.pack(p + 22);
}

} // namespace gr2
