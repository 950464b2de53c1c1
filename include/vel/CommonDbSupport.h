// CCommonDbSupport: the service through which a host loads, stores and reloads the tree of a
// site on the shared database connection, and manages the site's records: rollback snapshots,
// purge, panel type or version change, audit trail. Every public operation that writes runs
// in a transaction of its own; the TransLess forms run inside the caller's.
//
// The base cannot copy a site's rows nor keep an audit trail: a host that takes snapshots
// overrides ExecCreateRollbackSp, one that audits overrides AddAuditTrailItem (CSiteDbSupport
// supplies both).
#pragma once

#include <vel/Export.h>
#include <vel/SiteDetails.h>
#include <vel/String.h>

namespace Vel {

class CDataManagerBase;
class CDataValidationClient;

class VEL_API CCommonDbSupport {
public:
    CCommonDbSupport() = default;
    CCommonDbSupport(const CCommonDbSupport&) = delete;
    CCommonDbSupport& operator=(const CCommonDbSupport&) = delete;
    virtual ~CCommonDbSupport();

    // The base reports "Must be overloaded" and answers false.
    virtual bool AddAuditTrailItem(long siteId, unsigned short code, unsigned short subCode,
                                   const CString& text, const CString& detail);

    bool LoadScreenDataDb2Vel(CDataManagerBase* pDM, bool& notInDb, bool keepValues);
    bool StoreScreenDataVel2Db(CDataManagerBase* pDM);
    bool StoreScreenDataVel2DbAsSite(CDataManagerBase* pDM, long siteId);
    bool StoreScreenDataVel2DbTransLess(CDataManagerBase* pDM);
    bool StoreScreenDataVel2DbAsSiteTransLess(CDataManagerBase* pDM, long siteId);
    bool ReloadScreenById(CDataManagerBase* pDM, const CString& screenKey, long elementId,
                          bool& notInDb);
    bool ReloadScreen(CDataManagerBase* pDM, const CString& screenKey, long itemIndex,
                      bool& notInDb);
    bool CreateRollback(unsigned long siteId, unsigned long& rollbackSiteId, unsigned long kind);
    bool UseRollback(CDataManagerBase* pDM, unsigned long rollbackSiteId);
    bool DeleteRollback(unsigned long rollbackSiteId);
    bool PurgeSite(unsigned long siteId);
    bool ChangePanelType(CDataManagerBase* pDM, SiteDetails_T* pDetails, int panelType,
                         int panelVersion, bool loadFirst);

protected:
    // Copies every screen and collection row of `siteId` to `rollbackSiteId`. The base
    // reports "Must be overloaded" and answers false.
    virtual bool ExecCreateRollbackSp(unsigned long rollbackSiteId, unsigned long siteId);

    bool ReloadScreen(CDataValidationClient* pScreen, long itemIndex, bool& notInDb);
    bool CreateRollbackTransLess(unsigned long siteId, unsigned long& rollbackSiteId,
                                 unsigned long kind);
    bool UseRollbackTransLess(CDataManagerBase* pDM, unsigned long rollbackSiteId);
    bool DeleteRollbackTransLess(unsigned long rollbackSiteId);
    bool PurgeSiteTransLess(unsigned long siteId);
    bool ChangePanelTypeTransLess(CDataManagerBase* pDM, SiteDetails_T* pDetails, int panelType,
                                  int panelVersion, bool loadFirst);
};

} // namespace Vel
