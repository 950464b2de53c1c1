#include "xmldoc/XMLSlotPool.h"

#include <cstdlib>
#include <mutex>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VEL_XML_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
#define VEL_XML_POOL 0
#endif
#endif
#ifndef VEL_XML_POOL
#define VEL_XML_POOL 1
#endif

namespace Vel {

#if VEL_XML_POOL

namespace {

constexpr std::size_t kGrain = 16;
constexpr std::size_t kClasses = 16;
constexpr std::size_t kBlockSize = 64 * 1024;
// Each block starts with the link that keeps it reachable from g_pBlocks.
constexpr std::size_t kBlockHeader = 16;

struct Slot {
    Slot* next;
};

// Trivially destructible, so frees that come after the thread's exit hook still find it.
struct Cache {
    Slot* free[kClasses];
    char* cursor;
    char* end;
    bool ended;
};

constinit std::mutex g_mutex;
constinit Slot* g_pFree[kClasses] = {};
constinit void* g_pBlocks = nullptr;

thread_local constinit Cache t_cache = {};

void PushShared(Slot* first, Slot* last, std::size_t index) {
    last->next = g_pFree[index];
    g_pFree[index] = first;
}

struct ThreadExit {
    ~ThreadExit() {
        const std::lock_guard lock(g_mutex);
        for (std::size_t i = 0; i < kClasses; ++i) {
            Slot* first = t_cache.free[i];
            if (!first)
                continue;
            Slot* last = first;
            while (last->next)
                last = last->next;
            PushShared(first, last, i);
            t_cache.free[i] = nullptr;
        }
        t_cache.ended = true;
    }
};

void WatchThreadExit() {
    thread_local ThreadExit hook;
    (void)hook;
}

void* Carve(std::size_t index) {
    const std::size_t bytes = (index + 1) * kGrain;
    Cache& cache = t_cache;
    if (static_cast<std::size_t>(cache.end - cache.cursor) < bytes) {
        {
            // Slots left by ended threads come first.
            const std::lock_guard lock(g_mutex);
            if (Slot* shared = g_pFree[index]) {
                g_pFree[index] = nullptr;
                cache.free[index] = shared->next;
                return shared;
            }
        }
        char* block = static_cast<char*>(std::malloc(kBlockSize));
        if (!block)
            throw std::bad_alloc();
        {
            const std::lock_guard lock(g_mutex);
            *reinterpret_cast<void**>(block) = g_pBlocks;
            g_pBlocks = block;
        }
        cache.cursor = block + kBlockHeader;
        cache.end = block + kBlockSize;
    }
    void* slot = cache.cursor;
    cache.cursor += bytes;
    return slot;
}

} // namespace

void* CXMLSlotPool::Allocate(std::size_t size) {
    if (size == 0 || size > kGrain * kClasses)
        return ::operator new(size);
    const std::size_t index = (size - 1) / kGrain;
    Cache& cache = t_cache;
    if (Slot* slot = cache.free[index]) {
        cache.free[index] = slot->next;
        return slot;
    }
    WatchThreadExit();
    return Carve(index);
}

void CXMLSlotPool::Release(void* slot, std::size_t size) {
    if (!slot)
        return;
    if (size == 0 || size > kGrain * kClasses) {
        ::operator delete(slot);
        return;
    }
    const std::size_t index = (size - 1) / kGrain;
    auto* free = static_cast<Slot*>(slot);
    Cache& cache = t_cache;
    if (cache.ended) {
        const std::lock_guard lock(g_mutex);
        PushShared(free, free, index);
        return;
    }
    if (!cache.free[index])
        WatchThreadExit();
    free->next = cache.free[index];
    cache.free[index] = free;
}

#else

void* CXMLSlotPool::Allocate(std::size_t size) {
    return ::operator new(size);
}

void CXMLSlotPool::Release(void* slot, std::size_t) {
    ::operator delete(slot);
}

#endif

} // namespace Vel
