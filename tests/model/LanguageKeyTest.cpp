// Language keys built from data keys: dots doubled, spaces only where the key kind asks for
// it, letters upper-cased, other bytes left as they are.
#include <vel/DataNumber.h>
#include <vel/DataString.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Vel::CString;

class KeyedString : public Vel::CDataString {
public:
    using CDataString::CDataString;
    CString DefaultKey(const CString& key) const { return dataKey2DefaultStringLanguageKey(key); }
};

TEST(LanguageKeyTest, DotsSpacesAndLetterCase) {
    const KeyedString text(nullptr, "S");
    const std::vector<std::pair<CString, CString>> cases = {
        {Vel::CDataNumber(nullptr, "a..b c").GetLabelTextKey(), "LML_A____B C"},
        {Vel::CDataNumber(nullptr, ".x.").GetLabelTextKey(), "LML___X__"},
        {Vel::CDataNumber(nullptr, "").GetLabelTextKey(), "LML_"},
        {text.DefaultKey("s..Default name "), "LMS_S____DEFAULT_NAME_"},
        {text.DefaultKey("\xc3\xa9t\xc3\xa9.z"), "LMS_\xc3\xa9T\xc3\xa9__Z"},
    };
    for (const auto& [actual, expected] : cases) {
        EXPECT_EQ(actual, expected);
    }
}

} // namespace
