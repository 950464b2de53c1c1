// CRptDataSource: hands the report engine (CHtmlParse) the items of one record at a time. The
// engine does not know the tree's shape; a host derives its own data source and overrides
// IsLeftView, GetNextData and GetTextForID.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/String.h>

#include <vector>

namespace Vel {

class VEL_API CRptDataSource {
public:
    CRptDataSource() = default;
    CRptDataSource(const CRptDataSource&) = delete;
    CRptDataSource& operator=(const CRptDataSource&) = delete;
    virtual ~CRptDataSource();

    // Non-zero when the host has put the first record's items in place itself.
    virtual int IsLeftView();
    // Non-zero with `items` filled when a record is available. `record` is the engine's record
    // counter; `name` is the argument of the loop command (empty for the first request).
    virtual int GetNextData(int& record, std::vector<CDataValidationClient*>& items, CString name);
    virtual void SetAppPath(const CString& path);
    virtual CString GetAppPath();
    // The text of a TRANSLATE field.
    virtual CString GetTextForID(const CString& id);

protected:
    CString m_strAppPath;
};

} // namespace Vel
