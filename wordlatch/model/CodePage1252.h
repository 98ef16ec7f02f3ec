// Windows-1252, the code page of the record's 8-bit text, as one table for the
// windows and the exchange formats. Every byte maps to one character; the five
// bytes the code page leaves undefined map to the C1 control of the same value,
// so the way back is exact.
#pragma once

#include <array>
#include <cstdint>

namespace wl {

// Code points of bytes 128..159.
inline constexpr std::array<char32_t, 32> CodePage1252High = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

constexpr char32_t CodePointOf1252(std::uint8_t b) {
    return b >= 128 && b < 160 ? CodePage1252High[b - 128] : char32_t(b);
}

// The byte of code point c; -1 when the code page has none.
constexpr int ByteOf1252(char32_t c) {
    if (c < 128 || (c >= 160 && c < 256)) return int(c);
    for (std::size_t k = 0; k < CodePage1252High.size(); ++k)
        if (CodePage1252High[k] == c) return int(128 + k);
    return -1;
}

} // namespace wl
