// The sample report templates filled for a sample panel and opened in headless Chromium: the
// page loads without a console message, its screenshot is not blank, and the zone list shows
// one entry per zone of the panel.
#include "sample/SampleFixture.h"
#include "support/Velcfg.h"

#include "PanelReportSource.h"

#include <vel/HtmlParse.h>

#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace VelTest {
namespace {

namespace fs = std::filesystem;

constexpr int kType = 66;
constexpr int kVersion = 650;

std::string chromium() {
    for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"}) {
        if (fs::exists(path)) {
            return path;
        }
    }
    return {};
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Pixels of the screenshot that are not white; -1 when it cannot be read.
long inkedPixels(const fs::path& file) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, file.c_str())) {
        return -1;
    }
    image.format = PNG_FORMAT_GRAY;
    std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        return -1;
    }
    long inked = 0;
    for (const png_byte pixel : pixels) {
        inked += pixel < 200 ? 1 : 0;
    }
    return inked;
}

class BrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        browser = chromium();
        if (browser.empty()) {
            GTEST_SKIP() << "chromium is not installed (scripts/deps.sh installs it)";
        }
        fs::create_directories(folder);
        panel = SamplePanel(kType, texts);
        ASSERT_TRUE(panel->Open(kType, kVersion));
        // One unused zone, so that the conditions show both ways.
        panel->m_Zones.GetElement(1)->m_Function.SetValue(0);
        panel->m_Zones.GetElement(0)->m_Name.SetValue("Front door");
    }
    void TearDown() override { fs::remove_all(folder); }

    // Fills the sample template `name` and opens the report; the page's DOM as Chromium sees it.
    std::string Open(const std::string& name) {
        Vel::Sample::CPanelReportSource source(*panel);
        Vel::CHtmlParse report;
        report.m_strTemplateFile = Vel::CString(VEL_TEST_REPORTS_DIR) + name.c_str();
        report.m_strReportFile = (folder / name).string();
        report.m_pDataSource = &source;
        EXPECT_EQ(report.Init(), 1) << name;
        EXPECT_EQ(report.Start(), 1) << name;
        const std::string command = browser +
                                    " --headless --no-sandbox --disable-gpu --hide-scrollbars"
                                    " --enable-logging=stderr --v=0 --window-size=1280,1600"
                                    " --screenshot=" +
                                    (folder / "shot.png").string() + " --dump-dom file://" +
                                    (folder / name).string() + " > " + (folder / "dom").string() +
                                    " 2> " + (folder / "log").string();
        EXPECT_EQ(std::system(command.c_str()), 0) << ReadWholeFile(folder / "log");
        return ReadWholeFile(folder / "dom");
    }

    std::string ConsoleMessages() {
        std::string messages;
        std::ifstream log(folder / "log");
        for (std::string line; std::getline(log, line);) {
            messages += line.find(":CONSOLE") != std::string::npos ? line + "\n" : "";
        }
        return messages;
    }

    SampleTexts texts;
    std::string browser;
    std::unique_ptr<Vel::Sample::CSamplePanel> panel;
    const fs::path folder =
        fs::temp_directory_path() / ("vel_browser_" + std::to_string(::getpid()));
};

TEST_F(BrowserTest, ConfigurationReportShowsEveryZoneAsATableRow) {
    const std::string dom = Open("configuration.html");
    EXPECT_EQ(ConsoleMessages(), "");
    EXPECT_GT(inkedPixels(folder / "shot.png"), 20000);
    EXPECT_EQ(countOf(dom, "<tr class=\"zone"), panel->m_Zones.GetSize());
    EXPECT_EQ(countOf(dom, "<tr class=\"zone unused\">"), 1);
    EXPECT_EQ(countOf(dom, "<td>Front door</td>"), 1);
}

TEST_F(BrowserTest, ZoneReportShowsEveryZoneAsASection) {
    const std::string dom = Open("zones.html");
    EXPECT_EQ(ConsoleMessages(), "");
    EXPECT_GT(inkedPixels(folder / "shot.png"), 20000);
    EXPECT_EQ(countOf(dom, "<section class=\"zone"), panel->m_Zones.GetSize());
    EXPECT_EQ(countOf(dom, "<p class=\"note\">"), 1);
}

} // namespace
} // namespace VelTest
