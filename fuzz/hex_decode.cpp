// Decodes arbitrary bytes as a stored hexadecimal text; what decodes must encode back to the
// same digits and survive scrambling twice unchanged.
#include <vel/Encode.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <strings.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char hex[Vel::CEncode::kBufferSize] = {};
    if (size > 0) {
        std::memcpy(hex, data, size < sizeof hex - 1 ? size : sizeof hex - 1);
    }
    char bytes[Vel::CEncode::kBufferSize];
    const int count = Vel::CEncode::ConvertFromHex(hex, bytes);
    if (count < 0) {
        return 0;
    }
    const int key = size > 0 ? static_cast<int>(data[0]) * 7919 - 1000000 : 0;
    char work[Vel::CEncode::kBufferSize];
    std::memcpy(work, bytes, static_cast<std::size_t>(count) + 1);
    Vel::CEncode::EncodeStr(work, key);
    Vel::CEncode::EncodeStr(work, key);
    char back[Vel::CEncode::kBufferSize];
    if (std::strcmp(work, bytes) != 0 || Vel::CEncode::ConvertToHex(bytes, back) != 2 * count ||
        strcasecmp(back, hex) != 0) {
        __builtin_trap();
    }
    return 0;
}
