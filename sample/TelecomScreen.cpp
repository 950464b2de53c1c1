#include "TelecomScreen.h"

namespace Vel::Sample {

CTelecomScreen::CTelecomScreen(CDataValidationClient* pParent)
    : CDataContainerBase(pParent, "Telecom"), m_AccountNumber(this, "Telecom.AccountNumber"),
      m_DialAttempts(this, "Telecom.DialAttempts"), m_Format(this, "Telecom.Format"),
      m_Arcs(this, "Arcs", "Arcs", CString("Arcs")) {}

bool CTelecomScreen::LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex, bool keepValues,
                                      bool checkColumns) {
    return CDataContainerBase::LoadScreenFromDb(db, notInDb, itemIndex, keepValues, checkColumns) &&
           m_Arcs.LoadScreenFromDb(db, notInDb, -1, keepValues, checkColumns);
}

bool CTelecomScreen::StoreScreenToDb(CDatabase* db, bool onlyModified) {
    return CDataContainerBase::StoreScreenToDb(db, onlyModified) &&
           m_Arcs.StoreScreenToDb(db, onlyModified);
}

} // namespace Vel::Sample
