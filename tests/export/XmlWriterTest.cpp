// The writer itself: lines and levels, escaping, the document frame, and output to memory or
// a stream.
#include <vel/XmlExport.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace VelTest {
namespace {

using Vel::CString;
using Vel::CXmlExport;

std::string Escaped(const std::string& text) {
    return CXmlExport::EscapeXMLString(text).str();
}

// A document of many lines, written through `xml`.
void WriteMany(CXmlExport& xml) {
    for (int i = 0; i < 20000; ++i) {
        xml.WriteLine(CString::Formatted("<Item id=\"%d\">some text</Item>", i), i % 4);
    }
}

TEST(XmlWriterTest, LinesAreIndentedOneTabPerLevel) {
    CXmlExport xml;
    xml.WriteLine("<a>", 0);
    xml.WriteLine("<b/>", 2);
    xml.WriteLine("</a>", -1);
    EXPECT_EQ(xml.TakeText(), "<a>\n\t\t<b/>\n</a>\n");
    xml.WriteLine("<deep/>", 40); // past the tabs written in one piece
    EXPECT_EQ(xml.TakeText(), std::string(40, '\t') + "<deep/>\n");
}

TEST(XmlWriterTest, EscapingOfSpecialCharacters) {
    EXPECT_EQ(Escaped("a<b>&\"c'"), "a&lt;b&gt;&amp;&quot;c&apos;");
    EXPECT_EQ(Escaped("tab\tline\ncr\r"), "tab\tline\ncr\r");
    EXPECT_EQ(Escaped(std::string("nul\0bell\a", 9)), "nul\xEF\xBF\xBD"
                                                      "bell\xEF\xBF\xBD");
}

// Long texts are scanned in blocks; a character deep inside one must still be seen.
TEST(XmlWriterTest, EscapingFindsCharactersPastTheFirstBytes) {
    const std::string plain = "Zone 12, main entrance";
    EXPECT_EQ(Escaped(plain + "&"), plain + "&amp;");
    EXPECT_EQ(Escaped(plain + "'" + plain), plain + "&apos;" + plain);
    EXPECT_EQ(Escaped(plain + "\x01"), plain + "\xEF\xBF\xBD");
    EXPECT_EQ(Escaped(plain + "\xE9"), plain + "\xC3\xA9");
}

TEST(XmlWriterTest, EscapingKeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(Escaped("Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x94\x94"),
              "Gr\xC3\xBC\xC3\x9F \xE2\x82\xAC \xF0\x9F\x94\x94");
    EXPECT_EQ(Escaped("caf\xE9"), "caf\xC3\xA9");                       // Latin-1 range
    EXPECT_EQ(Escaped("\x80\x9F"), "\xE2\x82\xAC\xC5\xB8");             // Windows-1252 only
    EXPECT_EQ(Escaped("\xC3"), "\xC3\x83");                             // cut sequence
    EXPECT_EQ(Escaped("\xC0\xAF"), "\xC3\x80\xC2\xAF");                 // overlong form
    EXPECT_EQ(Escaped("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC"); // surrogate
}

TEST(XmlWriterTest, DocumentFrameNamesPanelAndSite) {
    CXmlExport xml;
    xml.BeginDocument(97, 120, 4711);
    xml.EndDocument();
    EXPECT_EQ(xml.TakeText(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<Panel type=\"97\" version=\"120\" site=\"4711\">\n</Panel>\n");
}

TEST(XmlWriterTest, StreamGetsTheDocumentInPiecesAsItGrows) {
    CXmlExport memory;
    WriteMany(memory);
    std::ostringstream out;
    CXmlExport streamed(out);
    WriteMany(streamed);
    EXPECT_LT(streamed.GetText().size(), 70000u); // never the whole document at once
    EXPECT_TRUE(streamed.Close());
    EXPECT_EQ(out.str(), memory.GetText());
}

TEST(XmlWriterTest, FailedOutputIsReported) {
    CXmlExport xml;
    EXPECT_FALSE(xml.OpenFile("/nonexistent-folder/out.xml"));
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    CXmlExport streamed(broken);
    streamed.WriteLine("<a/>", 0);
    EXPECT_FALSE(streamed.Flush());
    EXPECT_FALSE(streamed.Close());
}

} // namespace
} // namespace VelTest
