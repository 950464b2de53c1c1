#include <vel/RptDataSource.h>

namespace Vel {

CRptDataSource::~CRptDataSource() = default;

int CRptDataSource::IsLeftView() {
    return 0;
}

int CRptDataSource::GetNextData(int&, std::vector<CDataValidationClient*>&, CString) {
    return 0;
}

void CRptDataSource::SetAppPath(const CString& path) {
    m_strAppPath = path;
}

CString CRptDataSource::GetAppPath() {
    return m_strAppPath;
}

CString CRptDataSource::GetTextForID(const CString&) {
    return CString();
}

} // namespace Vel
