// CEncode: the reversible scrambling of texts that are stored "encrypted", and the hexadecimal
// form in which they are stored. Works on zero-terminated byte texts in caller buffers,
// normally of kBufferSize bytes. This is obfuscation, not encryption: it hides a text from
// casual reading of the database, but anyone with the library (or this header) can decode
// it. Protect stored PINs and passwords by other means where that matters.
#pragma once

#include <vel/Export.h>

namespace Vel {

class VEL_API CEncode {
public:
    static constexpr int kBufferSize = 256;
    // Longest text whose hexadecimal form, with its zero, fits a kBufferSize buffer.
    static constexpr int kMaxTextLength = (kBufferSize - 1) / 2;

    // Scrambles `text` in place under `key`; applying it again with the same key restores it.
    // Non-zero bytes stay non-zero, so the text keeps its length. The result depends only on
    // the key, the byte and its position: stored values rely on it never changing.
    static void EncodeStr(char* text, int key);

    // Length of the hexadecimal form of a text of `textLength` bytes.
    static constexpr int GetHexLength(int textLength) { return 2 * textLength; }

    // Writes two upper-case hexadecimal digits per byte of `text`, then a zero, into `hex`
    // (`hexSize` bytes, not overlapping `text`). Returns the length of the hexadecimal text,
    // or -1 with `hex` empty when it would not fit.
    static int ConvertToHex(const char* text, char* hex, int hexSize = kBufferSize);

    // Turns a hexadecimal text (digits in either case) back into bytes in `text` (`textSize`
    // bytes, not overlapping `hex`). Returns the number of bytes before the written zero, or
    // -1 with `text` empty when `hex` has an odd length, a character that is no hexadecimal
    // digit, a pair giving the zero byte, or a result that would not fit.
    static int ConvertFromHex(const char* hex, char* text, int textSize = kBufferSize);
};

} // namespace Vel
