// COutputCollection: the outputs of one kind, as many as the panel configuration's "Limit"
// of "Outputs.<kind>", stored in the table "<kind>Outputs".
#pragma once

#include "OutputRecord.h"

#include <vel/DataCollection.h>

namespace Vel::Sample {

class COutputCollection : public CDataCollection<COutputRecord> {
public:
    COutputCollection(CDataValidationClient* pParent, const CString& sKind);

    const CString& GetKind() const { return m_sKind; }

private:
    CString m_sKind;
};

} // namespace Vel::Sample
