// CMemberSet: a set of plain integer members (system options, zone attributes, week days,
// areas). Its possible members are the "Choices" of its validation record, bound at every
// panel change, its defaults the list in "Default"; each member is named by its language text
// like the value of a choice.
#pragma once

#include <vel/DataSet.h>
#include <vel/ValidationData.h>

namespace Vel::Sample {

class CMemberSet : public CDataSet<int> {
public:
    CMemberSet(CDataValidationClient* pParent, const CString& sDataKey);

    void OnPanelChanged() override;
    bool FillValidationData(CValidationData& record) const override;
    const CMemberList* GetAllData() const override { return &members(); }
    void SetToDefault() override;

    // The language text of a member, along the "Parent" chain of the data key; the "LM==>"
    // marker when there is none.
    CString GetMemberText(int member) const;

private:
    // The bound list, or an empty one before the first panel change.
    const CIntList& members() const;

    // Points into the validation record, which the validation manager owns: sets of one key
    // share it rather than each holding a copy.
    const CIntList* m_pMembers = nullptr;
};

} // namespace Vel::Sample
