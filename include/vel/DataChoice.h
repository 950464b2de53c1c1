// CDataChoice<T>: a choice whose value is one of a list of allowed values. It holds the
// current value and a pointer to the allowed list, and selects by value or by position.
// The list belongs to the item's validation record; a derived class binds it at each panel
// change (CDataIntChoice does so for integer choices).
#pragma once

#include <vel/Assert.h>
#include <vel/DataChoiceBase.h>
#include <vel/DataManagerBase.h>
#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationData.h>
#include <vel/ValidationManager.h>

#include <algorithm>
#include <vector>

namespace Vel {

template <typename T> class VEL_API CDataChoice : public CDataChoiceBase {
public:
    using CChoiceList = std::vector<T>;

    CDataChoice(CDataValidationClient* pParent, const CString& sDataKey)
        : CDataChoiceBase(pParent, sDataKey) {}
    ~CDataChoice() override = default;

    // Binding the list is the derived class's work.
    void OnPanelChanged() override {}

    bool FillValidationData(CValidationData& record) const override {
        const bool result = CData::FillValidationData(record);
        if (const CValidationManager* manager = validationManager()) {
            record.SetDefaultString(manager->GetDefaultString(m_sDataKey));
        }
        return result;
    }

    int SetValueIndex(int index) override {
        if (index < 0 || index >= static_cast<int>(choices().size())) {
            const CString message = "Index overflow" + m_sDataKey;
            Assert("false")
                .print_context("DataChoiceVel", 144)
                .value("index", index)
                .warn(message.c_str());
            return NotAChoice;
        }
        return SetValue(choices()[static_cast<std::size_t>(index)]);
    }

    int GetValueIndex() const override {
        const CChoiceList& list = choices();
        const auto found = std::find(list.begin(), list.end(), m_nCurrentValue);
        return found == list.end() ? -1 : static_cast<int>(found - list.begin());
    }

    // Refuses a value outside the list (every value while no list is bound); marks the item
    // modified only when the value changes.
    int SetValue(T value) {
        if (!IsChoice(value)) {
            return NotAChoice;
        }
        if (!m_bModified && value != m_nCurrentValue) {
            SetModified();
        }
        m_nCurrentValue = value;
        return Accepted;
    }
    T GetValue() const { return m_nCurrentValue; }

protected:
    // The bound list, or an empty one before the first panel change.
    const CChoiceList& choices() const {
        static const CChoiceList none;
        return m_pChoicesList ? *m_pChoicesList : none;
    }
    bool IsChoice(const T& value) const {
        const CChoiceList& list = choices();
        return std::find(list.begin(), list.end(), value) != list.end();
    }

    T m_nCurrentValue{};
    // Points into the validation record, which the validation manager owns.
    const CChoiceList* m_pChoicesList = nullptr;
};

extern template class CDataChoice<int>;

} // namespace Vel
