// One shared copy of each data key. Thousands of nodes carry the same few dozen keys; each
// node refers to the pooled copy instead of holding its own text.
#pragma once

#include <vel/String.h>

namespace Vel {

// The pooled copy of `key`, equal to it; valid for the life of the process.
const CString& PooledDataKey(const CString& key);

} // namespace Vel
