// A fresh database of one backend, opened as the shared connection, with the site tables.
#pragma once

#include "support/CaptureSink.h"
#include "support/DbBackends.h"

#include <vel/DatabaseEx.h>
#include <vel/DatabaseManager.h>
#include <vel/SiteDetails.h>
#include <vel/SiteTables.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace VelTest {

class SiteDbTest : public testing::TestWithParam<DbBackend> {
protected:
    void SetUp() override;
    void TearDown() override;

    static Vel::CDatabaseEx* Db() { return Vel::CDatabaseManager::Instance().GetDatabase(); }
    std::string Dump() const { return DumpDatabase(m_scratch->Connect()); }
    const Vel::CString& Connect() const { return m_scratch->Connect(); }
    const std::filesystem::path& Folder() const { return m_scratch->Folder(); }

    // A site record with every byte set, inserted; answers its id.
    unsigned long NewSite(int panelType, int panelVersion, const char* text = "Site");
    // The rows of `table` with that value in `column` (AM_Site_ID by default).
    long long CountRows(const char* table, unsigned long siteId, const char* column = "AM_Site_ID");
    // Rows of the site in the site tables and in every enrolled table.
    long long RowsAnywhere(unsigned long siteId);

    std::unique_ptr<ScratchDatabase> m_scratch;
};

// A record whose every byte carries a pattern, with the named fields set.
Vel::SiteDetails_T PatternedDetails(int panelType, int panelVersion, const char* text);

} // namespace VelTest
