// CTelecomScreen: the reporting settings of the panel (screen "Telecom") with its receiving
// centres. The centres are a collection inside the screen, so the screen loads and stores
// them with its own row.
#pragma once

#include "ArcRecord.h"

#include <vel/DataCollection.h>
#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>

namespace Vel::Sample {

class CTelecomScreen : public CDataContainerBase {
public:
    explicit CTelecomScreen(CDataValidationClient* pParent);

    bool LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex, bool keepValues,
                          bool checkColumns) override;
    bool StoreScreenToDb(CDatabase* db, bool onlyModified) override;

    CDataString m_AccountNumber;
    CDataNumber m_DialAttempts;
    CDataIntChoice m_Format;
    CDataCollection<CArcRecord> m_Arcs;
};

} // namespace Vel::Sample
