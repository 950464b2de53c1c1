#include <vel/DbCollectionSetEx.h>

#include <vel/Assert.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DatabaseData.h>

#include "CollectionTable.h"

#include <algorithm>
#include <vector>

namespace Vel {

namespace {

CDataContainerBase* elementAt(CDataCollectionBase* collection, long index, int line) {
    CDataContainerBase* pScreen = collection->GetItem(static_cast<int>(index));
    if (!pScreen) {
        Assert("pScreen")
            .print_context("DbCollectionSetEx", line)
            .value("lCollectionItemIndex", index)
            .error("Reload of the collection item failed - wrong collection index");
    }
    return pScreen;
}

} // namespace

CDbCollectionSetEx::CDbCollectionSetEx(CDatabase* pDatabase) : CDbScreenSet(pDatabase) {
    m_nFields += 1;
    m_strSort = "Collection_ID";
}

CDbCollectionSetEx::~CDbCollectionSetEx() = default;

CString CDbCollectionSetEx::GetDefaultSQL() {
    return CollectionTableSql(m_strTableText, m_pScreen);
}

void CDbCollectionSetEx::DoFieldExchange(CFieldExchange* pFX) {
    CDatabaseData scope;
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_LongEx(pFX, "[Collection_ID]", m_lCollectionId);
    ExchangeScreenFields(pFX);
}

void CDbCollectionSetEx::InitByCollection(CDataCollectionBase* pCollection, bool checkColumns) {
    if (pCollection->GetSize() <= 0) {
        Assert("pCollection->GetSize() > 0")
            .print_context("DbCollectionSetEx", 59)
            .error("Cannot fill empty collection");
        return;
    }
    m_pCollection = pCollection;
    InitByScreen(pCollection->GetItem(0), pCollection->GetPanelFamilyPrefix(), checkColumns);
}

bool CDbCollectionSetEx::OpenAndFillVelCollection(long siteId, bool& notInDb, bool keepValues,
                                                  bool) {
    m_lSiteIdParam = siteId;
    if (!m_pCollection || !OpenOrRequery(forwardOnly, false)) {
        return false;
    }
    // The numbers of the applied rows; searched only when some element has no row.
    std::vector<long> found;
    found.reserve(static_cast<std::size_t>(m_pCollection->GetSize()));
    for (; !IsEOF(); MoveNext()) {
        CDataContainerBase* element = m_pCollection->GetItemById(m_lCollectionId);
        if (element) {
            found.push_back(m_lCollectionId);
            Fields2Vel(element);
        }
    }
    if (static_cast<std::size_t>(m_pCollection->GetSize()) <= found.size()) {
        return true;
    }
    notInDb = true;
    if (!keepValues) {
        std::sort(found.begin(), found.end());
        for (int i = 0; i < m_pCollection->GetSize(); ++i) {
            CDataContainerBase* element = m_pCollection->GetItem(i);
            if (element && !std::binary_search(found.begin(), found.end(), element->GetId())) {
                element->ResetDefaults();
            }
        }
        m_pCollection->ClearModified();
    }
    return true;
}

bool CDbCollectionSetEx::OpenAndFillVelCollectionItem(long siteId, bool& notInDb, long itemIndex,
                                                      bool keepValues, bool) {
    m_lSiteIdParam = siteId;
    if (!m_pCollection || !OpenOrRequery(forwardOnly, false)) {
        return false;
    }
    CDataContainerBase* element = elementAt(m_pCollection, itemIndex, 198);
    if (!element) {
        return false;
    }
    for (; !IsEOF(); MoveNext()) {
        if (m_lCollectionId == element->GetId()) {
            Fields2Vel(element);
            return true;
        }
    }
    notInDb = true;
    if (!keepValues) {
        element = elementAt(m_pCollection, itemIndex, 215);
        if (element) {
            element->ResetDefaults();
            element->ClearModified();
        }
    }
    return true;
}

} // namespace Vel
