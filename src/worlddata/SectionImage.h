#pragma once
// A world-data file as the bytes lie: its sections, each as the blocks it holds, and whatever
// does not form a whole section or block, kept as it is. Nothing is interpreted or converted, so
// writing an image gives back the very bytes it was read from; the text form of levels and game
// data is built on it.

#include <cstdint>
#include <span>
#include <vector>

namespace gr2 {

/// A block: its id and payload. Blocks also serve as the items inside a Thing or Trigger data
/// block, which have the same shape.
struct RawBlock {
    uint32_t id = 0;
    std::vector<uint8_t> payload;
    bool operator==(const RawBlock&) const = default;
};

/// A run of blocks, and the bytes after the last whole one.
struct BlockList {
    std::vector<RawBlock> blocks;
    std::vector<uint8_t> tail;
    bool operator==(const BlockList&) const = default;

    /// Splits bytes into whole blocks; a block whose length runs past the end stops the split.
    static BlockList parse(std::span<const uint8_t> bytes);
    void appendTo(std::vector<uint8_t>& out) const;
    size_t byteSize() const;
};

struct RawSection {
    uint32_t id = 0;
    /// The blocks after the 12-byte section header, up to the section's stated end.
    BlockList body;
    bool operator==(const RawSection&) const = default;
};

struct SectionImage {
    std::vector<RawSection> sections;
    /// Bytes after the last whole section (a cut file, or a header whose length does not fit).
    std::vector<uint8_t> trailing;
    bool operator==(const SectionImage&) const = default;

    static SectionImage parse(std::span<const uint8_t> bytes);
    std::vector<uint8_t> bytes() const;
};

} // namespace gr2
