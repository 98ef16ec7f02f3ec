#include "Win1252.h"

#include <array>
#include <cstdint>

namespace wl {

namespace {

// Bytes 128..159; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString FromWin1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        text += QChar(b >= 128 && b < 160 ? High[b - 128] : char16_t(b));
    }
    return text;
}

std::string ToWin1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char out = '?';
        if (u < 128 || (u >= 160 && u < 256)) {
            out = static_cast<char>(u);
        } else {
            for (std::size_t i = 0; i < High.size(); ++i)
                if (High[i] == u) out = static_cast<char>(128 + i);
        }
        bytes += out;
    }
    return bytes;
}

} // namespace wl
