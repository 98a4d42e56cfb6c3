#include "worlddata/SectionWriter.h"

#include <algorithm>
#include <cassert>

namespace gr2 {

void SectionWriter::beginSection(uint32_t sectionId)
{
    m_sectionStarts.push_back(m_out.size());
    appendU32(m_out, sectionId);
    appendU32(m_out, 4);
    appendU32(m_out, 0);
}

void SectionWriter::endSection()
{
    assert(!m_sectionStarts.empty());
    size_t start = m_sectionStarts.back();
    m_sectionStarts.pop_back();
    storeU32(m_out.data() + start + 8, uint32_t(m_out.size() - start));
}

void SectionWriter::headerBlock(uint32_t blockId, const SectionInfo& info)
{
    blockHeader(blockId, SectionInfo::kSize);
    uint8_t payload[SectionInfo::kSize];
    info.pack(payload);
    raw(payload);
}

void SectionWriter::triggerHeaderBlock(const TriggerSectionInfo& info)
{
    blockHeader(headerBlockId(SectionId::Trigger), TriggerSectionInfo::kSize);
    uint8_t payload[TriggerSectionInfo::kSize];
    info.pack(payload);
    raw(payload);
}

void SectionWriter::blockHeader(uint32_t blockId, uint32_t length)
{
    appendU32(m_out, blockId);
    appendU32(m_out, length);
}

void SectionWriter::beginBlock(uint32_t blockId)
{
    m_blockStarts.push_back(m_out.size());
    blockHeader(blockId, 0);
}

void SectionWriter::endBlock()
{
    assert(!m_blockStarts.empty());
    size_t start = m_blockStarts.back();
    m_blockStarts.pop_back();
    storeU32(m_out.data() + start + 4, uint32_t(m_out.size() - start - 8));
}

void SectionWriter::item(uint32_t kind, std::span<const uint8_t> record)
{
    blockHeader(kind, uint32_t(record.size()));
    raw(record);
}

namespace {

void appendFixed(Bytes& out, std::span<const uint8_t> record, uint32_t size)
{
    size_t n = std::min<size_t>(record.size(), size);
    out.insert(out.end(), record.begin(), record.begin() + n);
    out.insert(out.end(), size - n, 0);
}

} // namespace

void writeRecordSection(Bytes& out, SectionId id, SectionInfo info, uint32_t recordSize,
                        std::span<const Bytes> records)
{
    info.count = uint32_t(records.size());
    SectionWriter w(out);
    w.beginSection(uint32_t(id));
    w.headerBlock(headerBlockId(id), info);
    w.blockHeader(dataBlockId(id), info.count * recordSize);
    for (const Bytes& record : records)
        appendFixed(out, record, recordSize);
    w.endSection();
}

void writeThingSection(Bytes& out, SectionInfo info, std::span<const ThingItem> items)
{
    info.count = uint32_t(items.size());
    SectionWriter w(out);
    w.beginSection(uint32_t(SectionId::Thing));
    w.headerBlock(headerBlockId(SectionId::Thing), info);
    w.beginBlock(dataBlockId(SectionId::Thing));
    for (const ThingItem& item : items)
        w.item(item.kind, item.record);
    w.endBlock();
    w.endSection();
}

void writeTriggerSection(Bytes& out, TriggerSectionInfo info, std::span<const ThingItem> items)
{
    info.triggerCount = 0;
    info.actionCount = 0;
    for (const ThingItem& item : items)
        (item.kind == kTriggerWhenItem ? info.triggerCount : info.actionCount)++;
    SectionWriter w(out);
    w.beginSection(uint32_t(SectionId::Trigger));
    w.triggerHeaderBlock(info);
    w.blockHeader(dataBlockId(SectionId::Trigger), info.triggerCount * RecordSize::TriggerItem);
    Bytes record;
    for (const ThingItem& item : items) {
        record.assign(RecordSize::TriggerItem, 0);
        std::copy_n(item.record.begin(), std::min<size_t>(item.record.size(), RecordSize::TriggerItem),
                    record.begin());
        w.item(item.kind, record);
    }
    w.endSection();
}

void writeMapSection(Bytes& out, uint32_t width, uint32_t height, std::span<const uint8_t> elements)
{
    SectionWriter w(out);
    w.beginSection(uint32_t(SectionId::Map));
    w.blockHeader(headerBlockId(SectionId::Map), 8);
    appendU32(out, width);
    appendU32(out, height);
    const uint32_t length = width * height * RecordSize::MapElement;
    w.blockHeader(dataBlockId(SectionId::Map), length);
    appendFixed(out, elements, length);
    w.endSection();
}

void writeLevelSection(Bytes& out, const SectionInfo& info, std::span<const uint8_t> description,
                       std::span<const Bytes> resources, std::span<const uint32_t> availableCreatures)
{
    SectionInfo header =
        SectionInfo::forLevel(uint16_t(resources.size()), uint16_t(availableCreatures.size()), info.constant,
                              info.created, info.saved);
    SectionWriter w(out);
    w.beginSection(uint32_t(SectionId::Level));
    w.headerBlock(kLevelHeaderBlock, header);
    w.blockHeader(kLevelDescriptionBlock, RecordSize::LevelDescription);
    appendFixed(out, description, RecordSize::LevelDescription);
    w.blockHeader(kLevelBlock, uint32_t(resources.size() * RecordSize::LevelResource +
                                        availableCreatures.size() * RecordSize::AvailableCreature));
    for (const Bytes& resource : resources)
        appendFixed(out, resource, RecordSize::LevelResource);
    for (uint32_t id : availableCreatures)
        appendU32(out, id);
    w.endSection();
}

} // namespace gr2
