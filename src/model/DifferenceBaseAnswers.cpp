// Base answers of the difference walk carried by the model classes. The change-tracking layer
// gives nodes and items their real comparison; until then no node reports a difference.
#include <vel/Data.h>
#include <vel/DataValidationClient.h>

namespace Vel {

int CDataValidationClient::FindDifferencies(CDataValidationClient*, CVelDataChange*, bool*,
                                            CHostWindow*, bool) {
    return 0;
}

int CData::FindDifferencies(CDataValidationClient* other, CVelDataChange* changes, bool* pContinue,
                            CHostWindow* progressWindow, bool thisIsLeft) {
    return CDataValidationClient::FindDifferencies(other, changes, pContinue, progressWindow,
                                                   thisIsLeft);
}

} // namespace Vel
