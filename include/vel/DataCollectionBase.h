// CDataCollectionBase: a numbered series of containers of one kind (all zones, all outputs)
// sharing one database table, told apart by their element numbers. Its children are its
// elements.
//
// A host's concrete collection returns PanelDataTypes::COLLECTION from GetType and supplies
// the seven collection operations; CDataCollection<TElement> is a ready-made one.
#pragma once

#include <vel/CollectionValidationClient.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class CDataContainerBase;

class VEL_API CDataCollectionBase : public CCollectionValidationClient {
public:
    CDataCollectionBase(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataCollectionBase() override;

protected:
    // The caption key of the first element.
    CString dataKey2CaptionLanguageKey(const CString& key) const override;

public:
    bool StoreScreenToDb(CDatabase* db, bool onlyModified) override;
    bool LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex, bool keepValues,
                          bool checkColumns) override;
    CString GetValueString() override;
    void SaveToXml(CXmlExport& xml, int indent) override;

    // Brings the elements up to date for the current panel (their number and contents).
    virtual void UpdateCollection() = 0;
    // Creates the elements for the current panel.
    virtual void InitCollection() = 0;
    // The elements' table, without the panel family prefix.
    virtual CString GetCollectionTableName() const = 0;
    // The element at a 0-based position, or null.
    virtual CDataContainerBase* GetItem(int index) const = 0;
    // The element with the element number `id`, or null.
    virtual CDataContainerBase* GetItemById(long id) const = 0;
    virtual int GetSize() const = 0;
    // The position of the element with the element number `id`.
    virtual long GetIndexById(long id) const = 0;
};

} // namespace Vel
