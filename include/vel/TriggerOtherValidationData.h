// CTriggerOtherValidationData: the extension record of trigger set items: the trigger numbers
// 1..N of the record's choice list and the default trigger numbers.
#pragma once

#include <vel/Export.h>
#include <vel/ValidationDataOtherData.h>

#include <memory>
#include <vector>

namespace Vel {

class VEL_API CTriggerOtherValidationData : public CValidationDataOtherData {
public:
    CTriggerOtherValidationData() = default;
    // Copies share the trigger number list; it is destroyed with its last holder.
    CTriggerOtherValidationData(const CTriggerOtherValidationData&) = default;
    CTriggerOtherValidationData& operator=(const CTriggerOtherValidationData&) = default;
    ~CTriggerOtherValidationData() override = default;

    // Null until the trigger set item fills it.
    std::vector<int>* GetTriggerNumbers() const { return m_pTriggerNumbers.get(); }
    void SetTriggerNumbers(std::vector<int> numbers) {
        m_pTriggerNumbers = std::make_shared<std::vector<int>>(std::move(numbers));
    }
    const std::vector<int>& GetDefaultTriggers() const { return m_DefaultTriggers; }
    std::vector<int>& GetDefaultTriggers() { return m_DefaultTriggers; }
    void SetDefaultTriggers(std::vector<int> triggers) { m_DefaultTriggers = std::move(triggers); }

private:
    std::shared_ptr<std::vector<int>> m_pTriggerNumbers;
    std::vector<int> m_DefaultTriggers;
};

} // namespace Vel
