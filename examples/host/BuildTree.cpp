// Opens the host's tree as a V6 Standard panel at version 6.10, sets values (one refused),
// then moves the panel to version 6.50, whose lower limit pulls the bell time back.
#include "HostPanel.h"

#include <cstdio>

int main() {
    HostPanel panel;
    if (!panel.Open(66, 610)) {
        return 1;
    }
    std::printf("%d zones, bell time %ld\n", panel.zones.GetSize(), panel.bellTime.GetValue());

    int rc = panel.bellTime.SetValue(25); // Accepted: 6.10 allows 1 to 30 minutes
    std::printf("set 25: %d, bell time %ld\n", rc, panel.bellTime.GetValue());
    rc = panel.bellTime.SetValue(99); // AboveMaximum: the value stays as it was
    std::printf("set 99: %d, bell time %ld\n", rc, panel.bellTime.GetValue());

    // Items are found by their unique key; collection elements carry their number.
    auto* name = dynamic_cast<Vel::CDataString*>(panel.root.FindItemByKey("Zones.3.Name"));
    if (name == nullptr || name->SetValue("Back door") != Vel::CDataString::Accepted) {
        return 1;
    }
    std::printf("zone 3: %s\n", panel.zones.GetElement(2)->name.GetValueString().c_str());

    panel.root.ChangePanelVersion(66, 650);
    std::printf("at 6.50: bell time %ld\n", panel.bellTime.GetValue());
    return 0;
}
