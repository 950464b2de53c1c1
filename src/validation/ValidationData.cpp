#include <vel/ValidationData.h>

namespace Vel {

void CValidationData::SetOtherData(CValidationDataOtherData* data) {
    if (data == m_pOtherData.get()) {
        return;
    }
    m_pOtherData.reset(data);
}

} // namespace Vel
