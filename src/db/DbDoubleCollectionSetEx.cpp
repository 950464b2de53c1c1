#include <vel/DbDoubleCollectionSetEx.h>

#include <vel/DatabaseData.h>

namespace Vel {

CDbDoubleCollectionSetEx::CDbDoubleCollectionSetEx(const char* parentColumn, long parentId,
                                                   CDatabase* pDatabase)
    : CDbCollectionSetEx(pDatabase), m_strParentColumn(parentColumn),
      m_lParentCollectionIdParam(parentId), m_lParentCollectionId(parentId) {
    m_nFields += 1;
    m_nParams = 2;
    m_strFilter.AppendFormat(" AND %s = ?", m_strParentColumn.c_str());
}

CDbDoubleCollectionSetEx::~CDbDoubleCollectionSetEx() = default;

void CDbDoubleCollectionSetEx::DoFieldExchange(CFieldExchange* pFX) {
    CDatabaseData scope;
    ExchangeNestedFields(pFX, m_lCollectionId, m_strParentColumn, m_lParentCollectionId);
    pFX->SetFieldType(CFieldExchange::param);
    RFX_LongEx(pFX, "[m_ParentCollection_IDParam]", m_lParentCollectionIdParam);
}

void CDbDoubleCollectionSetEx::InitFilter() {
    m_lParentCollectionIdParam = m_lParentCollectionId;
}

void CDbDoubleCollectionSetEx::Vel2Fields() {
    m_lParentCollectionId = m_lParentCollectionIdParam;
    CDbScreenSet::Vel2Fields();
}

} // namespace Vel
