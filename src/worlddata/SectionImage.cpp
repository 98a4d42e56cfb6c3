#include "worlddata/SectionImage.h"

#include "worlddata/ByteOrder.h"

namespace gr2 {

namespace {

constexpr size_t kBlockHeader = 8;
constexpr size_t kSectionHeader = 12;

void appendU32To(std::vector<uint8_t>& out, uint32_t v)
{
    uint8_t b[4];
    storeU32(b, v);
    out.insert(out.end(), b, b + 4);
}

} // namespace

BlockList BlockList::parse(std::span<const uint8_t> bytes)
{
    BlockList list;
    size_t at = 0;
    while (bytes.size() - at >= kBlockHeader) {
        const uint32_t id = loadU32(bytes.data() + at);
        const uint32_t length = loadU32(bytes.data() + at + 4);
        if (length > bytes.size() - at - kBlockHeader)
            break;
        const uint8_t* payload = bytes.data() + at + kBlockHeader;
        list.blocks.push_back(RawBlock{id, std::vector<uint8_t>(payload, payload + length)});
        at += kBlockHeader + length;
    }
    list.tail.assign(bytes.begin() + std::ptrdiff_t(at), bytes.end());
    return list;
}

void BlockList::appendTo(std::vector<uint8_t>& out) const
{
    for (const RawBlock& block : blocks) {
        appendU32To(out, block.id);
        appendU32To(out, uint32_t(block.payload.size()));
        out.insert(out.end(), block.payload.begin(), block.payload.end());
    }
    out.insert(out.end(), tail.begin(), tail.end());
}

size_t BlockList::byteSize() const
{
    size_t size = tail.size();
    for (const RawBlock& block : blocks)
        size += kBlockHeader + block.payload.size();
    return size;
}

SectionImage SectionImage::parse(std::span<const uint8_t> bytes)
{
    SectionImage image;
    size_t at = 0;
    while (bytes.size() - at >= kSectionHeader) {
        const uint8_t* p = bytes.data() + at;
        const uint32_t id = loadU32(p);
        const uint32_t headerLength = loadU32(p + 4);
        const uint32_t total = loadU32(p + 8);
        if (headerLength != 4 || total < kSectionHeader || total > bytes.size() - at)
            break;
        image.sections.push_back(
            RawSection{id, BlockList::parse(bytes.subspan(at + kSectionHeader, total - kSectionHeader))});
        at += total;
    }
    image.trailing.assign(bytes.begin() + std::ptrdiff_t(at), bytes.end());
    return image;
}

std::vector<uint8_t> SectionImage::bytes() const
{
    std::vector<uint8_t> out;
    for (const RawSection& section : sections) {
        appendU32To(out, section.id);
        appendU32To(out, 4);
        appendU32To(out, uint32_t(kSectionHeader + section.body.byteSize()));
        section.body.appendTo(out);
    }
    out.insert(out.end(), trailing.begin(), trailing.end());
    return out;
}

} // namespace gr2
