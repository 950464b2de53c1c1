#include "support/RunTool.h"
#include "support/TempValidationFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

using VelTest::RunTool;
using VelTest::TempValidationFolder;
using VelTest::ToolResult;

// Runs vmdtool as a real process on files of a fresh folder.
class VmdToolTest : public ::testing::Test {
protected:
    // Packs `readable` with vmdtool into F.vmd; answers the packed name without extension.
    std::string Pack(const std::string& readable) {
        const std::string source = m_folder.WriteRaw("F.txt", readable);
        const ToolResult result = RunTool("vmdtool", {"pack", source, Path("F.vmd")});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.out.empty() && result.err.empty()) << result.out << result.err;
        return Path("F");
    }
    ToolResult Get(const std::string& file, const std::string& section, const std::string& key) {
        return RunTool("vmdtool", {"get", file, section, key});
    }
    std::string Path(const std::string& name) const { return m_folder.Path() + name; }

    TempValidationFolder m_folder;
};

// Exit 1 and nothing printed means "absent".
void ExpectValue(const ToolResult& result, const std::optional<std::string>& expected,
                 const char* name) {
    EXPECT_EQ(result.status, expected ? 0 : 1) << name << ": " << result.err;
    EXPECT_EQ(result.out, expected ? *expected + "\n" : "") << name;
    EXPECT_EQ(result.err, "") << name;
}
// One clear line on standard error, exit status 2.
void ExpectFailure(const ToolResult& result, const std::string& mentions) {
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.starts_with("vmdtool: ")) << result.err;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << result.err;
    EXPECT_NE(result.err.find(mentions), std::string::npos) << result.err;
}

// The loader's rules are those of the library (PVMDataFileTest); here only the tool's side.
TEST_F(VmdToolTest, GetPrintsTheValueOrNothing) {
    const std::string file = Pack("[Zone]\nPlain = v  \n");
    ExpectValue(Get(file, "zone", "PLAIN"), "v", "value");
    ExpectValue(Get(file, "Zone", "Other"), std::nullopt, "absent key");
    ExpectValue(Get(file + ".vmd", "Zone", "Plain"), "v", "name given with its extension");
}

TEST_F(VmdToolTest, UnpackPrintsTheSourceBackAndAnEmptySourcePacksIntoNothing) {
    const std::string source = "; comment\n[S]\n\nK = v ;x\n";
    ToolResult result = RunTool("vmdtool", {"unpack", Pack(source) + ".vmd"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, source);

    const std::string file = Pack("");
    EXPECT_EQ(std::filesystem::file_size(file + ".vmd"), 0u);
    ExpectValue(Get(file, "S", "K"), std::nullopt, "empty file");
    result = RunTool("vmdtool", {"unpack", file + ".vmd"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "");
}

TEST_F(VmdToolTest, UsageErrorsAndUnreadableInputFailWithOneLine) {
    std::filesystem::create_directory(Path("Dir.vmd"));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"get", Path("Missing"), "S", "K"}, "Missing.vmd"},
        {{"pack", Path("Missing.txt"), Path("Out.vmd")}, "Missing.txt"},
        {{"pack", m_folder.Path(), Path("Out.vmd")}, "cannot open"},
        {{"get", Path("Dir"), "S", "K"}, "Dir.vmd': Is a directory"},
        {{"pack", Pack("[S]\n") + ".vmd", Path("No/Out.vmd")},
         "No/Out.vmd': No such file or directory"},
        {{"frobnicate"}, "frobnicate"},
        {{"get", "F", "S"}, "usage"},
    };
    for (const auto& [args, mentions] : cases) {
        SCOPED_TRACE(args[0] + " " + mentions);
        ExpectFailure(RunTool("vmdtool", args), mentions);
    }
    EXPECT_FALSE(std::filesystem::exists(Path("Out.vmd")));
}

TEST_F(VmdToolTest, SourceTooLargeForTheLoaderIsRefused) {
    const std::string source = m_folder.WriteRaw("Big.txt", std::string(100000, 'x'));
    // 100,000 bytes plus the closing zero byte: one more than the loader reads.
    ExpectFailure(RunTool("vmdtool", {"pack", source, Path("Big.vmd")}), "100000");
    EXPECT_FALSE(std::filesystem::exists(Path("Big.vmd")));
}

TEST_F(VmdToolTest, UnpackOfATruncatedFilePrintsWhatItCanAndFails) {
    const std::string file = Pack("[S]\nK = v\n") + ".vmd";
    std::filesystem::resize_file(file, std::filesystem::file_size(file) - 1);
    const ToolResult result = RunTool("vmdtool", {"unpack", file});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "[S]\nK = v\n");
    EXPECT_EQ(result.err, "vmdtool: '" + file + "' is truncated: its last entry has no end\n");
}

// The output is replaced whole, never rewritten in place: a reader (here a second link to the
// old file) never sees it emptied or half written.
TEST_F(VmdToolTest, PackReplacesTheOutputWhole) {
    const std::string old = m_folder.WriteRaw("F.vmd", "old");
    std::filesystem::create_hard_link(old, Path("Kept.vmd"));
    const std::string file = Pack("[S]\n");
    ExpectValue(Get(file, "S", "K"), std::nullopt, "packed");
    std::ifstream kept(Path("Kept.vmd"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "old");
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(m_folder.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 3u); // F.txt, F.vmd, Kept.vmd: no temporary file left
}

TEST_F(VmdToolTest, QueryNamesADamagedValidationFile) {
    const std::string folder = m_folder.Path() + "vel/";
    std::filesystem::copy("vel", folder, std::filesystem::copy_options::recursive);
    const std::string file = folder + "V6/V6_5.vmd";
    std::filesystem::resize_file(file, std::filesystem::file_size(file) - 1);
    setenv("VEL_VALIDATION_DIR", folder.c_str(), 1);
    const ToolResult result =
        RunTool("vmdtool", {"query", "--type", "66", "--version", "650", "System.BellTime"});
    unsetenv("VEL_VALIDATION_DIR");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "vmdtool: validation file '" + file +
                              "': the file is truncated (its last entry has no end)\n");
    EXPECT_EQ(result.out, "");
}

} // namespace
