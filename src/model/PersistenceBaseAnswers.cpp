// Base answers of the database operations carried by the model classes. The database layer
// gives containers and collections their real load and store, and items their column texts;
// until then a node stores and loads nothing.
#include <vel/Data.h>
#include <vel/DataCollectionBase.h>
#include <vel/DataContainerBase.h>
#include <vel/DataNumber.h>
#include <vel/DataValidationClient.h>

namespace Vel {

bool CDataValidationClient::StoreScreenToDb(CDatabase*, bool) {
    return false;
}

bool CDataValidationClient::LoadScreenFromDb(CDatabase*, bool&, long, bool, bool) {
    return false;
}

bool CDataContainerBase::StoreScreenToDb(CDatabase* db, bool onlyModified) {
    return CDataValidationClient::StoreScreenToDb(db, onlyModified);
}

bool CDataContainerBase::LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex,
                                          bool keepValues, bool checkColumns) {
    return CDataValidationClient::LoadScreenFromDb(db, notInDb, itemIndex, keepValues,
                                                   checkColumns);
}

bool CDataCollectionBase::StoreScreenToDb(CDatabase* db, bool onlyModified) {
    return CDataValidationClient::StoreScreenToDb(db, onlyModified);
}

bool CDataCollectionBase::LoadScreenFromDb(CDatabase* db, bool& notInDb, long itemIndex,
                                           bool keepValues, bool checkColumns) {
    return CDataValidationClient::LoadScreenFromDb(db, notInDb, itemIndex, keepValues,
                                                   checkColumns);
}

CString CData::GetDbFieldCreateStr() {
    return CString();
}

CString CData::GetExportDbFieldValue() {
    return CString();
}

CString CDataNumber::GetExportDbFieldValue() {
    return CData::GetExportDbFieldValue();
}

} // namespace Vel
