#include <vel/DataCollectionBase.h>

#include <vel/Assert.h>

namespace Vel {

CDataCollectionBase::CDataCollectionBase(CDataValidationClient* pParent, const CString& sDataKey)
    : CCollectionValidationClient(pParent, sDataKey) {}

CDataCollectionBase::~CDataCollectionBase() = default;

CString CDataCollectionBase::dataKey2CaptionLanguageKey(const CString&) const {
    const CDataValidationClient* pContainer =
        m_vecChildren.empty() ? nullptr : m_vecChildren.front();
    if (!pContainer) {
        Assert("pContainer")
            .print_context("DataCollectionBaseVel", 216)
            .error("Unexpected calling of the NULL pointer - empty CDataCollectionBase list");
        return CString();
    }
    return pContainer->GetLabelTextKey();
}

CString CDataCollectionBase::GetValueString() {
    return "<...>";
}

} // namespace Vel
