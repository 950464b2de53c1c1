#include <vel/FieldExchange.h>

namespace Vel {

void CFieldExchange::Add(const char* name, long* pLong, CString* pText, int maxLength) {
    m_fields.push_back(Field{m_nFieldType, name, pLong, pText, maxLength});
}

void RFX_LongEx(CFieldExchange* pFX, const char* name, long& value) {
    pFX->Add(name, &value, nullptr, 0);
}

void RFX_Text(CFieldExchange* pFX, const char* name, CString& value, int maxLength, int, short) {
    pFX->Add(name, nullptr, &value, maxLength);
}

} // namespace Vel
