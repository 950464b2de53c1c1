// CItemInput: applies a value typed by a user to a leaf item through the item's own setter
// and says whether it was accepted or which limit it broke. Values: numbers in decimal,
// texts as they are, IPv4 addresses dotted ("blank" or nothing for none), choices by value,
// sets and trigger sets as lists of members ("1,3", "1..4", nothing for none).
#pragma once

#include <vel/Data.h>
#include <vel/String.h>

namespace Vel::Sample {

class CItemInput {
public:
    // Applies `text`; false with the reason in `reason` when the value is refused, in which
    // case the item is unchanged.
    static bool Apply(CData& item, const CString& text, CString& reason);
};

} // namespace Vel::Sample
