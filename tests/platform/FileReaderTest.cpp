#include "support/TempValidationFolder.h"

#include "platform/FileReader.h"
#include "platform/ModuleFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

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

TEST(ModuleFolder, IsTheFolderOfThisBinaryWithItsSlash) {
    const std::string folder = GetModuleFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    // Tests run from the output folder, where this binary lives.
    EXPECT_TRUE(std::filesystem::equivalent(folder, std::filesystem::current_path()));
}

} // namespace
} // namespace Vel
