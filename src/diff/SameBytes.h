// Byte equality of the short texts a difference walk compares for nearly every node (key
// parts and keys of a few dozen bytes), inline and word by word instead of a library call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace Vel {

namespace SameBytesDetail {

template <class TWord> TWord Load(const char* at) {
    TWord word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

} // namespace SameBytesDetail

// Whether the `count` bytes at `a` and at `b` are the same.
inline bool SameBytes(const char* a, const char* b, std::size_t count) {
    using SameBytesDetail::Load;
    if (count >= 8) {
        for (std::size_t at = 0; at + 8 < count; at += 8) {
            if (Load<std::uint64_t>(a + at) != Load<std::uint64_t>(b + at)) {
                return false;
            }
        }
        // The last word may overlap the one before it.
        return Load<std::uint64_t>(a + count - 8) == Load<std::uint64_t>(b + count - 8);
    }
    if (count >= 4) {
        return Load<std::uint32_t>(a) == Load<std::uint32_t>(b) &&
               Load<std::uint32_t>(a + count - 4) == Load<std::uint32_t>(b + count - 4);
    }
    for (std::size_t at = 0; at < count; ++at) {
        if (a[at] != b[at]) {
            return false;
        }
    }
    return true;
}

inline bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && SameBytes(a.data(), b.data(), a.size());
}

} // namespace Vel
