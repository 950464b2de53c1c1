// A fresh database of the backend under test, opened, and the test panel's small site tree
// (a system screen and 8 zones) to store in it.
#pragma once

#include "support/CaptureSink.h"
#include "support/DbBackends.h"

#include <vel/DatabaseEx.h>
#include <vel/DbSchema.h>

#include <memory>

namespace VelTest {

class DbFixture : public ScratchDbTest {
protected:
    static constexpr int kType = 1;
    static constexpr int kVersion = 610;

    void SetUp() override {
        ScratchDbTest::SetUp();
        if (IsSkipped()) {
            return;
        }
        m_db.Open(Connect());
        managers.AddVersion(kType, kVersion, validation());
    }

    virtual std::string validation() const { return StandardValidation(); }

    // A tree of the test panel for site 1, brought up with its defaults.
    std::unique_ptr<SiteTree> Tree() {
        auto tree = std::make_unique<SiteTree>(&managers, 1, 8);
        EXPECT_TRUE(tree->root.ChangePanelVersion(kType, kVersion));
        return tree;
    }
    void CreateTables(SiteTree& tree) { Vel::CDbSchema::CreateTables(&m_db, &tree.root); }
    // Sets `notInDb` as the load finds the site's rows.
    bool Load(SiteTree& tree, bool keepValues = false) {
        notInDb = false;
        return tree.root.LoadDataDb2Vel(&m_db, notInDb, keepValues);
    }

    TestManagers managers;
    CaptureSink sink;
    bool notInDb = false;
    Vel::CDatabaseEx m_db;
};

} // namespace VelTest
