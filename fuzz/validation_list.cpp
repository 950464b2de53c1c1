// Parses arbitrary text as a "Choices" list and as the number and flag values of validation
// elements; bounds carried between items must never run away.
#include <vel/ValidationManager.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Vel::CValidationManager manager;
    const Vel::CString text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    bool exclude = false;
    const Vel::CIntList list = manager.ParseIntList(text, exclude);
    if (list.size() > 65536) {
        __builtin_trap();
    }
    manager.ParseInt(text);
    manager.ParseUlong(text);
    manager.ParseBool(text);
    return 0;
}
