// CDbCollectionSet: the row of one site and one collection element, for storing a collection
// element by element.
#pragma once

#include <vel/DbScreenSet.h>
#include <vel/Export.h>

namespace Vel {

class VEL_API CDbCollectionSet : public CDbScreenSet {
public:
    explicit CDbCollectionSet(CDatabase* pDatabase = nullptr);
    ~CDbCollectionSet() override;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    void InitFilter() override;
    void Vel2Fields() override;

    // Writes the bound element without looking its row up first: `rowId` is the identity of
    // its stored row (see CRecordset::GetRowId), empty to insert a new row.
    bool StoreElementVel(long siteId, const CString& rowId);

    long m_lCollectionIdParam = 0;
    long m_lCollectionId = 0;
};

} // namespace Vel
