#include <vel/CollectionValidationClient.h>

namespace Vel {

CCollectionValidationClient::CCollectionValidationClient(CDataValidationClient* pParent,
                                                         const CString& sDataKey)
    : CDataValidationClient(pParent, sDataKey) {}

CCollectionValidationClient::~CCollectionValidationClient() = default;

} // namespace Vel
