#include "SiteRows.h"

#include <vel/FieldExchange.h>

namespace Vel::Velcfg {

CSiteRows::CSiteRows(CDatabase* db, std::vector<std::string> numbers,
                     std::vector<std::string> texts)
    : CRecordset(db), m_vecNumbers(numbers.size()), m_vecTexts(texts.size()),
      m_vecNumberNames(std::move(numbers)), m_vecTextNames(std::move(texts)) {
    m_nFields = static_cast<unsigned>(m_vecNumbers.size() + m_vecTexts.size());
}

void CSiteRows::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    for (std::size_t i = 0; i < m_vecNumbers.size(); ++i) {
        RFX_LongEx(pFX, m_vecNumberNames[i].c_str(), m_vecNumbers[i]);
    }
    for (std::size_t i = 0; i < m_vecTexts.size(); ++i) {
        RFX_Text(pFX, m_vecTextNames[i].c_str(), m_vecTexts[i], 1000);
    }
}

} // namespace Vel::Velcfg
