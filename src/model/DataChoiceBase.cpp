#include <vel/DataChoiceBase.h>

namespace Vel {

CDataChoiceBase::CDataChoiceBase(CDataValidationClient* pParent, const CString& sDataKey)
    : CData(pParent, sDataKey) {}

CDataChoiceBase::~CDataChoiceBase() = default;

int CDataChoiceBase::GetId() {
    return -1;
}

int CDataChoiceBase::SetId(int) {
    return NotAChoice;
}

int CDataChoiceBase::SetValueIndex(int) {
    return NotAChoice;
}

int CDataChoiceBase::GetValueIndex() const {
    return -1;
}

bool CDataChoiceBase::IsOptional() const {
    return false;
}

int CDataChoiceBase::GetNothingValue() const {
    return -1;
}

void CDataChoiceBase::SetToNothing() {}

CDataContainerBase* CDataChoiceBase::GetSelectedContainer() {
    return nullptr;
}

} // namespace Vel
