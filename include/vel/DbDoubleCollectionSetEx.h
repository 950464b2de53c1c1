// CDbDoubleCollectionSetEx: all rows of one site under one parent element, ordered by
// element number, for hosts that load a collection nested in the elements of another.
#pragma once

#include <vel/DbCollectionSetEx.h>
#include <vel/Export.h>

namespace Vel {

class VEL_API CDbDoubleCollectionSetEx : public CDbCollectionSetEx {
public:
    CDbDoubleCollectionSetEx(const char* parentColumn, long parentId,
                             CDatabase* pDatabase = nullptr);
    ~CDbDoubleCollectionSetEx() override;

    void DoFieldExchange(CFieldExchange* pFX) override;
    void InitFilter() override;
    void Vel2Fields() override;

    CString m_strParentColumn;
    long m_lParentCollectionIdParam;
    long m_lParentCollectionId;
};

} // namespace Vel
