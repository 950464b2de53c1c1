// Decodes arbitrary bytes as a dotted address text; an accepted text must print back to an
// address that decodes to the same parts.
#include <vel/IPAddressSupport.h>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int length = size > 4096 ? 4096 : static_cast<int>(size);
    unsigned char parts[4] = {};
    const Vel::CString text(reinterpret_cast<const char*>(data), length);
    if (!Vel::CIPAddressSupport::DecodeIPAddress(text, parts[0], parts[1], parts[2], parts[3])) {
        return 0;
    }
    const Vel::CString printed =
        Vel::CString::Formatted("%u.%u.%u.%u", parts[0], parts[1], parts[2], parts[3]);
    unsigned char again[4] = {};
    if (!Vel::CIPAddressSupport::DecodeIPAddress(printed, again[0], again[1], again[2], again[3]) ||
        again[0] != parts[0] || again[1] != parts[1] || again[2] != parts[2] ||
        again[3] != parts[3]) {
        __builtin_trap();
    }
    return 0;
}
