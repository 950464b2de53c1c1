// CDataManagerBase: the root of a configuration data tree, the configuration of one panel at
// one site. Binds the tree to the validation manager of the panel's type and major version,
// drives the panel change that brings every item to its limits and defaults, maps unique keys
// to items, holds the site identifier and the language class, and dispatches loading and
// storing to its screens.
//
// A host's root overrides GetMajorVersion (the base cannot bind a manager without it),
// GetPanelFamilyPrefix, and where needed AutoProcessData, CheckInteractedData and
// AccessValidationManager.
#pragma once

#include <vel/DataValidationClient.h>
#include <vel/Export.h>
#include <vel/ItemMap.h>
#include <vel/String.h>

namespace Vel {

class CLangTextBase;
class CValidationManager;

class VEL_API CDataManagerBase : public CDataValidationClient {
public:
    explicit CDataManagerBase(const CString& sDataKey);
    ~CDataManagerBase() override;

    // Holds the validation manager's critical section for the whole walk.
    void OnPanelChanged() override;
    int GetType() const override { return PanelDataTypes::DATA_MANAGER; }
    // No prefix of its own; a host's root names its panel family's.
    CString GetPanelFamilyPrefix() override;

    virtual bool LoadDataDb2Vel(CDatabase* db, bool& notInDb, bool keepValues);
    virtual bool StoreDataVel2Db(CDatabase* db, bool onlyModified);
    virtual bool ChangePanelVersion(int panelType, int panelVersion);
    virtual bool SetValidationManagerByPanelVersion(int panelType, int panelVersion);
    // The base knows no version rule: it answers false and leaves `majorVersion` alone.
    virtual bool GetMajorVersion(int panelVersion, int& majorVersion, int panelType);
    virtual bool AutoProcessData();

protected:
    virtual void CheckInteractedData();
    // Where the manager of a panel type and major version comes from: the process-wide
    // registry. A host that keeps its own managers (for example with another validation
    // folder) answers them here.
    virtual CValidationManager* AccessValidationManager(int panelType, int majorVersion);

public:
    void SetType(int panelType) { m_nPanelType = panelType; }
    int GetActualPanelType() const { return m_nPanelType; }
    int GetActualPanelVersion() const { return m_nPanelVersion; }
    // -1 when the version rule has no answer.
    int GetActualPanelMajorVersion();

    void SetSiteID(long siteId) { m_lSiteID = siteId; }
    // Warns while no site is set and answers the value all the same.
    long GetSiteID() const;

    // The language class is not owned.
    void SetLanguageClass(CLangTextBase* langText) { m_pLangText = langText; }
    CString CallTranslate(const CString& key) const;

    CValidationManager* GetValidationManager() const { return m_pValidationManager; }
    CItemMap* GetAllItemsMap() { return &m_mapAllItems; }
    void CreateKeyMap();
    bool IsInitializing() const { return m_bInitializing; }
    void UpdateCollections();

protected:
    void Initialize();

private:
    void SetValidationManager(CValidationManager* manager) { m_pValidationManager = manager; }

    bool m_bInitializing = false;
    int m_nPanelType = -1;
    int m_nPanelVersion = -1;
    long m_lSiteID = -1;
    CItemMap m_mapAllItems;
    CLangTextBase* m_pLangText = nullptr;
    CValidationManager* m_pValidationManager = nullptr;
};

} // namespace Vel
