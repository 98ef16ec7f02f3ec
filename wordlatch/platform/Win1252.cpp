#include "Win1252.h"

#include "CodePage1252.h"

#include <cstdint>

namespace wl {

QString FromWin1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        text += QChar(static_cast<char16_t>(CodePointOf1252(b)));
    }
    return text;
}

std::string ToWin1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        const int byte = ByteOf1252(u);
        bytes += static_cast<char>(byte < 0 ? '?' : byte);
    }
    return bytes;
}

} // namespace wl
