#include "OutputCollection.h"

namespace Vel::Sample {

COutputCollection::COutputCollection(CDataValidationClient* pParent, const CString& sKind)
    : CDataCollection<COutputRecord>(pParent, CString::Formatted("Outputs.%s", sKind.c_str()),
                                     CString::Formatted("%sOutputs", sKind.c_str()),
                                     CString::Formatted("Outputs.%s", sKind.c_str())),
      m_sKind(sKind) {}

} // namespace Vel::Sample
