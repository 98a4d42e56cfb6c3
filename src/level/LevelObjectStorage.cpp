#include "level/LevelObjectStorage.h"

#include <array>
#include <new>
#include <type_traits>

namespace gr2::LevelObjectStorage {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooled = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kPooled = false;
#else
constexpr bool kPooled = true;
#endif
#else
constexpr bool kPooled = true;
#endif

// The address checker watches every heap block for use after it was freed; a slot handed on to
// the next object would hide exactly the dangling pointers it exists to find, so builds with it
// give each object its own block.

constexpr std::size_t kGranule = __STDCPP_DEFAULT_NEW_ALIGNMENT__;
constexpr std::size_t kLargestPooled = 512;
constexpr std::size_t kClasses = kLargestPooled / kGranule;
constexpr std::size_t kBlockBytes = 32 * 1024;

struct FreeSlot {
    FreeSlot* next;
};

/// The slots of every size, with nothing to undo at exit: its blocks are kept for the life of the
/// process, so an object that outlives the statics (a level held by another static) is still given
/// back to a pool that exists. Each thread has its own pool, so taking and giving back a slot needs
/// no lock (locking came to nearly a tenth of opening a level); a slot given back on another thread
/// than the one that took it simply joins that thread's free list.
class Pool {
public:
    void* take(std::size_t size)
    {
        const std::size_t cls = classOf(size);
        if (FreeSlot* slot = m_free[cls]) {
            m_free[cls] = slot->next;
            return slot;
        }
        // Slots never used yet are handed out in order from the class's newest block, so a
        // block's memory is touched only as objects fill it.
        const std::size_t slotBytes = (cls + 1) * kGranule;
        if (m_unusedBytes[cls] < slotBytes) {
            m_unused[cls] = static_cast<std::byte*>(::operator new(kBlockBytes));
            m_unusedBytes[cls] = kBlockBytes / slotBytes * slotBytes;
        }
        void* slot = m_unused[cls];
        m_unused[cls] += slotBytes;
        m_unusedBytes[cls] -= slotBytes;
        return slot;
    }
    void give(void* object, std::size_t size) noexcept
    {
        const std::size_t cls = classOf(size);
        auto* slot = static_cast<FreeSlot*>(object);
        slot->next = m_free[cls];
        m_free[cls] = slot;
    }

private:
    static std::size_t classOf(std::size_t size) { return size == 0 ? 0 : (size - 1) / kGranule; }

    std::array<FreeSlot*, kClasses> m_free{};
    std::array<std::byte*, kClasses> m_unused{};
    std::array<std::size_t, kClasses> m_unusedBytes{};
};

static_assert(std::is_trivially_destructible_v<Pool>, "the pool must still work while statics are destroyed");

constinit thread_local Pool g_pool;

} // namespace

void* allocate(std::size_t size)
{
    if (!kPooled || size > kLargestPooled)
        return ::operator new(size);
    return g_pool.take(size);
}

void release(void* object, std::size_t size) noexcept
{
    if (!object)
        return;
    if (!kPooled || size > kLargestPooled) {
        // Unsized: not every compiler offers the sized form unless asked to.
        ::operator delete(object);
        return;
    }
    g_pool.give(object, size);
}

} // namespace gr2::LevelObjectStorage
