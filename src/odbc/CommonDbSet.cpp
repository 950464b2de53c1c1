#include <vel/CommonDbSet.h>

#include <vel/Database.h>
#include <vel/DbException.h>

namespace Vel {

namespace {

bool connected(const CDatabase* db) {
    return db && db->IsOpen();
}

void requireOpen(const CDatabase* db) {
    if (!connected(db)) {
        throw CDbException("08003", 0, "the recordset's connection is not open", "");
    }
}

} // namespace

CCommonDbSet::CCommonDbSet(CDatabase* pDatabase) : CRecordset(pDatabase) {}

CCommonDbSet::~CCommonDbSet() = default;

bool CCommonDbSet::Open(unsigned openType, const char* sql, unsigned options) {
    return connected(m_pDatabase) && CRecordset::Open(openType, sql, options);
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
    return connected(m_pDatabase) && CRecordset::Requery();
}

} // namespace Vel
