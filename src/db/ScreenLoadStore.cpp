// Load and store of containers and collections: the walk that moves a whole tree between
// memory and the database, one recordset per screen or collection.
#include <vel/Assert.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataManagerBase.h>
#include <vel/DbCollectionSet.h>
#include <vel/DbCollectionSetEx.h>
#include <vel/DbScreenSet.h>

#include "CollectionTable.h"
#include "StoredElementSet.h"

namespace Vel {

namespace {

long siteOf(const CDataValidationClient& node) {
    const CDataManagerBase* root = node.GetRootItem();
    return root ? root->GetSiteID() : -1;
}

const CDataContainerBase* firstElement(const CDataCollectionBase& collection) {
    for (CDataValidationClient* child : collection.GetChildListRef()) {
        if (auto* element = dynamic_cast<const CDataContainerBase*>(child)) {
            return element;
        }
    }
    return nullptr;
}

bool isCollectionElement(const CDataValidationClient& node) {
    return node.GetParent() && node.GetParent()->GetType() == PanelDataTypes::COLLECTION;
}

} // namespace

bool CDataValidationClient::StoreScreenToDb(CDatabase*, bool) {
    return false;
}

bool CDataValidationClient::LoadScreenFromDb(CDatabase*, bool&, long, bool, bool) {
    return false;
}

bool CDataContainerBase::LoadScreenFromDb(CDatabase* db, bool& notInDb, long, bool keepValues,
                                          bool checkColumns) {
    if (!IsStoredInDb() || isCollectionElement(*this)) {
        return true;
    }
    CDbScreenSet set(db);
    set.InitByScreen(this, GetPanelFamilyPrefix(), checkColumns);
    const bool result = set.OpenAndFillVel(siteOf(*this), notInDb, keepValues, false);
    set.Close();
    return result;
}

bool CDataContainerBase::StoreScreenToDb(CDatabase* db, bool onlyModified) {
    if (!IsStoredInDb() || isCollectionElement(*this)) {
        return true;
    }
    if (onlyModified && !IsModified() && m_bValueInDb) {
        return true;
    }
    CDbScreenSet set(db);
    set.InitByScreen(this, GetPanelFamilyPrefix(), false);
    const bool result = set.UpdateOrInsertVel(siteOf(*this));
    set.Close();
    return result;
}

bool CDataCollectionBase::LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex,
                                           bool keepValues, bool checkColumns) {
    if (!IsStoredInDb()) {
        return true;
    }
    CDbCollectionSetEx set(db);
    const long site = siteOf(*this);
    if (GetSize() <= 0) {
        return true;
    }
    set.InitByCollection(this, checkColumns);
    const bool read =
        itemIndex == -1
            ? set.OpenAndFillVelCollection(site, notInDb, keepValues, false)
            : set.OpenAndFillVelCollectionItem(site, notInDb, itemIndex, keepValues, checkColumns);
    set.Close();
    if (!read) {
        return false;
    }
    if (itemIndex == -1) {
        bool allRead = true;
        for (CDataValidationClient* element : m_vecChildren) {
            if (!element->LoadScreenFromDb(db, notInDb, -1, keepValues, checkColumns)) {
                return false;
            }
            allRead = allRead && element->GetValueInDb();
        }
        // With every element's row read the collection stands in the database, so an
        // only-modified store can pass it by until something in it changes.
        m_bValueInDb = allRead;
        return true;
    }
    CDataContainerBase* pClient = GetItem(static_cast<int>(itemIndex));
    if (!pClient) {
        Assert("pClient")
            .print_context("DataCollectionBaseVel", 94)
            .value("itemIndex", itemIndex)
            .error("Reload of the collection item failed - wrong collection index");
        return false;
    }
    return pClient->LoadScreenFromDb(db, notInDb, itemIndex, keepValues, checkColumns);
}

bool CDataCollectionBase::StoreScreenToDb(CDatabase* db, bool onlyModified) {
    if (!IsStoredInDb()) {
        return true;
    }
    CDbCollectionSet set(db);
    const long site = siteOf(*this);
    if (onlyModified && !IsModified() && m_bValueInDb) {
        return true;
    }
    // A collection is always rewritten whole.
    SetModified();
    const CString prefix = GetPanelFamilyPrefix();
    const CDataContainerBase* first = firstElement(*this);
    CStoredElementSet stored(db, CollectionTableSql(prefix, first));
    // Knowing the stored rows up front saves a lookup per element; without row identities
    // each element looks its row up itself.
    if (first) {
        stored.Read(site);
    }
    stored.Close();
    for (CDataValidationClient* child : m_vecChildren) {
        if (child->GetType() != PanelDataTypes::CONTAINER) {
            Assert("(*it)->GetType() == PanelDataTypes::CONTAINER")
                .print_context("DataCollectionBaseVel", 124)
                .error(("Item should be the Container" + GetDataKey()).c_str());
        }
        auto* element = dynamic_cast<CDataContainerBase*>(child);
        if (!element) {
            continue;
        }
        set.InitByScreen(element, prefix, false);
        CString row;
        const bool written = stored.TakeRow(element->GetId(), row) ? set.StoreElementVel(site, row)
                                                                   : set.UpdateOrInsertVel(site);
        if (!written) {
            return false;
        }
    }
    set.Close();
    for (CDataValidationClient* element : m_vecChildren) {
        if (!element->StoreScreenToDb(db, onlyModified)) {
            return false;
        }
    }
    return true;
}

} // namespace Vel
