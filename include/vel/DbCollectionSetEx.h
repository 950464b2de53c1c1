// CDbCollectionSetEx: all rows of one site of a collection's table, ordered by element
// number, for loading a whole collection or one element of it.
#pragma once

#include <vel/DbScreenSet.h>
#include <vel/Export.h>

namespace Vel {

class CDataCollectionBase;

class VEL_API CDbCollectionSetEx : public CDbScreenSet {
public:
    explicit CDbCollectionSetEx(CDatabase* pDatabase = nullptr);
    ~CDbCollectionSetEx() override;

    // Lays the columns out from the element at position 0.
    void InitByCollection(CDataCollectionBase* pCollection, bool checkColumns);
    bool OpenAndFillVelCollection(long siteId, bool& notInDb, bool keepValues, bool unused = false);
    bool OpenAndFillVelCollectionItem(long siteId, bool& notInDb, long itemIndex, bool keepValues,
                                      bool unused = false);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;

    long m_lCollectionId = 0;
    CDataCollectionBase* m_pCollection = nullptr;
};

} // namespace Vel
