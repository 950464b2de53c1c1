#include <vel/DbScreenSet.h>

#include <vel/Assert.h>
#include <vel/DataChoice.h>
#include <vel/DataChoiceBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataIPAddr.h>
#include <vel/DataNumber.h>
#include <vel/DataSetBase.h>
#include <vel/DataString.h>
#include <vel/Database.h>
#include <vel/DatabaseData.h>
#include <vel/DbException.h>
#include <vel/ValidationData.h>

#include <cstdint>

namespace Vel {

namespace {

constexpr int kMaxText = 255;
constexpr int kVarchar = 12;

CDataValidationClient* childAt(CDataContainerBase* screen, int position) {
    const CDataValidationClientList& children = screen->GetChildListRef();
    if (position < 0 || static_cast<std::size_t>(position) >= children.size()) {
        return nullptr;
    }
    return children[static_cast<std::size_t>(position)];
}

CData* itemAt(CDataContainerBase* screen, int position) {
    return dynamic_cast<CData*>(childAt(screen, position));
}

} // namespace

CDbScreenSet::CDbScreenSet(CDatabase* pDatabase) : CCommonDbSet(pDatabase) {
    m_strFilter = "AM_Site_ID = ?";
    m_nFields = 1;
    m_nParams = 1;
}

CDbScreenSet::~CDbScreenSet() = default;

void CDbScreenSet::InitByScreen(CDataContainerBase* pScreen, CString table, bool checkColumns) {
    m_strTableText = table;
    m_pScreen = pScreen;
    m_bCheckColumns = checkColumns;
    if (!m_bColumnsReady) {
        InitColumns();
        m_bColumnsReady = true;
    }
    InitFilter();
}

void CDbScreenSet::InitColumns() {
    const CDataValidationClientList& children = m_pScreen->GetChildListRef();
    for (std::size_t p = 0; p < children.size(); ++p) {
        auto* item = dynamic_cast<CData*>(children[p]);
        const int type = children[p]->GetType();
        if (!item || type > PanelDataTypes::SET) {
            continue;
        }
        const CValidationData* record = m_bCheckColumns ? item->GetValidationData() : nullptr;
        if (record && record->GetCheckForImport() && !CheckExistColumn(item)) {
            continue;
        }
        const int position = static_cast<int>(p);
        const CString key = item->GetLastDataKey();
        if (type == PanelDataTypes::IP_ADDRESS) {
            m_lstNumberIndex.push_back(position);
            m_lstNumberNames.push_back(CString::Formatted("[%s_Blank]", key.c_str()));
            m_lstNumberValues.push_back(0);
            for (int k = 1; k <= 4; ++k) {
                m_lstNumberIndex.push_back(position);
                m_lstNumberNames.push_back(CString::Formatted("[%s_F%d]", key.c_str(), k));
                m_lstNumberValues.push_back(0);
            }
            m_nFields += 5;
        } else if (type == PanelDataTypes::STRING) {
            m_lstTextIndex.push_back(position);
            m_lstTextNames.push_back("[" + key + "]");
            m_lstTextValues.emplace_back();
            m_nFields += 1;
        } else {
            m_lstNumberIndex.push_back(position);
            m_lstNumberNames.push_back("[" + key + "]");
            m_lstNumberValues.push_back(0);
            m_nFields += 1;
        }
    }
}

bool CDbScreenSet::CheckExistColumn(CData* pItem) {
    const CString key = pItem->GetLastDataKey();
    const CString table = m_pScreen->GetDbTableName();
    CString sql;
    if (pItem->GetType() == PanelDataTypes::IP_ADDRESS) {
        sql.Format("SELECT Count(%s_Blank) FROM %s", key.c_str(), table.c_str());
    } else {
        sql.Format("SELECT Count(%s) FROM %s", key.c_str(), table.c_str());
    }
    return m_pDatabase && m_pDatabase->Probe(sql);
}

void CDbScreenSet::InitFilter() {}

CString CDbScreenSet::GetDefaultSQL() {
    // Without a bound container there is no table; the statement then fails at the server.
    return "[" + (m_pScreen ? m_pScreen->GetDbTableName() : CString()) + "]";
}

CString CDbScreenSet::GetDefaultConnect() {
    Assert("false").print_context("DbScreenSet", 90).error("Unexpected program calling");
    return {};
}

void CDbScreenSet::ExchangeScreenFields(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::param);
    RFX_LongEx(pFX, "[AM_Site_IDParam]", m_lSiteIdParam);
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_LongEx(pFX, "[AM_Site_ID]", m_lSiteId);
    for (std::size_t i = 0; i < m_lstNumberNames.size(); ++i) {
        RFX_LongEx(pFX, m_lstNumberNames[i].c_str(), m_lstNumberValues[i]);
    }
    for (std::size_t i = 0; i < m_lstTextNames.size(); ++i) {
        RFX_Text(pFX, m_lstTextNames[i].c_str(), m_lstTextValues[i], kMaxText, kVarchar, 0);
    }
}

