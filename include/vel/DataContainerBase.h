// CDataContainerBase: one screen or one record of a data tree, a group of items stored as one
// row of one database table. As an element of a collection its CChooseable number is its
// element number. Hosts derive their screens and records from it; a host may override
// GetLabelTextKey to name its own caption key.
#pragma once

#include <vel/Chooseable.h>
#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class VEL_API CDataContainerBase : public CDataValidationClient, public CChooseable {
public:
    CDataContainerBase(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataContainerBase() override;

protected:
    // The container's own caption key, GetLabelTextKey(), whatever the key asked for.
    CString dataKey2CaptionLanguageKey(const CString& key) const override;

public:
    int GetType() const override { return PanelDataTypes::CONTAINER; }
    bool StoreScreenToDb(CDatabase* db, bool onlyModified) override;
    bool LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex, bool keepValues,
                          bool checkColumns) override;
    CString GetValueString() override;
    void SaveToXml(CXmlExport& xml, int indent) override;

    // 0 for the argument 0; otherwise 2 when something below is modified, else 0.
    virtual int GetViewItemState(int state);
    // The panel family prefix followed by the collection's table name (for an element of a
    // collection) or the container's last data key.
    virtual CString GetDbTableName();

    // Whether the validation record of every leaf among the direct children is disabled.
    bool IsAllChildrenDisabled();
};

} // namespace Vel
