// CDataValidationClient: a node of a configuration data tree. Holds its parent, its children
// (not owned), its data key and its initialised and value-in-database flags; composes unique
// keys and item paths, finds items by key, and walks the tree for panel changes, modification
// tracking, initialisation, copying and find-and-replace. Every data class derives from it.
//
// Hooks a host class may override: SetInteractedData, RecurseTest, GetPanelFamilyPrefix (on
// its root), GetLabelTextKey (for its own caption key).
#pragma once

#include <vel/Export.h>
#include <vel/PanelDataTypes.h>
#include <vel/String.h>
#include <vel/ValidationClient.h>

#include <functional>
#include <vector>

namespace Vel {

class CDatabase;
class CDataManagerBase;
class CHostWindow;
class CVelDataChange;
class CXmlExport;

class CDataValidationClient;
using CDataValidationClientList = std::vector<CDataValidationClient*>;

class VEL_API CDataValidationClient : public CValidationClient {
public:
    // Appends the new node to the end of the parent's child list.
    CDataValidationClient(CDataValidationClient* pParent, const CString& sDataKey);
    CDataValidationClient(const CDataValidationClient&) = delete;
    CDataValidationClient& operator=(const CDataValidationClient&) = delete;
    // Neither deletes the children nor leaves the parent's list: the tree's owner does that.
    ~CDataValidationClient() override;

    // Virtual operations, in their established order.
    void OnPanelChanged() override;
    virtual CString GetDataKey4Cmp() const;
    virtual CString GetCaptionText() const;
    virtual CString GetLabelTextKey() const;

protected:
    virtual CString dataKey2CaptionLanguageKey(const CString& key) const;

public:
    virtual int GetType() const = 0;
    virtual bool IsModified();
    virtual void ClearModified();
    virtual void ClearModified1();
    virtual void SetModified();
    virtual void CopyValues(CDataValidationClient& source, const CString& exclusionList);
    virtual void ResetDefaults();
    virtual CString GetPanelFamilyPrefix();
    virtual void RecurseTest();
    virtual bool StoreScreenToDb(CDatabase* db, bool onlyModified);
    virtual bool LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex, bool keepValues,
                                  bool checkColumns);
    virtual void SetInteractedData(CDataValidationClient* other);
    virtual bool FindAndReplaceData(CString find, CString replace);
    virtual bool IsStoredInDb();
    virtual CString GetValueString();
    virtual int FindDifferencies(CDataValidationClient* other, CVelDataChange* changes,
                                 bool* pContinue, CHostWindow* progressWindow, bool thisIsLeft);
    virtual bool IsDisabled();
    virtual void SaveToXml(CXmlExport& xml, int indent);

    // Structure.
    void AddChild(CDataValidationClient* child);
    void ClearChildren();
    CDataValidationClient* GetParent() const { return m_pParent; }
    CDataValidationClientList GetChildList() const { return m_vecChildren; }
    const CDataValidationClientList& GetChildListRef() const { return m_vecChildren; }
    CString GetDataKey() const { return m_sDataKey; }
    const CString& GetDataKeyRef() const { return m_sDataKey; }
    bool GetValueInDb() const { return m_bValueInDb; }
    void SetValueInDb(bool value) { m_bValueInDb = value; }
    bool IsInitialized() const { return m_bInitialized; }
    bool IsDataType() const { return PanelDataTypes::IsDataType(GetType()); }
    bool IsDbTypeNumber() const { return PanelDataTypes::IsDbTypeNumber(GetType()); }

    // The root at the top of the tree, or null when the top is not a root.
    CDataManagerBase* GetRootItem() const;
    // The nearest root from this node upwards, this node included.
    CDataManagerBase* GetDataManagerUsingType() const;

    // Keys and paths.
    CString GetLastDataKey() const;
    CString GetItemPath() const;
    CString GetItemUniqueKey(bool withIndex) const;
    // Through the root's key map first, then by the unique key without index in pre-order.
    // The flag has no effect.
    CDataValidationClient* FindItemByKey(const CString& key, bool unused = false);
    // Enters this subtree into the root's key map under the unique keys with index.
    void AddKeyToMap();
    // Removes this subtree's entries from the root's key map, for nodes about to be
    // destroyed while the tree lives on.
    void RemoveKeyFromMap();

    // Modification, initialisation and values.
    bool MarkAsModified();
    void ClearModified1Layer();
    void SetAllValuesInDb(bool value);
    void SetValuesInDb1();
    void Uninitialize();
    void Initialized();
    // Matches `value` against a pattern with "{+}" markers at either end (exact, case counts).
    static bool CompareInputData(CString value, CString pattern);

    // Captions, descriptions and translations through the language providers.
    CString GetDescriptionText() const;
    CString GetFullCaptionText() const;
    CString Translate(const CString& key) const;

protected:
    using KeyDerivation = std::function<CString(const CString&)>;
    using TextLookup = std::function<CString(const CString&)>;

    CString dataKey2DescriptionLanguageKey(const CString& key) const;
    void InitCollectionsRecurse(CDataValidationClient* node);
    void updateCollectionsRecurse(CDataValidationClient* node);
    // The first non-empty text of `derive(key)` for the data key and then its chain of
    // "Parent" keys; empty when the chain ends (or loops) without a text.
    CString searchLanguageText(const CDataManagerBase& root, const KeyDerivation& derive,
                               const TextLookup& lookup) const;
    // Formats `text` with the element number + 1 of the nearest enclosing container, when the
    // text holds one integer conversion; otherwise answers it unchanged.
    CString formatWithElementNumber(const CString& text) const;

    CDataValidationClientList m_vecChildren;
    CDataValidationClient* m_pParent;
    bool m_bInitialized = false;
    bool m_bValueInDb = false;
    // A pooled copy: nodes with the same key share one text.
    const CString& m_sDataKey;

private:
    CDataValidationClient* findByUniqueKey(const CString& key);
    void addKeysTo(CDataManagerBase& root);
    void removeKeysFrom(CDataManagerBase& root);
};

} // namespace Vel
