#include <vel/DataIPAddr.h>

#include <vel/Assert.h>
#include <vel/IPAddressSupport.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include "platform/NumberText.h"

#include <cstdint>
#include <string_view>

namespace Vel {

namespace {

using Parts = unsigned char[4];

// Width of the default text: four three-digit parts and three separators.
constexpr int kFixedTextLength = 15;

// The leading number of a part of the fixed-width text, as its low 8 bits.
unsigned char LeadingNumber(std::string_view text) {
    return static_cast<unsigned char>(ReadLeadingInteger(text) & 0xFF);
}

bool Decode(const CString& text, Parts& parts) {
    return CIPAddressSupport::DecodeIPAddress(text, parts[0], parts[1], parts[2], parts[3]);
}

} // namespace

CDataIPAddr::CDataIPAddr(CDataValidationClient* pParent, const CString& sDataKey)
    : CData(pParent, sDataKey) {}

CDataIPAddr::~CDataIPAddr() = default;

void CDataIPAddr::OnPanelChanged() {
    const CValidationData* pvd = GetValidationData();
    if (!pvd) {
        return;
    }
    Disable(pvd->GetDisabled());
    if (!IsInitializing()) {
        return;
    }
    const CString& text = pvd->GetDefaultString();
    if (text.IsEmpty()) {
        SetBlank(true);
        return;
    }
    // A text of the wrong width keeps the parts, yet the address counts as set.
    SetFromString(text);
    SetBlank(false);
}

bool CDataIPAddr::FindAndReplaceData(CString find, CString replace) {
    Parts from = {};
    Parts to = {};
    if (!Decode(find, from) || !Decode(replace, to) || !partsEqual(from)) {
        return false;
    }
    SetValue(to[0], to[1], to[2], to[3]);
    return true;
}

CString CDataIPAddr::GetValueString() {
    return CString::Formatted("%d.%d.%d.%d", m_byFields[0], m_byFields[1], m_byFields[2],
                              m_byFields[3]);
}

bool CDataIPAddr::FillValidationData(CValidationData& record) const {
    const bool result = CData::FillValidationData(record);
    if (const CValidationManager* manager = validationManager()) {
        record.SetDefaultString(manager->GetDefaultString(m_sDataKey));
    }
    return result;
}

bool CDataIPAddr::Compare(CData* other) {
    const auto* address = SameKind<CDataIPAddr>(other);
    return address && address->GetValue() == GetValue() && address->m_bBlank == m_bBlank;
}

void CDataIPAddr::copyDataValue(CDataValidationClient& source) {
    const auto* address = dynamic_cast<const CDataIPAddr*>(&source);
    if (!address) {
        return;
    }
    if (!partsEqual(address->m_byFields)) {
        storeParts(address->m_byFields);
        SetModified();
    }
    if (address->m_bBlank != m_bBlank) {
        SetBlank(address->m_bBlank);
    }
}

int CDataIPAddr::SetValue(long value) {
    const auto number = static_cast<std::uint32_t>(value);
    const Parts parts = {
        static_cast<unsigned char>(number >> 24), static_cast<unsigned char>(number >> 16),
        static_cast<unsigned char>(number >> 8), static_cast<unsigned char>(number)};
    return SetValue(parts[0], parts[1], parts[2], parts[3]);
}

int CDataIPAddr::SetValue(unsigned char f1, unsigned char f2, unsigned char f3, unsigned char f4) {
    const Parts parts = {f1, f2, f3, f4};
    if (!partsEqual(parts)) {
        SetModified();
        storeParts(parts);
    }
    return Accepted;
}

int CDataIPAddr::SetFieldValue(unsigned char nFieldNo, unsigned char value) {
    if (nFieldNo >= 4) {
        Assert("(nFieldNo>=0)&&(nFieldNo<4)")
            .print_context("DataIPAddrVel", 306)
            .error("Wrong IP address part index");
        return Accepted;
    }
    if (m_byFields[nFieldNo] != value) {
        SetModified();
        m_byFields[nFieldNo] = value;
    }
    return Accepted;
}

int CDataIPAddr::SetValueAndUpdateBlank(unsigned char f1, unsigned char f2, unsigned char f3,
                                        unsigned char f4) {
    SetValue(f1, f2, f3, f4);
    UpdateBlankByData();
    return Accepted;
}

void CDataIPAddr::SetBlank(bool blank) {
    // Parts are cleared only as the address becomes blank; a blank one keeps what it holds.
    if (blank == m_bBlank) {
        return;
    }
    if (blank) {
        static const Parts zero = {};
        storeParts(zero);
    }
    m_bBlank = blank;
    SetModified();
}

long CDataIPAddr::GetValue() const {
    const std::uint32_t number = std::uint32_t{m_byFields[0]} << 24 |
                                 std::uint32_t{m_byFields[1]} << 16 |
                                 std::uint32_t{m_byFields[2]} << 8 | m_byFields[3];
    return static_cast<long>(number);
}

int CDataIPAddr::GetValue(unsigned char& f1, unsigned char& f2, unsigned char& f3,
                          unsigned char& f4) const {
    f1 = m_byFields[0];
    f2 = m_byFields[1];
    f3 = m_byFields[2];
    f4 = m_byFields[3];
    return Accepted;
}

int CDataIPAddr::SetFromString(const CString& text) {
    if (text.GetLength() < kFixedTextLength) {
        return TooShort;
    }
    if (text.GetLength() > kFixedTextLength) {
        return TooLong;
    }
    for (int part = 0; part < 4; ++part) {
        m_byFields[part] = LeadingNumber(text.view().substr(4 * part, 3));
    }
    return Accepted;
}

void CDataIPAddr::UpdateBlankByData() {
    SetBlank(GetValue() == 0);
}

bool CDataIPAddr::partsEqual(const unsigned char (&fields)[4]) const {
    return fields[0] == m_byFields[0] && fields[1] == m_byFields[1] && fields[2] == m_byFields[2] &&
           fields[3] == m_byFields[3];
}

void CDataIPAddr::storeParts(const unsigned char (&fields)[4]) {
    for (int part = 0; part < 4; ++part) {
        m_byFields[part] = fields[part];
    }
}

} // namespace Vel
