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
    EXPECT_EQ(texts.GetText("zone.type"), "");          // keys are exact
    EXPECT_EQ(texts.GetText("Formula"), "a=b");
    EXPECT_EQ(texts.GetText(" Spaced "), " kept ");
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
    EXPECT_FALSE(texts.Load(missing.c_str()));        // no error text wanted
    EXPECT_EQ(texts.GetText("Title"), "Caf\xC3\xA9"); // the texts are kept
}

// Without a provider, and again after it is taken away, texts are empty rather than absent.
TEST(TextCommon, AnswersEmptyTextsWithoutAProvider) {
    ASSERT_NE(CTextCommon::GetLanguageClass(), nullptr);
    EXPECT_EQ(CTextCommon::GetLanguageClass()->GetText("Zone"), "");
    CFileLangText provider;
    provider.LoadText("Zone=Zone");
    CTextCommon::SetLanguageClass(&provider);
    CTextCommon::SetLanguageClass(nullptr);
    ASSERT_NE(CTextCommon::GetLanguageClass(), nullptr);
    EXPECT_EQ(CTextCommon::GetLanguageClass()->GetTranslation("Zone"), "");
}

} // namespace
} // namespace Vel
