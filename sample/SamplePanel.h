// CSamplePanel: the configuration tree of one panel as the sample host builds it: a root of
// the panel's family and, below it, the screens and collections of system parameters, areas,
// zones, outputs, keypads, user codes, schedules, holiday intervals, telecom and network.
//
//   CSamplePanel panel(66);                     // a V6 Standard panel
//   panel.Root().SetLanguageClass(&texts);
//   if (panel.Open(66, 650)) { ... panel.Root().FindItemByKey("Zones.3.Function") ... }
#pragma once

#include "AreaCollection.h"
#include "HolidayInterval.h"
#include "KeypadRecord.h"
#include "NetworkScreen.h"
#include "OutputCollection.h"
#include "PanelRoot.h"
#include "ScheduleRecord.h"
#include "SystemScreen.h"
#include "TelecomScreen.h"
#include "UserRecord.h"
#include "ZoneRecord.h"

#include <vel/Data.h>
#include <vel/DataCollection.h>

#include <functional>
#include <memory>

namespace Vel::Sample {

class CSamplePanel {
    // Declared first: every screen is built with the root as its parent.
    std::unique_ptr<CPanelRoot> m_pRoot;

public:
    // The root's family follows the panel type; a type of neither family gets a V6 root,
    // which refuses to open it.
    explicit CSamplePanel(int panelType);
    CSamplePanel(const CSamplePanel&) = delete;
    CSamplePanel& operator=(const CSamplePanel&) = delete;

    // Whether a panel type belongs to one of the two families.
    static bool IsKnownType(int panelType);

    // Changes the panel (the first change builds the collections and takes every default)
    // and renews the key map, since collections may have grown or shrunk.
    bool Open(int panelType, int panelVersion);

    CPanelRoot& Root() { return *m_pRoot; }
    // Every leaf item in tree order.
    void ForEachItem(const std::function<void(CData&)>& visit);

    CSystemScreen m_System;
    CAreaCollection m_Areas;
    CDataCollection<CZoneRecord> m_Zones;
    COutputCollection m_KeypadOutputs;
    COutputCollection m_RioOutputs;
    COutputCollection m_HeaderOutputs;
    CDataCollection<CKeypadRecord> m_Keypads;
    CDataCollection<CUserRecord> m_Users;
    CDataCollection<CScheduleRecord> m_Schedules;
    CDataCollection<CHolidayInterval> m_HolidayIntervals;
    CTelecomScreen m_Telecom;
    CNetworkScreen m_Network;
};

} // namespace Vel::Sample
