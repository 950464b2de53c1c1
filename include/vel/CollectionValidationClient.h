// CCollectionValidationClient: the tree node that every collection of a data tree stands on.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CCollectionValidationClient : public CDataValidationClient {
public:
    CCollectionValidationClient(CDataValidationClient* pParent, const CString& sDataKey);
    ~CCollectionValidationClient() override;
};

} // namespace Vel
