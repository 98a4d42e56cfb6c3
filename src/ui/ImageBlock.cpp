#include "ui/ImageBlock.h"

#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>

namespace gr2::ImageBlock {

namespace {

constexpr size_t kLargePage = size_t(2) * 1024 * 1024;
/// Below this a large page would hold mostly nothing; the block takes ordinary pages.
constexpr size_t kSmallestLargeBlock = kLargePage / 2;
constexpr size_t kImageAlignment = 64;

size_t roundUp(size_t value, size_t to)
{
    return (value + to - 1) / to * to;
}

/// Kept at the start of the block itself, so giving back the mapping gives back everything.
struct Header {
    std::atomic<int> users{0};
    void* mapping = nullptr;
    size_t mappedBytes = 0;
};

void releaseBlock(void* info)
{
    auto* header = static_cast<Header*>(info);
    if (header->users.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    void* mapping = header->mapping;
    const size_t bytes = header->mappedBytes;
    header->~Header();
    ::munmap(mapping, bytes);
}

} // namespace

std::vector<QImage> makeRgb32(std::span<const QSize> sizes)
{
    std::vector<QImage> images(sizes.size());
    constexpr size_t kNone = std::numeric_limits<size_t>::max();
    std::vector<size_t> offsets(sizes.size(), kNone);
    size_t total = roundUp(sizeof(Header), kImageAlignment);
    int users = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        const QSize size = sizes[i];
        // QImage keeps its line length in an int-sized count of bytes.
        if (size.width() <= 0 || size.height() <= 0 || size.width() > std::numeric_limits<int>::max() / 4)
            continue;
        const size_t bytes = size_t(size.width()) * 4 * size_t(size.height());
        if (bytes / 4 / size_t(size.width()) != size_t(size.height()) ||
            bytes > std::numeric_limits<size_t>::max() / 2 - total)
            continue;
        offsets[i] = total;
        total += roundUp(bytes, kImageAlignment);
        ++users;
    }
    if (users == 0)
        return images;

    const bool large = total >= kSmallestLargeBlock;
    const long systemPage = ::sysconf(_SC_PAGESIZE);
    const size_t page = systemPage > 0 ? size_t(systemPage) : 4096;
    const size_t used = roundUp(total, large ? kLargePage : page);
    // A large block is mapped with room to start it on a large-page boundary.
    const size_t mapped = used + (large ? kLargePage : 0);
    void* mapping = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED)
        return images;
    auto* start = static_cast<uint8_t*>(mapping);
    if (large) {
        start += (kLargePage - reinterpret_cast<uintptr_t>(start) % kLargePage) % kLargePage;
        ::madvise(start, used, MADV_HUGEPAGE);
    }
    // The whole block is faulted in one call, with large pages where the system has them free.
    // Both are advice only: a system without them faults the block page by page on first use.
#ifdef MADV_POPULATE_WRITE
    ::madvise(start, roundUp(total, page), MADV_POPULATE_WRITE);
#endif

    auto* header = new (start) Header;
    header->mapping = mapping;
    header->mappedBytes = mapped;
    header->users.store(users, std::memory_order_relaxed);
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (offsets[i] == kNone)
            continue;
        const QSize size = sizes[i];
        images[i] = QImage(start + offsets[i], size.width(), size.height(), qsizetype(size.width()) * 4,
                           QImage::Format_RGB32, releaseBlock, header);
        // An image Qt refused never calls back; its share of the block is given up here.
        if (images[i].isNull())
            releaseBlock(header);
    }
    return images;
}

} // namespace gr2::ImageBlock
