#include "typedb/CCreatureType.h"

#include <algorithm>
#include <array>

namespace gr2 {

namespace {

constexpr RecordLayout kLayout{"Creature", RecordSize::Creature, CreatureField::kTable};

struct JobListShape {
    uint32_t offset;
    size_t capacity;
};

constexpr JobListShape jobListShape(CreatureJobList list)
{
    switch (list) {
    case CreatureJobList::Unhappy:
        return {3640, 2};
    case CreatureJobList::Angry:
        return {3664, 3};
    case CreatureJobList::Happy:
        break;
    }
    return {3604, 3};
}

constexpr size_t kJobEntrySize = 12;
constexpr uint32_t kSpellEntries = 3524;
constexpr size_t kSpellEntrySize = 24;
constexpr uint32_t kUnsavedWord = 3824;

// Resources of a Vidad creature that keep their descriptor, with bit 0 of its word at 64 set.
constexpr std::array<int, 12> kVidadKeptResources = {1, 3, 5, 6, 13, 14, 20, 23, 25, 26, 28, 35};

} // namespace

const RecordLayout& CCreatureType::fileLayout()
{
    return kLayout;
}

bool CCreatureType::isOfferedInPools() const
{
    return (hasFlag1(CreatureFlag1::AvailableViaPortal) || hasFlag2(CreatureFlag2::AvailableViaHeroPortal)) &&
           !isEliteVariant();
}

std::vector<CreatureJob> CCreatureType::jobs(CreatureJobList list) const
{
    JobListShape shape = jobListShape(list);
    std::vector<CreatureJob> out;
    std::span<const uint8_t> b = bytes();
    for (size_t i = 0; i < shape.capacity; ++i) {
        const uint8_t* p = b.data() + shape.offset + i * kJobEntrySize;
        CreatureJob job{loadU32(p), loadI16(p + 4), loadI16(p + 6), p[8]};
        if (job.job == 0)
            break;
        out.push_back(job);
    }
    return out;
}

void CCreatureType::setJobs(CreatureJobList list, const std::vector<CreatureJob>& jobs)
{
    JobListShape shape = jobListShape(list);
    std::span<uint8_t> b = mutableBytes();
    for (size_t i = 0; i < shape.capacity; ++i) {
        uint8_t* p = b.data() + shape.offset + i * kJobEntrySize;
        std::fill_n(p, kJobEntrySize, uint8_t(0));
        if (i < jobs.size()) {
            storeU32(p, jobs[i].job);
            storeU16(p + 4, uint16_t(jobs[i].moodChange));
            storeU16(p + 6, uint16_t(jobs[i].manaChange));
            p[8] = jobs[i].chance;
        }
    }
}

uint32_t CCreatureType::hateJob(size_t index) const
{
    return index < 2 ? uint32_t(intValue(CreatureField::HateJobs, index))
                     : uint32_t(intValue(CreatureField::MoreHateJobs, index - 2));
}

void CCreatureType::setHateJob(size_t index, uint32_t job)
{
    if (index < 2)
        setIntValue(CreatureField::HateJobs, job, index);
    else
        setIntValue(CreatureField::MoreHateJobs, job, index - 2);
}

void CCreatureType::applyVidadResourceRule(std::span<uint8_t> record)
{
    if (record.size() < RecordSize::Creature)
        return;
    const FieldDef& flags1 = CreatureField::Flags1.def();
    if (!((getIntField(record, flags1) >> CreatureFlag1::Vidad) & 1))
        return;
    const FieldDef& resources = CreatureField::AnimationResources.def();
    for (int k = 0; k < int(resources.count); ++k) {
        uint8_t* p = record.data() + resources.elementOffset(size_t(k));
        bool kept =
            std::find(kVidadKeptResources.begin(), kVidadKeptResources.end(), k) != kVidadKeptResources.end();
        if (kept)
            storeU32(p + 64, loadU32(p + 64) | 1u);
        else
            std::fill_n(p, resources.width, uint8_t(0));
    }
}

void CCreatureType::applyVidadResourceRule()
{
    applyVidadResourceRule(mutableBytes());
}

void CCreatureType::prepareFileRecord(std::span<uint8_t> out) const
{
    applyVidadResourceRule(out);
    // A spell entry's byte 13 says whether its play-animation value (byte 12) is set.
    for (size_t k = 0; k < 3; ++k) {
        uint8_t* entry = out.data() + kSpellEntries + k * kSpellEntrySize;
        entry[13] = entry[12] != 0 ? 1 : 0;
    }
    storeU32(out.data() + kUnsavedWord, 0);
}

} // namespace gr2
