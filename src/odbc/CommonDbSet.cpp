#include <vel/CommonDbSet.h>

#include <vel/Database.h>
#include <vel/DbException.h>

namespace Vel {

namespace {

void requireOpen(CDatabase* db) {
    if (!db || !db->IsOpen()) {
        throw CDbException("08003", 0, "the recordset's connection is not open", "");
    }
}

} // namespace

CCommonDbSet::CCommonDbSet(CDatabase* pDatabase) : CRecordset(pDatabase) {}

CCommonDbSet::~CCommonDbSet() = default;

bool CCommonDbSet::Open(unsigned openType, const char* sql, unsigned options) {
    if (!m_pDatabase || !m_pDatabase->IsOpen()) {
        return false;
    }
    return CRecordset::Open(openType, sql, options);
}

void CCommonDbSet::Move(long rows) {
    requireOpen(m_pDatabase);
    CRecordset::Move(rows);
}

void CCommonDbSet::AddNew() {
    requireOpen(m_pDatabase);
    CRecordset::AddNew();
}

void CCommonDbSet::Edit() {
    requireOpen(m_pDatabase);
    CRecordset::Edit();
}

bool CCommonDbSet::Update() {
    requireOpen(m_pDatabase);
    return CRecordset::Update();
}

void CCommonDbSet::Delete() {
    requireOpen(m_pDatabase);
    CRecordset::Delete();
}

bool CCommonDbSet::Requery() {
    if (!m_pDatabase || !m_pDatabase->IsOpen()) {
        return false;
    }
    return CRecordset::Requery();
}

} // namespace Vel
