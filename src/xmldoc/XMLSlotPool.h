// CXMLSlotPool: small fixed-size slots for nodes and attributes. A document allocates and
// frees them by the hundred thousand, and the general-purpose allocator's coalescing on free
// cost more than the parse itself. Each thread keeps a free list per size class; a slot freed
// on another thread joins that thread's list. Memory is kept for reuse, not returned to the
// system; a thread's free slots pass to a shared list when it ends. Address sanitizer builds
// bypass the pool so that it still sees every allocation.
#pragma once

#include <cstddef>

namespace Vel {

class CXMLSlotPool {
public:
    static void* Allocate(std::size_t size);
    static void Release(void* slot, std::size_t size);
};

} // namespace Vel
