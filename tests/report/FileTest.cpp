// Reading templates, writing reports and the failures of both.
#include "ReportFixture.h"

#include "support/TempValidationFolder.h"

#include <fstream>
#include <iterator>

namespace VelTest {
namespace {

class FileTest : public ReportFixture {
protected:
    std::string Read(const std::string& file) {
        std::ifstream in(folder.Path() + file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    Vel::CString Path(const std::string& file) { return Vel::CString(folder.Path() + file); }

    TempValidationFolder folder;
};

TEST_F(FileTest, TemplateIsReadPastItsFirstBlock) {
    const std::string text = std::string(40000, 'x') + "<!--Site.Count-->";
    folder.WriteRaw("big.html", text);
    engine.m_strTemplateFile = Path("big.html");
    ASSERT_EQ(engine.Init(), 1);
    ASSERT_EQ(engine.Start(), 1);
    EXPECT_EQ(engine.GetReport().str(), std::string(40000, 'x') + "7");
}

TEST_F(FileTest, MissingTemplateFailsInit) {
    engine.m_strTemplateFile = Path("none.html");
    EXPECT_EQ(engine.Init(), 0);
}

TEST_F(FileTest, ReportOfExactlyOnePieceIsWrittenWhole) {
    const std::string text(40960, 'r');
    engine.m_strReportFile = Path("out.html");
    EXPECT_EQ(Fill(text), text);
    EXPECT_EQ(Read("out.html"), text);
}

TEST_F(FileTest, ExistingReportIsReplaced) {
    folder.WriteRaw("out.html", std::string(100000, 'o'));
    engine.m_strReportFile = Path("out.html");
    Fill("<p><!--Site.Count--></p>");
    EXPECT_EQ(Read("out.html"), "<p>7</p>");
}

TEST_F(FileTest, ReportFileThatCannotBeCreatedFailsStart) {
    engine.m_strReportFile = Path("missing/out.html");
    EXPECT_EQ(Fill("x"), "failed");
}

TEST_F(FileTest, StartWithoutDataSourceFails) {
    engine.m_pDataSource = nullptr;
    EXPECT_EQ(Fill("x"), "failed");
}

} // namespace
} // namespace VelTest
