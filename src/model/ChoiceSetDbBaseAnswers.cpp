// Base answers of the database column values of the choice and set items. The database
// layer gives these items their real column values; until then they answer like the leaf
// base.
#include <vel/DataChoiceBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataTriggerSet.h>

namespace Vel {

CString CDataChoiceBase::GetExportDbFieldValue() {
    return CData::GetExportDbFieldValue();
}

CString CDataIntChoice::GetExportDbFieldValue() {
    return CData::GetExportDbFieldValue();
}

CString CDataTriggerSet::GetExportDbFieldValue() {
    return CData::GetExportDbFieldValue();
}

} // namespace Vel
