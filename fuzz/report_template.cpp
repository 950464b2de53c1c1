// Fills arbitrary bytes as a report template over a small fixed tree: a site screen with a
// text, a number, an integer choice without choices, a choice of records and a set of
// records, two records with a text each, and fixed values. The data source answers a bounded
// number of requests, so that no template can keep a loop going forever.
#include <vel/Assert.h>
#include <vel/DataChoice.h>
#include <vel/DataContainerBase.h>
#include <vel/DataIntChoice.h>
#include <vel/DataNumber.h>
#include <vel/DataSet.h>
#include <vel/DataString.h>
#include <vel/HtmlParse.h>
#include <vel/RptDataSource.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace Vel;
using ItemList = std::vector<CDataValidationClient*>;

class Record : public CDataContainerBase {
public:
    Record(CDataValidationClient* parent, int id, const char* text)
        : CDataContainerBase(parent, "Area"), name(this, "Area.Name") {
        SetId(id);
        name.SetValue(text);
    }
    CDataString name;
};

class RecordChoice : public CDataChoice<int> {
public:
    using CDataChoice<int>::CDataChoice;
    int GetId() override { return selected ? selected->GetId() : 0; }
    CDataContainerBase* GetSelectedContainer() override { return selected; }
    bool Compare(CData*) override { return false; }
    CDataContainerBase* selected = nullptr;

protected:
    void copyDataValue(CDataValidationClient&) override {}
};

class RecordSet : public CDataSet<CDataValidationClient*> {
public:
    using CDataSet<CDataValidationClient*>::CDataSet;
    const CMemberList* GetAllData() const override { return &m_vecData; }
    void SetToDefault() override {}
    void Add(CDataValidationClient* record) { m_vecData.push_back(record); }
};

class QuietSink : public CAssertSink {
public:
    void Report(const CAssertReport&) override {}
};

struct Tree {
    Tree() {
        name.SetValue("North");
        count.SetValue(7);
        choice.selected = &second;
        members.Add(&second);
        members.Add(&first);
    }
    CDataContainerBase site{nullptr, "Site"};
    CDataString name{&site, "Site.Name"};
    CDataNumber count{&site, "Site.Count"};
    CDataIntChoice mode{&site, "Site.Mode"};
    RecordChoice choice{&site, "Site.Area"};
    RecordSet members{&site, "Site.Members"};
    CDataContainerBase areas{&site, "Areas"};
    Record first{&areas, 1, "Lobby"};
    Record second{&areas, 16, "Hall"};
};

class Source : public CRptDataSource {
public:
    explicit Source(Tree& tree) : m_tree(tree) {}
    int GetNextData(int& record, ItemList& items, CString name) override {
        if (++m_nRequests > 200) {
            return 0;
        }
        if (name.IsEmpty() || (record >= 0 && record < 3)) {
            items = (record % 2 == 0 ? m_tree.site : m_tree.first).GetChildList();
            ++record;
            return 1;
        }
        return 0;
    }
    CString GetTextForID(const CString& id) override { return "[" + id + "]"; }

private:
    Tree& m_tree;
    int m_nRequests = 0;
};

class Engine : public CHtmlParse {
public:
    void SetTemplate(std::string text) { m_strTemplate = CString(std::move(text)); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietSink sink;
    SetAssertSink(&sink);
    Tree tree;
    Source source(tree);
    source.SetAppPath("/reports/");
    Engine engine;
    engine.m_pDataSource = &source;
    engine.m_mapValues["Customer"] = "ACME";
    engine.SetTemplate(std::string(reinterpret_cast<const char*>(data), size));
    if (size > 0 && data[0] == 'S') {
        engine.SetStartItem(1);
    }
    engine.Start();
    engine.GetReport();
    return 0;
}
