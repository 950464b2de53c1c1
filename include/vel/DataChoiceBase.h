// CDataChoiceBase: the base of every choice item, one value out of a list. It holds no value
// itself; it declares what a choice offers (its stored identifier, its position in the list,
// an optional empty selection, a selected container) with answers meaning "not supported".
//
// A host choice class overrides GetId and SetId to give its choice a database value, and
// the other hooks as far as its choice supports them.
#pragma once

#include <vel/Data.h>
#include <vel/Export.h>
#include <vel/String.h>

namespace Vel {

class CDataContainerBase;

class VEL_API CDataChoiceBase : public CData {
public:
    // Result codes of the setters.
    enum Result { Accepted = 0, NotAChoice = 5 };

    CDataChoiceBase(CDataValidationClient* pParent, const CString& sDataKey);
    ~CDataChoiceBase() override;

    int GetType() const override { return PanelDataTypes::CHOICE; }
    void SaveToXml(CXmlExport& xml, int indent) override;
    CString GetExportDbFieldValue() override;

    // The identifier of the current choice as stored in the database; -1 here.
    virtual int GetId();
    // Rejects every identifier here.
    virtual int SetId(int id);
    virtual int SetValueIndex(int index);
    // -1: no position.
    virtual int GetValueIndex() const;
    // Whether the choice may be left empty; no here.
    virtual bool IsOptional() const;
    // The value that stands for no choice at all.
    virtual int GetNothingValue() const;
    virtual void SetToNothing();
    // The container the current choice selects; none here.
    virtual CDataContainerBase* GetSelectedContainer();
};

} // namespace Vel
