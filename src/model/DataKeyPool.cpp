#include "model/DataKeyPool.h"

#include <mutex>
#include <unordered_set>

namespace Vel {

const CString& PooledDataKey(const CString& key) {
    // Nodes are built on several threads at once; set nodes keep their addresses. Never
    // destroyed, so that nodes of static trees keep their keys until the very end.
    static std::mutex mutex;
    static auto* pool = new std::unordered_set<CString>;
    const std::lock_guard<std::mutex> lock(mutex);
    return *pool->insert(key).first;
}

} // namespace Vel
