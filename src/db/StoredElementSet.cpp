#include "StoredElementSet.h"

namespace Vel {

CStoredElementSet::CStoredElementSet(CDatabase* pDatabase, const CString& table)
    : CCommonDbSet(pDatabase), m_strTable(table) {
    m_strFilter = "AM_Site_ID = ?";
    m_nFields = 1;
    m_nParams = 1;
}

CStoredElementSet::~CStoredElementSet() = default;

CString CStoredElementSet::GetDefaultSQL() {
    return m_strTable;
}

void CStoredElementSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::param);
    RFX_LongEx(pFX, "[AM_Site_IDParam]", m_lSiteIdParam);
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_LongEx(pFX, "[Collection_ID]", m_lCollectionId);
}

bool CStoredElementSet::Read(long siteId) {
    m_lSiteIdParam = siteId;
    m_bRead = false;
    m_mapRows.clear();
    m_setInserted.clear();
    // Opened for update: only then do the rows carry their identity.
    if (!Open(snapshot)) {
        return false;
    }
    for (; !IsEOF(); MoveNext()) {
        CString row = GetRowId();
        if (row.IsEmpty()) {
            return false;
        }
        m_mapRows.try_emplace(m_lCollectionId, std::move(row));
    }
    m_bRead = true;
    return true;
}

bool CStoredElementSet::TakeRow(long elementId, CString& rowId) {
    if (!m_bRead) {
        return false;
    }
    const auto found = m_mapRows.find(elementId);
    if (found != m_mapRows.end()) {
        rowId = found->second;
        return true;
    }
    rowId.Empty();
    return m_setInserted.insert(elementId).second;
}

} // namespace Vel
