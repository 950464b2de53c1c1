// CSampleStore: how the sample host keeps a panel's tree in a database: its tables created
// from the tree, a store in one transaction, and a check that a store followed by a load
// into a fresh tree gives back every value.
#pragma once

#include "SamplePanel.h"

#include <vel/Database.h>
#include <vel/LangTextBase.h>
#include <vel/String.h>

#include <vector>

namespace Vel::Sample {

struct SRoundTrip {
    int nItems = 0;   // leaf items compared
    int nChanged = 0; // items given a value other than their default before storing
    std::vector<CString> vecDifferent; // unique keys of items that came back different
};

class CSampleStore {
public:
    // Creates the panel's tables (or adds missing columns) and stores the tree in one
    // transaction; false when the store or the commit fails.
    static bool Store(CDatabase& db, CSamplePanel& panel);
    // Gives every item a value other than its default where the item takes one.
    static int VaryValues(CSamplePanel& panel);
    // Varies a panel of this type and version, stores it for `site`, loads it into a fresh
    // tree and compares every item. The roots take `texts` as their language provider.
    static SRoundTrip RoundTrip(CDatabase& db, int panelType, int panelVersion, long site,
                                CLangTextBase* texts = nullptr);
};

} // namespace Vel::Sample
