// Feeds arbitrary bytes to the address item as its fixed-width default text. Only a text of
// exactly 15 characters may change the address, and then a part whose three characters are
// all digits must read as their number's low 8 bits.
#include <vel/DataIPAddr.h>

#include <cstddef>
#include <cstdint>

namespace {

class FixedTextAddress : public Vel::CDataIPAddr {
public:
    FixedTextAddress() : Vel::CDataIPAddr(nullptr, "Fuzz") {}
    using Vel::CDataIPAddr::SetFromString;
};

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int length = size > 64 ? 64 : static_cast<int>(size);
    const Vel::CString text(reinterpret_cast<const char*>(data), length);
    FixedTextAddress address;
    address.SetValue(1, 2, 3, 4);
    const int result = address.SetFromString(text);
    const int expected = length < 15 ? 4 : length > 15 ? 3 : 0;
    if (result != expected || (result != 0 && address.GetValue() != 0x01020304)) {
        __builtin_trap();
    }
    unsigned char parts[4] = {};
    address.GetValue(parts[0], parts[1], parts[2], parts[3]);
    for (int part = 0; result == 0 && part < 4; ++part) {
        const char* digits = text.c_str() + 4 * part;
        if (IsDigit(digits[0]) && IsDigit(digits[1]) && IsDigit(digits[2]) &&
            parts[part] !=
                ((digits[0] - '0') * 100 + (digits[1] - '0') * 10 + digits[2] - '0') % 256) {
            __builtin_trap();
        }
    }
    return 0;
}
