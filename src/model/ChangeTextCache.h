// CChangeTextCache: default texts found missing during the panel change that runs on this
// thread. Thousands of items share a few data keys; without it each of them would search the
// whole parent chain again for a text that is not there.
#pragma once

#include <vel/String.h>

#include <typeinfo>
#include <unordered_map>

namespace Vel {

class CDataManagerBase;

class CChangeTextCache {
public:
    // Serves `root`'s change on this thread until destroyed; an inactive cache (a root
    // without a language class, whose every search reports that) notes nothing.
    CChangeTextCache(const CDataManagerBase& root, bool active);
    ~CChangeTextCache();
    CChangeTextCache(const CChangeTextCache&) = delete;
    CChangeTextCache& operator=(const CChangeTextCache&) = delete;

    // Whether an item of class `type` under `root` found no default text for `dataKey` in
    // this change; the derivation of language keys is per class, so the class is part of it.
    // `dataKey` is a node's own (pooled) key: its address stands for the text, which spares
    // hashing the text for every item.
    static bool IsMissing(const CDataManagerBase& root, const CString& dataKey,
                          const std::type_info& type);
    static void NoteMissing(const CDataManagerBase& root, const CString& dataKey,
                            const std::type_info& type);

private:
    static CChangeTextCache* serving(const CDataManagerBase& root);

    const CDataManagerBase* m_pRoot;
    bool m_bActive;
    CChangeTextCache* m_pOuter;
    std::unordered_map<const CString*, const std::type_info*> m_mapMissing;
};

} // namespace Vel