void CDbScreenSet::ExchangeNestedFields(CFieldExchange* pFX, long& collectionId,
                                        const CString& parentColumn, long& parentId) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_LongEx(pFX, "[Collection_ID]", collectionId);
    RFX_LongEx(pFX, parentColumn.c_str(), parentId);
    ExchangeScreenFields(pFX);
}

void CDbScreenSet::DoFieldExchange(CFieldExchange* pFX) {
    CDatabaseData scope;
    ExchangeScreenFields(pFX);
}

bool CDbScreenSet::OpenOrRequery(unsigned openType, bool requireRequery) {
    if (!IsOpen()) {
        return Open(openType);
    }
    if (!CanRestart()) {
        return false;
    }
    const bool requeried = Requery();
    return requeried || !requireRequery;
}

bool CDbScreenSet::OpenAndFillVel(long siteId, bool& notInDb, bool keepValues, bool) {
    m_lSiteIdParam = siteId;
    if (!OpenOrRequery(forwardOnly, false)) {
        return false;
    }
    long lCount = 0;
    for (; !IsEOF(); MoveNext()) {
        Fields2Vel(m_pScreen);
        ++lCount;
    }
    if (lCount > 1) {
        Assert("lCount <= 1")
            .print_context("DbScreenSet", 264)
            .error("Database error. Table contains more rows for one required.");
    }
    if (lCount >= 1) {
        return true;
    }
    notInDb = true;
    if (!keepValues) {
        m_pScreen->ResetDefaults();
        m_pScreen->ClearModified();
    }
    return true;
}

bool CDbScreenSet::UpdateOrInsertVel(long siteId) {
    m_lSiteIdParam = siteId;
    return WriteRow([this, siteId] {
        if (!OpenOrRequery(snapshot, true)) {
            return false;
        }
        if (IsEOF() && IsBOF()) {
            AddNew();
            m_lSiteId = siteId;
        } else {
            Edit();
        }
        return true;
    });
}

bool CDbScreenSet::WriteRow(const std::function<bool()>& placeRow) {
    try {
        if (!placeRow()) {
            return false;
        }
        Vel2Fields();
        return Update();
    } catch (const CDbException& e) {
        if (e.GetColumn().IsEmpty()) {
            throw;
        }
        throw e.WithContext(describeColumn(e.GetColumn()));
    }
}

CString CDbScreenSet::describeColumn(const CString& column) const {
    int position = -1;
    for (std::size_t i = 0; i < m_lstNumberNames.size() && position < 0; ++i) {
        position = m_lstNumberNames[i] == column ? m_lstNumberIndex[i] : -1;
    }
    for (std::size_t i = 0; i < m_lstTextNames.size() && position < 0; ++i) {
        position = m_lstTextNames[i] == column ? m_lstTextIndex[i] : -1;
    }
    CData* item = m_pScreen ? itemAt(m_pScreen, position) : nullptr;
    return CString::Formatted("(item %s, site %ld)",
                              item ? item->GetItemUniqueKey(true).c_str() : column.c_str(),
                              m_lSiteIdParam);
}

template <class T> T* CDbScreenSet::itemAs(CDataValidationClient* child, std::size_t column) {
    if (!child) {
        return nullptr;
    }
    if (m_vecKnownTypes.size() <= column) {
        m_vecKnownTypes.resize(m_lstNumberIndex.size() + m_lstTextIndex.size());
    }
    SKnownType& known = m_vecKnownTypes[column];
    const std::type_info* type = &typeid(*child);
    if (type == known.item && known.wanted == &typeid(T)) {
        // This class passed the dynamic check before: the static cast is exact.
        return static_cast<T*>(child);
    }
    T* item = dynamic_cast<T*>(child);
    known = item ? SKnownType{type, &typeid(T)} : SKnownType{};
    return item;
}

