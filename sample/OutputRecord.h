// COutputRecord: one output of the panel (keypad, RIO module or panel header output), an
// element of the output collection of its kind. Its type is checked against the zone
// functions of the panel: an output that signals the alarm of a zone function the panel
// does not have can never switch, so it is disabled.
#pragma once

#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataString.h>
#include <vel/DataTriggerSet.h>
#include <vel/ValidationData.h>

namespace Vel::Sample {

class COutputRecord : public CDataContainerBase {
public:
    // The output kind in the data keys ("Keypad", "Rio" or "Header") is its collection's.
    explicit COutputRecord(CDataValidationClient* pParent);

    // The zone function an output type follows, or -1 for a type that follows none.
    static int FollowedZoneFunction(int outputType);
    // Disables the items of an output that follows an unsupported zone function (the others
    // keep the disabled state of their records); with `resetUnsupported` such an output is
    // first set unused where the panel allows that.
    void FollowZoneFunctions(const CIntList& zoneFunctions, bool resetUnsupported);

    CDataString m_Name;
    CDataIntChoice m_Type;
    CDataIntChoice m_Polarity;
    CDataNumber m_PulseTime;
    CDataTriggerSet m_Triggers;

private:
    COutputRecord(CDataValidationClient* pParent, const CString& sKind);
};

} // namespace Vel::Sample
