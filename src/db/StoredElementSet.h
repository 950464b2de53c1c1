// CStoredElementSet: the rows a site already has in a collection's table, read with one
// statement: for every element number the identity of its first row. A store of the
// collection then knows for each element whether to update or to insert without asking the
// database once per element.
#pragma once

#include <vel/CommonDbSet.h>
#include <vel/String.h>

#include <unordered_map>
#include <unordered_set>

namespace Vel {

class CStoredElementSet : public CCommonDbSet {
public:
    CStoredElementSet(CDatabase* pDatabase, const CString& table);
    ~CStoredElementSet() override;

    // False when the backend's rows carry no identity or the rows cannot be read.
    bool Read(long siteId);
    // Whether the element can be written without a lookup: `rowId` becomes the identity of
    // its first stored row, or empty for a new row. False before a successful Read and for a
    // number whose new row this store has inserted already (two elements of one number); that
    // element looks its row up itself.
    bool TakeRow(long elementId, CString& rowId);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

private:
    CString m_strTable;
    long m_lSiteIdParam = 0;
    long m_lCollectionId = 0;
    bool m_bRead = false;
    std::unordered_map<long, CString> m_mapRows;
    std::unordered_set<long> m_setInserted;
};

} // namespace Vel
