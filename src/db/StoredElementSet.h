// CStoredElementSet: the rows a site already has in a collection's table, read with one
// statement: for every element number the identity of its first row. A store of the
// collection then knows for each element whether to update or to insert without asking the
// database once per element.
#pragma once

#include <vel/CommonDbSet.h>
#include <vel/String.h>

#include <unordered_map>

namespace Vel {

class CStoredElementSet : public CCommonDbSet {
public:
    CStoredElementSet(CDatabase* pDatabase, const CString& table);
    ~CStoredElementSet() override;

    // False when the backend's rows carry no identity or the rows cannot be read.
    bool Read(long siteId);
    // The identity of the first row of the element, empty when it has none.
    CString RowOf(long elementId) const;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

private:
    CString m_strTable;
    long m_lSiteIdParam = 0;
    long m_lCollectionId = 0;
    std::unordered_map<long, CString> m_mapRows;
};

} // namespace Vel
