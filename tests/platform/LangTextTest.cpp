#include "support/TempValidationFolder.h"

#include <vel/FileLangText.h>
#include <vel/TextCommon.h>

#include <gtest/gtest.h>

namespace Vel {
namespace {

using VelTest::TempValidationFolder;

TEST(FileLangText, ReadsKeyTextLines) {
    CFileLangText texts;
    EXPECT_EQ(texts.LoadText("# comment\n"
                             "\n"
                             "Zone.Type=Zone type\r\n"
                             "Formula=a=b\n"
                             "Empty=\n"
                             "=no key\n"
                             "no equals sign\n"
                             " Spaced = kept \n"
                             "Zone.Type=Zone kind"),
              5);
    EXPECT_EQ(texts.GetCount(), 4);
    EXPECT_EQ(texts.GetText("Zone.Type"), "Zone kind"); // the later line wins
    EXPECT_EQ(texts.GetTranslation("Zone.Type"), "Zone kind");
    EXPECT_EQ(texts.GetText("zone.type"), ""); // keys are exact
    EXPECT_EQ(texts.GetText("Formula"), "a=b");
    EXPECT_EQ(texts.GetText(" Spaced "), " kept ");
    EXPECT_EQ(texts.GetText("Missing"), "");
}

TEST(FileLangText, LoadsFilesWithAByteOrderMarkAndExplainsUnreadableOnes) {
    TempValidationFolder folder;
    CFileLangText texts;
    ASSERT_TRUE(texts.Load(folder.WriteRaw("en.txt", "\xEF\xBB\xBFTitle=Caf\xC3\xA9\n").c_str()));
    EXPECT_EQ(texts.GetText("Title"), "Caf\xC3\xA9");
    // Only at the very start: elsewhere the bytes belong to the line.
    texts.LoadText("A=1\n\xEF\xBB\xBF"
                   "B=2");
    EXPECT_EQ(texts.GetText("B"), "");

    std::string error;
    const std::string missing = folder.Path() + "missing.txt";
    EXPECT_FALSE(texts.Load(missing.c_str(), &error));
    EXPECT_EQ(error, "language file '" + missing + "' cannot be opened");
    EXPECT_FALSE(texts.Load(folder.Path().c_str(), &error)); // a folder is no file
    EXPECT_NE(error.find("cannot be opened"), std::string::npos);
    EXPECT_FALSE(texts.Load(missing.c_str()));        // no error text wanted
    EXPECT_EQ(texts.GetText("Title"), "Caf\xC3\xA9"); // the texts are kept
}

class FixedLangText : public CLangTextBase {
public:
    CString GetText(const CString& key) const override { return "text:" + key; }
    CString GetTranslation(const CString& key) const override { return "tr:" + key; }
};

TEST(TextCommon, AnswersEmptyTextsUntilAProviderIsSet) {
    ASSERT_NE(CTextCommon::GetLanguageClass(), nullptr);
    EXPECT_EQ(CTextCommon::GetLanguageClass()->GetText("Zone"), "");
    EXPECT_EQ(CTextCommon::GetLanguageClass()->GetTranslation("Zone"), "");

    FixedLangText provider;
    CTextCommon::SetLanguageClass(&provider);
    EXPECT_EQ(CTextCommon::GetLanguageClass(), &provider);
    EXPECT_EQ(CTextCommon::GetLanguageClass()->GetText("Zone"), "text:Zone");
    CTextCommon::SetLanguageClass(nullptr);
    EXPECT_EQ(CTextCommon::GetLanguageClass()->GetText("Zone"), "");
}

} // namespace
} // namespace Vel
