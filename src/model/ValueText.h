// Language texts of single values of an item: choice values and trigger numbers.
#pragma once

#include <vel/String.h>

#include <functional>

namespace Vel {

class CDataManagerBase;

// Language key of one value under a data key.
using ValueLanguageKey = std::function<CString(const CString& dataKey, int value)>;

// The root's translation of `value` under `dataKey` and then under its chain of "Parent"
// keys. When no key has a text: "LM==>" + data key + " " + value where the chain ends, or
// "LM==>" + data key alone where it leads back to the data key; the empty text when the root
// has no validation manager to follow the chain.
CString SearchValueText(const CDataManagerBase& root, const CString& dataKey, int value,
                        const ValueLanguageKey& languageKey);

} // namespace Vel
