// Fixture of the string and address item tests: a test panel over a temporary validation
// folder, a root with a language provider, a screen, and a collection of three records that
// each hold one item of both kinds.
#pragma once

#include "support/CaptureSink.h"
#include "support/ModelTrees.h"

#include <vel/DataCollection.h>
#include <vel/DataIPAddr.h>
#include <vel/DataString.h>
#include <vel/FileLangText.h>

#include <gtest/gtest.h>

#include <string>

namespace VelTest {

// A record with the items "Rec.Name" and "Rec.Address".
class TextRecord : public Vel::CDataContainerBase {
public:
    explicit TextRecord(Vel::CDataValidationClient* parent)
        : Vel::CDataContainerBase(parent, "Rec"), m_Name(this, "Rec.Name"),
          m_Address(this, "Rec.Address") {}

    Vel::CDataString m_Name;
    Vel::CDataIPAddr m_Address;
};

class ItemsFixture : public ::testing::Test {
protected:
    static constexpr int kType = 1;
    static constexpr int kVersion = 610;

    ItemsFixture() { root.SetLanguageClass(&texts); }

    // The first call brings the tree up; later calls (another major version: a further
    // multiple of 5) change the panel of the initialised tree.
    bool ChangeTo(int version, const std::string& validation) {
        managers.AddVersion(kType, version, validation);
        return root.ChangePanelVersion(kType, version);
    }
    // Element number `id` (1 to 3) of the record collection.
    TextRecord& Record(int id) { return *records.GetElement(id - 1); }

    // An item's value and flags in one text, such as "10.0.0.1 blank modified".
    static std::string State(Vel::CData& item) {
        std::string state = item.GetValueString().str();
        const auto* address = dynamic_cast<const Vel::CDataIPAddr*>(&item);
        state += address && address->GetBlank() ? " blank" : "";
        return state + (item.IsModified() ? " modified" : "");
    }

    TestManagers managers;
    CaptureSink sink;
    Vel::CFileLangText texts;
    TestRoot root{&managers};
    TestScreen screen{&root, "Screen"};
    Vel::CDataCollection<TextRecord> records{&root, "Records", "Records", 3};
};

} // namespace VelTest
