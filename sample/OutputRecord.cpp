#include "OutputRecord.h"

#include "OutputCollection.h"

#include <vel/Data.h>

#include <algorithm>
#include <utility>

namespace Vel::Sample {

namespace {

// Output types that signal the alarm of one zone function.
constexpr std::pair<int, int> kFollowedFunctions[] = {
    {4, 5},   // fire alarm: fire zones
    {5, 6},   // panic alarm: panic zones
    {15, 10}, // gas alarm: gas zones
    {16, 11}, // water alarm: water zones
    {17, 12}, // technical alarm: technical zones
};

constexpr int kUnused = 0;

CString kindOf(const CDataValidationClient* parent) {
    const auto* outputs = dynamic_cast<const COutputCollection*>(parent);
    return outputs ? outputs->GetKind() : CString();
}

} // namespace

COutputRecord::COutputRecord(CDataValidationClient* pParent)
    : COutputRecord(pParent, kindOf(pParent)) {}

COutputRecord::COutputRecord(CDataValidationClient* pParent, const CString& sKind)
    : CDataContainerBase(pParent, CString::Formatted("Output.%s", sKind.c_str())),
      m_Name(this, "Output.Name"),
      m_Type(this, CString::Formatted("Output.%s.Type", sKind.c_str())),
      m_Polarity(this, "Output.Polarity"), m_PulseTime(this, "Output.PulseTime"),
      m_Triggers(this, "Output.Triggers") {}

int COutputRecord::FollowedZoneFunction(int outputType) {
    for (const auto& [type, function] : kFollowedFunctions) {
        if (type == outputType) {
            return function;
        }
    }
    return -1;
}

void COutputRecord::FollowZoneFunctions(const CIntList& zoneFunctions, bool resetUnsupported) {
    const auto supports = [&](int outputType) {
        const int function = FollowedZoneFunction(outputType);
        return function < 0 || std::find(zoneFunctions.begin(), zoneFunctions.end(), function) !=
                                   zoneFunctions.end();
    };
    if (!supports(m_Type.GetValue()) && resetUnsupported) {
        m_Type.SetValue(kUnused);
    }
    const bool unsupported = !supports(m_Type.GetValue());
    for (CDataValidationClient* child : GetChildListRef()) {
        auto* item = dynamic_cast<CData*>(child);
        const CValidationData* record = item ? item->GetValidationData() : nullptr;
        if (record) {
            item->Disable(unsupported || record->GetDisabled());
        }
    }
}

} // namespace Vel::Sample
