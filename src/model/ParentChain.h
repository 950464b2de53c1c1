// The search of a language text along the "Parent" chain of a data key that the validation
// files define, shared by captions, descriptions, default texts and value texts.
#pragma once

#include <vel/String.h>

#include <functional>

namespace Vel {

class CDataManagerBase;

// Stands before the data key where no language text was found.
inline constexpr char kMissingTextMarker[] = "LM==>";

// How a search along the chain ended.
enum class ChainEnd { Found, NoManager, NoParent, BackToStart };

struct ChainText {
    CString text; // empty unless the search ended Found
    ChainEnd end;
};

// Asks `textOf` for the data key and then for each parent key in turn, taken as the validation
// manager writes it, until a text is found, the root has no manager, a key has no parent, or
// the parent is the data key again. A chain that loops elsewhere ends as NoParent after a
// bounded number of steps.
ChainText SearchParentChain(const CDataManagerBase& root, const CString& dataKey,
                            const std::function<CString(const CString&)>& textOf);

} // namespace Vel
