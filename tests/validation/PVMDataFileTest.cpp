#include "support/CaptureSink.h"
#include "support/TempValidationFolder.h"

#include <vel/PVMDataFile.h>

#include <gtest/gtest.h>

namespace Vel {
namespace {

TEST(PVMDataFile, ReadsEntriesOfAPackedFile) {
    VelTest::TempValidationFolder folder;
    const auto name = folder.Write("Basic", "[Zone.Type]\nMaxNumber = 12\n");
    CPVMDataFile file;
    file.SetFileName(name);
    CString value;
    EXPECT_TRUE(file.GetString("zone.type", "maxnumber", &value));
    EXPECT_EQ(value, "12");
}

} // namespace
} // namespace Vel
