#include "Text1252.h"

#include "CodePage1252.h"

#include <cstdint>

namespace wl {

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr char32_t Invalid = 0xFFFFFFFF;

// The next code point of text from i on (i moves past it); Invalid for a byte
// that does not begin a valid sequence.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<std::uint8_t>(text[i++]);
    if (lead < 0x80) return lead;
    const int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 && lead < 0xE0 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5 || i + extra > text.size()) return Invalid;
    char32_t c = lead & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        const auto b = static_cast<std::uint8_t>(text[i + k]);
        if ((b & 0xC0) != 0x80) return Invalid;
        c = (c << 6) | (b & 0x3F);
    }
    i += extra;
    return c;
}

} // namespace

std::string Utf8From1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<std::uint8_t>(ch);
        AppendUtf8(out, CodePointOf1252(b));
    }
    return out;
}

std::string Utf8To1252(std::string_view text, bool* exact) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const char32_t c = NextCodePoint(text, i);
        int byte = ByteOf1252(c);
        if (byte < 0) {
            byte = '?';
            if (exact) *exact = false;
        }
        out += static_cast<char>(byte);
    }
    return out;
}

bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();)
        if (NextCodePoint(text, i) == Invalid) return false;
    return true;
}

} // namespace wl
