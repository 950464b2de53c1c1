#include "support/CaptureSink.h"
#include "support/TempValidationFolder.h"

#include <vel/PVMDataFile.h>

#include <gtest/gtest.h>

#include <optional>

namespace Vel {
namespace {

using VelTest::CaptureSink;
using VelTest::HasReports;
using VelTest::TempValidationFolder;

// Scrambles raw entry bytes, for content that Pack cannot produce.
std::string scrambled(std::string bytes) {
    for (char& ch : bytes) {
        ch = static_cast<char>(static_cast<unsigned char>(ch) ^ CPVMDataFile::kScrambleKey);
    }
    return bytes;
}

class PVMDataFileTest : public ::testing::Test {
protected:
    // Loads `readable` (one entry per line) as a packed file.
    void Load(const std::string& readable) { m_file.SetFileName(m_folder.Write("F", readable)); }
    void LoadRaw(const std::string& entries) {
        m_folder.WriteRaw("F.vmd", scrambled(entries));
        m_file.SetFileName(m_folder.Path() + "F");
    }
    // The stored value, or nothing when the look-up fails (which must also empty the text).
    std::optional<std::string> Get(const char* section, const char* key) {
        CString value("stale");
        if (!m_file.GetString(section, key, &value)) {
            EXPECT_TRUE(value.IsEmpty()) << section << "/" << key;
            return std::nullopt;
        }
        return value.str();
    }

    TempValidationFolder m_folder;
    CPVMDataFile m_file;
};

struct LookupCase {
    const char* name;
    std::string source; // readable lines, or with `raw` the entries' unscrambled bytes
    const char* section;
    const char* key;
    std::optional<std::string> expected;
    bool raw = false;
};

using namespace std::string_literals;

const LookupCase kLookupCases[] = {
    {"blanks around key and after '=' dropped", "[S]\n \t K \t =  \t v w", "S", "K", "v w"},
    {"look-up arguments are not trimmed", "[S]\nK = v", "S", " K", std::nullopt},
    {"trailing blanks dropped without comment", "[S]\nK = v  ", "S", "K", "v"},
    {"blanks before a comment stay", "[S]\nK = v  ; c", "S", "K", "v  "},
    {"later '=' belong to the value", "[S]\nK = a=b", "S", "K", "a=b"},
    {"a repeated key gives its last value", "[S]\nK=1\n[s]\nK=2", "S", "K", "2"},
    {"entry before the first header is ignored", "K=v\n[S]", "", "K", std::nullopt},
    {"header keeps its inner blanks", "[ A b ]\nK=v", " a B ", "K", "v"},
    {"empty value is stored", "[S]\nK =", "S", "K", ""},
    {"entry starting with '=' is ignored", "[S]\n= v\nK=w", "S", "", std::nullopt},
    {"comment straight after ']' keeps the header", "[A]\nK=a\n[B]; c\nL=b", "B", "L", "b"},
    {"'[]' ends the section", "[S]\n[]\nK=v", "S", "K", std::nullopt},
    {"section and key ignore case", "[Zone.Type]\nMaxNumber=MiXed", "zONE.tYPE", "maxnumber",
     "MiXed"},
    {"other bytes must match exactly", "[Zon\xc3\xa9]\nK=v", "ZON\xc3\x89", "K", std::nullopt},
    {"line breaks are ordinary bytes", "[S]\0K=a\r\nL=b\0"s, "S", "K", "a\r\nL=b", true},
    {"line breaks at the ends are trimmed", "\n[S]\r\n\0\r\nK=v\r\n\0"s, "S", "K", "v", true},
    {"leading zero bytes skipped, no final one needed", "\0\0[S]\0K=v"s, "S", "K", "v", true},
    {"vertical tab and form feed are blanks", "[S]\0\vK\f=\f v\v\0"s, "S", "K", "v", true},
};

TEST_F(PVMDataFileTest, SplitsAndLooksUpEntriesAsTheFormatRulesSay) {
    for (const LookupCase& test : kLookupCases) {
        test.raw ? LoadRaw(test.source) : Load(test.source);
        EXPECT_EQ(Get(test.section, test.key), test.expected) << test.name;
    }
}

TEST_F(PVMDataFileTest, SectionExistsOnlyWithEntriesOfTheLastLoadedFile) {
    EXPECT_EQ(Get("", ""), std::nullopt); // before a file is set
    EXPECT_FALSE(m_file.SectionExist(""));
    Load("[Old]\nK=1");
    Load("[Empty]\n[Full]\nK=v\n[Comment]\n; nothing here\n[]\nX=1");
    EXPECT_FALSE(m_file.SectionExist("Old"));
    EXPECT_FALSE(m_file.SectionExist("Empty"));
    EXPECT_TRUE(m_file.SectionExist("full"));
    EXPECT_FALSE(m_file.SectionExist("Comment"));
    EXPECT_FALSE(m_file.SectionExist(""));
    EXPECT_EQ(Get("Empty", "K"), std::nullopt);
}

// Decision: content beyond the loader's 100,000-byte buffer is refused like an unreadable
// file rather than read in part.
TEST_F(PVMDataFileTest, UnreadableOrOversizedFilesAreReportedAndLeaveTheFileEmpty) {
    const std::string head = "[S]\nK=v\n";
    const std::string atLimit =
        head + std::string(CPVMDataFile::kMaxFileBytes - head.size() - 1, ';');
    m_folder.Write("Big", atLimit + ";");
    m_folder.WriteRaw("Dir.vmd/inner", "x");
    for (const char* name : {"Missing", "Big", "Dir"}) {
        Load(atLimit); // exactly at the limit once packed: read as usual
        EXPECT_EQ(Get("S", "K"), "v");
        CaptureSink sink;
        const std::string full = m_folder.Path() + name;
        m_file.SetFileName(full);
        EXPECT_TRUE(HasReports(sink, {{CAssertReport::Error,
                                       "false",
                                       "PVMDataFile",
                                       183,
                                       "Can't open Validation data file",
                                       {"m_sFileName=\"" + full + ".vmd\""}}}))
            << name;
        EXPECT_EQ(m_file.GetFileName(), CString(full + ".vmd"));
        EXPECT_EQ(Get("S", "K"), std::nullopt) << name; // the earlier content is gone too
        EXPECT_FALSE(m_file.SectionExist("S"));
    }
}

TEST_F(PVMDataFileTest, InMemoryLoadFollowsTheSameRules) {
    const std::string packed = CPVMDataFile::Pack("[S]\nK = v ;c");
    m_file.LoadScrambled("mem.vmd", packed.data(), static_cast<int>(packed.size()));
    EXPECT_EQ(Get("s", "k"), "v ");
    CaptureSink sink;
    const std::string huge(CPVMDataFile::kMaxFileBytes + 1, '\0');
    m_file.LoadScrambled("huge.vmd", huge.data(), static_cast<int>(huge.size()));
    EXPECT_EQ(sink.Count(), 1u);
    EXPECT_FALSE(m_file.SectionExist("S"));
}

} // namespace
} // namespace Vel
