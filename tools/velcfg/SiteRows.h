// CSiteRows: the rows of a fixed query over the site tables, read as numbers and texts.
#pragma once

#include <vel/Recordset.h>

#include <string>
#include <vector>

namespace Vel::Velcfg {

class CSiteRows : public CRecordset {
public:
    // `numbers` columns first, then `texts` columns, in the order the query selects them.
    CSiteRows(CDatabase* db, std::vector<std::string> numbers, std::vector<std::string> texts);

    void DoFieldExchange(CFieldExchange* pFX) override;

    std::vector<long> m_vecNumbers;
    std::vector<CString> m_vecTexts;

private:
    std::vector<std::string> m_vecNumberNames;
    std::vector<std::string> m_vecTextNames;
};

} // namespace Vel::Velcfg
