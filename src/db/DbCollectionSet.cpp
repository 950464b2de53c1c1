#include <vel/DbCollectionSet.h>

#include <vel/DataContainerBase.h>

#include "CollectionTable.h"

namespace Vel {

CDbCollectionSet::CDbCollectionSet(CDatabase* pDatabase) : CDbScreenSet(pDatabase) {
    m_nFields += 1;
    m_nParams = 2;
    m_strFilter += " AND Collection_ID = ?";
}

CDbCollectionSet::~CDbCollectionSet() = default;

CString CDbCollectionSet::GetDefaultSQL() {
    return CollectionTableSql(m_strTableText, m_pScreen);
}

void CDbCollectionSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_LongEx(pFX, "[Collection_ID]", m_lCollectionId);
    ExchangeScreenFields(pFX);
    pFX->SetFieldType(CFieldExchange::param);
    RFX_LongEx(pFX, "[m_Collection_IDParam]", m_lCollectionIdParam);
}

void CDbCollectionSet::InitFilter() {
    m_lCollectionIdParam = m_pScreen->GetId();
}

bool CDbCollectionSet::StoreElementVel(long siteId, const CString& rowId) {
    m_lSiteIdParam = siteId;
    return WriteRow([this, siteId, &rowId] {
        // The statements are prepared on the first element; later ones reuse them.
        if (!IsOpen() && !Open(snapshot)) {
            return false;
        }
        if (rowId.IsEmpty()) {
            AddNew();
        } else {
            EditRow(rowId);
        }
        m_lSiteId = siteId;
        return true;
    });
}

void CDbCollectionSet::Vel2Fields() {
    m_lCollectionId = m_pScreen->GetId();
    CDbScreenSet::Vel2Fields();
}

} // namespace Vel
