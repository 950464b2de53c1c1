#include "support/TempValidationFolder.h"

#include "platform/FileReader.h"

#include <gtest/gtest.h>

namespace Vel {
namespace {

using VelTest::TempValidationFolder;

TEST(FileReader, ReadsWholeFilesUpToTheLimit) {
    TempValidationFolder folder;
    const std::string bytes("a\0b\xff", 4);
    const std::string name = folder.WriteRaw("f.bin", bytes);
    std::string content = "stale";
    EXPECT_EQ(ReadWholeFile(name, 4, content), ReadFileResult::Ok);
    EXPECT_EQ(content, bytes);
    EXPECT_EQ(ReadWholeFile(name, 3, content), ReadFileResult::TooLarge);
    EXPECT_EQ(content, "");
    EXPECT_EQ(ReadWholeFile(folder.Path() + "missing", 9, content), ReadFileResult::CannotOpen);
    EXPECT_EQ(ReadWholeFile(folder.Path(), 9, content), ReadFileResult::CannotOpen);
}

} // namespace
} // namespace Vel
