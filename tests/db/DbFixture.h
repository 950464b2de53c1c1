// A fresh database of the backend under test, opened, and a small tree stored in it: a root
// whose screens are a system screen (two numbers) and a zone collection of 8 records.
#pragma once

#include "support/CaptureSink.h"
#include "support/DbBackends.h"
#include "support/ModelTrees.h"

#include <vel/DatabaseEx.h>
#include <vel/DbSchema.h>

#include <gtest/gtest.h>

#include <memory>

namespace VelTest {

struct DbTree {
    explicit DbTree(TestManagers* managers, long site = 1)
        : root(managers), system(&root, "SystemScreen"), exitTime(&system, "System.ExitTime"),
          entryTime(&system, "System.EntryTime"), zones(&root, "Zones", "Zones", 8) {
        root.SetSiteID(site);
    }
    TestRoot root;
    TestScreen system;
    Vel::CDataNumber exitTime;
    Vel::CDataNumber entryTime;
    TestZones zones;
    TestZone& Zone(int index) { return *zones.GetElement(index); }
};

class DbFixture : public testing::TestWithParam<DbBackend> {
protected:
    static constexpr int kType = 1;
    static constexpr int kVersion = 610;

    void SetUp() override {
        m_scratch = std::make_unique<ScratchDatabase>(GetParam());
        if (m_scratch->Connect().IsEmpty()) {
            GTEST_SKIP() << m_scratch->SkipReason();
        }
        m_db.Open(m_scratch->Connect());
        managers.AddVersion(kType, kVersion, validation());
    }

    virtual std::string validation() const { return StandardValidation(); }

    // A tree of the test panel for a site, brought up with its defaults.
    std::unique_ptr<DbTree> Tree(long site = 1) {
        auto tree = std::make_unique<DbTree>(&managers, site);
        EXPECT_TRUE(tree->root.ChangePanelVersion(kType, kVersion));
        return tree;
    }
    void CreateTables(DbTree& tree) { Vel::CDbSchema::CreateTables(&m_db, &tree.root); }
    bool Load(DbTree& tree, bool& notInDb, bool keepValues = false) {
        notInDb = false;
        return tree.root.LoadDataDb2Vel(&m_db, notInDb, keepValues);
    }
    std::string Dump() { return DumpDatabase(m_scratch->Connect()); }

    TestManagers managers;
    CaptureSink sink;
    std::unique_ptr<ScratchDatabase> m_scratch;
    Vel::CDatabaseEx m_db;
};

} // namespace VelTest
