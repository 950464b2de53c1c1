// A small host for the report engine's tests: a site screen with a text, a number, an integer
// choice, a choice of area records and a set of records, three zones, and a data source that
// hands out the site screen first and then one zone per request of the "Zones" loop.
#pragma once

#include "support/ItemsFixture.h"

#include <vel/DataChoice.h>
#include <vel/DataIntChoice.h>
#include <vel/DataSet.h>
#include <vel/DataString.h>
#include <vel/HtmlParse.h>
#include <vel/RptDataSource.h>

#include <map>
#include <string>
#include <vector>

namespace VelTest {

using ItemList = std::vector<Vel::CDataValidationClient*>;

// A choice among records: its id is the selected record's element number.
class TestRecordChoice : public Vel::CDataChoice<int> {
public:
    using Vel::CDataChoice<int>::CDataChoice;
    int GetId() override { return m_pSelected ? m_pSelected->GetId() : 0; }
    Vel::CDataContainerBase* GetSelectedContainer() override { return m_pSelected; }
    bool Compare(Vel::CData*) override { return false; }

    Vel::CDataContainerBase* m_pSelected = nullptr;

protected:
    void copyDataValue(Vel::CDataValidationClient&) override {}
};

// A set whose possible members are nodes of the tree.
class TestRecordSet : public Vel::CDataSet<Vel::CDataValidationClient*> {
public:
    using Vel::CDataSet<Vel::CDataValidationClient*>::CDataSet;
    const CMemberList* GetAllData() const override { return &m_vecAll; }
    void SetToDefault() override {}

    CMemberList m_vecAll;
};

// Answers "" with the header record without counting, and every other name with the next
// record of its list, counting records from 0.
class TestSource : public Vel::CRptDataSource {
public:
    int IsLeftView() override { return m_bLeftView; }
    int GetNextData(int& record, ItemList& items, Vel::CString name) override {
        if (name.IsEmpty()) {
            items = m_vecHeader;
            return 1;
        }
        const std::vector<ItemList>& list = m_mapLists[name.str()];
        if (record < 0 || record >= static_cast<int>(list.size())) {
            return 0;
        }
        items = list[static_cast<std::size_t>(record++)];
        return 1;
    }
    Vel::CString GetTextForID(const Vel::CString& id) override { return "text of " + id; }

    int m_bLeftView = 0;
    ItemList m_vecHeader;
    std::map<std::string, std::vector<ItemList>> m_mapLists;
};

// The engine with its template set directly.
class TestParse : public Vel::CHtmlParse {
public:
    void SetTemplate(const std::string& text) { m_strTemplate = text; }
};

class ReportFixture : public ModelFixture {
protected:
    ReportFixture() {
        Panel(kVersion, StandardValidation() +
                            "[Site.Name]\nMaxChars=20\n[Site.Count]\nMaxNumber=100\n[Site.Mode]"
                            "\nChoices=5,7,9\nDefault=5\n"
                            "[Site.Area]\n[Site.Members]\n[Area.Name]\nMaxChars=20\n");
        EXPECT_TRUE(root.ChangePanelVersion(kType, kVersion));
        area1.SetId(1);
        area2.SetId(2);
        area2Name.SetValue("Hall");
        areaChoice.m_pSelected = &area2;
        members.m_vecAll = {&area1, &area2};
        count.SetValue(7);
        source.m_vecHeader = site.GetChildList();
        for (int i = 0; i < zones.GetSize(); ++i) {
            source.m_mapLists["Zones"].push_back(zones.GetElement(i)->GetChildList());
        }
        engine.m_pDataSource = &source;
    }

    // The report of a template, or "failed".
    std::string Fill(const std::string& text) {
        engine.SetTemplate(text);
        return engine.Start() ? engine.GetReport().str() : "failed";
    }

    TestRoot root{&managers};
    TestScreen site{&root, "Site"};
    Vel::CDataString name{&site, "Site.Name"};
    Vel::CDataNumber count{&site, "Site.Count"};
    Vel::CDataIntChoice mode{&site, "Site.Mode"};
    TestRecordChoice areaChoice{&site, "Site.Area"};
    TestRecordSet members{&site, "Site.Members"};
    TestScreen areas{&root, "Areas"};
    TestScreen area1{&areas, "Area"};
    Vel::CDataString area1Name{&area1, "Area.Name"};
    TestScreen area2{&areas, "Area"};
    Vel::CDataString area2Name{&area2, "Area.Name"};
    TestScreen zoneScreen{&root, "ZoneScreen"};
    TestZones zones{&zoneScreen, "Zones", "Zones", 3};
    TestSource source;
    TestParse engine;
};

} // namespace VelTest
