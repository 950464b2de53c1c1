#include <vel/DataNumber.h>

#include <vel/Assert.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include <charconv>
#include <string_view>

namespace Vel {

CDataNumber::CDataNumber(CDataValidationClient* pParent, const CString& sDataKey)
    : CData(pParent, sDataKey) {}

CDataNumber::~CDataNumber() = default;

void CDataNumber::OnPanelChanged() {
    const CValidationData* pvd = GetValidationData();
    if (!pvd) {
        return;
    }
    Disable(pvd->GetDisabled());
    if (IsInitializing()) {
        m_nCurrentNumber = pvd->GetDefaultNumber();
        if (!(m_nCurrentNumber >= pvd->GetMinNumber() && m_nCurrentNumber <= pvd->GetMaxNumber())) {
            Assert(
                "m_nCurrentNumber>=pvd->GetMinNumber() && m_nCurrentNumber<= pvd->GetMaxNumber()")
                .print_context("DataNumberVel", 156)
                .value("m_nCurrentNumber", m_nCurrentNumber)
                .value("GetDataKey()", GetDataKey())
                .error("Default number out of range");
        }
    }
    if (m_nCurrentNumber > pvd->GetMaxNumber()) {
        m_nCurrentNumber = pvd->GetMaxNumber();
        SetModified();
    } else if (m_nCurrentNumber < pvd->GetMinNumber()) {
        m_nCurrentNumber = pvd->GetMinNumber();
        SetModified();
    }
}

CString CDataNumber::GetValueString() {
    // Called for every number the export and the difference walk write; to_chars spares the
    // printf parsing.
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, m_nCurrentNumber);
    return CString(std::string_view(digits, end.ptr));
}

bool CDataNumber::FillValidationData(CValidationData& record) const {
    const bool result = CData::FillValidationData(record);
    if (const CValidationManager* manager = validationManager()) {
        record.SetDefaultNumber(manager->GetDefaultNumber(m_sDataKey));
        record.SetMaxNumber(manager->GetMaxNumber(m_sDataKey));
        record.SetMinNumber(manager->GetMinNumber(m_sDataKey));
    }
    return result;
}

bool CDataNumber::Compare(CData* other) {
    const auto* number = SameKind<CDataNumber>(other);
    return number && number->m_nCurrentNumber == m_nCurrentNumber;
}

void CDataNumber::copyDataValue(CDataValidationClient& source) {
    // Through SetValue, so a value outside this item's range is not taken.
    if (const auto* number = dynamic_cast<const CDataNumber*>(&source)) {
        SetValue(number->m_nCurrentNumber);
    }
}

int CDataNumber::SetValue(long value) {
    if (const CValidationData* record = GetValidationData()) {
        if (value < record->GetMinNumber()) {
            return BelowMinimum;
        }
        if (value > record->GetMaxNumber()) {
            return AboveMaximum;
        }
    }
    if (value != m_nCurrentNumber) {
        SetModified();
        m_nCurrentNumber = value;
    }
    return Accepted;
}

} // namespace Vel
