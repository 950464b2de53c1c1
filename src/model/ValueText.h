// Language texts of leaf items: the root they come from, and the texts of single values
// (choice values and trigger numbers).
#pragma once

#include <vel/String.h>

#include <functional>

namespace Vel {

class CDataManagerBase;
class CDataValidationClient;

// The item's root; without one, the error report of a text asked of a standalone item.
const CDataManagerBase* TextRootOrReport(const CDataValidationClient& item, const char* source,
                                         int line, const char* message);

// Language key of one value under a data key.
using ValueLanguageKey = std::function<CString(const CString& dataKey, int value)>;

// The root's translation of `value` under `dataKey` and then under its chain of "Parent"
// keys. When no key has a text: "LM==>" + data key + " " + value where the chain ends, or
// "LM==>" + data key alone where it leads back to the data key; the empty text when the root
// has no validation manager to follow the chain.
CString SearchValueText(const CDataManagerBase& root, const CString& dataKey, int value,
                        const ValueLanguageKey& languageKey);

} // namespace Vel
