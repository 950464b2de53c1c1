// CPanelRoot: the root shared by the sample's two panel families. Maps a panel version to the
// validation version of its family (the highest one of the family's table not above it),
// keeps the zone functions of the panel in step with the outputs that follow them, and
// leaves the family's version table and table prefix to CV6PanelRoot and CTarvoPanelRoot.
#pragma once

#include <vel/DataManagerBase.h>
#include <vel/String.h>
#include <vel/ValidationData.h>

#include <vector>

namespace Vel::Sample {

class CPanelRoot : public CDataManagerBase {
public:
    explicit CPanelRoot(const CString& sDataKey);

    bool GetMajorVersion(int panelVersion, int& majorVersion, int panelType) override;
    // Outputs left following a zone function the panel no longer has are set unused.
    bool AutoProcessData() override;

    // Whether a panel type code belongs to this family.
    virtual bool IsFamilyType(int panelType) const = 0;
    // The validation versions of a type, ascending, and the first version past the last.
    virtual const std::vector<int>& GetValidationVersions(int panelType) const = 0;
    virtual int GetVersionEnd(int panelType) const = 0;
    // The family's name as velcfg shows it.
    virtual CString GetFamilyName() const = 0;

    // The zone functions the current panel supports; empty before the first panel change.
    CIntList GetZoneFunctions() const;

protected:
    // Disables the outputs that follow a zone function the panel does not support.
    void CheckInteractedData() override;

private:
    void applyZoneFunctions(bool resetUnsupported);
};

} // namespace Vel::Sample
