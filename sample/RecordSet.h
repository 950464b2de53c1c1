// CRecordSet: a list of records of the tree that the host puts together for a report, such as
// the users who can unset a zone. The report engine walks its members in an inner loop.
#pragma once

#include <vel/DataSet.h>

namespace Vel::Sample {

class CRecordSet : public CDataSet<CDataValidationClient*> {
public:
    explicit CRecordSet(const CString& sDataKey) : CDataSet(nullptr, sDataKey) {}

    const CMemberList* GetAllData() const override { return &m_vecData; }
    void SetToDefault() override {}
    void Add(CDataValidationClient* record) { m_vecData.push_back(record); }
};

} // namespace Vel::Sample
