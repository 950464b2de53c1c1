#include "OutputCollection.h"

namespace Vel::Sample {

COutputCollection::COutputCollection(CDataValidationClient* pParent, const CString& sKind)
    : CDataCollection<COutputRecord>(pParent, "Outputs." + sKind, sKind + "Outputs",
                                     "Outputs." + sKind),
      m_sKind(sKind) {}

} // namespace Vel::Sample