void CDbScreenSet::Fields2Vel(CDataContainerBase* pScreen) {
    const std::size_t numbers = m_lstNumberIndex.size();
    for (std::size_t i = 0; i < numbers; ++i) {
        CDataValidationClient* child = childAt(pScreen, m_lstNumberIndex[i]);
        if (!child) {
            continue;
        }
        const long value = m_lstNumberValues[i];
        switch (child->GetType()) {
        case PanelDataTypes::INT_CHOICE:
            if (auto* choice = itemAs<CDataChoice<int>>(child, i)) {
                choice->SetValue(static_cast<int>(value));
            }
            break;
        case PanelDataTypes::CHOICE:
            if (auto* choice = itemAs<CDataChoiceBase>(child, i)) {
                choice->SetId(static_cast<int>(value));
            }
            break;
        case PanelDataTypes::NUMBER:
            if (auto* number = itemAs<CDataNumber>(child, i)) {
                number->SetValue(value);
            }
            break;
        case PanelDataTypes::IP_ADDRESS:
            if (auto* address = itemAs<CDataIPAddr>(child, i)) {
                address->SetBlank(value != 0);
                for (unsigned char f = 0; f < 4 && i + 1 < numbers; ++f) {
                    address->SetFieldValue(f, static_cast<unsigned char>(m_lstNumberValues[++i]));
                }
            }
            break;
        case PanelDataTypes::SET:
            if (auto* set = itemAs<CDataSetBase>(child, i)) {
                // The column holds the unsigned 32-bit pattern of the bitmap.
                set->SetValue(static_cast<std::uint32_t>(value));
            }
            break;
        default:
            break;
        }
    }
    for (std::size_t i = 0; i < m_lstTextIndex.size(); ++i) {
        if (auto* text = itemAs<CDataString>(childAt(pScreen, m_lstTextIndex[i]), numbers + i)) {
            text->SetValueCrypted(m_lstTextValues[i]);
        }
    }
    pScreen->ClearModified1Layer();
    pScreen->SetValuesInDb1();
}

void CDbScreenSet::Vel2Fields() {
    const std::size_t numbers = m_lstNumberIndex.size();
    for (std::size_t i = 0; i < numbers; ++i) {
        CDataValidationClient* child = childAt(m_pScreen, m_lstNumberIndex[i]);
        if (!child) {
            continue;
        }
        long& value = m_lstNumberValues[i];
        switch (child->GetType()) {
        case PanelDataTypes::INT_CHOICE:
            if (auto* choice = itemAs<CDataChoice<int>>(child, i)) {
                value = choice->GetValue();
            }
            break;
        case PanelDataTypes::CHOICE:
            if (auto* choice = itemAs<CDataChoiceBase>(child, i)) {
                value = choice->GetId();
            }
            break;
        case PanelDataTypes::NUMBER:
            if (auto* number = itemAs<CDataNumber>(child, i)) {
                value = number->GetValue();
            }
            break;
        case PanelDataTypes::IP_ADDRESS:
            if (auto* address = itemAs<CDataIPAddr>(child, i)) {
                unsigned char f[4] = {0, 0, 0, 0};
                address->GetValue(f[0], f[1], f[2], f[3]);
                value = address->GetBlank() ? 1 : 0;
                for (int k = 0; k < 4 && i + 1 < numbers; ++k) {
                    m_lstNumberValues[++i] = f[k];
                }
            }
            break;
        case PanelDataTypes::SET:
            if (auto* set = itemAs<CDataSetBase>(child, i)) {
                value = static_cast<std::int32_t>(set->GetValue());
            }
            break;
        default:
            break;
        }
    }
    for (std::size_t i = 0; i < m_lstTextIndex.size(); ++i) {
        if (auto* text = itemAs<CDataString>(childAt(m_pScreen, m_lstTextIndex[i]), numbers + i)) {
            m_lstTextValues[i] = text->GetValueCrypted();
        }
    }
}

} // namespace Vel
