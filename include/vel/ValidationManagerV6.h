// CValidationManagerV6: the validation manager of the V6 panel family. Names the model and
// version folders of V6 panels and loads the family's map file "V6TypeVerMap".
#pragma once

#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationManager.h>

namespace Vel {

class VEL_API CValidationManagerV6 : public CValidationManager {
public:
    CValidationManagerV6();
    ~CValidationManagerV6() override;

protected:
    CString GetMapPvmFileVer(int nVersion, int nType) const override;
    CString GetMapPvmFileType(int nType) const override;
};

} // namespace Vel
