// CCommonDbSet: the recordset base of the library's own recordsets. Its operations refuse a
// closed or missing connection with a clear CDbException instead of a driver's handle error.
#pragma once

#include <vel/Export.h>
#include <vel/Recordset.h>

namespace Vel {

class CDatabase;

class VEL_API CCommonDbSet : public CRecordset {
public:
    explicit CCommonDbSet(CDatabase* pDatabase = nullptr);
    ~CCommonDbSet() override;

    bool Open(unsigned openType = snapshot, const char* sql = nullptr,
              unsigned options = none) override;
    void Move(long rows) override;
    void AddNew() override;
    void Edit() override;
    bool Update() override;
    void Delete() override;
    bool Requery() override;
};

} // namespace Vel
