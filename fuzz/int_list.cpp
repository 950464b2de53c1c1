// Parses arbitrary bytes as a choice list and as the number and flag values of validation
// elements. The list stays within its cap, only a text holding a backslash raises the
// exclusion flag, and a text of single values (no range, no exclusion) gives exactly one value
// per item.
#include <vel/ValidationManager.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

std::size_t SingleValueItems(const Vel::CString& text) {
    const std::string& s = text.str();
    const auto commas = static_cast<std::size_t>(std::count(s.begin(), s.end(), ','));
    return s.empty() || s.back() == ',' ? commas : commas + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Vel::CValidationManager manager;
    const int length = size > 4096 ? 4096 : static_cast<int>(size);
    const Vel::CString text(reinterpret_cast<const char*>(data), length);
    bool exclude = false;
    const Vel::CIntList list = manager.ParseIntList(text, exclude);
    const bool backslash = text.Find('\\') >= 0;
    const bool singles = !backslash && text.Find("..") < 0 && text.Find('-') < 0;
    if (list.size() > 65536 || (exclude && !backslash) ||
        (singles && list.size() != SingleValueItems(text))) {
        __builtin_trap();
    }
    manager.ParseInt(text);
    manager.ParseUlong(text);
    manager.ParseBool(text);
    return 0;
}
