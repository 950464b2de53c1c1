#include "AreaRecord.h"

namespace Vel::Sample {

CAreaRecord::CAreaRecord(CDataValidationClient* pParent) : CDataContainerBase(pParent, "Area") {}

} // namespace Vel::Sample
