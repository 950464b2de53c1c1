// CItemView: how the sample host shows one leaf item: its unique key with element numbers,
// full caption, value text and limits or choices, and whether it is disabled or read-only.
#pragma once

#include <vel/Data.h>
#include <vel/String.h>
#include <vel/ValidationData.h>

namespace Vel::Sample {

class CItemView {
public:
    explicit CItemView(CData& item);

    // "NUMBER", "STRING", ... as the item type enumeration names them.
    static CString TypeName(int type);
    // Ascending numbers with runs written "a..b": "1..4, 7".
    static CString FormatList(const CIntList& values);

    CString m_sKey;
    CString m_sCaption;
    CString m_sType;
    CString m_sValue;
    CString m_sLimits;
    bool m_bDisabled = false;
    bool m_bReadOnly = false;

private:
    void describe(CData& item, const CValidationData& record);
};

} // namespace Vel::Sample
