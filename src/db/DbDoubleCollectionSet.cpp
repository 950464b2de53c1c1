#include <vel/DbDoubleCollectionSet.h>

#include <vel/DataContainerBase.h>
#include <vel/DatabaseData.h>

namespace Vel {

CDbDoubleCollectionSet::CDbDoubleCollectionSet(const char* parentColumn, long parentId,
                                               CDatabase* pDatabase)
    : CDbScreenSet(pDatabase), m_strParentColumn(parentColumn),
      m_lParentCollectionIdParam(parentId), m_lParentCollectionId(parentId) {
    m_nFields += 2;
    m_nParams = 3;
    m_strFilter.AppendFormat(" AND Collection_ID = ? AND %s = ?", m_strParentColumn.c_str());
}

CDbDoubleCollectionSet::~CDbDoubleCollectionSet() = default;

void CDbDoubleCollectionSet::DoFieldExchange(CFieldExchange* pFX) {
    CDatabaseData scope;
    ExchangeNestedFields(pFX, m_lCollectionId, m_strParentColumn, m_lParentCollectionId);
    pFX->SetFieldType(CFieldExchange::param);
    RFX_LongEx(pFX, "[m_Collection_IDParam]", m_lCollectionIdParam);
    RFX_LongEx(pFX, "[m_ParentCollection_IDParam]", m_lParentCollectionIdParam);
}

void CDbDoubleCollectionSet::InitFilter() {
    m_lCollectionIdParam = m_pScreen->GetId();
}

void CDbDoubleCollectionSet::Vel2Fields() {
    m_lParentCollectionId = m_lParentCollectionIdParam;
    m_lCollectionId = m_pScreen->GetId();
    CDbScreenSet::Vel2Fields();
}

} // namespace Vel
