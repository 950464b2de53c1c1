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

    long m_lCollectionIdParam = 0;
    long m_lCollectionId = 0;
};

} // namespace Vel
