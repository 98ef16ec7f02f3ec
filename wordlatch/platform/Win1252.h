// Windows-1252, the 8-bit text of the puzzle record, used where that text
// meets a widget. Every byte maps to one character and back; the five bytes
// that code page leaves undefined map to the C1 control of the same value.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace wl {

QString FromWin1252(std::string_view bytes);
// Characters outside the code page become "?".
std::string ToWin1252(const QString& text);

} // namespace wl
