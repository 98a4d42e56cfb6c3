#pragma once
// The layout every writer follows, so the reader reads back exactly what was written: a section
// header with the exact total length, the header block, the data block and its records or items.
// Sections are built in memory and the whole file is then written in one step (see AtomicFile).

#include "worlddata/ByteOrder.h"
#include "worlddata/SectionIds.h"
#include "worlddata/SectionInfo.h"

#include <span>
#include <vector>

namespace gr2 {

class SectionWriter {
public:
    explicit SectionWriter(Bytes& out) : m_out(out) {}

    /// Starts a section; its total length is filled in by endSection.
    void beginSection(uint32_t sectionId);
    void endSection();

    void headerBlock(uint32_t blockId, const SectionInfo& info);
    void triggerHeaderBlock(const TriggerSectionInfo& info);
    /// A block header with the given length field; the caller writes the payload.
    void blockHeader(uint32_t blockId, uint32_t length);
    /// A block whose length field is filled in from what was written before endBlock.
    void beginBlock(uint32_t blockId);
    void endBlock();
    /// An item block (thing kind or trigger item id) and its record.
    void item(uint32_t kind, std::span<const uint8_t> record);
    void raw(std::span<const uint8_t> bytes) { appendBytes(m_out, bytes); }

private:
    Bytes& m_out;
    std::vector<size_t> m_sectionStarts;
    std::vector<size_t> m_blockStarts;
};

/// A section of fixed-size records (type families, players, variables). The record count in the
/// header is the number of records; each record is written at exactly recordSize bytes.
void writeRecordSection(Bytes& out, SectionId id, SectionInfo info, uint32_t recordSize,
                        std::span<const Bytes> records);

struct ThingItem {
    uint32_t kind = 0;
    Bytes record;
};
/// The Thing section: the data block's length is the total size of its items.
void writeThingSection(Bytes& out, SectionInfo info, std::span<const ThingItem> items);

/// The Trigger section: items in the given order; the data block's length field is written as
/// trigger count × 16 (readers take the counts from the header), the section length is exact.
void writeTriggerSection(Bytes& out, TriggerSectionInfo info, std::span<const ThingItem> items);

/// The Map section of width × height 4-byte elements, row by row (its header carries no times).
void writeMapSection(Bytes& out, uint32_t width, uint32_t height, std::span<const uint8_t> elements);

/// The Level section: header block, description block (223), then the level block (222) holding
/// the resources and the available creatures.
void writeLevelSection(Bytes& out, const SectionInfo& info, std::span<const uint8_t> description,
                       std::span<const Bytes> resources, std::span<const uint32_t> availableCreatures);

} // namespace gr2
