// CValidationManagerTarvo: the validation manager of the Tarvo panel family. Names the model
// and version folders of Tarvo panels (types 99 to 101 have their own version table) and
// loads the family's map file "BrioSeriesTypeVerMap".
#pragma once

#include <vel/Export.h>
#include <vel/String.h>
#include <vel/ValidationManager.h>

namespace Vel {

class VEL_API CValidationManagerTarvo : public CValidationManager {
public:
    CValidationManagerTarvo();
    ~CValidationManagerTarvo() override;

protected:
    CString GetMapPvmFileVer(int nVersion, int nType) const override;
    CString GetMapPvmFileType(int nType) const override;
};

} // namespace Vel
