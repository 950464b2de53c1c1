// CDbDoubleCollectionSet: the row of one site, one element and one parent element, for hosts
// that store a collection nested in the elements of another. The parent column is written
// into the statement as the host passes it (a complete reference such as "[Area_ID]").
#pragma once

#include <vel/DbScreenSet.h>
#include <vel/Export.h>

namespace Vel {

class VEL_API CDbDoubleCollectionSet : public CDbScreenSet {
public:
    CDbDoubleCollectionSet(const char* parentColumn, long parentId, CDatabase* pDatabase = nullptr);
    ~CDbDoubleCollectionSet() override;

    void DoFieldExchange(CFieldExchange* pFX) override;
    void InitFilter() override;
    void Vel2Fields() override;

    CString m_strParentColumn;
    long m_lParentCollectionIdParam;
    long m_lParentCollectionId;
    long m_lCollectionIdParam = 0;
    long m_lCollectionId = 0;
};

} // namespace Vel
