#include "model/ChangeTextCache.h"

namespace Vel {

namespace {

// Initial-exec, as the change walk's own state: asked for by many items of a change.
constinit thread_local CChangeTextCache* t_pCurrent __attribute__((tls_model("initial-exec"))) =
    nullptr;

} // namespace

CChangeTextCache::CChangeTextCache(const CDataManagerBase& root, bool active)
    : m_pRoot(&root), m_bActive(active), m_pOuter(t_pCurrent) {
    t_pCurrent = this;
}

CChangeTextCache::~CChangeTextCache() {
    t_pCurrent = m_pOuter;
}

CChangeTextCache* CChangeTextCache::serving(const CDataManagerBase& root) {
    CChangeTextCache* cache = t_pCurrent;
    return cache && cache->m_bActive && cache->m_pRoot == &root ? cache : nullptr;
}

bool CChangeTextCache::IsMissing(const CDataManagerBase& root, const CString& dataKey,
                                 const std::type_info& type) {
    const CChangeTextCache* cache = serving(root);
    if (!cache) {
        return false;
    }
    const auto found = cache->m_mapMissing.find(&dataKey);
    return found != cache->m_mapMissing.end() && *found->second == type;
}

void CChangeTextCache::NoteMissing(const CDataManagerBase& root, const CString& dataKey,
                                   const std::type_info& type) {
    if (CChangeTextCache* cache = serving(root)) {
        cache->m_mapMissing[&dataKey] = &type;
    }
}

} // namespace Vel
